// Per-file state of the last Exif analysis.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "exif/byte_order.h"
#include "tags/tag_dictionary.h"

namespace brevino {

// Where the Exif segment lies in the analysed file. The TIFF header is at skippedBytes + 12.
struct ExifLocation {
    uint64_t exifStart = 0;     // 0 when the segment follows the start-of-image marker
    uint64_t exifEnd = 0;       // offset just past the segment; 0 when none was located
    uint64_t skippedBytes = 0;  // size of the segments before the Exif segment

    uint64_t tiffStart() const { return skippedBytes + 12; }
};

// A sub-IFD pointer noticed during the walk, already turned into a buffer offset.
struct SubIfdRef {
    uint16_t tag = 0;
    uint64_t offset = 0;
};

inline constexpr size_t kMaxSubIfds = 3;
inline constexpr size_t kContentTextCapacity = 2064;

struct AnalysisState {
    uint32_t rowCount = 0;
    ExifLocation location;
    ByteOrder byteOrder = Intel;
    ByteOrder makerNoteByteOrder = Intel;
    std::array<SubIfdRef, kMaxSubIfds> subIfds{};
    uint8_t subIfdCount = 0;
    uint64_t makerNoteOffset = 0;
    uint64_t makerNoteCount = 0;
    const TagDef* currentDictionary = StandardTagTable;
    IfdKind currentIfd = IfdKind::None;
    uint32_t makerNoteFirstRow = 0;
    std::string contentText;  // work buffer of the formatters

    AnalysisState() { contentText.reserve(kContentTextCapacity); }
};

}  // namespace brevino
