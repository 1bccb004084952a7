#include "platform/settings_profile.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "platform/file_io.h"
#include "platform/leading_number.h"

namespace brevino {
namespace {

std::string_view trimmed(std::string_view text) {
    size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) return {};
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(start, end - start + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The section name of a "[name]" line, or nothing.
std::optional<std::string_view> sectionName(std::string_view line) {
    std::string_view text = trimmed(line);
    if (text.size() < 2 || text.front() != '[') return std::nullopt;
    size_t close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(text.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::string_view key = trimmed(line.substr(0, equals));
    if (key.empty() || key.front() == ';') return std::nullopt;
    return KeyLine{key, trimmed(line.substr(equals + 1))};
}

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : "/tmp";
    }
    return home;
}

// An XDG base folder: the variable when it holds an absolute path, else the default.
std::string xdgFolder(const char* variable, const char* fallbackUnderHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    return homeFolder() + fallbackUnderHome;
}

}  // namespace

std::string configFolder() {
    return xdgFolder("XDG_CONFIG_HOME", "/.config");
}

std::string stateFolder() {
    return xdgFolder("XDG_STATE_HOME", "/.local/state");
}

bool makeFolders(const std::string& folder) {
    if (folder.empty() || isDirectory(folder)) return true;
    size_t slash = folder.rfind('/');
    if (slash != std::string::npos && slash > 0 && !makeFolders(folder.substr(0, slash)))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

Profile Profile::load(const std::string& path) {
    Profile profile;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        profile.lines_.push_back(line);
    return profile;
}

std::optional<std::string> Profile::getString(std::string_view section,
                                              std::string_view key) const {
    bool inSection = false;
    for (const std::string& line : lines_) {
        if (auto name = sectionName(line)) {
            inSection = equalsIgnoringCase(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto entry = keyLine(line); entry && equalsIgnoringCase(entry->key, key)) {
            return std::string(entry->value);
        }
    }
    return std::nullopt;
}

int Profile::getInt(std::string_view section, std::string_view key, int fallback) const {
    std::optional<std::string> value = getString(section, key);
    return value ? leadingSignedNumber(*value) : fallback;
}

void Profile::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string newLine = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::optional<size_t> sectionEnd;  // index after the section's last key line
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = sectionName(lines_[i])) {
            if (inSection) break;
            inSection = equalsIgnoringCase(*name, section);
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (auto entry = keyLine(lines_[i])) {
            if (equalsIgnoringCase(entry->key, key)) {
                const bool crlf = !lines_[i].empty() && lines_[i].back() == '\r';
                lines_[i] = newLine + (crlf ? "\r" : "");
                return;
            }
            sectionEnd = i + 1;
        }
    }
    if (sectionEnd) {
        lines_.insert(lines_.begin() + static_cast<long>(*sectionEnd), newLine);
        return;
    }
    std::string header(1, '[');
    header.append(section).push_back(']');
    lines_.push_back(std::move(header));
    lines_.push_back(newLine);
}

bool Profile::save(const std::string& path) const {
    size_t slash = path.rfind('/');
    if (slash != std::string::npos && !makeFolders(path.substr(0, slash))) return false;
    std::string text;
    for (const std::string& line : lines_)
        text.append(line).push_back('\n');
    std::optional<TemporaryFile> temporary = createTemporaryBeside(path);
    if (!temporary) return false;
    if (temporary->handle.write(text.data(), text.size()) != text.size()) {
        discardTemporary(*temporary);
        return false;
    }
    return commitTemporary(*temporary, path);
}

}  // namespace brevino
