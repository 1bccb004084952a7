#include "platform/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/file_io.h"

namespace brevino {
namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

FileTimes timesOf(const FileIdentity& identity) {
    FileTimes times;
    times.access = identity.accessed;
    times.modification = identity.modified;
    return times;
}

int getFileTimes(const std::string& path, FileTimes& times) {
    return getFileTimes(openForRead(path), times);
}

int getFileTimes(const FileHandle& file, FileTimes& times) {
    if (!file.isOpen()) return 0;
    struct statx info {};
    if (statx(file.fd(), "", AT_EMPTY_PATH, STATX_ATIME | STATX_MTIME | STATX_BTIME, &info) != 0) {
        return 0;
    }
    times.access = {static_cast<time_t>(info.stx_atime.tv_sec),
                    static_cast<long>(info.stx_atime.tv_nsec)};
    times.modification = {static_cast<time_t>(info.stx_mtime.tv_sec),
                          static_cast<long>(info.stx_mtime.tv_nsec)};
    if (info.stx_mask & STATX_BTIME) {
        times.creation = timespec{static_cast<time_t>(info.stx_btime.tv_sec),
                                  static_cast<long>(info.stx_btime.tv_nsec)};
    } else {
        times.creation.reset();
    }
    return 1;
}

int setFileTimes(const std::string& path, const FileTimes& times) {
    return isRegularFile(path) ? setCheckedFileTimes(path, times) : 0;
}

int setCheckedFileTimes(const std::string& path, const FileTimes& times) {
    // By name: opening the file for it cost three calls more for each file of a batch.
    const timespec values[2] = {times.access, times.modification};
    return utimensat(AT_FDCWD, path.c_str(), values, 0) == 0 ? 1 : 0;
}

int setFileTimes(const FileHandle& file, const FileTimes& times) {
    const timespec values[2] = {times.access, times.modification};
    return file.isOpen() && futimens(file.fd(), values) == 0 ? 1 : 0;
}

std::optional<timespec> localTimeToFileTime(int year, int month, int day, int hour, int minute,
                                            int second) {
    if (year < 1601 || year > 9999 || month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > daysInMonth(year, month)) return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;  // let the zone's rules at that date decide
    const time_t seconds = std::mktime(&fields);
    return timespec{seconds, 0};
}

}  // namespace brevino
