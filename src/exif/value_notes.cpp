#include "exif/value_notes.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <optional>

#include "exif/value_text.h"
#include "platform/language.h"
#include "platform/leading_number.h"
#include "tags/tag_translation.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

// The number a value holds (a rational's numerator, a floating point number's whole part).
int64_t numberAt(const TiffTypeInfo& type, const uint8_t* value, ByteOrder order) {
    if (type.kind == ValueKind::Float) {
        double number = 0;
        if (type.size == 4) {
            number = std::bit_cast<float>(readU32(value, order));
        } else {
            const uint64_t high = readU32(value + (order == Intel ? 4 : 0), order);
            const uint64_t low = readU32(value + (order == Intel ? 0 : 4), order);
            number = std::bit_cast<double>(high << 32 | low);
        }
        return std::isfinite(number) && std::fabs(number) < 9e18 ? static_cast<int64_t>(number) : 0;
    }
    const bool isSigned = type.kind == ValueKind::Signed || type.kind == ValueKind::SignedRational;
    switch (type.kind == ValueKind::Rational || type.kind == ValueKind::SignedRational
                ? 4
                : type.size) {
        case 1:
            return isSigned ? int64_t{static_cast<int8_t>(value[0])} : int64_t{value[0]};
        case 2: {
            const uint16_t number = readU16(value, order);
            return isSigned ? int64_t{static_cast<int16_t>(number)} : int64_t{number};
        }
        default: {
            const uint32_t number = readU32(value, order);
            return isSigned ? int64_t{static_cast<int32_t>(number)} : int64_t{number};
        }
    }
}

// A rational (or integer) value as a real number; nothing for a zero denominator.
std::optional<double> realAt(const TiffTypeInfo& type, const uint8_t* value, ByteOrder order) {
    const double numerator = static_cast<double>(numberAt(type, value, order));
    if (type.kind != ValueKind::Rational && type.kind != ValueKind::SignedRational)
        return numerator;
    const double denominator = static_cast<double>(numberAt(type, value + 4, order));
    if (denominator == 0) return std::nullopt;
    return numerator / denominator;
}

// The number with at most `decimals` decimals, trailing zeros (and a lone point) cut.
std::string trimmed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result(text);
    if (result.find('.') != std::string::npos) {
        while (result.back() == '0')
            result.pop_back();
        if (result.back() == '.') result.pop_back();
    }
    // A fresh string rather than an assignment in place, which GCC 12's sanitizer build
    // flags with a false -Wrestrict warning.
    if (result == "-0") return std::string(1, '0');
    return result;
}

// Texts are appended piece by piece: chains of + trip a false warning of GCC 12 at -O3.

// "1/178 秒" below a second, "2.5 秒" from a second on ("1/178 s" in English).
void appendSeconds(std::string& note, double seconds) {
    if (seconds <= 0) return;
    if (seconds < 1) {
        note.append("1/").append(trimmed(std::round(1 / seconds), 0));
    } else {
        note.append(trimmed(seconds, 1));
    }
    note.append(inTextLanguage(" 秒", " s"));
}

void appendFNumber(std::string& note, double fNumber) {
    if (fNumber > 0) note.append("F").append(trimmed(fNumber, 1));
}

// "−0.7 EV", with the minus sign of typesetting; "+0.3 EV"; "0 EV".
void appendExposureBias(std::string& note, double ev) {
    const std::string magnitude = trimmed(std::fabs(ev), 1);
    if (magnitude != "0") note.append(ev < 0 ? "−" : "+");
    note.append(magnitude).append(" EV");
}

// "18-55" or "50": a range of two numbers, one when they are the same.
void appendRange(std::string& note, double low, double high) {
    const std::string first = trimmed(low, 1);
    const std::string last = trimmed(high, 1);
    note.append(first);
    if (last != first) note.append("-").append(last);
}

// "18-55mm f/3.5-5.6" from the shortest and longest focal lengths and their F-numbers.
void appendLensRange(std::string& note, const double (&values)[4]) {
    if (values[0] <= 0 || values[1] <= 0) return;
    appendRange(note, values[0], values[1]);
    note.append("mm");
    if (values[2] <= 0) return;
    note.append(" f/");
    appendRange(note, values[2], values[3] > 0 ? values[3] : values[2]);
}

// Bytes that hold printable ASCII up to the first zero byte (or their end), trailing spaces
// cut; nothing for any other bytes.
void appendPrintableText(std::span<const uint8_t> bytes, std::string& note) {
    size_t end = 0;
    while (end < bytes.size() && bytes[end] != 0) {
        if (bytes[end] < 0x20 || bytes[end] > 0x7E) return;
        ++end;
    }
    while (end > 0 && bytes[end - 1] == ' ')
        --end;
    note.append(reinterpret_cast<const char*>(bytes.data()), end);
}

}  // namespace

