#include "app1/app1_transfer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>

#include "platform/file_io.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

constexpr char kOpenExportFirst[] = "ｴｸｽﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。";
constexpr char kOpenImportFirst[] = "ｲﾝﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。";
constexpr char kNoExif[] = "開いているﾌｧｲﾙには、Exif情報がありません。";
constexpr char kInputOpenError[] = "入力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。";
constexpr char kInputReadError[] = "入力ﾌｧｲﾙﾘｰﾄﾞｴﾗｰ。";
constexpr char kOutputOpenError[] = "出力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。";
constexpr char kOutputWriteError[] = "出力ﾌｧｲﾙﾗｲﾄｴﾗｰ。";
constexpr char kMemoryError[] = "ﾒﾓﾘ確保ｴﾗｰ。";
constexpr char kFileOpenError[] = "ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。";
constexpr char kFileReadError[] = "ﾌｧｲﾙﾘｰﾄﾞｴﾗｰ。";
constexpr char kNotSupported[] = "対象外の形式です";
constexpr char kExportTitle[] = "Exportﾌｧｲﾙを開く";
constexpr char kImportTitle[] = "Importﾌｧｲﾙを開く";

// A side file holds one segment of at most 65535 bytes after the start-of-image marker.
constexpr uint64_t kMaxSideFileSize = 65535 + 4;
constexpr size_t kCopyChunk = 1 << 16;
constexpr std::string_view kImportExtension = ".jpg";
// As many numbered names as a rename by date tries.
constexpr int kHighestNumber = 100;

void reportFileError(Workspace& workspace, const char* message) {
    workspace.report(message, kCaptionFileError);
}

// The current file opened for reading, when it is the analysed file, unchanged since.
std::optional<FileHandle> openAnalysedFile(Workspace& workspace, const std::string& path,
                                           const char* notOpen) {
    if (path.empty() || !workspace.isAnalysedFileUnchanged(path)) {
        workspace.report(notOpen);
        return std::nullopt;
    }
    FileHandle file = openForRead(path);
    if (!file.isOpen()) {
        reportFileError(workspace, kInputOpenError);
        return std::nullopt;
    }
    std::optional<FileIdentity> identity = file.identity();
    if (!identity || !(*identity == workspace.analysedFile.identity)) {
        workspace.report(notOpen);
        return std::nullopt;
    }
    return file;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::optional<FileIdentity> first = identifyFile(a);
    std::optional<FileIdentity> second = identifyFile(b);
    return first && second && first->device == second->device && first->inode == second->inode;
}

std::string formatted(const char* format, const std::string& path) {
    std::string text = format;
    text.replace(text.find("%s"), 2, path);
    return text;
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
    if (bytes.size() < 10 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) return false;
    const uint64_t length = static_cast<uint64_t>(bytes[4]) << 8 | bytes[5];
    return length + 4 == bytes.size() && std::memcmp(&bytes[6], "Exif", 4) == 0;
}

bool readWholeFile(Workspace& workspace, const std::string& path, std::vector<uint8_t>& bytes,
                   uint64_t maxSize) {
    FileHandle file = openForRead(path);
    std::optional<FileIdentity> identity = file.isOpen() ? file.identity() : std::nullopt;
    if (!identity) {
        reportFileError(workspace, kFileOpenError);
        return false;
    }
    const uint64_t size = static_cast<uint64_t>(identity->size);
    if (size > maxSize) {
        reportFileError(workspace, kNotSupported);
        return false;
    }
    try {
        bytes.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        reportFileError(workspace, kMemoryError);
        return false;
    }
    if (file.readAt(0, bytes.data(), bytes.size()) != bytes.size()) {
        reportFileError(workspace, kFileReadError);
        bytes.clear();
        return false;
    }
    return true;
}

