#include "app1/exif_rebuild.h"

#include <algorithm>
#include <iterator>

#include "exif/ifd_writer.h"
#include "exif/value_notes.h"
#include "tags/tag_roles.h"

namespace brevino {
namespace {

// Whether the standard table of the IFD holds the tag itself (not through its fallback).
bool namedByStandardTable(IfdKind kind, uint16_t tag) {
    const TagTable* table = standardTable(kind);
    if (table == nullptr) return false;
    for (const TagDef& def : table->tags) {
        if (def.tag == tag) return true;
    }
    return false;
}

// What the 0th IFD of a raw file says of its own image, which a JPEG's Exif must not claim.
bool describesImageData(IfdKind kind, uint16_t tag) {
    constexpr uint16_t kImageTags[] = {0x0100, 0x0101, 0x0102, 0x0103,
                                       0x0106, 0x0115, 0x0116, 0x011C};
    return kind == IfdKind::Zeroth &&
           std::find(std::begin(kImageTags), std::end(kImageTags), tag) != std::end(kImageTags);
}

std::vector<EntryToWrite> entriesOf(const Document& document, IfdKind kind, ByteOrder order) {
    std::vector<EntryToWrite> written;
    for (const Entry& entry : document.entries) {
        if (entry.ifd != kind || entry.field != Entry::kNoField || !entry.valueInside) continue;
        if (tags::isStructural(kind, entry.tag) || !namedByStandardTable(kind, entry.tag) ||
            describesImageData(kind, entry.tag))
            continue;
        const uint64_t length = valueLength(entry);
        const std::span<const uint8_t> value = document.valueBytes(entry, length);
        if (value.size() != length) continue;
        bool repeated = false;
        for (const EntryToWrite& each : written)
            repeated = repeated || each.tag == entry.tag;
        if (repeated) continue;
        written.push_back({entry.tag, entry.type, entry.count,
                           inOrder({value.begin(), value.end()}, entry.type, entry.order, order)});
    }
    return written;
}

// Points the entry of `tag` (among those written, by their value fields) at `offset`.
void point(std::vector<uint8_t>& tiff, ByteOrder order, const std::vector<uint32_t>& fields,
           const std::vector<uint16_t>& tags, uint16_t tag, uint32_t offset) {
    for (size_t i = 0; i < tags.size(); ++i) {
        if (tags[i] == tag) writeU32(offset, tiff.data() + fields[i], order);
    }
}

EntryToWrite pointer(uint16_t tag) {
    return {tag, static_cast<uint16_t>(TiffType::Long), 1, {0, 0, 0, 0}};
}

}  // namespace

std::vector<uint8_t> rebuildExif(const Document& document) {
    const ByteOrder order = document.byteOrder;
    std::vector<uint8_t> tiff = {order == Intel ? uint8_t{'I'} : uint8_t{'M'},
                                 order == Intel ? uint8_t{'I'} : uint8_t{'M'},
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0};
    writeU16(42, tiff.data() + 2, order);
    writeU32(8, tiff.data() + 4, order);
    std::vector<EntryToWrite> zeroth = entriesOf(document, IfdKind::Zeroth, order);
    std::vector<EntryToWrite> exif = entriesOf(document, IfdKind::Exif, order);
    const std::vector<EntryToWrite> gps = entriesOf(document, IfdKind::Gps, order);
    const std::vector<EntryToWrite> interop = entriesOf(document, IfdKind::Interop, order);
    if (!exif.empty() || !interop.empty()) zeroth.push_back(pointer(tags::kExifPointer));
    if (!gps.empty()) zeroth.push_back(pointer(tags::kGpsPointer));
    if (!interop.empty()) exif.push_back(pointer(tags::kInteropPointer));

    std::vector<uint32_t> fields;
    std::vector<uint16_t> written;
    appendIfd(tiff, order, zeroth, 0, &fields, &written);
    if (!exif.empty() || !interop.empty()) {
        std::vector<uint32_t> exifFields;
        std::vector<uint16_t> exifWritten;
        const uint32_t at = appendIfd(tiff, order, exif, 0, &exifFields, &exifWritten);
        point(tiff, order, fields, written, tags::kExifPointer, at);
        if (!interop.empty()) {
            const uint32_t interopAt = appendIfd(tiff, order, interop, 0);
            point(tiff, order, exifFields, exifWritten, tags::kInteropPointer, interopAt);
        }
    }
    if (!gps.empty())
        point(tiff, order, fields, written, tags::kGpsPointer, appendIfd(tiff, order, gps, 0));
    return tiff;
}

}  // namespace brevino