uint64_t valueLength(const Entry& entry) {
    const TiffTypeInfo& type = tiffType(entry.type);
    return uint64_t{entry.count} * (type.kind == ValueKind::Undefined ? 1 : type.size);
}

CodedValue codedValueOf(const Entry& entry, std::span<const uint8_t> bytes) {
    CodedValue value;
    const TiffTypeInfo& type = tiffType(entry.type);
    if (type.size == 0) return value;
    if (type.kind == ValueKind::Text) {
        // A text is one value: its leading number, and its first character.
        const auto* text = reinterpret_cast<const char*>(bytes.data());
        value.count = 1;
        value.leading[0] = leadingSignedNumber(std::string_view(text, bytes.size()));
        value.trailing[0] = value.leading[0];
        value.character = bytes.empty() ? 0 : bytes[0];
        return value;
    }
    const unsigned size = type.kind == ValueKind::Undefined ? 1 : type.size;
    const ValueKind kind = type.kind == ValueKind::Undefined ? ValueKind::Unsigned : type.kind;
    const TiffTypeInfo& reading = kind == type.kind ? type : tiffType(1);  // bytes as BYTE
    value.count = std::min<uint64_t>(entry.count, bytes.size() / size);
    for (size_t i = 0; i < std::min<size_t>(value.count, 2); ++i)
        value.leading[i] = numberAt(reading, bytes.data() + i * size, entry.order);
    for (size_t i = 0; i < std::min<size_t>(value.count, 2); ++i) {
        const size_t index = value.count - std::min<size_t>(value.count, 2) + i;
        value.trailing[i] = numberAt(reading, bytes.data() + index * size, entry.order);
    }
    for (size_t i = 0; i < 4; ++i) {
        const int64_t number =
            i < value.count ? numberAt(reading, bytes.data() + i * size, entry.order) : 0;
        value.bytes = value.bytes << 8 | static_cast<uint8_t>(number);
    }
    return value;
}

std::string_view codedNote(const TagDef& tag, const Entry& entry, std::span<const uint8_t> bytes) {
    if (tag.values.empty() || showsRawBytes(entry)) return {};
    const ValueName* name = lookupValueName(tag, codedValueOf(entry, bytes));
    return name != nullptr ? displayNote(*name) : std::string_view();
}

void appendDerivedNote(const TagDef& tag, const Entry& entry, std::span<const uint8_t> bytes,
                       std::string& note) {
    if (tag.derived == DerivedNote::None) return;
    if (tag.derived == DerivedNote::Text) {
        appendPrintableText(bytes, note);
        return;
    }
    const TiffTypeInfo& type = tiffType(entry.type);
    const bool numeric = type.kind == ValueKind::Rational ||
                         type.kind == ValueKind::SignedRational ||
                         type.kind == ValueKind::Unsigned || type.kind == ValueKind::Signed;
    if (!numeric || entry.count == 0 || bytes.size() < type.size) return;
    const std::optional<double> first = realAt(type, bytes.data(), entry.order);
    if (!first) return;
    switch (tag.derived) {
        case DerivedNote::None:
        case DerivedNote::Text:
            break;
        case DerivedNote::ExposureTime:
            appendSeconds(note, *first);
            break;
        case DerivedNote::FNumber:
            appendFNumber(note, *first);
            break;
        case DerivedNote::ShutterApex:
            if (std::fabs(*first) < 64) {
                appendSeconds(note, std::exp2(-*first));
                note.append(" (APEX ").append(trimmed(*first, 2)).append(")");
            }
            break;
        case DerivedNote::ApertureApex:
            if (std::fabs(*first) < 64) {
                appendFNumber(note, std::exp2(*first / 2));
                note.append(" (APEX ").append(trimmed(*first, 2)).append(")");
            }
            break;
        case DerivedNote::FocalLength:
            if (*first > 0) note.append(trimmed(*first, 1)).append(" mm");
            break;
        case DerivedNote::ExposureBias:
            appendExposureBias(note, *first);
            break;
        case DerivedNote::LensRange: {
            if (entry.count < 4 || bytes.size() < 4u * type.size) return;
            double values[4] = {};
            for (size_t i = 0; i < 4; ++i)
                values[i] = realAt(type, bytes.data() + i * type.size, entry.order).value_or(0);
            appendLensRange(note, values);
            break;
        }
    }
}

}  // namespace brevino
