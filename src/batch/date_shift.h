// Moving Exif dates by a fixed amount, with calendar arithmetic, and the offset's text form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brevino {

// "[+|-][DAYS ]HH:MM[:SS]" as seconds ("+1 02:03:04", "-0:30", "1:00", "+49:00"); nothing for
// any other text. Minutes and seconds are 0-59; hours 0-23 after a day count (at most 100000
// days), any number of hours without one.
std::optional<int64_t> parseDateShift(std::string_view text);

// "±HH:MM", the form of the time-zone offsets; nothing for any other text.
std::optional<std::string> parseZoneOffset(std::string_view text);

// The date moved by `seconds` across month ends and leap years; nothing for a text that is
// no real date (the unknown date among them) or a result outside the years 1601 to 9999.
std::optional<std::string> shiftExifDate(std::string_view date, int64_t seconds);

}  // namespace brevino
