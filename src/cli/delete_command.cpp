#include "cli/delete_command.h"

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_support.h"
#include "edit/row_lookup.h"
#include "journal/journal_store.h"
#include "workspace/workspace.h"

namespace brevino::cli {
namespace {

constexpr std::string_view kUsage = "brevino-cli delete [--] FILE... TAG...";
constexpr std::string_view kHelp =
    "usage: brevino-cli delete [--] FILE... TAG...\n"
    "\n"
    "Removes entries from each FILE in place: its IFD's entry table is written again without\n"
    "the entry and the value's bytes no other entry uses are zeroed; the file keeps its size.\n"
    "The arguments that name existing files are the files, those after them the tags. A TAG\n"
    "is named as in set ([IFD:]NAME: Artist, 0x013B, exif:OffsetTimeOriginal); \"gps\" removes\n"
    "the GPS position (the pointer to the GPS IFD, and the IFD and its values zeroed). Rows\n"
    "that hold the file's structure or lie in a maker note are not removed. A file that\n"
    "lacks a tag is left as it is.\n"
    "Exit status: 0 when every file is as asked, 1 when some removal was refused or failed,\n"
    "2 for a usage error.\n";

// Removes the tags from one file; false when a removal was refused or failed.
bool deleteFrom(const std::string& path, const std::vector<std::string>& tags,
                const Settings& settings, JournalStore& journal) {
    Workspace workspace;
    StderrReporter reporter(path);
    workspace.reporter = &reporter;
    workspace.journal = &journal;
    workspace.saveKind = OperationKind::Delete;
    workspace.settings = settings;
    workspace.currentFile = path;
    if (!workspace.analyze(path)) return false;
    bool ok = true;
    for (const std::string& tag : tags) {
        if (tag == "gps") {
            ok = workspace.removeGps() && ok;
            continue;
        }
        const RowLookup lookup = findRow(workspace.document(), workspace.rows(), parseRowName(tag));
        if (!lookup.exists()) continue;
        const size_t row = static_cast<size_t>(lookup.first);
        ok = workspace.removeRows(std::span<const size_t>(&row, 1)) && ok;
    }
    return ok;
}

}  // namespace

int runDelete(int argc, char** argv) {
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (optionsEnded) {
            positional.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (isHelpFlag(argument)) {
            writeOut(kHelp);
            return kExitOk;
        } else if (argument.starts_with("--")) {
            return usageError("unknown option " + std::string(argument), kUsage);
        } else {
            positional.emplace_back(argument);
        }
    }
    size_t files = 0;
    while (files < positional.size() && pathExists(positional[files]))
        ++files;
    if (files == 0) return usageError("no FILE given", kUsage);
    const std::vector<std::string> tags(positional.begin() + static_cast<long>(files),
                                        positional.end());
    if (tags.empty()) return usageError("no TAG given", kUsage);
    for (const std::string& tag : tags) {
        if (tag != "gps" && !isKnownRowName(parseRowName(tag)))
            return usageError("unknown tag " + tag, kUsage);
    }
    const Settings settings = settingsForRun();
    JournalStore journal = journalForRun(settings);
    bool ok = true;
    for (size_t i = 0; i < files; ++i)
        ok = deleteFrom(positional[i], tags, settings, journal) && ok;
    return ok ? kExitOk : kExitFailed;
}

}  // namespace brevino::cli
