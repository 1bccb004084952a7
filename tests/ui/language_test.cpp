// The window in English and in Japanese: every text of its own (menus, toolbar, caption,
// hints) from the translation, the core's rows in the same language, and the language menu,
// which switches both at once and keeps the choice in the settings file.
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

#include "ui/batch_dialog.h"
#include "ui/tag_list_model.h"
#include "ui/ui_language.h"
#include "ui_test_support.h"
#include "workspace/command_ids.h"

using namespace brevino;
using brevino::testing::TestWindow;

namespace {

// Hiragana, katakana (full and half width) and kanji.
const QRegularExpression kJapanese(
    QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF61}-\\x{FF9F}]"));

// What the window shows of its own, in one language.
struct WindowTexts {
    Language language;
    QStringList menus;
    QStringList items;  // open folder, overwrite, export, import, exit, batch, options, version
    QStringList tips;   // the toolbar's buttons but the separator
    QString caption;
    QString startHint;
    QString filterHint;
    QString tagOfTitle;  // the tag cell of the ImageDescription row
};

const int kItemIds[] = {ids::kOpenFolder, ids::kOverwrite, ids::kExport,  ids::kImport,
                        ids::kExit,       ids::kBatch,     ids::kOptions, ids::kVersion};

const WindowTexts kTexts[] = {
    {Language::Japanese,
     {"ﾌｧｲﾙ(&F)", "編集(&E)", "設定(&S)", "ﾍﾙﾌﾟ(&H)"},
     {"ﾌｫﾙﾀﾞを開く(&O)", "Exif情報上書き(&S)", "Export(&E)", "Import(&I)", "終了(&X)",
      "複数ﾌｧｲﾙ一括変更", "ｵﾌﾟｼｮﾝ設定", "ﾊﾞｰｼﾞｮﾝ情報(&V)"},
     {"ﾌｫﾙﾀﾞを開く", "Exif情報を上書き", "Export", "Import"},
     "Exif情報アップデート",
     "ﾌｫﾙﾀﾞを開くか、ﾌｧｲﾙをﾄﾞﾛｯﾌﾟして下さい",
     "ﾀｸﾞ・値・説明で絞り込み",
     "画像タイトル"},
    {Language::English,
     {"&File", "&Edit", "&Settings", "&Help"},
     {"&Open Folder...", "Over&write Exif Data", "&Export...", "&Import...", "E&xit",
      "Batch Change...", "Options", "&Version"},
     {"Open Folder", "Overwrite Exif Data", "Export", "Import"},
     "Exif Update",
     "Open a folder or drop files here",
     "Filter by tag, value or note",
     "Image Description"},
};

void checkTexts(ui::MainWindow& window, const WindowTexts& expected) {
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, expected.menus);
    QStringList items;
    for (int id : kItemIds)
        items << window.action(id)->text();
    QCOMPARE(items, expected.items);
    QStringList tips;
    for (QAction* button : window.toolBar()->actions()) {
        if (!button->isSeparator()) tips << button->toolTip();
    }
    QCOMPARE(tips, expected.tips);
    QCOMPARE(window.windowTitle(), expected.caption);
    QCOMPARE(window.filterField()->placeholderText(), expected.filterHint);
    // The language item reads the same in both languages.
    QAction* options = window.action(ids::kOptions);
    const QList<QAction*> settings =
        options->associatedObjects().isEmpty()
            ? QList<QAction*>()
            : qobject_cast<QMenu*>(options->associatedObjects().front())->actions();
    QVERIFY(settings.size() == 2 && settings[1]->menu());
    QCOMPARE(settings[1]->text(), QString::fromUtf8("言語 / Language"));
    if (expected.language == Language::English) {
        for (const QString& text : menus + items + tips)
            QVERIFY2(!text.contains(kJapanese), qPrintable(text));
    }
}

int rowOfTitle(ui::MainWindow& window) {
    for (int row = 0; row < window.tagListModel()->rowCount(); ++row) {
        if (window.workspace().cell(static_cast<size_t>(row), Column::Tag) == "画像タイトル" ||
            window.workspace().cell(static_cast<size_t>(row), Column::Tag) == "Image Description")
            return row;
    }
    return -1;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { ui::applyLanguage(Language::Japanese); }
    void windowStartsInTheLanguageOfTheTexts_data();
    void windowStartsInTheLanguageOfTheTexts();
    void languageMenuSwitchesTheWindowAndKeepsTheChoice();
    void batchItemsRunTheirOperationInEitherLanguage();
};

void LanguageTest::windowStartsInTheLanguageOfTheTexts_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("Japanese") << 0;
    QTest::newRow("English") << 1;
}

