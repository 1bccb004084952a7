// Copying the Exif segment of the analysed file to a side file (".ap1"), and building a new
// JPEG from the analysed file with a side file's segment in place of its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brevino {

class Workspace;

// Asks for a side file and writes the analysed file's Exif segment into it, as a start-of-
// image marker followed by the segment. Everything is reported through the workspace;
// true when the side file was written.
bool exportApp1(Workspace& workspace, const std::string& currentFile);

// Asks for a side file and writes "<current file without extension>_out.jpg" (numbered when
// taken, never replacing a file): the current file with the side file's segment in place of
// its own Exif segment. True when written.
bool importApp1(Workspace& workspace, const std::string& currentFile);

// Reads a whole file of at most `maxSize` bytes; false after reporting a failure.
bool readWholeFile(Workspace& workspace, const std::string& path, std::vector<uint8_t>& bytes,
                   uint64_t maxSize);

// The import's output path without its extension: the current file's path up to the "." of
// its extension, and "_out". The output is "<stem>.jpg", or "<stem>(2).jpg" and up when that
// name is taken.
std::string importOutputStem(const std::string& currentFile);

// Whether the bytes are a side file: 0xFF 0xD8, one segment whose length matches the file's
// size, and a payload that begins "Exif".
bool isSideFile(const std::vector<uint8_t>& bytes);

}  // namespace brevino
