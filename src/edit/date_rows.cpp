#include "edit/date_rows.h"

#include <algorithm>
#include <cstring>

#include "edit/row_editor.h"
#include "tags/leading_number.h"
#include "tags/tag_dictionary.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

// Whether the cell equals the leading bytes of `name` over the cell's own length.
bool cellIsBeginningOf(std::string_view cell, std::string_view name) {
    return !cell.empty() && name.starts_with(cell);
}

}  // namespace

int isDateTagName(std::string_view name) {
    if (name.empty()) return 0;
    for (std::string_view dateName : DateTagNames) {
        if (dateName.starts_with(name)) return 1;
    }
    return 0;
}

void setAllDateRows(Workspace& workspace, std::string_view text) {
    TagList& rows = workspace.tagList;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!rows.isHeading(r) && isDateEntry(rows.facts(r).ifd, rows.facts(r).tagId))
            rows.setContent(r, text);
    }
}

std::optional<std::string> findRowContent(const Workspace& workspace, std::string_view wanted) {
    const TagList& rows = workspace.tagList;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (cellIsBeginningOf(rows.cell(r, Column::Tag), wanted)) {
            return std::string(rows.cell(r, Column::Content));
        }
    }
    return std::nullopt;
}

std::optional<timespec> exifDateToTime(std::string_view text) {
    if (text.size() < 19) return std::nullopt;
    char fields[256] = {};
    std::memcpy(fields, text.data(), std::min<size_t>(text.size(), 255));
    for (int separator : {4, 7, 10, 13, 16})
        fields[separator] = '\0';
    auto number = [&](int at) { return leadingSignedNumber(std::string_view(fields + at)); };
    return localTimeToFileTime(number(0), number(5), number(8), number(11), number(14), number(17));
}

int exifDateToFileTimes(Workspace& workspace, FileTimes& times) {
    std::optional<std::string> date = findRowContent(workspace, kFileChangeDateName);
    if (!date) return 0;
    // A blank or broken date must neither reach the file's times nor overwrite the others.
    std::optional<timespec> time = exifDateToTime(*date);
    if (!time) return 0;
    setAllDateRows(workspace, *date);
    times.access = *time;
    times.modification = *time;
    return 1;
}

}  // namespace brevino
