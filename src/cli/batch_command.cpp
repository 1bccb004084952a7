#include "cli/batch_command.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_run.h"
#include "batch/date_shift.h"
#include "cli/cli_support.h"
#include "edit/row_lookup.h"
#include "journal/journal_store.h"
#include "platform/file_io.h"
#include "platform/language.h"
#include "workspace/batch_summary.h"
#include "workspace/messages.h"

namespace brevino::cli {
namespace {

constexpr std::string_view kUsage =
    "brevino-cli batch [--option KEY=VALUE]... [--value TEXT] [--truncate] [--by OFFSET] "
    "[--zone ±HH:MM] [--verbose] [-r] OPERATION FILE|FOLDER...";
constexpr std::string_view kHelp =
    "usage: brevino-cli batch [--option KEY=VALUE]... [--value TEXT] [--truncate]\n"
    "                         [--by OFFSET] [--zone ±HH:MM] [--verbose] [-r]\n"
    "                         OPERATION FILE|FOLDER...\n"
    "\n"
    "Runs one batch operation over the files, in the order given; a FOLDER stands for the\n"
    "photos the desktop application lists there (-r: and in its subfolders). OPERATION is\n"
    "one of\n"
    "%OPERATIONS%"
    "(the alias or the text), or a tag's display name or number, optionally after its IFD\n"
    "(0th:, exif:, gps:, interop:, 1st:, makernote:), which sets that tag of every file to\n"
    "the --value TEXT under the editor's rules and saves it.\n"
    "strip-gps removes the GPS position in place (its IFD and values zeroed); set-author and\n"
    "set-copyright set Artist and Copyright, set-offset the time-zone offsets of the dates a\n"
    "file has: an entry a JPEG lacks is added, its Exif segment written anew and checked\n"
    "before it replaces the file. Their TEXT follows the operation (or is given by --value).\n"
    "name-to-dates reads the date from names such as %NAME%,\n"
    "IMG_20220814_141231.jpg or 2022-08-14 14.12.31.jpg; other names are reported.\n"
    "shift-dates moves the date rows (file change, original, digitized) by the offset, with\n"
    "calendar arithmetic; unknown or invalid dates are left alone and reported.\n"
    "  --option KEY=VALUE  DateUp, AllDate or ExifDate, 0 or 1, for this run\n"
    "                      (default: brevino.ini)\n"
    "  --value TEXT        the value for setting a tag\n"
    "  --truncate          cut a text too long for a file's field at its length (without\n"
    "                      it, that file is reported and left as it is)\n"
    "  --by OFFSET         shift-dates: [+|-][DAYS ]HH:MM[:SS], e.g. \"+1 02:00\" or \"-0:30\":\n"
    "                      minutes and seconds 0-59; hours 0-23 after a day count, any\n"
    "                      number of hours without one (\"+49:00\")\n"
    "  --zone ±HH:MM       shift-dates: also write the time-zone offset rows the files have\n"
    "  --verbose           also list the files skipped because they lack what the\n"
    "                      operation needs\n"
    "  -r                  also the photos in the folders' subfolders\n"
    "The run is recorded before any file is written; 'brevino-cli undo' takes it back.\n"
    "Progress and messages go to standard error, each line naming its file; the new path of\n"
    "each renamed file goes to standard output. Every file that could not be processed is\n"
    "reported. Options may stand anywhere before \"--\"; what follows it is the operation and\n"
    "files.\n"
    "Exit status: 0 when every file was processed or skipped, 1 when any file failed, 2 for a\n"
    "usage error (an unknown tag among them; no file is touched then).\n";

// The help with the operations listed in the language of the texts: alias, its argument,
// and the text the desktop application shows for it.
std::string helpText() {
    std::string operations;
    for (const BatchOperationInfo& info : kBatchOperations) {
        std::string alias(info.alias);
        if (info.operation == BatchOperation::SetAuthor ||
            info.operation == BatchOperation::SetCopyright)
            alias += " TEXT";
        if (info.operation == BatchOperation::SetOffset) alias += " ±HH:MM";
        // Aligned by characters: "±" takes two bytes.
        const size_t wide = alias.find("±") == std::string::npos ? 0 : 1;
        alias.resize(std::max<size_t>(alias.size() + 1, 25 + wide), ' ');
        operations.append("  ").append(alias).append(batchOperationText(info));
        if (info.operation == BatchOperation::ShiftDates) operations.append(" (--by)");
        operations.push_back('\n');
    }
    std::string help(kHelp);
    help.replace(help.find("%OPERATIONS%"), 12, operations);
    // A name of a Japanese desktop's files, with full-width colons.
    help.replace(help.find("%NAME%"), 6,
                 inTextLanguage("2004：05：06 07：08：09.jpg",
                                "2004:05:06 07:08:09.jpg (also with full-width colons)"));
    return help;
}

// What the command line asks of a batch run.
struct BatchArguments {
    Settings settings = settingsForRun();
    std::optional<std::string> value;
    std::string zone;
    bool verbose = false;
    bool recursive = false;
    bool truncate = false;
    std::vector<std::string> positional;  // the operation, then the files
};

// Reads the arguments; an exit status when the run ends there (help, a usage error).
std::optional<int> parseArguments(int argc, char** argv, BatchArguments& arguments) {
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (optionsEnded) {
            arguments.positional.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (isHelpFlag(argument)) {
            writeOut(helpText());
            return kExitOk;
        } else if (argument == "--option" || argument == "--value" || argument == "--by" ||
                   argument == "--zone") {
            if (i + 1 >= argc) return usageError(std::string(argument) + " needs a value", kUsage);
            std::string_view next = argv[++i];
            if (argument == "--value" || argument == "--by") {
                arguments.value = std::string(next);
            } else if (argument == "--zone") {
                if (!parseZoneOffset(next)) return usageError("--zone needs ±HH:MM", kUsage);
                arguments.zone = std::string(next);
            } else if (!applyOption(next, arguments.settings)) {
                return usageError("unknown option " + std::string(next), kUsage);
            }
        } else if (argument == "--verbose") {
            arguments.verbose = true;
        } else if (argument == "-r" || argument == "--recursive") {
            arguments.recursive = true;
        } else if (argument == "--truncate") {
            arguments.truncate = true;
        } else if (argument.starts_with("--")) {
            return usageError("unknown option " + std::string(argument), kUsage);
        } else {
            arguments.positional.emplace_back(argument);
        }
    }
    if (arguments.positional.empty()) return usageError("no OPERATION given", kUsage);
    if (arguments.positional.size() < 2) return usageError("no FILE given", kUsage);
    // An operation that cannot be carried out touches no file.
    const std::string& operation = arguments.positional[0];
    const BatchOperation kind = batchOperationFor(operation);
    const bool takesText = kind == BatchOperation::SetAuthor ||
                           kind == BatchOperation::SetCopyright ||
                           kind == BatchOperation::SetOffset;
    if (takesText && !arguments.value) {
        arguments.value = arguments.positional[1];
        arguments.positional.erase(arguments.positional.begin() + 1);
        if (arguments.positional.size() < 2) return usageError("no FILE given", kUsage);
    }
    if (kind == BatchOperation::SetOffset && !parseZoneOffset(*arguments.value))
        return usageError("set-offset needs ±HH:MM", kUsage);
    if (batchOperationFor(operation) == BatchOperation::ShiftDates &&
        (!arguments.value || !parseDateShift(*arguments.value)))
        return usageError("shift-dates needs --by [+|-][DAYS ]HH:MM[:SS]", kUsage);
    if (batchOperationFor(operation) == BatchOperation::SetTag) {
        if (!isKnownRowName(parseRowName(operation)))
            return usageError("unknown tag " + operation, kUsage);
        if (!arguments.value) return usageError("setting a tag needs --value TEXT", kUsage);
    }
    return std::nullopt;
}

// Carries out the run's steps, telling each file's progress and messages on standard error
// and each new path on standard output; false when any file failed.
bool runSteps(BatchRun& run, BatchSummary& summary, bool verbose) {
    bool failed = false;
    std::string renamed;
    std::string progress;
    for (;;) {
        const BatchRun::Step step = run.step();
        if (step.ended) break;
        summary.add(step);
        std::string lines =
            messageLine(step.path, kBatchCaption, progressCaption(step.done, step.total));
        for (const auto* list : {&step.notes, &step.reports}) {
            for (const BatchRun::Report& report : *list) {
                const MessageText message = messageFor(report.problem);
                if (!message.text.empty())
                    lines += messageLine(step.path, message.caption,
                                         messageText(report.problem, report.detail));
            }
        }
        if (step.outcome == BatchRun::Outcome::Failed) failed = true;
        if (step.outcome == BatchRun::Outcome::Skipped && verbose)
            lines += messageLine(step.path, messageFor(step.skipReason).caption,
                                 messageText(step.skipReason));
        // Written in pieces of a few kilobytes rather than a line at a time.
        progress += lines;
        if (progress.size() > 1 << 14) {
            writeErr(progress);
            progress.clear();
        }
        if (step.renamedTo) renamed.append(*step.renamedTo).push_back('\n');
        if (renamed.size() > 1 << 16) {
            writeOut(renamed);
            renamed.clear();
        }
    }
    writeErr(progress);
    writeOut(renamed);
    return !failed;
}

}  // namespace

int runBatch(int argc, char** argv) {
    BatchArguments arguments;
    if (const std::optional<int> status = parseArguments(argc, argv, arguments)) return *status;
    const std::string& operation = arguments.positional[0];

    std::vector<std::string> files;
    bool failed = false;
    BatchSummary summary;
    for (auto given = arguments.positional.begin() + 1; given != arguments.positional.end();
         ++given) {
        // A file given by name is looked at once; anything else may be a folder of photos.
        if (isRegularFile(*given)) {
            files.push_back(*given);
            continue;
        }
        for (const std::string& path : expandPaths({*given}, arguments.recursive)) {
            if (isRegularFile(path)) {
                files.push_back(path);
            } else {
                writeErr(messageLine(path, "brevino-cli", "not a regular file"));
                summary.addLeftAlone({path, "brevino-cli", "not a regular file"});
                failed = true;
            }
        }
    }
    BatchSettings settings = batchSettingsOf(arguments.settings);
    settings.zone = arguments.zone;
    settings.longText = arguments.truncate ? LongText::Cut : LongText::Refuse;
    BatchRun run;
    JournalStore journal = journalForRun(arguments.settings);
    if (run.start(files, operation, arguments.value.value_or(""), settings, &journal)) {
        if (!runSteps(run, summary, arguments.verbose)) failed = true;
    } else if (run.startProblem() != Problem::None) {
        const MessageText message = messageFor(run.startProblem());
        writeErr(messageLine({}, message.caption, message.text));
        return kExitFailed;
    }
    // The closing lines: done, or how many files were changed and which were not, and why.
    std::string closing;
    for (const ReportLine& line : summary.lines())
        closing += messageLine(line.path, line.caption, line.text);
    writeErr(closing);
    return failed ? kExitFailed : kExitOk;
}

}  // namespace brevino::cli
