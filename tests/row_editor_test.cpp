#include <gtest/gtest.h>

#include <set>

#include "tags/tag_roles.h"
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
    // Edits the row through the prompt with `answer`; the content afterwards.
    std::string edit(std::string_view tag, std::optional<std::string> answer) {
        t.prompt.answers.push_back(std::move(answer));
        t.workspace.editRow(static_cast<size_t>(row(tag)));
        return t.cell(row(tag), Column::Content);
    }
};

TEST_F(EditFixture, EditableRowsAreTheSevenTypesInsideTheFile) {
    EXPECT_FALSE(t.workspace.isEditable(0));  // heading
    for (const char* tag : {"画像タイトル", "画像のビットの深さ", "コンポーネント数", "画像の幅",
                            "画像の高さ", "参照白色点の色度座標値"}) {
        EXPECT_TRUE(t.workspace.isEditable(row(tag))) << tag;
    }
    EXPECT_FALSE(t.workspace.isEditable(row("ユーザーコメント")));
    EXPECT_FALSE(t.workspace.isEditable(row("絞り値")));  // FLOAT
}

TEST(EditableRows, EntriesThatHoldTheFilesStructureAreNotEditable) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::longs(0x0111, {8}), fixture::longs(0x0117, {1}),
                         fixture::longs(0x0100, {1})};
    tiff.exif = fixture::Ifd{{fixture::shorts(0xA002, {1})}};
    tiff.interop = fixture::Ifd{{fixture::ascii(0x0001, "R98")}};
    tiff.gps = fixture::Ifd{{fixture::byteValues(0x0000, {2, 2, 0, 0})}};
    tiff.ifd1 = fixture::Ifd{{fixture::longs(0x0201, {8}), fixture::longs(0x0202, {1})}};
    // A Pentax maker note numbers its own entries: its 0x0201 is a white point, not a pointer.
    tiff.makerNote = fixture::MakerNote{
        std::string("AOC\0MM", 6), Motorola, {{fixture::longs(0x0201, {7})}}, std::nullopt};
    TestWorkspace t;
    ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
    std::set<uint16_t> structural;
    std::set<uint16_t> editable;
    for (size_t r = 0; r < t.rows().size(); ++r) {
        if (t.rows().isHeading(r)) continue;
        const Entry& entry = t.entry(r);
        (t.workspace.isEditable(r) ? editable : structural).insert(entry.tag);
        if (entry.ifd == IfdKind::MakerNote) {
            EXPECT_TRUE(t.workspace.isEditable(r));
        }
    }
    EXPECT_EQ(structural,
              (std::set<uint16_t>{0x0111, 0x0117, 0x8769, 0x8825, 0xA005, 0x0201, 0x0202, 0x927C}));
    // Where image data, free space, JPEG tables, sub-IFDs, a raw file's copy of the maker note
    // and its further camera profiles lie.
    for (uint16_t layout :
         {0x0120, 0x0121, 0x0144, 0x0145, 0x014A, 0x0207, 0x0208, 0x0209, 0xC634, 0xC6F5})
        EXPECT_TRUE(tags::isStructural(IfdKind::Zeroth, layout)) << layout;
    EXPECT_FALSE(tags::isStructural(IfdKind::Zeroth, 0xC612));
    EXPECT_EQ(editable, (std::set<uint16_t>{0x0100, 0xA002, 0x0001, 0x0000, 0x0201}));
}

TEST_F(EditFixture, RowsThatCannotBeEditedAreRefusedWithTheirMessage) {
    for (std::string tag : {"ユーザーコメント", "絞り値"}) {
        t.workspace.editRow(static_cast<size_t>(row(tag)));
        EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"編集出来ない[type]です。", "message"}}))
            << tag;
    }
    t.workspace.editRow(0);
    EXPECT_EQ(t.takeMessages().size(), 1u);
    EXPECT_TRUE(t.prompt.asked.empty());
}

TEST_F(EditFixture, NumbersAreNormalised) {
    EXPECT_EQ(edit("画像のビットの深さ", "  1   2 00065535"), "1 2 65535");
    EXPECT_EQ(edit("コンポーネント数", "255"), "255");
    EXPECT_EQ(edit("画像の幅", "4294967295"), "4294967295");
    EXPECT_EQ(edit("画像の高さ", "-2147483648"), "-2147483648");
    EXPECT_EQ(edit("参照白色点の色度座標値", "72/1  0300/01"), "72/1 300/1");
    EXPECT_EQ(edit("参照白色点の色度座標値", "0/0 1/2"), "0/0 1/2");  // 0/0: unknown
    EXPECT_TRUE(t.takeMessages().empty());
    EXPECT_EQ(t.prompt.asked.front(),
              (std::pair<std::string, std::string>{"画像のビットの深さ", "8 8 8"}));
}

