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
#include "platform/directory_listing.h"
#include "workspace/messages.h"

namespace brevino::cli {
namespace {

constexpr std::string_view kUsage = "brevino-cli show [--json|--tsv] [-r] FILE|FOLDER...";
constexpr std::string_view kHelp =
    "usage: brevino-cli show [--json|--tsv] [-r] FILE|FOLDER...\n"
    "\n"
    "Analyses each FILE and prints its Exif rows: offset, type, count, tag, content, note.\n"
    "A FOLDER stands for the photos the desktop application lists there (JPEG, HEIF/HEIC,\n"
    "AVIF, raw files, TIFF, WebP, PNG, JPEG XL); -r takes those of its subfolders too.\n"
    "  (default)  an aligned table with the section headings\n"
    "  --tsv      one line per row: the file's path and the six cells, tab-separated\n"
    "  --json     one JSON object per file and line, with messages and the segment's place\n"
    "  -r         also the photos in the folders' subfolders\n"
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

// Analyses one file and prints it; false when it could not be analysed.
bool showFile(ShowState& state, const std::string& path, Format format, ShowOutput& output) {
    analyzeFile(path, state.analysis);
    const Document& document = state.analysis.document;
    FileReport report;
    report.path = path;
    report.document = &document;
    report.nameRefused = document.problem == Problem::NotAnalyzable;
    if (document.walked()) {
        state.rows.build(document);
        report.rows = &state.rows;
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
    return document.walked();
}

// Analyses files [begin, end). A path named as a photo was taken for a file unasked; one that
// is a folder after all stands for the photos in it.
ShowOutput showFiles(ShowState& state, const std::vector<std::string>& files, size_t begin,
                     size_t end, Format format, bool recursive) {
    ShowOutput output;
    output.out.reserve(8192 * (end - begin));
    for (size_t i = begin; i < end; ++i) {
        const std::string& path = files[i];
        const size_t outMark = output.out.size(), errMark = output.err.size();
        if (showFile(state, path, format, output)) continue;
        if (!isPhotoName(path) || pathKind(path) != PathKind::Directory) {
            output.allAnalysed = false;
            continue;
        }
        // What was printed for the folder as a file gives way to its photos.
        output.out.resize(outMark);
        output.err.resize(errMark);
        for (const std::string& inside : expandPaths({path}, recursive))
            output.allAnalysed = showFile(state, inside, format, output) && output.allAnalysed;
    }
    return output;
}

}  // namespace

int runShow(int argc, char** argv) {
    Format format = Format::Table;
    bool formatChosen = false;
    std::vector<std::string> files;
    bool recursive = false;
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
        } else if (!optionsEnded && (argument == "-r" || argument == "--recursive")) {
            recursive = true;
        } else if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.starts_with("--")) {
            return usageError("unknown option " + std::string(argument), kUsage);
        } else {
            files.emplace_back(argument);
        }
    }
    if (files.empty()) return usageError("no FILE given", kUsage);
    files = expandUnnamedPaths(files, recursive);

    // Worker threads take chunks of files in turn; this thread writes the chunks out in the
    // files' order. A worker takes a chunk only while fewer than a few chunks wait to be
    // written, so memory stays flat.
    const size_t chunks = (files.size() + kChunkSize - 1) / kChunkSize;
    if (chunks <= 1) {
        // One chunk: starting workers would cost more than they save.
        ShowState state;
        const ShowOutput output = showFiles(state, files, 0, files.size(), format, recursive);
        writeErr(output.err);
        writeOut(output.out);
        return output.allAnalysed ? kExitOk : kExitFailed;
    }
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
            done[chunk].set_value(showFiles(state, files, begin,
                                            std::min(files.size(), begin + kChunkSize), format,
                                            recursive));
        }
    };
    std::vector<std::jthread> threads;
    for (size_t i = 0; i < workers; ++i)
        threads.emplace_back(work);
    int status = kExitOk;
    for (std::future<ShowOutput>& chunk : outputs) {
        const ShowOutput output = chunk.get();
        writeErr(output.err);
        writeOut(output.out);
        room.release();
        if (!output.allAnalysed) status = kExitFailed;
    }
    return status;
}

}  // namespace brevino::cli
