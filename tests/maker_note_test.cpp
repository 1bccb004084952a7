#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "edit/editing.h"
#include "exif/analysis.h"
#include "run_process.h"
#include "tags/vendor_tags.h"

#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::TestWorkspace;

fixture::Tiff withMakerNote(ByteOrder fileOrder, const std::string& header, ByteOrder noteOrder,
                            std::vector<fixture::Entry> entries) {
    fixture::Tiff tiff;
    tiff.order = fileOrder;
    tiff.ifd0.entries = {fixture::shorts(0x0112, {1})};
    tiff.exif = fixture::Ifd{{fixture::shorts(0x8822, {2})}};
    tiff.ifd1 = fixture::Ifd{{fixture::shorts(0x0103, {6})}};
    tiff.makerNote =
        fixture::MakerNote{header, noteOrder, fixture::Ifd{std::move(entries)}, std::nullopt};
    return tiff;
}

const std::string kPentaxMM("AOC\0MM", 6);
const std::string kPentaxII("AOC\0II", 6);
const std::string kSony("SONY DSC \0\0\0", 12);

TEST(MakerNote, PentaxHeaderChoosesTheByteOrder) {
    for (ByteOrder noteOrder : {Motorola, Intel}) {
        TestWorkspace t;
        const std::string& header = noteOrder == Motorola ? kPentaxMM : kPentaxII;
        ASSERT_EQ(
            t.analyze(fixture::jpegWith(withMakerNote(
                Intel, header, noteOrder,
                {fixture::longs(0x0005, {76830}),
                 // newer cameras add a third value after the lens pair
                 fixture::byteValues(0x003F, noteOrder == Intel ? std::vector<uint32_t>{3, 17, 0}
                                                                : std::vector<uint32_t>{3, 17}),
                 fixture::shorts(0x0023, {56}), fixture::shorts(0x0050, {1}),
                 fixture::rawEntry(0x0E00, 7, 8, 0)}))),
            1);
        EXPECT_EQ(t.workspace.document().byteOrder, Intel);
        const long heading = t.findHeading("【メーカーノート】");
        ASSERT_EQ(heading, static_cast<long>(t.rows().size()) - 6);  // the last section
        EXPECT_EQ(t.entry(heading + 1).order, noteOrder);
        EXPECT_EQ(t.entry(heading - 1).order, Intel);
        EXPECT_EQ(t.cell(heading + 1, Column::Tag), "PentaxModelID");
        EXPECT_EQ(t.cell(heading + 1, Column::Content), "76830");
        EXPECT_EQ(t.cell(heading + 1, Column::Note), "K10D");
        EXPECT_EQ(t.cell(heading + 2, Column::Tag), "LensType");
        EXPECT_EQ(t.cell(heading + 2, Column::Note), "smc PENTAX-FA SOFT 85mm F2.8");
        EXPECT_EQ(t.cell(heading + 3, Column::Note), "Tokyo");
        EXPECT_EQ(t.cell(heading + 4, Column::Tag), "0x0050");  // not in the dictionary
        EXPECT_EQ(t.cell(heading + 5, Column::Tag), "PrintIM");
        EXPECT_EQ(t.entry(heading + 1).ifd, IfdKind::MakerNote);
    }
}

TEST(MakerNote, SonyIsReadInTheFileOrderTwelveBytesIn) {
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(
                  withMakerNote(Motorola, kSony, Motorola,
                                {fixture::longs(0xB027, {2550}), fixture::longs(0xB023, {16})}))),
              1);
    const long heading = t.findHeading("【メーカーノート】");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(t.entry(heading + 1).order, Motorola);
    EXPECT_EQ(t.cell(heading + 1, Column::Tag), "LensID");
    EXPECT_EQ(t.cell(heading + 1, Column::Note), "Minolta AF 50mm F1.7");
    EXPECT_EQ(t.cell(heading + 2, Column::Note), "Auto");

    // Any bytes after "SONY" will do.
    TestWorkspace u;
    ASSERT_EQ(u.analyze(fixture::jpegWith(withMakerNote(Intel, std::string("SONYxxxxxxxx"), Intel,
                                                        {fixture::longs(0xB027, {4574})}))),
              1);
    EXPECT_EQ(u.cell(u.findRow("LensID"), Column::Note), "Minolta AF 200mm F2.8 G x2");
}

