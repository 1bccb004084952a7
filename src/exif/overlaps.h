// Values that share bytes with what they must not: the structure of the TIFF data, or the
// value of an entry of another tag. Such an entry is shown, never written.
#pragma once

#include "exif/document.h"

namespace brevino {

// Sets `overlaps` of every entry whose value lies outside its own entry and shares bytes with
// the document's structure or with the value of an entry of another tag (the maker note's
// block, which holds the note's own entries, does not count).
void markOverlaps(Document& document);

}  // namespace brevino
