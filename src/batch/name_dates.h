// Reading a date and time out of a file's name, for writing it into the Exif dates.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevino {

// The Exif date ("YYYY:MM:DD HH:MM:SS") that a file's base name holds, found anywhere in it in
// one of these forms:
//   YYYY:MM:DD HH:MM:SS, with ASCII or full-width colons (the names a rename by date gives,
//                        "(2)" and up included);
//   YYYYMMDD_HHMMSS or YYYYMMDD-HHMMSS (phone cameras: IMG_20220814_141231, further digits
//                        after the seconds allowed);
//   YYYY-MM-DD HH.MM.SS, with " ", "_" or "T" before the time and ".", "-" or ":" in it.
// Only a real date and time of the years 1601 to 9999 counts; nothing otherwise.
std::optional<std::string> exifDateFromName(std::string_view name);

}  // namespace brevino
