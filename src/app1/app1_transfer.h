// Copying the Exif segment of the analysed file to a side file (".ap1"), and building a new
// JPEG from the analysed file with a side file's segment in place of its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exif/analysis.h"

namespace brevino {

// The most bytes an Exif segment holds after its length field ("Exif\0\0" and the TIFF data).
inline constexpr size_t kMaxSegmentPayload = 65533;

struct TransferResult {
    Problem problem = Problem::None;  // None: written
    std::string path;                 // the file written
    bool aboutSideFile = false;       // the problem is the side file's (missing, unreadable, no
                                      // side file), not the analysed file's
};

// Writes the analysed file's Exif segment into `target`, as a start-of-image marker followed
// by the segment: a JPEG's as the file holds it; for other containers a segment around their
// TIFF data (written anew from the IFDs for raw files). The file must be unchanged since the
// analysis.
TransferResult exportApp1(const AnalysedFile& file, const Document& document,
                          const std::string& target);

// Writes "<the file without extension>_out.jpg" (numbered when taken, never replacing a
// file): the analysed file with the side file's segment in place of its own Exif segment,
// or right after the start-of-image marker of a JPEG that has none. The side file is
// checked whole first. Only JPEG files take a segment (ImportJpegOnly otherwise).
TransferResult importApp1(const AnalysedFile& file, const ExifLocation& location,
                          const std::string& sidePath);

// The import's output path without its extension: the current file's path up to the "." of
// its extension, and "_out".
std::string importOutputStem(const std::string& currentFile);

// Whether the bytes are a side file: 0xFF 0xD8, one APP1 segment whose length matches the file's
// size, and a payload that begins "Exif".
bool isSideFile(const std::vector<uint8_t>& bytes);

}  // namespace brevino
