#include "platform/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace brevino {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

// Length of the valid UTF-8 character at text[i], or 0 when none starts there.
size_t utf8CharLength(std::string_view text, size_t i) {
    auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    uint8_t lead = byte(i);
    if (lead < 0x80) return 1;
    size_t length;
    uint32_t minimum;
    uint32_t codePoint;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (byte(i + k) & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF) return 0;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
    return length;
}

// Whether text[i..] is the beginning of a UTF-8 character that the text's end cut short.
bool isCutUtf8Tail(std::string_view text, size_t i) {
    uint8_t lead = static_cast<uint8_t>(text[i]);
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length <= text.size()) return false;
    for (size_t k = i + 1; k < text.size(); ++k) {
        if ((static_cast<uint8_t>(text[k]) & 0xC0) != 0x80) return false;
    }
    return true;
}

bool isShiftJisLeadByte(uint8_t byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// One CP932 converter per thread, opened on first use.
class ShiftJisDecoder {
  public:
    ShiftJisDecoder() : handle_(iconv_open("UTF-8", "CP932")) {}
    ~ShiftJisDecoder() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
    }
    ShiftJisDecoder(const ShiftJisDecoder&) = delete;
    ShiftJisDecoder& operator=(const ShiftJisDecoder&) = delete;

    void decode(std::string_view bytes, std::string& out) {
        size_t i = 0;
        char buffer[512];
        while (i < bytes.size()) {
            uint8_t byte = static_cast<uint8_t>(bytes[i]);
            size_t length = isShiftJisLeadByte(byte) ? 2 : 1;
            if (i + length > bytes.size()) break;  // a lead byte cut off at the end
            if (byte < 0x80) {
                out.push_back(static_cast<char>(byte));
                ++i;
                continue;
            }
            if (handle_ == reinterpret_cast<iconv_t>(-1)) {
                out += kReplacement;
                i += length;
                continue;
            }
            char* in = const_cast<char*>(bytes.data() + i);
            size_t inLeft = length;
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            if (iconv(handle_, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
                out += kReplacement;
                // An invalid pair may still hold a valid single byte in its second half.
                i += 1;
                continue;
            }
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            i += length;
        }
    }

  private:
    iconv_t handle_;
};

}  // namespace

bool isValidUtf8(std::string_view text) {
    size_t ascii = 0;
    while (ascii < text.size() && static_cast<uint8_t>(text[ascii]) < 0x80)
        ++ascii;
    for (size_t i = ascii; i < text.size();) {
        if (static_cast<uint8_t>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        size_t length = utf8CharLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

void appendDecodedForDisplay(std::string_view bytes, std::string& out) {
    size_t validEnd = 0;
    while (validEnd < bytes.size()) {
        if (static_cast<uint8_t>(bytes[validEnd]) < 0x80) {
            ++validEnd;
            continue;
        }
        size_t length = utf8CharLength(bytes, validEnd);
        if (length == 0) break;
        validEnd += length;
    }
    if (validEnd == bytes.size()) {
        out.append(bytes);
    } else if (isCutUtf8Tail(bytes, validEnd)) {
        out.append(bytes.substr(0, validEnd));
    } else {
        thread_local ShiftJisDecoder decoder;
        decoder.decode(bytes, out);
    }
}

std::string decodeForDisplay(std::string_view bytes) {
    std::string out;
    appendDecodedForDisplay(bytes, out);
    return out;
}

void appendCodePoint(uint32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | codePoint >> 6));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | codePoint >> 12));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | codePoint >> 18));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

void appendUtf16LeAsUtf8(const uint8_t* bytes, size_t units, std::string& out) {
    for (size_t i = 0; i < units; ++i) {
        uint32_t unit = bytes[2 * i] | bytes[2 * i + 1] << 8;
        if (unit == 0) return;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            uint32_t low = bytes[2 * i + 2] | bytes[2 * i + 3] << 8;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendCodePoint(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
                ++i;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            out += kReplacement;
        } else {
            appendCodePoint(unit, out);
        }
    }
}

size_t utf8CutLength(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text.size();
    size_t end = maxBytes;
    // Step back over continuation bytes to the start of the character that the cut splits.
    while (end > 0 && (static_cast<uint8_t>(text[end]) & 0xC0) == 0x80)
        --end;
    return end;
}

std::string sanitizeUtf8(std::string_view text) {
    if (isValidUtf8(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size();) {
        size_t length = utf8CharLength(text, i);
        if (length == 0) {
            out += kReplacement;
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

size_t displayWidth(std::string_view text) {
    size_t width = 0;
    for (size_t i = 0; i < text.size();) {
        size_t length = utf8CharLength(text, i);
        if (length == 0) {
            ++width;
            ++i;
            continue;
        }
        uint32_t cp = static_cast<uint8_t>(text[i]);
        if (length > 1) {
            cp &= 0xFF >> (length + 1);
            for (size_t k = 1; k < length; ++k)
                cp = cp << 6 | (text[i + k] & 0x3F);
        }
        bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                    (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                    (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                    (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

}  // namespace brevino
