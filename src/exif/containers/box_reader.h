// The boxes of ISO base media files (HEIF, AVIF, CR3) and JPEG XL containers: a 32-bit size
// (1: a 64-bit size follows the type; 0: to the end of the parent), a four-character type,
// then the body. Read where they lie, never trusted past their parent's end.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "exif/containers/head_reader.h"

namespace brevino {

struct Box {
    uint64_t start = 0;
    uint64_t body = 0;  // where its body begins
    uint64_t end = 0;   // just past it
    char type[4] = {};

    bool is(std::string_view wanted) const { return wanted == std::string_view(type, 4); }
};

// The box at `offset`, which must lie within [offset, limit); nothing when its head cannot
// be read or its size does not fit.
std::optional<Box> readBox(HeadReader& reader, uint64_t offset, uint64_t limit);

// The first box of the type among the boxes in [start, end); nothing when none is, or when a
// box on the way is broken. At most kMaxBoxes boxes are looked at.
std::optional<Box> findBox(HeadReader& reader, uint64_t start, uint64_t end, std::string_view type);
inline constexpr int kMaxBoxes = 1 << 16;

// Big-endian numbers read one after another from a box's body, never past its end.
class BoxCursor {
  public:
    BoxCursor(HeadReader& reader, uint64_t at, uint64_t end)
        : reader_(reader), at_(at), end_(end) {}
    // The next number of `bytes` bytes (0, 1, 2, 4 or 8; 0 reads nothing and gives 0);
    // nothing past the end.
    std::optional<uint64_t> number(unsigned bytes);
    std::optional<uint64_t> u8() { return number(1); }
    std::optional<uint64_t> u16() { return number(2); }
    std::optional<uint64_t> u32() { return number(4); }
    bool skip(uint64_t bytes);
    uint64_t at() const { return at_; }

  private:
    HeadReader& reader_;
    uint64_t at_;
    uint64_t end_;
};

}  // namespace brevino
