#include "cli/cli_support.h"

#include <unistd.h>

#include <cerrno>

#include "exif/analysis.h"
#include "platform/directory_listing.h"
#include "workspace/file_list.h"

namespace brevino::cli {
namespace {

void writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        text.remove_prefix(static_cast<size_t>(written));
    }
}

}  // namespace

std::string messageLine(std::string_view file, std::string_view caption, std::string_view text) {
    std::string line;
    line.reserve(file.size() + caption.size() + text.size() + 5);
    if (!file.empty()) line.append(file).append(": ");
    line.append(caption).append(": ").append(text).push_back('\n');
    return line;
}

void StderrReporter::report(std::string_view text, std::string_view caption) {
    writeAll(STDERR_FILENO, messageLine(file, caption, text));
}

void StderrReporter::reportAbout(std::string_view path, std::string_view text,
                                 std::string_view caption) {
    writeAll(STDERR_FILENO, messageLine(path, caption, text));
}

int usageError(std::string_view problem, std::string_view usage) {
    std::string text = "brevino-cli: ";
    text.append(problem).append("\nusage: ").append(usage).push_back('\n');
    writeAll(STDERR_FILENO, text);
    return kExitUsage;
}

bool isHelpFlag(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

void writeOut(std::string_view text) {
    writeAll(STDOUT_FILENO, text);
}

void writeErr(std::string_view text) {
    writeAll(STDERR_FILENO, text);
}

Settings settingsForRun() {
    return readSettings(settingsFilePath());
}

namespace {

std::vector<std::string> expand(const std::vector<std::string>& paths, bool recursive,
                                bool photoNamesAreFiles) {
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        if ((photoNamesAreFiles && isPhotoName(path)) || pathKind(path) != PathKind::Directory) {
            files.push_back(path);
            continue;
        }
        std::vector<std::string> inside =
            photoFilesIn(withoutTrailingSeparators(path), Links::Followed, recursive);
        files.insert(files.end(), inside.begin(), inside.end());
    }
    return files;
}

}  // namespace

std::vector<std::string> expandPaths(const std::vector<std::string>& paths, bool recursive) {
    return expand(paths, recursive, false);
}

std::vector<std::string> expandUnnamedPaths(const std::vector<std::string>& paths, bool recursive) {
    return expand(paths, recursive, true);
}

JournalStore journalForRun(const Settings& settings) {
    return JournalStore(JournalStore::defaultFolder(), settings.journalLimitMiB << 20);
}

}  // namespace brevino::cli
