// The vendors' maker-note formats on built notes: each is recognised, read in its byte order
// with its offsets counted from its own base, and names a few coded values; the named fields
// of arrays, versions of blocks, sub-IFDs and notes that moved.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "edit/editing.h"
#include "exif/analysis.h"
#include "tags/vendor_tags.h"

#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::TestWorkspace;

std::string text(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out.push_back(static_cast<char>(b));
    return out;
}

// "key|content|note" of every row from the maker note's heading on.
std::vector<std::string> makerNoteRows(const TestWorkspace& t) {
    std::vector<std::string> rows;
    const long heading = t.findHeading("【メーカーノート】");
    if (heading < 0) return rows;
    for (size_t r = static_cast<size_t>(heading); r < t.rows().size(); ++r) {
        if (t.rows().isHeading(r)) {
            rows.push_back(t.cell(r, Column::Offset));
            continue;
        }
        rows.push_back(t.cell(r, Column::Tag) + "|" + t.cell(r, Column::Content) + "|" +
                       t.cell(r, Column::Note));
    }
    return rows;
}

fixture::Tiff withNote(ByteOrder fileOrder, const std::string& make, fixture::MakerNote note) {
    fixture::Tiff tiff;
    tiff.order = fileOrder;
    tiff.ifd0.entries = {fixture::ascii(0x010F, make)};
    tiff.exif = fixture::Ifd{{fixture::shorts(0x8822, {2})}};
    tiff.makerNote = std::move(note);
    return tiff;
}

TEST(MakerNoteVendors, EachFormatReadsItsEntriesFromItsOwnBase) {
    // Each note holds a coded value in its entry and a text that lies after its IFD, where the
    // vendor's base must be applied to find it.
    const struct {
        const char* vendor;
        const char* make;
        ByteOrder fileOrder;
        std::string header;
        ByteOrder noteOrder;
        std::optional<uint32_t> offsetsFrom;
        std::vector<fixture::Entry> entries;
        std::vector<std::string> rows;
    } cases[] = {
        {"Canon", "Canon", Intel, "", Intel, std::nullopt,
         {fixture::longs(0x0010, {0x1110000}), fixture::ascii(0x0006, "IMG:PowerShot S40 JPEG")},
         {"CanonModelID|17891328|PowerShot S40", "CanonImageType|IMG:PowerShot S40 JPEG|"}},
        {"Nikon", "NIKON", Intel, std::string("Nikon\0\2\x10\0\0MM\0\x2a\0\0\0\x08", 18),
         Motorola, 10,
         {fixture::shorts(0x0022, {3}), fixture::ascii(0x0007, "AF-S  "),
          fixture::rationals(0x0084, {{180, 10}, {550, 10}, {35, 10}, {56, 10}})},
         {"ActiveD-Lighting|3|Normal", "FocusMode|AF-S|", "Lens|180/10 550/10 35/10 56/10|18-55mm f/3.5-5.6"}},
        {"Nikon E-series", "NIKON", Motorola, std::string("Nikon\0\1\0", 8), Motorola,
         std::nullopt, {fixture::shorts(0x0004, {2}), fixture::shorts(0x0007, {6})},
         {"ColorMode|2|Monochrome", "WhiteBalance|6|Speed Light"}},
        {"Fujifilm", "FUJIFILM", Motorola, std::string("FUJIFILM\x0c\0\0\0", 12), Intel, 0,
         {fixture::shorts(0x1401, {0x600}), fixture::ascii(0x1000, "NORMAL ")},
         {"FilmMode|1536|Classic Chrome", "Quality|NORMAL|"}},
        {"Olympus", "OLYMPUS", Intel, std::string("OLYMPUS\0MM\3\0", 12), Motorola, 0,
         {fixture::shorts(0x0201, {3}), fixture::ascii(0x0207, "SR874 camera")},
         {"Quality|3|SHQ", "CameraType|SR874 camera|"}},
        {"OM System", "OM Digital Solutions", Motorola, std::string("OM SYSTEM\0\0\0II\4\0", 16),
         Intel, 0, {fixture::shorts(0x1004, {3}), fixture::ascii(0x0404, "BHX512345")},
         {"FlashMode|3|Off", "SerialNumber|BHX512345|"}},
        {"Olympus (old)", "OLYMPUS", Motorola, std::string("OLYMP\0\1\0", 8), Motorola,
         std::nullopt, {fixture::shorts(0x0202, {1}), fixture::ascii(0x0207, "D4344 camera")},
         {"Macro|1|On", "CameraType|D4344 camera|"}},
        {"Panasonic", "Panasonic", Intel, std::string("Panasonic\0\0\0", 12), Intel, std::nullopt,
         {fixture::byteValues(0x000F, {16, 0}), fixture::ascii(0x0051, "LUMIX G VARIO 14-42")},
         {"AFAreaMode|16 0|1-area", "LensType|LUMIX G VARIO 14-42|"}},
        {"Apple", "Apple", Motorola, std::string("Apple iOS\0\0\1MM", 14), Motorola, 0,
         {fixture::slongs(0x000A, {3}),
          fixture::ascii(0x0011, "FFCBAC24-E547-4BBC-AF47-38B1A3D845E3")},
         {"HDRImageType|3|HDR Image", "ContentIdentifier|FFCBAC24-E547-4BBC-AF47-38B1A3D845E3|"}},
    };
    for (const auto& c : cases) {
        TestWorkspace t;
        fixture::MakerNote note{c.header, c.noteOrder, fixture::Ifd{c.entries}, std::nullopt,
                                c.offsetsFrom};
        ASSERT_TRUE(t.analyze(fixture::jpegWith(withNote(c.fileOrder, c.make, note)))) << c.vendor;
        std::vector<std::string> expected = {"【メーカーノート】"};
        expected.insert(expected.end(), c.rows.begin(), c.rows.end());
        EXPECT_EQ(makerNoteRows(t), expected) << c.vendor;
        const long heading = t.findHeading("【メーカーノート】");
        ASSERT_GE(heading, 0) << c.vendor;
        EXPECT_EQ(t.entry(static_cast<size_t>(heading) + 1).order, c.noteOrder) << c.vendor;
    }
}

