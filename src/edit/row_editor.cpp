#include "edit/row_editor.h"

#include <charconv>
#include <optional>
#include <vector>

#include "edit/date_rows.h"
#include "exif/ifd_walker.h"
#include "platform/text_encoding.h"
#include "tags/leading_number.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

template <typename Number>
void appendNumber(Number value, std::string& text) {
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}

std::string cutAtWholeCharacter(std::string_view text, size_t limit) {
    return std::string(text.substr(0, utf8CutLength(text, limit)));
}

}  // namespace

std::vector<std::string_view> splitValues(std::string_view text) {
    std::vector<std::string_view> values;
    for (size_t start = 0; start < text.size();) {
        const size_t space = text.find(' ', start);
        const size_t end = space == std::string_view::npos ? text.size() : space;
        if (end > start) values.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (values.empty()) values.push_back(text);
    return values;
}

bool isEditableType(uint32_t type) {
    switch (type) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 9:
        case 10:
            return true;
        default:
            return false;
    }
}

int isEditableRow(const Workspace& workspace, size_t row) {
    const TagList& rows = workspace.tagList;
    if (row >= rows.size() || rows.isHeading(row)) return 0;
    const uint16_t type = static_cast<uint16_t>(leadingNumber(rows.cell(row, Column::Type)));
    return isEditableType(type) && rows.facts(row).valueInside ? 1 : 0;
}

EditResult normaliseEdit(uint16_t type, int32_t count, std::string_view input) {
    EditResult result;
    if (type == 2) {
        result.accepted = true;
        result.content =
            count > 1 ? cutAtWholeCharacter(input, static_cast<size_t>(count) - 1) : "";
        return result;
    }
    const std::vector<std::string_view> values = splitValues(input);

    std::string& content = result.content;
    for (std::string_view value : values) {
        const uint32_t number = leadingNumber(value);
        switch (type) {
            case 5:
            case 10:
                if (value.find('/') == std::string_view::npos) {
                    result.message = kSlashRequiredMessage;
                    result.content.clear();
                    return result;
                }
                content.append(value);
                break;
            case 1:
                appendNumber(number & 0xFF, content);
                break;
            case 3:
                appendNumber(number & 0xFFFF, content);
                break;
            case 9:
                appendNumber(static_cast<int32_t>(number), content);
                break;
            default:
                appendNumber(number, content);
        }
        content.push_back(' ');
    }
    if (count < 0 || values.size() != static_cast<size_t>(count)) {
        result.message = kValueCountMessage;
        result.content.clear();
        return result;
    }
    content.pop_back();
    result.accepted = true;
    return result;
}

bool applyRowEdit(Workspace& workspace, size_t row, std::string_view input) {
    TagList& rows = workspace.tagList;
    const uint16_t type = static_cast<uint16_t>(leadingNumber(rows.cell(row, Column::Type)));
    const int32_t count = leadingSignedNumber(rows.cell(row, Column::Count));
    EditResult result = normaliseEdit(type, count, input);
    if (!result.accepted) {
        workspace.report(result.message);
        return false;
    }
    rows.setContent(row, result.content);
    if (workspace.settings.allDate == 1 && isDateTagName(rows.cell(row, Column::Tag))) {
        setAllDateRows(workspace, result.content);
    }
    return true;
}

void editRow(Workspace& workspace) {
    const long row = workspace.tagList.firstSelected();
    if (row < 0) return;
    if (!isEditableRow(workspace, static_cast<size_t>(row))) {
        workspace.report(kNotEditableMessage);
        return;
    }
    if (workspace.inputPrompt == nullptr) return;
    const TagList& rows = workspace.tagList;
    const std::string caption = cutAtWholeCharacter(rows.cell(row, Column::Tag), kInputLimit);
    const std::string initial = cutAtWholeCharacter(rows.cell(row, Column::Content), kInputLimit);
    std::optional<std::string> answer = workspace.inputPrompt->prompt(caption, initial);
    if (!answer) return;
    const std::string input = cutAtWholeCharacter(*answer, kInputLimit);
    // OK on an unchanged text changes nothing: a long cell must not be cut by the dialog.
    if (input == initial) return;
    applyRowEdit(workspace, static_cast<size_t>(row), input);
}

}  // namespace brevino
