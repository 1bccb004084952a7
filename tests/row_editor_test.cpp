#include <gtest/gtest.h>

#include "edit/row_editor.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::Message;
using testing::TestWorkspace;

fixture::Tiff editableTiff() {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "Title", 20),
                         fixture::shorts(0x0102, {8, 8, 8}),
                         fixture::byteValues(0x0115, {3}),
                         fixture::longs(0x0100, {640}),
                         fixture::slongs(0x0101, {480}),
                         fixture::rationals(0x013E, {{1, 2}, {3, 4}}),
                         fixture::ascii(0x0132, "2004:05:06 07:08:09")};
    tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, "2001:01:01 00:00:00"),
                              fixture::ascii(0x9004, "2001:01:01 00:00:00"),
                              fixture::undefined(0x9286, std::string("ASCII\0\0\0hi", 10)),
                              fixture::rawEntry(0x9202, 11, 1, 0)}};
    return tiff;
}

struct EditFixture : ::testing::Test {
    TestWorkspace t;
    void SetUp() override { ASSERT_EQ(t.analyze(fixture::jpegWith(editableTiff())), 1); }
    long row(std::string_view tag) { return t.findRow(tag); }
    void select(long r) {
        t.workspace.tagList.clearSelection();
        t.workspace.tagList.setSelected(static_cast<size_t>(r), true);
    }
    // Edits the row through the prompt with `answer`; the content afterwards.
    std::string edit(std::string_view tag, std::optional<std::string> answer) {
        select(row(tag));
        t.prompt.answers.push_back(std::move(answer));
        editRow(t.workspace);
        return t.cell(row(tag), Column::Content);
    }
};

TEST_F(EditFixture, EditableRowsAreTheSevenTypesInsideTheFile) {
    EXPECT_FALSE(isEditableRow(t.workspace, 0));  // heading
    for (const char* tag : {"画像タイトル", "画像のビットの深さ", "コンポーネント数", "画像の幅",
                            "画像の高さ", "参照白色点の色度座標値"}) {
        EXPECT_TRUE(isEditableRow(t.workspace, row(tag))) << tag;
    }
    EXPECT_FALSE(isEditableRow(t.workspace, row("ユーザーコメント")));
    EXPECT_FALSE(isEditableRow(t.workspace, row("絞り値")));  // FLOAT
}

TEST_F(EditFixture, RowsThatCannotBeEditedAreRefusedWithTheirMessage) {
    for (std::string tag : {"ユーザーコメント", "絞り値"}) {
        select(row(tag));
        editRow(t.workspace);
        EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"編集出来ない[type]です。", "message"}}))
            << tag;
    }
    select(0);
    editRow(t.workspace);
    EXPECT_EQ(t.takeMessages().size(), 1u);
    EXPECT_TRUE(t.prompt.asked.empty());
    // Nothing selected: nothing happens.
    t.workspace.tagList.clearSelection();
    editRow(t.workspace);
    EXPECT_TRUE(t.takeMessages().empty());
}

TEST_F(EditFixture, NumbersAreNormalisedAndWrapAround) {
    EXPECT_EQ(edit("画像のビットの深さ", "  1   2 70000"), "1 2 4464");
    EXPECT_EQ(edit("コンポーネント数", "-1"), "255");
    EXPECT_EQ(edit("画像の幅", "3000000000"), "3000000000");
    EXPECT_EQ(edit("画像の高さ", "3000000000"), "-1294967296");
    EXPECT_EQ(edit("画像の高さ", "x"), "0");
    EXPECT_EQ(edit("参照白色点の色度座標値", "72/1  300/1"), "72/1 300/1");
    EXPECT_EQ(edit("画像の幅", ""), "0");      // an empty text counts as one value
    EXPECT_EQ(edit("画像の幅", "1\t2"), "1");  // tabs do not separate values
    EXPECT_TRUE(t.takeMessages().empty());
    EXPECT_EQ(t.prompt.asked.front(),
              (std::pair<std::string, std::string>{"画像のビットの深さ", "8 8 8"}));
}

