// Exif in every container: found where the container keeps it, every entry at its file
// offset, a value edit changing only the value's bytes (and a checksum that covers them),
// undone byte for byte; and the damage a container can carry, refused cleanly.
#include <gtest/gtest.h>

#include "edit/row_lookup.h"
#include "journal/undo.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using fixture::Wrapping;

fixture::Tiff photoTiff() {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010F, "Maker"), fixture::ascii(0x0110, "Model 1"),
                         fixture::rationals(0x011A, {{72, 1}})};
    tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, "2004:05:06 07:08:09")}};
    tiff.gps = fixture::Ifd{{fixture::ascii(0x0001, "N")}};
    return tiff;
}

struct Container {
    const char* name;
    const char* extension;
    Wrapping wrapping;
    bool editable;
    std::vector<std::string> changedBesides;  // bytes beyond the value that change too
};

// The file offset of a row's value, as its offset cell tells it.
uint64_t offsetOf(const testing::TestWorkspace& t, long row) {
    return std::stoull(t.cell(static_cast<size_t>(row), Column::Offset), nullptr, 16);
}

TEST(Containers, ExifFoundEditedAndTakenBackInEachContainer) {
    const Bytes tiff = fixture::buildTiff(photoTiff());
    const Container containers[] = {
        {"HEIF, iloc version 0", "heic", Wrapping::Heif, true, {}},
        {"HEIF, item in idat", "heif", Wrapping::HeifIdat, true, {}},
        {"HEIF, item after the picture", "avif", Wrapping::HeifAtEnd, true, {}},
        {"WebP", "webp", Wrapping::WebP, true, {}},
        {"PNG", "png", Wrapping::Png, true, {"crc"}},
        {"JPEG XL", "jxl", Wrapping::Jxl, true, {}},
        {"JPEG XL, compressed", "jxl", Wrapping::JxlCompressed, false, {}},
        {"RAF", "raf", Wrapping::Raf, true, {}},
    };
    for (const Container& c : containers) {
        SCOPED_TRACE(c.name);
        fixture::TempDir dir;
        JournalStore store(dir.file("state"));
        const Bytes original = fixture::wrapTiff(tiff, c.wrapping);
        // Named so that only the content can tell the container.
        const std::string path = dir.write(std::string("photo.") + c.extension, original);
        testing::TestWorkspace t;
        t.workspace.journal = &store;
        ASSERT_TRUE(t.analyzePath(path));
        EXPECT_EQ(t.headings(),
                  (std::vector<std::string>{"【0th IFD】", "【Exif IFD】", "【GPS情報IFD】"}));
        const long make = t.findRow("画像入力機器のメーカー名");
        ASSERT_GE(make, 0);
        EXPECT_EQ(t.cell(make, Column::Content), "Maker");
        const RowLookup found =
            findRow(t.workspace.document(), t.rows(), parseRowName("DateTimeOriginal"));
        ASSERT_TRUE(found.exists());
        EXPECT_EQ(t.cell(found.first, Column::Content), "2004:05:06 07:08:09");
        if (c.wrapping != Wrapping::JxlCompressed) {
            // Offsets are file offsets: the file holds the value there.
            const uint64_t at = offsetOf(t, make);
            ASSERT_LT(at + 5, original.size());
            EXPECT_EQ(std::string(original.begin() + static_cast<long>(at),
                                  original.begin() + static_cast<long>(at + 5)),
                      "Maker");
        }
        EXPECT_EQ(t.workspace.isEditable(static_cast<size_t>(make)), c.editable);
        if (!c.editable) continue;

        ASSERT_TRUE(t.workspace.setRow(static_cast<size_t>(make), "ZZZZZ"));
        ASSERT_TRUE(t.workspace.save());
        const Bytes saved = fixture::readFile(path);
        ASSERT_EQ(saved.size(), original.size());
        std::vector<size_t> changed;
        for (size_t i = 0; i < saved.size(); ++i) {
            if (saved[i] != original[i]) changed.push_back(i);
        }
        const uint64_t at = offsetOf(t, make);
        size_t outside = 0;
        for (size_t i : changed)
            outside += i < at || i >= at + 5;
        // "Maker" to "ZZZZZ": every letter differs; the CRC's four bytes may change too.
        EXPECT_EQ(changed.size() - outside, 5u);
        EXPECT_LE(outside, c.changedBesides.empty() ? 0u : 4u);
        // The file reads back with the new value, and the container is still sound.
        testing::TestWorkspace again;
        ASSERT_TRUE(again.analyzePath(path));
        EXPECT_EQ(again.cell(again.findRow("画像入力機器のメーカー名"), Column::Content), "ZZZZZ");
        EXPECT_TRUE(undoOperation(store).complete());
        EXPECT_EQ(fixture::readFile(path), original);
    }
}

