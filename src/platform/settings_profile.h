// The settings file: an INI file read and written one key at a time, other lines kept.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workspace/settings.h"

namespace brevino {

// "brevino.ini" in $XDG_CONFIG_HOME, or in ~/.config when that is not set.
std::string settingsFilePath();

// An INI file in memory. Section and key names compare without letter case, spaces around
// "=" do not count, the first of duplicate keys wins, CRLF lines are accepted.
class Profile {
  public:
    // Reads the file; a missing file is an empty profile.
    static Profile load(const std::string& path);

    std::optional<std::string> getString(std::string_view section, std::string_view key) const;
    // The value's leading decimal number, or `fallback` when the key is missing.
    int getInt(std::string_view section, std::string_view key, int fallback) const;

    // Replaces the key's value, or adds the key at the end of its section (and the section at
    // the end of the file when it is missing).
    void set(std::string_view section, std::string_view key, std::string_view value);

    // Writes the file through a temporary file and a rename; creates its folder if missing.
    bool save(const std::string& path) const;

    const std::vector<std::string>& lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;  // without line ends; a trailing CR is kept
};

// The five settings as the file gives them, with the defaults for missing keys.
Settings readSettings(const std::string& path);
// Reads the settings and writes them all back, as the desktop application does at start.
Settings loadSettings(const std::string& path);
bool saveSettings(const std::string& path, const Settings& settings);
bool saveFolderPath(const std::string& path, const std::string& folder);

// Parses a switch value the way the settings file's numbers are read: the leading decimal
// number, kept as its low byte.
uint8_t settingByte(std::string_view value);

}  // namespace brevino
