#include "exif/ifd_walker.h"

#include <algorithm>

#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {

// Where an entry's value lies: in its own value field when it fits there (four bytes or
// fewer), otherwise where its offset points. Rationals always lie outside. A type number the
// program does not know keeps the value field's position, as its size is unknown.
void IfdWalk::placeValue(Entry& entry, uint64_t base) {
    const TiffTypeInfo& type = tiffType(entry.type);
    if (type.size == 0) return;
    const uint64_t length = uint64_t{entry.count} * type.size;
    const bool rational =
        type.kind == ValueKind::Rational || type.kind == ValueKind::SignedRational;
    if (length <= 4 && !rational) return;
    // Modulo 2^64: a maker note's base may lie before the buffer's start, and the value then
    // lies inside only when its offset reaches back into the buffer.
    entry.position = base + entry.valueField;
    // Inside the block, and read: a value the file or the memory allowed cannot hold is left
    // out like one outside.
    entry.valueInside = entry.position >= block_.start && entry.position <= block_.end &&
                        length <= block_.end - entry.position &&
                        !read(entry.position, length, 0).empty();
}

std::span<const uint8_t> IfdWalk::read(uint64_t offset, uint64_t length, uint64_t readAhead) {
    if (offset < block_.start || offset > block_.end || length > block_.end - offset) return {};
    if (source_ != nullptr && !document_.held.fetch(*source_, offset, length, block_.end,
                                                    block_.readOnDemand ? readAhead : 0))
        return {};
    return document_.held.at(offset, length);
}

void IfdWalk::walk(uint64_t ifdOffset, ByteOrder order, IfdKind kind, uint64_t base,
                   const TagTable* table) {
    document_.sections.push_back({kind, document_.entries.size(), table, ifdOffset});
    const uint64_t end = block_.end;
    const std::span<const uint8_t> countBytes = read(ifdOffset, 2, kIfdReadAhead);
    if (countBytes.empty()) return;
    const unsigned entryCount = readU16(countBytes.data(), order);
    const uint64_t tableEnd = std::min(end, ifdOffset + 2 + 12 * uint64_t{entryCount} + 4);
    document_.structure.emplace_back(ifdOffset, tableEnd);
    // The entries as far as the block holds them whole.
    const uint64_t whole = std::min<uint64_t>(entryCount, (tableEnd - ifdOffset - 2) / 12);
    const std::span<const uint8_t> tableBytes = read(ifdOffset + 2, 12 * whole, kIfdReadAhead);
    if (tableBytes.size() != 12 * whole) return;
    // Copied: reading values below may move what the block holds.
    const std::vector<uint8_t> entriesBytes(tableBytes.begin(), tableBytes.end());
    for (unsigned i = 0; i < whole; ++i) {
        const uint64_t entryOffset = ifdOffset + 2 + 12 * static_cast<uint64_t>(i);
        const uint8_t* raw = entriesBytes.data() + 12 * i;
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
            if (block_.tiffStart + entry.valueField + 12 < end && subIfdCount_ < kMaxSubIfds)
                subIfds_[subIfdCount_++] = {entry.tag, entry.valueField + block_.tiffStart};
        }
        if (entry.tag == tags::kMakerNote) {
            makerNoteOffset_ = entry.valueField + block_.tiffStart;
            makerNoteCount_ = entry.count;
        }
        if (block_.chained && entry.tag == tags::kSubIfds && kind != IfdKind::MakerNote)
            noticeSubImages(entry);
        if (entry.tag == tags::kDngPrivateData && kind == IfdKind::Zeroth && entry.valueInside) {
            dngPrivateOffset_ = entry.position;
            dngPrivateCount_ = entry.count;
        }
    }
}

void IfdWalk::addFields(const Entry& array, const TagTable& fields) {
    const TiffTypeInfo& type = tiffType(array.type);
    if (!array.valueInside || type.size == 0) return;
    const uint64_t length = uint64_t{array.count} * type.size;
    const std::span<const uint8_t> bytes = read(array.position, length, 0);
    if (bytes.size() != length) return;
    // The table of the version the array's first bytes name.
    const TagTable* table = &fields;
    while (table != nullptr &&
           !(table->version.size() <= length &&
             std::equal(table->version.begin(), table->version.end(), bytes.begin())))
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

void IfdWalk::noticeSubImages(const Entry& entry) {
    const bool offsets = entry.is(TiffType::Long) || entry.is(TiffType::Ifd);
    if (!offsets || !entry.valueInside) return;
    const std::span<const uint8_t> values = read(entry.position, 4 * uint64_t{entry.count}, 0);
    for (size_t i = 0; i + 4 <= values.size() && subImagesNoticed_ < kMaxSubImages; i += 4) {
        subImages_.push_back(block_.tiffStart + readU32(values.data() + i, entry.order));
        ++subImagesNoticed_;
    }
}

// Whether the bytes at `offset` can be an IFD: an entry count of at least one, and a first
// entry of a type the program knows. A vendor's pointer that leads into other data (text, a
// preview) fails this, and is not walked.
bool IfdWalk::looksLikeIfd(uint64_t offset, ByteOrder order) {
    const std::span<const uint8_t> head = read(offset, 2 + 12, kIfdReadAhead);
    if (head.empty() || readU16(head.data(), order) == 0) return false;
    return tiffType(readU16(head.data() + 4, order)).size != 0;
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