TEST_F(EditFixture, WrongValuesAreRefusedAndLeaveTheRow) {
    const struct {
        const char* tag;
        const char* input;
        const char* message;
    } cases[] = {
        {"画像のビットの深さ", "1 2 70000", "値が範囲外です。(0〜65535)"},
        {"画像のビットの深さ", "1 2 x", "数値を入力して下さい。"},
        {"画像のビットの深さ", "1 2 0x6", "数値を入力して下さい。"},
        {"画像のビットの深さ", "1 2 +3", "数値を入力して下さい。"},
        {"画像のビットの深さ", "1 2", "空白の数が合いません。"},
        {"コンポーネント数", "-1", "値が範囲外です。(0〜255)"},
        {"コンポーネント数", "256", "値が範囲外です。(0〜255)"},
        {"画像の幅", "", "数値を入力して下さい。"},
        {"画像の幅", "1\t2", "数値を入力して下さい。"},  // tabs do not separate values
        {"画像の幅", "4294967296", "値が範囲外です。(0〜4294967295)"},
        {"画像の幅", "99999999999999999999999", "値が範囲外です。(0〜4294967295)"},
        {"画像の高さ", "3000000000", "値が範囲外です。(-2147483648〜2147483647)"},
        {"画像の高さ", "-", "数値を入力して下さい。"},
        {"参照白色点の色度座標値", "72 1/2", "[/]を必ず入れて下さい。"},
        {"参照白色点の色度座標値", "", "[/]を必ず入れて下さい。"},
        {"参照白色点の色度座標値", "1/2 3/4 5", "[/]を必ず入れて下さい。"},  // before the count
        {"参照白色点の色度座標値", "1/2 -1/1", "値が範囲外です。(0〜4294967295)"},
        {"参照白色点の色度座標値", "1/2 300/0", "分母に0は使えません。"},
        {"参照白色点の色度座標値", "1/2 1/2/3", "数値を入力して下さい。"},
        {"参照白色点の色度座標値", "1/2 a/b", "数値を入力して下さい。"},
        {"ファイル変更日時", "2004:02:30 00:00:00",
         "日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。"},
        {"ファイル変更日時", "2004-05-06 07:08:09",
         "日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。"},
        {"ファイル変更日時", "2004:05:06 07:08:09 ",
         "日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。"},
        {"原画像データの生成日時", "holiday",
         "日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。"},
    };
    for (const auto& c : cases) {
        const std::string before = t.cell(row(c.tag), Column::Content);
        EXPECT_EQ(edit(c.tag, c.input), before) << c.tag << " " << c.input;
        EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{c.message, "message"}}))
            << c.tag << " " << c.input;
    }
    // Exif's unknown date is a date row's value too.
    EXPECT_EQ(edit("ファイル変更日時", "    :  :     :  :  "), "    :  :     :  :  ");
    EXPECT_TRUE(t.takeMessages().empty());
}

TEST_F(EditFixture, TextTooLongForItsFieldIsRefusedAndAskedForAgainAsTyped) {
    // The prompt is told the field's length; the refused text comes back as it was typed.
    const std::string typed = "0123456789012345678901234";
    t.prompt.answers = {typed, std::nullopt};
    t.workspace.editRow(static_cast<size_t>(row("画像タイトル")));
    EXPECT_EQ(t.cell(row("画像タイトル"), Column::Content), "Title");
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{"値が長すぎます。(19 ﾊﾞｲﾄまで)", "message"}}));
    ASSERT_EQ(t.prompt.asked.size(), 2u);
    EXPECT_EQ(t.prompt.asked[1].second, typed);
    EXPECT_EQ(t.prompt.fields[0].byteLimit, 19u);
    EXPECT_EQ(t.prompt.fields[0].refusal(typed), "値が長すぎます。(19 ﾊﾞｲﾄまで)");
    EXPECT_EQ(t.prompt.fields[0].refusal("fits"), "");
    EXPECT_EQ(t.prompt.fields[0].refusal("Title"), "");  // the content as it stands
    // A number's range is shown, and refused numbers say it.
    t.prompt.answers = {std::nullopt};
    t.workspace.editRow(static_cast<size_t>(row("コンポーネント数")));
    EXPECT_EQ(t.prompt.fields[2].byteLimit, 0u);
    EXPECT_EQ(t.prompt.fields[2].range, "0〜255");
    EXPECT_EQ(t.prompt.fields[2].refusal("256"), "値が範囲外です。(0〜255)");

    // Cutting stays for those who ask for it (the command line's --truncate).
    const size_t title = static_cast<size_t>(row("画像タイトル"));
    EXPECT_TRUE(t.workspace.setRow(title, typed, LongText::Cut));
    EXPECT_EQ(t.cell(title, Column::Content), "0123456789012345678");
    EXPECT_TRUE(t.workspace.setRow(title, "日本語のタイトルです", LongText::Cut));
    EXPECT_EQ(t.cell(title, Column::Content), "日本語のタイ");  // 19 bytes hold 6 characters
    EXPECT_TRUE(t.workspace.setRow(title, "  spaced  ", LongText::Refuse));
    EXPECT_EQ(t.cell(title, Column::Content), "  spaced  ");
}

