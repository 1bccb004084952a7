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
    ExifLocation& location = document.location;
    location.container = ContainerKind::Jpeg;
    location.exifStart = 0;
    location.skippedBytes = 0;
    location.exifEnd = 2;
    HeadReader heads(source);
    const std::span<const uint8_t> start = heads.at(0, 2);
    if (start.empty()) return fail(location, Problem::HeaderReadError);
    if (start[0] != 0xFF || start[1] != 0xD8) return fail(location, Problem::NotSupported);
    for (;;) {
        const uint64_t head = location.exifEnd;
        const std::span<const uint8_t> marker = heads.at(head, 2);
        if (marker.empty()) return fail(location, Problem::HeaderReadError);
        // The image data (or the end of the image) comes before any Exif segment: a JPEG
        // without Exif.
        if (marker[0] == 0xFF && (marker[1] == 0xDA || marker[1] == 0xD9))
            return fail(location, Problem::NoExifSegment);
        const std::span<const uint8_t> segment = heads.at(head, 8);
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
    location.tiffStart = location.skippedBytes + 12;
    TiffBlock block;
    block.start = location.tiffStart;
    block.end = location.exifEnd;
    block.tiffStart = location.tiffStart;
    document.blocks.push_back(block);
    if (location.exifEnd > source.size()) return Problem::App1ReadError;
    if (location.tiffStart >= location.exifEnd) return Problem::BadTiffHeader;
    if (!document.held.fetch(source, block.start, block.end - block.start, block.end))
        return Problem::App1ReadError;
    return Problem::None;
}

}  // namespace

extern constinit const ContainerFormat kJpegContainer{ContainerKind::Jpeg, "jpeg", recognisesJpeg,
                                                      locateJpeg};

}  // namespace brevino
