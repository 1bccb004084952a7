// The maker-note formats of the vendors whose maker notes are read, each defined in its own
// folder, and their long code lists.
#pragma once

#include <span>

#include "tags/maker_note_format.h"

namespace brevino {

extern const MakerNoteFormat kPentaxMakerNote;
extern const MakerNoteFormat kSonyMakerNote;

extern const TagTable kPentaxTags;
extern const TagTable kSonyTags;

// The long code lists, for tests that check them against the published lists.
extern const std::span<const ValueName> kPentaxModelIdNames;
extern const std::span<const ValueName> kPentaxHometownCityNames;
extern const std::span<const ValueName> kPentaxDestinationCityNames;
extern const std::span<const ValueName> kPentaxLensTypeNames;
extern const std::span<const ValueName> kSonyLensIdNames;

}  // namespace brevino
