#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "exif/analysis.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::hexOffset;
using testing::Message;
using testing::TestWorkspace;

// A camera-like file: IFD0, Exif, GPS, interoperability and thumbnail IFDs.
fixture::Tiff cameraTiff(ByteOrder order) {
    fixture::Tiff tiff;
    tiff.order = order;
    tiff.ifd0.entries = {
        fixture::ascii(0x010F, "Maker"), fixture::ascii(0x0110, "Model 1"),
        fixture::shorts(0x0112, {1}),    fixture::rationals(0x011A, {{72, 1}}),
        fixture::shorts(0x0128, {2}),    fixture::ascii(0x0132, "2004:05:06 07:08:09")};
    tiff.exif = fixture::Ifd{{fixture::rationals(0x829A, {{1, 60}}),
                              fixture::ascii(0x9003, "2004:05:06 07:08:09"),
                              fixture::undefined(0x9000, "0220")}};
    tiff.gps =
        fixture::Ifd{{fixture::byteValues(0x0000, {2, 2, 0, 0}), fixture::ascii(0x0001, "N")}};
    tiff.interop =
        fixture::Ifd{{fixture::ascii(0x0001, "R98"), fixture::undefined(0x0002, "0100")}};
    tiff.ifd1 = fixture::Ifd{{fixture::shorts(0x0103, {6}), fixture::longs(0x0201, {1000}),
                              fixture::longs(0x0202, {2000})}};
    return tiff;
}

TEST(AnalyzeFile, CameraFileRowsComeUnderTheirHeadingsInWalkOrder) {
    for (ByteOrder order : {Intel, Motorola}) {
        TestWorkspace t;
        ASSERT_EQ(t.analyze(fixture::jpegWith(cameraTiff(order))), 1);
        EXPECT_EQ(t.headings(),
                  (std::vector<std::string>{"【0th IFD】", "【Exif IFD】", "【GPS情報IFD】",
                                            "【互換性 IFD】", "【1st IFD】"}));
        EXPECT_TRUE(t.takeMessages().empty());
        EXPECT_EQ(t.workspace.document().byteOrder, order);

        long unit = t.findRow("画像の幅と高さの解像度の単位");
        ASSERT_GE(unit, 0);
        EXPECT_EQ(t.cell(unit, Column::Content), "2");
        EXPECT_EQ(t.cell(unit, Column::Note), "インチ");
        EXPECT_EQ(t.cell(t.findRow("北緯(N)or南緯(S)"), Column::Note), "北緯");
        EXPECT_EQ(t.cell(t.findRow("互換性識別子"), Column::Content), "R98");
        EXPECT_EQ(t.cell(t.findRow("JPEG のSOI へのオフセット"), Column::Content), "1000");
        EXPECT_EQ(t.cell(t.findRow("GPS タグのバージョン"), Column::Content), "2 2 0 0");
        // The pointer entries are ordinary LONG rows.
        long pointer = t.findRow("Exif IFDへのポインタ");
        ASSERT_GE(pointer, 0);
        EXPECT_EQ(t.cell(pointer, Column::Type), "4");
        EXPECT_EQ(t.entry(t.findRow("露出時間")).ifd, IfdKind::Exif);
        EXPECT_EQ(t.entry(t.findRow("圧縮の種類")).ifd, IfdKind::First);
    }
}

TEST(AnalyzeFile, NameTestComesFirstAndKeepsThePreviousRows) {
    fixture::TempDir dir;
    Bytes file = fixture::jpegWith(cameraTiff(Intel));
    TestWorkspace t;
    ASSERT_EQ(t.analyzePath(dir.write("a.jpeg", file)), 1);
    const size_t rows = t.rows().size();
    ASSERT_GT(rows, 10u);

    // Neither a photo's name nor content any container knows: refused, and the rows stay.
    EXPECT_EQ(t.analyzePath(dir.write("b.txt", {'P', 'N', 'G'})), 0);
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{"解析対象のﾌｧｲﾙではありません。", "message"}}));
    EXPECT_EQ(t.rows().size(), rows);

    // A JPEG is known by its content, whatever its name.
    for (const char* name :
         {"c.JPG", "d.JPEG", "e.jpg", "f.Jpg", "g.jpe", "h.JFIF", "noname", "i.png"})
        EXPECT_EQ(t.analyzePath(dir.write(name, file)), 1) << name;

    // A photo's name passes the name test, empties the list, and content no container knows
    // is refused.
    std::string text = "not a TIFF at all";
    EXPECT_EQ(t.analyzePath(dir.write("f.tif", Bytes(text.begin(), text.end()))), 0);
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"対象外の形式です", "message"}}));
    EXPECT_TRUE(t.rows().empty());
}

