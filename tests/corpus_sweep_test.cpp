// Every file of the camera corpus, whole and cut short at a spread of lengths, analysed
// without a crash or a hang (the sanitizer build turns any bad read into a failure).
#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"

namespace brevino {
namespace {

using testing::TestWorkspace;

TEST(CorpusSweep, CameraFilesShowTheirSectionsInOrder) {
    std::vector<std::string> files = fixture::corpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus";
    const std::vector<std::string> order = {"【0th IFD】",    "【Exif IFD】", "【GPS情報IFD】",
                                            "【互換性 IFD】", "【1st IFD】",  "【メーカーノート】"};
    int analysed = 0;
    for (const std::string& path : files) {
        TestWorkspace t;
        if (t.analyzePath(path) != 1) continue;
        ++analysed;
        std::vector<std::string> headings = t.headings();
        ASSERT_FALSE(headings.empty()) << path;
        EXPECT_EQ(headings.front(), "【0th IFD】") << path;
        // The headings that are present keep the fixed order; a maker note's sub-IFDs
        // ("【メーカーノート Equipment】") follow its own heading.
        size_t last = 0;
        for (const std::string& heading : headings) {
            const bool makerNote = heading.rfind("【メーカーノート", 0) == 0;
            auto at = static_cast<size_t>(
                std::find(order.begin(), order.end(), makerNote ? order.back() : heading) -
                order.begin());
            ASSERT_LT(at, order.size()) << path;
            EXPECT_GE(at, last) << path;
            last = at;
        }
    }
    EXPECT_GT(analysed, 40);
}

TEST(CorpusSweep, KnownValuesOfACameraFile) {
    std::string root = fixture::corpusDirectory();
    if (root.empty()) GTEST_SKIP() << "no corpus";
    TestWorkspace t;
    ASSERT_EQ(t.analyzePath(root + "/Canon_40D.jpg"), 1);
    EXPECT_EQ(t.cell(t.findRow("画像入力機器のメーカー名"), Column::Content), "Canon");
    long unit = t.findRow("画像の幅と高さの解像度の単位");
    EXPECT_EQ(t.cell(unit, Column::Note), "インチ");
    EXPECT_EQ(t.headings(),
              (std::vector<std::string>{"【0th IFD】", "【Exif IFD】", "【GPS情報IFD】",
                                        "【互換性 IFD】", "【1st IFD】"}));
}

// Rows of today's Exif in real files: the lens, white balance, time zones and the position.
TEST(CorpusSweep, TodaysTagsInCameraFiles) {
    std::string root = fixture::corpusDirectory();
    if (root.empty()) GTEST_SKIP() << "no corpus";
    const struct {
        const char* file;
        const char* tag;
        const char* content;
        const char* note;
    } cases[] = {
        {"hdr/iphone_hdr_YES.jpg", "レンズのモデル名", "iPhone 6 back camera 4.15mm f/2.2", ""},
        {"hdr/iphone_hdr_YES.jpg", "レンズの仕様情報", "83/20 83/20 11/5 11/5", ""},
        {"hdr/iphone_hdr_YES.jpg", "ホワイトバランス", "0", "ホワイトバランス自動"},
        {"hdr/iphone_hdr_YES.jpg", "経度（数値）", "3/1 43/1 2911/100", "3.724753° W"},
        {"hdr/iphone_hdr_YES.jpg", "高度（数値）", "11513/18", "639.6 m"},
        {"mobile/HMD_Nokia_8.3_5G.jpg", "DateTimeOriginal の時差データ", "+03:00", ""},
        {"mobile/HMD_Nokia_8.3_5G.jpg", "GPS 日付", "2022:08:14", ""},
        {"mobile/HMD_Nokia_8.3_5G.jpg", "緯度（数値）", "60/1 8/1 4814/100", "60.146706° N"},
        {"gps/DSCN0010.jpg", "露出モード", "0", "露出自動"},
        {"gps/DSCN0010.jpg", "撮影シーンタイプ", "0", "標準"},
        {"gps/DSCN0010.jpg", "メーカーノート", "3298 ﾊﾞｲﾄ", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.tag);
        TestWorkspace t;
        ASSERT_EQ(t.analyzePath(root + "/" + c.file), 1);
        const long row = t.findRow(c.tag);
        ASSERT_GE(row, 0);
        EXPECT_EQ(t.cell(row, Column::Content), c.content);
        EXPECT_EQ(t.cell(row, Column::Note), c.note);
    }
}

TEST(CorpusSweep, TruncatedCopiesNeverReadOutside) {
    std::vector<std::string> files = fixture::corpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus";
    for (const std::string& path : files) {
        fixture::Bytes whole = fixture::readFile(path);
        TestWorkspace t;
        t.analyze(whole);
        const uint64_t exifEnd = t.location().exifEnd;
        std::vector<size_t> lengths;
        for (size_t n = 0; n < 64; ++n)
            lengths.push_back(n);
        for (size_t n = 64; n < whole.size(); n = n * 5 / 4 + 1)
            lengths.push_back(n);
        if (exifEnd > 0) {
            for (uint64_t d = 0; d < 16; ++d) {
                lengths.push_back(static_cast<size_t>(exifEnd - std::min<uint64_t>(d, exifEnd)));
            }
        }
        for (size_t length : lengths) {
            if (length > whole.size()) continue;
            // A copy of exactly that many bytes, so a sanitizer sees any read past it.
            fixture::Bytes cut(whole.begin(), whole.begin() + static_cast<long>(length));
            t.analyze(cut);
        }
    }
}

}  // namespace
}  // namespace brevino
