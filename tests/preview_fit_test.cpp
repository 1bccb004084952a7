// The preview's fit arithmetic and title, and the clipboard text of the selected rows.
#include <gtest/gtest.h>

#include "test_support.h"
#include "workspace/clipboard_text.h"
#include "workspace/preview_fit.h"

namespace brevino {
namespace {

struct FitCase {
    int w, h;
    int stepW, stepH, steps;
    int drawnW, drawnH, x, y;
};

TEST(PreviewFit, StepsShrinkUntilThePictureFits) {
    const FitCase cases[] = {
        {2048, 1536, 51, 38, 35, 263, 206, 18, 7},  // wider than 2000: fortieths
        {640, 480, 42, 32, 9, 262, 192, 19, 14},    // fifteenths
        {2000, 3000, 133, 200, 14, 138, 200, 81, 10}, {3000, 2000, 75, 50, 36, 300, 200, 0, 10},
        {200, 100, 13, 6, 0, 200, 100, 50, 60},    // never enlarged
        {4000, 30, 100, 0, 37, 300, 30, 0, 95},    // a flat picture keeps its height
        {2001, 100, 50, 2, 35, 251, 30, 24, 95},   // 2001 wide: fortieths
        {2000, 100, 133, 6, 13, 271, 22, 14, 99},  // 2000 wide: fifteenths
        {201, 101, 13, 6, 0, 201, 101, 49, 59},    // odd margins: the extra pixel right, below
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const PreviewFit fit = fitPreview(c.w, c.h, 300, 220);
        EXPECT_EQ(fit.stepWidth, c.stepW);
        EXPECT_EQ(fit.stepHeight, c.stepH);
        EXPECT_EQ(fit.steps, c.steps);
        EXPECT_EQ(fit.width, c.drawnW);
        EXPECT_EQ(fit.height, c.drawnH);
        EXPECT_EQ(fit.x, c.x);
        EXPECT_EQ(fit.y, c.y);
    }
}

TEST(PreviewFit, PanesTooSmallForTheStepsStillEnd) {
    // A step of 0 in a side that is too large would never end; the picture is scaled instead.
    PreviewFit fit = fitPreview(4000, 30, 300, 20);
    EXPECT_LE(fit.width, 300);
    EXPECT_LE(fit.height, 20);
    EXPECT_GT(fit.width, 0);
    fit = fitPreview(10, 10, 5, 5);  // steps of 0 both ways
    EXPECT_EQ(fit.width, 5);
    EXPECT_EQ(fit.height, 5);
    fit = fitPreview(60000, 60000, 1, 1);
    EXPECT_EQ(fit.width, 1);
    EXPECT_EQ(fit.height, 1);
    // A long picture whose last step would leave nothing is scaled into the pane instead.
    fit = fitPreview(600, 30000, 300, 220);
    EXPECT_EQ(fit.height, 220);
    EXPECT_EQ(fit.width, 4);
    EXPECT_EQ(fit.x, 148);
    EXPECT_EQ(fitPreview(640, 480, 0, 0).width, 0);
    EXPECT_EQ(fitPreview(0, 480, 300, 220).width, 0);
}

TEST(PreviewFit, TitleNamesTheFile) {
    EXPECT_EQ(previewTitle("/photos/IMG_0001.JPG"), "Brevino[IMG_0001.JPG]");
    EXPECT_EQ(previewTitle("/写真/夏.jpg"), "Brevino[夏.jpg]");
}

TEST(ClipboardText, SelectedRowsInListOrder) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "1")};
    tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, "2004:05:06 07:08:09")}};
    testing::TestWorkspace t;
    ASSERT_TRUE(t.analyze(fixture::jpegWith(tiff)));
    EXPECT_EQ(clipboardText(t.workspace, {}), "");  // nothing selected
    const std::string title = "画像タイトル\t1\n";
    const std::string date = "原画像データの生成日時\t2004:05:06 07:08:09\n";
    EXPECT_EQ(clipboardText(t.workspace, {4, 1}), title + date);             // list order
    EXPECT_EQ(clipboardText(t.workspace, {0, 1}), "【0th IFD】\n" + title);  // heading text
}

TEST(ClipboardText, CellsAreQuotedWhereTheyHoldSeparatorsAndCutAtAWholeCharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain text", "plain text"},
        {"a\tb", "\"a\tb\""},
        {"1,2", "\"1,2\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        // The 255-byte cut falls inside 日: the cell ends before it.
        {std::string(254, 'c') + "日本", std::string(254, 'c')},
        // Cut first, then quoted: a comma beyond the cut does not quote the cell.
        {std::string(255, 'c') + ",", std::string(255, 'c')},
    };
    for (const auto& [cell, copied] : cases)
        EXPECT_EQ(clipboardCell(cell), copied) << cell;

    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "a,b")};
    testing::TestWorkspace t;
    ASSERT_TRUE(t.analyze(fixture::jpegWith(tiff)));
    EXPECT_EQ(clipboardText(t.workspace, {1}), "画像タイトル\t\"a,b\"\n");
}

}  // namespace
}  // namespace brevino
