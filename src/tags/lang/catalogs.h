// The catalogs of the languages other than the tables' own, one a file in this folder.
#pragma once

#include "tags/tag_translation.h"

namespace brevino {

extern const TagCatalog kEnglishTags;

}  // namespace brevino
