// The main window: start-up, menu and toolbar, command dispatch by id, the TagList view,
// editing, saving, drops, the clipboard, the keyboard, resizable panes and their keeping.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "edit/overwrite_save.h"
#include "platform/settings_profile.h"
#include "ui/batch_dialog.h"
#include "ui/file_list_view.h"
#include "ui/preview_pane.h"
#include "ui/qt_text.h"
#include "ui/tag_list_model.h"
#include "ui/window_place.h"
#include "ui_test_support.h"
#include "workspace/command_ids.h"

using namespace brevino;
using brevino::testing::Message;
using brevino::testing::TestWindow;
using brevino::testing::TestWorkspace;
using brevino::ui::toUtf8;

namespace {

QString cellText(ui::MainWindow& window, int row, Column column) {
    return window.tagListModel()->index(row, static_cast<int>(column)).data().toString();
}

QVariant background(ui::MainWindow& window, int row) {
    return window.tagListModel()->index(row, 0).data(Qt::BackgroundRole);
}

int rowOfTag(ui::MainWindow& window, const char* tag) {
    const int rows = window.tagListModel()->rowCount();
    for (int row = 0; row < rows; ++row) {
        if (cellText(window, row, Column::Tag) == QString::fromUtf8(tag)) return row;
    }
    return -1;
}

void selectRows(ui::MainWindow& window, std::initializer_list<int> rows) {
    QTableView* view = window.tagListView();
    view->clearSelection();
    for (int row : rows) {
        view->selectionModel()->select(window.tagListModel()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpWritesSettingsAndShowsTheEmptyWindow();
    void menuAndToolbarCarryTheirTextsAndIds();
    void commandsWithoutAFileReportTheirOwnMessages();
    void folderCommandListsAndRemembersTheFolder();
    void exitEndsTheWindowEscNever();
    void rowsAndColoursFollowTheAnalysedFile();
    void doubleClickEditsTheLowestSelectedRowAndSaveReportsSuccess();
    void saveFailureShowsNoSuccessNotice();
    void dropsOfFilesAndFolders();
    void clipboardCopiesTagAndContentOfSelectedRows();
    void panesFollowTheWindowAndAreKeptAcrossARestart();
    void keptWindowIsRestoredOnlyWhereItFits();
    void versionDialogOpensFromItsCommand();
    void mapCommandOpensThePositionOfAFileThatHasOne();
    void unsavedEditsAreMarkedAndNeverLostSilently();
    void filterKeepsMatchingRowsAndTheirHeadings();
    void everyShortcutReachesItsCommand();
    void ctrlZTakesBackUnsavedEditsBeforeAnySavedOperation();
    void savingANewOrientationTurnsThePictureAtOnce();
    void emptyTableSaysWhatToDo();
    void fileDeletedWhileShownIsForgotten();

  public slots:
    void openedUrl(const QUrl& url) { openedUrls_ << url; }

  private:
    QList<QUrl> openedUrls_;
};

void MainWindowTest::startUpWritesSettingsAndShowsTheEmptyWindow() {
    TestWindow t;
    QCOMPARE(t.window.windowTitle(), QString::fromUtf8("Exif情報アップデート"));
    QVERIFY(t.workspace().currentFile.empty());
    QVERIFY(t.workspace().fileList.empty());
    QCOMPARE(t.window.tagListModel()->rowCount(), 0);
    const fixture::Bytes written = fixture::readFile(t.config.settingsFile());
    QCOMPARE(std::string(written.begin(), written.end()),
             std::string(
                 "[option]\nfolder=1\nfolderpath=\nDateUp=1\nAllDate=0\nExifDate=0\nRotate=1\n"));

    QHeaderView* header = t.window.tagListView()->horizontalHeader();
    const char* headings[] = {"offset", "type", "count", "tag", "content", "note"};
    const int widths[] = {120, 45, 45, 220, 180};
    for (int column = 0; column < 6; ++column) {
        QCOMPARE(
            t.window.tagListModel()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
            QString::fromLatin1(headings[column]));
        if (column < 5) QCOMPARE(header->sectionSize(column), widths[column]);
    }
    // The note column takes the rest of the table's width.
    QVERIFY(header->stretchLastSection());
    QVERIFY(t.window.tagListView()->showGrid());
    QCOMPARE(t.window.tagListView()->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(t.window.tagListView()->selectionMode(), QAbstractItemView::ExtendedSelection);
}

void MainWindowTest::menuAndToolbarCarryTheirTextsAndIds() {
    TestWindow t;
    const std::pair<int, const char*> items[] = {
        {200, "ﾌｫﾙﾀﾞを開く(&O)"},      {201, "Exif情報上書き(&S)"}, {202, "Export(&E)"},
        {203, "Import(&I)"},           {204, "終了(&X)"},           {205, "複数ﾌｧｲﾙ一括変更"},
        {206, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)"}, {207, "ｵﾌﾟｼｮﾝ設定"},         {208, "ﾊﾞｰｼﾞｮﾝ情報(&V)"},
        {209, "地図で表示"},           {210, "元に戻す"},           {211, "やり直し"}};
    for (const auto& [id, text] : items) {
        QAction* action = t.window.action(id);
        QVERIFY(action);
        QCOMPARE(action->text(), QString::fromUtf8(text));
        QCOMPARE(action->data().toInt(), id);
        QCOMPARE(action->isEnabled(), id != ids::kShowOnMap);  // the map needs a position
    }
    QStringList titles;
    for (QAction* menu : t.window.menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({QString::fromUtf8("ﾌｧｲﾙ(&F)"), QString::fromUtf8("編集(&E)"),
                                  QString::fromUtf8("設定(&S)"), QString::fromUtf8("ﾍﾙﾌﾟ(&H)")}));

    // Toolbar: open, overwrite, separator, export, import, each with its tooltip.
    const QList<QAction*> buttons = t.window.toolBar()->actions();
    QCOMPARE(buttons.size(), 5);
    QVERIFY(buttons[2]->isSeparator());
    const std::pair<int, const char*> expected[] = {
        {500, "ﾌｫﾙﾀﾞを開く"}, {501, "Exif情報を上書き"}, {0, ""}, {503, "Export"}, {502, "Import"}};
    for (int i = 0; i < 5; ++i) {
        if (i == 2) continue;
        QCOMPARE(buttons[i]->data().toInt(), expected[i].first);
        QCOMPARE(buttons[i]->toolTip(), QString::fromUtf8(expected[i].second));
        // Every button draws an icon (export and import from our own pictures).
        QVERIFY(!buttons[i]->icon().pixmap(16).isNull());
    }
    QCOMPARE(ids::menuCommandFor(502), 203);
    QCOMPARE(ids::menuCommandFor(503), 202);
}

void MainWindowTest::commandsWithoutAFileReportTheirOwnMessages() {
    TestWindow t;
    const std::pair<int, const char*> cases[] = {
        {201, "ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。"},
        {501, "ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。"},
        {202, "ｴｸｽﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。"},
        {503, "ｴｸｽﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。"},
        {203, "ｲﾝﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。"},
        {502, "ｲﾝﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。"}};
    for (const auto& [id, text] : cases) {
        t.window.dispatch(id);
        QCOMPARE(t.takeMessages(), (std::vector<Message>{{text, "message"}}));
    }
    // Enter (1), the file list's id and unknown ids do nothing.
    for (int id : {1, 102, 209, 600})
        t.window.dispatch(id);
    QVERIFY(t.takeMessages().empty());
    QVERIFY(t.chooser.titles.empty());
    QVERIFY(t.browser.asked.empty());
}

void MainWindowTest::folderCommandListsAndRemembersTheFolder() {
    TestWindow t;
    fixture::TempDir dir;
    dir.write("b.jpg", fixture::jpegWith(testing::sampleTiff()));
    dir.write("A.JPG", fixture::jpegWith(testing::sampleTiff()));

    t.browser.answers = {dir.path(), std::nullopt};
    t.window.dispatch(500);
    QVERIFY(testing::waitForListing(t.window));
    QCOMPARE(t.browser.asked.at(0).first, std::string("JPEGﾌｫﾙﾀﾞを開く"));
    QCOMPARE(t.browser.asked.at(0).second, std::string());  // nothing remembered yet
    QCOMPARE(t.window.fileListView()->count(), 2);
    // Names in the list, so that typing finds them; the whole path in the tooltip.
    QCOMPARE(t.window.fileListView()->text(0), QStringLiteral("A.JPG"));
    QCOMPARE(t.window.fileListView()->toolTip(0), QString::fromStdString(dir.file("A.JPG")));
    QCOMPARE(readSettings(t.config.settingsFile()).lastFolder, dir.path());
    QCOMPARE(t.workspace().currentFolder, dir.path());
    // The first file is selected and shown.
    QCOMPARE(t.workspace().currentFile, dir.file("A.JPG"));
    QCOMPARE(t.window.fileListView()->currentRow(), 0);
    QVERIFY(t.window.tagListModel()->rowCount() > 0);

    // Cancelling keeps the list; the browser starts from the remembered folder.
    t.window.dispatch(200);
    QCOMPARE(t.browser.asked.at(1).second, dir.path());
    QCOMPARE(t.window.fileListView()->count(), 2);

    // Selecting an entry makes it the current file and analyses it.
    t.window.fileListView()->setCurrentRow(1);
    QCOMPARE(t.workspace().currentFile, dir.file("b.jpg"));
    QVERIFY(t.window.tagListModel()->rowCount() > 0);
    // A double-click on the list does not analyse again.
    t.workspace().clearAnalysis();
    emit t.window.fileListView()->doubleClicked(t.window.fileListView()->model()->index(1, 0));
    QVERIFY(t.workspace().rows().empty());

    // Files added and removed by another program are taken in by difference; the selection
    // stays on its file.
    fixture::writeFile(dir.file("a0.jpg"), fixture::jpegWith(testing::sampleTiff()));
    QVERIFY(QFile::remove(QString::fromStdString(dir.file("A.JPG"))));
    t.window.reloadFolder();
    QVERIFY(testing::waitForListing(t.window));
    QCOMPARE(t.window.fileListView()->count(), 2);
    QCOMPARE(t.window.fileListView()->text(0), QStringLiteral("a0.jpg"));
    QCOMPARE(t.window.fileListView()->currentRow(), 1);
    QCOMPARE(t.workspace().currentFile, dir.file("b.jpg"));
}

void MainWindowTest::exitEndsTheWindowEscNever() {
    {
        TestWindow t;
        fixture::TempDir dir;
        t.workspace().fileList = {
            dir.write("p.jpg", testing::pictureJpeg(QSize(64, 48), testing::sampleTiff()))};
        t.window.refreshFileList();
        t.window.show();
        QVERIFY(t.selectAndWait(0));
        QVERIFY(!t.window.previewPane()->picture().isNull());
        t.window.dispatch(ids::kExit);
        QVERIFY(!t.window.isVisible());
        QVERIFY(t.window.previewPane()->picture().isNull());
        QVERIFY(!t.workspace().analysedFile().has_value());
    }
    // The Esc key (the cancel command) and Enter never end the main window.
    TestWindow t;
    QVERIFY(testing::showActive(t.window));
    t.window.dispatch(ids::kCancel);
    QTest::keyClick(&t.window, Qt::Key_Return);
    QTest::keyClick(&t.window, Qt::Key_Escape);
    QVERIFY(t.window.isVisible());
}

void MainWindowTest::rowsAndColoursFollowTheAnalysedFile() {
    TestWindow t;
    fixture::TempDir dir;
    fixture::Tiff tiff = testing::sampleTiff("Sunset");
    tiff.ifd0.entries.push_back(fixture::rawEntry(0x0131, 2, 40, 0x7FFFFFF0));  // wild offset
    t.workspace().fileList = {dir.write("a.jpg", fixture::jpegWith(tiff))};
    t.window.refreshFileList();
    t.window.selectFile(0);

    ui::TagListModel* model = t.window.tagListModel();
    QCOMPARE(model->rowCount(), static_cast<int>(t.workspace().rowCount()));
    QCOMPARE(cellText(t.window, 0, Column::Offset), QString::fromUtf8("【0th IFD】"));
    QCOMPARE(background(t.window, 0).value<QColor>(), QColor(189, 225, 231));
    const int title = rowOfTag(t.window, "画像タイトル");
    QVERIFY(title > 0);
    QCOMPARE(cellText(t.window, title, Column::Type), QStringLiteral("2"));
    QCOMPARE(cellText(t.window, title, Column::Count), QStringLiteral("20"));
    QCOMPARE(cellText(t.window, title, Column::Content), QStringLiteral("Sunset"));
    QVERIFY(!background(t.window, title).isValid());  // default colours
    const int version = rowOfTag(t.window, "Exif バージョン");
    QVERIFY(version > 0);
    QCOMPARE(cellText(t.window, version, Column::Type), QStringLiteral("7"));
    QCOMPARE(background(t.window, version).value<QColor>(), QColor(204, 204, 204));
    int heading = -1;  // the Exif IFD's heading row
    for (int row = 0; row < model->rowCount(); ++row) {
        if (cellText(t.window, row, Column::Offset) == QString::fromUtf8("【Exif IFD】"))
            heading = row;
    }
    QVERIFY(heading > 0);
    QCOMPARE(background(t.window, heading).value<QColor>(), QColor(189, 225, 231));
    // A value outside the Exif segment cannot be edited, whatever its type.
    const int software = rowOfTag(t.window, "使用ソフトウェア名");
    QVERIFY(software > 0);
    QCOMPARE(cellText(t.window, software, Column::Type), QStringLiteral("2"));
    QCOMPARE(background(t.window, software).value<QColor>(), QColor(204, 204, 204));
    QVERIFY(!model->flags(model->index(title, 4)).testFlag(Qt::ItemIsEditable));

    // A file that analysis refuses leaves no rows of another file behind to save.
    t.workspace().fileList.push_back(dir.write("b.jpg", fixture::Bytes{0xFF, 0xD8, 0xFF, 0xD9}));
    t.window.refreshFileList();
    t.window.selectFile(1);
    t.takeMessages();
    QCOMPARE(model->rowCount(), static_cast<int>(t.workspace().rowCount()));
    t.window.dispatch(201);
    QCOMPARE(t.takeMessages().at(0).text,
             std::string("ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。"));
}

void MainWindowTest::doubleClickEditsTheLowestSelectedRowAndSaveReportsSuccess() {
    TestWindow t;
    fixture::TempDir dir;
    const std::string path = dir.write("a.jpg", fixture::jpegWith(testing::sampleTiff("old")));
    t.workspace().fileList = {path};
    t.window.refreshFileList();
    t.window.selectFile(0);
    const int title = rowOfTag(t.window, "画像タイトル");
    const int version = rowOfTag(t.window, "Exif バージョン");

    // Cancel leaves the row; the prompt's caption is the tag, its text the content.
    selectRows(t.window, {version, title});
    t.prompt.answers = {std::nullopt, std::string("New title")};
    const QModelIndex clicked = t.window.tagListModel()->index(version, 0);
    emit t.window.tagListView()->doubleClicked(clicked);
    QCOMPARE(t.prompt.asked.at(0), (std::pair<std::string, std::string>{"画像タイトル", "old"}));
    QCOMPARE(cellText(t.window, title, Column::Content), QStringLiteral("old"));
    emit t.window.tagListView()->doubleClicked(clicked);
    QCOMPARE(cellText(t.window, title, Column::Content), QStringLiteral("New title"));

    // A row that cannot be edited is refused with its message.
    selectRows(t.window, {version});
    emit t.window.tagListView()->doubleClicked(clicked);
    QCOMPARE(t.takeMessages(), (std::vector<Message>{{"編集出来ない[type]です。", "message"}}));

    t.window.dispatch(501);
    QCOMPARE(t.takeMessages(), (std::vector<Message>{{"Exif情報を上書きしました。", "ﾒｯｾｰｼﾞ"}}));
    t.window.selectFile(0);
    QCOMPARE(cellText(t.window, rowOfTag(t.window, "画像タイトル"), Column::Content),
             QStringLiteral("New title"));

    // 元に戻す takes the save back from its journal and shows the file as it is again.
    t.window.dispatch(ids::kUndo);
    const std::vector<Message> undone = t.takeMessages();
    QCOMPARE(undone.size(), size_t{1});
    QVERIFY(undone[0].text.ends_with("を元に戻しました。"));
    QCOMPARE(cellText(t.window, rowOfTag(t.window, "画像タイトル"), Column::Content),
             QStringLiteral("old"));
}

void MainWindowTest::saveFailureShowsNoSuccessNotice() {
    TestWindow t;
    fixture::TempDir dir;
    const std::string path = dir.write("a.jpg", fixture::jpegWith(testing::sampleTiff()));
    t.workspace().fileList = {path};
    t.window.refreshFileList();
    t.window.selectFile(0);
    // The file changes behind the window's back: the save refuses it.
    fixture::Bytes bytes = fixture::readFile(path);
    bytes.push_back(0);
    fixture::writeFile(path, bytes);
    t.window.dispatch(201);
    const std::vector<Message> messages = t.takeMessages();
    QCOMPARE(messages.size(), size_t{1});
    QVERIFY(messages[0].text != "Exif情報を上書きしました。");
}

void MainWindowTest::dropsOfFilesAndFolders() {
    TestWindow t;
    fixture::TempDir dir;
    const std::string folder = dir.file("f");
    QVERIFY(QDir().mkdir(QString::fromStdString(folder)));
    fixture::writeFile(folder + "/in.jpg", {1});
    for (const char* name : {"a.jpeg", "c.Jpg", "d.tif", "e.txt"})
        fixture::writeFile(dir.file(name), {1});
    t.workspace().settings.lastFolder = "/kept";

    auto drop = [&](const QList<QUrl>& urls) {
        auto* mime = new QMimeData;
        mime->setUrls(urls);
        const QPointF at(10, 10);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&t.window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&t.window, &event);
        delete mime;
    };
    auto local = [](const std::string& path) {
        return QUrl::fromLocalFile(QString::fromStdString(path));
    };
    auto listed = [&] {
        testing::waitForListing(t.window);
        QStringList texts;
        for (int i = 0; i < t.window.fileListView()->count(); ++i) {
            texts << t.window.fileListView()->toolTip(i);
        }
        return texts;
    };

    drop({local(folder), local(dir.file("a.jpeg")), local(dir.file("c.Jpg")),
          local(dir.file("e.txt")), local(dir.file("a.jpeg")), QUrl("https://example.org/x.jpg")});
    QCOMPARE(listed(), QStringList({QString::fromStdString(dir.file("a.jpeg")),
                                    QString::fromStdString(dir.file("a.jpeg")),
                                    QString::fromStdString(dir.file("c.Jpg")),
                                    QString::fromStdString(folder + "/in.jpg")}));
    drop({local(dir.file("a.jpeg")), local(folder)});
    QCOMPARE(listed(), QStringList({QString::fromStdString(folder + "/in.jpg")}));
    QCOMPARE(t.workspace().currentFolder, folder);
    QCOMPARE(t.workspace().currentFile, folder + "/in.jpg");  // the first file is selected
    QCOMPARE(t.workspace().settings.lastFolder, std::string("/kept"));
    QVERIFY(t.takeMessages().empty());

    // A dropped file that analysis then refuses says why when it is selected: in the status
    // bar and in the middle of the emptied table, never in a message box that would stop
    // the browsing.
    drop({local(dir.file("c.Jpg"))});
    QCOMPARE(listed(), QStringList({QString::fromStdString(dir.file("c.Jpg"))}));
    QCOMPARE(t.workspace().currentFile, dir.file("c.Jpg"));
    QVERIFY(t.takeMessages().empty());
    QCOMPARE(t.window.tagListModel()->rowCount(), 0);
    QVERIFY(!t.window.tagListView()->emptyText().isEmpty());
    QVERIFY(t.window.statusBar()->currentMessage().contains(t.window.tagListView()->emptyText()));
}

void MainWindowTest::clipboardCopiesTagAndContentOfSelectedRows() {
    TestWindow t;
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "1"), fixture::ascii(0x010F, "Maker, \"Inc\"")};
    tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, "2004:05:06 07:08:09")}};
    t.workspace().analyzeBytes(fixture::jpegWith(tiff));
    t.window.refreshRows();
    QVERIFY(testing::showActive(t.window));
    t.window.tagListView()->setFocus();

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    t.window.dispatch(206);  // nothing selected: the clipboard keeps its text
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    // Tab-separated tag and content; a cell with a comma or quotes in double quotes; a
    // heading as its heading text. The menu command and Ctrl+C copy the same.
    const struct {
        std::initializer_list<int> rows;
        const char* copied;
    } cases[] = {
        {{5, 1}, "画像タイトル\t1\n原画像データの生成日時\t2004:05:06 07:08:09\n"},
        {{2}, "画像入力機器のメーカー名\t\"Maker, \"\"Inc\"\"\"\n"},
        {{0, 1}, "【0th IFD】\n画像タイトル\t1\n"},
    };
    for (const auto& c : cases) {
        selectRows(t.window, c.rows);
        QGuiApplication::clipboard()->clear();
        t.window.dispatch(206);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.copied));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(t.window.tagListView(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.copied));
    }
    QVERIFY(t.takeMessages().empty());
}

