#include "workspace/settings.h"

#include <strings.h>

#include "batch/batch_run.h"
#include "platform/settings_profile.h"

namespace brevino {
namespace {

constexpr std::string_view kSection = "option";

}  // namespace

std::string settingsFilePath() {
    return configFolder() + "/brevino.ini";
}

Settings readSettings(const std::string& path) {
    const Profile profile = Profile::load(path);
    Settings settings;
    for (const SwitchKey& key : kSwitchKeys)
        settings.*key.field = static_cast<uint8_t>(profile.getInt(kSection, key.key, key.fallback));
    settings.lastFolder = profile.getString(kSection, kFolderPathKey).value_or("");
    const int limit = profile.getInt(kSection, kJournalLimitKey, 1024);
    if (limit > 0) settings.journalLimitMiB = static_cast<uint64_t>(limit);
    // A word the file does not know leaves the choice to the desktop's locale.
    settings.language = parseLanguageChoice(profile.getString(kSection, kLanguageKey).value_or(""))
                            .value_or(LanguageChoice::Auto);
    for (const LayoutKey& key : kLayoutKeys)
        settings.window.*key.field = profile.getInt(kSection, key.key, 0);
    return settings;
}

Settings loadSettings(const std::string& path) {
    Settings settings = readSettings(path);
    saveSettings(path, settings);
    return settings;
}

bool saveSettings(const std::string& path, const Settings& settings) {
    Profile profile = Profile::load(path);
    for (const SwitchKey& key : kSwitchKeys) {
        profile.set(kSection, key.key, std::to_string(settings.*key.field));
        // The remembered folder is written second, as the file has always held it.
        if (key.field == &Settings::folder)
            profile.set(kSection, kFolderPathKey, settings.lastFolder);
    }
    return profile.save(path);
}

bool saveFolderPath(const std::string& path, const std::string& folder) {
    Profile profile = Profile::load(path);
    profile.set(kSection, kFolderPathKey, folder);
    return profile.save(path);
}

bool saveLanguage(const std::string& path, LanguageChoice language) {
    Profile profile = Profile::load(path);
    profile.set(kSection, kLanguageKey, std::string(languageChoiceWord(language)));
    return profile.save(path);
}

bool saveWindowLayout(const std::string& path, const WindowLayout& layout) {
    Profile profile = Profile::load(path);
    for (const LayoutKey& key : kLayoutKeys)
        profile.set(kSection, key.key, std::to_string(layout.*key.field));
    return profile.save(path);
}

BatchSettings batchSettingsOf(const Settings& settings) {
    BatchSettings batch;
    batch.keepTimes = settings.keepsTimes();
    batch.alignDates = settings.alignsDates();
    batch.allDate = settings.editsAllDates();
    return batch;
}

bool applyOption(std::string_view keyValue, Settings& settings) {
    const size_t equals = keyValue.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string key(keyValue.substr(0, equals));
    const std::string_view value = keyValue.substr(equals + 1);
    // A switch is on or off: any other value is a mistake, not a setting to guess at.
    if (value != "0" && value != "1") return false;
    for (const SwitchKey& each : kSwitchKeys) {
        if (each.option && strcasecmp(key.c_str(), std::string(each.key).c_str()) == 0) {
            settings.*each.field = value == "1" ? 1 : 0;
            return true;
        }
    }
    return false;
}

}  // namespace brevino
