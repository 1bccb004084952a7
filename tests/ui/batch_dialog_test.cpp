// The batch dialog: its controls and their tab order, the checks and the question before a
// run, a run over three files off the window's thread with its captions, progress and
// closing message, cancelling between files, and the main window after a run.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <thread>

#include "ui/batch_dialog.h"
#include "ui/preview_pane.h"
#include "ui/tag_list_model.h"
#include "ui_test_support.h"

using namespace brevino;
using brevino::testing::Message;
using brevino::testing::TestWindow;

namespace {

// Records the dialog's captions as they change, and the caption shown with each message.
struct Observer {
    QStringList captions;
    std::vector<std::pair<Message, QString>> messages;
};

class CaptionReporter : public Reporter {
  public:
    CaptionReporter(Observer& observer, QWidget*& dialog) : observer_(observer), dialog_(dialog) {}
    void report(std::string_view text, std::string_view caption) override {
        observer_.messages.push_back({{std::string(text), std::string(caption)},
                                      dialog_ ? dialog_->windowTitle() : QString()});
    }

  private:
    Observer& observer_;
    QWidget*& dialog_;
};

// Holds the run before file `index` until the dialog cancels it (a few seconds at most).
void holdBefore(ui::BatchDialog& dialog, size_t index) {
    dialog.worker().setStepHook([index](size_t at, const std::atomic<bool>& cancelled) {
        for (int waited = 0; at == index && !cancelled && waited < 5000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
}

std::string titleOf(const std::string& path) {
    Workspace workspace;
    workspace.analyze(path);
    for (size_t row = 0; row < workspace.rowCount(); ++row) {
        if (workspace.cell(row, Column::Tag) == "画像タイトル") {
            return std::string(workspace.cell(row, Column::Content));
        }
    }
    return {};
}

}  // namespace

class BatchDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsAndInitialTexts();
    void goNeedsAnOperationAndFiles();
    void refusedValuesAreToldBeforeTheQuestion();
    void runOverThreeFiles();
    void filesThatFailAreToldInsteadOfSuccess();
    void cancelTakesEffectBetweenFiles();
    void enterStartsAndEscStopsTheRun();
    void mainWindowFollowsARenamedCurrentFile();
    void commandOpensTheDialog();
};

void BatchDialogTest::controlsAndInitialTexts() {
    Workspace workspace;
    ui::BatchDialog dialog(workspace, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Batch Convert"));
    QComboBox* box = dialog.operationBox();
    QVERIFY(box->isEditable());
    // The hints are placeholders, never the fields' texts.
    QCOMPARE(box->currentText(), QString());
    QCOMPARE(box->lineEdit()->placeholderText(), QString::fromUtf8("変更するﾀｸﾞを選択して下さい"));
    // The operations, then every standard tag name.
    QCOMPARE(box->count(), static_cast<int>(kBatchOperations.size()) + 165);
    QCOMPARE(box->itemText(6), QString::fromUtf8("位置情報を削除"));
    QCOMPARE(box->itemText(9), QString::fromUtf8("時差を設定"));
    QCOMPARE(box->itemText(0), QString::fromUtf8("Exifのﾌｧｲﾙ変更日時をﾌｧｲﾙ名にする"));
    QCOMPARE(box->itemText(4), QString::fromUtf8("ﾌｧｲﾙ名をExifの画像ﾀｲﾄﾙにする"));
    QVERIFY(box->findText(QString::fromUtf8("画像タイトル")) >= 5);
    QCOMPARE(dialog.valueField()->text(), QString());
    QCOMPARE(dialog.valueField()->placeholderText(),
             QString::fromUtf8("変更する値をここに入力して下さい"));
    QCOMPARE(dialog.goButton()->text(), QStringLiteral("GO"));
    QCOMPARE(dialog.closeButton()->text(), QStringLiteral("CANCEL"));
    QCOMPARE(dialog.progressBar()->value(), 0);
    // One cancel button only.
    QCOMPARE(dialog.findChildren<QPushButton*>().size(), 2);

    // The Tab key visits every field in reading order, and comes round again.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    box->setFocus();
    const QWidget* order[] = {dialog.valueField(), dialog.goButton(), dialog.closeButton(), box};
    for (const QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void BatchDialogTest::goNeedsAnOperationAndFiles() {
    TestWindow t;
    fixture::TempDir dir;
    ui::BatchDialog dialog(t.workspace(), &t.window);
    dialog.show();
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);  // empty file list
    QVERIFY(!dialog.running());
    t.workspace().fileList = {dir.write("1.jpg", fixture::jpegWith(testing::sampleTiff("old")))};
    dialog.operationBox()->setEditText(QString());
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);  // empty operation
    QVERIFY(!dialog.running());
    QVERIFY(t.questioner.asked.empty());
    // A name no dictionary knows is no operation: said at once, nothing read.
    dialog.operationBox()->setEditText(QStringLiteral("no such tag"));
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
    QVERIFY(!dialog.running());
    QCOMPARE(t.takeMessages(), (std::vector<Message>{{"変更するﾀｸﾞを選択して下さい", "message"}}));
    // A run that writes is confirmed first, by the operation's name; No leaves everything.
    dialog.operationBox()->setEditText(QString::fromUtf8("画像タイトル"));
    dialog.valueField()->setText(QStringLiteral("new"));
    t.questioner.answers = {Answer::No};
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
    QTRY_VERIFY(!dialog.running());
    QCOMPARE(
        t.questioner.asked,
        std::vector<std::string>{"「画像タイトル」で 1 個のﾌｧｲﾙを変更します。よろしいですか？"});
    QCOMPARE(titleOf(t.workspace().fileList[0]), std::string("old"));
    QVERIFY(t.takeMessages().empty());
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
    QVERIFY(dialog.running());
    QVERIFY(!dialog.goButton()->isEnabled());
    QVERIFY(!dialog.operationBox()->isEnabled());
    QVERIFY(!dialog.valueField()->isEnabled());
    QTRY_VERIFY(!dialog.running());
    QVERIFY(dialog.goButton()->isEnabled());
    QCOMPARE(t.takeMessages(), (std::vector<Message>{{"一括変換完了しました。", "message"}}));
    QCOMPARE(titleOf(t.workspace().fileList[0]), std::string("new"));
}

void BatchDialogTest::refusedValuesAreToldBeforeTheQuestion() {
    TestWindow t;
    fixture::TempDir dir;
    fixture::Tiff roomy = testing::sampleTiff("old");
    roomy.ifd0.entries[0] = fixture::ascii(0x010E, "old", 60);
    t.workspace().fileList = {dir.write("1.jpg", fixture::jpegWith(roomy)),
                              dir.write("2.jpg", fixture::jpegWith(testing::sampleTiff("old")))};
    const fixture::Bytes before = fixture::readFile(t.workspace().fileList[1]);
    ui::BatchDialog dialog(t.workspace(), &t.window);
    dialog.show();
    const struct {
        const char* operation;
        const char* value;
        const char* message;
    } cases[] = {
        // Too long for the second file's field: never cut silently in any file.
        {"画像タイトル", "a title of forty-eight characters, far too long",
         "2.jpg: 値が長すぎます。(19 ﾊﾞｲﾄまで)"},
        {"画像の幅の解像度", "72", "1.jpg: [/]を必ず入れて下さい。"},
        {"画像方向", "70000", "1.jpg: 値が範囲外です。(0〜65535)"},
        {"ファイル変更日時", "tomorrow",
         "1.jpg: 日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。"},
        {"日付をずらす", "an hour", "ずらす時間は「[+|-][日数 ]HH:MM[:SS]」の形で入力して下さい。"},
    };
    for (const auto& c : cases) {
        dialog.operationBox()->setEditText(QString::fromUtf8(c.operation));
        dialog.valueField()->setText(QString::fromUtf8(c.value));
        QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
        QTRY_VERIFY(!dialog.running());
        QCOMPARE(t.takeMessages(), (std::vector<Message>{{c.message, "message"}}));
        // The fields keep what was typed, to be mended.
        QCOMPARE(dialog.valueField()->text(), QString::fromUtf8(c.value));
    }
    QVERIFY(t.questioner.asked.empty());
    QCOMPARE(fixture::readFile(t.workspace().fileList[1]), before);
    QCOMPARE(titleOf(t.workspace().fileList[0]), std::string("old"));
}

void BatchDialogTest::runOverThreeFiles() {
    testing::ConfigFolder config;
    Observer observer;
    QWidget* shown = nullptr;
    CaptionReporter reporter(observer, shown);
    testing::ScriptedQuestioner questioner;
    ui::MainWindow window(ui::UiHooks{&reporter, nullptr, nullptr, nullptr, &questioner});
    window.show();
    fixture::TempDir dir;
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
        window.workspace().fileList.push_back(
            dir.write(name, fixture::jpegWith(testing::sampleTiff("old"))));
    }
    window.refreshFileList();

    ui::BatchDialog dialog(window.workspace(), &window);
    window.attachBatchDialog(dialog);
    shown = &dialog;
    connect(&dialog, &QWidget::windowTitleChanged,
            [&](const QString& title) { observer.captions << title; });
    dialog.show();
    dialog.operationBox()->setEditText(QString::fromUtf8("画像タイトル"));
    dialog.valueField()->setText(QStringLiteral("batch"));
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 5000);

    // The caption counts the files done (as often as the window takes them in), then comes back.
    QVERIFY(observer.captions.size() >= 2);
    QCOMPARE(observer.captions.back(), QStringLiteral("Batch Convert"));
    QCOMPARE(observer.captions[observer.captions.size() - 2], QString::fromUtf8("3 / 3 ﾌｧｲﾙ完了"));
    for (qsizetype i = 0; i + 1 < observer.captions.size(); ++i)
        QVERIFY(observer.captions[i].endsWith(QString::fromUtf8(" / 3 ﾌｧｲﾙ完了")));
    QCOMPARE(dialog.progressBar()->maximum(), 3);
    QCOMPARE(dialog.progressBar()->value(), 3);
    QCOMPARE(observer.messages.size(), size_t{1});
    QCOMPARE(observer.messages[0].first, (Message{"一括変換完了しました。", "message"}));
    QCOMPARE(observer.messages[0].second, QStringLiteral("Batch Convert"));
    QCOMPARE(dialog.goButton()->text(), QStringLiteral("GO"));
    QVERIFY(dialog.operationBox()->isEnabled());
    for (const std::string& path : window.workspace().fileList) {
        QCOMPARE(titleOf(path), std::string("batch"));
    }
    // No file was selected before the run: its last file's rows are not left to save.
    QCOMPARE(window.tagListModel()->rowCount(), 0);
    QVERIFY(window.workspace().rows().empty());
}

void BatchDialogTest::filesThatFailAreToldInsteadOfSuccess() {
    TestWindow t;
    fixture::TempDir dir;
    // Names without a date: the dates cannot be read from them.
    t.workspace().fileList = {
        dir.write("2004-05-06 07.08.09.jpg", fixture::jpegWith(testing::sampleTiff())),
        dir.write("holiday.jpg", fixture::jpegWith(testing::sampleTiff()))};
    ui::BatchDialog dialog(t.workspace(), &t.window);
    dialog.show();
    dialog.operationBox()->setCurrentIndex(2);  // file names into the dates
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
    QTRY_VERIFY(!dialog.running());
    QCOMPARE(t.takeMessages(),
             (std::vector<Message>{{"1 個のﾌｧｲﾙを変更しました。1 個は変更しませんでした。\n"
                                    "holiday.jpg: ﾌｧｲﾙ名から日付を読み取れません。",
                                    "message"}}));
}

void BatchDialogTest::cancelTakesEffectBetweenFiles() {
    TestWindow t;
    fixture::TempDir dir;
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
        t.workspace().fileList.push_back(
            dir.write(name, fixture::jpegWith(testing::sampleTiff("old"))));
    }
    ui::BatchDialog dialog(t.workspace(), &t.window);
    holdBefore(dialog, 1);
    dialog.show();
    dialog.operationBox()->setEditText(QString::fromUtf8("画像タイトル"));
    dialog.valueField()->setText(QStringLiteral("new"));
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
    QTRY_COMPARE(dialog.windowTitle(), QString::fromUtf8("1 / 3 ﾌｧｲﾙ完了"));
    QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    QVERIFY(!dialog.running());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 2);
    // What was done and what was not is told.
    QCOMPARE(t.takeMessages(),
             (std::vector<Message>{
                 {"1 個のﾌｧｲﾙを変更しました。2 個は変更しませんでした。", "message"}}));
    QCOMPARE(titleOf(t.workspace().fileList[0]), std::string("new"));
    QCOMPARE(titleOf(t.workspace().fileList[1]), std::string("old"));
    QCOMPARE(titleOf(t.workspace().fileList[2]), std::string("old"));
}

