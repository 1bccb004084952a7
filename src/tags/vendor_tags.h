// The maker-note dictionaries of the vendors whose maker notes are read.
#pragma once

#include <span>

#include "tags/tag_dictionary.h"

namespace brevino {

extern const std::span<const TagDef> kPentaxMakerNoteTags;
extern const std::span<const TagDef> kSonyMakerNoteTags;

// The long code lists, for tests that check them against the published lists.
extern const std::span<const ValueName> kPentaxModelIdNames;
extern const std::span<const ValueName> kPentaxHometownCityNames;
extern const std::span<const ValueName> kPentaxDestinationCityNames;
extern const std::span<const ValueName> kPentaxLensTypeNames;
extern const std::span<const ValueName> kSonyLensIdNames;

}  // namespace brevino
