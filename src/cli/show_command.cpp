#include "cli/show_command.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <semaphore>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/cli_support.h"
#include "cli/tag_list_output.h"
#include "exif/analysis.h"
#include "workspace/messages.h"

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

// What analysing files needs, kept from one chunk to the next.
struct ShowState {
    FileAnalysis analysis;
    RowList rows;
};

// Analyses files [begin, end).
ShowOutput showFiles(ShowState& state, const std::vector<std::string>& files, size_t begin,
                     size_t end, Format format) {
    ShowOutput output;
    output.out.reserve(8192 * (end - begin));
    for (size_t i = begin; i < end; ++i) {
        const std::string& path = files[i];
        analyzeFile(path, state.analysis);
        const Document& document = state.analysis.document;
        FileReport report;
        report.path = path;
        report.document = &document;
        report.nameRefused = document.problem == Problem::NotAnalyzable;
        if (document.walked()) {
            state.rows.build(document);
            report.rows = &state.rows;
        } else {
            output.allAnalysed = false;
        }
        switch (format) {
            case Format::Table:
                appendTable(output.out, report);
                break;
            case Format::Tsv:
                appendTsv(output.out, report);
                break;
            case Format::Json:
                appendJson(output.out, report);
                break;
        }
        const MessageText message = messageFor(document.problem);
        if (format != Format::Json && document.problem != Problem::None && !message.text.empty())
            output.err += messageLine(path, message.caption, message.text);
    }
    return output;
}

}  // namespace

int runShow(int argc, char** argv) {
    Format format = Format::Table;
    bool formatChosen = false;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (!optionsEnded && isHelpFlag(argument)) {
            writeOut(kHelp);
            return kExitOk;
        }
        if (!optionsEnded && (argument == "--json" || argument == "--tsv")) {
            const Format chosen = argument == "--json" ? Format::Json : Format::Tsv;
            if (formatChosen && chosen != format)
                return usageError("--json and --tsv exclude each other", kUsage);
            format = chosen;
            formatChosen = true;
        } else if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.starts_with("--")) {
            return usageError("unknown option " + std::string(argument), kUsage);
        } else {
            files.emplace_back(argument);
        }
    }
    if (files.empty()) return usageError("no FILE given", kUsage);

    // Worker threads take chunks of files in turn; this thread writes the chunks out in the
    // files' order. A worker takes a chunk only while fewer than a few chunks wait to be
    // written, so memory stays flat.
    const size_t chunks = (files.size() + kChunkSize - 1) / kChunkSize;
    const size_t workers = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, kMaxWorkers);
    std::vector<std::promise<ShowOutput>> done(chunks);
    std::vector<std::future<ShowOutput>> outputs;
    for (std::promise<ShowOutput>& chunk : done)
        outputs.push_back(chunk.get_future());
    std::atomic<size_t> next{0};
    std::counting_semaphore<> room(static_cast<std::ptrdiff_t>(4 * workers));
    auto work = [&] {
        ShowState state;
        for (;;) {
            room.acquire();
            const size_t chunk = next++;
            if (chunk >= chunks) return room.release();
            const size_t begin = chunk * kChunkSize;
            done[chunk].set_value(
                showFiles(state, files, begin, std::min(files.size(), begin + kChunkSize), format));
        }
    };
    std::vector<std::jthread> threads;
    for (size_t i = 0; i < workers; ++i)
        threads.emplace_back(work);
    int status = kExitOk;
    for (std::future<ShowOutput>& chunk : outputs) {
        const ShowOutput output = chunk.get();
        room.release();
        writeErr(output.err);
        writeOut(output.out);
        if (!output.allAnalysed) status = kExitFailed;
    }
    return status;
}

}  // namespace brevino::cli
