// Reading and writing TIFF integers in either byte order.
#pragma once

#include <cstdint>

namespace brevino {

enum ByteOrder : uint8_t {
    Intel = 0,     // little-endian, "II"
    Motorola = 1,  // big-endian, "MM" and every other mark
};

inline uint16_t readU16(const uint8_t* bytes, ByteOrder order) {
    return order == Intel ? static_cast<uint16_t>(bytes[0] | bytes[1] << 8)
                          : static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}

inline uint32_t readU32(const uint8_t* bytes, ByteOrder order) {
    if (order == Intel) {
        return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
               static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    }
    return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
           static_cast<uint32_t>(bytes[2]) << 8 | static_cast<uint32_t>(bytes[3]);
}

inline void writeU16(uint16_t value, uint8_t* destination, ByteOrder order) {
    if (order == Intel) {
        destination[0] = static_cast<uint8_t>(value);
        destination[1] = static_cast<uint8_t>(value >> 8);
    } else {
        destination[0] = static_cast<uint8_t>(value >> 8);
        destination[1] = static_cast<uint8_t>(value);
    }
}

inline void writeU32(uint32_t value, uint8_t* destination, ByteOrder order) {
    for (int i = 0; i < 4; ++i) {
        int shift = order == Intel ? 8 * i : 8 * (3 - i);
        destination[i] = static_cast<uint8_t>(value >> shift);
    }
}

}  // namespace brevino