TEST(AnalyzeFile, AcceptedExtensions) {
    for (const char* good :
         {"a.jpg", "a.JPG", "a.Jpg", "a.jpeg", "a.jPEG", "a.jpe", "a.jfif", "a.JFIF", "a.tif",
          "a.TIF", "a.tiff", "a.Tiff", "a.HEIC", "a.heif", "a.hif", "a.avif", "a.CR3", "a.dng",
          "a.NEF", "a.nrw", "a.cr2", "a.ARW", "a.sr2", "a.srf", "a.pef", "a.srw", "a.ORF",
          "a.rw2", "a.rwl", "a.RAF", "a.webp", "a.PNG", "a.jxl"}) {
        EXPECT_TRUE(isAnalyzableName(good)) << good;
    }
    for (const char* bad : {"a.gif", "jpg", "a.jpg.bak", "a.xmp", ""}) {
        EXPECT_FALSE(isAnalyzableName(bad)) << bad;
    }
}

TEST(AnalyzeFile, FilesThatCannotBeOpenedGiveTheOpenError) {
    fixture::TempDir dir;
    std::string folder = dir.file("folder.jpg");
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    std::string fifo = dir.file("pipe.jpg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.file("missing.jpg"), folder, fifo}) {
        TestWorkspace t;
        EXPECT_EQ(t.analyzePath(path), 0) << path;
        EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"解析ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。", "message"}}))
            << path;
        EXPECT_FALSE(t.workspace.analysedFile().has_value());
    }
}

TEST(AnalyzeFile, TruncatedExifSegmentGivesTheReadErrorAndKeepsTheLocation) {
    Bytes file = fixture::jpegWith(cameraTiff(Intel));
    file.resize(100);
    fixture::TempDir dir;
    TestWorkspace t;
    EXPECT_EQ(t.analyzePath(dir.write("cut.jpg", file)), 0);
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"APP1ﾘｰﾄﾞｴﾗｰ。", "message"}}));
    EXPECT_GT(t.location().exifEnd, 100u);
    EXPECT_TRUE(t.rows().empty());
    EXPECT_TRUE(t.workspace.analysedFile().has_value());  // export may still use the location
}