// Canon's camera settings: a row per named value, edited on its own; the whole array is not.
// A note that editing software moved keeps its footer, and its offsets count from where it
// lay when they were written.
TEST(MakerNoteVendors, CanonFieldsAndAMovedNote) {
    std::vector<uint32_t> settings(40, 0);
    settings[0] = 80;
    settings[7] = 1;     // FocusMode: AI Servo AF
    settings[22] = 237;  // LensType
    settings[34] = 65535;
    fixture::Tiff tiff = withNote(Intel, "Canon", fixture::MakerNote{"", Intel,
                                                                     fixture::Ifd{{fixture::shorts(
                                                                         0x0001, settings)}},
                                                                     std::nullopt});
    TestWorkspace t;
    ASSERT_TRUE(t.analyze(fixture::jpegWith(tiff)));
    const long array = t.findRow("CanonCameraSettings");
    const long focus = t.findRow("FocusMode");
    ASSERT_GE(array, 0);
    ASSERT_GE(focus, 0);
    EXPECT_EQ(t.cell(focus, Column::Note), "AI Servo AF");
    EXPECT_EQ(t.cell(t.findRow("LensType"), Column::Note), "Canon EF 24-105mm f/4L IS USM");
    EXPECT_EQ(t.cell(t.findRow("ImageStabilization"), Column::Note), "n/a");
    EXPECT_EQ(t.entry(focus).position, t.entry(array).position + 14);
    const Document& document = t.workspace.document();
    EXPECT_EQ(whyNotEditable(document, t.rows(), static_cast<size_t>(array)),
              Problem::NotEditableFields);
    EXPECT_EQ(whyNotEditable(document, t.rows(), static_cast<size_t>(focus)), Problem::None);

    // A note in Intel order in a Motorola file, whose footer says it lay at 0x0E when its
    // offsets were written: its three values at its byte 18 have the offset 0x20.
    std::string note = text({1, 0});
    note += text({1, 0, 3, 0, 3, 0, 0, 0, 0x20, 0, 0, 0}) + text({0, 0, 0, 0});
    note += text({2, 0, 1, 0, 7, 0});
    note += std::string("II*\0", 4) + text({0x0E, 0, 0, 0});
    fixture::Tiff moved;
    moved.order = Motorola;
    moved.ifd0.entries = {fixture::ascii(0x010F, "Canon")};
    moved.exif = fixture::Ifd{{fixture::shorts(0x8822, {2})}};
    moved.rawMakerNote = note;
    TestWorkspace u;
    ASSERT_TRUE(u.analyze(fixture::jpegWith(moved)));
    const long movedArray = u.findRow("CanonCameraSettings");
    ASSERT_GE(movedArray, 0);
    EXPECT_EQ(u.cell(movedArray, Column::Content), "2 1 7");
    EXPECT_EQ(u.entry(movedArray).order, Intel);
    EXPECT_EQ(u.entry(movedArray).position, u.entry(u.findRow("メーカーノート")).position + 18);
    EXPECT_EQ(u.cell(u.findRow("MacroMode"), Column::Note), "Macro");
}

