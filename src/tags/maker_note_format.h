// Maker-note formats described by data: how a vendor's note is recognised, where its IFD
// starts, what its offsets count from, which byte order it is read in, which tags name its
// entries and which of them hold where other data lies. Adding a vendor is a folder under
// tags/ that defines its format, and one line in the list of tags/maker_notes.cpp.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "tags/tag_dictionary.h"

namespace brevino {

// What the offsets inside the note's IFD count from.
enum class OffsetBase : uint8_t {
    ExifHeader,  // the TIFF header of the Exif block, as the standard IFDs' offsets do
    Note,        // the note's first byte plus `baseAt`: its own start, or its own TIFF header
};

// How the note's byte order is found.
enum class NoteByteOrder : uint8_t {
    Exif,      // the Exif block's own
    Mark,      // "II" at `orderAt` in the note means Intel; any other pair Motorola
    Intel,     // always little-endian
    Motorola,  // always big-endian
};

// Where the note's IFD starts.
enum class IfdStart : uint8_t {
    Fixed,    // at `ifdAt` from the note's first byte
    Pointer,  // at the base plus the 32-bit offset stored at `ifdAt` in the note
};

struct MakerNoteFormat {
    std::string_view vendor;     // as the rows' source is named ("Pentax")
    std::string_view signature;  // the bytes the note begins with; empty: known by `make`
    std::string_view make;       // the Make a note without signature belongs to (its start)
    IfdStart ifdStart = IfdStart::Fixed;
    uint32_t ifdAt = 0;
    OffsetBase base = OffsetBase::ExifHeader;
    uint32_t baseAt = 0;
    NoteByteOrder order = NoteByteOrder::Exif;
    uint32_t orderAt = 0;
    const TagTable* tags = nullptr;
    // The note may end in 8 bytes that record how it was written: a byte-order mark, 42, and
    // where it lay, counted from the Exif block's TIFF header. Software that moves the note,
    // or writes the Exif block in the other byte order, keeps them; the note is then read in
    // that order, its offsets counted from where it lay.
    bool footerKeepsPosition = false;
    // Entries that hold where other data lies (previews, sub-IFDs) or bytes that must never be
    // rewritten (encrypted blocks): shown, never edited.
    std::span<const uint16_t> structural;
};

// Every maker-note format, in the order they are tried: those known by a signature first.
std::span<const MakerNoteFormat* const> makerNoteFormats();

// Whether an entry of the note, named by `table` (the note's own table or a sub-IFD's), holds
// where other data lies or bytes that must never be rewritten.
bool isStructuralMakerNoteTag(const MakerNoteFormat& format, const TagTable* table, uint16_t tag);

}  // namespace brevino
