#include "exif/analysis.h"

#include <algorithm>
#include <initializer_list>

#include "exif/containers/container.h"
#include "exif/ifd_walker.h"
#include "exif/maker_note.h"
#include "exif/overlaps.h"
#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); });
}

bool endsWithAny(std::string_view path, std::initializer_list<std::string_view> extensions) {
    return std::any_of(extensions.begin(), extensions.end(), [&](std::string_view extension) {
        return endsWithIgnoringCase(path, extension);
    });
}

// Whether a container knows the file by its first bytes.
bool isKnownContent(const FileHandle& file) {
    uint8_t head[kHeadLength] = {};
    if (!file.isOpen()) return false;
    const size_t got = file.readAt(0, head, sizeof head);
    return recogniseContainer(std::span<const uint8_t>(head, got)) != nullptr;
}

IfdKind subIfdKind(uint16_t pointerTag) {
    if (pointerTag == tags::kExifPointer) return IfdKind::Exif;
    if (pointerTag == tags::kGpsPointer) return IfdKind::Gps;
    return IfdKind::Interop;
}

}  // namespace

namespace {

// Walks the IFDs of one TIFF block: its first IFD, the sub-IFDs in the order their pointers
// were met, the 1st IFD, and the maker note; answers BadTiffHeader for a header that is not
// a TIFF one.
Problem walkBlock(Document& document, const TiffBlock& block, const ByteSource* source,
                  std::span<const MakerNoteFormat* const> formats) {
    IfdWalk walk(document, source, block);
    const std::span<const uint8_t> header = walk.read(block.tiffStart, 8, 0);
    // A block too short for a TIFF header fails like a header with the wrong magic number.
    if (header.empty()) return Problem::BadTiffHeader;
    const ByteOrder order = header[0] == 'I' && header[1] == 'I' ? Intel : Motorola;
    if (&block == &document.blocks.front()) document.byteOrder = order;
    if (readU16(header.data() + 2, order) != block.magic) return Problem::BadTiffHeader;
    const uint64_t tiff = block.tiffStart;
    const uint64_t first = tiff + readU32(header.data() + 4, order);
    document.structure.emplace_back(tiff, tiff + 8);

    walk.walk(first, order, block.first, tiff);
    // Pointers met while walking a sub-IFD (interoperability in the Exif IFD) are walked in
    // the same loop.
    for (size_t i = 0; i < walk.subIfdCount(); ++i) {
        const IfdWalk::SubIfd sub = walk.subIfd(i);
        walk.walk(sub.offset, order, subIfdKind(sub.tag), tiff);
    }
    // The first IFD's link to the thumbnail IFD, when both its entry count and the link are
    // inside.
    if (block.first == IfdKind::Zeroth) {
        if (const std::span<const uint8_t> count = walk.read(first, 2, 0); !count.empty()) {
            const uint64_t link = first + 2 + 12 * uint64_t{readU16(count.data(), order)};
            if (const std::span<const uint8_t> next = walk.read(link, 4, 0); !next.empty()) {
                if (const uint32_t offset = readU32(next.data(), order); offset != 0)
                    walk.walk(tiff + offset, order, IfdKind::First, tiff);
            }
        }
    }
    walkMakerNote(document, walk, formats);
    return Problem::None;
}

}  // namespace

void analyzeInto(const ByteSource& source, Document& document,
                 std::span<const MakerNoteFormat* const> formats) {
    document.clear();
    uint8_t head[kHeadLength] = {};
    const size_t got = source.read(0, head, sizeof head);
    const ContainerFormat* container = recogniseContainer(std::span<const uint8_t>(head, got));
    // What no container knows is refused as a JPEG refuses it (too short, or not one).
    if (container == nullptr) container = containerFormats().front();
    document.problem = container->locate(source, document);
    if (!document.walked()) return;
    for (const TiffBlock& block : document.blocks) {
        const Problem problem = walkBlock(document, block, &source, formats);
        // The first block must be TIFF data; a later one that is not is left out.
        if (problem != Problem::None && &block == &document.blocks.front()) {
            document.problem = problem;
            return;
        }
    }
    markOverlaps(document);
}

Document analyzeBytes(std::span<const uint8_t> fileBytes,
                      std::span<const MakerNoteFormat* const> formats) {
    const MemorySource source(fileBytes);
    Document document;
    analyzeInto(source, document, formats);
    return document;
}

FileAnalysis analyzeFile(const std::string& path) {
    FileAnalysis result;
    analyzeFile(path, result);
    return result;
}

void analyzeFile(const std::string& path, FileAnalysis& into) {
    into.document.clear();
    into.file.reset();
    // A file is known by its content; the name only lets files through that may be one.
    FileHandle file = openForRead(path);
    if (!isAnalyzableName(path) && !isKnownContent(file)) {
        into.document.problem = Problem::NotAnalyzable;
        return;
    }
    std::optional<FileIdentity> identity = file.isOpen() ? file.identity() : std::nullopt;
    if (!identity) {
        into.document.problem = Problem::AnalysisOpenError;
        return;
    }
    into.file = AnalysedFile{path, *identity, timesOf(*identity)};
    const FileSource source(file, static_cast<uint64_t>(identity->size));
    analyzeInto(source, into.document);
}

bool isJpegName(std::string_view path) {
    return endsWithAny(path, {".jpg", ".jpeg", ".jpe", ".jfif"});
}

bool isAnalyzableName(std::string_view path) {
    return isJpegName(path) || endsWithAny(path, {".tif", ".tiff"});
}

bool isAnalyzableFile(const std::string& path) {
    return isAnalyzableName(path) || isKnownContent(openForRead(path));
}

}  // namespace brevino