void MainWindowTest::panesFollowTheWindowAndAreKeptAcrossARestart() {
    testing::ConfigFolder config;
    fixture::TempDir dir;
    const std::string photo = dir.write("p.jpg", testing::pictureJpeg(QSize(1600, 1200)));
    QList<int> topSizes, mainSizes;
    {
        ui::MainWindow window;
        QVERIFY(testing::showActive(window));
        // The first start fits the screen, in the classic proportions: the preview narrower
        // than the file list, the table below.
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(screen.contains(window.geometry()));
        topSizes = window.topSplitter()->sizes();
        mainSizes = window.mainSplitter()->sizes();
        QCOMPARE(topSizes.size(), 2);
        QVERIFY(topSizes[0] > 0 && topSizes[0] < topSizes[1]);
        QVERIFY(mainSizes[0] > 0 && mainSizes[1] > 0);
        window.resize(screen.size() * 3 / 4);
        QTRY_COMPARE(window.size(), screen.size() * 3 / 4);
        topSizes = window.topSplitter()->sizes();
        mainSizes = window.mainSplitter()->sizes();
        window.workspace().fileList = {photo};
        window.refreshFileList();
        window.selectFile(0);
        QVERIFY(testing::waitForPicture(window));
        const int drawn = window.previewPane()->pictureRect().width();

        // A larger window gives its room to the file list and the table; the note column
        // reaches the table's right edge.
        window.resize(screen.size() * 9 / 10);
        QTRY_COMPARE(window.topSplitter()->sizes().value(0), topSizes[0]);
        QCOMPARE(window.mainSplitter()->sizes().value(0), mainSizes[0]);
        QHeaderView* header = window.tagListView()->horizontalHeader();
        QTRY_COMPARE(header->sectionViewportPosition(5) + header->sectionSize(5),
                     window.tagListView()->viewport()->width());

        // Dragging the borders: the preview grows with its pane, decoded anew for its size.
        topSizes = {topSizes[0] + 150, topSizes[1] - 150};
        mainSizes = {mainSizes[0] + 100, mainSizes[1] - 100};
        window.topSplitter()->setSizes(topSizes);
        window.mainSplitter()->setSizes(mainSizes);
        QTRY_VERIFY(window.previewPane()->pictureRect().width() > drawn);
        QTRY_COMPARE_WITH_TIMEOUT(window.previewPane()->picture().size(),
                                  window.previewPane()->pictureRect().size(), 5000);
        window.close();
    }
    // Closing wrote the layout; a new window opens as the last one was closed.
    const WindowLayout kept = readSettings(config.settingsFile()).window;
    QCOMPARE(kept.previewWidth, topSizes[0]);
    QCOMPARE(kept.topHeight, mainSizes[0]);
    ui::MainWindow again;
    QVERIFY(testing::showActive(again));
    QCOMPARE(again.topSplitter()->sizes().value(0), topSizes[0]);
    QCOMPARE(again.mainSplitter()->sizes().value(0), mainSizes[0]);
    QCOMPARE(again.geometry(), QRect(kept.left, kept.top, kept.width, kept.height));
}

