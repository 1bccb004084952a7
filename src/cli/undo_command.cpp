#include "cli/undo_command.h"

#include <charconv>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_support.h"
#include "journal/undo.h"
#include "workspace/messages.h"
#include "workspace/undo_report.h"

namespace brevino::cli {
namespace {

constexpr std::string_view kUsage = "brevino-cli undo [--list | N]";
constexpr std::string_view kHelp =
    "usage: brevino-cli undo [--list | N]\n"
    "\n"
    "Takes back the latest operation still in effect, or operation N: every save, set,\n"
    "import and batch run is recorded before it writes. Repeating undo walks further back;\n"
    "'brevino-cli redo' applies again the latest operation taken back. Old bytes are written\n"
    "back in place, renames are reversed without replacing any file, the old times are\n"
    "restored, and a file an import made is removed (kept with the journal, so that redo can\n"
    "put it back). A file is taken back when it holds what the operation wrote there; a file\n"
    "changed since is left as it is and reported, the rest is still taken back. The journals\n"
    "of the last 50 operations, up to JournalLimit MiB (brevino.ini, 1024 by default), are\n"
    "kept in $XDG_STATE_HOME/brevino (~/.local/state/brevino).\n"
    "  --list  list the kept operations, oldest first: number, time, kind, files, what was\n"
    "          asked, and whether it is in effect or taken back\n"
    "Exit status: 0 when every file was taken back, 1 when any was not, 2 for a usage error.\n";

constexpr std::string_view kRedoUsage = "brevino-cli redo";
constexpr std::string_view kRedoHelp =
    "usage: brevino-cli redo\n"
    "\n"
    "Applies again the latest operation that undo took back, when its files are as the undo\n"
    "left them; a file changed since is left as it is and reported.\n"
    "Exit status: 0 when every file was done again, 1 when any was not, 2 for a usage error.\n";

std::string listLine(const HistoryEntry& entry) {
    const Operation& operation = entry.head;
    char when[32] = "?";
    const time_t started = static_cast<time_t>(operation.started);
    tm local{};
    if (localtime_r(&started, &local))
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
    // Appended piece by piece (chains of + trip a false warning of GCC 12 at -O3).
    std::string line = std::to_string(operation.id);
    line.append("\t").append(when).append("\t").append(operationKindName(operation.kind));
    if (operation.target) line.append(" ").append(std::to_string(operation.target));
    line.append("\t").append(std::to_string(operation.files.size())).append(" files\t");
    line.append(operation.title);
    if (!operation.isUndoOrRedo())
        line.append("\t").append(entry.inEffect ? "in effect" : "taken back");
    line.push_back('\n');
    return line;
}

int report(const UndoOutcome& outcome, bool redo) {
    std::string lines;
    for (const ReportLine& line : undoReport(outcome, redo))
        lines += messageLine(line.path, line.caption, line.text);
    writeErr(lines);
    return outcome.complete() ? kExitOk : kExitFailed;
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
    if (list && id) return usageError("--list takes no operation number", kUsage);

    JournalStore journal = journalForRun(settingsForRun());
    if (list) {
        std::string text;
        for (const HistoryEntry& entry : readHistory(journal))
            text += listLine(entry);
        writeOut(text);
        return kExitOk;
    }
    return report(undoOperation(journal, id), false);
}

int runRedo(int argc, char** argv) {
    for (int i = 0; i < argc; ++i) {
        if (isHelpFlag(argv[i])) {
            writeOut(kRedoHelp);
            return kExitOk;
        }
        return usageError("unknown argument " + std::string(argv[i]), kRedoUsage);
    }
    JournalStore journal = journalForRun(settingsForRun());
    return report(redoOperation(journal), true);
}

}  // namespace brevino::cli
