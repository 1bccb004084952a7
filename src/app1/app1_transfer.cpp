#include "app1/app1_transfer.h"

#include "app1/exif_rebuild.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

#include "platform/file_io.h"

namespace brevino {
namespace {

// A side file holds one segment of at most 65535 bytes after the start-of-image marker.
constexpr uint64_t kMaxSideFileSize = 65535 + 4;
constexpr size_t kCopyChunk = 1 << 16;
constexpr std::string_view kImportExtension = ".jpg";
// As many numbered names as a rename by date tries.
constexpr int kHighestNumber = 100;

TransferResult failed(Problem problem) {
    return TransferResult{problem, {}};
}

// The analysed file opened for reading, when it is unchanged since the analysis.
std::optional<FileHandle> openAnalysedFile(const AnalysedFile& file, Problem notOpen,
                                           Problem& problem) {
    std::optional<FileIdentity> now =
        isRegularFile(file.path) ? identifyFile(file.path) : std::nullopt;
    if (!now || !(*now == file.identity)) {
        problem = notOpen;
        return std::nullopt;
    }
    FileHandle handle = openForRead(file.path);
    if (!handle.isOpen()) {
        problem = Problem::InputOpenError;
        return std::nullopt;
    }
    std::optional<FileIdentity> identity = handle.identity();
    if (!identity || !(*identity == file.identity)) {
        problem = notOpen;
        return std::nullopt;
    }
    return handle;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::optional<FileIdentity> first = identifyFile(a);
    std::optional<FileIdentity> second = identifyFile(b);
    return first && second && first->device == second->device && first->inode == second->inode;
}

// Reads a whole side file of at most kMaxSideFileSize bytes.
Problem readSideFile(const std::string& path, std::vector<uint8_t>& bytes) {
    FileHandle handle = openForRead(path);
    std::optional<FileIdentity> identity = handle.isOpen() ? handle.identity() : std::nullopt;
    if (!identity) return Problem::SideFileOpenError;
    const uint64_t size = static_cast<uint64_t>(identity->size);
    if (size > kMaxSideFileSize) return Problem::SideFileNotSupported;
    bytes.resize(static_cast<size_t>(size));
    if (handle.readAt(0, bytes.data(), bytes.size()) != bytes.size())
        return Problem::SideFileReadError;
    return Problem::None;
}

}  // namespace

std::string importOutputStem(const std::string& currentFile) {
    const size_t slash = currentFile.rfind('/');
    const size_t dot = currentFile.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? currentFile.substr(0, dot) : currentFile) + "_out";
}

bool isSideFile(const std::vector<uint8_t>& bytes) {
    // The start-of-image marker, then an APP1 marker: a segment of another kind would not be
    // found as the file's Exif once imported.
    if (bytes.size() < 10 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF ||
        bytes[3] != 0xE1)
        return false;
    const uint64_t length = static_cast<uint64_t>(bytes[4]) << 8 | bytes[5];
    return length + 4 == bytes.size() && std::memcmp(&bytes[6], "Exif", 4) == 0;
}

TransferResult exportApp1(const AnalysedFile& file, const Document& document,
                          const std::string& target) {
    const ExifLocation& location = document.location;
    if (location.exifEnd == 0 || location.exifEnd == location.exifStart)
        return failed(Problem::NoExif);
    Problem problem = Problem::None;
    std::optional<FileHandle> source = openAnalysedFile(file, Problem::OpenFirstToExport, problem);
    if (!source) return failed(problem);
    std::vector<uint8_t> segment;
    const bool jpeg =
        location.container == ContainerKind::Jpeg || location.container == ContainerKind::Raf;
    if (jpeg) {
        // The segment as the file holds it (with the start-of-image marker when it follows it).
        try {
            segment.resize(static_cast<size_t>(location.exifEnd - location.exifStart));
        } catch (const std::bad_alloc&) {
            return failed(Problem::TransferMemoryError);
        }
        if (source->readAt(location.exifStart, segment.data(), segment.size()) != segment.size())
            return failed(Problem::InputReadError);
    } else {
        // A segment made around the TIFF data: as it lies in the file when it is one block of
        // its own, written anew from the IFDs otherwise (raw files, CR3).
        const TiffBlock& block = document.blocks.front();
        std::vector<uint8_t> tiff;
        if (document.blocks.size() == 1 && !block.readOnDemand) {
            const std::span<const uint8_t> held =
                document.bytesAt(block.tiffStart, block.end - block.tiffStart);
            tiff.assign(held.begin(), held.end());
        } else {
            tiff = rebuildExif(document);
        }
        if (tiff.empty()) return failed(Problem::InputReadError);
        if (tiff.size() + 6 > kMaxSegmentPayload) return failed(Problem::ExportTooLarge);
        const auto length = static_cast<uint16_t>(tiff.size() + 8);
        segment = {0xFF,
                   0xD8,
                   0xFF,
                   0xE1,
                   static_cast<uint8_t>(length >> 8),
                   static_cast<uint8_t>(length),
                   'E',
                   'x',
                   'i',
                   'f',
                   0,
                   0};
        segment.insert(segment.end(), tiff.begin(), tiff.end());
    }
    source->close();

    // Writing the segment over the photo itself would lose the photo.
    if (sameFile(target, file.path)) return failed(Problem::OutputOpenError);
    std::optional<TemporaryFile> output = createTemporaryBeside(target);
    if (!output) return failed(Problem::OutputOpenError);
    static constexpr uint8_t kStartOfImage[] = {0xFF, 0xD8};
    bool written =
        !jpeg || location.skippedBytes == 0 || output->handle.write(kStartOfImage, 2) == 2;
    written = written && output->handle.write(segment.data(), segment.size()) == segment.size();
    if (!written) {
        discardTemporary(*output);
        return failed(Problem::OutputWriteError);
    }
    if (!commitTemporary(*output, target)) return failed(Problem::OutputWriteError);
    return TransferResult{Problem::None, target};
}

