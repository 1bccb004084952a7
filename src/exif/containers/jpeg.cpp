// JPEG: the Exif data is the APP1 segment whose payload begins with "Exif", found by walking
// the segment heads from the start-of-image marker; its TIFF header follows "Exif\0\0".
#include <cstring>

#include "exif/containers/container.h"
#include "exif/containers/head_reader.h"

namespace brevino {
namespace {

bool recognisesJpeg(std::span<const uint8_t> head) {
    return head.size() >= 2 && head[0] == 0xFF && head[1] == 0xD8;
}

Problem fail(ExifLocation& location, Problem problem) {
    location.exifEnd = 0;
    return problem;
}

Problem locateJpeg(const ByteSource& source, Document& document) {
    return locateJpegIn(source, document, 0, source.size());
}

}  // namespace

Problem locateJpegIn(const ByteSource& source, Document& document, uint64_t start, uint64_t end) {
    ExifLocation& location = document.location;
    location.container = ContainerKind::Jpeg;
    location.exifStart = start;
    location.skippedBytes = 0;
    location.exifEnd = start + 2;
    HeadReader heads(source);
    auto within = [&](uint64_t at, size_t length) {
        return at <= end && length <= end - at ? heads.at(at, length) : std::span<const uint8_t>();
    };
    const std::span<const uint8_t> marker = within(start, 2);
    if (marker.empty()) return fail(location, Problem::HeaderReadError);
    if (marker[0] != 0xFF || marker[1] != 0xD8) return fail(location, Problem::NotSupported);
    for (;;) {
        const uint64_t head = location.exifEnd;
        const std::span<const uint8_t> code = within(head, 2);
        if (code.empty()) return fail(location, Problem::HeaderReadError);
        // The image data (or the end of the image) comes before any Exif segment: a JPEG
        // without Exif.
        if (code[0] == 0xFF && (code[1] == 0xDA || code[1] == 0xD9))
            return fail(location, Problem::NoExifSegment);
        const std::span<const uint8_t> segment = within(head, 8);
        if (segment.empty()) return fail(location, Problem::HeaderReadError);
        const uint64_t length = static_cast<uint64_t>(segment[2]) << 8 | segment[3];
        if (std::memcmp(segment.data() + 4, "Exif", 4) == 0) {
            location.exifEnd += length + 2;
            break;
        }
        if (segment[0] != 0xFF) return fail(location, Problem::NotSupported);
        location.exifEnd += length + 2;
        location.exifStart = location.exifEnd;
        location.skippedBytes += length + 2;
    }
    // The TIFF data: from its header, after "Exif\0\0", to the end of the segment.
    location.tiffStart = start + location.skippedBytes + 12;
    TiffBlock block;
    block.start = location.tiffStart;
    block.end = location.exifEnd;
    block.tiffStart = location.tiffStart;
    if (location.exifEnd > end) {
        document.blocks.push_back(block);
        return Problem::App1ReadError;
    }
    if (location.tiffStart >= location.exifEnd) {
        document.blocks.push_back(block);
        return Problem::BadTiffHeader;
    }
    // The segment's head is held too: a segment written anew keeps it.
    const uint64_t head = location.tiffStart - 10;
    if (!document.held.fetch(source, head, location.exifEnd - head, location.exifEnd))
        return Problem::App1ReadError;
    return holdBlock(source, document, block);
}

constexpr std::string_view kJpegExtensions[] = {".jpg", ".jpeg", ".jpe", ".jfif"};

extern constinit const ContainerFormat kJpegContainer{ContainerKind::Jpeg, "jpeg", recognisesJpeg,
                                                      locateJpeg, kJpegExtensions};

}  // namespace brevino
