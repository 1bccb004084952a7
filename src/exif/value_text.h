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

// Appends the entry's content text: numbers separated by single spaces (rationals as
// numerator/denominator, each with its type's signedness), ASCII up to its first zero byte,
// the user comment after its code in brackets. Trailing spaces are cut. Types that are not
// shown, and values that lie outside the TIFF area, give nothing.
void appendContent(const Document& document, const Entry& entry, std::string& text);

}  // namespace brevino
