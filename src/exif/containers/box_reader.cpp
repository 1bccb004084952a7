#include "exif/containers/box_reader.h"

#include <cstring>

namespace brevino {

std::optional<Box> readBox(HeadReader& reader, uint64_t offset, uint64_t limit) {
    if (offset > limit || limit - offset < 8) return std::nullopt;
    const std::span<const uint8_t> head = reader.at(offset, 8);
    if (head.empty()) return std::nullopt;
    Box box;
    box.start = offset;
    std::memcpy(box.type, head.data() + 4, 4);
    uint64_t size =
        uint64_t{head[0]} << 24 | uint64_t{head[1]} << 16 | uint64_t{head[2]} << 8 | head[3];
    box.body = offset + 8;
    if (size == 1) {
        if (limit - offset < 16) return std::nullopt;
        const std::span<const uint8_t> large = reader.at(offset + 8, 8);
        if (large.empty()) return std::nullopt;
        size = 0;
        for (const uint8_t byte : large)
            size = size << 8 | byte;
        box.body = offset + 16;
    } else if (size == 0) {
        size = limit - offset;  // to the end of its parent
    }
    if (size < box.body - offset || size > limit - offset) return std::nullopt;
    box.end = offset + size;
    return box;
}

std::optional<Box> findBox(HeadReader& reader, uint64_t start, uint64_t end,
                           std::string_view type) {
    uint64_t at = start;
    for (int i = 0; i < kMaxBoxes && at < end; ++i) {
        const std::optional<Box> box = readBox(reader, at, end);
        if (!box) return std::nullopt;
        if (box->is(type)) return box;
        at = box->end;
    }
    return std::nullopt;
}

std::optional<uint64_t> BoxCursor::number(unsigned bytes) {
    if (bytes > 8 || at_ > end_ || bytes > end_ - at_) return std::nullopt;
    if (bytes == 0) return 0;
    const std::span<const uint8_t> data = reader_.at(at_, bytes);
    if (data.empty()) return std::nullopt;
    uint64_t value = 0;
    for (const uint8_t byte : data)
        value = value << 8 | byte;
    at_ += bytes;
    return value;
}

bool BoxCursor::skip(uint64_t bytes) {
    if (at_ > end_ || bytes > end_ - at_) return false;
    at_ += bytes;
    return true;
}

}  // namespace brevino
