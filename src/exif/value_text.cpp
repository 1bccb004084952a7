#include "exif/value_text.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

#include "platform/decimal_text.h"
#include "platform/hex_text.h"
#include "platform/language.h"
#include "platform/text_encoding.h"
#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

// One value of a numeric kind, read in the entry's byte order.
void appendValue(ValueKind kind, unsigned size, const uint8_t* p, ByteOrder order,
                 std::string& text) {
    switch (kind) {
        case ValueKind::Unsigned:
            if (size == 1) {
                appendDecimal(text, static_cast<unsigned>(p[0]));
            } else if (size == 2) {
                appendDecimal(text, static_cast<unsigned>(readU16(p, order)));
            } else {
                appendDecimal(text, readU32(p, order));
            }
            break;
        case ValueKind::Signed:
            if (size == 1) {
                appendDecimal(text, static_cast<int>(static_cast<int8_t>(p[0])));
            } else if (size == 2) {
                appendDecimal(text, static_cast<int>(static_cast<int16_t>(readU16(p, order))));
            } else {
                appendDecimal(text, static_cast<int32_t>(readU32(p, order)));
            }
            break;
        case ValueKind::Float:
            // The shortest decimal that reads back to the same value.
            if (size == 4) {
                appendDecimal(text, std::bit_cast<float>(readU32(p, order)));
            } else {
                const uint64_t high = readU32(p + (order == Intel ? 4 : 0), order);
                const uint64_t low = readU32(p + (order == Intel ? 0 : 4), order);
                appendDecimal(text, std::bit_cast<double>(high << 32 | low));
            }
            break;
        case ValueKind::Rational:
            appendDecimal(text, readU32(p, order));
            text.push_back('/');
            appendDecimal(text, readU32(p + 4, order));
            break;
        case ValueKind::SignedRational:
            appendDecimal(text, static_cast<int32_t>(readU32(p, order)));
            text.push_back('/');
            appendDecimal(text, static_cast<int32_t>(readU32(p + 4, order)));
            break;
        default:
            break;
    }
}

std::string_view untilZero(const uint8_t* bytes, size_t length) {
    if (length == 0) return {};  // an empty value may come without bytes (a null pointer)
    const auto* text = reinterpret_cast<const char*>(bytes);
    const void* zero = std::memchr(text, 0, length);
    return {text, zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : length};
}

void appendUserComment(const uint8_t* bytes, size_t count, std::string& text) {
    const size_t length = std::min(count, kAsciiLimit);
    uint8_t code[8] = {};
    if (length > 0) std::memcpy(code, bytes, std::min<size_t>(length, 8));
    const uint8_t* body = length > 8 ? bytes + 8 : bytes;
    const size_t bodyLength = length > 8 ? length - 8 : 0;
    const size_t start = text.size();
    if (std::memcmp(code, "ASCII", 5) == 0) {
        text += "(ASCII)";
        appendDecodedForDisplay(untilZero(body, bodyLength), text);
    } else if (std::memcmp(code, "JIS", 3) == 0) {
        text += "(JIS)";
        appendDecodedForDisplay(untilZero(body, bodyLength), text);
    } else if (std::memcmp(code, "UNICODE", 7) == 0) {
        text += "(Unicode)";
        appendUtf16LeAsUtf8(body, bodyLength / 2, text);
    } else {
        text += "(Undefined)";
        appendDecodedForDisplay(untilZero(body, bodyLength), text);
    }
    text.push_back(' ');
    text.resize(start + utf8CutLength(std::string_view(text).substr(start), kValueListLimit));
}

// Bytes as two upper-case hexadecimal digits each, separated by spaces; more than
// kHexByteLimit bytes end in "…".
void appendHexBytes(std::span<const uint8_t> bytes, std::string& text) {
    const size_t shown = std::min(bytes.size(), kHexByteLimit);
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0) text.push_back(' ');
        appendHexByte(text, bytes[i]);
    }
    if (bytes.size() > shown) text += "…";
}

