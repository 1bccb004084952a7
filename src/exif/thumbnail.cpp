#include "exif/thumbnail.h"

#include "tags/tag_roles.h"

namespace brevino {

std::span<const uint8_t> thumbnailBytes(const Document& document) {
    if (!document.walked()) return {};
    const Entry* offsetEntry = document.find(IfdKind::First, tags::kThumbnailOffset);
    const Entry* lengthEntry = document.find(IfdKind::First, tags::kThumbnailLength);
    if (offsetEntry == nullptr || lengthEntry == nullptr) return {};
    const std::optional<uint32_t> offset = document.singleNumber(*offsetEntry);
    const std::optional<uint32_t> length = document.singleNumber(*lengthEntry);
    if (!offset || !length || *length < 4) return {};
    const std::span<const uint8_t> bytes =
        document.bytesAt(document.location.tiffStart + *offset, *length);
    if (bytes.empty() || bytes[0] != 0xFF || bytes[1] != 0xD8) return {};
    return bytes;
}

}  // namespace brevino
