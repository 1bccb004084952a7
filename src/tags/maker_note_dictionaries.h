// Vendor dictionaries for the Pentax and Sony maker notes and their long code lists.
#pragma once

#include "tags/tag_dictionary.h"

namespace brevino {

extern const TagDef PentaxMakerNoteDictionary[];
extern const TagDef SonyMakerNoteDictionary[];

extern const ValueName PentaxModelIdNames[];
extern const ValueName PentaxHometownCityNames[];
extern const ValueName PentaxDestinationCityNames[];
extern const ValueName PentaxLensTypeNames[];
extern const ValueName SonyLensIdNames[];

}  // namespace brevino
