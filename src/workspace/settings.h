// The switches and the remembered folder that steer browsing, editing and saving, and the
// one table of keys that the settings file, the options dialog and --option follow.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/language.h"

namespace brevino {

// Where the main window stood and how its panes were divided when it was last closed, in
// the window's own (device-independent) pixels; 0 for what was never kept.
struct WindowLayout {
    int left = 0;
    int top = 0;
    int width = 0;  // the window's normal (not maximised) size, frame excluded
    int height = 0;
    int maximized = 0;     // nonzero: it was closed maximised
    int previewWidth = 0;  // the preview pane's width beside the file list
    int topHeight = 0;     // the height of the preview and file list above the table

    bool keptSize() const { return width > 0 && height > 0; }
};

struct Settings {
    uint8_t folder = 1;  // nonzero: the folder browser starts from lastFolder
    std::string lastFolder;
    uint8_t dateUp = 1;    // exactly 1: a save keeps the file's times
    uint8_t allDate = 0;   // exactly 1: editing one date row changes every date row
    uint8_t exifDate = 0;  // exactly 1: a save aligns dates and times with the file-change date
    uint8_t rotate = 1;    // nonzero: the preview is turned as the Orientation row says
    // How many MiB the journals of undo may take (the latest operation is always kept).
    uint64_t journalLimitMiB = 1024;
    // The language of the window and of the core's texts: the desktop's, or one chosen.
    LanguageChoice language = LanguageChoice::Auto;
    WindowLayout window;

    bool keepsTimes() const { return dateUp == 1; }
    bool editsAllDates() const { return allDate == 1; }
    bool alignsDates() const { return exifDate == 1; }
    bool turnsPreview() const { return rotate != 0; }
};

// One on/off switch: its key in the settings file, where it is held, its default, the
// options dialog's check box (id and text), and whether --option may set it.
struct SwitchKey {
    std::string_view key;
    uint8_t Settings::*field;
    uint8_t fallback;
    int dialogId;
    std::string_view label;
    std::string_view englishLabel;
    bool option;
};

// The check box's text in the language of the texts.
inline std::string_view switchLabel(const SwitchKey& key) {
    return inTextLanguage(key.label, key.englishLabel);
}

inline constexpr std::array<SwitchKey, 5> kSwitchKeys = {{
    {"folder", &Settings::folder, 1, 605, "ﾌｫﾙﾀﾞ選択時、最後に開いたﾌｫﾙﾀﾞから開く",
     "Open the folder last opened when choosing a folder", false},
    {"DateUp", &Settings::dateUp, 1, 606, "更新日時を変更しない",
     "Keep the file's modification time", true},
    {"AllDate", &Settings::allDate, 0, 607, "日時一括変更", "Change all dates together", true},
    {"ExifDate", &Settings::exifDate, 0, 608, "保存時、ﾌｧｲﾙ変更日時に合わせる",
     "On saving, align with the file's modification time", true},
    {"Rotate", &Settings::rotate, 1, 609, "画像方向に合わせて表示する",
     "Show the picture turned by its orientation", false},
}};

// The key of the remembered folder; it comes second in the file, after `folder`.
inline constexpr std::string_view kFolderPathKey = "folderpath";
// The key of the journals' size limit in MiB; read when present, never written.
inline constexpr std::string_view kJournalLimitKey = "JournalLimit";
// The key of the language choice ("auto", "ja" or "en"); written only when one is chosen.
inline constexpr std::string_view kLanguageKey = "Language";

// One number of the window's layout and its key in the settings file. These keys are written
// only when the window closes (saveWindowLayout), never at start.
struct LayoutKey {
    std::string_view key;
    int WindowLayout::*field;
};

inline constexpr std::array<LayoutKey, 7> kLayoutKeys = {{
    {"WindowLeft", &WindowLayout::left},
    {"WindowTop", &WindowLayout::top},
    {"WindowWidth", &WindowLayout::width},
    {"WindowHeight", &WindowLayout::height},
    {"WindowMaximized", &WindowLayout::maximized},
    {"PreviewWidth", &WindowLayout::previewWidth},
    {"TopHeight", &WindowLayout::topHeight},
}};

// "brevino.ini" in $XDG_CONFIG_HOME (or ~/.config).
std::string settingsFilePath();

// The settings as the file gives them, with the defaults for missing keys; a switch keeps
// the low byte of its number.
Settings readSettings(const std::string& path);
// Reads the settings and writes them all back, as the desktop application does at start.
Settings loadSettings(const std::string& path);
bool saveSettings(const std::string& path, const Settings& settings);
bool saveFolderPath(const std::string& path, const std::string& folder);
bool saveLanguage(const std::string& path, LanguageChoice language);
// Writes the layout's keys (and only those).
bool saveWindowLayout(const std::string& path, const WindowLayout& layout);

// What a batch run follows of the settings: keeping times, aligning dates, setting every
// date row.
struct BatchSettings;
BatchSettings batchSettingsOf(const Settings& settings);

// Applies "KEY=0" or "KEY=1" for a switch that --option may set (key letter case ignored);
// false for any other key or value.
bool applyOption(std::string_view keyValue, Settings& settings);

}  // namespace brevino