TEST(MakerNote, UnrecognisedOrGuardedNotesAddNothing) {
    auto makerHeading = [](const fixture::Tiff& tiff) {
        TestWorkspace t;
        EXPECT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
        return t.findHeading("【メーカーノート】");
    };
    // "AOC" without its zero byte, another maker's note, a count below four.
    EXPECT_EQ(
        makerHeading(withMakerNote(Intel, "AOCXMM", Motorola, {fixture::longs(0x0005, {13})})), -1);
    fixture::Tiff unknown;
    unknown.rawMakerNote = "Nikon\0\2\0\0\0MM";
    EXPECT_EQ(makerHeading(unknown), -1);
    fixture::Tiff short3 =
        withMakerNote(Intel, kPentaxMM, Motorola, {fixture::longs(0x0005, {13})});
    short3.makerNote->count = 3;
    EXPECT_EQ(makerHeading(short3), -1);
}

TEST(MakerNote, GuardsAtTheSegmentsEnd) {
    // The maker note is the segment's last block: cut the segment inside its header.
    const Bytes whole =
        fixture::buildTiff(withMakerNote(Intel, kPentaxII, Intel, {fixture::shorts(0x0001, {1})}));
    const size_t at =
        std::search(whole.begin(), whole.end(), kPentaxII.begin(), kPentaxII.end()) - whole.begin();
    ASSERT_LT(at, whole.size());
    // Four header bytes reaching the end: nothing. A byte-order mark cut off: Motorola, and
    // the IFD lies beyond the end, so the heading stands alone.
    for (size_t keep : {4, 5}) {
        TestWorkspace t;
        ASSERT_EQ(t.analyze(fixture::buildJpeg(Bytes(whole.begin(), whole.begin() + at + keep))),
                  1);
        const long heading = t.findHeading("【メーカーノート】");
        if (keep == 4) {
            EXPECT_EQ(heading, -1);
        } else {
            EXPECT_EQ(heading, static_cast<long>(t.rows().size()) - 1);
        }
    }
}

TEST(MakerNote, EntriesAndValuesOutsideTheBufferGiveEmptyRows) {
    fixture::Entry far = fixture::rawEntry(0x003F, 1, 100, 0x7FFFFF00);
    fixture::Entry huge = fixture::rawEntry(0x0005, 4, 0xFFFFFFFF, 0x10);
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(withMakerNote(Intel, kPentaxII, Intel, {far, huge}))), 1);
    const long heading = t.findHeading("【メーカーノート】");
    ASSERT_EQ(static_cast<long>(t.rows().size()), heading + 3);
    EXPECT_EQ(t.cell(heading + 1, Column::Content), "");
    EXPECT_FALSE(t.entry(heading + 1).valueInside);
    EXPECT_EQ(t.cell(heading + 2, Column::Content), "");

    // An entry count far larger than the block: the walk stops at the buffer's end.
    fixture::Tiff tiff = withMakerNote(Intel, kPentaxII, Intel, {fixture::shorts(0x0001, {1})});
    Bytes file = fixture::jpegWith(tiff);
    TestWorkspace u;
    ASSERT_EQ(u.analyze(file), 1);
    const uint64_t ifd = std::search(file.begin(), file.end(), kPentaxII.begin(), kPentaxII.end()) -
                         file.begin() + 6;
    writeU16(0xFFFF, &file[ifd], Intel);
    EXPECT_EQ(u.analyze(file), 1);
}

TEST(MakerNoteTables, SizesKeysAndClosingEntries) {
    const std::map<uint16_t, int> pentaxSizes = {
        {0x0001, 3}, {0x0005, 48}, {0x0008, 5},  {0x0009, 14},  {0x000B, 29}, {0x000C, 8},
        {0x000D, 5}, {0x000F, 11}, {0x0014, 24}, {0x0019, 13},  {0x001A, 6},  {0x001F, 5},
        {0x0020, 5}, {0x0021, 5},  {0x0022, 2},  {0x0023, 71},  {0x0024, 71}, {0x0025, 2},
        {0x0026, 2}, {0x0033, 2},  {0x0037, 2},  {0x003F, 113}, {0x0049, 2}};
    const std::map<uint16_t, int> sonySizes = {
        {0xB023, 8},  {0xB024, 3}, {0xB025, 3}, {0xB026, 2}, {0xB027, 105},
        {0xB029, 14}, {0xB040, 2}, {0xB041, 7}, {0xB047, 2}, {0xB04E, 2}};
    auto check = [](const TagTable& table, size_t entries, const std::map<uint16_t, int>& sizes) {
        const std::span<const TagDef> tags = table.tags;
        EXPECT_EQ(tags.size(), entries);
        for (const TagDef& def : tags) {
            auto expected = sizes.find(def.tag);
            const size_t size = expected == sizes.end() ? 0 : static_cast<size_t>(expected->second);
            EXPECT_EQ(def.values.size(), size) << def.name;
            std::set<std::pair<int32_t, int32_t>> keys;
            for (const ValueName& value : def.values)
                EXPECT_TRUE(keys.insert({value.first, value.second}).second) << def.name;
        }
    };
    check(kPentaxTags, 48, pentaxSizes);
    check(kSonyTags, 14, sonySizes);
    // The long lists end where they should.
    EXPECT_STREQ(kPentaxModelIdNames.back().text, "Optio A20");
    EXPECT_STREQ(kPentaxHometownCityNames.back().text, "Lisbon");
    EXPECT_STREQ(kPentaxDestinationCityNames.back().text, "Lisbon");
    EXPECT_STREQ(kPentaxLensTypeNames.back().text, "smc PENTAX-DA 16-45mm F4 ED AL");
    EXPECT_EQ(kPentaxLensTypeNames.back().first, 7);
    EXPECT_EQ(kPentaxLensTypeNames.back().second, 244);
    EXPECT_STREQ(kSonyLensIdNames.back().text, "Minolta AF 200mm F2.8 G x2");
    EXPECT_STREQ(kPentaxTags.tags[9].name, "PictureMode");
    EXPECT_STREQ(kPentaxTags.tags[34].name, "PictureMode");
}