void MainWindowTest::keptWindowIsRestoredOnlyWhereItFits() {
    const QRect screen(0, 0, 1280, 800);
    const struct {
        WindowLayout kept;
        bool restored;
    } cases[] = {
        {{100, 50, 900, 700, 0, 0, 0}, true},   {{0, 0, 1280, 800, 1, 0, 0}, true},
        {{-300, 50, 900, 700, 0, 0, 0}, false},  // a screen that is gone
        {{600, 300, 900, 700, 0, 0, 0}, false},  // partly off the screen
        {{0, 0, 2560, 1600, 0, 0, 0}, false},    // made on a larger screen
        {{100, 50, 0, 0, 0, 0, 0}, false},       // never kept
    };
    for (const auto& c : cases) {
        const std::optional<QRect> window = ui::keptWindow(c.kept, {screen});
        QCOMPARE(window.has_value(), c.restored);
        if (window) {
            QCOMPARE(*window, QRect(c.kept.left, c.kept.top, c.kept.width, c.kept.height));
        }
    }
    // Otherwise the window comes up inside the screen, at most as large as it has room for:
    // at twice the scale, 1280x800 pixels hold 640x400 of the window's.
    const QRect half(0, 0, 640, 400);
    const QRect placed = ui::centredWindow(QSize(935, 769), half);
    QVERIFY(half.contains(placed));
    QVERIFY(placed.height() + ui::kFrameRoomHeight <= half.height());
    QCOMPARE(ui::centredWindow(QSize(400, 300), screen).size(), QSize(400, 300));
}

