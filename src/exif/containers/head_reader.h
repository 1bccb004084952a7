// Reading the small heads of a container's segments or boxes at their positions, through a
// window of a few kilobytes, so that walking a container costs a read per window, not a read
// per head.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "exif/byte_source.h"

namespace brevino {

class HeadReader {
  public:
    explicit HeadReader(const ByteSource& source) : source_(source) {}

    // The bytes [offset, offset + length) (length at most kWindow); empty when the source ends
    // before.
    std::span<const uint8_t> at(uint64_t offset, size_t length);
    const ByteSource& source() const { return source_; }

    static constexpr size_t kWindow = 4096;

  private:
    const ByteSource& source_;
    std::array<uint8_t, kWindow> window_{};
    uint64_t start_ = 0;
    size_t filled_ = 0;
};

}  // namespace brevino
