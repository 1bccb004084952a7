// The three date rows: recognised by name, set together, and turned into file times.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_times.h"

namespace brevino {

class Workspace;

inline constexpr std::string_view kFileChangeDateName = "ファイル変更日時";
inline constexpr std::string_view kOriginalDateName = "原画像データの生成日時";

// 1 when `name` is a date-tag name (or the beginning of one); 0 for an empty name.
int isDateTagName(std::string_view name);

// Every date row's content becomes `text`.
void setAllDateRows(Workspace& workspace, std::string_view text);

// The content of the first row whose tag cell is `wanted`, or nothing.
std::optional<std::string> findRowContent(const Workspace& workspace, std::string_view wanted);

// The file time that an Exif date text ("YYYY:MM:DD HH:MM:SS") stands for, in local time.
// The separators are not examined; nothing for a text that is not a valid date.
std::optional<timespec> exifDateToTime(std::string_view text);

// When the file-change date row holds a valid date: every date row is set to it, `times`
// receives it as access and modification time, and the answer is 1. Otherwise 0, and
// neither the rows nor `times` change.
int exifDateToFileTimes(Workspace& workspace, FileTimes& times);

}  // namespace brevino
