#include "exif/leading_bytes.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace brevino {

LeadingBytes::LeadingBytes(const uint8_t* data, uint64_t size)
    : data_(data), size_(size), available_(size) {}

bool ByteStore::reserve(size_t size, size_t keep) {
    if (size <= capacity_) return true;
    uint8_t* grown = new (std::nothrow) uint8_t[size];
    if (grown == nullptr) return false;
    if (keep > 0) std::memcpy(grown, data_.get(), keep);
    data_.reset(grown);
    capacity_ = size;
    return true;
}

LeadingBytes::LeadingBytes(const FileHandle& file, uint64_t fileSize, ByteStore& storage)
    : file_(&file), storage_(&storage), size_(fileSize) {}

LeadingBytes::Status LeadingBytes::ensure(uint64_t end, uint64_t readAhead) {
    if (end <= available_) return Status::Ok;
    if (end > size_ || file_ == nullptr) return Status::Short;
    const uint64_t target = std::min(size_, std::max(end, available_ + readAhead));
    if (target > SIZE_MAX / 2 ||
        !storage_->reserve(static_cast<size_t>(target), static_cast<size_t>(available_))) {
        return Status::NoMemory;
    }
    const size_t wanted = static_cast<size_t>(target - available_);
    const size_t got = file_->readAt(available_, storage_->data() + available_, wanted);
    data_ = storage_->data();
    available_ += got;
    return end <= available_ ? Status::Ok : Status::Short;
}

}  // namespace brevino
