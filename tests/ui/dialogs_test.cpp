// The input dialog (its limits shown and refusals), the options dialog, message boxes in
// Japanese, and the file choosers' filters.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/settings_profile.h"
#include "ui/add_entry_dialog.h"
#include "ui/application_setup.h"
#include "ui/gui_hooks.h"
#include "ui/input_dialog.h"
#include "ui/qt_text.h"
#include "ui/small_dialogs.h"
#include "ui_test_support.h"

using namespace brevino;

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void inputDialogAcceptsWithEnterAndOk();
    void inputDialogCancelsWithEsc();
    void inputDialogHoldsAtMost255Bytes();
    void inputDialogShowsTheLimitAndKeepsRefusedText();
    void addEntryDialogListsMissingTagsAndKeepsRefusedValues();
    void optionsOkStoresTheBoxesAndWritesEverySetting();
    void optionsCancelChangesNothing();
    void messageBoxHasOneOkButtonAndNoIcon();
    void qtsOwnButtonsSpeakJapanese();
    void choosersOfferSideFilesAndAllFiles();
    void exportChooserAddsTheExtensionAndNeverAsks();
};

void DialogsTest::inputDialogAcceptsWithEnterAndOk() {
    {
        ui::InputDialog dialog("画像タイトル", "old");
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("画像タイトル"));
        QCOMPARE(dialog.field()->text(), QStringLiteral("old"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
        dialog.field()->selectAll();
        dialog.field()->insert(QString::fromUtf8("新しい"));
        QTest::keyClick(dialog.field(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.text(), std::string("新しい"));
    }
    {
        ui::InputDialog dialog("tag", "value");
        dialog.show();
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.text(), std::string("value"));
    }
    // Through the prompt that editing uses.
    QWidget owner;
    ui::DialogInputPrompt prompt(&owner);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ui::InputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->field()->setText(QStringLiteral("72/1"));
        QTest::keyClick(dialog->field(), Qt::Key_Enter);
    });
    QCOMPARE(prompt.prompt("x", "1/1", {}), std::optional<std::string>("72/1"));
}

void DialogsTest::inputDialogCancelsWithEsc() {
    QWidget owner;
    ui::DialogInputPrompt prompt(&owner);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ui::InputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->field()->setText(QStringLiteral("typed"));
        QTest::keyClick(dialog->field(), Qt::Key_Escape);
    });
    QCOMPARE(prompt.prompt("x", "kept", {}), std::nullopt);
}

void DialogsTest::inputDialogHoldsAtMost255Bytes() {
    ui::InputDialog dialog("tag", "");
    dialog.field()->setText(QString(300, QLatin1Char('a')));
    QCOMPARE(dialog.field()->text().size(), 255);
    // Three-byte characters: 85 fit, the 86th would split.
    dialog.field()->setText(QString(100, QChar(0x65E5)));
    QCOMPARE(dialog.field()->text().size(), 85);
    QCOMPARE(dialog.text().size(), size_t{255});
    dialog.field()->setText(QStringLiteral("ab") + QString(100, QChar(0x65E5)));
    QCOMPARE(dialog.text().size(), size_t{254});
}

void DialogsTest::inputDialogShowsTheLimitAndKeepsRefusedText() {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "old", 32), fixture::shorts(0x0112, {1})};
    testing::TestWorkspace t;
    QVERIFY(t.analyze(fixture::jpegWith(tiff)));
    const struct {
        const char* tag;
        QString typed;
        QString shown;        // under the field
        std::string refused;  // the message, or empty when OK takes the text
    } cases[] = {
        {"画像タイトル", QString(48, QLatin1Char('x')), QString::fromUtf8("48 / 31 ﾊﾞｲﾄ"),
         "値が長すぎます。(31 ﾊﾞｲﾄまで)"},
        {"画像タイトル", QString(10, QChar(0x65E5)) + QStringLiteral("x"),
         QString::fromUtf8("31 / 31 ﾊﾞｲﾄ"), ""},
        {"画像方向", QStringLiteral("70000"), QString::fromUtf8("0〜65535"),
         "値が範囲外です。(0〜65535)"},
        {"画像方向", QStringLiteral("six"), QString::fromUtf8("0〜65535"),
         "数値を入力して下さい。"},
        {"画像方向", QStringLiteral("6"), QString::fromUtf8("0〜65535"), ""},
    };
    for (const auto& c : cases) {
        const size_t row = static_cast<size_t>(t.findRow(c.tag));
        ui::InputDialog dialog(c.tag, t.cell(row, Column::Content), t.workspace.inputField(row));
        dialog.show();
        dialog.field()->setText(c.typed);
        QCOMPARE(dialog.limitLabel()->text(), c.shown);
        // OK on a refused text says why in a message box; the dialog stays with the text.
        std::string told;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told = ui::toUtf8(box->text());
                box->accept();
            }
        });
        QTest::keyClick(dialog.field(), Qt::Key_Return);
        QCOMPARE(told, c.refused);
        QCOMPARE(dialog.isVisible(), !c.refused.empty());
        QCOMPARE(dialog.field()->text(), c.typed);
    }
}

