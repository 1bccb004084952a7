#include "exif/ifd_writer.h"

#include <algorithm>

#include "tags/tiff_type.h"

namespace brevino {

uint32_t appendIfd(std::vector<uint8_t>& tiff, ByteOrder order, std::vector<EntryToWrite> entries,
                   uint32_t next, std::vector<uint32_t>* valueFieldAt,
                   std::vector<uint16_t>* tagsWritten) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const EntryToWrite& a, const EntryToWrite& b) { return a.tag < b.tag; });
    if (tiff.size() % 2) tiff.push_back(0);
    const auto ifd = static_cast<uint32_t>(tiff.size());
    tiff.resize(tiff.size() + 2 + 12 * entries.size() + 4, 0);
    writeU16(static_cast<uint16_t>(entries.size()), tiff.data() + ifd, order);
    for (size_t i = 0; i < entries.size(); ++i) {
        const EntryToWrite& entry = entries[i];
        const size_t at = ifd + 2 + 12 * i;
        writeU16(entry.tag, tiff.data() + at, order);
        writeU16(entry.type, tiff.data() + at + 2, order);
        writeU32(entry.count, tiff.data() + at + 4, order);
        if (valueFieldAt) valueFieldAt->push_back(static_cast<uint32_t>(at + 8));
        if (tagsWritten) tagsWritten->push_back(entry.tag);
        const TiffTypeInfo& type = tiffType(entry.type);
        const bool rational =
            type.kind == ValueKind::Rational || type.kind == ValueKind::SignedRational;
        if (entry.value.size() <= 4 && !rational) {
            std::copy(entry.value.begin(), entry.value.end(),
                      tiff.begin() + static_cast<long>(at + 8));
            continue;
        }
        if (tiff.size() % 2) tiff.push_back(0);
        writeU32(static_cast<uint32_t>(tiff.size()), tiff.data() + at + 8, order);
        tiff.insert(tiff.end(), entry.value.begin(), entry.value.end());
    }
    writeU32(next, tiff.data() + ifd + 2 + 12 * entries.size(), order);
    return ifd;
}

std::vector<uint8_t> inOrder(std::vector<uint8_t> value, uint16_t type, ByteOrder from,
                             ByteOrder to) {
    const TiffTypeInfo& info = tiffType(type);
    // Rationals are two 4-byte numbers; text and bytes have no order.
    const size_t size =
        info.kind == ValueKind::Rational || info.kind == ValueKind::SignedRational ? 4 : info.size;
    if (from == to || size < 2 || info.kind == ValueKind::Text) return value;
    for (size_t at = 0; at + size <= value.size(); at += size)
        std::reverse(value.begin() + static_cast<long>(at),
                     value.begin() + static_cast<long>(at + size));
    return value;
}

}  // namespace brevino
