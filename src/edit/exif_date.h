// Exif date-time texts ("YYYY:MM:DD HH:MM:SS"): checked, read and written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevino {

struct ExifDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Exif's way of leaving a date unknown: blanks in place of every digit.
inline constexpr std::string_view kUnknownExifDate = "    :  :     :  :  ";

// The date of a text that is exactly "YYYY:MM:DD HH:MM:SS" and names a real calendar date and
// time in the years 1601 to 9999; nothing otherwise.
std::optional<ExifDateTime> parseExifDate(std::string_view text);

// "YYYY:MM:DD HH:MM:SS"
std::string formatExifDate(const ExifDateTime& date);

// Whether the fields make a real date and time in the years 1601 to 9999.
bool isRealDateTime(const ExifDateTime& date);

int daysInMonth(int year, int month);

}  // namespace brevino