TEST_F(EditFixture, UnsavedEditsAreTakenBackOneByOneLatestFirst) {
    t.workspace.settings.allDate = 1;
    EXPECT_FALSE(t.workspace.undoEdit());  // nothing to take back
    edit("画像タイトル", "one");
    edit("画像タイトル", "two");
    edit("画像タイトル", "two");  // no change: nothing to take back for it
    edit("原画像データの生成日時", "2011:11:11 11:11:11");  // sets every date row
    edit("コンポーネント数", "999");                        // refused: nothing either
    t.takeMessages();
    EXPECT_TRUE(t.workspace.undoEdit());  // the date edit, every row it set
    EXPECT_EQ(t.cell(row("ファイル変更日時"), Column::Content), "2004:05:06 07:08:09");
    EXPECT_EQ(t.cell(row("原画像データの生成日時"), Column::Content), "2001:01:01 00:00:00");
    EXPECT_EQ(t.cell(row("画像タイトル"), Column::Content), "two");
    EXPECT_TRUE(t.workspace.undoEdit());
    EXPECT_EQ(t.cell(row("画像タイトル"), Column::Content), "one");
    EXPECT_TRUE(t.workspace.undoEdit());
    EXPECT_EQ(t.cell(row("画像タイトル"), Column::Content), "Title");
    EXPECT_FALSE(t.workspace.hasUnsavedEdits());
    EXPECT_FALSE(t.workspace.undoEdit());
    // Discarding forgets what could be taken back.
    edit("画像タイトル", "three");
    t.workspace.discardEdits();
    EXPECT_FALSE(t.workspace.canUndoEdit());
}

TEST_F(EditFixture, CancelAndUnchangedTextChangeNothing) {
    EXPECT_EQ(edit("画像タイトル", "first"), "first");
    EXPECT_EQ(edit("画像タイトル", std::nullopt), "first");
    EXPECT_EQ(edit("画像タイトル", "first"), "first");
    EXPECT_TRUE(t.takeMessages().empty());
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
    t.prompt.answers.push_back(std::nullopt);
    t.workspace.editRow(1);
    ASSERT_EQ(t.prompt.asked.size(), 1u);
    EXPECT_EQ(t.prompt.asked[0].second.size(), 255u);  // 85 whole characters
    // OK without a change keeps the whole cell.
    t.prompt.answers.push_back(t.prompt.asked[0].second);
    t.workspace.editRow(1);
    EXPECT_EQ(t.cell(1, Column::Content), longTitle);
    EXPECT_FALSE(t.workspace.isEdited(1));
    // A typed text longer than the dialog holds is cut to 255 bytes.
    t.prompt.answers.push_back(std::string(400, 'z'));
    t.workspace.editRow(1);
    EXPECT_EQ(t.cell(1, Column::Content), std::string(255, 'z'));
}

TEST(EditNotes, AnUnsavedValueShowsTheNoteItWillHaveOnceSaved) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::shorts(0x0112, {1})};
    tiff.exif = fixture::Ifd{{fixture::rationals(0x829A, {{1, 60}}), fixture::shorts(0x8822, {2})}};
    const struct {
        const char* tag;
        const char* typed;
    } cases[] = {
        {"画像方向", "3"},      // a coded value with a meaning
        {"画像方向", "9"},      // one without: no note, not the old one
        {"露出時間", "1/250"},  // a reading worked out from the value
        {"露出プログラム", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + "=" + c.typed);
        fixture::TempDir dir;
        const std::string path = dir.write("photo.jpg", fixture::jpegWith(tiff));
        TestWorkspace t;
        ASSERT_TRUE(t.analyzePath(path));
        const auto row = static_cast<size_t>(t.findRow(c.tag));
        const std::string before = t.cell(row, Column::Note);
        ASSERT_TRUE(t.workspace.setRow(row, c.typed));
        const std::string unsaved = t.cell(row, Column::Note);
        EXPECT_NE(unsaved, before);
        ASSERT_TRUE(t.workspace.save());
        EXPECT_EQ(unsaved, t.cell(row, Column::Note));
    }
}

}  // namespace
}  // namespace brevino