TEST(Containers, Cr3BlocksAndTiffChains) {
    // A CR3: the 0th IFD, the Exif IFD and the GPS IFD each in a box of its own.
    fixture::Tiff zeroth;
    zeroth.ifd0.entries = {fixture::ascii(0x010F, "Canon"), fixture::ascii(0x0110, "EOS R")};
    fixture::Tiff exif;
    exif.ifd0.entries = {fixture::ascii(0x9003, "2021:05:12 12:21:21")};
    fixture::Tiff gps;
    gps.ifd0.entries = {fixture::ascii(0x0001, "S")};
    fixture::TempDir dir;
    const std::string cr3 =
        dir.write("a.cr3", fixture::cr3With(fixture::buildTiff(zeroth), fixture::buildTiff(exif),
                                            {}, fixture::buildTiff(gps)));
    testing::TestWorkspace t;
    ASSERT_TRUE(t.analyzePath(cr3));
    EXPECT_EQ(t.headings(), (std::vector<std::string>{"【CMT1 0th IFD】", "【CMT2 Exif IFD】",
                                                      "【CMT4 GPS情報IFD】"}));
    EXPECT_EQ(t.cell(t.findRow("原画像データの生成日時"), Column::Content), "2021:05:12 12:21:21");
    EXPECT_EQ(t.cell(t.findRow("北緯(N)or南緯(S)"), Column::Note), "南緯");

    // Its maker note in CMT3, a TIFF structure of its own, is known by the Make that CMT1
    // holds, and read with the maker's dictionary.
    fixture::Tiff note;
    note.ifd0.entries = {fixture::longs(0x0010, {0x1110000})};
    const std::string withNote =
        dir.write("c.cr3", fixture::cr3With(fixture::buildTiff(zeroth), fixture::buildTiff(exif),
                                            fixture::buildTiff(note), fixture::buildTiff(gps)));
    ASSERT_TRUE(t.analyzePath(withNote));
    const long model = t.findRow("CanonModelID");
    ASSERT_GE(model, 0);
    EXPECT_EQ(t.cell(model, Column::Note), "PowerShot S40");

    // A TIFF whose 0th IFD links to further images and points to sub-images, one of them in
    // a loop back to the 0th IFD: each walked once, under its own heading.
    fixture::Tiff chained;
    chained.ifd0.entries = {fixture::longs(0x00FE, {1}), fixture::ascii(0x010F, "Maker"),
                            fixture::longs(0x014A, {8, 8})};
    chained.ifd1 = fixture::Ifd{{fixture::longs(0x00FE, {1})}};
    const std::string tif = dir.write("b.dat", fixture::buildTiff(chained));
    ASSERT_TRUE(t.analyzePath(tif));
    EXPECT_EQ(t.headings(), (std::vector<std::string>{"【0th IFD】", "【1st IFD】"}));
    EXPECT_EQ(t.cell(t.findRow("New Subfile Type"), Column::Note), "Reduced-resolution image");
}

TEST(Containers, DamagedContainersAreRefusedWithTheirMessage) {
    const Bytes tiff = fixture::buildTiff(photoTiff());
    auto cut = [](Bytes bytes, size_t size) {
        bytes.resize(size);
        return bytes;
    };
    const Bytes heif = fixture::wrapTiff(tiff, Wrapping::Heif);
    const Bytes png = fixture::wrapTiff(tiff, Wrapping::Png);
    Bytes boxTooLong = heif;
    boxTooLong[3] = 0xFF;  // the ftyp box claims more than the file holds
    Bytes extentPastEnd = heif;
    extentPastEnd.resize(heif.size() - 20);  // the Exif item reaches past the end
    Bytes noExif = heif;
    std::replace(noExif.begin(), noExif.end(), uint8_t{'E'}, uint8_t{'e'});  // no "Exif" item
    const struct {
        const char* what;
        Bytes bytes;
        std::string message;
    } cases[] = {
        {"a HEIF box past the end", boxTooLong, "ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。"},
        {"an item past the end", extentPastEnd, "APP1ﾘｰﾄﾞｴﾗｰ。"},
        {"a HEIF without Exif", noExif, "Exif情報がありません。"},
        {"a PNG cut in its chunks", cut(png, 30), "ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。"},
        {"a WebP cut in its chunks", cut(fixture::wrapTiff(tiff, Wrapping::WebP), 20),
         "ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。"},
    };
    for (const auto& c : cases) {
        testing::TestWorkspace t;
        EXPECT_FALSE(t.analyze(c.bytes)) << c.what;
        const auto messages = t.takeMessages();
        ASSERT_EQ(messages.size(), 1u) << c.what;
        EXPECT_EQ(messages[0].text, c.message) << c.what;
    }
}

}  // namespace
}  // namespace brevino