bool exportApp1(Workspace& workspace, const std::string& currentFile) {
    if (currentFile.empty() || !workspace.isAnalysedFileUnchanged(currentFile)) {
        workspace.report(kOpenExportFirst);
        return false;
    }
    const ExifLocation location = workspace.analysis.location;
    if (location.exifEnd == 0 || location.exifEnd == location.exifStart) {
        workspace.report(kNoExif);
        return false;
    }
    if (!workspace.fileChooser) return false;
    std::optional<std::string> target =
        workspace.fileChooser->choose(FileChoice::Export, kExportTitle);
    if (!target || target->empty()) return false;

    std::optional<FileHandle> source = openAnalysedFile(workspace, currentFile, kOpenExportFirst);
    if (!source) return false;
    std::vector<uint8_t> segment;
    try {
        segment.resize(static_cast<size_t>(location.exifEnd - location.exifStart));
    } catch (const std::bad_alloc&) {
        reportFileError(workspace, kMemoryError);
        return false;
    }
    if (source->readAt(location.exifStart, segment.data(), segment.size()) != segment.size()) {
        reportFileError(workspace, kInputReadError);
        return false;
    }
    source->close();

    // Writing the segment over the photo itself would lose the photo.
    if (sameFile(*target, currentFile)) {
        reportFileError(workspace, kOutputOpenError);
        return false;
    }
    std::optional<TemporaryFile> output = createTemporaryBeside(*target);
    if (!output) {
        reportFileError(workspace, kOutputOpenError);
        return false;
    }
    static constexpr uint8_t kStartOfImage[] = {0xFF, 0xD8};
    bool written = location.skippedBytes == 0 || output->handle.write(kStartOfImage, 2) == 2;
    written = written && output->handle.write(segment.data(), segment.size()) == segment.size();
    if (!written) {
        discardTemporary(*output);
        reportFileError(workspace, kOutputWriteError);
        return false;
    }
    if (!commitTemporary(*output, *target)) {
        reportFileError(workspace, kOutputWriteError);
        return false;
    }
    workspace.report(formatted("%sﾌｧｲﾙにExportしました。", *target));
    return true;
}

bool importApp1(Workspace& workspace, const std::string& currentFile) {
    std::optional<FileHandle> source = openAnalysedFile(workspace, currentFile, kOpenImportFirst);
    if (!source) return false;
    const uint64_t size = static_cast<uint64_t>(workspace.analysedFile.identity.size);
    const ExifLocation location = workspace.analysis.location;
    if (!workspace.fileChooser) return false;
    std::optional<std::string> chosen =
        workspace.fileChooser->choose(FileChoice::Import, kImportTitle);
    if (!chosen || chosen->empty()) return false;

    // Where the side file's segment goes: in place of the file's own Exif segment, or right
    // after the start-of-image marker of a JPEG that has none.
    uint64_t keepBefore = location.exifStart;
    uint64_t resumeAt = location.exifEnd;
    if (location.exifEnd == 0) {
        // A JPEG without an Exif segment takes the side file's segment right after its
        // start-of-image marker, when a marker follows it there: anything else is no JPEG.
        uint8_t start[4] = {};
        const size_t got = source->readAt(0, start, 4);
        if (got < 2 || start[0] != 0xFF || start[1] != 0xD8) {
            workspace.report(kNoExif);
            return false;
        }
        if (got < 4 || start[2] != 0xFF || start[3] == 0xFF || start[3] == 0x00) {
            reportFileError(workspace, kNotSupported);
            return false;
        }
        keepBefore = 2;
        resumeAt = 2;
    }

    // The side file is checked whole before anything is written.
    std::vector<uint8_t> side;
    if (!readWholeFile(workspace, *chosen, side, kMaxSideFileSize)) return false;
    if (!isSideFile(side)) {
        reportFileError(workspace, kNotSupported);
        return false;
    }

    const std::string outputStem = importOutputStem(currentFile);
    std::optional<TemporaryFile> output = createTemporaryBeside(outputStem);
    if (!output) {
        reportFileError(workspace, kOutputOpenError);
        return false;
    }
    auto fail = [&](const char* message) {
        discardTemporary(*output);
        reportFileError(workspace, message);
    };
    std::vector<uint8_t> chunk(kCopyChunk);
    // Copies [from, to) of the current file into the output.
    auto copyRange = [&](uint64_t from, uint64_t to) {
        while (from < to) {
            const size_t length = static_cast<size_t>(std::min<uint64_t>(to - from, chunk.size()));
            if (source->readAt(from, chunk.data(), length) != length) {
                fail(kInputReadError);
                return false;
            }
            if (output->handle.write(chunk.data(), length) != length) {
                fail(kOutputWriteError);
                return false;
            }
            from += length;
        }
        return true;
    };
    if (!copyRange(0, keepBefore)) return false;
    const size_t sideFrom = keepBefore > 0 ? 2 : 0;
    if (output->handle.write(side.data() + sideFrom, side.size() - sideFrom) !=
        side.size() - sideFrom) {
        fail(kOutputWriteError);
        return false;
    }
    if (!copyRange(resumeAt, size)) return false;
    // The output never replaces a file: it takes the first free name.
    std::optional<std::string> outputPath;
    if (output->handle.close()) {
        outputPath = moveToFreeName(output->path, outputStem, kImportExtension, kHighestNumber);
    }
    if (!outputPath) {
        discardTemporary(*output);
        reportFileError(workspace, kOutputWriteError);
        return false;
    }
    workspace.report(formatted("%sﾌｧｲﾙにImportし、保存しました。", *outputPath));
    return true;
}

}  // namespace brevino
