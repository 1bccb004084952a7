// What the analysis of a file finds: where its Exif segment lies and every entry of its IFDs,
// typed, in walk order.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "exif/byte_order.h"
#include "exif/problem.h"
#include "tags/ifd.h"
#include "tags/maker_note_format.h"
#include "tags/tag_dictionary.h"
#include "tags/tiff_type.h"

namespace brevino {

// Where the Exif segment lies in the file. The TIFF header is at skippedBytes + 12.
struct ExifLocation {
    uint64_t exifStart = 0;     // 0 when the segment follows the start-of-image marker
    uint64_t exifEnd = 0;       // offset just past the segment; 0 when none was located
    uint64_t skippedBytes = 0;  // size of the segments before the Exif segment

    uint64_t tiffStart() const { return skippedBytes + 12; }
};

// One 12-byte IFD entry.
struct Entry {
    IfdKind ifd = IfdKind::None;
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint32_t valueField = 0;  // the value itself, or its offset from the TIFF header
    uint64_t position = 0;    // file offset of the value's bytes
    ByteOrder order = Intel;
    bool valueInside = true;          // the value's bytes lie wholly inside the TIFF area
    const TagTable* table = nullptr;  // the dictionary of its IFD; none for an unknown note
    // For one field of an array whose values the table names one by one (the entry then
    // stands for that one value): its index; kNoField for a whole entry.
    uint16_t field = kNoField;
    static constexpr uint16_t kNoField = 0xFFFF;
    // The value's bytes overlap the file's structure (the TIFF header, an IFD's entries or its
    // link) or the value of an entry of another tag: writing it would change those too.
    bool overlaps = false;

    bool is(TiffType kind) const { return type == static_cast<uint16_t>(kind); }
};

// An IFD as walked: its kind, where its entries start in the entry list, and the table that
// names them.
struct Section {
    IfdKind ifd = IfdKind::None;
    size_t firstEntry = 0;
    const TagTable* table = nullptr;
};

struct Document {
    Problem problem = Problem::None;  // None: the IFDs were walked
    ExifLocation location;
    ByteOrder byteOrder = Intel;
    const MakerNoteFormat* makerNote = nullptr;  // the maker note's format, when recognised
    std::vector<Section> sections;
    std::vector<Entry> entries;
    // The byte ranges [first, second) that hold the structure: the TIFF header, and each IFD's
    // entry count, entries and link to the next IFD.
    std::vector<std::pair<uint64_t, uint64_t>> structure;
    // The file's first exifEnd bytes; they belong to whoever analysed the file and stay valid
    // as long as that storage does.
    std::span<const uint8_t> bytes;

    bool walked() const { return problem == Problem::None; }
    // Back to an empty document, keeping the room its lists took.
    void clear() {
        problem = Problem::None;
        location = {};
        byteOrder = Intel;
        makerNote = nullptr;
        sections.clear();
        entries.clear();
        structure.clear();
        bytes = {};
    }
    // The dictionary that names the entry, or nothing.
    const TagDef* tagOf(const Entry& entry) const;
    // The value's bytes, when they lie inside what was read.
    std::span<const uint8_t> valueBytes(const Entry& entry, uint64_t length) const;
    // The value of an entry that holds one unsigned number (BYTE, SHORT or LONG), or nothing.
    std::optional<uint32_t> singleNumber(const Entry& entry) const;
    // The first entry of the IFD with the tag, or nullptr.
    const Entry* find(IfdKind ifd, uint16_t tag) const;
};

}  // namespace brevino
