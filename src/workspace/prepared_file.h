// A file analysed ahead of time, off the window's thread, with its rows built: selecting it
// then takes this over instead of reading the file again.
#pragma once

#include <memory>
#include <string>

#include "exif/analysis.h"
#include "exif/row_list.h"

namespace brevino {

struct PreparedFile {
    FileAnalysis analysis;  // its document holds the bytes it read
    RowList rows;
};

// Analyses the file and builds its rows; nothing for a file the analysis refuses by name and
// content, or that cannot be opened.
std::unique_ptr<PreparedFile> prepareFile(const std::string& path);

}  // namespace brevino