void MainWindowTest::versionDialogOpensFromItsCommand() {
    TestWindow t;
    t.window.show();
    QString caption;
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        caption = dialog->windowTitle();
        for (QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    t.window.dispatch(208);
    QCOMPARE(caption, QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    // The version, the licence and the project's address, as the package states them.
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts[0], QStringLiteral("Brevino Version 1.32"));
    QCOMPARE(texts[1], QString::fromUtf8("ﾗｲｾﾝｽ: all-rights-reserved"));
    QVERIFY(texts[2].contains(QStringLiteral("https://github.com/brevino/brevino")));
}

void MainWindowTest::mapCommandOpensThePositionOfAFileThatHasOne() {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openedUrl");
    openedUrls_.clear();
    TestWindow t;
    fixture::TempDir dir;
    fixture::Tiff located = testing::sampleTiff("Here");
    located.gps = fixture::Ifd{
        {fixture::ascii(0x0001, "S"), fixture::rationals(0x0002, {{33, 1}, {52, 1}, {0, 1}}),
         fixture::ascii(0x0003, "E"), fixture::rationals(0x0004, {{151, 1}, {12, 1}, {36, 1}})}};
    t.workspace().fileList = {dir.write("a.jpg", fixture::jpegWith(testing::sampleTiff("No"))),
                              dir.write("b.jpg", fixture::jpegWith(located))};
    t.window.refreshFileList();
    QAction* map = t.window.action(ids::kShowOnMap);
    t.window.selectFile(0);
    QVERIFY(!map->isEnabled());
    t.window.selectFile(1);
    QVERIFY(map->isEnabled());
    map->trigger();
    QCOMPARE(openedUrls_, QList<QUrl>({QUrl(QStringLiteral(
                              "https://www.openstreetmap.org/?mlat=-33.866667&mlon=151.210000"
                              "#map=16/-33.866667/151.210000"))}));
    t.window.selectFile(0);
    QVERIFY(!map->isEnabled());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    // No browser to open it (as on this test's display): the status bar says so, with the
    // address, and no message box stops the user.
    t.window.selectFile(1);
    map->trigger();
    QVERIFY(t.window.statusBar()->currentMessage().startsWith(
        QString::fromUtf8("地図を表示するﾌﾞﾗｳｻﾞがありません: https://www.openstreetmap.org/")));
    QVERIFY(t.takeMessages().empty());
}

void MainWindowTest::unsavedEditsAreMarkedAndNeverLostSilently() {
    TestWindow t;
    fixture::TempDir dir;
    const std::string a = dir.write("a.jpg", fixture::jpegWith(testing::sampleTiff("old")));
    const std::string b = dir.write("b.jpg", fixture::jpegWith(testing::sampleTiff("other")));
    t.workspace().fileList = {a, b};
    t.window.refreshFileList();
    const QString question = QString::fromUtf8("変更が保存されていません。保存しますか？");
    auto edit = [&](const char* text) {
        t.window.selectFile(0);
        const int title = rowOfTag(t.window, "画像タイトル");
        selectRows(t.window, {title});
        t.prompt.answers = {std::string(text)};
        emit t.window.tagListView()->doubleClicked(t.window.tagListModel()->index(title, 0));
        return title;
    };
    auto titleOnDisk = [](const std::string& path) {
        TestWorkspace w;
        w.analyzePath(path);
        return w.cell(w.findRow("画像タイトル"), Column::Content);
    };

    // Marked: bold content on pale yellow, "*" in the title.
    const int title = edit("edited");
    QCOMPARE(background(t.window, title).value<QColor>(), QColor(255, 248, 196));
    QVERIFY(t.window.tagListModel()->index(title, 4).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(t.window.windowTitle().endsWith(QStringLiteral("*")));

    // Cancel: the file stays selected, edited, and nothing is written.
    t.questioner.answers = {Answer::Cancel};
    t.window.fileListView()->setCurrentRow(1);
    QCOMPARE(t.questioner.asked.back(), toUtf8(question));
    QCOMPARE(t.workspace().currentFile, a);
    QCOMPARE(t.window.fileListView()->currentRow(), 0);
    QVERIFY(t.workspace().hasUnsavedEdits());
    QCOMPARE(titleOnDisk(a), std::string("old"));

    // Discard: the other file is shown and the edit is gone.
    t.questioner.answers = {Answer::No};
    t.window.selectFile(1);
    QCOMPARE(t.workspace().currentFile, b);
    QCOMPARE(titleOnDisk(a), std::string("old"));
    QVERIFY(!t.window.windowTitle().endsWith(QStringLiteral("*")));

    // Save: the edit is written before the file is left, without a success notice.
    edit("saved");
    t.questioner.answers = {Answer::Yes};
    t.window.selectFile(1);
    QCOMPARE(t.workspace().currentFile, b);
    QCOMPARE(titleOnDisk(a), std::string("saved"));
    QVERIFY(t.takeMessages().empty());

    // Closing the window and a batch run ask too; Cancel keeps the window open.
    edit("again");
    const size_t asked = t.questioner.asked.size();
    t.questioner.answers = {Answer::Cancel, Answer::Cancel};
    t.window.show();
    t.window.close();
    QVERIFY(t.window.isVisible());
    bool opened = false;
    connect(&t.window, &ui::MainWindow::batchDialogOpened, this, [&] { opened = true; });
    t.window.dispatch(ids::kBatch);
    QVERIFY(!opened);
    QCOMPARE(t.questioner.asked.size(), asked + 2);
    t.questioner.answers = {Answer::No};
    t.window.close();
    QVERIFY(!t.window.isVisible());
}

void MainWindowTest::filterKeepsMatchingRowsAndTheirHeadings() {
    TestWindow t;
    fixture::TempDir dir;
    fixture::Tiff tiff = testing::sampleTiff("Sunset");
    tiff.gps = fixture::Ifd{{fixture::ascii(0x0001, "N")}};
    t.workspace().fileList = {dir.write("a.jpg", fixture::jpegWith(tiff))};
    t.window.refreshFileList();
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.window.selectFile(0);
    ui::TagTableView* view = t.window.tagListView();
    auto shown = [&] {
        QStringList texts;
        for (int row = 0; row < t.window.tagListModel()->rowCount(); ++row) {
            if (!view->isRowHidden(row))
                texts << cellText(t.window, row, Column::Offset).left(3) +
                             cellText(t.window, row, Column::Tag);
        }
        return texts;
    };
    const QStringList all = shown();
    QTest::keyClick(&t.window, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(t.window.filterField()->isVisible());
    // By content, letter case ignored; by note; the headings of kept rows stay.
    QTest::keyClicks(t.window.filterField(), QStringLiteral("sunSET"));
    QCOMPARE(shown(),
             QStringList({QString::fromUtf8("【0t"), QString::fromUtf8("0x0画像タイトル")}));
    t.window.filterField()->setText(QString::fromUtf8("北緯"));
    QCOMPARE(shown(),
             QStringList({QString::fromUtf8("【GP"), QString::fromUtf8("0x0北緯(N)or南緯(S)")}));
    // Esc clears the filter and keeps the window.
    QTest::keyClick(t.window.filterField(), Qt::Key_Escape);
    QVERIFY(!t.window.filterField()->isVisible());
    QVERIFY(t.window.isVisible());
    QCOMPARE(shown(), all);
}

void MainWindowTest::everyShortcutReachesItsCommand() {
    TestWindow t;
    fixture::TempDir dir;
    dir.write("a.jpg", fixture::jpegWith(testing::sampleTiff("old")));
    dir.write("b.jpg", fixture::jpegWith(testing::sampleTiff("other")));
    QVERIFY(testing::showActive(t.window));

    // Ctrl+O opens a folder, and its first file is selected.
    t.browser.answers = {dir.path()};
    QTest::keyClick(&t.window, Qt::Key_O, Qt::ControlModifier);
    QVERIFY(testing::waitForListing(t.window));
    QCOMPARE(t.browser.asked.size(), size_t{1});
    QCOMPARE(t.workspace().currentFile, dir.file("a.jpg"));

    // F2, Enter and the keypad's Enter edit the table's current row.
    ui::TagTableView* table = t.window.tagListView();
    table->setFocus();
    const int title = rowOfTag(t.window, "画像タイトル");
    table->setCurrentIndex(t.window.tagListModel()->index(title, 3));
    const std::pair<Qt::Key, Qt::KeyboardModifiers> editKeys[] = {
        {Qt::Key_F2, Qt::NoModifier},
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier}};
    for (const auto& [key, modifiers] : editKeys) {
        t.prompt.answers = {std::string("by ") + std::to_string(key)};
        QTest::keyClick(table, key, modifiers);
        QCOMPARE(t.prompt.asked.back().first, std::string("画像タイトル"));
        QCOMPARE(cellText(t.window, title, Column::Content),
                 QString::fromStdString("by " + std::to_string(key)));
    }

    // Ctrl+S saves.
    QTest::keyClick(table, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.takeMessages(), (std::vector<Message>{{"Exif情報を上書きしました。", "ﾒｯｾｰｼﾞ"}}));
    QVERIFY(!t.workspace().hasUnsavedEdits());

    // F5 lists the folder again; Ctrl+F opens the filter, Esc closes it and then does nothing.
    dir.write("c.jpg", fixture::jpegWith(testing::sampleTiff()));
    QTest::keyClick(table, Qt::Key_F5);
    QVERIFY(testing::waitForListing(t.window));
    QCOMPARE(t.window.fileListView()->count(), 3);
    QTest::keyClick(table, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(t.window.filterField()->isVisible());
    QTest::keyClick(t.window.filterField(), Qt::Key_Escape);
    QVERIFY(!t.window.filterField()->isVisible());
    QTest::keyClick(table, Qt::Key_Escape);
    QVERIFY(t.window.isVisible());

    // Ctrl+Q quits, after the question about unsaved edits; Cancel stays.
    t.prompt.answers = {std::string("unsaved")};
    QTest::keyClick(table, Qt::Key_F2);
    t.questioner.answers = {Answer::Cancel, Answer::No};
    QTest::keyClick(table, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(t.window.isVisible());
    QTest::keyClick(table, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!t.window.isVisible());
    QCOMPARE(t.questioner.asked.size(), size_t{2});
    // The menu shows each command's keys.
    const std::pair<int, const char*> keys[] = {{ids::kOpenFolder, "Ctrl+O"},
                                                {ids::kOverwrite, "Ctrl+S"},
                                                {ids::kExit, "Ctrl+Q"},
                                                {ids::kUndo, "Ctrl+Z"},
                                                {ids::kRedo, "Ctrl+Shift+Z; Ctrl+Y"},
                                                {ids::kCopyToClipboard, "Ctrl+C"}};
    for (const auto& [id, key] : keys)
        QCOMPARE(t.window.action(id)->shortcuts(),
                 QKeySequence::listFromString(QString::fromLatin1(key)));
}

void MainWindowTest::ctrlZTakesBackUnsavedEditsBeforeAnySavedOperation() {
    TestWindow t;
    fixture::TempDir dir;
    const std::string path = dir.write("a.jpg", fixture::jpegWith(testing::sampleTiff("old")));
    auto titleOnDisk = [&] {
        TestWorkspace w;
        w.analyzePath(path);
        return w.cell(w.findRow("画像タイトル"), Column::Content);
    };
    t.workspace().fileList = {path};
    t.window.refreshFileList();
    QVERIFY(testing::showActive(t.window));
    t.window.selectFile(0);
    const int title = rowOfTag(t.window, "画像タイトル");
    auto edit = [&](const char* text) {
        selectRows(t.window, {title});
        t.prompt.answers = {std::string(text)};
        emit t.window.tagListView()->doubleClicked(t.window.tagListModel()->index(title, 0));
    };
    auto content = [&] { return toUtf8(cellText(t.window, title, Column::Content)); };
    edit("saved");
    t.window.dispatch(ids::kOverwrite);  // an operation in the journal
    t.takeMessages();

    // Unsaved edits go first, latest first, without a question and without touching a file.
    edit("first");
    edit("second");
    const struct {
        std::string shown;
        bool unsaved;
    } steps[] = {{"first", true}, {"saved", false}};
    for (const auto& step : steps) {
        QTest::keyClick(t.window.tagListView(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(content(), step.shown);
        QCOMPARE(t.workspace().hasUnsavedEdits(), step.unsaved);
        QCOMPARE(t.window.windowTitle().endsWith(QStringLiteral("*")), step.unsaved);
        QCOMPARE(titleOnDisk(), std::string("saved"));
    }
    QVERIFY(t.questioner.asked.empty());
    QVERIFY(t.takeMessages().empty());

    // With no unsaved edit left, the saved operation is taken back after a question naming
    // it; redo (Ctrl+Shift+Z or Ctrl+Y) applies it again, after its own question.
    const std::string label = "（a.jpg）";
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Answer answer;
        std::string question;  // its end
        std::string onDisk;
    } steps2[] = {
        {Qt::Key_Z, Qt::ControlModifier, Answer::No, label + "を元に戻しますか？", "saved"},
        {Qt::Key_Z, Qt::ControlModifier, Answer::Yes, label + "を元に戻しますか？", "old"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, Answer::Yes,
         label + "をやり直しますか？", "saved"},
        {Qt::Key_Z, Qt::ControlModifier, Answer::Yes, label + "を元に戻しますか？", "old"},
        {Qt::Key_Y, Qt::ControlModifier, Answer::Yes, label + "をやり直しますか？", "saved"},
    };
    // The operation is named by its number: the save's, whether taken back or applied again.
    const std::string saveNumber = [&] {
        t.questioner.answers = {Answer::No};
        QTest::keyClick(t.window.tagListView(), Qt::Key_Z, Qt::ControlModifier);
        const std::string& question = t.questioner.asked.back();
        return question.substr(0, question.find("（"));
    }();
    for (const auto& step : steps2) {
        t.questioner.answers = {step.answer};
        QTest::keyClick(t.window.tagListView(), step.key, step.modifiers);
        QVERIFY2(t.questioner.asked.back().starts_with(saveNumber + "（"),
                 t.questioner.asked.back().c_str());
        QVERIFY2(t.questioner.asked.back().ends_with(step.question),
                 t.questioner.asked.back().c_str());
        QCOMPARE(titleOnDisk(), step.onDisk);
        QCOMPARE(content(), step.onDisk);
        t.takeMessages();
    }
    // Nothing more to apply again: said so, nothing asked.
    const size_t asked = t.questioner.asked.size();
    QTest::keyClick(t.window.tagListView(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(t.takeMessages(), (std::vector<Message>{{"やり直す操作がありません。", "message"}}));
    QCOMPARE(t.questioner.asked.size(), asked);
}

void MainWindowTest::savingANewOrientationTurnsThePictureAtOnce() {
    TestWindow t;
    fixture::TempDir dir;
    t.workspace().fileList = {
        dir.write("p.jpg", testing::pictureJpeg(QSize(64, 48), testing::sampleTiff()))};
    t.window.refreshFileList();
    t.window.show();
    QVERIFY(t.selectAndWait(0));
    QCOMPARE(t.window.previewPane()->picture().size(), QSize(64, 48));
    const int orientation = rowOfTag(t.window, "画像方向");
    selectRows(t.window, {orientation});
    t.prompt.answers = {std::string("6")};
    emit t.window.tagListView()->doubleClicked(t.window.tagListModel()->index(orientation, 0));
    QCOMPARE(t.window.previewPane()->picture().size(), QSize(64, 48));  // not saved yet
    t.window.dispatch(ids::kOverwrite);
    QVERIFY(testing::waitForPicture(t.window));
    QCOMPARE(t.window.previewPane()->picture().size(), QSize(48, 64));
}

void MainWindowTest::emptyTableSaysWhatToDo() {
    TestWindow t;
    fixture::TempDir dir;
    QCOMPARE(t.window.tagListView()->emptyText(), QString::fromUtf8(ui::kStartHint));
    // Drawn in the text's own colour, not greyed out.
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    const QImage shot = t.window.tagListView()->viewport()->grab().toImage();
    const QPalette palette = t.window.tagListView()->palette();
    int darkest = 255;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            darkest = std::min(darkest, qGray(shot.pixel(x, y)));
    }
    QVERIFY(darkest <= qGray(palette.color(QPalette::Active, QPalette::Text).rgb()) + 40);
    QVERIFY(darkest < qGray(palette.color(QPalette::Disabled, QPalette::Text).rgb()));

    // A folder without photos says so; a folder with some shows its first file.
    t.browser.answers = {dir.path()};
    t.window.dispatch(ids::kOpenFolder);
    QVERIFY(testing::waitForListing(t.window));
    QCOMPARE(t.window.tagListView()->emptyText(), QString::fromUtf8(ui::kEmptyFolderHint));
    dir.write("a.jpg", fixture::jpegWith(testing::sampleTiff()));
    t.browser.answers = {dir.path()};
    t.window.dispatch(ids::kOpenFolder);
    QVERIFY(testing::waitForListing(t.window));
    QVERIFY(t.window.tagListModel()->rowCount() > 0);
}

void MainWindowTest::fileDeletedWhileShownIsForgotten() {
    // In a watched folder, and dropped alone (its folder not watched).
    for (bool dropped : {false, true}) {
        TestWindow t;
        fixture::TempDir dir;
        const std::string path =
            dir.write("p.jpg", testing::pictureJpeg(QSize(64, 48), testing::sampleTiff()));
        dir.write("q.jpg", fixture::jpegWith(testing::sampleTiff()));
        if (dropped) {
            t.window.dropPaths({path});
        } else {
            t.browser.answers = {dir.path()};
            t.window.dispatch(ids::kOpenFolder);
        }
        QVERIFY(testing::waitForListing(t.window));
        QCOMPARE(t.workspace().currentFile, path);
        QVERIFY(testing::waitForPicture(t.window));
        QVERIFY(QFile::remove(QString::fromStdString(path)));
        QTRY_VERIFY(t.workspace().currentFile.empty());
        QCOMPARE(t.window.tagListModel()->rowCount(), 0);
        QVERIFY(t.window.previewPane()->picture().isNull());
        QVERIFY(
            t.window.statusBar()->currentMessage().contains(QString::fromUtf8("削除されました")));
        QVERIFY(t.takeMessages().empty());
        if (!dropped) QTRY_COMPARE(t.window.fileListView()->count(), 1);
    }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