TEST(MakerNoteTables, ExamplesOfTheLists) {
    // The note of a value of one or two numbers (a text's number for one).
    auto note = [](const TagTable& table, uint16_t tag, std::string_view content) {
        const TagDef* found = table.find(tag);
        EXPECT_NE(found, nullptr);
        CodedValue value;
        const size_t space = content.find(' ');
        value.leading[0] = std::stoll(std::string(content.substr(0, space)));
        value.count = 1;
        if (space != std::string_view::npos) {
            value.leading[1] = std::stoll(std::string(content.substr(space + 1)));
            value.count = 2;
        }
        value.trailing[0] = value.count == 2 ? value.leading[0] : value.leading[0];
        value.trailing[1] = value.leading[1];
        const ValueName* name = found ? lookupValueName(*found, value) : nullptr;
        return name ? std::string(name->text) : std::string();
    };
    const TagTable& pentax = kPentaxTags;
    const TagTable& sony = kSonyTags;
    EXPECT_EQ(note(pentax, 0x0005, "13"), "Optio 330/430");
    EXPECT_EQ(note(pentax, 0x0005, "76831"), "");
    EXPECT_EQ(note(pentax, 0x0024, "0"), "Pago Pago");
    EXPECT_EQ(note(pentax, 0x0023, "71"), "");
    EXPECT_EQ(note(pentax, 0x003F, "0 0"), "S(M42) Lens");
    EXPECT_EQ(note(pentax, 0x003F, "4 1"), "smc PENTAX-FA SOFT 28mm F2.8");
    EXPECT_EQ(note(pentax, 0x003F, "3 255"), "SIGMA");
    EXPECT_EQ(note(sony, 0xB027, "128"), "Tamron 18-200, 28-300 or 80-300mm F3.5-6.3");
    EXPECT_EQ(note(sony, 0xB027, "32"), "Minolta AF 300mm F2.8 G");
    // Stored texts keep their trailing spaces and spellings.
    EXPECT_EQ(note(pentax, 0x001A, "1"), "Auto (Daylight) ");
    EXPECT_EQ(note(pentax, 0x0049, "0"), "Off ");
    EXPECT_EQ(note(pentax, 0x0023, "4"), "San Fransisco");
    EXPECT_EQ(note(pentax, 0x0033, "1 0"), "Yes");
    EXPECT_EQ(note(pentax, 0x000C, "259"), "Auto, Fired, Red-eye reduction");
}

// A vendor described only by data: its note holds a TIFF header of its own whose offsets
// count from that header, an array of named fields and a pointer to a sub-IFD.
const ValueName kAcmeModeNames[] = {{MatchValue, 2, 0, "Two"}};
const ValueName kAcmeInnerNames[] = {{MatchValue, 7, 0, "Seven"}};
const TagDef kAcmeFieldDefs[] = {{1, "Mode", kAcmeModeNames}};
constinit const TagTable kAcmeFields{"AcmeSettings", kAcmeFieldDefs};
const TagDef kAcmeInnerDefs[] = {{0x0010, "Inner", kAcmeInnerNames}};
constinit const TagTable kAcmeInner{"AcmeInner", kAcmeInnerDefs, "【メーカーノート Inner】"};
const TagDef kAcmeDefs[] = {TagDef(0x0001, "Settings").withFields(kAcmeFields),
                            {0x0002, "Name"},
                            TagDef(0x0003, "InnerIfd").withSubIfd(kAcmeInner)};
