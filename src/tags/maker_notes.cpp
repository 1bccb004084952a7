// The maker-note formats the analysis knows, one line a vendor.
#include <algorithm>

#include "tags/maker_note_format.h"
#include "tags/vendor_tags.h"

namespace brevino {

std::span<const MakerNoteFormat* const> makerNoteFormats() {
    static const MakerNoteFormat* const kFormats[] = {
        &kPentaxMakerNote,
        &kSonyMakerNote,
    };
    return kFormats;
}

bool isStructuralMakerNoteTag(const MakerNoteFormat& format, uint16_t tag) {
    return std::find(format.structural.begin(), format.structural.end(), tag) !=
           format.structural.end();
}

}  // namespace brevino
