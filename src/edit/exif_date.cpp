#include "edit/exif_date.h"

#include <cstdio>

namespace brevino {
namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The number of `width` digits at `at`, or -1 when any of them is not a digit.
int digitsAt(std::string_view text, size_t at, size_t width) {
    int value = 0;
    for (size_t i = at; i < at + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isRealDateTime(const ExifDateTime& date) {
    return date.year >= 1601 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= daysInMonth(date.year, date.month) && date.hour >= 0 &&
           date.hour <= 23 && date.minute >= 0 && date.minute <= 59 && date.second >= 0 &&
           date.second <= 59;
}

std::optional<ExifDateTime> parseExifDate(std::string_view text) {
    if (text.size() != 19) return std::nullopt;
    for (size_t at : {4, 7, 13, 16}) {
        if (text[at] != ':') return std::nullopt;
    }
    if (text[10] != ' ') return std::nullopt;
    ExifDateTime date{digitsAt(text, 0, 4),  digitsAt(text, 5, 2),  digitsAt(text, 8, 2),
                      digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)};
    if (!isRealDateTime(date)) return std::nullopt;
    return date;
}

std::string formatExifDate(const ExifDateTime& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", date.year, date.month,
                  date.day, date.hour, date.minute, date.second);
    return text;
}

}  // namespace brevino
