// What every brevino-cli subcommand shares: exit codes, message output, help texts.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "journal/journal_store.h"
#include "workspace/reporter.h"
#include "workspace/settings.h"

namespace brevino::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Writes messages to standard error as "PATH: caption: text", naming the file they are about.
class StderrReporter : public Reporter {
  public:
    explicit StderrReporter(std::string file = {}) : file(std::move(file)) {}
    void report(std::string_view text, std::string_view caption) override;
    void reportAbout(std::string_view path, std::string_view text,
                     std::string_view caption) override;
    std::string file;  // the file the messages are about; none for messages about no file
};

// "PATH: caption: text" and a line feed (without the path when it is empty).
std::string messageLine(std::string_view file, std::string_view caption, std::string_view text);

// Prints "brevino-cli: <problem>" and the usage line; answers kExitUsage.
int usageError(std::string_view problem, std::string_view usage);

bool isHelpFlag(std::string_view argument);

// Writes the whole text to standard output (or standard error) at once.
void writeOut(std::string_view text);
void writeErr(std::string_view text);

// The settings file's values when it exists, the defaults otherwise; never writes it.
Settings settingsForRun();

// The files the command line's paths stand for: a file as it is, a folder as the photo files
// the window would list there (with those of its subfolders when `recursive`). A path that is
// neither is kept, for the command to report.
std::vector<std::string> expandPaths(const std::vector<std::string>& paths, bool recursive);
// The same, with a path named as a photo ("x.jpg") taken as a file without asking the file
// system: for a command that finds out itself, and expands with expandPaths, a folder so named.
std::vector<std::string> expandUnnamedPaths(const std::vector<std::string>& paths, bool recursive);

// The journal of undo in its usual place, with the size limit the settings give.
JournalStore journalForRun(const Settings& settings);

}  // namespace brevino::cli
