#include "exif/containers/head_reader.h"

namespace brevino {

std::span<const uint8_t> HeadReader::at(uint64_t offset, size_t length) {
    if (length > kWindow) return {};
    if (offset < start_ || offset + length > start_ + filled_) {
        start_ = offset;
        filled_ = source_.read(offset, window_.data(), window_.size());
        if (length > filled_) return {};
    }
    return {window_.data() + (offset - start_), length};
}

}  // namespace brevino
