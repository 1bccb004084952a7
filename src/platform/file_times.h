// A file's time stamps: read and set, and Exif dates turned into them.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace brevino {

class FileHandle;

struct FileTimes {
    std::optional<timespec> creation;  // read where the file system reports it; never set
    timespec access{};
    timespec modification{};
};

struct FileIdentity;

// The access and modification times an identity was taken with.
FileTimes timesOf(const FileIdentity& identity);

// Reads the times of an existing regular file; 0 when it cannot be opened.
int getFileTimes(const std::string& path, FileTimes& times);
// The same for a file already open.
int getFileTimes(const FileHandle& file, FileTimes& times);
// Sets the access and modification times of a regular file (links followed), to the
// nanosecond; 0 when that fails.
int setFileTimes(const std::string& path, const FileTimes& times);
// The same without the look at what the path names: for a caller that has just made sure it
// is the regular file it means.
int setCheckedFileTimes(const std::string& path, const FileTimes& times);
// The same through a file open for writing.
int setFileTimes(const FileHandle& file, const FileTimes& times);

// A calendar date and time read as local time at that date (summer dates get the summer
// offset). Nothing for a date that is not a real one or lies outside the years 1601 to 9999.
std::optional<timespec> localTimeToFileTime(int year, int month, int day, int hour, int minute,
                                            int second);

}  // namespace brevino
