// Finding the Exif segment of a JPEG file by walking its segment heads.
#pragma once

#include <string>

#include "exif/analysis_state.h"
#include "exif/leading_bytes.h"

namespace brevino {

class Workspace;

// Fills `location` and answers 1 when a segment whose payload begins with "Exif" was found;
// otherwise reports why, sets exifEnd to 0 and answers 0.
int locateExif(Workspace& workspace, LeadingBytes& bytes, ExifLocation& location);

// Cuts trailing spaces (0x20 only); a text made only of spaces is left as it is.
void trimTrailingSpaces(std::string& text);

}  // namespace brevino
