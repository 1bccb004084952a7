// Text conversion between the bytes stored in files and the UTF-8 the program works in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brevino {

bool isValidUtf8(std::string_view text);

// Bytes of a stored value as UTF-8 for display: valid UTF-8 stays as it is, anything else
// is read as Shift-JIS (CP932). Bytes that are neither become U+FFFD. A multi-byte
// character cut short at the very end (the value was cut) is dropped.
std::string decodeForDisplay(std::string_view bytes);
void appendDecodedForDisplay(std::string_view bytes, std::string& out);

// Appends the UTF-8 form of `units` little-endian 16-bit code units, stopping at the first
// zero unit; unpaired surrogates become U+FFFD.
void appendUtf16LeAsUtf8(const uint8_t* bytes, size_t units, std::string& out);

// The longest prefix of `text` that is at most `maxBytes` long and does not end inside a
// UTF-8 character.
size_t utf8CutLength(std::string_view text, size_t maxBytes);

// `text` with every byte that is not part of a valid UTF-8 character replaced by U+FFFD.
std::string sanitizeUtf8(std::string_view text);

// Columns a UTF-8 text takes in a terminal (East Asian wide characters take two).
size_t displayWidth(std::string_view text);

void appendCodePoint(uint32_t codePoint, std::string& out);

}  // namespace brevino
