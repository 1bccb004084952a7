#include <gtest/gtest.h>

#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::hexOffset;
using testing::TestWorkspace;

// Analyses a file whose IFD0 holds the one entry (tag 0x010E or another known tag) and
// answers the row's content.
struct OneEntry {
    TestWorkspace t;
    Bytes file;
    explicit OneEntry(const fixture::Entry& entry, ByteOrder order = Intel) {
        fixture::Tiff tiff;
        tiff.order = order;
        tiff.ifd0.entries = {entry};
        file = fixture::jpegWith(tiff);
        EXPECT_EQ(t.analyze(file), 1);
    }
    std::string content() const { return t.cell(1, Column::Content); }
    std::string offset() const { return t.cell(1, Column::Offset); }
    const Entry& entry() const { return t.entry(1); }
};

constexpr uint64_t kFirstValueField = 12 + 8 + 2 + 8;

TEST(Formatters, BytesShortsAndLongs) {
    OneEntry inlineBytes(fixture::rawEntry(0x0102, 1, 3, 0x00030201), Intel);
    EXPECT_EQ(inlineBytes.content(), "1 2 3");
    EXPECT_EQ(inlineBytes.offset(), hexOffset(kFirstValueField));

    // The value field's bytes are read as the file holds them, in the entry's byte order.
    fixture::Entry shortsEntry = fixture::rawEntry(0x0102, 3, 2, 0x00010002);
    EXPECT_EQ(OneEntry(shortsEntry, Motorola).content(), "1 2");
    fixture::Entry intelShorts = fixture::rawEntry(0x0102, 3, 2, 0x02000100);
    EXPECT_EQ(OneEntry(intelShorts, Intel).content(), "256 512");

    OneEntry threeShorts(fixture::shorts(0x0102, {8, 8, 8}));
    EXPECT_EQ(threeShorts.content(), "8 8 8");
    EXPECT_NE(threeShorts.offset(), hexOffset(kFirstValueField));

    EXPECT_EQ(OneEntry(fixture::longs(0x0100, {0xFFFFFFFF})).content(), "4294967295");
    EXPECT_EQ(OneEntry(fixture::longs(0x0100, {3000000000u}), Motorola).content(), "3000000000");
}

TEST(Formatters, SignedTypesPrintWithTheirSign) {
    fixture::Tiff tiff;
    tiff.exif = fixture::Ifd{
        {fixture::srationals(0x9204, {{-1, 3}}), fixture::rawEntry(0x9201, 9, 1, 0xFFFFFFFF)}};
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    EXPECT_EQ(t.cell(t.findRow("露光補正値"), Column::Content), "-1/3");
    EXPECT_EQ(t.cell(t.findRow("シャッタースピード"), Column::Content), "-1");
}

TEST(Formatters, Rationals) {
    for (ByteOrder order : {Intel, Motorola}) {
        EXPECT_EQ(OneEntry(fixture::rationals(0x011A, {{72, 1}}), order).content(), "72/1");
        EXPECT_EQ(OneEntry(fixture::rationals(0x013E, {{313, 1000}, {329, 1000}}), order).content(),
                  "313/1000 329/1000");
    }
    // Count 0: nothing to show, but the value is still taken to lie out of line.
    OneEntry empty(fixture::rawEntry(0x011A, 5, 0, 0x40));
    EXPECT_EQ(empty.content(), "");
    EXPECT_EQ(empty.offset(), hexOffset(12 + 0x40));
}

TEST(Formatters, LongListsAreCutAfter1023Characters) {
    std::vector<uint32_t> values(1000, 123);
    OneEntry list(fixture::byteValues(0x0102, values));
    EXPECT_EQ(list.content().size(), 1023u);
    EXPECT_EQ(list.content().substr(0, 8), "123 123 ");
    // The cell keeps its full count.
    EXPECT_EQ(list.t.cell(1, Column::Count), "1000");
}

TEST(Formatters, Ascii) {
    EXPECT_EQ(OneEntry(fixture::ascii(0x010E, "abc")).content(), "abc");
    fixture::Entry noZero = fixture::ascii(0x010E, "AB", 2);
    EXPECT_EQ(OneEntry(noZero).content(), "AB");
    EXPECT_EQ(OneEntry(fixture::ascii(0x010E, std::string("first\0second", 12))).content(),
              "first");
    EXPECT_EQ(OneEntry(fixture::ascii(0x010E, "spaces   ")).content(), "spaces");
    std::string longText(3000, 'x');
    EXPECT_EQ(OneEntry(fixture::ascii(0x010E, longText)).content().size(), 2047u);
    // Bytes that are not UTF-8 are shown as Shift-JIS.
    EXPECT_EQ(OneEntry(fixture::ascii(0x010E, "\x93\xfa\x96\x7b")).content(), "日本");
    EXPECT_EQ(OneEntry(fixture::ascii(0x010E, "日本")).content(), "日本");
    EXPECT_EQ(OneEntry(fixture::ascii(0x010E,
                                      "a\xff"
                                      "b"))
                  .content(),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(Formatters, UserComment) {
    auto comment = [](const std::string& bytes) {
        fixture::Tiff tiff;
        tiff.exif = fixture::Ifd{{fixture::undefined(0x9286, bytes)}};
        TestWorkspace t;
        EXPECT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
        return t.cell(t.findRow("ユーザーコメント"), Column::Content);
    };
    EXPECT_EQ(comment(std::string("ASCII\0\0\0Hello", 13)), "(ASCII)Hello");
    EXPECT_EQ(comment(std::string(8, '\0') + "    "), "(Undefined)");
    EXPECT_EQ(comment(std::string("UNICODE\0H\0i\0\0\0", 14)), "(Unicode)Hi");
    EXPECT_EQ(comment(std::string("UNICODE\0\xE5\x65\x2C\x67", 12)), "(Unicode)日本");
    EXPECT_EQ(comment(std::string("Unicode\0H\0i\0", 12)), "(Undefined)H");
    EXPECT_EQ(comment(std::string("JIS\0\0\0\0\0abc", 11)), "(JIS)abc");
    EXPECT_EQ(comment(std::string("UNICODE\0\x00\xD8"
                                  "A\0",
                                  12)),
              "(Unicode)\xEF\xBF\xBD"
              "A");
    EXPECT_EQ(comment(std::string("ASCII\0\0\0", 8)), "(ASCII)");
    EXPECT_EQ(comment("ab"), "(Undefined)");
    std::string huge = std::string("ASCII\0\0\0", 8) + std::string(3000, 'y');
    EXPECT_EQ(comment(huge).size(), 1023u);
}

TEST(Formatters, UndefinedAndUnformattedTypesShowNothing) {
    fixture::Tiff tiff;
    tiff.exif =
        fixture::Ifd{{fixture::undefined(0x9000, "0230"), fixture::undefined(0xA000, "01000000")}};
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    long version = t.findRow("Exif バージョン");
    EXPECT_EQ(t.cell(version, Column::Content), "");
    EXPECT_EQ(t.cell(version, Column::Type), "7");
    long flashpix = t.findRow("対応フラッシュピックスバージョン");
    EXPECT_EQ(t.cell(flashpix, Column::Content), "");
    // The position is the value field's, though the value lies out of line.
    uint64_t position = t.entry(flashpix).position;
    const Bytes& file = fixture::jpegWith(tiff);
    EXPECT_EQ(readU16(&file[position - 8], Intel), 0xA000);
}

}  // namespace
}  // namespace brevino
