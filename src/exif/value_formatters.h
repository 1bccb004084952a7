// Turning an entry's value into the text of its content cell, one formatter per TIFF type.
#pragma once

#include <cstdint>
#include <string>

#include "exif/ifd_walker.h"

namespace brevino {

// Where out-of-line values are found: the analysis buffer and its TIFF header.
struct ValueSource {
    AnalysisBuffer buffer;
    uint64_t tiffStart;
};

// Value lists stop after this many characters, possibly inside a number.
inline constexpr size_t kValueListLimit = 1023;
// ASCII values show at most this many bytes.
inline constexpr size_t kAsciiLimit = 2047;

// Each formatter writes `text` and, when it reads the value out of line, sets the entry's
// position to the value's file offset. A value that is not wholly inside the TIFF area
// leaves the text empty and clears the entry's valueInside.
void formatBytes(IfdEntry& entry, const ValueSource& source, std::string& text);
void formatAscii(IfdEntry& entry, const ValueSource& source, std::string& text);
void formatShorts(IfdEntry& entry, const ValueSource& source, std::string& text);
void formatLongs(IfdEntry& entry, const ValueSource& source, std::string& text);
void formatRationals(IfdEntry& entry, const ValueSource& source, std::string& text);
void formatUserComment(IfdEntry& entry, const ValueSource& source, std::string& text);
void formatSignedLongs(IfdEntry& entry, const ValueSource& source, std::string& text);
void formatSignedRationals(IfdEntry& entry, const ValueSource& source, std::string& text);

}  // namespace brevino
