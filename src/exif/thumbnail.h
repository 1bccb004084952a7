// The thumbnail a camera embeds in the 1st IFD, as JPEG bytes.
#pragma once

#include <cstdint>
#include <span>

#include "exif/document.h"

namespace brevino {

// The thumbnail's bytes inside the document's bytes: where the 1st IFD's JPEG offset and
// length point, when that lies wholly inside and begins like a JPEG; empty otherwise.
std::span<const uint8_t> thumbnailBytes(const Document& document);

}  // namespace brevino