TEST(AnalyzeFile, BadTiffHeaderFailsSilently) {
    fixture::Tiff tiff = cameraTiff(Intel);
    tiff.mark = "IM";  // not "II", so read as big-endian: the magic number is wrong
    TestWorkspace t;
    EXPECT_EQ(t.analyze(fixture::jpegWith(tiff)), 0);
    EXPECT_TRUE(t.takeMessages().empty());
    EXPECT_TRUE(t.rows().empty());
    EXPECT_EQ(t.workspace.document().byteOrder, Motorola);

    // An Exif segment too short to hold a TIFF header fails the same way.
    Bytes tiny = {0xFF, 0xD8, 0xFF, 0xE1, 0, 10, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I'};
    EXPECT_EQ(t.analyze(tiny), 0);
    EXPECT_TRUE(t.takeMessages().empty());
}

TEST(AnalyzeFile, MotorolaMarkIsNotNeededForBigEndian) {
    fixture::Tiff tiff = cameraTiff(Motorola);
    tiff.mark = "XY";
    TestWorkspace t;
    EXPECT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    EXPECT_EQ(t.workspace.document().byteOrder, Motorola);
}

TEST(AnalyzeFile, NoThumbnailHeadingWithoutTheLink) {
    fixture::Tiff tiff = cameraTiff(Intel);
    tiff.ifd1.reset();
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    EXPECT_EQ(t.findHeading("【1st IFD】"), -1);
}

TEST(AnalyzeFile, EveryEntryIsARowUnknownTagsByNumber) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::shorts(0x0112, {1}), fixture::shorts(0x4746, {5}),
                         fixture::shorts(0xFFFF, {5}), fixture::shorts(0x0128, {2})};
    tiff.exif = fixture::Ifd{{fixture::shorts(0xA4FF, {1}), fixture::shorts(0xA401, {1})}};
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    struct Expected {
        long row;
        const char* tag;
        const char* note;
        bool known;
    };
    const long exif = t.findHeading("【Exif IFD】");
    const Expected expected[] = {
        {1, "画像方向",
         "0 番目の行が目で見たときの画像の上（visual top）、0 番目の列が左側（visual left-hand "
         "side）",
         true},
        {2, "Windows 評価", "★★★★★", true},
        {3, "0xFFFF", "", false},
        {4, "画像の幅と高さの解像度の単位", "インチ", true},
        {exif + 1, "0xA4FF", "", false},
        {exif + 2, "個別画像処理", "特殊処理", true},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.tag);
        const size_t row = static_cast<size_t>(e.row);
        EXPECT_EQ(t.cell(row, Column::Tag), e.tag);
        EXPECT_EQ(t.cell(row, Column::Note), e.note);
        EXPECT_EQ(t.rows().isKnown(row), e.known);
        // An unknown tag is never edited: nothing says what its value means.
        if (!e.known) {
            EXPECT_FALSE(t.workspace.isEditable(row));
        }
    }
    EXPECT_EQ(t.cell(3, Column::Content), "5");
}

TEST(AnalyzeFile, OffsetCellNamesWhereTheValueLies) {
    fixture::Tiff tiff;
    fixture::Entry doubles = fixture::undefined(0x013E, "\x9A\x99\x99\x99\x99\x99\xB9\x3F");
    doubles.type = 12;
    doubles.count = 1;
    tiff.ifd0.entries = {fixture::shorts(0x0102, {8, 8}), fixture::shorts(0x0212, {2, 1, 7}),
                         doubles, fixture::rawEntry(0x0211, 99, 1, 0x12345678)};
    Bytes file = fixture::jpegWith(tiff, {fixture::app0(16)});
    const size_t tiffStart = fixture::tiffOffset({fixture::app0(16)});
    TestWorkspace t;
    ASSERT_EQ(t.analyze(file), 1);
    // IFD0 is at TIFF offset 8; entry i's value field at 8 + 2 + 12 i + 8.
    EXPECT_EQ(t.cell(1, Column::Offset), hexOffset(tiffStart + 8 + 2 + 8));
    EXPECT_EQ(t.cell(1, Column::Content), "8 8");
    const uint32_t outOfLine = readU32(&file[tiffStart + 8 + 2 + 12 + 8], Intel);
    EXPECT_EQ(t.cell(2, Column::Offset), hexOffset(tiffStart + outOfLine));
    EXPECT_EQ(t.cell(2, Column::Content), "2 1 7");
    const uint32_t doubleAt = readU32(&file[tiffStart + 8 + 2 + 24 + 8], Intel);
    EXPECT_EQ(t.cell(3, Column::Offset), hexOffset(tiffStart + doubleAt));
    EXPECT_EQ(t.cell(3, Column::Content), "0.1");
    // An unknown type: no content, the value field's own position.
    EXPECT_EQ(t.cell(4, Column::Content), "");
    EXPECT_EQ(t.cell(4, Column::Offset), hexOffset(tiffStart + 8 + 2 + 36 + 8));
    EXPECT_EQ(t.cell(4, Column::Type), "99");
}

TEST(AnalyzeFile, IfdZeroOutsideTheBufferLeavesItsHeadingAlone) {
    Bytes file = fixture::jpegWith(cameraTiff(Intel));
    writeU32(0x7FFFFFF0, &file[12 + 4], Intel);
    TestWorkspace t;
    ASSERT_EQ(t.analyze(file), 1);
    EXPECT_EQ(t.headings(), (std::vector<std::string>{"【0th IFD】"}));
    EXPECT_EQ(t.rows().size(), 1u);
}

