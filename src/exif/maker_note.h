// Recognising a maker note by the formats the tags know, and walking its IFD.
#pragma once

#include "exif/ifd_walker.h"

namespace brevino {

// Walks the maker note the walk noticed when one of the known formats recognises its block
// (by its first bytes, or by the file's Make), in that format's byte order and with its
// offsets counted from that format's base. Any other block stays the one maker-note entry.
void walkMakerNote(Document& document, IfdWalk& walk,
                   std::span<const MakerNoteFormat* const> formats = makerNoteFormats());

}  // namespace brevino
