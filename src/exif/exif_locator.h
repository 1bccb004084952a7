// Finding the Exif segment of a JPEG file by walking its segment heads.
#pragma once

#include "exif/document.h"
#include "exif/leading_bytes.h"

namespace brevino {

// Fills `location` when a segment whose payload begins with "Exif" is found and answers
// Problem::None; otherwise answers why with exifEnd 0: NotSupported (no JPEG), NoExifSegment
// (the image data comes first) or HeaderReadError (the file ends first).
Problem locateExif(LeadingBytes& bytes, ExifLocation& location);

}  // namespace brevino
