// The version dialog and the options dialog.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "brevino_version.h"
#include "workspace/settings.h"

class QCheckBox;
class QPushButton;

namespace brevino::ui {

inline constexpr char kVersionCaption[] =
    QT_TRANSLATE_NOOP("brevino::ui::VersionDialog", "ﾊﾞｰｼﾞｮﾝ情報");
inline constexpr char kVersionText[] = "Brevino Version " BREVINO_VERSION;
// The licence line; %1 is the licence's name.
inline constexpr char kLicenseText[] = QT_TRANSLATE_NOOP("brevino::ui::VersionDialog", "ﾗｲｾﾝｽ: %1");
inline constexpr char kLicense[] = BREVINO_LICENSE;
inline constexpr char kHomepage[] = BREVINO_HOMEPAGE;

// The version, the licence and the project's address (a link).
class VersionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit VersionDialog(QWidget* parent = nullptr);
};

inline constexpr char kOptionsCaption[] =
    QT_TRANSLATE_NOOP("brevino::ui::OptionsDialog", "ｵﾌﾟｼｮﾝ設定");

// The four switches in check boxes. OK stores them (a ticked box as 1, a clear one as 0) and
// writes every setting to the settings file; Cancel changes and writes nothing.
class OptionsDialog : public QDialog {
    Q_OBJECT
  public:
    OptionsDialog(Settings& settings, std::string settingsPath, QWidget* parent = nullptr);

    QCheckBox* box(int id) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  public slots:
    void accept() override;

  private:
    Settings& settings_;
    std::string settingsPath_;
    std::array<QCheckBox*, kSwitchKeys.size()> boxes_{};  // in the order of kSwitchKeys
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace brevino::ui
