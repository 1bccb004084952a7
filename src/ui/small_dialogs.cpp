#include "ui/small_dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/settings_profile.h"
#include "ui/dialog_units.h"
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
    setWindowTitle(QString::fromUtf8(kVersionCaption));
    const DialogUnits units(font());
    setFixedSize(units.size(138, 33));
    auto* label = new QLabel(QString::fromUtf8(kVersionText), this);
    label->setObjectName(QStringLiteral("500"));
    label->setGeometry(units.rect(6, 3, 129, 9));
    QPushButton* ok =
        makeButton(QStringLiteral("OK"), ids::kDialogOk, units.rect(99, 15, 30, 12), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

OptionsDialog::OptionsDialog(Settings& settings, std::string settingsPath, QWidget* parent)
    : QDialog(parent, kDialogFlags | Qt::WindowMaximizeButtonHint),
      settings_(settings),
      settingsPath_(std::move(settingsPath)) {
    setWindowTitle(QString::fromUtf8(kOptionsCaption));
    const DialogUnits units(font());
    resize(units.size(234, 156));

    auto* startGroup = new QGroupBox(QString::fromUtf8("起動・終了設定"), this);
    startGroup->setObjectName(QString::number(ids::kOptionsStartGroup));
    startGroup->setGeometry(units.rect(9, 6, 213, 39));
    auto* tagGroup = new QGroupBox(QString::fromUtf8("Tag変更設定"), this);
    tagGroup->setObjectName(QString::number(ids::kOptionsTagGroup));
    tagGroup->setGeometry(units.rect(9, 54, 213, 63));

    auto makeBox = [&](const char* text, int id, QRect where, uint8_t value) {
        auto* box = new QCheckBox(QString::fromUtf8(text), this);
        box->setObjectName(QString::number(id));
        box->setGeometry(where);
        box->setChecked(value != 0);
        return box;
    };
    folder_ = makeBox("ﾌｫﾙﾀﾞ選択時、最後に開いたﾌｫﾙﾀﾞから開く", ids::kOptionsFolder,
                      units.rect(18, 21, 195, 15), settings_.folder);
    dateUp_ = makeBox("更新日時を変更しない", ids::kOptionsDateUp, units.rect(18, 66, 117, 15),
                      settings_.dateUp);
    allDate_ = makeBox("日時一括変更", ids::kOptionsAllDate, units.rect(18, 81, 171, 12),
                       settings_.allDate);
    exifDate_ = makeBox("保存時、ﾌｧｲﾙ変更日時に合わせる", ids::kOptionsExifDate,
                        units.rect(18, 99, 153, 12), settings_.exifDate);
    // The group boxes are drawn behind the check boxes they frame.
    startGroup->lower();
    tagGroup->lower();

    ok_ = makeButton(QStringLiteral("OK"), ids::kDialogOk, units.rect(12, 129, 108, 18), this);
    ok_->setDefault(true);
    cancel_ = makeButton(QStringLiteral("Cancel"), ids::kOptionsCancel,
                         units.rect(120, 129, 102, 18), this);
    connect(ok_, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* OptionsDialog::box(int id) const {
    switch (id) {
        case ids::kOptionsFolder:
            return folder_;
        case ids::kOptionsDateUp:
            return dateUp_;
        case ids::kOptionsAllDate:
            return allDate_;
        case ids::kOptionsExifDate:
            return exifDate_;
        default:
            return nullptr;
    }
}

void OptionsDialog::accept() {
    settings_.folder = folder_->isChecked() ? 1 : 0;
    settings_.dateUp = dateUp_->isChecked() ? 1 : 0;
    settings_.allDate = allDate_->isChecked() ? 1 : 0;
    settings_.exifDate = exifDate_->isChecked() ? 1 : 0;
    saveSettings(settingsPath_, settings_);
    QDialog::accept();
}

}  // namespace brevino::ui