// Nikon's blocks change their layout with their version: lens data of version 0101 shows its
// fields, the encrypted lens data of later versions none; Picture Control's name is text.
TEST(MakerNoteVendors, NikonBlocksByVersion) {
    std::string lens0101("0101", 4);
    lens0101 += text({0x17, 0x35, 0, 0, 0x02, 0x78, 0x56, 0x7F, 0x40, 0x2D, 0x5C, 0x2C, 0x34,
                      0x84, 0x34});
    lens0101.resize(31, '\0');
    std::string lens0204("0204", 4);
    lens0204.resize(33, '\x5A');
    std::string picture("0100", 4);
    picture += std::string("STANDARD") + std::string(12, '\0') + std::string("STANDARD") +
               std::string(16, '\0') + text({0, 0x80, 0x83, 0x80, 0x80, 0x80, 0x80, 0xFF, 0xFF,
                                             0xFF});
    const std::string header("Nikon\0\2\x10\0\0MM\0\x2a\0\0\0\x08", 18);
    for (const std::string& lens : {lens0101, lens0204}) {
        TestWorkspace t;
        fixture::MakerNote note{header, Motorola,
                                fixture::Ifd{{fixture::undefined(0x0023, picture),
                                              fixture::undefined(0x0098, lens)}},
                                std::nullopt, 10};
        ASSERT_TRUE(t.analyze(fixture::jpegWith(withNote(Intel, "NIKON", note))));
        const Document& document = t.workspace.document();
        const long name = t.findRow("PictureControlName");
        ASSERT_GE(name, 0);
        EXPECT_EQ(t.cell(name, Column::Content), "STANDARD");
        EXPECT_EQ(t.cell(name, Column::Type), "2");
        EXPECT_EQ(t.cell(t.findRow("Contrast"), Column::Note), "Normal");
        EXPECT_EQ(whyNotEditable(document, t.rows(), static_cast<size_t>(name)), Problem::None);
        const long data = t.findRow("LensData");
        ASSERT_GE(data, 0);
        EXPECT_NE(whyNotEditable(document, t.rows(), static_cast<size_t>(data)), Problem::None);
        const long id = t.findRow("LensIDNumber");
        if (lens == lens0101) {
            ASSERT_GE(id, 0);
            EXPECT_EQ(t.cell(id, Column::Content), "127");
            EXPECT_EQ(t.cell(id, Column::Type), "1");
            EXPECT_EQ(t.cell(id, Column::Note), "AF-S DX Zoom-Nikkor 18-70mm f/3.5-4.5G IF-ED");
            EXPECT_EQ(t.entry(id).position, t.entry(data).position + 11);
            EXPECT_EQ(whyNotEditable(document, t.rows(), static_cast<size_t>(id)), Problem::None);
        } else {
            EXPECT_EQ(id, -1);  // encrypted: no fields
        }
    }
}

// Olympus's sub-IFDs: Equipment names the lens by three of the six bytes of its type; a
// second pointer to an IFD already walked, and a pointer into text, add nothing.
TEST(MakerNoteVendors, OlympusSubIfds) {
    auto entry = [](uint16_t tag, uint16_t type, uint32_t count, std::string value) {
        value.resize(4, '\0');
        return text({tag & 0xFF, tag >> 8, type, 0, static_cast<int>(count), 0, 0, 0}) + value;
    };
    auto offset = [](int at) { return text({at, 0, 0, 0}); };
    std::string note("OLYMPUS\0II\3\0", 12);
    note += text({4, 0}) + entry(0x0201, 3, 1, text({3, 0})) + entry(0x2010, 13, 1, offset(66)) +
            entry(0x2031, 13, 1, offset(66)) + entry(0x2020, 13, 1, offset(102)) + offset(0);
    note += text({2, 0}) + entry(0x0201, 1, 6, offset(96)) + entry(0x0203, 2, 4, "R42") +
            offset(0);
    note += text({0, 0, 0x13, 0x10, 0, 0}) + "OLYMPUS DIGITAL CAMERA";
    ASSERT_EQ(note.size(), 124u);
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010F, "OLYMPUS IMAGING CORP.")};
    tiff.exif = fixture::Ifd{{fixture::shorts(0x8822, {2})}};
    tiff.rawMakerNote = note;
    TestWorkspace t;
    ASSERT_TRUE(t.analyze(fixture::jpegWith(tiff)));
    const std::vector<std::string> expected = {
        "【メーカーノート】",
        "Quality|3|SHQ",
        "Equipment|66|",
        "RawDevelopment2|66|",
        "CameraSettings|102|",
        "【メーカーノート Equipment】",
        "LensType|0 0 19 16 0 0|Olympus M.Zuiko Digital 14-42mm F3.5-5.6 II R",
        "LensModel|R42|",
    };
    EXPECT_EQ(makerNoteRows(t), expected);
}

// Every value list of every vendor names each code once.
TEST(MakerNoteVendors, NoCodeIsListedTwice) {
    std::set<const TagTable*> seen;
    std::vector<const TagTable*> tables;
    for (const MakerNoteFormat* format : makerNoteFormats())
        tables.push_back(format->tags);
    while (!tables.empty()) {
        const TagTable* table = tables.back();
        tables.pop_back();
        if (table == nullptr || !seen.insert(table).second) continue;
        for (const TagDef& def : table->tags) {
            std::set<std::pair<int32_t, int32_t>> keys;
            for (const ValueName& value : def.values)
                EXPECT_TRUE(keys.insert({value.first, value.second}).second)
                    << table->name << " " << def.key << " " << value.first;
            tables.push_back(def.subIfd);
            for (const TagTable* fields = def.fields; fields; fields = fields->otherVersion)
                tables.push_back(fields);
        }
    }
    EXPECT_GT(seen.size(), 20u);
}

}  // namespace
}  // namespace brevino
