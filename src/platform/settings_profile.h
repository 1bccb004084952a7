// INI files read and written one key at a time, other lines kept; and where a user's
// settings and state live.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevino {

// $XDG_CONFIG_HOME, or ~/.config when that is not set (or not an absolute path).
std::string configFolder();
// $XDG_STATE_HOME, or ~/.local/state when that is not set (or not an absolute path).
std::string stateFolder();

// Makes the folder and the folders above it that are missing (mode 0700).
bool makeFolders(const std::string& folder);

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

}  // namespace brevino