// A version of four printable characters ("0232"); anything else shows as bytes.
void appendVersion(std::span<const uint8_t> bytes, std::string& text) {
    const bool printable =
        bytes.size() == 4 &&
        std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b >= 0x20 && b < 0x7F; });
    if (printable) {
        text.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    } else {
        appendHexBytes(bytes, text);
    }
}

void appendUndefined(const Document& document, const Entry& entry, std::string& text) {
    const std::span<const uint8_t> bytes = document.valueBytes(entry, entry.count);
    switch (tags::undefinedForm(entry.ifd, entry.tag)) {
        case tags::UndefinedForm::UserComment:
            appendUserComment(bytes.data(), bytes.size(), text);
            break;
        case tags::UndefinedForm::Version:
            appendVersion(bytes, text);
            break;
        case tags::UndefinedForm::Numbers:
            for (const uint8_t byte : bytes.first(std::min<size_t>(bytes.size(), kHexByteLimit))) {
                appendDecimal(text, static_cast<unsigned>(byte));
                text.push_back(' ');
            }
            break;
        case tags::UndefinedForm::ByteCount:
            appendDecimal(text, entry.count);
            text += inTextLanguage(" ﾊﾞｲﾄ", " bytes");
            break;
        case tags::UndefinedForm::Bytes:
            appendHexBytes(bytes, text);
            break;
    }
}

// Text of the Windows tags: UTF-16LE up to the first zero unit.
void appendWindowsText(std::span<const uint8_t> bytes, std::string& text) {
    const size_t start = text.size();
    appendUtf16LeAsUtf8(bytes.data(), bytes.size() / 2, text);
    text.resize(start + utf8CutLength(std::string_view(text).substr(start), kValueListLimit));
}

// Cuts trailing spaces (0x20 only) after `start`; a text made only of spaces keeps them.
void trimTrailingSpaces(std::string& text, size_t start) {
    const size_t end = text.find_last_not_of(' ');
    if (end != std::string::npos && end >= start) text.resize(end + 1);
}

}  // namespace

void appendContent(const Document& document, const Entry& entry, std::string& text) {
    if (!entry.valueInside) return;
    const TiffTypeInfo& type = tiffType(entry.type);
    const size_t start = text.size();
    const uint64_t count = entry.count;
    switch (type.kind) {
        case ValueKind::None:
            return;
        case ValueKind::Text: {
            const std::span<const uint8_t> bytes = document.valueBytes(entry, count);
            const size_t shown = std::min<size_t>(bytes.size(), kAsciiLimit);
            const std::string_view stored = untilZero(bytes.data(), shown);
            if (entry.type == static_cast<uint16_t>(TiffType::Utf8)) {
                text += sanitizeUtf8(stored);
            } else {
                appendDecodedForDisplay(stored, text);
            }
            break;
        }
        case ValueKind::Undefined:
            appendUndefined(document, entry, text);
            break;
        default: {
            if (tags::isWindowsText(entry.ifd, entry.tag) && type.size == 1) {
                appendWindowsText(document.valueBytes(entry, count), text);
                break;
            }
            const std::span<const uint8_t> bytes = document.valueBytes(entry, count * type.size);
            for (uint64_t i = 0; i < count && text.size() - start < kValueListLimit; ++i) {
                appendValue(type.kind, type.size, bytes.data() + i * type.size, entry.order, text);
                text.push_back(' ');
            }
            if (text.size() - start > kValueListLimit) text.resize(start + kValueListLimit);
        }
    }
    trimTrailingSpaces(text, start);
}

bool showsRawBytes(const Entry& entry) {
    if (tiffType(entry.type).kind != ValueKind::Undefined) return false;
    const tags::UndefinedForm form = tags::undefinedForm(entry.ifd, entry.tag);
    return form == tags::UndefinedForm::Bytes || form == tags::UndefinedForm::ByteCount;
}

}  // namespace brevino
