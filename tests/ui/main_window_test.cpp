// The main window: start-up, menu and toolbar, command dispatch by id, the TagList view,
// editing, saving, drops and the clipboard.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "edit/overwrite_save.h"
#include "platform/settings_profile.h"
#include "ui/batch_dialog.h"
#include "ui/preview_pane.h"
#include "ui/qt_text.h"
#include "ui/tag_list_model.h"
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
    void exitAndCancelEndTheWindow();
    void rowsAndColoursFollowTheAnalysedFile();
    void doubleClickEditsTheLowestSelectedRowAndSaveReportsSuccess();
    void saveFailureShowsNoSuccessNotice();
    void dropsOfFilesAndFolders();
    void clipboardCopiesTagAndContentOfSelectedRows();
    void layoutFollowsTheWindowSize();
    void versionDialogOpensFromItsCommand();
    void mapCommandOpensThePositionOfAFileThatHasOne();
    void unsavedEditsAreMarkedAndNeverLostSilently();
    void filterKeepsMatchingRowsAndTheirHeadings();

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
    const int widths[] = {120, 45, 45, 220, 180, 500};
    for (int column = 0; column < 6; ++column) {
        QCOMPARE(
            t.window.tagListModel()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
            QString::fromLatin1(headings[column]));
        QCOMPARE(header->sectionSize(column), widths[column]);
    }
    QVERIFY(t.window.tagListView()->showGrid());
    QCOMPARE(t.window.tagListView()->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(t.window.tagListView()->selectionMode(), QAbstractItemView::ExtendedSelection);
}

void MainWindowTest::menuAndToolbarCarryTheirTextsAndIds() {
    TestWindow t;
    const std::pair<int, const char*> items[] = {{200, "ﾌｫﾙﾀﾞを開く(&O)"},
                                                 {201, "Exif情報上書き(&S)"},
                                                 {202, "Export(&E)"},
                                                 {203, "Import(&I)"},
                                                 {204, "終了(&X)"},
                                                 {205, "複数ﾌｧｲﾙ一括変更"},
                                                 {206, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)"},
                                                 {207, "ｵﾌﾟｼｮﾝ設定"},
                                                 {208, "ﾊﾞｰｼﾞｮﾝ情報(&V)"},
                                                 {209, "地図で表示"},
                                                 {210, "元に戻す"}};
    for (const auto& [id, text] : items) {
        QAction* action = t.window.action(id);
        QVERIFY(action);
        QCOMPARE(action->text(), QString::fromUtf8(text));
        QCOMPARE(action->data().toInt(), id);
        QCOMPARE(action->isEnabled(), id != ids::kShowOnMap);  // the map needs a position
    }
    QCOMPARE(t.window.action(ids::kUndo)->shortcut(), QKeySequence(QKeySequence::Undo));
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
    QCOMPARE(t.browser.asked.at(0).first, std::string("JPEGﾌｫﾙﾀﾞを開く"));
    QCOMPARE(t.browser.asked.at(0).second, std::string());  // nothing remembered yet
    QCOMPARE(t.window.fileListView()->count(), 2);
    // Names in the list, so that typing finds them; the whole path in the tooltip.
    QCOMPARE(t.window.fileListView()->item(0)->text(), QStringLiteral("A.JPG"));
    QCOMPARE(t.window.fileListView()->item(0)->toolTip(),
             QString::fromStdString(dir.file("A.JPG")));
    QCOMPARE(readSettings(t.config.settingsFile()).lastFolder, dir.path());
    QCOMPARE(t.workspace().currentFolder, dir.path());
    QVERIFY(t.workspace().currentFile.empty());  // listing does not select

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
    emit t.window.fileListView()->itemDoubleClicked(t.window.fileListView()->item(1));
    QVERIFY(t.workspace().rows().empty());
}

