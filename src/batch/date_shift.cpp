#include "batch/date_shift.h"

#include "edit/exif_date.h"

namespace brevino {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t daysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(int64_t days, int64_t& year, int& month, int& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = yearOfEra + era * 400 + (month <= 2);
}

// The run of digits at `at` (at most `most` of them), advancing past it.
std::optional<int64_t> digits(std::string_view text, size_t& at, size_t most) {
    const size_t start = at;
    int64_t value = 0;
    while (at < text.size() && at - start < most && text[at] >= '0' && text[at] <= '9')
        value = value * 10 + (text[at++] - '0');
    if (at == start) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int64_t> parseDateShift(std::string_view text) {
    size_t at = 0;
    int64_t sign = 1;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        sign = text[0] == '-' ? -1 : 1;
        ++at;
    }
    int64_t days = 0;
    const bool dayCount = text.find(' ', at) != std::string_view::npos;
    if (dayCount) {
        const auto count = digits(text, at, 6);
        if (!count || at != text.find(' ') || *count > 100000) return std::nullopt;
        days = *count;
        ++at;
    }
    // After a day count the hours are those of a day; alone, any number of hours.
    const auto hours = digits(text, at, 6);
    if (!hours || at >= text.size() || text[at] != ':' || (dayCount && *hours > 23))
        return std::nullopt;
    ++at;
    const size_t minuteStart = at;
    const auto minutes = digits(text, at, 2);
    if (!minutes || at - minuteStart != 2 || *minutes >= 60) return std::nullopt;
    int64_t seconds = 0;
    if (at < text.size()) {
        if (text[at] != ':') return std::nullopt;
        const size_t secondStart = ++at;
        const auto value = digits(text, at, 2);
        if (!value || at - secondStart != 2 || *value >= 60 || at != text.size())
            return std::nullopt;
        seconds = *value;
    }
    return sign * (days * kSecondsPerDay + *hours * 3600 + *minutes * 60 + seconds);
}

std::optional<std::string> parseZoneOffset(std::string_view text) {
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':')
        return std::nullopt;
    size_t at = 1;
    const auto hours = digits(text, at, 2);
    at = 4;
    const auto minutes = digits(text, at, 2);
    if (!hours || !minutes || *hours > 14 || *minutes >= 60) return std::nullopt;
    return std::string(text);
}

std::optional<std::string> shiftExifDate(std::string_view date, int64_t seconds) {
    const std::optional<ExifDateTime> parsed = parseExifDate(date);
    if (!parsed) return std::nullopt;
    const int64_t start = daysFromCivil(parsed->year, parsed->month, parsed->day) * kSecondsPerDay +
                          parsed->hour * 3600 + parsed->minute * 60 + parsed->second;
    const int64_t moved = start + seconds;
    int64_t days = moved / kSecondsPerDay;
    int64_t within = moved % kSecondsPerDay;
    if (within < 0) {
        within += kSecondsPerDay;
        --days;
    }
    int64_t year = 0;
    ExifDateTime result;
    civilFromDays(days, year, result.month, result.day);
    if (year < 1601 || year > 9999) return std::nullopt;
    result.year = static_cast<int>(year);
    result.hour = static_cast<int>(within / 3600);
    result.minute = static_cast<int>(within / 60 % 60);
    result.second = static_cast<int>(within % 60);
    return formatExifDate(result);
}

}  // namespace brevino
