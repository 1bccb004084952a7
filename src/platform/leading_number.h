// Reading numbers back from cell texts and typed texts.
#pragma once

#include <cstdint>
#include <string_view>

namespace brevino {

// The text's leading decimal number: white space skipped, one optional sign, then digits up
// to the first other character; 0 without digits. Arithmetic wraps modulo 2^32, so
// "4294967295" and "-1" give the same 32 bits.
uint32_t leadingNumber(std::string_view text);

inline int32_t leadingSignedNumber(std::string_view text) {
    return static_cast<int32_t>(leadingNumber(text));
}

}  // namespace brevino
