// The JPEG a raw file embeds for showing: the largest one found wherever the TIFF-based raw
// files, CR3 and RAF keep theirs; lossless JPEG (raw data) and JPEGs that run past the file
// passed over; looping or broken structures ending the search.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "exif/embedded_preview.h"
#include "fixture_builder.h"

namespace brevino {
namespace {

using fixture::Bytes;

// A JPEG of `length` bytes whose frame head is `frame` (0xC0 baseline, 0xC3 lossless).
Bytes jpeg(uint8_t frame, size_t length) {
    const uint8_t head[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00, 0xFF, frame, 0x00,
                            0x0B, 8,    0,    16,   0,    16,   1,    1,    0x11, 0};
    Bytes bytes(length, 0x5A);
    std::copy(std::begin(head), std::end(head), bytes.begin());
    bytes[length - 2] = 0xFF;
    bytes[length - 1] = 0xD9;
    return bytes;
}

void put(Bytes& file, size_t at, const Bytes& bytes) {
    if (file.size() < at + bytes.size()) file.resize(at + bytes.size(), 0);
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

void putLe(Bytes& file, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A little-endian TIFF whose IFD k lies at ifdAt(k); IFD 0 is the 0th, the others are reached
// by the chain or by SubIFDs entries. Entries: tag, type, count, value field.
using IfdEntry = std::array<uint32_t, 4>;
struct RawIfd {
    std::vector<IfdEntry> entries;
    uint32_t next = 0;
};
constexpr uint32_t ifdAt(int k) {
    return 8 + 200 * static_cast<uint32_t>(k);
}
constexpr uint32_t kPayload = 2000;  // where the JPEGs are put

Bytes tiffFile(const std::vector<RawIfd>& ifds, const char* mark = "II*\0") {
    Bytes file(kPayload, 0);
    std::copy(mark, mark + 4, file.begin());
    putLe(file, 4, ifdAt(0), 4);
    for (size_t k = 0; k < ifds.size(); ++k) {
        size_t at = ifdAt(static_cast<int>(k));
        putLe(file, at, static_cast<uint32_t>(ifds[k].entries.size()), 2);
        at += 2;
        for (const IfdEntry& entry : ifds[k].entries) {
            putLe(file, at, entry[0], 2);
            putLe(file, at + 2, entry[1], 2);
            putLe(file, at + 4, entry[2], 4);
            putLe(file, at + 8, entry[3], entry[1] == 3 ? 2 : 4);
            at += 12;
        }
        putLe(file, at, ifds[k].next, 4);
    }
    return file;
}

IfdEntry shortValue(uint16_t tag, uint32_t value) {
    return {tag, 3, 1, value};
}
IfdEntry longValue(uint16_t tag, uint32_t value) {
    return {tag, 4, 1, value};
}
std::vector<IfdEntry> jpegPointer(uint32_t offset, uint32_t length) {
    return {longValue(0x0201, offset), longValue(0x0202, length)};
}
std::vector<IfdEntry> jpegStrip(uint16_t compression, uint32_t offset, uint32_t length) {
    return {shortValue(0x0103, compression), longValue(0x0111, offset), longValue(0x0117, length)};
}
std::vector<IfdEntry> operator+(std::vector<IfdEntry> a, const std::vector<IfdEntry>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(EmbeddedPreview, TiffBasedRawFiles) {
    const uint32_t small = kPayload, large = kPayload + 1000;
    struct Case {
        const char* name;
        std::vector<RawIfd> ifds;
        std::vector<std::pair<uint32_t, Bytes>> placed;  // JPEGs and arrays, where they lie
        std::optional<EmbeddedJpeg> expected;
        const char* mark = "II*\0";
    };
    const Case cases[] = {
        {"JPEG pointer of the 0th IFD",
         {{jpegPointer(small, 300)}},
         {{small, jpeg(0xC0, 300)}},
         EmbeddedJpeg{small, 300}},
        {"the larger of the chained IFD's pointer and the 0th's strip",
         {{jpegStrip(6, small, 300), ifdAt(1)}, {jpegPointer(large, 900)}},
         {{small, jpeg(0xC0, 300)}, {large, jpeg(0xC0, 900)}},
         EmbeddedJpeg{large, 900}},
        {"a sub-IFD's JPEG strip beats the 0th IFD's",
         {{jpegStrip(7, small, 300) + std::vector{longValue(0x014A, ifdAt(1))}},
          {jpegStrip(7, large, 900)}},
         {{small, jpeg(0xC0, 300)}, {large, jpeg(0xC0, 900)}},
         EmbeddedJpeg{large, 900}},
        {"sub-IFDs as an array",
         {{{{0x014A, 4, 2, ifdAt(3)}}}, {jpegStrip(7, small, 300)}, {jpegPointer(large, 900)}},
         {{ifdAt(3), Bytes{ifdAt(1), 0, 0, 0, ifdAt(2) & 0xFF, ifdAt(2) >> 8, 0, 0}},
          {small, jpeg(0xC0, 300)},
          {large, jpeg(0xC0, 900)}},
         EmbeddedJpeg{large, 900}},
        {"lossless raw data passed over for the smaller baseline JPEG",
         {{jpegPointer(small, 300) + std::vector{longValue(0x014A, ifdAt(1))}},
          {jpegStrip(7, large, 900)}},
         {{small, jpeg(0xC0, 300)}, {large, jpeg(0xC3, 900)}},
         EmbeddedJpeg{small, 300}},
        {"progressive",
         {{jpegPointer(small, 300)}},
         {{small, jpeg(0xC2, 300)}},
         EmbeddedJpeg{small, 300}},
        {"a strip of another compression",
         {{jpegStrip(1, small, 300)}},
         {{small, jpeg(0xC0, 300)}},
         std::nullopt},
        {"JPEG in two strips",
         {{{shortValue(0x0103, 7), {0x0111, 4, 2, 1500}, {0x0117, 4, 2, 1508}}}},
         {{small, jpeg(0xC0, 300)}},
         std::nullopt},
        {"pointer to bytes that are no JPEG", {{jpegPointer(small, 300)}}, {}, std::nullopt},
        {"JPEG running past the end of the file",
         {{jpegPointer(small, 5000)}},
         {{small, jpeg(0xC0, 300)}},
         std::nullopt},
        {"Panasonic JpgFromRaw",
         {{{{0x002E, 7, 900, large}}}},
         {{large, jpeg(0xC0, 900)}},
         EmbeddedJpeg{large, 900},
         "IIU\0"},
        {"IFD chain looping back to itself",
         {{jpegPointer(small, 300), ifdAt(0)}},
         {{small, jpeg(0xC0, 300)}},
         EmbeddedJpeg{small, 300}},
        {"sub-IFD pointing back to the 0th",
         {{jpegPointer(small, 300) + std::vector{longValue(0x014A, ifdAt(0))}}},
         {{small, jpeg(0xC0, 300)}},
         EmbeddedJpeg{small, 300}},
        {"next IFD past the end of the file",
         {{jpegPointer(small, 300), 1u << 30}},
         {{small, jpeg(0xC0, 300)}},
         EmbeddedJpeg{small, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes file = tiffFile(c.ifds, c.mark);
        for (const auto& [at, bytes] : c.placed)
            put(file, at, bytes);
        EXPECT_EQ(embeddedPreview(file), c.expected);
    }
}

Bytes box(const char* type, const Bytes& body) {
    const size_t size = body.size() + 8;
    Bytes out(size, 0);
    for (int i = 0; i < 4; ++i) {
        out[static_cast<size_t>(i)] = static_cast<uint8_t>(size >> (24 - 8 * i));
        out[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(type[i]);
    }
    std::copy(body.begin(), body.end(), out.begin() + 8);
    return out;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(EmbeddedPreview, Cr3AndRaf) {
    const Bytes canonId = {0x85, 0xc0, 0xb6, 0x87, 0x82, 0x0f, 0x11, 0xe0,
                           0x81, 0x11, 0xf4, 0xce, 0x46, 0x2b, 0x6a, 0x48};
    const Bytes previewId = {0xea, 0xf4, 0x2b, 0x5e, 0x1c, 0x98, 0x4b, 0x88,
                             0xb9, 0xfb, 0xb7, 0xdc, 0x40, 0x6e, 0x4d, 0x16};
    const Bytes ftyp = box("ftyp", Bytes{'c', 'r', 'x', ' ', 0, 0, 0, 1});
    // THMB: version and flags, width, height, JPEG length, two more numbers, then the JPEG.
    const Bytes thumb = box("THMB", Bytes(16, 0) + jpeg(0xC0, 200));
    const Bytes moov = box("moov", box("uuid", canonId + box("CMT1", Bytes(8, 0)) + thumb));
    // PRVW, 8 bytes after the preview uuid: five numbers, the JPEG length, then the JPEG.
    const Bytes preview =
        box("uuid", previewId + Bytes(8, 0) + box("PRVW", Bytes(16, 0) + jpeg(0xC0, 700)));
    const Bytes mdat = box("mdat", Bytes(64, 0));
    const uint64_t thumbJpeg = ftyp.size() + 8 + 8 + 16 + 16 + 8 + 16;
    const uint64_t previewJpeg = ftyp.size() + moov.size() + 8 + 16 + 8 + 8 + 16;

    Bytes raf(100, 0);
    std::copy_n("FUJIFILMCCD-RAW ", 16, raf.begin());
    put(raf, 84, {0, 0, 0, 100, 0, 0, 0x01, 0xF4});  // 500 bytes at 100
    const Bytes rafWithJpeg = raf + jpeg(0xC0, 500);

    const struct {
        const char* name;
        Bytes file;
        std::optional<EmbeddedJpeg> expected;
    } cases[] = {
        {"CR3 preview", ftyp + moov + preview + mdat, EmbeddedJpeg{previewJpeg, 700}},
        {"CR3 thumbnail when there is no preview", ftyp + moov + mdat,
         EmbeddedJpeg{thumbJpeg, 200}},
        {"CR3 without either", ftyp + box("moov", box("uuid", canonId)) + mdat, std::nullopt},
        {"RAF", rafWithJpeg, EmbeddedJpeg{100, 500}},
        {"RAF cut short", Bytes(rafWithJpeg.begin(), rafWithJpeg.end() - 1), std::nullopt},
        {"a JPEG file", jpeg(0xC0, 300), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(embeddedPreview(c.file), c.expected);
    }
}

}  // namespace
}  // namespace brevino
