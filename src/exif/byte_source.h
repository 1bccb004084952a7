// Random access to a file's bytes, whether it lies on disk or already in memory, so that the
// analysis reads only the parts of a file it needs: the heads of its containers' boxes and
// segments, and the Exif data itself.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/file_io.h"

namespace brevino {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual uint64_t size() const = 0;
    // Reads up to `length` bytes at `offset` into `destination`; the number read.
    virtual size_t read(uint64_t offset, uint8_t* destination, size_t length) const = 0;
    // Reads all of [offset, offset + length); false when the source ends before.
    bool readAll(uint64_t offset, uint8_t* destination, size_t length) const {
        return read(offset, destination, length) == length;
    }
};

// Bytes that stand for a whole file (tests, fuzzers, a file read whole).
class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint64_t size() const override { return bytes_.size(); }
    size_t read(uint64_t offset, uint8_t* destination, size_t length) const override;

  private:
    std::span<const uint8_t> bytes_;
};

// An open file of the size it had when it was opened. Its first bytes are read once, with the
// first read that starts among them: the heads that locate the Exif data, and in most photos
// the Exif data itself, lie there, so that finding and holding it takes one or two reads.
class FileSource : public ByteSource {
  public:
    FileSource(const FileHandle& file, uint64_t size) : file_(file), size_(size) {}
    uint64_t size() const override { return size_; }
    size_t read(uint64_t offset, uint8_t* destination, size_t length) const override;

    static constexpr size_t kPrefixLength = 8192;

  private:
    const FileHandle& file_;
    uint64_t size_;
    mutable bool prefixRead_ = false;
    mutable size_t prefixFilled_ = 0;
    mutable std::array<uint8_t, kPrefixLength> prefix_;  // filled before it is read
};

}  // namespace brevino
