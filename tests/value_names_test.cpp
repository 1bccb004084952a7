#include <gtest/gtest.h>

#include "tags/tag_dictionary.h"
#include "test_support.h"

namespace brevino {
namespace {

std::string_view note(IfdKind kind, uint16_t tag, std::string_view content) {
    const TagDef* found = findTag(standardDictionary(kind), tag);
    EXPECT_NE(found, nullptr) << tag;
    return found == nullptr ? std::string_view() : lookupValueName(*found, content);
}

TEST(ValueNames, NumbersNameTheirMeaning) {
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0128, "2"), "インチ");
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0128, "3"), "センチメートル");
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0128, "1"), "");
    EXPECT_EQ(note(IfdKind::Exif, 0xA001, "65535"), "Uncalibrated");
    EXPECT_EQ(note(IfdKind::Exif, 0x8822, ""), "未定義");  // an empty text reads as 0
    EXPECT_EQ(note(IfdKind::Exif, 0x9208, "255"), "その他");
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0103, "6"), "JPEG 圧縮（サムネイルのみ）");
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0112, "8"),
              "0 番目の行が目で見たときの画像の左側、0 番目の列が下");
    // Tags without a table never have a note.
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0100, "2"), "");
}

TEST(ValueNames, FlashLooksAtBitZeroOfTheValue) {
    // The whole number's lowest bit, not its first digit's: 16 is "off, did not fire" and 25
    // "auto, fired".
    for (const char* fired : {"1", "5", "7", "25", "73", "89"})
        EXPECT_EQ(note(IfdKind::Exif, 0x9209, fired), "ストロボ発光") << fired;
    for (const char* notFired : {"0", "16", "24", "32", "88"})
        EXPECT_EQ(note(IfdKind::Exif, 0x9209, notFired), "ストロボ発光せず") << notFired;
}

TEST(ValueNames, GpsReferencesCompareTheFirstCharacter) {
    EXPECT_EQ(note(IfdKind::Gps, 0x0001, "N"), "北緯");
    EXPECT_EQ(note(IfdKind::Gps, 0x0001, "n"), "");
    EXPECT_EQ(note(IfdKind::Gps, 0x0001, "S"), "南緯");
    EXPECT_EQ(note(IfdKind::Gps, 0x0005, "0"), "海抜基準");
    EXPECT_EQ(note(IfdKind::Gps, 0x0005, "1"), "海抜基準（海面下）");
    EXPECT_EQ(note(IfdKind::Gps, 0x000C, "K"), "キロメータ");
    EXPECT_EQ(note(IfdKind::Gps, 0x0019, "K"), "キロメートル");
    EXPECT_EQ(note(IfdKind::Gps, 0x0019, "N"), "海里");
}

TEST(ValueNames, ChromaSubsamplingPairs) {
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0212, "2 1"), "YCbCr4:2:2");
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0212, "2 2"), "YCbCr4:2:0");
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0212, "1 1"), "");
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0212, "2"), "");
    EXPECT_EQ(note(IfdKind::Zeroth, 0x0212, "131074 1"), "");  // wider than a SHORT's five digits
}

TEST(ValueNames, PairKindsTakeTheLastTwoNumbers) {
    ValueName bytePair{MatchBytePair, 3, 17, "lens"};
    EXPECT_TRUE(valueNameMatches(bytePair, "3 17"));
    EXPECT_TRUE(valueNameMatches(bytePair, "9 3 17"));
    EXPECT_FALSE(valueNameMatches(bytePair, "3"));
    EXPECT_FALSE(valueNameMatches(bytePair, "17 3"));
    EXPECT_FALSE(valueNameMatches(bytePair, "0003 17"));  // four characters do not fit a byte pair
    EXPECT_FALSE(valueNameMatches(bytePair, "317"));
    // Newer Pentax cameras follow the lens pair with more values: the first two count.
    ValueName leading{MatchLeadingBytePair, 3, 44, "lens"};
    for (const char* text : {"3 44 0", "3 44", "3 44 0 1"})
        EXPECT_TRUE(valueNameMatches(leading, text)) << text;
    for (const char* text : {"0 3 44", "3", "44 3 0", "3 1044 0"})
        EXPECT_FALSE(valueNameMatches(leading, text)) << text;
    ValueName zeroPair{MatchBytePair, 0, 4, "x"};
    EXPECT_TRUE(valueNameMatches(zeroPair, " 4"));  // an empty first number reads as 0
    ValueName shortPair{MatchShortPair, 4, 1, "y"};
    EXPECT_TRUE(valueNameMatches(shortPair, "0 4 1"));
    EXPECT_FALSE(valueNameMatches(shortPair, "0 655364 1"));  // six characters do not fit
}

TEST(ValueNames, SingleNumberAndCharacterKinds) {
    EXPECT_TRUE(valueNameMatches({MatchDigit, 3, 0, "x"}, "35"));
    EXPECT_FALSE(valueNameMatches({MatchDigit, 3, 0, "x"}, "4"));
    EXPECT_TRUE(valueNameMatches({MatchNumber, -5, 0, "x"}, "  -5/1"));
    EXPECT_TRUE(valueNameMatches({MatchNumberAlt, 65535, 0, "x"}, "65535 2"));
    EXPECT_TRUE(valueNameMatches({MatchNumber, 0, 0, "x"}, "abc"));
    EXPECT_TRUE(valueNameMatches({MatchCharCode, 0, 0, "x"}, ""));
    EXPECT_FALSE(valueNameMatches({10, 0, 0, "x"}, "0"));
    EXPECT_TRUE(valueNameMatches({MatchNumberBit, 1, 0, "x"}, "25"));
    EXPECT_FALSE(valueNameMatches({MatchNumberBit, 0, 0, "x"}, ""));
    EXPECT_TRUE(
        valueNameMatches({MatchNumber | 0x100, 7, 0, "x"}, "7"));  // only the low byte counts
    EXPECT_TRUE(valueNameMatches({MatchNumber, -1, 0, "x"}, "4294967295"));  // wraps modulo 2^32
}

}  // namespace
}  // namespace brevino
