#include "edit/date_rows.h"

#include <string>

#include "edit/editing.h"
#include "platform/leading_number.h"
#include "tags/tag_roles.h"

namespace brevino {

std::optional<std::string_view> dateRowContent(const Document& document, const RowList& rows,
                                               const Edits& edits, uint16_t tag) {
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows.isHeading(r)) continue;
        const Entry& entry = document.entries[rows.entryIndex(r)];
        if (isStandardIfd(entry.ifd) && entry.tag == tag) return contentOf(rows, edits, r);
    }
    return std::nullopt;
}

std::optional<timespec> exifDateToTime(std::string_view text) {
    // The separators are not looked at: the six numbers stand at fixed places.
    if (text.size() < 19) return std::nullopt;
    auto number = [&](size_t at, size_t width) {
        return leadingSignedNumber(text.substr(at, width));
    };
    return localTimeToFileTime(number(0, 4), number(5, 2), number(8, 2), number(11, 2),
                               number(14, 2), number(17, std::string_view::npos));
}

std::optional<timespec> alignDatesWithChangeDate(const Document& document, const RowList& rows,
                                                 Edits& edits) {
    const std::optional<std::string_view> date =
        dateRowContent(document, rows, edits, tags::kDateTime);
    if (!date) return std::nullopt;
    // A blank or broken date must neither reach the file's times nor overwrite the others.
    const std::optional<timespec> time = exifDateToTime(*date);
    if (!time) return std::nullopt;
    setAllDateRows(document, rows, edits, std::string(*date));
    return time;
}

}  // namespace brevino
