// Bytes written as hexadecimal digits and read back.
#pragma once

#include <cstdint>
#include <string>

namespace brevino {

enum class HexCase { Upper, Lower };

// The digit of a number 0-15.
inline char hexDigit(unsigned value, HexCase letters = HexCase::Upper) {
    return (letters == HexCase::Upper ? "0123456789ABCDEF" : "0123456789abcdef")[value & 0xF];
}

// Appends the byte's two digits.
inline void appendHexByte(std::string& out, uint8_t byte, HexCase letters = HexCase::Upper) {
    out.push_back(hexDigit(byte >> 4, letters));
    out.push_back(hexDigit(byte, letters));
}

// The value of a digit in either case; -1 for any other character.
inline int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace brevino
