#include "exif/document.h"

namespace brevino {

const TagDef* Document::tagOf(const Entry& entry) const {
    if (entry.table == nullptr) return nullptr;
    return entry.table->find(entry.field == Entry::kNoField ? entry.tag : entry.field);
}

std::optional<uint32_t> Document::singleNumber(const Entry& entry) const {
    const TiffTypeInfo& type = tiffType(entry.type);
    if (type.kind != ValueKind::Unsigned || entry.count != 1 || !entry.valueInside)
        return std::nullopt;
    const std::span<const uint8_t> value = valueBytes(entry, type.size);
    if (value.size() != type.size) return std::nullopt;
    if (type.size == 1) return value[0];
    if (type.size == 2) return readU16(value.data(), entry.order);
    return readU32(value.data(), entry.order);
}

const Entry* Document::find(IfdKind ifd, uint16_t tag) const {
    for (const Entry& entry : entries) {
        if (entry.ifd == ifd && entry.tag == tag) return &entry;
    }
    return nullptr;
}

}  // namespace brevino