TEST_F(EditFixture, WrongShapesAreRefusedAndLeaveTheRow) {
    EXPECT_EQ(edit("参照白色点の色度座標値", "72 1/2"), "1/2 3/4");
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"[/]を必ず入れて下さい。", "message"}}));
    EXPECT_EQ(edit("参照白色点の色度座標値", ""), "1/2 3/4");
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"[/]を必ず入れて下さい。", "message"}}));
    // The slash is checked value by value before the count.
    EXPECT_EQ(edit("参照白色点の色度座標値", "1/2 3/4 5"), "1/2 3/4");
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"[/]を必ず入れて下さい。", "message"}}));
    EXPECT_EQ(edit("画像のビットの深さ", "1 2"), "8 8 8");
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"空白の数が合いません。", "message"}}));
    EXPECT_EQ(edit("画像のビットの深さ", ""), "8 8 8");
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"空白の数が合いません。", "message"}}));
}

TEST_F(EditFixture, AsciiIsCutToTheCountAtAWholeCharacter) {
    EXPECT_EQ(edit("画像タイトル", "0123456789012345678901234"), "0123456789012345678");
    EXPECT_EQ(edit("画像タイトル", "日本語のタイトルです"),
              "日本語のタイ");  // 19 bytes hold 6 whole characters
    EXPECT_EQ(edit("画像タイトル", "  spaced  "), "  spaced  ");
}

TEST_F(EditFixture, CancelAndUnchangedTextChangeNothing) {
    EXPECT_EQ(edit("画像タイトル", "first"), "first");
    EXPECT_EQ(edit("画像タイトル", std::nullopt), "first");
    EXPECT_EQ(edit("画像タイトル", "first"), "first");
    EXPECT_TRUE(t.takeMessages().empty());
}

TEST_F(EditFixture, TheLowestSelectedRowIsEdited) {
    t.workspace.tagList.clearSelection();
    t.workspace.tagList.setSelected(row("画像の高さ"), true);
    t.workspace.tagList.setSelected(row("画像の幅"), true);
    t.prompt.answers.push_back("5");
    editRow(t.workspace);
    EXPECT_EQ(t.cell(row("画像の幅"), Column::Content), "5");
    EXPECT_EQ(t.cell(row("画像の高さ"), Column::Content), "480");
}

TEST_F(EditFixture, AllDateSpreadsADateEdit) {
    EXPECT_EQ(edit("原画像データの生成日時", "2010:10:10 10:10:10"), "2010:10:10 10:10:10");
    EXPECT_EQ(t.cell(row("ファイル変更日時"), Column::Content), "2004:05:06 07:08:09");
    t.workspace.settings.allDate = 1;
    edit("原画像データの生成日時", "2011:11:11 11:11:11");
    EXPECT_EQ(t.cell(row("ディジタルデータの作成日時"), Column::Content), "2011:11:11 11:11:11");
    EXPECT_EQ(t.cell(row("ファイル変更日時"), Column::Content), "2011:11:11 11:11:11");
    edit("画像タイトル", "only this");
    EXPECT_EQ(t.cell(row("ファイル変更日時"), Column::Content), "2011:11:11 11:11:11");
    t.workspace.settings.allDate = 2;  // only exactly 1 counts
    edit("ファイル変更日時", "2012:12:12 12:12:12");
    EXPECT_EQ(t.cell(row("原画像データの生成日時"), Column::Content), "2011:11:11 11:11:11");
}

TEST(EditLimits, LongCellsReachTheDialogCutTo255Bytes) {
    fixture::Tiff tiff;
    std::string longTitle;
    for (int i = 0; i < 100; ++i)
        longTitle += "あ";  // 300 bytes
    std::vector<uint32_t> many(100, 7);
    tiff.ifd0.entries = {fixture::ascii(0x010E, longTitle), fixture::shorts(0x0102, many)};
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    t.workspace.tagList.setSelected(1, true);
    t.prompt.answers.push_back(std::nullopt);
    editRow(t.workspace);
    ASSERT_EQ(t.prompt.asked.size(), 1u);
    EXPECT_EQ(t.prompt.asked[0].second.size(), 255u);  // 85 whole characters
    // OK without a change keeps the whole cell.
    t.prompt.answers.push_back(t.prompt.asked[0].second);
    editRow(t.workspace);
    EXPECT_EQ(t.cell(1, Column::Content), longTitle);
    EXPECT_FALSE(t.rows().contentChanged(1));
    // A typed text longer than the dialog holds is cut to 255 bytes.
    t.prompt.answers.push_back(std::string(400, 'z'));
    editRow(t.workspace);
    EXPECT_EQ(t.cell(1, Column::Content), std::string(255, 'z'));
}

}  // namespace
}  // namespace brevino
