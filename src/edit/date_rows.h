// The date rows: found by tag number, and the file-change date turned into file times.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "edit/edits.h"
#include "exif/row_list.h"
#include "platform/file_times.h"

namespace brevino {

// The content of the first row, in list order, of the standard IFDs' tag `tag` (a date row
// is found by its number: 0x0132, 0x9003, 0x9004), edits included; nothing without one.
std::optional<std::string_view> dateRowContent(const Document& document, const RowList& rows,
                                               const Edits& edits, uint16_t tag);

// The file time that an Exif date text ("YYYY:MM:DD HH:MM:SS") stands for, in local time at
// that date. The separators are not examined; nothing for a text that is not a real date.
std::optional<timespec> exifDateToTime(std::string_view text);

// When the file-change date row holds a real date: every date row is set to it and its time
// is answered. Otherwise nothing, and no row changes.
std::optional<timespec> alignDatesWithChangeDate(const Document& document, const RowList& rows,
                                                 Edits& edits);

}  // namespace brevino
