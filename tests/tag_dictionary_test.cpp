#include <gtest/gtest.h>

#include <set>

#include "tags/maker_note_dictionaries.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::TestWorkspace;

TEST(StandardTagTable, FourDictionariesInOneTable) {
    int entries = 0;
    while (!(StandardTagTable[entries].tag == 0 && StandardTagTable[entries].name[0] == '\0'))
        ++entries;
    EXPECT_EQ(entries + 1, kStandardTagTableSize);

    DictionaryStarts[0] = DictionaryStarts[1] = DictionaryStarts[2] = DictionaryStarts[3] = -1;
    computeDictionaryStarts();
    EXPECT_EQ(DictionaryStarts[0], 0);
    EXPECT_EQ(DictionaryStarts[1], 33);
    EXPECT_EQ(DictionaryStarts[2], 77);
    EXPECT_EQ(DictionaryStarts[3], 80);

    EXPECT_EQ(dictionarySize(standardDictionary(IfdKind::Zeroth)), 32);
    EXPECT_EQ(dictionarySize(standardDictionary(IfdKind::Exif)), 43);
    EXPECT_EQ(dictionarySize(standardDictionary(IfdKind::Interop)), 2);
    EXPECT_EQ(dictionarySize(standardDictionary(IfdKind::Gps)), 27);
    EXPECT_EQ(standardDictionary(IfdKind::First), standardDictionary(IfdKind::Zeroth));

    // First and last names of each run, and no tag twice within a run.
    EXPECT_STREQ(StandardTagTable[0].name, "画像の幅");
    EXPECT_STREQ(StandardTagTable[31].name, "GPS情報IFDへのポインタ");
    EXPECT_STREQ(StandardTagTable[33].name, "露出時間");
    EXPECT_STREQ(StandardTagTable[75].name, "CFA パターン");
    EXPECT_STREQ(StandardTagTable[78].name, "互換性バージョン");
    EXPECT_STREQ(StandardTagTable[80].name, "GPS タグのバージョン");
    EXPECT_STREQ(StandardTagTable[106].name, "目的地までの距離（数値）");
    for (IfdKind kind : {IfdKind::Zeroth, IfdKind::Exif, IfdKind::Interop, IfdKind::Gps}) {
        std::set<uint16_t> seen;
        const TagDef* dictionary = standardDictionary(kind);
        for (int i = 0; dictionary[i].name[0]; ++i) {
            EXPECT_TRUE(seen.insert(dictionary[i].tag).second) << dictionary[i].name;
            EXPECT_LE(std::string_view(dictionary[i].name).size(), 129u);
        }
    }
}

TEST(StandardTagTable, NamesListedForTheBatchOperations) {
    std::vector<std::string_view> names;
    for (int i = 0; !(StandardTagTable[i].tag == 0 && StandardTagTable[i].name[0] == '\0'); ++i) {
        if (StandardTagTable[i].name[0]) names.push_back(StandardTagTable[i].name);
    }
    ASSERT_EQ(names.size(), 104u);
    EXPECT_EQ(names.back(), "目的地までの距離（数値）");
    EXPECT_EQ(names.front(), "画像の幅");
}

TEST(LookupTag, FirstMatchBeforeTheClosingEntry) {
    const TagDef* gps = standardDictionary(IfdKind::Gps);
    EXPECT_EQ(lookupTag(gps, 0x0000), 0);
    EXPECT_EQ(lookupTag(gps, 0xFFFF), -1);
    EXPECT_EQ(lookupTag(standardDictionary(IfdKind::Interop), 0x0003), -1);
    EXPECT_STREQ(gps[lookupTag(gps, 0x0001)].name, "北緯(N)or南緯(S)");
    const TagDef* interop = standardDictionary(IfdKind::Interop);
    EXPECT_STREQ(interop[lookupTag(interop, 0x0001)].name, "互換性識別子");
    const TagDef* primary = standardDictionary(IfdKind::Zeroth);
    EXPECT_STREQ(primary[lookupTag(primary, 0x8298)].name, "撮影著作権者/編集著作権者");
    EXPECT_EQ(lookupTag(primary, 0x0000), -1);  // the end entry's tag is never compared
}

TEST(LookupTag, ThumbnailIfdUsesThePrimaryNames) {
    fixture::Tiff tiff;
    tiff.ifd1 = fixture::Ifd{{fixture::longs(0x0201, {100}), fixture::longs(0x0202, {50})}};
    tiff.gps =
        fixture::Ifd{{fixture::byteValues(0x0000, {2, 2, 0, 0}), fixture::ascii(0xFFFF, "x")}};
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    EXPECT_GE(t.findRow("JPEG のSOI へのオフセット"), 0);
    EXPECT_GE(t.findRow("JPEG データのバイト数"), 0);
    EXPECT_GE(t.findRow("GPS タグのバージョン"), 0);
    EXPECT_EQ(t.headings().size(), 3u);
    EXPECT_EQ(t.rows().size(),
              3u + 2 + 1 + 1);  // headings, two thumbnail rows, pointer, GPS version
}

TEST(DateTagNames, AreTheDisplayNamesOfTheDateTags) {
    const TagDef* exif = standardDictionary(IfdKind::Exif);
    const TagDef* primary = standardDictionary(IfdKind::Zeroth);
    EXPECT_EQ(DateTagNames[0], exif[lookupTag(exif, 0x9003)].name);
    EXPECT_EQ(DateTagNames[1], exif[lookupTag(exif, 0x9004)].name);
    EXPECT_EQ(DateTagNames[2], primary[lookupTag(primary, 0x0132)].name);
}

}  // namespace
}  // namespace brevino
