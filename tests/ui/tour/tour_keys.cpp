// Every shortcut of the main window pressed as a person presses it, with the real dialogs
// that come up: Qt's own folder dialog and standard buttons in the window's language
// (Japanese or English), the input dialog with its byte limit, the question about unsaved
// edits; and the batch dialog's tab order.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <cstdio>

#include "platform/language.h"
#include "tour_parts.h"
#include "tour_support.h"
#include "ui/batch_dialog.h"
#include "ui/file_list_view.h"
#include "ui/input_dialog.h"
#include "ui/main_window.h"
#include "ui/tag_list_model.h"
#include "workspace/command_ids.h"

namespace brevino::tour {
namespace {

int rowOfTag(ui::MainWindow& window, const char* tag) {
    for (int row = 0; row < window.tagListModel()->rowCount(); ++row) {
        if (window.tagListModel()->index(row, 3).data().toString() == QString::fromUtf8(tag))
            return row;
    }
    return -1;
}

QString cell(ui::MainWindow& window, int row) {
    return window.tagListModel()->index(row, 4).data().toString();
}

// What the dialogs and rows say in each language: Qt's standard buttons, the Make row's tag,
// and the messages after a save and after a redo that finds nothing.
struct Texts {
    const char* cancel;
    const char* save;
    const char* discard;
    const char* yes;
    const char* no;
    const char* make;
    const char* saved;
    const char* nothingToRedo;
};

const Texts kJapanese = {"キャンセル",
                         "保存",
                         "破棄",
                         "はい",
                         "いいえ",
                         "画像入力機器のメーカー名",
                         "Exif情報を上書きしました。",
                         "やり直す操作がありません。"};
const Texts kEnglish = {"Cancel",
                        "Save",
                        "Discard",
                        "Yes",
                        "No",
                        "Make",
                        "The Exif data was overwritten.",
                        "There is no operation to redo."};

}  // namespace

int keys(const QStringList& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brevino_desktop_tour keys FOLDER\n");
        return 2;
    }
    const QString folder = args[0];
    const Texts& texts = textLanguage() == Language::Japanese ? kJapanese : kEnglish;
    auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    std::printf("keys: every shortcut, with the real dialogs, in %s\n",
                textLanguage() == Language::Japanese ? "Japanese" : "English");
    Checks checks;
    DialogAnswers answers;
    ui::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) return 2;
    ui::TagTableView* table = window.tagListView();
    auto press = [&](QWidget* where, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(where, key, modifiers);
        QTest::qWait(50);
    };

    // Ctrl+O: Qt's folder dialog, in the window's language; the folder's first file is selected.
    QStringList folderDialog;
    answers.expect([&](QWidget* dialog) {
        folderDialog = textsOf(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name) {
            name->setText(folder);
            QTest::keyClick(name, Qt::Key_Return);
        }
    });
    press(table, Qt::Key_O, Qt::ControlModifier);
    waitFor([&] { return !window.isListing() && !window.workspace().currentFile.empty(); }, 5000);
    checks.check(
        folderDialog.contains(text(texts.cancel)),
        QStringLiteral("Ctrl+O: folder dialog: %1").arg(folderDialog.join(QStringLiteral(", "))));
    checks.check(window.fileListView()->currentRow() == 0 && window.tagListModel()->rowCount() > 0,
                 QStringLiteral("the opened folder's first file is shown: %1")
                     .arg(window.fileListView()->text(0)));

    // The Down key in the list shows the next file.
    window.fileListView()->setFocus();
    press(window.fileListView(), Qt::Key_Down);
    checks.check(
        window.fileListView()->currentRow() == 1,
        QStringLiteral("Down: the list's second file: %1").arg(window.fileListView()->text(1)));

    // F2 and Enter edit the current row; the dialog shows the field's limit in bytes.
    const int make = rowOfTag(window, texts.make);
    const QString before = cell(window, make);
    table->setFocus();
    table->setCurrentIndex(window.tagListModel()->index(make, 3));
    QString limit;
    answers.expect([&](QWidget* dialog) {
        auto* input = qobject_cast<ui::InputDialog*>(dialog);
        if (!input) return;
        input->field()->setText(QStringLiteral("tour"));
        limit = input->limitLabel()->text();
        QTest::keyClick(input->field(), Qt::Key_Return);
    });
    press(table, Qt::Key_F2);
    checks.check(
        cell(window, make) == QStringLiteral("tour") &&
            window.windowTitle().endsWith(QLatin1Char('*')),
        QStringLiteral("F2: edited to \"%1\", the dialog said %2").arg(cell(window, make), limit));
    bool asked = false;
    answers.expect([&](QWidget* dialog) {
        asked = qobject_cast<ui::InputDialog*>(dialog) != nullptr;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    press(table, Qt::Key_Return);
    checks.check(asked, QStringLiteral("Enter: the input dialog for the current row"));

    // Ctrl+Z takes the unsaved edit back, and nothing else.
    press(table, Qt::Key_Z, Qt::ControlModifier);
    checks.check(cell(window, make) == before && !window.windowTitle().endsWith(QLatin1Char('*')),
                 QStringLiteral("Ctrl+Z: the edit taken back: \"%1\"").arg(cell(window, make)));

    // Ctrl+C copies the selected rows, tab-separated.
    table->selectionModel()->select(
        window.tagListModel()->index(make, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QGuiApplication::clipboard()->clear();
    press(table, Qt::Key_C, Qt::ControlModifier);
    checks.check(QGuiApplication::clipboard()->text().contains(QLatin1Char('\t')),
                 QStringLiteral("Ctrl+C: %1").arg(QGuiApplication::clipboard()->text().trimmed()));

    // Ctrl+F opens the filter, Esc closes it; Esc again leaves the window open.
    press(table, Qt::Key_F, Qt::ControlModifier);
    const bool filterShown = window.filterField()->isVisible();
    press(window.filterField(), Qt::Key_Escape);
    press(table, Qt::Key_Escape);
    checks.check(filterShown && !window.filterField()->isVisible() && window.isVisible(),
                 QStringLiteral("Ctrl+F opens the filter, Esc closes it, Esc again does nothing"));

    // F5 lists the folder again.
    const int listed = window.fileListView()->count();
    press(table, Qt::Key_F5);
    waitFor([&] { return !window.isListing(); }, 5000);
    checks.check(window.fileListView()->count() == listed,
                 QStringLiteral("F5: %1 files listed again").arg(listed));

    // Ctrl+Q with an unsaved edit asks, with Qt's standard buttons; Cancel stays.
    answers.expect([&](QWidget* dialog) {
        if (auto* input = qobject_cast<ui::InputDialog*>(dialog)) {
            input->field()->setText(QStringLiteral("tour2"));
            QTest::keyClick(input->field(), Qt::Key_Return);
        }
    });
    press(table, Qt::Key_F2);
    QStringList question;
    answers.expect([&](QWidget* dialog) {
        question = textsOf(dialog);
        clickButton(dialog, text(texts.cancel));
    });
    press(table, Qt::Key_Q, Qt::ControlModifier);
    const QString buttons = question.join(QLatin1Char(' '));
    checks.check(
        buttons.contains(text(texts.save)) && buttons.contains(text(texts.discard)) &&
            buttons.contains(text(texts.cancel)) && window.isVisible(),
        QStringLiteral("Ctrl+Q asks: %1; Cancel stays").arg(question.join(QStringLiteral(", "))));

    // Ctrl+S saves; with no unsaved edit, Ctrl+Z takes the save back.
    QStringList saved;
    answers.expect([&](QWidget* dialog) {
        saved = textsOf(dialog);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    press(table, Qt::Key_S, Qt::ControlModifier);
    checks.check(saved.contains(text(texts.saved)),
                 QStringLiteral("Ctrl+S: %1").arg(saved.value(0)));
    // With no unsaved edit, Ctrl+Z takes the save back after a question naming it, with Qt's
    // Yes and No; Ctrl+Shift+Z applies it again; Ctrl+Y finds nothing more.
    const QString saved2 = cell(window, make);
    struct Step {
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        const char* name;
        QString shown;
    };
    const Step steps[] = {
        {Qt::ControlModifier, Qt::Key_Z, "Ctrl+Z", before},
        {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, "Ctrl+Shift+Z", saved2}};
    for (const Step& step : steps) {
        QStringList asked, told;
        answers.expect([&](QWidget* dialog) {
            asked = textsOf(dialog);
            clickButton(dialog, text(texts.yes));
        });
        answers.expect([&](QWidget* dialog) {
            told = textsOf(dialog);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        press(table, step.key, step.modifiers);
        waitFor([&] { return !window.isListing(); }, 5000);
        const QString buttons = asked.join(QLatin1Char(' '));
        checks.check(buttons.contains(text(texts.yes)) && buttons.contains(text(texts.no)) &&
                         cell(window, make) == step.shown,
                     QStringLiteral("%1 asks: %2; then: %3")
                         .arg(QString::fromLatin1(step.name), asked.join(QStringLiteral(", ")),
                              told.value(0).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    }
    QStringList nothing;
    answers.expect([&](QWidget* dialog) {
        nothing = textsOf(dialog);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    press(table, Qt::Key_Y, Qt::ControlModifier);
    checks.check(nothing.contains(text(texts.nothingToRedo)),
                 QStringLiteral("Ctrl+Y: %1").arg(nothing.value(0)));

    // The batch dialog: Tab visits every field.
    QStringList order;
    answers.expect([&](QWidget* dialog) {
        auto* batch = qobject_cast<ui::BatchDialog*>(dialog);
        if (!batch || !QTest::qWaitForWindowActive(batch)) return;
        batch->operationBox()->setFocus();
        for (int i = 0; i < 4; ++i) {
            order << batch->focusWidget()->objectName();
            QTest::keyClick(batch->focusWidget(), Qt::Key_Tab);
        }
        order << batch->focusWidget()->objectName();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window.action(ids::kBatch)->trigger();
    checks.check(
        order ==
            QStringList({QString::number(ids::kBatchOperation), QString::number(ids::kBatchValue),
                         QString::number(ids::kBatchGo), QString::number(ids::kBatchClose),
                         QString::number(ids::kBatchOperation)}),
        QStringLiteral("batch dialog: Tab visits %1").arg(order.join(QStringLiteral(" → "))));

    // Ctrl+Q ends the program.
    press(table, Qt::Key_Q, Qt::ControlModifier);
    checks.check(!window.isVisible(), QStringLiteral("Ctrl+Q closes the window"));
    checks.check(answers.allAnswered() && answers.unexpected().isEmpty(),
                 QStringLiteral("no other dialog came up: %1")
                     .arg(answers.unexpected().join(QStringLiteral("; "))));
    return checks.failed() == 0 ? 0 : 1;
}

}  // namespace brevino::tour
