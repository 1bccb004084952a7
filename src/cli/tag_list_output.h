// The three printed forms of an analysed file's rows: an aligned table, TSV and JSON lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_support.h"
#include "workspace/workspace.h"

namespace brevino::cli {

// The outcome of analysing one file, as printed.
struct FileReport {
    std::string_view path;
    bool ok = false;
    bool nameRefused = false;  // the analysis refused the name and left the workspace alone
    const std::vector<CollectingReporter::Message>* messages = nullptr;
};

void appendTable(std::string& out, const FileReport& report, const Workspace& workspace);
void appendTsv(std::string& out, const FileReport& report, const Workspace& workspace);
void appendJson(std::string& out, const FileReport& report, const Workspace& workspace);

}  // namespace brevino::cli
