#include "cli/undo_command.h"

#include <charconv>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_support.h"
#include "journal/undo.h"
#include "workspace/messages.h"

namespace brevino::cli {
namespace {

constexpr std::string_view kUsage = "brevino-cli undo [--list] [N]";
constexpr std::string_view kHelp =
    "usage: brevino-cli undo [--list] [N]\n"
    "\n"
    "Takes back the latest operation, or operation N: every save, set, import and batch run\n"
    "is recorded before it writes. Old bytes are written back in place, renames are reversed\n"
    "without replacing any file, and the old times are restored. A file changed since the\n"
    "operation, by anyone, is left as it is and reported; the rest is still taken back. An\n"
    "undo is an operation too: undoing it does the operation again. The journals of the\n"
    "last 50 operations are kept in $XDG_STATE_HOME/brevino (~/.local/state/brevino).\n"
    "  --list  list the kept operations, oldest first: number, time, kind, files, what\n"
    "Exit status: 0 when every file was taken back, 1 when any was not, 2 for a usage error.\n";

std::string listLine(const Operation& operation) {
    char when[32] = "?";
    const time_t created = static_cast<time_t>(operation.created);
    tm local{};
    if (localtime_r(&created, &local))
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
    // Appended piece by piece (chains of + trip a false warning of GCC 12 at -O3).
    std::string line = std::to_string(operation.id);
    line.append("\t").append(when).append("\t").append(operation.kind);
    if (operation.undoes) line.append(" ").append(std::to_string(operation.undoes));
    line.append("\t").append(std::to_string(operation.files.size())).append(" files\t");
    line.append(operation.title).append("\n");
    return line;
}

}  // namespace

int runUndo(int argc, char** argv) {
    bool list = false;
    std::optional<uint64_t> id;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (isHelpFlag(argument)) {
            writeOut(kHelp);
            return kExitOk;
        }
        if (argument == "--list") {
            list = true;
            continue;
        }
        uint64_t number = 0;
        const auto parsed =
            std::from_chars(argument.data(), argument.data() + argument.size(), number);
        if (id || parsed.ec != std::errc() || parsed.ptr != argument.data() + argument.size() ||
            number == 0)
            return usageError("unknown argument " + std::string(argument), kUsage);
        id = number;
    }

    JournalStore journal;
    if (list) {
        std::string text;
        for (const uint64_t each : journal.operations()) {
            if (const std::optional<Operation> operation = journal.load(each)) {
                text += listLine(*operation);
            } else {
                text += std::to_string(each) + "\t(unreadable)\n";
            }
        }
        writeOut(text);
        return kExitOk;
    }

    const UndoOutcome outcome = undoOperation(journal, id);
    if (outcome.problem != Problem::None) {
        const MessageText message = messageFor(outcome.problem);
        writeErr(messageLine({}, message.caption, message.text));
        return kExitFailed;
    }
    std::string lines;
    for (const FileReport& report : outcome.reports) {
        const MessageText message = messageFor(report.problem);
        lines += messageLine(report.path, message.caption, message.text);
    }
    const MessageText done = messageFor(Problem::Undone);
    lines +=
        messageLine({}, done.caption, messageText(Problem::Undone, std::to_string(outcome.undone)));
    writeErr(lines);
    return outcome.reports.empty() ? kExitOk : kExitFailed;
}

}  // namespace brevino::cli
