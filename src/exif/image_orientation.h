// How the stored pixels are to be turned for display, as the Orientation entry of the 0th
// IFD says.
#pragma once

#include "exif/document.h"

namespace brevino {

// The Orientation value, 1 to 8; 1 (as stored) when the entry is missing, not a single
// number, outside the file or out of range.
int imageOrientation(const Document& document);

// Whether the orientation swaps width and height (values 5 to 8 turn by a quarter).
inline bool turnsQuarter(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

}  // namespace brevino
