// HEIF, HEIC and AVIF (ISO base media files): the Exif item of the `meta` box, named in its
// item information (`iinf`/`infe`) and placed by its item locations (`iloc`, versions 0 to 2,
// in the file or in the `idat` box). Its payload begins with the 32-bit offset of the TIFF
// header from the end of those four bytes (6 after "Exif\0\0", or 0).
#include <array>
#include <cstring>

#include "exif/containers/box_reader.h"
#include "exif/containers/container.h"

namespace brevino {
namespace {

constexpr std::array<std::string_view, 12> kBrands = {
    "heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1", "avif", "avis", "miaf", "mif2"};

bool recognisesHeif(std::span<const uint8_t> head) {
    if (head.size() < 12 || std::memcmp(head.data() + 4, "ftyp", 4) != 0) return false;
    const std::string_view brand(reinterpret_cast<const char*>(head.data() + 8), 4);
    for (const std::string_view each : kBrands) {
        if (brand == each) return true;
    }
    return false;
}

// The number of the item of type "Exif" in the item information box; 0 for none.
uint64_t exifItem(HeadReader& reader, const Box& iinf) {
    BoxCursor cursor(reader, iinf.body, iinf.end);
    const std::optional<uint64_t> version = cursor.u8();
    if (!version || !cursor.skip(3)) return 0;
    const std::optional<uint64_t> count = *version == 0 ? cursor.u16() : cursor.u32();
    if (!count) return 0;
    uint64_t at = cursor.at();
    for (uint64_t i = 0; i < *count && i < kMaxBoxes; ++i) {
        const std::optional<Box> infe = readBox(reader, at, iinf.end);
        if (!infe) return 0;
        at = infe->end;
        if (!infe->is("infe")) continue;
        BoxCursor entry(reader, infe->body, infe->end);
        const std::optional<uint64_t> entryVersion = entry.u8();
        // Items are typed from version 2 on.
        if (!entryVersion || *entryVersion < 2 || !entry.skip(3)) continue;
        const std::optional<uint64_t> id = *entryVersion == 2 ? entry.u16() : entry.u32();
        if (!id || !entry.skip(2)) continue;
        const std::span<const uint8_t> type = reader.at(entry.at(), 4);
        if (!type.empty() && std::memcmp(type.data(), "Exif", 4) == 0) return *id;
    }
    return 0;
}

struct Extent {
    uint64_t offset = 0;
    uint64_t length = 0;
};

// Where the item lies: its extents' file offsets (in the `idat` box for construction method
// 1), contiguous; nothing for an item not found or not placed in the file.
std::optional<Extent> itemPlace(HeadReader& reader, const Box& iloc, const Box& meta,
                                uint64_t item) {
    BoxCursor cursor(reader, iloc.body, iloc.end);
    const std::optional<uint64_t> version = cursor.u8();
    if (!version || *version > 2 || !cursor.skip(3)) return std::nullopt;
    const std::optional<uint64_t> sizes = cursor.u8();
    const std::optional<uint64_t> moreSizes = cursor.u8();
    if (!sizes || !moreSizes) return std::nullopt;
    const auto offsetSize = static_cast<unsigned>(*sizes >> 4);
    const auto lengthSize = static_cast<unsigned>(*sizes & 0xF);
    const auto baseOffsetSize = static_cast<unsigned>(*moreSizes >> 4);
    const unsigned indexSize = *version == 0 ? 0 : static_cast<unsigned>(*moreSizes & 0xF);
    const std::optional<uint64_t> count = *version < 2 ? cursor.u16() : cursor.u32();
    if (!count) return std::nullopt;
    for (uint64_t i = 0; i < *count; ++i) {
        const std::optional<uint64_t> id = *version < 2 ? cursor.u16() : cursor.u32();
        uint64_t method = 0;
        if (*version >= 1) {
            const std::optional<uint64_t> field = cursor.u16();
            if (!field) return std::nullopt;
            method = *field & 0xF;
        }
        const std::optional<uint64_t> reference = cursor.u16();
        const std::optional<uint64_t> base = cursor.number(baseOffsetSize);
        const std::optional<uint64_t> extents = cursor.u16();
        if (!id || !reference || !base || !extents) return std::nullopt;
        std::optional<Extent> place;
        bool contiguous = true;
        for (uint64_t e = 0; e < *extents; ++e) {
            if (!cursor.number(indexSize)) return std::nullopt;
            const std::optional<uint64_t> offset = cursor.number(offsetSize);
            const std::optional<uint64_t> length = cursor.number(lengthSize);
            if (!offset || !length) return std::nullopt;
            if (*id != item) continue;
            const uint64_t start = *base + *offset;
            if (!place) {
                place = Extent{start, *length};
            } else if (place->offset + place->length == start) {
                place->length += *length;  // extents that follow each other are one
            } else {
                contiguous = false;
            }
        }
        if (*id != item) continue;
        if (!place || !contiguous || *reference != 0 || method > 1) return std::nullopt;
        if (method == 1) {
            const std::optional<Box> idat = findBox(reader, meta.body + 4, meta.end, "idat");
            if (!idat || place->offset > idat->end - idat->body ||
                place->length > idat->end - idat->body - place->offset)
                return std::nullopt;
            place->offset += idat->body;
        }
        return place;
    }
    return std::nullopt;
}

Problem locateHeif(const ByteSource& source, Document& document) {
    ExifLocation& location = document.location;
    location.container = ContainerKind::Heif;
    HeadReader reader(source);
    const std::optional<Box> meta = findBox(reader, 0, source.size(), "meta");
    if (!meta) return Problem::HeaderReadError;
    // `meta` is a full box: its children follow a version and flags.
    const std::optional<Box> iinf = findBox(reader, meta->body + 4, meta->end, "iinf");
    const uint64_t item = iinf ? exifItem(reader, *iinf) : 0;
    if (item == 0) return Problem::NoExifSegment;
    const std::optional<Box> iloc = findBox(reader, meta->body + 4, meta->end, "iloc");
    if (!iloc) return Problem::HeaderReadError;
    std::optional<Extent> place = itemPlace(reader, *iloc, *meta, item);
    if (!place) return Problem::HeaderReadError;
    // A length of 0 reaches to the end of the file.
    if (place->length == 0 && place->offset <= source.size())
        place->length = source.size() - place->offset;
    location.exifStart = place->offset;
    location.exifEnd = place->offset + place->length;
    const std::span<const uint8_t> prefix = reader.at(place->offset, 4);
    if (prefix.empty() || place->length < 4) return Problem::App1ReadError;
    const uint64_t skip = uint64_t{prefix[0]} << 24 | uint64_t{prefix[1]} << 16 |
                          uint64_t{prefix[2]} << 8 | prefix[3];
    location.tiffStart = place->offset + 4 + skip;
    if (skip > place->length - 4) return Problem::BadTiffHeader;
    TiffBlock block;
    block.start = location.tiffStart;
    block.end = location.exifEnd;
    block.tiffStart = location.tiffStart;
    return holdBlock(source, document, block);
}

}  // namespace

constexpr std::string_view kHeifExtensions[] = {".heic", ".heif", ".hif", ".avif"};

extern constinit const ContainerFormat kHeifContainer{ContainerKind::Heif, "heif", recognisesHeif,
                                                      locateHeif, kHeifExtensions};

}  // namespace brevino
