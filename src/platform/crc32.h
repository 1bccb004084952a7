// The CRC-32 of ISO 3309 and ITU-T V.42 (the one PNG chunks carry).
#pragma once

#include <cstdint>
#include <span>

namespace brevino {

// Continues `crc` (0 to start) over `bytes`.
uint32_t crc32(std::span<const uint8_t> bytes, uint32_t crc = 0);

}  // namespace brevino
