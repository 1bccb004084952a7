// brevino-cli: the Exif core without a window, for scripts and large batches.
#include <malloc.h>

#include <optional>
#include <string>
#include <string_view>

#include "brevino_version.h"
#include "cli/app1_commands.h"
#include "cli/batch_command.h"
#include "cli/cli_support.h"
#include "cli/delete_command.h"
#include "cli/set_command.h"
#include "cli/show_command.h"
#include "cli/undo_command.h"
#include "platform/language.h"

namespace {

constexpr std::string_view kUsage = "brevino-cli COMMAND [ARGUMENTS]";
constexpr std::string_view kHelp =
    "usage: brevino-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  show      print the Exif rows of JPEG files\n"
    "  set       edit rows of a file by name (or add missing ones) and save them\n"
    "  delete    remove entries, or the GPS position, from files in place\n"
    "  export    write a file's Exif segment to a side file (.ap1)\n"
    "  import    write a copy of a file with a side file's Exif segment\n"
    "  batch     run one batch operation over many files\n"
    "  undo      take back the latest operation still in effect (--list: those kept)\n"
    "  redo      apply again the latest operation taken back\n"
    "  help      show this text, or a command's own help (help COMMAND)\n"
    "Options:\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "  --lang ja|en  the language of tag names, notes and messages (any command; by default\n"
    "                the locale's: LC_ALL, LC_MESSAGES or LANG; Japanese for C and POSIX)\n"
    "Run 'brevino-cli COMMAND --help' for the arguments of a command.\n";

using Command = int (*)(int argc, char** argv);

struct NamedCommand {
    std::string_view name;
    Command run;
};

constexpr NamedCommand kCommands[] = {
    {"show", brevino::cli::runShow},     {"set", brevino::cli::runSet},
    {"export", brevino::cli::runExport}, {"import", brevino::cli::runImport},
    {"batch", brevino::cli::runBatch},   {"undo", brevino::cli::runUndo},
    {"redo", brevino::cli::runRedo},     {"delete", brevino::cli::runDelete},
};

Command commandNamed(std::string_view name) {
    for (const NamedCommand& command : kCommands) {
        if (command.name == name) return command.run;
    }
    return nullptr;
}

// Takes "--lang WORD" or "--lang=WORD" out of the arguments wherever it stands before "--", and
// sets the language of the texts from it, or from the locale without it. False for a word
// that names no language.
bool takeLanguage(int& argc, char** argv) {
    std::optional<brevino::LanguageChoice> choice = brevino::LanguageChoice::Auto;
    int kept = 1;
    bool filesOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (filesOnly || argument == "--") {
            filesOnly = true;
        } else if (argument == "--lang" && i + 1 < argc) {
            choice = brevino::parseLanguageChoice(argv[++i]);
            continue;
        } else if (argument.starts_with("--lang=")) {
            choice = brevino::parseLanguageChoice(argument.substr(7));
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    if (!choice) return false;
    brevino::setTextLanguage(brevino::languageFor(*choice));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace brevino::cli;
    // Runs over many files make and free buffers of a few hundred KiB per batch of files:
    // kept in the heap rather than mapped and returned each time, they are not faulted in anew.
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    if (!takeLanguage(argc, argv)) return usageError("--lang takes ja, en or auto", kUsage);
    if (argc < 2) return usageError("no command given", kUsage);
    const std::string_view command = argv[1];
    if (isHelpFlag(command)) {
        writeOut(kHelp);
        return kExitOk;
    }
    if (command == "--version") {
        writeOut("brevino-cli " BREVINO_VERSION "\n");
        return kExitOk;
    }
    if (command == "help") {
        if (argc < 3) {
            writeOut(kHelp);
            return kExitOk;
        }
        const Command named = commandNamed(argv[2]);
        if (named == nullptr) return usageError("unknown command " + std::string(argv[2]), kUsage);
        char helpFlag[] = "--help";
        char* helpArguments[] = {helpFlag, nullptr};
        return named(1, helpArguments);
    }
    if (const Command named = commandNamed(command)) return named(argc - 2, argv + 2);
    return usageError("unknown command " + std::string(command), kUsage);
}
