#include "exif/maker_note.h"

#include <cstring>

namespace brevino {

void walkMakerNote(Document& document, IfdWalk& walk) {
    const std::span<const uint8_t> buffer = document.bytes;
    const uint64_t offset = walk.makerNoteOffset();
    if (offset == 0 || walk.makerNoteCount() < 4 || offset + 4 >= buffer.size()) return;
    const uint8_t* block = buffer.data() + offset;
    if (std::memcmp(block, "AOC\0", 4) == 0) {
        // The byte-order mark counts only when both of its bytes are inside the buffer.
        const bool intel = offset + 6 <= buffer.size() && block[4] == 'I' && block[5] == 'I';
        document.makerNote = MakerNoteKind::Pentax;
        walk.walk(offset + 6, intel ? Intel : Motorola, IfdKind::MakerNote);
    } else if (std::memcmp(block, "SONY", 4) == 0) {
        document.makerNote = MakerNoteKind::Sony;
        walk.walk(offset + 12, document.byteOrder, IfdKind::MakerNote);
    }
}

}  // namespace brevino
