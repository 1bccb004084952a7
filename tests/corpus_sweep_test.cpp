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
        // The headings that are present keep the fixed order.
        size_t last = 0;
        for (const std::string& heading : headings) {
            auto at =
                static_cast<size_t>(std::find(order.begin(), order.end(), heading) - order.begin());
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
