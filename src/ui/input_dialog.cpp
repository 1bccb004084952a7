#include "ui/input_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "edit/editing.h"
#include "platform/text_encoding.h"
#include "ui/dialog_units.h"
#include "ui/qt_text.h"
#include "workspace/command_ids.h"

namespace brevino::ui {

InputDialog::InputDialog(std::string_view caption, std::string_view initialText, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("InputDialog"));
    setWindowTitle(fromUtf8(caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const DialogUnits units(font());
    setFixedSize(units.size(207, 27));

    field_ = new QLineEdit(this);
    field_->setObjectName(QString::number(ids::kInputEdit));
    field_->setGeometry(units.rect(6, 3, 165, 18));
    field_->setText(fromUtf8(initialText));
    connect(field_, &QLineEdit::textChanged, this, &InputDialog::keepWithinLimit);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QString::number(ids::kDialogOk));
    ok_->setGeometry(units.rect(174, 3, 30, 18));
    ok_->setDefault(true);  // Enter answers OK, Esc cancels
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    field_->setFocus();
}

std::string InputDialog::text() const {
    const QByteArray bytes = field_->text().toUtf8();
    const std::string_view all(bytes.constData(), static_cast<size_t>(bytes.size()));
    return std::string(all.substr(0, utf8CutLength(all, kInputLimit)));
}

void InputDialog::keepWithinLimit() {
    const QByteArray bytes = field_->text().toUtf8();
    if (static_cast<size_t>(bytes.size()) <= kInputLimit) return;
    const int cursor = field_->cursorPosition();
    const QString kept = QString::fromStdString(text());
    field_->setText(kept);
    field_->setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
}

std::optional<std::string> InputDialog::ask(std::string_view caption, std::string_view initialText,
                                            QWidget* parent) {
    InputDialog dialog(caption, initialText, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.text();
}

}  // namespace brevino::ui
