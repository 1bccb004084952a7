#include "tags/maker_note.h"

#include <cstring>

#include "exif/analysis.h"
#include "tags/maker_note_dictionaries.h"
#include "workspace/workspace.h"

namespace brevino {

void detectMakerNote(Workspace& workspace, AnalysisBuffer buffer, uint64_t offset, uint64_t count) {
    AnalysisState& state = workspace.analysis;
    if (offset == 0 || count < 4 || offset + 4 >= buffer.size()) return;
    state.makerNoteFirstRow = state.rowCount;

    const uint8_t* block = buffer.data() + offset;
    uint64_t ifdStart;
    if (std::memcmp(block, "AOC\0", 4) == 0) {
        // The byte-order mark counts only when both of its bytes are inside the buffer.
        const bool intel = offset + 6 <= buffer.size() && block[4] == 'I' && block[5] == 'I';
        state.makerNoteByteOrder = intel ? Intel : Motorola;
        state.currentDictionary = PentaxMakerNoteDictionary;
        ifdStart = offset + 6;
    } else if (std::memcmp(block, "SONY", 4) == 0) {
        state.currentDictionary = SonyMakerNoteDictionary;
        ifdStart = offset + 12;
    } else {
        return;
    }
    state.currentIfd = IfdKind::MakerNote;
    appendTagRow(workspace, kHeadingMakerNote, nullptr);
    walkIfd(workspace, buffer, ifdStart, state.makerNoteByteOrder);
}

}  // namespace brevino
