#include "exif/value_formatters.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "platform/text_encoding.h"

namespace brevino {
namespace {

constexpr uint16_t kUserCommentTag = 0x9286;

// The value's bytes: the entry's own value field when the value fits there, otherwise the
// place its offset names. nullptr when that place is not wholly inside the TIFF area.
const uint8_t* valueBytes(IfdEntry& entry, const ValueSource& source, bool fitsInline,
                          uint64_t length) {
    if (fitsInline) return source.buffer.data() + entry.position;
    entry.position = source.tiffStart + entry.valueField;
    if (entry.position + length > source.buffer.size()) {
        entry.valueInside = false;
        return nullptr;
    }
    return source.buffer.data() + entry.position;
}

template <typename Number>
void appendNumber(Number value, std::string& text) {
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}

// Appends `count` values of `valueSize` bytes, each followed by a space, until the text
// reaches the list limit; the text is then cut at the limit.
template <typename AppendValue>
void formatList(IfdEntry& entry, const ValueSource& source, std::string& text, unsigned valueSize,
                bool rational, AppendValue appendValue) {
    const uint64_t length = static_cast<uint64_t>(entry.count) * valueSize;
    const uint8_t* bytes = valueBytes(entry, source, !rational && length <= 4, length);
    if (bytes == nullptr) return;
    for (uint32_t i = 0; i < entry.count && text.size() < kValueListLimit; ++i) {
        appendValue(bytes + static_cast<size_t>(i) * valueSize, entry.order, text);
        text.push_back(' ');
    }
    if (text.size() > kValueListLimit) text.resize(kValueListLimit);
}

std::string_view untilZero(const uint8_t* bytes, size_t length) {
    const auto* text = reinterpret_cast<const char*>(bytes);
    const void* zero = std::memchr(text, 0, length);
    return {text, zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : length};
}

}  // namespace

void formatBytes(IfdEntry& entry, const ValueSource& source, std::string& text) {
    formatList(entry, source, text, 1, false, [](const uint8_t* p, ByteOrder, std::string& out) {
        appendNumber(static_cast<unsigned>(p[0]), out);
    });
}

void formatShorts(IfdEntry& entry, const ValueSource& source, std::string& text) {
    formatList(entry, source, text, 2, false, [](const uint8_t* p, ByteOrder o, std::string& out) {
        appendNumber(static_cast<unsigned>(readU16(p, o)), out);
    });
}

void formatLongs(IfdEntry& entry, const ValueSource& source, std::string& text) {
    formatList(entry, source, text, 4, false, [](const uint8_t* p, ByteOrder o, std::string& out) {
        appendNumber(readU32(p, o), out);
    });
}

void formatSignedLongs(IfdEntry& entry, const ValueSource& source, std::string& text) {
    formatList(entry, source, text, 4, false, [](const uint8_t* p, ByteOrder o, std::string& out) {
        appendNumber(static_cast<int32_t>(readU32(p, o)), out);
    });
}

void formatRationals(IfdEntry& entry, const ValueSource& source, std::string& text) {
    formatList(entry, source, text, 8, true, [](const uint8_t* p, ByteOrder o, std::string& out) {
        appendNumber(readU32(p, o), out);
        out.push_back('/');
        appendNumber(readU32(p + 4, o), out);
    });
}

void formatSignedRationals(IfdEntry& entry, const ValueSource& source, std::string& text) {
    formatList(entry, source, text, 8, true, [](const uint8_t* p, ByteOrder o, std::string& out) {
        appendNumber(static_cast<int32_t>(readU32(p, o)), out);
        out.push_back('/');
        appendNumber(static_cast<int32_t>(readU32(p + 4, o)), out);
    });
}

void formatAscii(IfdEntry& entry, const ValueSource& source, std::string& text) {
    const uint8_t* bytes = valueBytes(entry, source, entry.count <= 4, entry.count);
    if (bytes == nullptr) return;
    size_t shown = std::min<size_t>(entry.count, kAsciiLimit);
    appendDecodedForDisplay(untilZero(bytes, shown), text);
}

void formatUserComment(IfdEntry& entry, const ValueSource& source, std::string& text) {
    if (entry.tag != kUserCommentTag) return;
    const uint8_t* bytes = valueBytes(entry, source, entry.count <= 4, entry.count);
    if (bytes == nullptr) return;
    const size_t length = std::min<size_t>(entry.count, kAsciiLimit);
    uint8_t code[8] = {};
    std::memcpy(code, bytes, std::min<size_t>(length, 8));
    const uint8_t* body = length > 8 ? bytes + 8 : bytes;
    const size_t bodyLength = length > 8 ? length - 8 : 0;

    if (std::memcmp(code, "ASCII", 5) == 0) {
        text = "(ASCII)";
        appendDecodedForDisplay(untilZero(body, bodyLength), text);
    } else if (std::memcmp(code, "JIS", 3) == 0) {
        text = "(JIS)";
        appendDecodedForDisplay(untilZero(body, bodyLength), text);
    } else if (std::memcmp(code, "UNICODE", 7) == 0) {
        text = "(Unicode)";
        appendUtf16LeAsUtf8(body, bodyLength / 2, text);
    } else {
        text = "(Undefined)";
        appendDecodedForDisplay(untilZero(body, bodyLength), text);
    }
    text.push_back(' ');
    text.resize(utf8CutLength(text, kValueListLimit));
}

}  // namespace brevino
