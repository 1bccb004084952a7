// The maker-note formats the analysis knows, one line a vendor.
#include <algorithm>

#include "tags/maker_note_format.h"
#include "tags/vendor_tags.h"

namespace brevino {

std::span<const MakerNoteFormat* const> makerNoteFormats() {
    // clang-format off
    static const MakerNoteFormat* const kFormats[] = {
        &kPentaxMakerNote,
        &kSonyMakerNote,
        &kNikonMakerNote,
        &kNikonOldMakerNote,
        &kFujifilmMakerNote,
        &kOlympusMakerNote,
        &kOmSystemMakerNote,
        &kOlympusOldMakerNote,
        &kPanasonicMakerNote,
        &kAppleMakerNote,
        // Known by the Make, after every signature.
        &kCanonMakerNote,
    };
    // clang-format on
    return kFormats;
}

bool isStructuralMakerNoteTag(const MakerNoteFormat& format, const TagTable* table, uint16_t tag) {
    const std::span<const uint16_t> structural =
        table == nullptr || table == format.tags ? format.structural : table->structural;
    return std::find(structural.begin(), structural.end(), tag) != structural.end();
}

}  // namespace brevino
