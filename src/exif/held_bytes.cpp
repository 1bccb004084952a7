#include "exif/held_bytes.h"

#include <algorithm>
#include <cstring>

namespace brevino {
namespace {

// Parts larger than this are not kept for the next file.
constexpr size_t kSpareLimit = size_t{1} << 20;

}  // namespace

std::span<const uint8_t> HeldBytes::at(uint64_t offset, uint64_t length) const {
    // The part that starts last at or before the offset, then those before it (parts may
    // overlap when a later read covered a gap between two).
    auto after =
        std::upper_bound(parts_.begin(), parts_.end(), offset,
                         [](uint64_t wanted, const auto& part) { return wanted < part->start; });
    for (auto part = after; part != parts_.begin();) {
        --part;
        const Part& held = **part;
        const uint64_t into = offset - held.start;
        if (into <= held.bytes.size() && length <= held.bytes.size() - into)
            return {held.bytes.data() + into, static_cast<size_t>(length)};
        // Parts are short next to the distances that matter: a few steps back suffice.
        if (after - part > 8) break;
    }
    return {};
}

HeldBytes::Part& HeldBytes::newPart(uint64_t start, size_t size) {
    std::unique_ptr<Part> part;
    if (!spare_.empty()) {
        part = std::move(spare_.back());
        spare_.pop_back();
    } else {
        part = std::make_unique<Part>();
    }
    part->start = start;
    part->bytes.resize(size);
    const auto at =
        std::upper_bound(parts_.begin(), parts_.end(), start,
                         [](uint64_t wanted, const auto& each) { return wanted < each->start; });
    return **parts_.insert(at, std::move(part));
}

bool HeldBytes::fetch(const ByteSource& source, uint64_t offset, uint64_t length, uint64_t limit,
                      uint64_t readAhead) {
    if (!at(offset, length).empty()) return true;
    limit = std::min(limit, source.size());
    if (offset > limit || length > limit - offset) return false;
    const uint64_t end = std::min(limit, offset + std::max(length, readAhead));
    const uint64_t size = end - offset;
    if (size > kTotalLimit - std::min(total_, kTotalLimit)) return false;
    Part& part = newPart(offset, static_cast<size_t>(size));
    const size_t got = source.read(offset, part.bytes.data(), part.bytes.size());
    part.bytes.resize(got);
    total_ += got;
    return got >= length;
}

void HeldBytes::hold(uint64_t offset, std::span<const uint8_t> bytes) {
    Part& part = newPart(offset, bytes.size());
    if (!bytes.empty()) std::memcpy(part.bytes.data(), bytes.data(), bytes.size());
    total_ += bytes.size();
}

void HeldBytes::overwrite(uint64_t offset, std::span<const uint8_t> bytes) {
    for (const auto& part : parts_) {
        const uint64_t from = std::max(offset, part->start);
        const uint64_t to = std::min(offset + bytes.size(), part->start + part->bytes.size());
        if (from < to)
            std::memcpy(part->bytes.data() + (from - part->start), bytes.data() + (from - offset),
                        static_cast<size_t>(to - from));
    }
}

void HeldBytes::clear() {
    for (auto& part : parts_) {
        if (part->bytes.capacity() <= kSpareLimit && spare_.size() < 4) {
            part->bytes.clear();
            spare_.push_back(std::move(part));
        }
    }
    parts_.clear();
    total_ = 0;
}

}  // namespace brevino