void DialogsTest::addEntryDialogListsMissingTagsAndKeepsRefusedValues() {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010F, "Maker"), fixture::ascii(0x013B, "Taro")};
    tiff.exif = fixture::Ifd{{fixture::rationals(0x829A, {{1, 60}})}};
    testing::TestWorkspace t;
    QVERIFY(t.analyze(fixture::jpegWith(tiff)));
    ui::AddEntryDialog dialog(t.workspace);
    dialog.show();
    QCOMPARE(dialog.ifdBox()->currentText(), QStringLiteral("0th"));
    // Only the tags the IFD lacks, and none that holds the file's structure.
    QCOMPARE(dialog.tagBox()->findData(0x013B), -1);
    QCOMPARE(dialog.tagBox()->findData(0x8769), -1);
    QVERIFY(dialog.tagBox()->findData(0x8298) >= 0);
    dialog.ifdBox()->setCurrentIndex(dialog.ifdBox()->findText(QStringLiteral("exif")));
    QCOMPARE(dialog.tagBox()->findData(0x829A), -1);
    dialog.tagBox()->setCurrentIndex(dialog.tagBox()->findData(0x8827));
    const struct {
        QString typed;
        std::string refused;  // the message, or empty when OK takes the value
    } cases[] = {
        {QStringLiteral("many"), "数値を入力して下さい。"},
        {QStringLiteral("70000"), "値が範囲外です。(0〜65535)"},
        {QStringLiteral("200"), ""},
    };
    for (const auto& c : cases) {
        dialog.valueField()->setText(c.typed);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        const std::vector<testing::Message> told = t.takeMessages();
        QCOMPARE(told.empty() ? std::string() : told.front().text, c.refused);
        QCOMPARE(dialog.isVisible(), !c.refused.empty());
    }
    QVERIFY(dialog.addition());
    QCOMPARE(dialog.addition()->tag, uint16_t{0x8827});
    QCOMPARE(dialog.addition()->ifd, IfdKind::Exif);
}

void DialogsTest::optionsOkStoresTheBoxesAndWritesEverySetting() {
    testing::ConfigFolder config;
    const std::string path = config.settingsFile();
    fixture::writeFile(path, fixture::Bytes{});
    const std::string text =
        "[option]\nfolder=5\nfolderpath=/photos\nDateUp=2\nAllDate=0\n"
        "ExifDate=0\n";
    fixture::writeFile(path, fixture::Bytes(text.begin(), text.end()));
    Settings settings = readSettings(path);

    ui::OptionsDialog dialog(settings, path);
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("ｵﾌﾟｼｮﾝ設定"));
    const auto groups = dialog.findChildren<QGroupBox*>();
    QCOMPARE(groups.size(), 3);
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(dialog.box(605)->isChecked());  // 5 is on
    QVERIFY(dialog.box(606)->isChecked());  // 2 shows ticked
    QVERIFY(!dialog.box(607)->isChecked());
    QVERIFY(!dialog.box(608)->isChecked());
    QCOMPARE(dialog.box(605)->text(), QString::fromUtf8("ﾌｫﾙﾀﾞ選択時、最後に開いたﾌｫﾙﾀﾞから開く"));
    QCOMPARE(dialog.box(606)->text(), QString::fromUtf8("更新日時を変更しない"));
    QCOMPARE(dialog.box(607)->text(), QString::fromUtf8("日時一括変更"));
    QCOMPARE(dialog.box(608)->text(), QString::fromUtf8("保存時、ﾌｧｲﾙ変更日時に合わせる"));
    QCOMPARE(dialog.box(609)->text(), QString::fromUtf8("画像方向に合わせて表示する"));
    QVERIFY(dialog.box(609)->isChecked());  // missing: on
    QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Cancel"));

    dialog.show();
    dialog.box(607)->click();
    dialog.box(609)->click();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(settings.folder, uint8_t{1});
    QCOMPARE(settings.dateUp, uint8_t{1});
    QCOMPARE(settings.allDate, uint8_t{1});
    QCOMPARE(settings.exifDate, uint8_t{0});
    const fixture::Bytes written = fixture::readFile(path);
    QCOMPARE(std::string(written.begin(), written.end()),
             std::string("[option]\nfolder=1\nfolderpath=/photos\nDateUp=1\nAllDate=1\n"
                         "ExifDate=0\nRotate=0\n"));
}

