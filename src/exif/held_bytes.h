// The parts of a file that an analysis holds in memory, each at its file offset: the Exif
// block of a JPEG, or the IFDs and values of a TIFF-based raw file read where they lie. Every
// offset is a file offset; bytes not held are not there for anyone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "exif/byte_source.h"

namespace brevino {

// An allocator whose elements made by resize() are left as they are, not zeroed: a part is
// read into right after it is made, and zeroing it first cost as much as the analysis.
template <class T>
struct UninitializedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };
    UninitializedAllocator() = default;
    template <class U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* place) noexcept {
        ::new (static_cast<void*>(place)) U;
    }
    template <class U, class... Args>
    void construct(U* place, Args&&... args) {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};

class HeldBytes {
  public:
    // The bytes [offset, offset + length) when one held part holds them all; empty otherwise.
    std::span<const uint8_t> at(uint64_t offset, uint64_t length) const;

    // Makes [offset, offset + length) held, reading what is missing from `source` with up to
    // `readAhead` bytes more, but nothing at or past `limit`. False when the source ends
    // before, or the bytes would pass the held total's limit (a damaged file must not make
    // the analysis take all memory).
    bool fetch(const ByteSource& source, uint64_t offset, uint64_t length, uint64_t limit,
               uint64_t readAhead = 0);
    // Holds `bytes` as read from `offset`.
    void hold(uint64_t offset, std::span<const uint8_t> bytes);
    // Puts `bytes` in place of what is held at `offset` (a save wrote them into the file).
    void overwrite(uint64_t offset, std::span<const uint8_t> bytes);

    // Forgets every part, keeping a little memory for the next file.
    void clear();
    bool empty() const { return parts_.empty(); }
    uint64_t total() const { return total_; }

    // The most a document holds: beyond it values are not read.
    static constexpr uint64_t kTotalLimit = uint64_t{256} << 20;

  private:
    struct Part {
        uint64_t start = 0;
        // Never reallocated once held: views into it stay valid. Only bytes read or copied
        // into it are kept (it is cut to what was read).
        std::vector<uint8_t, UninitializedAllocator<uint8_t>> bytes;
    };
    std::vector<std::unique_ptr<Part>> parts_;  // sorted by start
    std::vector<std::unique_ptr<Part>> spare_;  // emptied parts whose room is reused
    uint64_t total_ = 0;

    Part& newPart(uint64_t start, size_t size);
};

}  // namespace brevino
