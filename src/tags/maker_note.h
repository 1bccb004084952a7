// Recognising the Pentax and Sony maker notes and walking their IFDs.
#pragma once

#include <cstdint>

#include "exif/ifd_walker.h"

namespace brevino {

class Workspace;

// Appends the maker-note heading and rows when the block at `offset` (a buffer offset) of
// `count` bytes has a known layout; records makerNoteFirstRow and makerNoteByteOrder.
void detectMakerNote(Workspace& workspace, AnalysisBuffer buffer, uint64_t offset, uint64_t count);

}  // namespace brevino
