// Writing IFDs: an entry table in tag order, its values placed after it on even offsets, and
// the link to the next IFD. Offsets count from the TIFF header the bytes are appended to.
#pragma once

#include <cstdint>
#include <vector>

#include "exif/byte_order.h"

namespace brevino {

struct EntryToWrite {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    std::vector<uint8_t> value;  // in the written byte order; up to four bytes go in the entry
};

// Appends the IFD (entries sorted by tag) and the values that do not fit their entries to
// `tiff`, whose byte 0 is the TIFF header; answers the IFD's offset. `valueFieldAt` receives,
// per entry in the written order, the offset of its value field (for pointers set later).
uint32_t appendIfd(std::vector<uint8_t>& tiff, ByteOrder order, std::vector<EntryToWrite> entries,
                   uint32_t next, std::vector<uint32_t>* valueFieldAt = nullptr,
                   std::vector<uint16_t>* tagsWritten = nullptr);

// The value's bytes in the other byte order: each number of its type turned around.
std::vector<uint8_t> inOrder(std::vector<uint8_t> value, uint16_t type, ByteOrder from,
                             ByteOrder to);

}  // namespace brevino
