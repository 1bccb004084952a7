// Recognising a maker note by the formats the tags know, and walking its IFD.
#pragma once

#include "exif/ifd_walker.h"

namespace brevino {

// Where a maker note lies, and what offsets counted from "the Exif TIFF header" count from:
// the Exif block's header, or (for the copy a DNG keeps) the header of the file it came from.
struct MakerNoteSite {
    uint64_t offset = 0;  // the note's first byte
    uint64_t count = 0;   // its length
    uint64_t exifHeader = 0;
    ByteOrder exifOrder = Intel;
};

// Walks the maker note at `site` when one of the known formats recognises its block (by its
// first bytes, or by the file's Make), in that format's byte order and with its offsets
// counted from that format's base. Any other block stays the one maker-note entry. True when
// a format recognised it.
bool walkMakerNote(Document& document, IfdWalk& walk,
                   std::span<const MakerNoteFormat* const> formats, const MakerNoteSite& site);

// The format, among those known by a Make, of the file's Make: for a maker note that is a
// TIFF structure of its own (a CR3's CMT3 box).
const MakerNoteFormat* formatOfMake(IfdWalk& walk, std::span<const MakerNoteFormat* const> formats);

}  // namespace brevino
