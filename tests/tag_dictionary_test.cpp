#include <gtest/gtest.h>

#include <set>

#include "tags/tag_dictionary.h"
#include "tags/vendor_tags.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::TestWorkspace;

TEST(Dictionaries, SizesOrderAndNoTagTwice) {
    const struct {
        const TagTable& table;
        size_t size;
        const char* first;
        const char* last;
        size_t older;     // entries before today's tags were added
        uint16_t newTag;  // the first tag added after them
    } cases[] = {
        // Today's standard: 0th IFD with the Windows tags, Exif IFD, interoperability, GPS.
        {kPrimaryTags, 39, "画像の幅", "Windows 評価（パーセント）", 32, 0x9C9B},
        {kExifTags, 89, "露出時間", "再生ガンマ", 43, 0x8830},
        {kInteropTags, 5, "互換性識別子", "関連画像高さ", 2, 0x1000},
        {kGpsTags, 32, "GPS タグのバージョン", "水平方向測位誤差", 27, 0x001B},
        {kPentaxTags, 48, "PentaxMode", "PreviewImageData", 48, 0},
        {kSonyTags, 14, "PrintIM", "LongExposureNoiseReduction", 14, 0},
    };
    std::set<std::string_view> standardNames;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table.name);
        const bool vendor = &c.table == &kPentaxTags || &c.table == &kSonyTags;
        const std::span<const TagDef> tags = c.table.tags;
        ASSERT_EQ(tags.size(), c.size);
        EXPECT_STREQ(tags.front().name, c.first);
        EXPECT_STREQ(tags.back().name, c.last);
        if (c.older < c.size) {
            EXPECT_EQ(tags[c.older].tag, c.newTag);
        }
        std::set<uint16_t> seen;
        for (const TagDef& tag : tags) {
            EXPECT_TRUE(seen.insert(tag.tag).second || &c.table == &kPentaxTags) << tag.name;
            EXPECT_FALSE(std::string_view(tag.name).empty());
            EXPECT_LE(std::string_view(tag.name).size(), 129u);
            // Rows are found by name: no two standard tags share one (the 1st IFD reuses
            // the primary names).
            if (!vendor) {
                EXPECT_TRUE(standardNames.insert(tag.name).second) << tag.name;
                // Every standard tag says how it is written, under a key of its own.
                EXPECT_TRUE(standardNames.insert(tag.key).second) << tag.key;
                EXPECT_NE(tag.types, 0) << tag.key;
            }
            // A coded value has one note.
            std::set<std::pair<int32_t, int32_t>> values;
            for (const ValueName& value : tag.values) {
                EXPECT_TRUE(values.insert({value.first, value.second}).second || vendor)
                    << tag.name << " " << value.first;
                EXPECT_FALSE(std::string_view(value.text).empty());
            }
        }
    }
    EXPECT_EQ(standardTable(IfdKind::First), &kPrimaryTags);
}

TEST(Dictionaries, TagsAreLookedUpInTheirIfdsDictionary) {
    EXPECT_STREQ(kGpsTags.find(0x0000)->name, "GPS タグのバージョン");
    EXPECT_EQ(kGpsTags.find(0xFFFF), nullptr);
    EXPECT_EQ(kInteropTags.find(0x0003), nullptr);
    EXPECT_STREQ(kGpsTags.find(0x0001)->key, "GPSLatitudeRef");
    EXPECT_STREQ(kInteropTags.find(0x0001)->name, "互換性識別子");
    EXPECT_STREQ(kPrimaryTags.find(0x8298)->name, "撮影著作権者/編集著作権者");
    EXPECT_EQ(kPrimaryTags.find(0x0000), nullptr);
    // Keys, numbers and display names name the same tag.
    EXPECT_EQ(kPrimaryTags.findNamed("Make"), kPrimaryTags.find(0x010F));
    EXPECT_EQ(kPrimaryTags.findNamed("画像入力機器のメーカー名"), kPrimaryTags.find(0x010F));
    EXPECT_EQ(kPrimaryTags.findNamed("make"), nullptr);  // keys are compared exactly
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
