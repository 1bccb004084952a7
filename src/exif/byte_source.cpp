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
    if (count == 0) return 0;
    if (!prefixRead_ && offset < kPrefixLength) {
        prefixRead_ = true;
        prefixFilled_ = file_.readAt(0, prefix_.data(),
                                     static_cast<size_t>(std::min<uint64_t>(size_, kPrefixLength)));
    }
    size_t done = 0;
    if (offset < prefixFilled_) {
        done = std::min(count, static_cast<size_t>(prefixFilled_ - offset));
        std::memcpy(destination, prefix_.data() + offset, done);
    }
    if (done < count) done += file_.readAt(offset + done, destination + done, count - done);
    return done;
}

}  // namespace brevino
