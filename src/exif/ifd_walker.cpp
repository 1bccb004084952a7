#include "exif/ifd_walker.h"

#include <algorithm>

#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {

// Where an entry's value lies: in its own value field when it fits there (four bytes or
// fewer), otherwise where its offset points. Rationals always lie outside. A type number the
// program does not know keeps the value field's position, as its size is unknown.
void IfdWalk::placeValue(Entry& entry, uint64_t base) const {
    const TiffTypeInfo& type = tiffType(entry.type);
    if (type.size == 0) return;
    const uint64_t length = uint64_t{entry.count} * type.size;
    const bool rational =
        type.kind == ValueKind::Rational || type.kind == ValueKind::SignedRational;
    if (length <= 4 && !rational) return;
    // Modulo 2^64: a maker note's base may lie before the buffer's start, and the value then
    // lies inside only when its offset reaches back into the buffer.
    entry.position = base + entry.valueField;
    const uint64_t size = document_.bytes.size();
    entry.valueInside = entry.position <= size && length <= size - entry.position;
}

void IfdWalk::walk(uint64_t ifdOffset, ByteOrder order, IfdKind kind, uint64_t base,
                   const TagTable* table) {
    document_.sections.push_back({kind, document_.entries.size(), table});
    const std::span<const uint8_t> buffer = document_.bytes;
    const uint64_t end = buffer.size();
    if (ifdOffset >= end || ifdOffset + 2 > end) return;
    const uint64_t tiffStart = document_.location.tiffStart();
    const unsigned entryCount = readU16(buffer.data() + ifdOffset, order);
    for (unsigned i = 0; i < entryCount; ++i) {
        const uint64_t entryOffset = ifdOffset + 2 + 12 * static_cast<uint64_t>(i);
        if (entryOffset + 12 > end) break;
        const uint8_t* raw = buffer.data() + entryOffset;
        Entry entry;
        entry.ifd = kind;
        entry.tag = readU16(raw, order);
        entry.type = readU16(raw + 2, order);
        entry.count = readU32(raw + 4, order);
        entry.valueField = readU32(raw + 8, order);
        entry.position = entryOffset + 8;
        entry.order = order;
        entry.table = table;
        placeValue(entry, base);
        document_.entries.push_back(entry);

        if (const TagDef* def = table ? table->find(entry.tag) : nullptr) {
            if (def->fields != nullptr) addFields(entry, *def->fields);
            if (def->subIfd != nullptr && kind == IfdKind::MakerNote) {
                // An IFD's offset, or (UNDEFINED bytes) the IFD itself where the value lies.
                const bool offset = entry.is(TiffType::Long) || entry.is(TiffType::Ifd);
                if (entry.count >= 1 && (offset || entry.valueInside))
                    nested_.push_back({offset ? base + entry.valueField : entry.position, order,
                                       base, def->subIfd});
            }
        }

        if (entry.tag == tags::kExifPointer || entry.tag == tags::kGpsPointer ||
            entry.tag == tags::kInteropPointer) {
            if (static_cast<uint64_t>(entry.valueField) + 12 < end && subIfdCount_ < kMaxSubIfds)
                subIfds_[subIfdCount_++] = {entry.tag, entry.valueField + tiffStart};
        }
        if (entry.tag == tags::kMakerNote) {
            makerNoteOffset_ = entry.valueField + tiffStart;
            makerNoteCount_ = entry.count;
        }
    }
}

void IfdWalk::addFields(const Entry& array, const TagTable& fields) {
    const TiffTypeInfo& type = tiffType(array.type);
    if (!array.valueInside || type.size == 0) return;
    const uint64_t length = uint64_t{array.count} * type.size;
    const std::span<const uint8_t> bytes = document_.bytes;
    // The table of the version the array's first bytes name.
    const TagTable* table = &fields;
    while (table != nullptr && !(table->version.size() <= length &&
                                 std::equal(table->version.begin(), table->version.end(),
                                            bytes.begin() + static_cast<long>(array.position))))
        table = table->otherVersion;
    if (table == nullptr) return;
    for (const TagDef& field : table->tags) {
        Entry entry = array;
        entry.count = 1;
        // The named values of a block of bytes are bytes, unless the field says otherwise.
        if (array.is(TiffType::Undefined)) entry.type = static_cast<uint16_t>(TiffType::Byte);
        if (field.types != 0) {
            entry.type = static_cast<uint16_t>(preferredType(field.types));
            entry.count = std::max<uint32_t>(field.count, 1);
        }
        const uint64_t start = uint64_t{field.tag} * type.size;
        const uint64_t size = uint64_t{entry.count} * tiffType(entry.type).size;
        if (start + size > length) continue;
        entry.position = array.position + start;
        entry.table = table;
        entry.field = field.tag;
        document_.entries.push_back(entry);
    }
}

// Whether the bytes at `offset` can be an IFD: an entry count of at least one, and a first
// entry of a type the program knows. A vendor's pointer that leads into other data (text, a
// preview) fails this, and is not walked.
bool IfdWalk::looksLikeIfd(uint64_t offset, ByteOrder order) const {
    const std::span<const uint8_t> buffer = document_.bytes;
    if (offset > buffer.size() || buffer.size() - offset < 2 + 12) return false;
    if (readU16(buffer.data() + offset, order) == 0) return false;
    return tiffType(readU16(buffer.data() + offset + 4, order)).size != 0;
}

void IfdWalk::walkNestedIfds() {
    std::vector<uint64_t> walked;
    for (size_t i = 0; i < nested_.size() && walked.size() < kMaxNestedIfds; ++i) {
        const Nested nested = nested_[i];
        if (std::find(walked.begin(), walked.end(), nested.offset) != walked.end()) continue;
        walked.push_back(nested.offset);
        if (!looksLikeIfd(nested.offset, nested.order)) continue;
        walk(nested.offset, nested.order, IfdKind::MakerNote, nested.base, nested.table);
    }
    nested_.clear();
}

}  // namespace brevino
