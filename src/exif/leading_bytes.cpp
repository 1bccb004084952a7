#include "exif/leading_bytes.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace brevino {

LeadingBytes::LeadingBytes(const uint8_t* data, uint64_t size)
    : data_(data), size_(size), available_(size) {}

LeadingBytes::LeadingBytes(const FileHandle& file, uint64_t fileSize, std::vector<uint8_t>& storage)
    : file_(&file), storage_(&storage), size_(fileSize) {
    storage.clear();
}

LeadingBytes::Status LeadingBytes::ensure(uint64_t end, uint64_t readAhead) {
    if (end <= available_) return Status::Ok;
    if (end > size_ || file_ == nullptr) return Status::Short;
    uint64_t target = std::min(size_, std::max(end, available_ + readAhead));
    try {
        storage_->resize(static_cast<size_t>(target));
    } catch (const std::bad_alloc&) {
        return Status::NoMemory;
    } catch (const std::length_error&) {
        return Status::NoMemory;
    }
    size_t wanted = static_cast<size_t>(target - available_);
    size_t got = file_->readAt(available_, storage_->data() + available_, wanted);
    data_ = storage_->data();
    available_ += got;
    storage_->resize(static_cast<size_t>(available_));
    return end <= available_ ? Status::Ok : Status::Short;
}

}  // namespace brevino
