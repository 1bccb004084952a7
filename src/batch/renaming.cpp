#include "batch/renaming.h"

#include "platform/file_io.h"

namespace brevino {
namespace {

constexpr std::string_view kFullWidthColon = "：";
constexpr std::string_view kExtension = ".jpg";
constexpr int kHighestNumber = 100;

std::string folderPrefix(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A name that stays inside its folder.
bool isSafeName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

}  // namespace

std::string baseNameOf(std::string_view path) {
    const std::string_view name = fileNameOf(path);
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

std::string nameForDate(std::string_view date) {
    std::string name(date);
    replaceAll(name, ":", kFullWidthColon);
    return name;
}

std::optional<std::string> makeUniqueName(const std::string& path, std::string_view name,
                                          const std::set<std::string>* reserved) {
    if (!isSafeName(name) || !pathExists(path)) return std::nullopt;
    const std::string stem = folderPrefix(path).append(name);
    // Renaming again changes nothing: a file that carries one of its names keeps it.
    for (int number = 1; number <= kHighestNumber; ++number) {
        if (numberedName(stem, number, kExtension) == path) return path;
    }
    for (int number = 1; number <= kHighestNumber; ++number) {
        std::string candidate = numberedName(stem, number, kExtension);
        if (!pathExists(candidate) && (reserved == nullptr || !reserved->count(candidate)))
            return candidate;
    }
    return std::nullopt;
}

}  // namespace brevino
