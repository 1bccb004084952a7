#include "exif/analysis.h"

#include <algorithm>
#include <initializer_list>

#include "exif/exif_locator.h"
#include "exif/ifd_walker.h"
#include "exif/maker_note.h"
#include "exif/overlaps.h"
#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

// Storage grown for an unusual file is not kept beyond this size from one analysis to the
// next.
constexpr size_t kKeptStorage = 1 << 20;

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

bool beginsWithJpegMarker(const FileHandle& file) {
    uint8_t start[2] = {};
    return file.isOpen() && file.readAt(0, start, 2) == 2 && start[0] == 0xFF && start[1] == 0xD8;
}

IfdKind subIfdKind(uint16_t pointerTag) {
    if (pointerTag == tags::kExifPointer) return IfdKind::Exif;
    if (pointerTag == tags::kGpsPointer) return IfdKind::Gps;
    return IfdKind::Interop;
}

}  // namespace

Document analyze(LeadingBytes& bytes) {
    Document document;
    analyzeInto(bytes, document);
    return document;
}

void analyzeInto(LeadingBytes& bytes, Document& document,
                 std::span<const MakerNoteFormat* const> formats) {
    document.clear();
    ExifLocation& location = document.location;
    document.problem = locateExif(bytes, location);
    if (!document.walked()) return;
    switch (bytes.ensure(location.exifEnd)) {
        case LeadingBytes::Status::Ok:
            break;
        case LeadingBytes::Status::NoMemory:
            document.problem = Problem::MemoryError;
            return;
        case LeadingBytes::Status::Short:
            document.problem = Problem::App1ReadError;
            return;
    }
    document.bytes = std::span<const uint8_t>(bytes.data(), static_cast<size_t>(location.exifEnd));
    const std::span<const uint8_t> buffer = document.bytes;
    const uint64_t tiff = location.tiffStart();
    // A segment too short for a TIFF header fails like a header with the wrong magic number.
    if (tiff + 8 > buffer.size()) {
        document.problem = Problem::BadTiffHeader;
        return;
    }
    const ByteOrder order = buffer[tiff] == 'I' && buffer[tiff + 1] == 'I' ? Intel : Motorola;
    document.byteOrder = order;
    if (readU16(buffer.data() + tiff + 2, order) != 42) {
        document.problem = Problem::BadTiffHeader;
        return;
    }
    const uint64_t ifd0 = tiff + readU32(buffer.data() + tiff + 4, order);

    IfdWalk walk(document);
    walk.walk(ifd0, order, IfdKind::Zeroth, tiff);
    // Pointers met while walking a sub-IFD (interoperability in the Exif IFD) are walked in
    // the same loop.
    for (size_t i = 0; i < walk.subIfdCount(); ++i) {
        const IfdWalk::SubIfd sub = walk.subIfd(i);
        walk.walk(sub.offset, order, subIfdKind(sub.tag), tiff);
    }
    // IFD0's link to the thumbnail IFD, when both its entry count and the link are inside.
    if (ifd0 + 2 <= buffer.size()) {
        const uint64_t link = ifd0 + 2 + 12 * uint64_t{readU16(buffer.data() + ifd0, order)};
        if (link + 4 <= buffer.size()) {
            const uint32_t next = readU32(buffer.data() + link, order);
            if (next != 0) walk.walk(tiff + next, order, IfdKind::First, tiff);
        }
    }
    walkMakerNote(document, walk, formats);
    document.structure.emplace_back(tiff, tiff + 8);
    markOverlaps(document);
}

Document analyzeBytes(std::span<const uint8_t> fileBytes,
                      std::span<const MakerNoteFormat* const> formats) {
    LeadingBytes bytes(fileBytes.data(), fileBytes.size());
    Document document;
    analyzeInto(bytes, document, formats);
    return document;
}

FileAnalysis analyzeFile(const std::string& path, ByteStore& storage) {
    FileAnalysis result;
    analyzeFile(path, storage, result);
    return result;
}

void analyzeFile(const std::string& path, ByteStore& storage, FileAnalysis& into) {
    into.document.clear();
    into.file.reset();
    // A JPEG is known by its content; the name only lets files through that may be one.
    FileHandle file = openForRead(path);
    if (!isAnalyzableName(path) && !beginsWithJpegMarker(file)) {
        into.document.problem = Problem::NotAnalyzable;
        return;
    }
    std::optional<FileIdentity> identity = file.isOpen() ? file.identity() : std::nullopt;
    if (!identity) {
        into.document.problem = Problem::AnalysisOpenError;
        return;
    }
    into.file = AnalysedFile{path, *identity, timesOf(*identity)};
    if (storage.capacity() > kKeptStorage) storage.release();
    LeadingBytes bytes(file, static_cast<uint64_t>(identity->size), storage);
    analyzeInto(bytes, into.document);
}

bool isJpegName(std::string_view path) {
    return endsWithAny(path, {".jpg", ".jpeg", ".jpe", ".jfif"});
}

bool isAnalyzableName(std::string_view path) {
    return isJpegName(path) || endsWithAny(path, {".tif", ".tiff"});
}

bool isAnalyzableFile(const std::string& path) {
    return isAnalyzableName(path) || beginsWithJpegMarker(openForRead(path));
}

}  // namespace brevino
