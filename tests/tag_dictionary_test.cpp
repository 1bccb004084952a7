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
    } cases[] = {
        {Dictionary::Primary, 32, "画像の幅", "GPS情報IFDへのポインタ"},
        {Dictionary::Exif, 43, "露出時間", "CFA パターン"},
        {Dictionary::Interop, 2, "互換性識別子", "互換性バージョン"},
        {Dictionary::Gps, 27, "GPS タグのバージョン", "目的地までの距離（数値）"},
        {Dictionary::Pentax, 48, "PentaxMode", "PreviewImageData"},
        {Dictionary::Sony, 14, "PrintIM", "LongExposureNoiseReduction"},
    };
    for (const auto& c : cases) {
        const std::span<const TagDef> tags = dictionaryTags(c.dictionary);
        ASSERT_EQ(tags.size(), c.size);
        EXPECT_STREQ(tags.front().name, c.first);
        EXPECT_STREQ(tags.back().name, c.last);
        std::set<uint16_t> seen;
        for (const TagDef& tag : tags) {
            EXPECT_TRUE(seen.insert(tag.tag).second || c.dictionary == Dictionary::Pentax)
                << tag.name;
            EXPECT_FALSE(std::string_view(tag.name).empty());
            EXPECT_LE(std::string_view(tag.name).size(), 129u);
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
    EXPECT_EQ(t.rows().size(),
              3u + 2 + 1 + 1);  // headings, two thumbnail rows, pointer, GPS version
}

}  // namespace
}  // namespace brevino