void LanguageTest::windowStartsInTheLanguageOfTheTexts() {
    QFETCH(int, index);
    const WindowTexts& expected = kTexts[index];
    QVERIFY(ui::applyLanguage(expected.language));
    TestWindow t;
    checkTexts(t.window, expected);
    QCOMPARE(t.window.tagListView()->emptyText(), expected.startHint);
    // The headings of the columns are the same words in both languages.
    QStringList headings;
    for (int column = 0; column < kColumnCount; ++column)
        headings << t.window.tagListModel()
                        ->headerData(column, Qt::Horizontal, Qt::DisplayRole)
                        .toString();
    QCOMPARE(headings, QStringList({"offset", "type", "count", "tag", "content", "note"}));
}

void LanguageTest::languageMenuSwitchesTheWindowAndKeepsTheChoice() {
    QVERIFY(ui::applyLanguage(Language::Japanese));
    TestWindow t;
    fixture::TempDir dir;
    t.window.dropPaths({dir.write("a.jpg", fixture::jpegWith(testing::sampleTiff("x")))});
    QVERIFY(testing::waitForListing(t.window));
    QVERIFY(t.window.languageAction(LanguageChoice::Auto)->isChecked());
    // An edit not yet saved stays through every switch, and its row keeps showing it.
    const int edited = rowOfTitle(t.window);
    QVERIFY(edited >= 0);
    t.window.tagListView()->selectionModel()->select(
        t.window.tagListModel()->index(edited, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    t.prompt.answers = {std::string("unsaved")};
    emit t.window.tagListView()->doubleClicked(t.window.tagListModel()->index(edited, 0));
    QVERIFY(t.workspace().hasUnsavedEdits());
    // Each choice: the settings file's word, the window's texts, the rows' tag names.
    const std::tuple<LanguageChoice, const char*, int> choices[] = {
        {LanguageChoice::English, "en", 1},
        {LanguageChoice::Japanese, "ja", 0},
        {LanguageChoice::English, "en", 1},
    };
    for (const auto& [choice, word, index] : choices) {
        t.window.languageAction(choice)->trigger();
        QVERIFY(t.window.languageAction(choice)->isChecked());
        QCOMPARE(readSettings(t.config.settingsFile()).language, choice);
        QCOMPARE(languageChoiceWord(choice), std::string_view(word));
        QCOMPARE(t.workspace().settings.language, choice);
        QCOMPARE(textLanguage(), kTexts[index].language);
        const WindowTexts& expected = kTexts[index];
        // The file's name is the caption while it is shown.
        WindowTexts withFile = expected;
        withFile.caption = t.window.windowTitle();
        checkTexts(t.window, withFile);
        const int row = rowOfTitle(t.window);
        QVERIFY(row >= 0);
        QCOMPARE(
            t.window.tagListModel()->index(row, static_cast<int>(Column::Tag)).data().toString(),
            expected.tagOfTitle);
        QVERIFY(t.workspace().hasUnsavedEdits());
        QCOMPARE(t.window.tagListModel()
                     ->index(row, static_cast<int>(Column::Content))
                     .data()
                     .toString(),
                 QStringLiteral("unsaved"));
    }
    // With no file shown, the empty table's hint and the caption change too.
    t.window.languageAction(LanguageChoice::Japanese)->trigger();
    TestWindow empty;
    empty.window.languageAction(LanguageChoice::English)->trigger();
    QCOMPARE(empty.window.tagListView()->emptyText(), kTexts[1].startHint);
    QCOMPARE(empty.window.windowTitle(), kTexts[1].caption);
}

void LanguageTest::batchItemsRunTheirOperationInEitherLanguage() {
    // A listed item runs what it stands for, whichever language lists it: the question names
    // it in that language.
    const std::tuple<Language, int, const char*> cases[] = {
        {Language::Japanese, 6, "「位置情報を削除」で 1 個のﾌｧｲﾙを変更します。よろしいですか？"},
        {Language::English, 6, "Delete the GPS position"},
        {Language::Japanese, -1, "「画像タイトル」で 1 個のﾌｧｲﾙを変更します。よろしいですか？"},
        {Language::English, -1, "Image Description"},
    };
    for (const auto& [language, item, question] : cases) {
        QVERIFY(ui::applyLanguage(language));
        TestWindow t;
        fixture::TempDir dir;
        fixture::Tiff tiff = testing::sampleTiff("old");
        tiff.gps = fixture::Ifd{{fixture::byteValues(0x0000, {2, 3, 0, 0})}};
        t.workspace().fileList = {dir.write("1.jpg", fixture::jpegWith(tiff))};
        ui::BatchDialog dialog(t.workspace(), &t.window);
        QComboBox* box = dialog.operationBox();
        box->setCurrentIndex(item >= 0 ? item : box->findData(QStringLiteral("ImageDescription")));
        dialog.valueField()->setText(QStringLiteral("new"));
        t.questioner.answers = {Answer::No};
        QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
        QTRY_VERIFY(!dialog.running());
        QCOMPARE(t.questioner.asked.size(), size_t(1));
        QVERIFY2(
            QString::fromStdString(t.questioner.asked[0]).contains(QString::fromUtf8(question)),
            t.questioner.asked[0].c_str());
    }
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
