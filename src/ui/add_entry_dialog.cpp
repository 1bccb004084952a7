#include "ui/add_entry_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "tags/ifd.h"
#include "tags/tag_translation.h"
#include "ui/qt_text.h"
#include "workspace/workspace.h"

namespace brevino::ui {
namespace {

// The IFDs an entry can be added to, as the rows' headings name them.
constexpr IfdKind kAddableIfds[] = {IfdKind::Zeroth, IfdKind::Exif, IfdKind::Gps, IfdKind::Interop};

}  // namespace

AddEntryDialog::AddEntryDialog(Workspace& workspace, QWidget* parent)
    : QDialog(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("AddEntryDialog"));
    setWindowTitle(tr(kAddEntryCaption));
    auto* form = new QFormLayout(this);
    ifdBox_ = new QComboBox(this);
    for (const IfdKind ifd : kAddableIfds)
        ifdBox_->addItem(fromUtf8(ifdName(ifd)), static_cast<int>(ifd));
    tagBox_ = new QComboBox(this);
    tagBox_->setMinimumContentsLength(24);
    value_ = new QLineEdit(this);
    form->addRow(tr("IFD"), ifdBox_);
    form->addRow(tr("ﾀｸﾞ"), tagBox_);
    form->addRow(tr("値"), value_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ifdBox_, &QComboBox::currentIndexChanged, this, &AddEntryDialog::listTags);
    listTags();
    value_->setFocus();
}

void AddEntryDialog::listTags() {
    tagBox_->clear();
    const auto ifd = static_cast<IfdKind>(ifdBox_->currentData().toInt());
    for (const TagDef* tag : addableTags(workspace_.document(), ifd)) {
        char number[8];
        std::snprintf(number, sizeof number, "0x%04X", tag->tag);
        tagBox_->addItem(fromUtf8(displayName(*tag)) + QStringLiteral(" (") +
                             QString::fromLatin1(number) + QStringLiteral(")"),
                         tag->tag);
    }
    ok_->setEnabled(tagBox_->count() > 0);
}

void AddEntryDialog::accept() {
    if (tagBox_->currentIndex() < 0) return;
    const auto ifd = static_cast<IfdKind>(ifdBox_->currentData().toInt());
    const auto tag = static_cast<uint16_t>(tagBox_->currentData().toInt());
    // A refused value is told (by the workspace's reporter) and the dialog stays.
    addition_ = workspace_.addition(ifd, tag, toUtf8(value_->text()));
    if (addition_) QDialog::accept();
}

}  // namespace brevino::ui
