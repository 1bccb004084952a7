#include "exif/byte_source.h"

#include <algorithm>
#include <cstring>

namespace brevino {

size_t MemorySource::read(uint64_t offset, uint8_t* destination, size_t length) const {
    if (offset >= bytes_.size()) return 0;
    const size_t count = static_cast<size_t>(std::min<uint64_t>(length, bytes_.size() - offset));
    // Nothing to copy: the destination of an empty read may be null, which memcpy must not get.
    if (count == 0) return 0;
    std::memcpy(destination, bytes_.data() + offset, count);
    return count;
}

size_t FileSource::read(uint64_t offset, uint8_t* destination, size_t length) const {
    if (offset >= size_) return 0;
    const size_t count = static_cast<size_t>(std::min<uint64_t>(length, size_ - offset));
    return file_.readAt(offset, destination, count);
}

}  // namespace brevino
