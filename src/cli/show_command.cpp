#include "cli/show_command.h"

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_support.h"
#include "cli/tag_list_output.h"
#include "exif/analysis.h"
#include "workspace/workspace.h"

namespace brevino::cli {
namespace {

constexpr std::string_view kUsage = "brevino-cli show [--json|--tsv] FILE...";
constexpr std::string_view kHelp =
    "usage: brevino-cli show [--json|--tsv] FILE...\n"
    "\n"
    "Analyses each FILE and prints its Exif rows: offset, type, count, tag, content, note.\n"
    "  (default)  an aligned table with the section headings\n"
    "  --tsv      one line per row: the file's path and the six cells, tab-separated\n"
    "  --json     one JSON object per file and line, with messages and the segment's place\n"
    "Exit status: 0 when every file was analysed, 1 otherwise, 2 for a usage error.\n";

enum class Format { Table, Tsv, Json };

// Output is flushed in pieces of about this size to keep memory flat over many files.
constexpr size_t kFlushSize = 1 << 16;

}  // namespace

int runShow(int argc, char** argv) {
    Format format = Format::Table;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (!optionsEnded && isHelpFlag(argument)) {
            writeOut(kHelp);
            return kExitOk;
        }
        if (!optionsEnded && argument == "--json") {
            format = Format::Json;
        } else if (!optionsEnded && argument == "--tsv") {
            format = Format::Tsv;
        } else if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.starts_with("--")) {
            return usageError("unknown option " + std::string(argument), kUsage);
        } else {
            files.emplace_back(argument);
        }
    }
    if (files.empty()) return usageError("no FILE given", kUsage);

    Workspace workspace;
    StderrReporter stderrReporter;
    CollectingReporter collected;
    workspace.reporter =
        format == Format::Json ? static_cast<Reporter*>(&collected) : &stderrReporter;
    computeDictionaryStarts();

    int status = kExitOk;
    std::string out;
    out.reserve(kFlushSize * 2);
    for (const std::string& path : files) {
        collected.messages.clear();
        FileReport report;
        report.path = path;
        report.nameRefused = !isAnalyzableName(path);
        workspace.currentFile = path;
        report.ok = analyzeFile(workspace, path) == 1;
        report.messages = &collected.messages;
        if (!report.ok) status = kExitFailed;
        switch (format) {
            case Format::Table:
                appendTable(out, report, workspace);
                break;
            case Format::Tsv:
                appendTsv(out, report, workspace);
                break;
            case Format::Json:
                appendJson(out, report, workspace);
                break;
        }
        if (out.size() >= kFlushSize) {
            writeOut(out);
            out.clear();
        }
    }
    writeOut(out);
    return status;
}

}  // namespace brevino::cli