TEST(AnalyzeFile, ReadsStayInsideTheBuffer) {
    // An IFD whose entry table runs past the end of the segment: the walk stops at the
    // first entry that is not wholly inside, earlier entries still become rows.
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::shorts(0x0112, {1}), fixture::shorts(0x0128, {2})};
    Bytes tiffBytes = fixture::buildTiff(tiff);
    writeU16(500, &tiffBytes[8], Intel);
    tiffBytes.resize(8 + 2 + 12 * 2 + 5);  // the third entry is cut short
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::buildJpeg(tiffBytes)), 1);
    EXPECT_EQ(t.rows().size(), 3u);

    // Values that reach outside give rows with empty contents that cannot be edited;
    // huge counts do not overflow the size arithmetic.
    fixture::Tiff wild;
    wild.ifd0.entries = {
        fixture::rawEntry(0x010E, 2, 50, 0xFFFFFFF0), fixture::rawEntry(0x0111, 4, 0xFFFFFFFF, 8),
        fixture::rawEntry(0x011A, 5, 0x20000000, 8), fixture::rawEntry(0x0102, 3, 3, 0x100000)};
    ASSERT_EQ(t.analyze(fixture::jpegWith(wild)), 1);
    ASSERT_EQ(t.rows().size(), 5u);
    for (size_t r = 1; r < 5; ++r) {
        EXPECT_EQ(t.cell(r, Column::Content), "") << r;
        EXPECT_FALSE(t.entry(r).valueInside) << r;
    }
    EXPECT_EQ(t.cell(2, Column::Count), "-1");
    EXPECT_EQ(t.cell(1, Column::Offset), hexOffset(12ull + 0xFFFFFFF0));  // no 32-bit wrap
}

TEST(AnalyzeFile, PointerLoopsAndExtraPointersEndTheWalk) {
    // Every pointer leads back to IFD0, and there are four of them: only three sub-IFDs
    // are kept, so the walk ends.
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::longs(0x8769, {8}), fixture::longs(0x8825, {8}),
                         fixture::longs(0xA005, {8}), fixture::longs(0x8769, {8}),
                         fixture::shorts(0x0112, {1})};
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    EXPECT_EQ(t.headings(), (std::vector<std::string>{"【0th IFD】", "【Exif IFD】",
                                                      "【GPS情報IFD】", "【互換性 IFD】"}));

    // A pointer whose target (plus 12) is not inside the segment is not remembered.
    fixture::Tiff far;
    far.ifd0.entries = {fixture::longs(0x8769, {60000})};
    ASSERT_EQ(t.analyze(fixture::jpegWith(far)), 1);
    EXPECT_EQ(t.headings().size(), 1u);
}

TEST(AnalyzeFile, LaterMakerNoteEntryWins) {
    fixture::Tiff tiff;
    tiff.exif = fixture::Ifd{
        {fixture::rawEntry(0x927C, 7, 10, 100), fixture::rawEntry(0x927C, 7, 20, 200)}};
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    // Both entries are rows; the later one's block is the maker note looked at.
    long first = t.findRow("メーカーノート");
    ASSERT_GE(first, 0);
    EXPECT_EQ(t.cell(t.findRow("メーカーノート", first + 1), Column::Count), "20");
}

TEST(AnalyzeFile, RecordsTheAnalysedFile) {
    fixture::TempDir dir;
    std::string path = dir.write("r.jpg", fixture::jpegWith(cameraTiff(Intel)));
    TestWorkspace t;
    ASSERT_EQ(t.analyzePath(path), 1);
    ASSERT_TRUE(t.workspace.analysedFile().has_value());
    EXPECT_EQ(t.workspace.analysedFile()->path, path);
    EXPECT_EQ(t.workspace.analysedFile()->identity, *identifyFile(path));
}

}  // namespace
}  // namespace brevino