void DialogsTest::optionsCancelChangesNothing() {
    testing::ConfigFolder config;
    const std::string path = config.settingsFile();
    Settings settings = loadSettings(path);
    const fixture::Bytes before = fixture::readFile(path);
    for (bool useEsc : {false, true}) {
        ui::OptionsDialog dialog(settings, path);
        dialog.show();
        for (int id : {605, 606, 607, 608})
            dialog.box(id)->click();
        if (useEsc) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        }
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings.folder, uint8_t{1});
        QCOMPARE(settings.dateUp, uint8_t{1});
        QCOMPARE(settings.allDate, uint8_t{0});
        QCOMPARE(fixture::readFile(path), before);
    }
}

void DialogsTest::messageBoxHasOneOkButtonAndNoIcon() {
    ui::MessageBox box("Exif情報を上書きしました。", "ﾒｯｾｰｼﾞ", nullptr);
    QCOMPARE(box.text(), QString::fromUtf8("Exif情報を上書きしました。"));
    QCOMPARE(box.windowTitle(), QString::fromUtf8("ﾒｯｾｰｼﾞ"));
    QCOMPARE(box.icon(), QMessageBox::NoIcon);
    QCOMPARE(box.buttons().size(), 1);
    QCOMPARE(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.textFormat(), Qt::PlainText);
}

void DialogsTest::qtsOwnButtonsSpeakJapanese() {
    QVERIFY(ui::installQtTranslations());
    const std::pair<QMessageBox::StandardButton, const char*> buttons[] = {
        {QMessageBox::Save, "保存"},         {QMessageBox::Discard, "破棄"},
        {QMessageBox::Cancel, "キャンセル"}, {QMessageBox::Yes, "はい"},
        {QMessageBox::No, "いいえ"},
    };
    QMessageBox box;
    for (const auto& [button, text] : buttons)
        box.addButton(button);
    for (const auto& [button, text] : buttons)
        QVERIFY2(box.button(button)->text().contains(QString::fromUtf8(text)),
                 qPrintable(box.button(button)->text()));
}

void DialogsTest::choosersOfferSideFilesAndAllFiles() {
    QCOMPARE(
        ui::chooserFilters(ui::FileChoice::Export),
        QStringList({QStringLiteral("Export Files (*.ap1)"), QStringLiteral("All Files (*)")}));
    QCOMPARE(ui::chooserFilters(ui::FileChoice::Import).front(),
             QStringLiteral("Import Files (*.ap1)"));
}

void DialogsTest::exportChooserAddsTheExtensionAndNeverAsks() {
    fixture::TempDir dir;
    const std::string current = dir.write("photo.jpg", {1});
    const std::string existing = dir.write("old.ap1", {1});
    QWidget owner;
    ui::DialogFileChooser chooser(&owner, &current);
    auto typeName = [](const QString& name) {
        QTimer::singleShot(0, [name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Exportﾌｧｲﾙを開く"));
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            edit->setText(name);
            QTest::keyClick(edit, Qt::Key_Return);
            // An existing file is taken without a question box in between.
            QTimer::singleShot(200, [] {
                if (QWidget* other = QApplication::activeModalWidget()) {
                    QTest::keyClick(other, Qt::Key_Escape);
                }
            });
        });
    };
    typeName(QStringLiteral("side"));
    QCOMPARE(chooser.choose(ui::FileChoice::Export, "Exportﾌｧｲﾙを開く"),
             std::optional<std::string>(dir.file("side.ap1")));
    typeName(QStringLiteral("old.ap1"));
    QCOMPARE(chooser.choose(ui::FileChoice::Export, "Exportﾌｧｲﾙを開く"),
             std::optional<std::string>(existing));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
