// Walking the IFDs of the TIFF structure into typed entries.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "exif/document.h"

namespace brevino {

// The walk of one document: the entries found so far and the pointers noticed on the way.
class IfdWalk {
  public:
    explicit IfdWalk(Document& document) : document_(document) {}

    // Appends the entries of the IFD at buffer offset `ifdOffset` under a section of `kind`,
    // named by `table`, whose value offsets count from buffer offset `base`; notes sub-IFD and
    // maker-note pointers. An IFD or entry that is not wholly inside the buffer ends its walk.
    void walk(uint64_t ifdOffset, ByteOrder order, IfdKind kind, uint64_t base,
              const TagTable* table);
    // The same, named by the standard dictionary of `kind`.
    void walk(uint64_t ifdOffset, ByteOrder order, IfdKind kind, uint64_t base) {
        walk(ifdOffset, order, kind, base, standardTable(kind));
    }

    // A sub-IFD pointer noticed during the walk, already turned into a buffer offset.
    struct SubIfd {
        uint16_t tag = 0;
        uint64_t offset = 0;
    };
    // Only three sub-IFDs are kept; further pointers (damaged or looping files) are dropped,
    // which also keeps the walk finite.
    static constexpr size_t kMaxSubIfds = 3;
    size_t subIfdCount() const { return subIfdCount_; }
    SubIfd subIfd(size_t index) const { return subIfds_[index]; }

    uint64_t makerNoteOffset() const { return makerNoteOffset_; }
    uint64_t makerNoteCount() const { return makerNoteCount_; }

    // Walks the IFDs that entries of the maker note point to (a vendor's sub-IFDs), in the
    // order met, each once; a few at most, so that loops end.
    void walkNestedIfds();
    static constexpr size_t kMaxNestedIfds = 16;

  private:
    void placeValue(Entry& entry, uint64_t base) const;
    bool looksLikeIfd(uint64_t offset, ByteOrder order) const;
    // Adds an entry for each value of `array` that `fields` names, after the array's entry.
    void addFields(const Entry& array, const TagTable& fields);

    struct Nested {
        uint64_t offset;
        ByteOrder order;
        uint64_t base;
        const TagTable* table;
    };
    std::vector<Nested> nested_;

    Document& document_;
    std::array<SubIfd, kMaxSubIfds> subIfds_{};
    size_t subIfdCount_ = 0;
    uint64_t makerNoteOffset_ = 0;
    uint64_t makerNoteCount_ = 0;
};

}  // namespace brevino