constinit const TagTable kAcmeTags{"Acme", kAcmeDefs};
const uint16_t kAcmeStructural[] = {0x0002};
constinit const MakerNoteFormat kAcmeFormat{.vendor = "Acme",
                                            .signature = "ACME",
                                            .ifdStart = IfdStart::Pointer,
                                            .ifdAt = 10,
                                            .base = OffsetBase::Note,
                                            .baseAt = 6,
                                            .order = NoteByteOrder::Mark,
                                            .orderAt = 6,
                                            .tags = &kAcmeTags,
                                            .structural = kAcmeStructural};

TEST(MakerNote, AFormatDescribedByDataIsReadWithItsOwnBase) {
    auto u16 = [](uint16_t v) { return std::string{char(v >> 8), char(v & 0xFF)}; };
    auto u32 = [&](uint32_t v) { return u16(static_cast<uint16_t>(v >> 16)) + u16(v & 0xFFFF); };
    auto entry = [&](uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
        return u16(tag) + u16(type) + u32(count) + u32(value);
    };
    // Offsets count from the header at note + 6: the IFD at 8, values from 50, sub-IFD at 62.
    std::string note = std::string("ACME\0\0", 6) + "MM" + u16(42) + u32(8);
    note += u16(3) + entry(1, 3, 3, 50) + entry(2, 2, 6, 56) + entry(3, 4, 1, 62) + u32(0);
    note += u16(9) + u16(2) + u16(5) + std::string("hello\0", 6);
    note += u16(1) + entry(0x0010, 3, 1, 7u << 16) + u32(0);
    fixture::Tiff tiff;
    tiff.exif = fixture::Ifd{{fixture::shorts(0x8822, {2})}};
    tiff.rawMakerNote = note;
    const Bytes file = fixture::jpegWith(tiff);
    const uint64_t at = static_cast<uint64_t>(
        std::search(file.begin(), file.end(), note.begin(), note.begin() + 4) - file.begin());
    const MakerNoteFormat* formats[] = {&kAcmeFormat};
    const Document document = analyzeBytes(file, formats);
    ASSERT_TRUE(document.walked());
    EXPECT_EQ(document.makerNote, &kAcmeFormat);
    RowList rows;
    rows.build(document);
    std::vector<std::string> seen;
    for (size_t r = 0; r < rows.size(); ++r) {
        std::string line(rows.cell(r, Column::Offset));
        for (Column c : {Column::Count, Column::Tag, Column::Content, Column::Note})
            line.append("|").append(rows.cell(r, c));
        seen.push_back(line);
    }
    const std::vector<std::string> lastRows = {
        "【メーカーノート】||||",
        testing::hexOffset(at + 6 + 50) + "|3|Settings|9 2 5|",
        testing::hexOffset(at + 6 + 52) + "|1|Mode|2|Two",
        testing::hexOffset(at + 6 + 56) + "|6|Name|hello|",
        testing::hexOffset(at + 6 + 8 + 2 + 24 + 8) + "|1|InnerIfd|62|",
        "【メーカーノート Inner】||||",
        testing::hexOffset(at + 6 + 62 + 2 + 8) + "|1|Inner|7|Seven",
    };
    ASSERT_GE(seen.size(), lastRows.size());
    EXPECT_EQ(std::vector<std::string>(seen.end() - static_cast<long>(lastRows.size()), seen.end()),
              lastRows);
    // The array is edited field by field; structural entries and pointers never.
    const size_t first = rows.size() - lastRows.size();
    EXPECT_EQ(whyNotEditable(document, rows, first + 1), Problem::NotEditableFields);
    EXPECT_EQ(whyNotEditable(document, rows, first + 2), Problem::None);
    EXPECT_EQ(whyNotEditable(document, rows, first + 3), Problem::NotEditableStructure);
    EXPECT_EQ(whyNotEditable(document, rows, first + 4), Problem::NotEditableStructure);
    EXPECT_EQ(whyNotEditable(document, rows, first + 6), Problem::None);
}

TEST(MakerNote, JsonNamesTheMakerNoteIfd) {
    fixture::TempDir dir;
    std::string path = dir.write(
        "sony.jpg",
        fixture::jpegWith(withMakerNote(Intel, kSony, Intel, {fixture::longs(0xB027, {2550})})));
    auto result = testing::runCli({"show", "--json", path});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("{\"heading\":true,\"offset\":\"【メーカーノート】\""),
              std::string::npos);
    EXPECT_NE(
        result.out.find("\"tag\":\"LensID\",\"content\":\"2550\",\"note\":\"Minolta AF 50mm F1.7\","
                        "\"ifd\":\"makernote\",\"tagId\":45095,\"name\":\"LensID\",\"known\":true"),
        std::string::npos);
}

}  // namespace
}  // namespace brevino
