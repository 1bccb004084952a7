// Checking that a save wrote nothing but the values it was meant to write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exif/document.h"

namespace brevino {

class Workspace;

namespace fixture {

// The byte ranges a save of the workspace may write: its changed, editable rows' values.
std::vector<std::pair<uint64_t, uint64_t>> writableRanges(const Workspace& workspace);

// Describes the first byte that differs outside the ranges or the Exif segment, or a size
// change; nothing when the file only changed where it was allowed to.
std::optional<std::string> strayWrite(const std::vector<uint8_t>& before,
                                      const std::vector<uint8_t>& after,
                                      const std::vector<std::pair<uint64_t, uint64_t>>& ranges,
                                      const ExifLocation& location);

}  // namespace fixture
}  // namespace brevino
