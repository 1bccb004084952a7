#include "exif/image_orientation.h"

#include "tags/tag_roles.h"

namespace brevino {

int imageOrientation(const Document& document) {
    if (!document.walked()) return 1;
    const Entry* entry = document.find(IfdKind::Zeroth, tags::kOrientation);
    const std::optional<uint32_t> value = entry ? document.singleNumber(*entry) : std::nullopt;
    return value && *value >= 1 && *value <= 8 ? static_cast<int>(*value) : 1;
}

}  // namespace brevino
