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
    TagList rows;
    EntryFacts facts;
    facts.type = 2;
    rows.appendEntry(facts, "A", "1", "");
    rows.appendHeading("【Exif IFD】");
    rows.appendEntry(facts, "B", "22", "note");
    EXPECT_EQ(clipboardText(rows), "");  // nothing selected

    rows.setSelected(2, true);
    rows.setSelected(0, true);
    EXPECT_EQ(clipboardText(rows), "A,1\nB,22\n");
    rows.setSelected(1, true);
    EXPECT_EQ(clipboardText(rows), "A,1\n,\nB,22\n");  // a heading row gives a comma alone
}

TEST(ClipboardText, LongCellsAreCutAtAWholeCharacter) {
    TagList rows;
    EntryFacts facts;
    facts.type = 2;
    const std::string tag(300, 't');
    std::string content(254, 'c');
    content += "日本";  // the 255-byte cut falls inside 日
    rows.appendEntry(facts, tag, content, "");
    rows.setSelected(0, true);
    EXPECT_EQ(clipboardText(rows), std::string(255, 't') + "," + std::string(254, 'c') + "\n");
}

}  // namespace
}  // namespace brevino
