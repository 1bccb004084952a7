// WebP (a RIFF file of form "WEBP"): the `EXIF` chunk, whose TIFF data may follow an
// "Exif\0\0" prefix.
#include <cstring>

#include "exif/containers/container.h"
#include "exif/containers/head_reader.h"

namespace brevino {
namespace {

bool recognisesWebP(std::span<const uint8_t> head) {
    return head.size() >= 12 && std::memcmp(head.data(), "RIFF", 4) == 0 &&
           std::memcmp(head.data() + 8, "WEBP", 4) == 0;
}

uint32_t littleEndian32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
           uint32_t{bytes[3]} << 24;
}

Problem locateWebP(const ByteSource& source, Document& document) {
    ExifLocation& location = document.location;
    location.container = ContainerKind::WebP;
    HeadReader reader(source);
    const std::span<const uint8_t> riff = reader.at(0, 12);
    if (riff.empty()) return Problem::HeaderReadError;
    const uint64_t end =
        std::min<uint64_t>(source.size(), 8 + uint64_t{littleEndian32(riff.data() + 4)});
    for (uint64_t at = 12; at + 8 <= end;) {
        const std::span<const uint8_t> chunk = reader.at(at, 8);
        if (chunk.empty()) return Problem::HeaderReadError;
        const uint64_t size = littleEndian32(chunk.data() + 4);
        const uint64_t body = at + 8;
        if (size > end - body) return Problem::HeaderReadError;
        if (std::memcmp(chunk.data(), "EXIF", 4) == 0) {
            location.exifStart = body;
            location.exifEnd = body + size;
            const std::span<const uint8_t> prefix = reader.at(body, 6);
            const bool exifPrefix =
                size >= 6 && !prefix.empty() && std::memcmp(prefix.data(), "Exif\0\0", 6) == 0;
            location.tiffStart = body + (exifPrefix ? 6 : 0);
            TiffBlock block;
            block.start = location.tiffStart;
            block.end = location.exifEnd;
            block.tiffStart = location.tiffStart;
            return holdBlock(source, document, block);
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return Problem::NoExifSegment;
}

}  // namespace

constexpr std::string_view kWebPExtensions[] = {".webp"};

extern constinit const ContainerFormat kWebPContainer{ContainerKind::WebP, "webp", recognisesWebP,
                                                      locateWebP, kWebPExtensions};

}  // namespace brevino
