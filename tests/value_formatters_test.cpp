#include <gtest/gtest.h>

#include "edit/editing.h"
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

// An entry of any type from its raw value bytes (written in the file as they are).
fixture::Entry typed(uint16_t tag, uint16_t type, uint32_t count, const std::string& bytes) {
    fixture::Entry entry = fixture::undefined(tag, bytes);
    entry.type = type;
    entry.count = count;
    return entry;
}

TEST(Formatters, EveryTypeShowsItsValue) {
    struct Case {
        const char* what;
        IfdKind ifd;
        fixture::Entry entry;
        ByteOrder order;
        std::string content;
        std::string note;
        bool editable = false;
    };
    const std::string bytes70(70, '\xAB');
    const std::string hex64 = [] {
        std::string text = "AB";
        for (int i = 1; i < 64; ++i)
            text += " AB";
        return text + "…";
    }();
    const Case cases[] = {
        {"SBYTE", IfdKind::Exif, typed(0xFF01, 6, 2, "\xFF\x05"), Intel, "-1 5", ""},
        {"SSHORT", IfdKind::Exif, typed(0xFF02, 8, 2, "\xFE\xFF\x02\x00"), Intel, "-2 2", ""},
        {"SSHORT big-endian", IfdKind::Exif, typed(0xFF02, 8, 1, "\x80\x00"), Motorola, "-32768",
         ""},
        {"FLOAT", IfdKind::Exif,
         typed(0xFF03, 11, 2, std::string("\xCD\xCC\xCC\x3D\x00\x00\xC0\xBF", 8)), Intel,
         "0.1 -1.5", ""},
        {"DOUBLE", IfdKind::Exif, typed(0xFF04, 12, 1, "\x9A\x99\x99\x99\x99\x99\xB9\x3F"), Intel,
         "0.1", ""},
        {"DOUBLE big-endian", IfdKind::Exif,
         typed(0xFF04, 12, 1, "\x3F\xB9\x99\x99\x99\x99\x99\x9A"), Motorola, "0.1", ""},
        {"UTF-8", IfdKind::Exif, typed(0xA436, 129, 8, std::string("日本\0\0", 8)), Intel, "日本",
         "", true},
        {"version", IfdKind::Exif, fixture::undefined(0x9000, "0232"), Intel, "0232", ""},
        {"version, not text", IfdKind::Exif,
         fixture::undefined(0xA000, std::string("\x01\0\0\0", 4)), Intel, "01 00 00 00", ""},
        {"interoperability version", IfdKind::Interop, fixture::undefined(0x0002, "0100"), Intel,
         "0100", ""},
        {"components YCbCr", IfdKind::Exif, fixture::undefined(0x9101, std::string("\1\2\3\0", 4)),
         Intel, "1 2 3 0", "YCbCr"},
        {"components RGB", IfdKind::Exif, fixture::undefined(0x9101, std::string("\4\5\6\0", 4)),
         Motorola, "4 5 6 0", "RGB"},
        {"file source", IfdKind::Exif, fixture::undefined(0xA300, "\3"), Intel, "3", "DSC"},
        {"scene type", IfdKind::Exif, fixture::undefined(0xA301, "\1"), Intel, "1",
         "直接撮影された画像"},
        {"CFA pattern", IfdKind::Exif,
         fixture::undefined(0xA302, std::string("\2\0\2\0\0\1\1\2", 8)), Intel,
         "02 00 02 00 00 01 01 02", ""},
        {"maker note", IfdKind::Exif, fixture::undefined(0x927C, std::string(450, 'm')), Intel,
         "450 ﾊﾞｲﾄ", ""},
        {"long bytes", IfdKind::Exif, fixture::undefined(0xFF05, bytes70), Intel, hex64, ""},
        // A coded tag shown as bytes has no note, even when its bytes read as a coded number.
        {"coded tag as bytes", IfdKind::Exif, fixture::undefined(0xA402, std::string("\0", 1)),
         Intel, "00", ""},
        {"Windows title", IfdKind::Zeroth,
         typed(0x9C9B, 1, 10, std::string("T\0i\0\xE5\x65\0\0\0\0", 10)), Intel, "Ti日", ""},
        // Raw-file tags of the 0th IFD are named, noted and edited through the TIFF table.
        {"raw-file version", IfdKind::Zeroth, fixture::byteValues(0xC612, {1, 4, 0, 0}), Intel,
         "1 4 0 0", "", true},
        {"subfile type", IfdKind::Zeroth, fixture::longs(0x00FE, {1}), Motorola, "1",
         "Reduced-resolution image", true},
        {"raw compression", IfdKind::Zeroth, fixture::shorts(0x0103, {34892}), Intel, "34892",
         "Lossy JPEG", true},
        {"calibration illuminant", IfdKind::Zeroth, fixture::shorts(0xC65A, {17}), Intel, "17",
         "標準光 A", true},
        {"raw-file private data", IfdKind::Zeroth, fixture::byteValues(0xC634, {65, 100, 0, 77, 1}),
         Intel, "65 100 0 77 1", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fixture::Tiff tiff;
        tiff.order = c.order;
        if (c.ifd == IfdKind::Zeroth) {
            tiff.ifd0.entries = {c.entry};
        } else if (c.ifd == IfdKind::Interop) {
            tiff.exif = fixture::Ifd{};
            tiff.interop = fixture::Ifd{{c.entry}};
        } else {
            tiff.exif = fixture::Ifd{{c.entry}};
        }
        const Bytes file = fixture::jpegWith(tiff);
        TestWorkspace t;
        ASSERT_EQ(t.analyze(file), 1);
        long row = -1;
        for (size_t r = 0; r < t.rows().size() && row < 0; ++r) {
            if (!t.rows().isHeading(r) && t.entry(r).tag == c.entry.tag && t.entry(r).ifd == c.ifd)
                row = static_cast<long>(r);
        }
        ASSERT_GE(row, 0);
        EXPECT_EQ(t.cell(row, Column::Content), c.content);
        EXPECT_EQ(t.cell(row, Column::Note), c.note);
        // The offset names where the value's bytes lie, in line or not.
        const std::string stored = c.entry.bytes.substr(0, 4);
        const uint64_t position = t.entry(row).position;
        EXPECT_EQ(std::string(file.begin() + static_cast<long>(position),
                              file.begin() + static_cast<long>(position + stored.size())),
                  stored);
        EXPECT_EQ(isEditableRow(t.workspace.document(), t.rows(), static_cast<size_t>(row)),
                  c.editable);
    }
}

}  // namespace
}  // namespace brevino
