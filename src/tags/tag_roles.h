// Tags the program itself acts on, by number: pointers that hold the file's structure, the
// date rows, the image title and the user comment.
#pragma once

#include <cstdint>

#include "tags/ifd.h"

namespace brevino::tags {

inline constexpr uint16_t kImageDescription = 0x010E;
inline constexpr uint16_t kOrientation = 0x0112;
inline constexpr uint16_t kDateTime = 0x0132;           // file change
inline constexpr uint16_t kDateTimeOriginal = 0x9003;   // original image data
inline constexpr uint16_t kDateTimeDigitized = 0x9004;  // digital data
inline constexpr uint16_t kUserComment = 0x9286;
inline constexpr uint16_t kExifPointer = 0x8769;
inline constexpr uint16_t kGpsPointer = 0x8825;
inline constexpr uint16_t kInteropPointer = 0xA005;
inline constexpr uint16_t kMakerNote = 0x927C;
inline constexpr uint16_t kThumbnailOffset = 0x0201;
inline constexpr uint16_t kThumbnailLength = 0x0202;

// Entries that hold the file's structure (where other IFDs, strips, tiles, the thumbnail and
// the maker note lie, and how long they are): changing them would cut parts of the file off.
bool isStructural(IfdKind ifd, uint16_t tag);

// The three date tags of the standard IFDs (the 1st IFD's file-change date included).
bool isDate(IfdKind ifd, uint16_t tag);

}  // namespace brevino::tags
