#include "ui/small_dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/dialog_units.h"
#include "ui/qt_text.h"
#include "workspace/command_ids.h"

namespace brevino::ui {
namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

QPushButton* makeButton(const QString& text, int id, const QRect& where, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    button->setGeometry(where);
    return button;
}

}  // namespace

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent, kDialogFlags) {
    setWindowTitle(tr(kVersionCaption));
    const DialogUnits units(font());
    setFixedSize(units.size(180, 55));
    auto* label = new QLabel(QString::fromUtf8(kVersionText), this);
    label->setObjectName(QStringLiteral("500"));
    label->setGeometry(units.rect(6, 3, 168, 9));
    auto* license = new QLabel(tr(kLicenseText).arg(QString::fromUtf8(kLicense)), this);
    license->setObjectName(QStringLiteral("license"));
    license->setGeometry(units.rect(6, 14, 168, 9));
    const QString address = QString::fromUtf8(kHomepage);
    auto* link =
        new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()), this);
    link->setObjectName(QStringLiteral("homepage"));
    link->setGeometry(units.rect(6, 25, 168, 9));
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    QPushButton* ok = makeButton(tr("OK"), ids::kDialogOk, units.rect(141, 37, 30, 12), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

OptionsDialog::OptionsDialog(Settings& settings, std::string settingsPath, QWidget* parent)
    : QDialog(parent, kDialogFlags), settings_(settings), settingsPath_(std::move(settingsPath)) {
    setWindowTitle(tr(kOptionsCaption));
    const DialogUnits units(font());
    resize(units.size(234, 189));

    auto* startGroup = new QGroupBox(tr("起動・終了設定"), this);
    startGroup->setObjectName(QString::number(ids::kOptionsStartGroup));
    startGroup->setGeometry(units.rect(9, 6, 213, 39));
    auto* viewGroup = new QGroupBox(tr("表示設定"), this);
    viewGroup->setObjectName(QString::number(ids::kOptionsViewGroup));
    viewGroup->setGeometry(units.rect(9, 51, 213, 30));
    auto* tagGroup = new QGroupBox(tr("Tag変更設定"), this);
    tagGroup->setObjectName(QString::number(ids::kOptionsTagGroup));
    tagGroup->setGeometry(units.rect(9, 87, 213, 63));

    // Where each switch's box stands, in the order of the settings' key table.
    const QRect places[] = {units.rect(18, 21, 195, 15), units.rect(18, 99, 117, 15),
                            units.rect(18, 114, 171, 12), units.rect(18, 132, 153, 12),
                            units.rect(18, 64, 195, 12)};
    for (size_t i = 0; i < kSwitchKeys.size(); ++i) {
        const SwitchKey& key = kSwitchKeys[i];
        QCheckBox* box = new QCheckBox(fromUtf8(switchLabel(key)), this);
        box->setObjectName(QString::number(key.dialogId));
        box->setGeometry(places[i]);
        box->setChecked(settings_.*key.field != 0);
        boxes_[i] = box;
    }
    // The group boxes are drawn behind the check boxes they frame.
    startGroup->lower();
    viewGroup->lower();
    tagGroup->lower();

    ok_ = makeButton(tr("OK"), ids::kDialogOk, units.rect(12, 162, 108, 18), this);
    ok_->setDefault(true);
    cancel_ = makeButton(tr("Cancel"), ids::kOptionsCancel, units.rect(120, 162, 102, 18), this);
    connect(ok_, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* OptionsDialog::box(int id) const {
    for (size_t i = 0; i < kSwitchKeys.size(); ++i) {
        if (kSwitchKeys[i].dialogId == id) return boxes_[i];
    }
    return nullptr;
}

void OptionsDialog::accept() {
    for (size_t i = 0; i < kSwitchKeys.size(); ++i)
        settings_.*kSwitchKeys[i].field = boxes_[i]->isChecked() ? 1 : 0;
    saveSettings(settingsPath_, settings_);
    QDialog::accept();
}

}  // namespace brevino::ui
