#include "cli/option_arguments.h"

#include <strings.h>

#include <string>

#include "platform/settings_profile.h"

namespace brevino::cli {

bool applyOption(std::string_view keyValue, Settings& settings) {
    const size_t equals = keyValue.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string key(keyValue.substr(0, equals));
    const std::string_view text = keyValue.substr(equals + 1);
    // A switch is on or off: any other value is a mistake, not a setting to guess at.
    if (text != "0" && text != "1") return false;
    const uint8_t value = text == "1" ? 1 : 0;
    if (strcasecmp(key.c_str(), "DateUp") == 0) {
        settings.dateUp = value;
    } else if (strcasecmp(key.c_str(), "AllDate") == 0) {
        settings.allDate = value;
    } else if (strcasecmp(key.c_str(), "ExifDate") == 0) {
        settings.exifDate = value;
    } else {
        return false;
    }
    return true;
}

Settings settingsForRun() {
    return readSettings(settingsFilePath());
}

}  // namespace brevino::cli
