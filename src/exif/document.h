// What the analysis of a file finds: which container it is, where its Exif data lies, every
// entry of its IFDs, typed, in walk order, and the bytes of the file it read to find them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "exif/byte_order.h"
#include "exif/held_bytes.h"
#include "exif/problem.h"
#include "tags/ifd.h"
#include "tags/maker_note_format.h"
#include "tags/tag_dictionary.h"
#include "tags/tiff_type.h"

namespace brevino {

// The kinds of file the analysis reads Exif from.
enum class ContainerKind : uint8_t { Jpeg, Tiff, Heif, Cr3, Raf, WebP, Png, Jxl };

// Where the Exif data lies in the file, with the file position of its TIFF header explicit.
// For a JPEG, exifStart, exifEnd and skippedBytes say where its Exif segment lies (exifStart
// 0 when the segment follows the start-of-image marker, skippedBytes the size of the segments
// before it); for other containers exifStart and exifEnd are the bounds of the Exif block.
struct ExifLocation {
    ContainerKind container = ContainerKind::Jpeg;
    uint64_t tiffStart = 0;  // the file offset of the (first) TIFF header
    uint64_t exifStart = 0;
    uint64_t exifEnd = 0;       // offset just past the Exif data; 0 when none was located
    uint64_t skippedBytes = 0;  // JPEG only
    // A checksum that covers the Exif data (PNG's chunk CRC, over [checksumFrom, checksumAt)
    // and stored at checksumAt); 0 for none.
    uint64_t checksumFrom = 0;
    uint64_t checksumAt = 0;
};

// A TIFF structure inside the file: the bytes its values may lie in, where its header is,
// and what its first IFD is (a CR3 holds four, one IFD each).
struct TiffBlock {
    uint64_t start = 0;  // values lie at or after this file offset,
    uint64_t end = 0;    // and before this one
    uint64_t tiffStart = 0;
    IfdKind first = IfdKind::Zeroth;
    uint16_t magic = 42;  // the number its header holds after the byte-order mark
    // Its IFDs and values are read where they lie, as the walk reaches them (a TIFF-based raw
    // file is not read whole); otherwise its bytes are held whole.
    bool readOnDemand = false;
    // Its 0th IFD is followed by further image IFDs, and its IFDs may point to sub-IFDs
    // (TIFF-based raw files).
    bool chained = false;
    // Its bytes were decompressed: its offsets are positions in them, and it is never written.
    bool compressed = false;
    std::string_view title;  // the container's name for it, when it holds several ("CMT1")
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
    uint64_t offset = 0;     // where its entry count lies in the file
    uint16_t number = 0;     // IFD2, IFD3 ... and SubIFD 1, 2 ... are told apart by number
    std::string_view block;  // the name of the TIFF block it lies in, when the file has several
};

struct Document {
    Problem problem = Problem::None;  // None: the IFDs were walked
    ExifLocation location;
    std::vector<TiffBlock> blocks;
    ByteOrder byteOrder = Intel;
    const MakerNoteFormat* makerNote = nullptr;  // the maker note's format, when recognised
    std::vector<Section> sections;
    std::vector<Entry> entries;
    // The byte ranges [first, second) that hold the structure: the TIFF header, and each IFD's
    // entry count, entries and link to the next IFD.
    std::vector<std::pair<uint64_t, uint64_t>> structure;
    // The parts of the file the analysis read, by file offset.
    HeldBytes held;

    bool walked() const { return problem == Problem::None; }
    // Whether its Exif data was read decompressed (never written back).
    bool isCompressed() const { return !blocks.empty() && blocks.front().compressed; }
    // Back to an empty document, keeping the room its lists took.
    void clear() {
        problem = Problem::None;
        location = {};
        blocks.clear();
        byteOrder = Intel;
        makerNote = nullptr;
        sections.clear();
        entries.clear();
        structure.clear();
        held.clear();
    }
    // The dictionary that names the entry, or nothing.
    const TagDef* tagOf(const Entry& entry) const;
    // The bytes at a file offset, when the analysis read them.
    std::span<const uint8_t> bytesAt(uint64_t offset, uint64_t length) const {
        return held.at(offset, length);
    }
    // The value's bytes, when they lie inside what was read.
    std::span<const uint8_t> valueBytes(const Entry& entry, uint64_t length) const {
        return held.at(entry.position, length);
    }
    // The value of an entry that holds one unsigned number (BYTE, SHORT or LONG), or nothing.
    std::optional<uint32_t> singleNumber(const Entry& entry) const;
    // The first entry of the IFD with the tag, or nullptr.
    const Entry* find(IfdKind ifd, uint16_t tag) const;
};

}  // namespace brevino
