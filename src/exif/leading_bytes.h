// The leading bytes of a file, read forward on demand, so that locating the Exif segment
// and analysing it read the file once, up to the end of that segment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/file_io.h"

namespace brevino {

// Storage for leading bytes that grows without clearing what it does not need to.
class ByteStore {
  public:
    // Makes room for `size` bytes, keeping the first `keep`; false when memory runs out.
    bool reserve(size_t size, size_t keep);
    uint8_t* data() { return data_.get(); }
    size_t capacity() const { return capacity_; }
    void release() {
        data_.reset();
        capacity_ = 0;
    }

  private:
    std::unique_ptr<uint8_t[]> data_;
    size_t capacity_ = 0;
};

class LeadingBytes {
  public:
    enum class Status { Ok, Short, NoMemory };

    // A file that is already in memory as a whole.
    LeadingBytes(const uint8_t* data, uint64_t size);
    // An open file of the given size; bytes read are kept in `storage`.
    LeadingBytes(const FileHandle& file, uint64_t fileSize, ByteStore& storage);

    // Makes bytes [0, end) available, reading up to `readAhead` further bytes while at it.
    Status ensure(uint64_t end, uint64_t readAhead = 0);

    const uint8_t* data() const { return data_; }
    uint64_t available() const { return available_; }

  private:
    const FileHandle* file_ = nullptr;
    ByteStore* storage_ = nullptr;
    const uint8_t* data_ = nullptr;
    uint64_t size_ = 0;
    uint64_t available_ = 0;
};

}  // namespace brevino
