#include "cli/app1_commands.h"

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_support.h"
#include "journal/journal_store.h"
#include "workspace/workspace.h"

namespace brevino::cli {
namespace {

constexpr std::string_view kExportUsage = "brevino-cli export FILE OUT.ap1";
constexpr std::string_view kImportUsage = "brevino-cli import FILE SIDE.ap1";
constexpr std::string_view kExportHelp =
    "usage: brevino-cli export FILE OUT.ap1\n"
    "\n"
    "Writes FILE's Exif segment, as the file holds it, to OUT.ap1 (a start-of-image marker\n"
    "and the segment). An existing OUT.ap1 is replaced.\n"
    "Exit status: 0 when written, 1 when it failed, 2 for a usage error.\n";
constexpr std::string_view kImportHelp =
    "usage: brevino-cli import FILE SIDE.ap1\n"
    "\n"
    "Writes a copy of FILE whose Exif segment is the one in SIDE.ap1, named after FILE with\n"
    "\"_out.jpg\" in place of its extension; when that name is taken, \"_out(2).jpg\" and up\n"
    "(no file is ever replaced). The message names the file written. FILE itself is not\n"
    "changed.\n"
    "Exit status: 0 when written, 1 when it failed, 2 for a usage error.\n";

int runTransfer(int argc, char** argv, std::string_view usage, std::string_view help,
                bool exporting) {
    std::vector<std::string> positional;
    for (int i = 0; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (isHelpFlag(argument)) {
            writeOut(help);
            return kExitOk;
        }
        if (argument.starts_with("--"))
            return usageError("unknown option " + std::string(argument), usage);
        positional.emplace_back(argument);
    }
    if (positional.size() != 2) return usageError("expected two paths", usage);

    Workspace workspace;
    StderrReporter reporter(positional[0]);
    JournalStore journal = journalForRun(settingsForRun());
    workspace.journal = &journal;
    workspace.currentFile = positional[0];
    // The analysis may fail after locating the segment (a broken TIFF header), or find no
    // Exif at all (an import gives the file one): the transfer works on what was located and
    // reports for itself.
    workspace.analyze(workspace.currentFile);
    workspace.reporter = &reporter;
    const bool written =
        exporting ? workspace.exportTo(positional[1]) : workspace.importFrom(positional[1]);
    return written ? kExitOk : kExitFailed;
}

}  // namespace

int runExport(int argc, char** argv) {
    return runTransfer(argc, argv, kExportUsage, kExportHelp, true);
}

int runImport(int argc, char** argv) {
    return runTransfer(argc, argv, kImportUsage, kImportHelp, false);
}

}  // namespace brevino::cli