void BatchDialogTest::enterStartsAndEscStopsTheRun() {
    TestWindow t;
    fixture::TempDir dir;
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
        t.workspace().fileList.push_back(
            dir.write(name, fixture::jpegWith(testing::sampleTiff("old"))));
    }
    ui::BatchDialog dialog(t.workspace(), &t.window);
    holdBefore(dialog, 1);
    dialog.show();
    dialog.operationBox()->setEditText(QString::fromUtf8("画像タイトル"));
    // Enter in the value field is GO; during the run it does nothing.
    QTest::keyClick(dialog.valueField(), Qt::Key_Return);
    QVERIFY(dialog.running());
    QTRY_COMPARE(dialog.windowTitle(), QString::fromUtf8("1 / 3 ﾌｧｲﾙ完了"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(dialog.running());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 2);
    QVERIFY(!dialog.running());
    QCOMPARE(titleOf(t.workspace().fileList[1]), std::string("old"));
    QCOMPARE(titleOf(t.workspace().fileList[2]), std::string("old"));
}

void BatchDialogTest::mainWindowFollowsARenamedCurrentFile() {
    TestWindow t;
    fixture::TempDir dir;
    // m.jpg has no date to be named after; z.jpg is renamed and moves before it.
    t.workspace().fileList = {
        dir.write("m.jpg", testing::pictureJpeg(QSize(32, 24))),
        dir.write("z.jpg", testing::pictureJpeg(QSize(64, 48), testing::sampleTiff("A")))};
    t.window.refreshFileList();
    t.window.show();
    QVERIFY(t.selectAndWait(0));
    QVERIFY(t.selectAndWait(1));
    QVERIFY(!t.window.previewPane()->picture().isNull());

    ui::BatchDialog dialog(t.workspace(), &t.window);
    t.window.attachBatchDialog(dialog);
    dialog.show();
    dialog.operationBox()->setCurrentIndex(0);  // rename after the file-change date
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 5000);

    const std::string renamed = dir.file("2004：05：06 07：08：09.jpg");
    QCOMPARE(t.workspace().currentFile, renamed);
    QCOMPARE(t.workspace().analysedFile()->path, renamed);
    QVERIFY(t.window.tagListModel()->rowCount() > 0);
    // The list stays sorted, the renamed current file still selected.
    QCOMPARE(t.window.fileListView()->text(0), QString::fromUtf8("2004：05：06 07：08：09.jpg"));
    QCOMPARE(t.window.fileListView()->text(1), QStringLiteral("m.jpg"));
    QCOMPARE(t.window.fileListView()->currentRow(), 0);
    QVERIFY(testing::waitForPicture(t.window));
    QVERIFY(!t.window.previewPane()->picture().isNull());
}

