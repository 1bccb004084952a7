// Recognising the Pentax and Sony maker notes and walking their IFDs.
#pragma once

#include "exif/ifd_walker.h"

namespace brevino {

// Walks the maker note the walk noticed when its block has a known layout: Pentax ("AOC",
// a zero byte and a byte-order mark, the IFD 6 bytes in) or Sony ("SONY", the IFD 12 bytes
// in, in the file's byte order). Any other block stays the one maker-note entry.
void walkMakerNote(Document& document, IfdWalk& walk);

}  // namespace brevino
