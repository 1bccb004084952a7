#include "ui/input_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "edit/editing.h"
#include "platform/text_encoding.h"
#include "ui/dialog_units.h"
#include "ui/gui_hooks.h"
#include "ui/qt_text.h"
#include "workspace/command_ids.h"
#include "workspace/messages.h"

namespace brevino::ui {
namespace {

// The bytes typed and the field's limit.
inline constexpr char kBytesText[] = QT_TRANSLATE_NOOP("brevino::ui::InputDialog", "%1 / %2 ﾊﾞｲﾄ");

}  // namespace

InputDialog::InputDialog(std::string_view caption, std::string_view initialText,
                         const InputField& field, QWidget* parent)
    : QDialog(parent), rules_(field) {
    setObjectName(QStringLiteral("InputDialog"));
    setWindowTitle(fromUtf8(caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const DialogUnits units(font());
    setFixedSize(units.size(207, 36));

    field_ = new QLineEdit(this);
    field_->setObjectName(QString::number(ids::kInputEdit));
    field_->setGeometry(units.rect(6, 3, 165, 18));
    field_->setText(fromUtf8(initialText));
    connect(field_, &QLineEdit::textChanged, this, &InputDialog::keepWithinLimit);
    connect(field_, &QLineEdit::textChanged, this, &InputDialog::showLimit);

    limit_ = new QLabel(this);
    limit_->setObjectName(QStringLiteral("limit"));
    limit_->setGeometry(units.rect(6, 23, 165, 10));

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QString::number(ids::kDialogOk));
    ok_->setGeometry(units.rect(174, 3, 30, 18));
    ok_->setDefault(true);  // Enter answers OK, Esc cancels
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    showLimit();
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

void InputDialog::showLimit() {
    if (rules_.byteLimit == 0) {
        limit_->setText(fromUtf8(rules_.range));
        return;
    }
    const qsizetype typed = field_->text().toUtf8().size();
    limit_->setText(tr(kBytesText).arg(typed).arg(static_cast<qulonglong>(rules_.byteLimit)));
    // Over the limit the count turns red: OK would be refused.
    QPalette palette = limit_->palette();
    palette.setColor(QPalette::WindowText, static_cast<size_t>(typed) > rules_.byteLimit
                                               ? QColor(192, 0, 0)
                                               : this->palette().color(QPalette::WindowText));
    limit_->setPalette(palette);
}

void InputDialog::accept() {
    if (rules_.refusal) {
        const std::string refused = rules_.refusal(text());
        if (!refused.empty()) {
            // Told as any other message; the dialog stays with the text as typed.
            MessageBox box(refused, kCaptionMessage, this);
            box.exec();
            field_->setFocus();
            return;
        }
    }
    QDialog::accept();
}

std::optional<std::string> InputDialog::ask(std::string_view caption, std::string_view initialText,
                                            const InputField& field, QWidget* parent) {
    InputDialog dialog(caption, initialText, field, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.text();
}

}  // namespace brevino::ui
