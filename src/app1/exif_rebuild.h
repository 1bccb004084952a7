// A file's Exif written anew as compact TIFF data, for an Exif segment of a JPEG: the entries
// of its 0th, Exif, GPS and interoperability IFDs that the standard tables name, without what
// describes its own image data (strips, tiles, sub-images, previews) or its maker note, whose
// offsets belong to the file it lies in.
#pragma once

#include <cstdint>
#include <vector>

#include "exif/document.h"

namespace brevino {

std::vector<uint8_t> rebuildExif(const Document& document);

}  // namespace brevino