TransferResult importApp1(const AnalysedFile& file, const ExifLocation& location,
                          const std::string& sidePath) {
    // Only a JPEG takes an Exif segment.
    if (location.container != ContainerKind::Jpeg) return failed(Problem::ImportJpegOnly);
    Problem problem = Problem::None;
    std::optional<FileHandle> source = openAnalysedFile(file, Problem::OpenFirstToImport, problem);
    if (!source) return failed(problem);
    const uint64_t size = static_cast<uint64_t>(file.identity.size);

    // Where the side file's segment goes: in place of the file's own Exif segment, or right
    // after the start-of-image marker of a JPEG that has none.
    uint64_t keepBefore = location.exifStart;
    uint64_t resumeAt = location.exifEnd;
    if (location.exifEnd == 0) {
        uint8_t start[4] = {};
        const size_t got = source->readAt(0, start, 4);
        if (got < 2 || start[0] != 0xFF || start[1] != 0xD8) return failed(Problem::NoExif);
        // A marker must follow the start-of-image marker: anything else is no JPEG.
        if (got < 4 || start[2] != 0xFF || start[3] == 0xFF || start[3] == 0x00)
            return failed(Problem::SideFileNotSupported);
        keepBefore = 2;
        resumeAt = 2;
    }

    // The side file is checked whole before anything is written.
    std::vector<uint8_t> side;
    problem = readSideFile(sidePath, side);
    if (problem == Problem::None && !isSideFile(side)) problem = Problem::SideFileNotSupported;
    if (problem != Problem::None) return TransferResult{problem, {}, true};

    const std::string outputStem = importOutputStem(file.path);
    std::optional<TemporaryFile> output = createTemporaryBeside(outputStem);
    if (!output) return failed(Problem::OutputOpenError);
    auto fail = [&](Problem why) {
        discardTemporary(*output);
        return failed(why);
    };
    std::vector<uint8_t> chunk(kCopyChunk);
    // Copies [from, to) of the current file into the output.
    auto copyRange = [&](uint64_t from, uint64_t to) {
        while (from < to) {
            const size_t length = static_cast<size_t>(std::min<uint64_t>(to - from, chunk.size()));
            if (source->readAt(from, chunk.data(), length) != length)
                return Problem::InputReadError;
            if (output->handle.write(chunk.data(), length) != length)
                return Problem::OutputWriteError;
            from += length;
        }
        return Problem::None;
    };
    if (Problem why = copyRange(0, keepBefore); why != Problem::None) return fail(why);
    const size_t sideFrom = keepBefore > 0 ? 2 : 0;
    if (output->handle.write(side.data() + sideFrom, side.size() - sideFrom) !=
        side.size() - sideFrom)
        return fail(Problem::OutputWriteError);
    if (Problem why = copyRange(resumeAt, size); why != Problem::None) return fail(why);
    // The output never replaces a file: it takes the first free name.
    std::optional<std::string> outputPath;
    if (output->handle.close())
        outputPath = moveToFreeName(output->path, outputStem, kImportExtension, kHighestNumber);
    if (!outputPath) return fail(Problem::OutputWriteError);
    return TransferResult{Problem::None, *outputPath};
}

}  // namespace brevino
