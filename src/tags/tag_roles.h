// Tags the program itself acts on, by number: pointers that hold the file's structure, the
// date rows, the image title, the user comment, the tags whose bytes read in their own way
// and the GPS position.
#pragma once

#include <cstdint>

#include "tags/ifd.h"

namespace brevino::tags {

inline constexpr uint16_t kImageDescription = 0x010E;
inline constexpr uint16_t kMake = 0x010F;
inline constexpr uint16_t kArtist = 0x013B;
inline constexpr uint16_t kCopyright = 0x8298;
inline constexpr uint16_t kOrientation = 0x0112;
inline constexpr uint16_t kDateTime = 0x0132;           // file change
inline constexpr uint16_t kDateTimeOriginal = 0x9003;   // original image data
inline constexpr uint16_t kDateTimeDigitized = 0x9004;  // digital data
inline constexpr uint16_t kUserComment = 0x9286;
inline constexpr uint16_t kExifPointer = 0x8769;
inline constexpr uint16_t kGpsPointer = 0x8825;
inline constexpr uint16_t kInteropPointer = 0xA005;
inline constexpr uint16_t kMakerNote = 0x927C;
inline constexpr uint16_t kSubIfds = 0x014A;
inline constexpr uint16_t kDngPrivateData = 0xC634;
inline constexpr uint16_t kThumbnailOffset = 0x0201;
inline constexpr uint16_t kThumbnailLength = 0x0202;
inline constexpr uint16_t kOffsetTime = 0x9010;           // time-zone offset of DateTime
inline constexpr uint16_t kOffsetTimeDigitized = 0x9012;  // ... of DateTimeDigitized
inline constexpr uint16_t kExifVersion = 0x9000;
inline constexpr uint16_t kFlashpixVersion = 0xA000;
inline constexpr uint16_t kInteropVersion = 0x0002;  // in the interoperability IFD
inline constexpr uint16_t kComponentsConfiguration = 0x9101;
inline constexpr uint16_t kFileSource = 0xA300;
inline constexpr uint16_t kSceneType = 0xA301;
inline constexpr uint16_t kGpsLatitudeRef = 0x0001;
inline constexpr uint16_t kGpsLatitude = 0x0002;
inline constexpr uint16_t kGpsLongitudeRef = 0x0003;
inline constexpr uint16_t kGpsLongitude = 0x0004;
inline constexpr uint16_t kGpsAltitudeRef = 0x0005;
inline constexpr uint16_t kGpsAltitude = 0x0006;

// Entries that hold the file's structure (where other IFDs, strips, tiles, free space, JPEG
// tables, the thumbnail, the maker note and its raw-file copy lie, and how long they are):
// changing them would cut parts of the file off.
bool isStructural(IfdKind ifd, uint16_t tag);

// Entries whose value is the offset of another IFD (the Exif, GPS, interoperability and
// TIFF sub-IFD pointers).
bool isIfdPointer(IfdKind ifd, uint16_t tag);

// How an UNDEFINED value's bytes read.
enum class UndefinedForm : uint8_t {
    Bytes,        // hexadecimal bytes
    UserComment,  // a character code and a text
    Version,      // four characters ("0232")
    Numbers,      // byte values, as BYTE values read
    ByteCount,    // only its length (the maker note)
};
UndefinedForm undefinedForm(IfdKind ifd, uint16_t tag);

// The text tags Windows writes in the 0th IFD (title, comment, author, keywords, subject):
// BYTE values holding UTF-16LE text.
bool isWindowsText(IfdKind ifd, uint16_t tag);

// The three date tags of the standard IFDs (the 1st IFD's file-change date included).
bool isDate(IfdKind ifd, uint16_t tag);

}  // namespace brevino::tags
