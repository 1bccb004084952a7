#include "cli/show_command.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
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

// A worker's own workspace, reused for every chunk it analyses.
struct ShowWorkspace {
    Workspace workspace;
    CollectingReporter collected;
    ShowWorkspace() { workspace.reporter = &collected; }
};

// Analyses files [begin, end).
ShowOutput showFiles(ShowWorkspace& own, const std::vector<std::string>& files, size_t begin,
                     size_t end, Format format) {
    Workspace& workspace = own.workspace;
    CollectingReporter& collected = own.collected;
    ShowOutput output;
    output.out.reserve(8192 * (end - begin));
    for (size_t i = begin; i < end; ++i) {
        const std::string& path = files[i];
        collected.messages.clear();
        FileReport report;
        report.path = path;
        report.nameRefused = !isAnalyzableFile(path);
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
            for (const auto& message : collected.messages)
                output.err += messageLine(path, message.caption, message.text);
        }
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

    computeDictionaryStarts();
    const size_t chunks = (files.size() + kChunkSize - 1) / kChunkSize;
    const size_t workers =
        std::min(chunks, std::clamp<size_t>(std::thread::hardware_concurrency(), 1, kMaxWorkers));
    auto chunkOf = [&](ShowWorkspace& own, size_t chunk) {
        return showFiles(own, files, chunk * kChunkSize,
                         std::min(files.size(), (chunk + 1) * kChunkSize), format);
    };
    int status = kExitOk;
    auto emit = [&](const ShowOutput& output) {
        writeErr(output.err);
        writeOut(output.out);
        if (!output.allAnalysed) status = kExitFailed;
    };
    if (workers <= 1) {
        ShowWorkspace own;
        for (size_t chunk = 0; chunk < chunks; ++chunk)
            emit(chunkOf(own, chunk));
        return status;
    }

    // Worker threads take chunks in turn; this thread writes them out in the files' order.
    // Workers stay at most a few chunks ahead of the writer, so memory stays flat.
    std::vector<std::optional<ShowOutput>> done(chunks);
    std::mutex mutex;
    std::condition_variable changed;
    size_t nextChunk = 0;
    size_t written = 0;
    auto work = [&] {
        ShowWorkspace own;
        for (;;) {
            size_t chunk;
            {
                std::unique_lock lock(mutex);
                changed.wait(
                    lock, [&] { return nextChunk >= chunks || nextChunk < written + 4 * workers; });
                if (nextChunk >= chunks) return;
                chunk = nextChunk++;
            }
            ShowOutput output = chunkOf(own, chunk);
            {
                std::lock_guard lock(mutex);
                done[chunk] = std::move(output);
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (size_t i = 0; i < workers; ++i)
        threads.emplace_back(work);
    for (; written < chunks;) {
        ShowOutput output;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return done[written].has_value(); });
            output = std::move(*done[written]);
            done[written].reset();
            ++written;
        }
        changed.notify_all();
        emit(output);
    }
    for (std::thread& thread : threads)
        thread.join();
    return status;
}

}  // namespace brevino::cli
