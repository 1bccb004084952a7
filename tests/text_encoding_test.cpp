#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace brevino {
namespace {

TEST(TextEncoding, DisplayDecodingPrefersUtf8ThenShiftJis) {
    EXPECT_EQ(decodeForDisplay("plain"), "plain");
    EXPECT_EQ(decodeForDisplay("画像"), "画像");
    EXPECT_EQ(decodeForDisplay("\x89\xe6\x91\x9c"), "画像");
    EXPECT_EQ(decodeForDisplay("\xb1\xb2"), "ｱｲ");  // half-width katakana
    EXPECT_EQ(decodeForDisplay("x\x80y"), "x\xEF\xBF\xBDy");
    // A character cut short at the end (a value cut to its limit) is dropped, not garbled.
    EXPECT_EQ(decodeForDisplay("ab\xe7\x94"), "ab");
    EXPECT_EQ(decodeForDisplay("\x89\xe6\x91"), "画");
}

TEST(TextEncoding, CutsFallBackToTheLastWholeCharacter) {
    std::string text = "a日本";  // 1 + 3 + 3 bytes
    EXPECT_EQ(utf8CutLength(text, 7), 7u);
    EXPECT_EQ(utf8CutLength(text, 6), 4u);
    EXPECT_EQ(utf8CutLength(text, 4), 4u);
    EXPECT_EQ(utf8CutLength(text, 3), 1u);
    EXPECT_EQ(utf8CutLength(text, 0), 0u);
}

TEST(TextEncoding, Utf16AndSanitizing) {
    std::string out;
    const uint8_t units[] = {'A', 0, 0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xDC, 0, 0, 'B', 0};
    appendUtf16LeAsUtf8(units, 6, out);
    EXPECT_EQ(out, "A\xF0\x9F\x98\x80\xEF\xBF\xBD");  // pair, lone low surrogate, stop at zero
    EXPECT_EQ(sanitizeUtf8("ok\xff"), "ok\xEF\xBF\xBD");
    EXPECT_TRUE(isValidUtf8("日本"));
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));  // an encoded surrogate
    EXPECT_EQ(displayWidth("ab日本ｱ"), 7u);
}

}  // namespace
}  // namespace brevino
