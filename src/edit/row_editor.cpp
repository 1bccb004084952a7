#include "edit/row_editor.h"

#include <charconv>
#include <limits>
#include <optional>
#include <vector>

#include "edit/date_rows.h"
#include "edit/exif_date.h"
#include "exif/ifd_walker.h"
#include "platform/text_encoding.h"
#include "tags/leading_number.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

template <typename Number>
void appendNumber(Number value, std::string& text) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}

std::string cutAtWholeCharacter(std::string_view text, size_t limit) {
    return std::string(text.substr(0, utf8CutLength(text, limit)));
}

// A typed number: plain decimal digits after an optional minus sign, within [minimum,
// maximum] (a negative number for an unsigned type is out of range). Answers the refusal's
// message, or none.
std::string_view readNumber(std::string_view text, int64_t minimum, int64_t maximum,
                            int64_t& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return kNotNumberMessage;
    uint64_t magnitude = 0;
    bool tooLarge = false;
    for (char c : text) {
        if (c < '0' || c > '9') return kNotNumberMessage;
        // Beyond every range of the types, more digits only make the number larger.
        if (magnitude > (uint64_t{1} << 40)) {
            tooLarge = true;
        } else {
            magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
        }
    }
    if (tooLarge) return kOutOfRangeMessage;
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (value < minimum || value > maximum) return kOutOfRangeMessage;
    return {};
}

struct Range {
    int64_t minimum;
    int64_t maximum;
};

Range rangeOf(uint16_t type) {
    switch (type) {
        case 1:
            return {0, 0xFF};
        case 3:
            return {0, 0xFFFF};
        case 9:
        case 10:
            return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
        default:  // LONG, RATIONAL
            return {0, 0xFFFFFFFF};
    }
}

// One value of a numeric type in its normalised form, or the refusal's message.
std::string_view normaliseValue(uint16_t type, std::string_view value, std::string& content) {
    const Range range = rangeOf(type);
    if (type != 5 && type != 10) {
        int64_t number = 0;
        std::string_view refusal = readNumber(value, range.minimum, range.maximum, number);
        if (refusal.empty()) appendNumber(number, content);
        return refusal;
    }
    const size_t slash = value.find('/');
    if (slash == std::string_view::npos) return kSlashRequiredMessage;
    int64_t numerator = 0;
    int64_t denominator = 0;
    std::string_view refusal =
        readNumber(value.substr(0, slash), range.minimum, range.maximum, numerator);
    if (refusal.empty()) {
        refusal = readNumber(value.substr(slash + 1), range.minimum, range.maximum, denominator);
    }
    if (!refusal.empty()) return refusal;
    // 0/0 is how Exif writes an unknown rational; any other zero denominator is no number.
    if (denominator == 0 && numerator != 0) return kZeroDenominatorMessage;
    appendNumber(numerator, content);
    content.push_back('/');
    appendNumber(denominator, content);
    return {};
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

bool isStructuralEntry(IfdKind ifd, uint16_t tag) {
    if (ifd == IfdKind::MakerNote || ifd == IfdKind::None) return false;
    switch (tag) {
        case 0x8769:  // Exif IFD pointer
        case 0x8825:  // GPS IFD pointer
        case 0xA005:  // interoperability IFD pointer
        case 0x0201:  // thumbnail offset
        case 0x0202:  // thumbnail length
        case 0x0111:  // strip offsets
        case 0x0117:  // strip byte counts
        case 0x0144:  // tile offsets
        case 0x0145:  // tile byte counts
        case 0x014A:  // sub-IFD pointers
        case 0x927C:  // maker note
            return true;
        default:
            return false;
    }
}

bool isDateEntry(IfdKind ifd, uint16_t tag) {
    if (ifd == IfdKind::MakerNote || ifd == IfdKind::None) return false;
    return tag == 0x0132 || tag == 0x9003 || tag == 0x9004;
}

std::string_view whyNotEditable(const TagList& rows, size_t row) {
    if (row >= rows.size() || rows.isHeading(row)) return "a heading, not an entry";
    const EntryFacts& facts = rows.facts(row);
    if (!isEditableType(facts.type)) return "its type is not edited";
    if (!facts.valueInside) return "its value lies outside the Exif segment";
    if (isStructuralEntry(facts.ifd, facts.tagId))
        return "it holds where other parts of the file lie";
    return {};
}

int isEditableRow(const Workspace& workspace, size_t row) {
    return whyNotEditable(workspace.tagList, row).empty() ? 1 : 0;
}

EditResult normaliseEdit(uint16_t type, int32_t count, std::string_view input, bool dateRow) {
    EditResult result;
    if (type == 2) {
        if (dateRow && input != kUnknownExifDate && !parseExifDate(input)) {
            result.message = kDateFormMessage;
            return result;
        }
        result.accepted = true;
        result.content =
            count > 1 ? cutAtWholeCharacter(input, static_cast<size_t>(count) - 1) : "";
        return result;
    }
    const std::vector<std::string_view> values = splitValues(input);
    std::string& content = result.content;
    for (std::string_view value : values) {
        const std::string_view refusal = normaliseValue(type, value, content);
        if (!refusal.empty()) {
            result.message = refusal;
            result.content.clear();
            return result;
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

bool applyRowEdit(Workspace& workspace, size_t row, std::string_view input, LongText longText) {
    TagList& rows = workspace.tagList;
    // Setting the value a row already shows changes nothing, not even a value that the
    // encoding would write differently (a text that fills its field without a zero byte).
    if (input == rows.cell(row, Column::Content)) return true;
    const EntryFacts& facts = rows.facts(row);
    const bool dateRow = isDateEntry(facts.ifd, facts.tagId);
    if (facts.type == 2 && longText == LongText::Refuse) {
        const size_t limit = facts.count > 0 ? facts.count - 1 : 0;
        if (input.size() > limit) {
            std::string message(kTooLongMessage);
            message.append("(").append(std::to_string(limit)).append(" ﾊﾞｲﾄまで)");
            workspace.report(message);
            return false;
        }
    }
    EditResult result =
        normaliseEdit(facts.type, static_cast<int32_t>(facts.count), input, dateRow);
    if (!result.accepted) {
        workspace.report(result.message);
        return false;
    }
    rows.setContent(row, result.content);
    if (workspace.settings.allDate == 1 && dateRow) setAllDateRows(workspace, result.content);
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
