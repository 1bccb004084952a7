#include "cli/set_command.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/cli_support.h"
#include "edit/editing.h"
#include "edit/row_lookup.h"
#include "journal/journal_store.h"
#include "platform/language.h"
#include "workspace/messages.h"
#include "workspace/workspace.h"

namespace brevino::cli {
namespace {

constexpr std::string_view kUsage =
    "brevino-cli set [--option KEY=VALUE]... [--truncate] [--] FILE [IFD:]NAME=VALUE...";
constexpr std::string_view kHelp =
    "usage: brevino-cli set [--option KEY=VALUE]... [--truncate] [--] FILE [IFD:]NAME=VALUE...\n"
    "\n"
    "Sets rows of FILE and saves them in place, under the same rules as editing a row in the\n"
    "desktop application. NAME is a tag's key (ImageDescription, letter case counting), its\n"
    "display name (%NAME%) or its number (0x010E, 270); the first editable row of that\n"
    "name gets VALUE. An IFD before the name picks the\n"
    "row of that IFD: 0th:, exif:, gps:, interop:, 1st: or makernote: (1st:0x011A=300/1).\n"
    "Numbers must be plain decimals within the type's range, dates real Exif dates\n"
    "(YYYY:MM:DD HH:MM:SS); rows that hold the file's structure are not edited. A text longer\n"
    "than its field is refused unless --truncate is given. A standard tag the file lacks is\n"
    "added (JPEG only; the Exif segment is then written anew, checked, and put in place;\n"
    "a JPEG without Exif gets a segment). When any value is refused,\n"
    "nothing is saved. Without NAME=VALUE pairs the file is just saved (with\n"
    "--option ExifDate=1 that aligns its dates and times with its file-change date).\n"
    "  --option KEY=VALUE  DateUp, AllDate or ExifDate, 0 or 1, for this run\n"
    "                      (default: brevino.ini)\n"
    "  --truncate          cut a text that is too long at its field's length\n"
    "Exit status: 0 when saved, 1 when refused or failed, 2 for a usage error.\n";

// Sets each named row the file has, and plans the addition of each standard entry it lacks;
// false when any pair is refused (every refusal is reported).
bool setOrAdd(Workspace& workspace, StderrReporter& reporter,
              const std::vector<std::pair<std::string, std::string>>& pairs, LongText longText,
              std::vector<EntryAddition>& additions) {
    bool refused = false;
    for (const auto& [name, value] : pairs) {
        const RowName rowName = parseRowName(name);
        const RowLookup lookup = findRow(workspace.document(), workspace.rows(), rowName);
        if (lookup.editable >= 0) {
            if (!workspace.setRow(static_cast<size_t>(lookup.editable), value, longText))
                refused = true;
            continue;
        }
        bool added = false;
        if (lookup.exists()) {
            const auto row = static_cast<size_t>(lookup.first);
            workspace.report(Problem::NotEditable);
            const Problem reason = whyNotEditable(workspace.document(), workspace.rows(), row);
            std::string why(workspace.cell(row, Column::Tag));
            why.append(": ").append(messageText(reason));
            reporter.report(why, messageFor(reason).caption);
        } else if (const std::optional<StandardTag> standard = standardTagNamed(rowName)) {
            // A standard entry the file lacks is added.
            const bool twice = std::any_of(additions.begin(), additions.end(), [&](const auto& a) {
                return a.ifd == standard->ifd && a.tag == standard->tag->tag;
            });
            if (twice) {
                reporter.report("named twice: " + name, "brevino-cli");
            } else if (std::optional<EntryAddition> addition =
                           workspace.addition(standard->ifd, standard->tag->tag, value)) {
                additions.push_back(std::move(*addition));
                added = true;
            }
        } else {
            reporter.report("no row named " + name, "brevino-cli");
        }
        if (!added) refused = true;
    }
    return !refused;
}

}  // namespace

int runSet(int argc, char** argv) {
    Settings settings = settingsForRun();
    LongText longText = LongText::Refuse;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (optionsEnded) {
            positional.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (isHelpFlag(argument)) {
            std::string help(kHelp);
            help.replace(help.find("%NAME%"), 6,
                         inTextLanguage("画像タイトル", "Image Description"));
            writeOut(help);
            return kExitOk;
        } else if (argument == "--option") {
            if (i + 1 >= argc) return usageError("--option needs KEY=VALUE", kUsage);
            if (!applyOption(argv[++i], settings)) {
                return usageError("unknown option " + std::string(argv[i]), kUsage);
            }
        } else if (argument.starts_with("--option=")) {
            if (!applyOption(argument.substr(9), settings)) {
                return usageError("unknown option " + std::string(argument.substr(9)), kUsage);
            }
        } else if (argument == "--truncate") {
            longText = LongText::Cut;
        } else if (argument.starts_with("--")) {
            return usageError("unknown option " + std::string(argument), kUsage);
        } else {
            positional.emplace_back(argument);
        }
    }
    if (positional.empty()) return usageError("no FILE given", kUsage);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (size_t i = 1; i < positional.size(); ++i) {
        const size_t equals = positional[i].find('=');
        if (equals == std::string::npos || equals == 0) {
            return usageError("expected NAME=VALUE, got " + positional[i], kUsage);
        }
        pairs.emplace_back(positional[i].substr(0, equals), positional[i].substr(equals + 1));
    }

    Workspace workspace;
    StderrReporter reporter(positional[0]);
    JournalStore journal = journalForRun(settings);
    workspace.reporter = &reporter;
    workspace.journal = &journal;
    workspace.saveKind = OperationKind::Set;
    workspace.settings = settings;
    workspace.currentFile = positional[0];
    // A JPEG without Exif may still take new entries: its missing segment is reported only
    // when nothing is to be added.
    workspace.reporter = nullptr;
    const bool walked = workspace.analyze(workspace.currentFile);
    workspace.reporter = &reporter;
    const Problem problem = workspace.document().problem;
    const bool noExif = problem == Problem::NoExifSegment;
    if (!walked && (!noExif || pairs.empty())) {
        workspace.report(problem == Problem::None ? Problem::CannotOpen : problem);
        return kExitFailed;
    }

    std::vector<EntryAddition> additions;
    const bool refused = !setOrAdd(workspace, reporter, pairs, longText, additions);
    if (refused) return kExitFailed;
    return workspace.saveWith(additions) ? kExitOk : kExitFailed;
}

}  // namespace brevino::cli
