#include <gtest/gtest.h>

#include <set>

#include "tags/tag_dictionary.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::TestWorkspace;

TEST(Dictionaries, SizesOrderAndNoTagTwice) {
    const struct {
        Dictionary dictionary;
        size_t size;
        const char* first;
        const char* last;
        size_t older;     // entries before today's tags were added
        uint16_t newTag;  // the first tag added after them
    } cases[] = {
        // Today's standard: 0th IFD with the Windows tags, Exif IFD, interoperability, GPS.
        {Dictionary::Primary, 39, "画像の幅", "Windows 評価（パーセント）", 32, 0x9C9B},
        {Dictionary::Exif, 89, "露出時間", "再生ガンマ", 43, 0x8830},
        {Dictionary::Interop, 5, "互換性識別子", "関連画像高さ", 2, 0x1000},
        {Dictionary::Gps, 32, "GPS タグのバージョン", "水平方向測位誤差", 27, 0x001B},
        {Dictionary::Pentax, 48, "PentaxMode", "PreviewImageData", 48, 0},
        {Dictionary::Sony, 14, "PrintIM", "LongExposureNoiseReduction", 14, 0},
    };
    std::set<std::string_view> standardNames;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.dictionary));
        const std::span<const TagDef> tags = dictionaryTags(c.dictionary);
        ASSERT_EQ(tags.size(), c.size);
        EXPECT_STREQ(tags.front().name, c.first);
        EXPECT_STREQ(tags.back().name, c.last);
        if (c.older < c.size) {
            EXPECT_EQ(tags[c.older].tag, c.newTag);
        }
        std::set<uint16_t> seen;
        for (const TagDef& tag : tags) {
            EXPECT_TRUE(seen.insert(tag.tag).second || c.dictionary == Dictionary::Pentax)
                << tag.name;
            EXPECT_FALSE(std::string_view(tag.name).empty());
            EXPECT_LE(std::string_view(tag.name).size(), 129u);
            // Rows are found by name: no two standard tags share one (the 1st IFD reuses
            // the primary names).
            if (c.dictionary <= Dictionary::Gps) {
                EXPECT_TRUE(standardNames.insert(tag.name).second) << tag.name;
            }
            // A coded value has one note.
            std::set<std::pair<int32_t, int32_t>> values;
            for (const ValueName& value : tag.values) {
                EXPECT_TRUE(values.insert({value.first, value.second}).second ||
                            c.dictionary >= Dictionary::Pentax)
                    << tag.name << " " << value.first;
                EXPECT_FALSE(std::string_view(value.text).empty());
            }
        }
    }
    EXPECT_EQ(standardDictionary(IfdKind::First), Dictionary::Primary);
}

TEST(Dictionaries, TagsAreLookedUpInTheirIfdsDictionary) {
    EXPECT_STREQ(findTag(Dictionary::Gps, 0x0000)->name, "GPS タグのバージョン");
    EXPECT_EQ(findTag(Dictionary::Gps, 0xFFFF), nullptr);
    EXPECT_EQ(findTag(Dictionary::Interop, 0x0003), nullptr);
    EXPECT_STREQ(findTag(Dictionary::Gps, 0x0001)->name, "北緯(N)or南緯(S)");
    EXPECT_STREQ(findTag(Dictionary::Interop, 0x0001)->name, "互換性識別子");
    EXPECT_STREQ(findTag(Dictionary::Primary, 0x8298)->name, "撮影著作権者/編集著作権者");
    EXPECT_EQ(findTag(Dictionary::Primary, 0x0000), nullptr);
}

TEST(Dictionaries, ThumbnailIfdUsesThePrimaryNames) {
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
    // headings, two thumbnail rows, pointer, GPS version, the unknown tag by number
    EXPECT_EQ(t.rows().size(), 3u + 2 + 1 + 1 + 1);
    EXPECT_GE(t.findRow("0xFFFF"), 0);
}

}  // namespace
}  // namespace brevino
