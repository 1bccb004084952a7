// The maker-note formats of the vendors whose maker notes are read, each defined in its own
// folder, and their long code lists.
#pragma once

#include <span>

#include "tags/maker_note_format.h"

namespace brevino {

extern const MakerNoteFormat kPentaxMakerNote;
extern const MakerNoteFormat kSonyMakerNote;
extern const MakerNoteFormat kCanonMakerNote;
extern const MakerNoteFormat kNikonMakerNote;
extern const MakerNoteFormat kNikonOldMakerNote;
extern const MakerNoteFormat kFujifilmMakerNote;
extern const MakerNoteFormat kOlympusMakerNote;
extern const MakerNoteFormat kOmSystemMakerNote;
extern const MakerNoteFormat kOlympusOldMakerNote;
extern const MakerNoteFormat kPanasonicMakerNote;
extern const MakerNoteFormat kAppleMakerNote;

extern const TagTable kPentaxTags;
extern const TagTable kSonyTags;
extern const TagTable kCanonTags;
extern const TagTable kNikonTags;
extern const TagTable kNikonOldTags;
extern const TagTable kFujifilmTags;
extern const TagTable kOlympusTags;
extern const TagTable kPanasonicTags;
extern const TagTable kAppleTags;

// The long code lists, for tests that check them against the published lists.
extern const std::span<const ValueName> kPentaxModelIdNames;
extern const std::span<const ValueName> kPentaxHometownCityNames;
extern const std::span<const ValueName> kPentaxDestinationCityNames;
extern const std::span<const ValueName> kPentaxLensTypeNames;
extern const std::span<const ValueName> kSonyLensIdNames;
extern const std::span<const ValueName> kCanonModelIdNames;
extern const std::span<const ValueName> kCanonLensTypeNames;
extern const std::span<const ValueName> kOlympusLensTypeNames;

}  // namespace brevino
