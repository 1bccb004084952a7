// Walking one TIFF image file directory into rows.
#pragma once

#include <cstdint>
#include <span>

#include "exif/byte_order.h"

namespace brevino {

class Workspace;

// One decoded 12-byte IFD entry.
struct IfdEntry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint32_t valueField = 0;  // the value itself, or its offset from the TIFF header
    uint64_t position = 0;    // file offset of the value's bytes
    ByteOrder order = Intel;
    bool valueInside = true;  // the value's bytes lie wholly inside the TIFF area
};

// The analysis buffer: the file's first exifEnd bytes.
using AnalysisBuffer = std::span<const uint8_t>;

// Appends a row for every entry of the IFD at buffer offset `ifdOffset` that the current
// dictionary names, and notes sub-IFD and maker-note pointers on the way. An IFD or entry
// that is not wholly inside the buffer ends the walk.
void walkIfd(Workspace& workspace, AnalysisBuffer buffer, uint64_t ifdOffset, ByteOrder order);

// Formats the entry's value into contentText, trims it and appends its row.
void formatEntry(Workspace& workspace, AnalysisBuffer buffer, IfdEntry& entry);

// Bytes per value of an editable TIFF type; 0 for every other type.
int typeSize(uint32_t type);

}  // namespace brevino
