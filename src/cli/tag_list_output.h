// The three printed forms of an analysed file's rows: an aligned table, TSV and JSON lines.
#pragma once

#include <string>
#include <string_view>

#include "exif/row_list.h"

namespace brevino::cli {

// The outcome of analysing one file, as printed.
struct FileReport {
    std::string_view path;
    const Document* document = nullptr;
    const RowList* rows = nullptr;  // the rows when the IFDs were walked
    bool nameRefused = false;       // the file was refused before anything was read
};

void appendTable(std::string& out, const FileReport& report);
void appendTsv(std::string& out, const FileReport& report);
void appendJson(std::string& out, const FileReport& report);

}  // namespace brevino::cli
