#include "ui/gui_hooks.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

#include "ui/dialog_units.h"
#include "ui/input_dialog.h"
#include "ui/qt_text.h"
#include "workspace/file_list.h"

namespace brevino::ui {

MessageBox::MessageBox(std::string_view text, std::string_view caption, QWidget* owner)
    : QMessageBox(QMessageBox::NoIcon, fromUtf8(caption), fromUtf8(text), QMessageBox::Ok, owner) {
    setTextFormat(Qt::PlainText);
    if (QAbstractButton* ok = button(QMessageBox::Ok)) ok->setIcon(QIcon());
}

void MessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);  // settles the box's size
    centreOnScreen(this);
}

void MessageBoxReporter::report(std::string_view text, std::string_view caption) {
    MessageBox box(text, caption, owner_);
    box.exec();
}

Answer MessageBoxQuestioner::ask(std::string_view text, std::string_view caption, Choices choices) {
    const bool yesNo = choices == Choices::YesNo;
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(caption), fromUtf8(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No
                          : QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    owner_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Save);
    box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
        case QMessageBox::Save:
            return Answer::Yes;
        case QMessageBox::No:
        case QMessageBox::Discard:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<std::string> DialogInputPrompt::prompt(std::string_view caption,
                                                     std::string_view initialText,
                                                     const InputField& field) {
    return InputDialog::ask(caption, initialText, field, owner_);
}

QStringList chooserFilters(FileChoice purpose) {
    const char* const context = "brevino::ui::DialogFileChooser";
    return {QCoreApplication::translate(
                context,
                purpose == FileChoice::Export
                    ? QT_TRANSLATE_NOOP("brevino::ui::DialogFileChooser", "Export Files (*.ap1)")
                    : QT_TRANSLATE_NOOP("brevino::ui::DialogFileChooser", "Import Files (*.ap1)")),
            QCoreApplication::translate(
                context, QT_TRANSLATE_NOOP("brevino::ui::DialogFileChooser", "All Files (*)"))};
}

std::optional<std::string> DialogFileChooser::choose(FileChoice purpose, std::string_view title) {
    QFileDialog dialog(owner_, fromUtf8(title));
    dialog.setNameFilters(chooserFilters(purpose));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(purpose == FileChoice::Export ? QFileDialog::AcceptSave
                                                       : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (startFile_ && !startFile_->empty()) {
        const size_t slash = startFile_->rfind('/');
        if (slash != std::string::npos) {
            dialog.setDirectory(localPath(slash == 0 ? "/" : startFile_->substr(0, slash)));
        }
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    std::string path = fromLocalPath(files.front());
    if (purpose == FileChoice::Export) path = withDefaultExtension(std::move(path), ".ap1");
    return path;
}

std::optional<std::string> DialogFolderBrowser::browse(std::string_view title,
                                                       const std::string& startFolder) {
    const QString chosen = QFileDialog::getExistingDirectory(
        owner_, fromUtf8(title), startFolder.empty() ? QString() : localPath(startFolder),
        QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return std::nullopt;
    return fromLocalPath(chosen);
}

}  // namespace brevino::ui
