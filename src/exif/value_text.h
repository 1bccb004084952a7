// The text of an entry's value, as its content cell shows it: a list of numbers, a text, or
// the user comment with its character code.
#pragma once

#include <cstddef>
#include <string>

#include "exif/document.h"

namespace brevino {

// Value lists stop after this many characters, possibly inside a number.
inline constexpr size_t kValueListLimit = 1023;
// ASCII values show at most this many bytes.
inline constexpr size_t kAsciiLimit = 2047;
// Values shown as hexadecimal bytes show at most this many.
inline constexpr size_t kHexByteLimit = 64;

// Appends the entry's content text: numbers separated by single spaces (rationals as
// numerator/denominator, each with its type's signedness, floating point in the shortest
// form that reads back the same), text up to its first zero byte, the user comment after its
// code in brackets, a version as its four characters, the Windows tags' UTF-16 text, the
// maker note's length, and other UNDEFINED values as hexadecimal bytes. Trailing spaces are
// cut. Unknown types, and values that lie outside the TIFF area, give nothing.
void appendContent(const Document& document, const Entry& entry, std::string& text);

// Whether the content shows the value's raw bytes (or only their length): such a content is
// not a coded value and has no note.
bool showsRawBytes(const Entry& entry);

}  // namespace brevino
