#include "edit/value_input.h"

#include <limits>

#include "edit/exif_date.h"
#include "platform/decimal_text.h"
#include "platform/language.h"
#include "platform/text_encoding.h"
#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

// A typed number: plain decimal digits after an optional minus sign, within [minimum,
// maximum] (a negative number for an unsigned type is out of range).
Problem readNumber(std::string_view text, int64_t minimum, int64_t maximum, int64_t& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return Problem::NotNumber;
    uint64_t magnitude = 0;
    bool tooLarge = false;
    for (char c : text) {
        if (c < '0' || c > '9') return Problem::NotNumber;
        // Beyond every range of the types, more digits only make the number larger.
        if (magnitude > (uint64_t{1} << 40)) {
            tooLarge = true;
        } else {
            magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
        }
    }
    if (tooLarge) return Problem::OutOfRange;
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return value < minimum || value > maximum ? Problem::OutOfRange : Problem::None;
}

struct Range {
    int64_t minimum;
    int64_t maximum;
};

Range rangeOf(const TiffTypeInfo& type) {
    if (type.kind == ValueKind::Signed || type.kind == ValueKind::SignedRational)
        return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    const unsigned bits = type.kind == ValueKind::Rational ? 32 : 8 * type.size;
    return {0, static_cast<int64_t>((uint64_t{1} << bits) - 1)};
}

void encodeNumber(int64_t number, unsigned size, ByteOrder order, uint8_t* at) {
    const auto bits = static_cast<uint32_t>(number);
    if (size == 1) {
        at[0] = static_cast<uint8_t>(bits);
    } else if (size == 2) {
        writeU16(static_cast<uint16_t>(bits), at, order);
    } else {
        writeU32(bits, at, order);
    }
}

// One value of a numeric type: its normalised text appended, its bytes written at `at`.
Problem encodeValue(const TiffTypeInfo& type, ByteOrder order, std::string_view value,
                    std::string& text, uint8_t* at) {
    const Range range = rangeOf(type);
    const bool rational =
        type.kind == ValueKind::Rational || type.kind == ValueKind::SignedRational;
    if (!rational) {
        int64_t number = 0;
        const Problem problem = readNumber(value, range.minimum, range.maximum, number);
        if (problem != Problem::None) return problem;
        appendDecimal(text, number);
        encodeNumber(number, type.size, order, at);
        return Problem::None;
    }
    const size_t slash = value.find('/');
    if (slash == std::string_view::npos) return Problem::SlashRequired;
    int64_t numerator = 0;
    int64_t denominator = 0;
    Problem problem = readNumber(value.substr(0, slash), range.minimum, range.maximum, numerator);
    if (problem == Problem::None)
        problem = readNumber(value.substr(slash + 1), range.minimum, range.maximum, denominator);
    if (problem != Problem::None) return problem;
    // 0/0 is how Exif writes an unknown rational; any other zero denominator is no number.
    if (denominator == 0 && numerator != 0) return Problem::ZeroDenominator;
    appendDecimal(text, numerator);
    text.push_back('/');
    appendDecimal(text, denominator);
    encodeNumber(numerator, 4, order, at);
    encodeNumber(denominator, 4, order, at + 4);
    return Problem::None;
}

bool isNumber(const TiffTypeInfo& type) {
    return type.kind == ValueKind::Unsigned || type.kind == ValueKind::Signed ||
           type.kind == ValueKind::Rational || type.kind == ValueKind::SignedRational;
}

}  // namespace

size_t textLimit(const Entry& entry) {
    if (tiffType(entry.type).kind != ValueKind::Text) return 0;
    if (tags::isDate(entry.ifd, entry.tag) && entry.count == kUnknownExifDate.size())
        return entry.count;
    return entry.count > 0 ? entry.count - 1 : 0;
}

std::string valueRange(const Entry& entry) {
    const TiffTypeInfo& type = tiffType(entry.type);
    if (!type.editable || !isNumber(type)) return {};
    const Range range = rangeOf(type);
    std::string text;
    appendDecimal(text, range.minimum);
    text += inTextLanguage("〜", " to ");
    appendDecimal(text, range.maximum);
    return text;
}

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

InputResult encodeInput(const Entry& entry, std::string_view input, LongText longText) {
    InputResult result;
    const TiffTypeInfo& type = tiffType(entry.type);
    if (!type.editable || !entry.valueInside) {
        result.problem = Problem::NotEditable;
        return result;
    }
    EncodedValue& value = result.value;
    value.bytes.assign(static_cast<size_t>(entry.count) * type.size, 0);
    if (type.kind == ValueKind::Text) {
        if (tags::isDate(entry.ifd, entry.tag) && input != kUnknownExifDate &&
            !parseExifDate(input)) {
            result.problem = Problem::DateForm;
            return result;
        }
        // A date field of exactly 19 bytes, as some cameras write it, holds the date without
        // its zero byte: a date is written whole there rather than losing its last digit.
        const bool wholeDate = tags::isDate(entry.ifd, entry.tag) && input.size() == entry.count &&
                               parseExifDate(input).has_value();
        const size_t limit = wholeDate ? entry.count : entry.count > 0 ? entry.count - 1 : 0;
        if (longText == LongText::Refuse && input.size() > limit) {
            result.problem = Problem::TooLong;
            result.limit = limit;
            result.detail = std::to_string(limit);
            return result;
        }
        value.text = input.substr(0, utf8CutLength(input, limit));
        std::copy(value.text.begin(), value.text.end(), value.bytes.begin());
        return result;
    }
    const std::vector<std::string_view> values = splitValues(input);
    for (size_t i = 0; i < values.size(); ++i) {
        // Values beyond the count are checked but not stored; the count is compared after.
        uint8_t scratch[8];
        uint8_t* at = i < entry.count ? value.bytes.data() + i * type.size : scratch;
        result.problem = encodeValue(type, entry.order, values[i], value.text, at);
        if (result.problem == Problem::OutOfRange) result.detail = valueRange(entry);
        if (result.problem != Problem::None) return result;
        value.text.push_back(' ');
    }
    if (values.size() != entry.count) {
        result.problem = Problem::ValueCount;
        return result;
    }
    value.text.pop_back();
    return result;
}

}  // namespace brevino
