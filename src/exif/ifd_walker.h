// Walking the IFDs of the TIFF structure into typed entries.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "exif/document.h"

namespace brevino {

// The walk of one TIFF block of a document: the entries found so far and the pointers noticed
// on the way. Offsets are file offsets.
class IfdWalk {
  public:
    // Reads what the block does not hold yet from `source` (none: only what is held).
    IfdWalk(Document& document, const ByteSource* source, const TiffBlock& block)
        : document_(document), source_(source), block_(block) {}

    // The bytes [offset, offset + length) of the block, read (with up to `readAhead` more) when
    // they are not held yet; empty when they lie outside the block or cannot be read.
    std::span<const uint8_t> read(uint64_t offset, uint64_t length, uint64_t readAhead);
    const Document& document() const { return document_; }
    // The file offset of the block's TIFF header.
    uint64_t tiffStart() const { return block_.tiffStart; }

    // Appends the entries of the IFD at `ifdOffset` under a section of `kind`, named by
    // `table`, whose value offsets count from `base`; notes sub-IFD and maker-note pointers.
    // An IFD or entry that is not wholly inside the block ends its walk.
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

    // The image sub-IFDs (SubIFDs entries) noticed since the last call, as file offsets; a
    // few at most. Noticed only in blocks of chained image IFDs.
    std::vector<uint64_t> takeSubImages() { return std::exchange(subImages_, {}); }
    static constexpr size_t kMaxSubImages = 16;
    // Where the DNG private data lies (the copy of the original file's maker note); 0 for none.
    uint64_t dngPrivateOffset() const { return dngPrivateOffset_; }
    uint64_t dngPrivateCount() const { return dngPrivateCount_; }

    // Walks the IFDs that entries of the maker note point to (a vendor's sub-IFDs), in the
    // order met, each once; a few at most, so that loops end.
    void walkNestedIfds();
    static constexpr size_t kMaxNestedIfds = 16;

  private:
    void placeValue(Entry& entry, uint64_t base);
    // An IFD read where it lies brings the bytes after it along: its values usually follow.
    static constexpr uint64_t kIfdReadAhead = 64 << 10;
    void noticeSubImages(const Entry& entry);
    bool looksLikeIfd(uint64_t offset, ByteOrder order);
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
    const ByteSource* source_;
    const TiffBlock& block_;
    std::array<SubIfd, kMaxSubIfds> subIfds_{};
    size_t subIfdCount_ = 0;
    uint64_t makerNoteOffset_ = 0;
    uint64_t makerNoteCount_ = 0;
    std::vector<uint64_t> subImages_;
    size_t subImagesNoticed_ = 0;
    uint64_t dngPrivateOffset_ = 0;
    uint64_t dngPrivateCount_ = 0;
};

}  // namespace brevino
