// Builds JPEG files with chosen Exif contents for the tests: entries of every type, both
// byte orders, segments before the Exif segment, sub-IFDs, thumbnails and maker notes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exif/byte_order.h"

namespace brevino::fixture {

using Bytes = std::vector<uint8_t>;

struct Entry {
    uint16_t tag = 0;
    uint16_t type = 0;
    std::vector<uint32_t> numbers;       // numeric values; rationals as numerator, denominator
    std::string bytes;                   // the value of ASCII, UNDEFINED and other types
    std::optional<uint32_t> count;       // overrides the count the values give
    std::optional<uint32_t> valueField;  // overrides the value field (wild offsets)
};

Entry byteValues(uint16_t tag, std::vector<uint32_t> values);
// The text and a terminating zero byte, unless `count` says otherwise (the value is then
// padded with zero bytes or cut to `count` bytes).
Entry ascii(uint16_t tag, const std::string& text, std::optional<uint32_t> count = std::nullopt);
Entry shorts(uint16_t tag, std::vector<uint32_t> values);
Entry longs(uint16_t tag, std::vector<uint32_t> values);
Entry slongs(uint16_t tag, std::vector<int32_t> values);
Entry rationals(uint16_t tag, std::vector<std::pair<uint32_t, uint32_t>> values);
Entry srationals(uint16_t tag, std::vector<std::pair<int32_t, int32_t>> values);
Entry undefined(uint16_t tag, const std::string& bytes);
// An entry of any type whose count and value field are given as they are.
Entry rawEntry(uint16_t tag, uint16_t type, uint32_t count, uint32_t valueField);

struct Ifd {
    std::vector<Entry> entries;
};

// A maker note: header bytes, then an IFD in its own byte order at `ifdStart`.
struct MakerNote {
    std::string header;  // e.g. "AOC\0MM" or "SONY DSC \0\0\0"
    ByteOrder order = Intel;
    Ifd ifd;
    std::optional<uint32_t> count;  // overrides the maker-note entry's count
    // The byte of the note that the offsets of its values count from (its start, or a TIFF
    // header of its own); when not set they count from the Exif block's TIFF header.
    std::optional<uint32_t> offsetsFrom = std::nullopt;
};

struct Tiff {
    ByteOrder order = Intel;
    std::string mark;  // "II" or "MM" when empty; anything else to test odd headers
    Ifd ifd0;
    std::optional<Ifd> exif;
    std::optional<Ifd> gps;
    std::optional<Ifd> interop;
    std::optional<Ifd> ifd1;
    std::optional<MakerNote> makerNote;       // an IFD-holding maker note in the Exif IFD
    std::optional<std::string> rawMakerNote;  // or any bytes as the maker note
    std::optional<std::string> thumbnail;     // JPEG bytes the 1st IFD points at
};

// The TIFF structure, header first; pointer entries are added where sub-IFDs exist.
Bytes buildTiff(const Tiff& tiff);

struct Segment {
    uint8_t marker = 0xE0;
    std::string payload;
};
// An APP0 (JFIF) segment of the given total length L (counting its length field).
Segment app0(uint16_t length = 16);

// SOI, the segments before, the Exif segment holding `tiff`, then a small scan and EOI.
Bytes buildJpeg(const Bytes& tiff, const std::vector<Segment>& before = {});
// A JPEG file built from a Tiff description.
Bytes jpegWith(const Tiff& tiff, const std::vector<Segment>& before = {});

// The TIFF data wrapped in the other containers Exif lives in, as the cameras and tools of
// each write it.
enum class Wrapping {
    Heif,           // an Exif item after "Exif\0\0", placed by iloc version 0 in the file
    HeifIdat,       // the same item in the meta box's idat (iloc version 1, construction method 1)
    HeifAtEnd,      // iloc version 2, the item after the picture data
    WebP,           // an EXIF chunk with the "Exif\0\0" prefix
    Png,            // an eXIf chunk with its CRC
    Jxl,            // an Exif box after a zero offset
    JxlCompressed,  // the same in a Brotli-compressed brob box
    Raf,            // a JPEG preview the RAF header points to
};
Bytes wrapTiff(const Bytes& tiff, Wrapping wrapping);
// Where the TIFF data starts in a file wrapTiff built (for JxlCompressed: in the payload).
size_t wrappedTiffOffset(const Bytes& file, const Bytes& tiff);
// A CR3: the four TIFF structures in the CMT boxes of the Canon uuid box inside moov.
Bytes cr3With(const Bytes& cmt1, const Bytes& cmt2, const Bytes& cmt3, const Bytes& cmt4);

// Offset of the TIFF header in a file built by buildJpeg with these segments before.
size_t tiffOffset(const std::vector<Segment>& before = {});

// Files on disk for tests that need them: a fresh folder removed at the end of the test.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::string write(const std::string& name, const Bytes& bytes) const;

  private:
    std::string path_;
};

Bytes readFile(const std::string& path);
void writeFile(const std::string& path, const Bytes& bytes);

// The corpus of real camera files, when it is present next to the repository.
std::string corpusDirectory();
std::vector<std::string> corpusFiles();

}  // namespace brevino::fixture