void BatchDialogTest::commandOpensTheDialog() {
    TestWindow t;
    fixture::TempDir dir;
    t.workspace().fileList = {
        dir.write("a.jpg", testing::pictureJpeg(QSize(64, 48), testing::sampleTiff("A"))),
        dir.write("b.jpg", fixture::jpegWith(testing::sampleTiff("B")))};
    t.window.refreshFileList();
    t.window.show();
    t.window.selectFile(0);
    connect(&t.window, &ui::MainWindow::batchDialogOpened, [](ui::BatchDialog* dialog) {
        QTimer::singleShot(0, [dialog] {
            QCOMPARE(QApplication::activeModalWidget(), dialog);
            dialog->operationBox()->setEditText(QString::fromUtf8("画像タイトル"));
            dialog->valueField()->setText(QStringLiteral("X"));
            QTest::mouseClick(dialog->goButton(), Qt::LeftButton);
            // Closed once the run has ended.
            auto* check = new QTimer(dialog);
            QObject::connect(check, &QTimer::timeout, [dialog] {
                if (!dialog->running()) dialog->reject();
            });
            check->start(50);
        });
    });
    t.window.dispatch(205);
    QCOMPARE(t.takeMessages(), (std::vector<Message>{{"一括変換完了しました。", "message"}}));
    // The current file was analysed again: its rows show the new title, its preview is back.
    QCOMPARE(t.workspace().currentFile, dir.file("a.jpg"));
    QCOMPARE(t.workspace().analysedFile()->path, dir.file("a.jpg"));
    QCOMPARE(titleOf(dir.file("b.jpg")), std::string("X"));
    bool found = false;
    for (int row = 0; row < t.window.tagListModel()->rowCount(); ++row) {
        found = found || t.window.tagListModel()->index(row, 4).data().toString() == "X";
    }
    QVERIFY(found);
    QVERIFY(testing::waitForPicture(t.window));
    QVERIFY(!t.window.previewPane()->picture().isNull());
}

QTEST_MAIN(BatchDialogTest)
#include "batch_dialog_test.moc"
