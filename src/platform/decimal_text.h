// Numbers written as decimal text, whatever the locale.
#pragma once

#include <charconv>
#include <string>

namespace brevino {

// Appends the number in decimal: an integer as it is, floating point in the shortest form
// that reads back to the same value.
template <typename Number>
void appendDecimal(std::string& out, Number value) {
    char digits[32];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace brevino
