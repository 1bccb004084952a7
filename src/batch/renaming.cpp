#include "batch/renaming.h"

#include "edit/date_rows.h"
#include "platform/file_io.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

constexpr std::string_view kFullWidthColon = "：";
constexpr int kHighestNumber = 100;
// Another program may take a candidate between the check and the rename; try again.
constexpr int kRenameAttempts = 3;

std::string folderPrefix(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string numberedCandidate(const std::string& prefix, std::string_view name, int number) {
    std::string candidate = prefix;
    candidate.append(name);
    if (number > 1) {
        candidate.push_back('(');
        candidate.append(std::to_string(number));
        candidate.push_back(')');
    }
    candidate.append(".jpg");
    return candidate;
}

// A name that stays inside its folder.
bool isSafeName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

}  // namespace

std::string baseNameOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return;
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::optional<std::string> makeUniqueName(const std::string& path, std::string_view name) {
    if (!isSafeName(name) || !pathExists(path)) return std::nullopt;
    const std::string prefix = folderPrefix(path);
    // Renaming again changes nothing: a file that carries one of its names keeps it.
    for (int number = 1; number <= kHighestNumber; ++number) {
        if (numberedCandidate(prefix, name, number) == path) return path;
    }
    for (int number = 1; number <= kHighestNumber; ++number) {
        std::string candidate = numberedCandidate(prefix, name, number);
        if (!pathExists(candidate)) return candidate;
    }
    return std::nullopt;
}

std::optional<std::string> renameAfterDateRow(Workspace& workspace, std::string_view rowName,
                                              const std::string& path) {
    std::optional<std::string> name = findRowContent(workspace, rowName);
    if (!name) return std::nullopt;
    replaceAll(*name, ":", kFullWidthColon);
    for (int attempt = 0; attempt < kRenameAttempts; ++attempt) {
        std::optional<std::string> target = makeUniqueName(path, *name);
        if (!target) return std::nullopt;
        if (*target == path) return path;
        if (renameNoReplace(path, *target)) return target;
        if (!pathExists(path)) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace brevino
