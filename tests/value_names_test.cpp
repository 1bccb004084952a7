#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exif/value_notes.h"
#include "tags/tag_dictionary.h"
#include "test_support.h"

namespace brevino {
namespace {

// An entry of the tag holding `values` (numbers, or one text), in little-endian order, and
// the note the rows would show for it: the coded note, else the worked-out one.
std::string note(IfdKind kind, uint16_t tag, TiffType type, std::vector<int64_t> values,
                 std::string_view text = {}) {
    const TagDef* found = standardTable(kind)->find(tag);
    EXPECT_NE(found, nullptr) << tag;
    if (found == nullptr) return {};
    Entry entry;
    entry.ifd = kind;
    entry.tag = tag;
    entry.type = static_cast<uint16_t>(type);
    entry.order = Intel;
    std::vector<uint8_t> bytes;
    if (type == TiffType::Ascii) {
        bytes.assign(text.begin(), text.end());
        bytes.push_back(0);
        entry.count = static_cast<uint32_t>(bytes.size());
    } else {
        const bool rational = type == TiffType::Rational || type == TiffType::SRational;
        const unsigned size = rational ? 4 : tiffType(entry.type).size;
        for (const int64_t value : values) {
            for (unsigned i = 0; i < size; ++i)
                bytes.push_back(static_cast<uint8_t>(static_cast<uint64_t>(value) >> (8 * i)));
        }
        entry.count = static_cast<uint32_t>(rational ? values.size() / 2 : values.size());
    }
    std::string result(codedNote(*found, entry, bytes));
    if (result.empty()) appendDerivedNote(*found, entry, bytes, result);
    return result;
}

TEST(ValueNames, CodedValuesByTheirDecodedNumbers) {
    using T = TiffType;
    const struct {
        IfdKind ifd;
        uint16_t tag;
        TiffType type;
        std::vector<int64_t> values;
        const char* text;
        std::string expected;
    } cases[] = {
        {IfdKind::Zeroth, 0x0128, T::Short, {2}, "", "インチ"},
        {IfdKind::Zeroth, 0x0128, T::Short, {3}, "", "センチメートル"},
        {IfdKind::Zeroth, 0x0128, T::Short, {1}, "", ""},
        {IfdKind::Exif, 0xA001, T::Short, {65535}, "", "Uncalibrated"},
        {IfdKind::Exif, 0x9208, T::Short, {255}, "", "その他"},
        {IfdKind::Zeroth, 0x0103, T::Short, {6}, "", "JPEG 圧縮（サムネイルのみ）"},
        {IfdKind::Zeroth,
         0x0112,
         T::Short,
         {8},
         "",
         "0 番目の行が目で見たときの画像の左側、0 番目の列が下"},
        {IfdKind::Zeroth, 0x0100, T::Short, {2}, "", ""},  // no list, no note
        // Flash: the whole number's lowest bit, not its first digit's.
        {IfdKind::Exif, 0x9209, T::Short, {25}, "", "ストロボ発光"},
        {IfdKind::Exif, 0x9209, T::Short, {73}, "", "ストロボ発光"},
        {IfdKind::Exif, 0x9209, T::Short, {16}, "", "ストロボ発光せず"},
        {IfdKind::Exif, 0x9209, T::Short, {88}, "", "ストロボ発光せず"},
        // GPS references: the first character of the text, in its case.
        {IfdKind::Gps, 0x0001, T::Ascii, {}, "N", "北緯"},
        {IfdKind::Gps, 0x0001, T::Ascii, {}, "n", ""},
        {IfdKind::Gps, 0x0001, T::Ascii, {}, "S", "南緯"},
        {IfdKind::Gps, 0x0019, T::Ascii, {}, "N", "海里"},
        {IfdKind::Gps, 0x0005, T::Byte, {1}, "", "海抜基準（海面下）"},
        // Pairs: chroma subsampling takes the last two values, the components the first two.
        {IfdKind::Zeroth, 0x0212, T::Short, {2, 1}, "", "YCbCr4:2:2"},
        {IfdKind::Zeroth, 0x0212, T::Short, {2, 2}, "", "YCbCr4:2:0"},
        {IfdKind::Zeroth, 0x0212, T::Short, {2}, "", ""},
        {IfdKind::Exif, 0x9101, T::Undefined, {1, 2, 3, 0}, "", "YCbCr"},
        {IfdKind::Exif, 0x9101, T::Undefined, {0, 1, 2, 3}, "", ""},
        // A rational is coded by its numerator.
        {IfdKind::Exif, 0xA404, T::Rational, {0, 100}, "", "デジタルズーム未使用"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(note(c.ifd, c.tag, c.type, c.values, c.text), c.expected)
            << std::hex << c.tag << " " << (c.values.empty() ? 0 : c.values[0]) << c.text;
}

TEST(ValueNames, ReadingsWorkedOutFromTheValue) {
    using T = TiffType;
    const struct {
        uint16_t tag;
        TiffType type;
        std::vector<int64_t> values;
        std::string expected;
    } cases[] = {
        {0x829A, T::Rational, {10, 1780}, "1/178 秒"},
        {0x829A, T::Rational, {1, 160}, "1/160 秒"},
        {0x829A, T::Rational, {5, 2}, "2.5 秒"},
        {0x829A, T::Rational, {1, 0}, ""},  // no number
        {0x829D, T::Rational, {45, 10}, "F4.5"},
        {0x829D, T::Rational, {8, 1}, "F8"},
        {0x9201, T::SRational, {7965784, 1000000}, "1/250 秒 (APEX 7.97)"},
        {0x9202, T::Rational, {497, 100}, "F5.6 (APEX 4.97)"},
        {0x920A, T::Rational, {34, 1}, "34 mm"},
        {0x920A, T::Rational, {58, 10}, "5.8 mm"},
        {0x9204, T::SRational, {-2, 3}, "−0.7 EV"},
        {0x9204, T::SRational, {1, 3}, "+0.3 EV"},
        {0x9204, T::SRational, {0, 1}, "0 EV"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(note(IfdKind::Exif, c.tag, c.type, c.values), c.expected) << std::hex << c.tag;
}

TEST(ValueNames, MatchKinds) {
    auto numbers = [](std::vector<int64_t> values) {
        CodedValue value;
        value.count = values.size();
        for (size_t i = 0; i < std::min<size_t>(2, values.size()); ++i) {
            value.leading[i] = values[i];
            value.trailing[i] = values[values.size() - std::min<size_t>(2, values.size()) + i];
        }
        return value;
    };
    CodedValue text = numbers({0});
    text.character = 0;
    EXPECT_TRUE(valueNameMatches({MatchValue, -1, 0, "x"}, numbers({4294967295})));  // mod 2^32
    EXPECT_TRUE(valueNameMatches({MatchValue, 0, 0, "x"}, text));
    EXPECT_FALSE(valueNameMatches({MatchValue, 0, 0, "x"}, numbers({})));
    EXPECT_TRUE(valueNameMatches({MatchCharacter, 0, 0, "x"}, text));
    EXPECT_FALSE(valueNameMatches({MatchCharacter, 0, 0, "x"}, numbers({0})));  // no text
    // Newer Pentax cameras follow the lens pair with more values: the first two count.
    for (const auto& values : {std::vector<int64_t>{3, 44, 0}, {3, 44}, {3, 44, 0, 1}})
        EXPECT_TRUE(valueNameMatches({MatchFirstPair, 3, 44, "lens"}, numbers(values)));
    for (const auto& values : {std::vector<int64_t>{0, 3, 44}, {3}, {44, 3, 0}})
        EXPECT_FALSE(valueNameMatches({MatchFirstPair, 3, 44, "lens"}, numbers(values)));
    EXPECT_TRUE(valueNameMatches({MatchLastPair, 4, 1, "y"}, numbers({0, 4, 1})));
    EXPECT_FALSE(valueNameMatches({MatchLastPair, 4, 1, "y"}, numbers({4, 1, 0})));
}

}  // namespace
}  // namespace brevino
