#include "cli/show_command.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <future>
#include <string>
#include <string_view>
#include <thread>
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

constexpr size_t kChunkSize = 32;
constexpr size_t kMaxWorkers = 4;

// What a run of files prints, on standard output and on standard error.
struct ShowOutput {
    std::string out;
    std::string err;
    bool allAnalysed = true;
};

// Analyses files [begin, end) in a workspace of their own.
ShowOutput showFiles(const std::vector<std::string>& files, size_t begin, size_t end,
                     Format format) {
    Workspace workspace;
    CollectingReporter collected;
    workspace.reporter = &collected;
    ShowOutput output;
    output.out.reserve(8192 * (end - begin));
    for (size_t i = begin; i < end; ++i) {
        const std::string& path = files[i];
        collected.messages.clear();
        FileReport report;
        report.path = path;
        report.nameRefused = !isAnalyzableName(path);
        workspace.currentFile = path;
        report.ok = analyzeFile(workspace, path) == 1;
        report.messages = &collected.messages;
        if (!report.ok) output.allAnalysed = false;
        switch (format) {
            case Format::Table:
                appendTable(output.out, report, workspace);
                break;
            case Format::Tsv:
                appendTsv(output.out, report, workspace);
                break;
            case Format::Json:
                appendJson(output.out, report, workspace);
                break;
        }
        if (format != Format::Json) {
            for (const auto& message : collected.messages) {
                output.err.append(message.caption)
                    .append(": ")
                    .append(message.text)
                    .push_back('\n');
            }
        }
    }
    return output;
}

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

    computeDictionaryStarts();
    int status = kExitOk;
    // Files are analysed in chunks on every core; the output keeps the files' order.
    const size_t workers = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, kMaxWorkers);
    std::deque<std::future<ShowOutput>> pending;
    size_t next = 0;
    while (next < files.size() || !pending.empty()) {
        while (next < files.size() && pending.size() < 2 * workers) {
            const size_t end = std::min(files.size(), next + kChunkSize);
            pending.push_back(std::async(workers > 1 ? std::launch::async : std::launch::deferred,
                                         showFiles, std::cref(files), next, end, format));
            next = end;
        }
        ShowOutput output = pending.front().get();
        pending.pop_front();
        writeErr(output.err);
        writeOut(output.out);
        if (!output.allAnalysed) status = kExitFailed;
    }
    return status;
}

}  // namespace brevino::cli
