// brevino-cli: the Exif core without a window, for scripts and large batches.
#include <string>
#include <string_view>

#include "brevino_version.h"
#include "cli/app1_commands.h"
#include "cli/batch_command.h"
#include "cli/cli_support.h"
#include "cli/set_command.h"
#include "cli/show_command.h"

namespace {

constexpr std::string_view kHelp =
    "usage: brevino-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  show      print the Exif rows of JPEG files\n"
    "  set       edit rows of a file by name and save them in place\n"
    "  export    write a file's Exif segment to a side file (.ap1)\n"
    "  import    write a copy of a file with a side file's Exif segment\n"
    "  batch     run one batch operation over many files\n"
    "Run 'brevino-cli COMMAND --help' for the arguments of a command.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace brevino::cli;
    if (argc < 2) return usageError("no command given", "brevino-cli COMMAND [ARGUMENTS]");
    std::string_view command = argv[1];
    if (isHelpFlag(command)) {
        writeOut(kHelp);
        return kExitOk;
    }
    if (command == "--version") {
        writeOut("brevino-cli " BREVINO_VERSION "\n");
        return kExitOk;
    }
    if (command == "show") return runShow(argc - 2, argv + 2);
    if (command == "set") return runSet(argc - 2, argv + 2);
    if (command == "export") return runExport(argc - 2, argv + 2);
    if (command == "import") return runImport(argc - 2, argv + 2);
    if (command == "batch") return runBatch(argc - 2, argv + 2);
    return usageError("unknown command " + std::string(command), "brevino-cli COMMAND [ARGUMENTS]");
}
