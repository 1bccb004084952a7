// PNG: the `eXIf` chunk. Its CRC covers the chunk's type and data, so a value written into it
// comes with the chunk's new CRC.
#include <cstring>

#include "exif/containers/container.h"
#include "exif/containers/head_reader.h"

namespace brevino {
namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool recognisesPng(std::span<const uint8_t> head) {
    return head.size() >= 8 && std::memcmp(head.data(), kSignature, 8) == 0;
}

Problem locatePng(const ByteSource& source, Document& document) {
    ExifLocation& location = document.location;
    location.container = ContainerKind::Png;
    HeadReader reader(source);
    const uint64_t end = source.size();
    for (uint64_t at = 8; at + 12 <= end;) {
        const std::span<const uint8_t> chunk = reader.at(at, 8);
        if (chunk.empty()) return Problem::HeaderReadError;
        const uint64_t size = uint64_t{chunk[0]} << 24 | uint64_t{chunk[1]} << 16 |
                              uint64_t{chunk[2]} << 8 | chunk[3];
        const uint64_t body = at + 8;
        if (size > end - body || end - body - size < 4) return Problem::HeaderReadError;
        if (std::memcmp(chunk.data() + 4, "eXIf", 4) == 0) {
            location.exifStart = body;
            location.exifEnd = body + size;
            const std::span<const uint8_t> prefix = reader.at(body, 6);
            const bool exifPrefix =
                size >= 6 && !prefix.empty() && std::memcmp(prefix.data(), "Exif\0\0", 6) == 0;
            location.tiffStart = body + (exifPrefix ? 6 : 0);
            location.checksumFrom = at + 4;  // the CRC covers the type and the data
            location.checksumAt = body + size;
            TiffBlock block;
            block.start = location.tiffStart;
            block.end = location.exifEnd;
            block.tiffStart = location.tiffStart;
            // The type and the CRC are held with the data, for the new CRC of a changed value.
            if (!document.held.fetch(source, at + 4, size + 8, end)) return Problem::App1ReadError;
            return holdBlock(source, document, block);
        }
        if (std::memcmp(chunk.data() + 4, "IEND", 4) == 0) break;
        at = body + size + 4;
    }
    return Problem::NoExifSegment;
}

}  // namespace

constexpr std::string_view kPngExtensions[] = {".png"};

extern constinit const ContainerFormat kPngContainer{ContainerKind::Png, "png", recognisesPng,
                                                     locatePng, kPngExtensions};

}  // namespace brevino