void MainWindowTest::exitAndCancelEndTheWindow() {
    for (int id : {204, 2}) {
        TestWindow t;
        fixture::TempDir dir;
        t.workspace().fileList = {
            dir.write("p.jpg", testing::pictureJpeg(QSize(64, 48), testing::sampleTiff()))};
        t.window.refreshFileList();
        t.window.show();
        QVERIFY(t.selectAndWait(0));
        QVERIFY(!t.window.previewPane()->picture().isNull());
        t.window.dispatch(id);
        QVERIFY(!t.window.isVisible());
        QVERIFY(t.window.previewPane()->picture().isNull());
        QVERIFY(!t.workspace().analysedFile().has_value());
    }
    // The Esc key is the cancel command.
    TestWindow t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    QTest::keyClick(&t.window, Qt::Key_Return);
    QVERIFY(t.window.isVisible());
    QTest::keyClick(&t.window, Qt::Key_Escape);
    QVERIFY(!t.window.isVisible());
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
    for (const char* name : {"a.jpeg", "c.Jpg", "d.tif"})
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
        QStringList texts;
        for (int i = 0; i < t.window.fileListView()->count(); ++i) {
            texts << t.window.fileListView()->item(i)->toolTip();
        }
        return texts;
    };

    drop({local(folder), local(dir.file("a.jpeg")), local(dir.file("c.Jpg")),
          local(dir.file("d.tif")), local(dir.file("a.jpeg")), QUrl("https://example.org/x.jpg")});
    QCOMPARE(listed(), QStringList({QString::fromStdString(dir.file("a.jpeg")),
                                    QString::fromStdString(dir.file("a.jpeg")),
                                    QString::fromStdString(dir.file("c.Jpg")),
                                    QString::fromStdString(folder + "/in.jpg")}));
    drop({local(dir.file("a.jpeg")), local(folder)});
    QCOMPARE(listed(), QStringList({QString::fromStdString(folder + "/in.jpg")}));
    QCOMPARE(t.workspace().currentFolder, folder);
    QVERIFY(t.workspace().currentFile.empty());
    QVERIFY(t.workspace().rows().empty());
    QCOMPARE(t.workspace().settings.lastFolder, std::string("/kept"));
    QVERIFY(t.takeMessages().empty());

    // A dropped file that analysis then refuses says why when it is selected: in the status
    // bar and in the middle of the emptied table, never in a message box that would stop
    // the browsing.
    drop({local(dir.file("c.Jpg"))});
    t.window.fileListView()->setCurrentRow(0);
    QCOMPARE(t.workspace().currentFile, dir.file("c.Jpg"));
    QVERIFY(t.takeMessages().empty());
    QCOMPARE(t.window.tagListModel()->rowCount(), 0);
    QVERIFY(!t.window.tagListView()->emptyText().isEmpty());
    QVERIFY(t.window.statusBar()->currentMessage().contains(t.window.tagListView()->emptyText()));
}

void MainWindowTest::clipboardCopiesTagAndContentOfSelectedRows() {
    TestWindow t;
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "1")};
    tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, "2004:05:06 07:08:09")}};
    t.workspace().analyzeBytes(fixture::jpegWith(tiff));
    t.window.refreshRows();

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    t.window.dispatch(206);  // nothing selected: the clipboard keeps its text
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    selectRows(t.window, {4, 1});
    t.window.dispatch(206);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromUtf8("画像タイトル\t1\n原画像データの生成日時\t2004:05:06 07:08:09\n"));
    selectRows(t.window, {0});  // a heading copies as its text
    t.window.dispatch(206);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("【0th IFD】\n"));
    QVERIFY(t.takeMessages().empty());
}

void MainWindowTest::layoutFollowsTheWindowSize() {
    TestWindow t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    const QSize pane = t.window.previewPane()->contentsRect().size();
    const QRect paneBefore = t.window.previewPane()->geometry();
    for (QSize size : {QSize(900, 700), QSize(1200, 900)}) {
        t.window.resize(size);
        QTRY_COMPARE(t.window.clientArea()->width(), size.width());
        const int w = t.window.clientArea()->width();
        const int h = t.window.clientArea()->height();
        QCOMPARE(t.window.fileListView()->geometry(),
                 QRect(pane.width() + 10, 30, w - pane.width() - 14, pane.height() + 10));
        QCOMPARE(t.window.tagListView()->geometry(),
                 QRect(0, pane.height() + 40, w - 2, h - pane.height() - 40));
        QCOMPARE(t.window.toolBar()->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(t.window.toolBar()->width(), w);
        QCOMPARE(t.window.previewPane()->geometry(), paneBefore);
    }
    // At the smallest size every control keeps a positive size.
    t.window.resize(10, 10);
    QTest::qWait(50);
    QVERIFY(t.window.fileListView()->width() > 0);
    QVERIFY(t.window.tagListView()->height() > 0);
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
    QCOMPARE(texts, QStringList({QStringLiteral("Brevino Version 1.32")}));
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

    // Closing the window (Esc) and a batch run ask too; Cancel keeps the window open.
    edit("again");
    const size_t asked = t.questioner.asked.size();
    t.questioner.answers = {Answer::Cancel, Answer::Cancel};
    t.window.show();
    t.window.dispatch(ids::kCancel);
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

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
