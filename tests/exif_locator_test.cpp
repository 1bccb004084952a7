#include <gtest/gtest.h>

#include "exif/byte_order.h"
#include "exif/analysis.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::Message;
using testing::TestWorkspace;

const std::string kHeaderReadError = "ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。";
const std::string kNotSupported = "対象外の形式です";

Bytes simpleTiff() {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::shorts(0x0112, {1})};
    return fixture::buildTiff(tiff);
}

TEST(LocateExif, SegmentRightAfterStartOfImage) {
    TestWorkspace t;
    Bytes tiff = simpleTiff();
    ASSERT_EQ(t.analyze(fixture::buildJpeg(tiff)), 1);
    const ExifLocation& location = t.location();
    const uint64_t length = tiff.size() + 8;  // length field, "Exif\0\0", TIFF
    EXPECT_EQ(location.exifStart, 0u);
    EXPECT_EQ(location.skippedBytes, 0u);
    EXPECT_EQ(location.exifEnd, length + 4);
    EXPECT_EQ(location.tiffStart, 12u);
}

TEST(LocateExif, SegmentsBeforeTheExifSegmentAreSkipped) {
    TestWorkspace t;
    Bytes tiff = simpleTiff();
    const uint64_t length = tiff.size() + 8;
    ASSERT_EQ(t.analyze(fixture::buildJpeg(tiff, {fixture::app0(16)})), 1);
    EXPECT_EQ(t.location().skippedBytes, 18u);
    EXPECT_EQ(t.location().exifStart, 20u);
    EXPECT_EQ(t.location().tiffStart, 30u);
    EXPECT_EQ(t.location().exifEnd, 22 + length);

    ASSERT_EQ(
        t.analyze(fixture::buildJpeg(tiff, {fixture::app0(16), {0xE2, std::string(98, 'x')}})), 1);
    EXPECT_EQ(t.location().skippedBytes, 120u);
    EXPECT_EQ(t.location().exifStart, 122u);
    EXPECT_EQ(t.location().exifEnd, 124 + length);
    EXPECT_EQ(t.cell(1, Column::Content), "1");
}

TEST(LocateExif, AnyMarkerCodeWithAnExifPayloadIsTaken) {
    Bytes file = fixture::buildJpeg(simpleTiff());
    file[3] = 0xEF;
    TestWorkspace t;
    EXPECT_EQ(t.analyze(file), 1);
}

TEST(LocateExif, ShortFilesGiveTheHeaderReadError) {
    for (Bytes file : {Bytes{}, Bytes{0xFF}, Bytes{0xFF, 0xD8},
                       Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0, 8, 'E', 'x', 'i'}}) {
        TestWorkspace t;
        EXPECT_EQ(t.analyze(file), 0) << file.size();
        EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{kHeaderReadError, "message"}}))
            << file.size();
        EXPECT_EQ(t.location().exifEnd, 0u);
        EXPECT_TRUE(t.rows().empty());
    }
}

TEST(LocateExif, TiffFilesAndOtherFormatsAreRefused) {
    for (std::string start : {"II*\0\x08\0\0\0", "MM\0*\0\0\0\x08", "GIF89a.."}) {
        TestWorkspace t;
        EXPECT_EQ(t.analyze(Bytes(start.begin(), start.end())), 0);
        EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{kNotSupported, "message"}}));
        EXPECT_EQ(t.location().exifEnd, 0u);
    }
}

TEST(LocateExif, JpegWithoutExifIsToldSoAtTheScanHeader) {
    // SOI, APP0, a scan header, then entropy-coded data.
    Bytes file = {0xFF, 0xD8};
    Bytes app0 = {0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    file.insert(file.end(), app0.begin(), app0.end());
    file.insert(file.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 0x3F, 0});
    for (int i = 0; i < 40; ++i)
        file.push_back(0x12);
    TestWorkspace t;
    EXPECT_EQ(t.analyze(file), 0);
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"Exif情報がありません。", "message"}}));
    EXPECT_EQ(t.location().exifEnd, 0u);
    // The end of the image comes before any Exif segment just the same.
    Bytes bare = {0xFF, 0xD8, 0xFF, 0xD9};
    EXPECT_EQ(t.analyze(bare), 0);
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"Exif情報がありません。", "message"}}));

    // A file cut before the scan header reports a header read error instead.
    file.resize(2 + app0.size() - 4);
    EXPECT_EQ(t.analyze(file), 0);
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{kHeaderReadError, "message"}}));
}

TEST(LocateExif, ManySegmentsBeforeTheExifSegmentInAFile) {
    // More segment heads than the first read of the file holds.
    std::vector<fixture::Segment> before;
    for (int i = 0; i < 300; ++i)
        before.push_back({0xE2, std::string(100, static_cast<char>(i))});
    fixture::TempDir dir;
    std::string path = dir.write("many.jpg", fixture::buildJpeg(simpleTiff(), before));
    TestWorkspace t;
    ASSERT_EQ(t.analyzePath(path), 1);
    EXPECT_EQ(t.location().skippedBytes, 300u * 104);
    EXPECT_EQ(t.cell(1, Column::Content), "1");
}

TEST(ByteOrderHelpers, ReadAndWriteBothOrders) {
    const uint8_t two[] = {0x01, 0x02};
    EXPECT_EQ(readU16(two, Intel), 513);
    EXPECT_EQ(readU16(two, Motorola), 258);
    const uint8_t four[] = {0, 0, 0, 8};
    EXPECT_EQ(readU32(four, Motorola), 8u);
    EXPECT_EQ(readU32(four, Intel), 134217728u);
    uint8_t out[4];
    writeU32(0x01020304, out, Intel);
    EXPECT_EQ(readU32(out, Intel), 0x01020304u);
    EXPECT_EQ(out[0], 4);
    writeU16(1, out, Motorola);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 1);
}

}  // namespace
}  // namespace brevino
