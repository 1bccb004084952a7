// --option KEY=VALUE: one setting overridden for the run.
#pragma once

#include <string_view>

#include "workspace/settings.h"

namespace brevino::cli {

// Applies "DateUp=1", "AllDate=0" or "ExifDate=1" (key letter case ignored); false for any
// other key, a value other than 0 or 1, or a missing "=".
bool applyOption(std::string_view keyValue, Settings& settings);

// The settings file's values when it exists, the defaults otherwise; never writes it.
Settings settingsForRun();

}  // namespace brevino::cli
