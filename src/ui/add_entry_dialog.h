// The dialog that adds a standard entry to the analysed file: the IFD, a tag among the
// standard ones that IFD lacks, and the value. OK checks the value as an edit is checked and
// keeps the dialog open, the text as typed, when it is refused.
#pragma once

#include <QDialog>
#include <optional>

#include "edit/entry_changes.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace brevino {
class Workspace;
}

namespace brevino::ui {

inline constexpr char kAddEntryCaption[] =
    QT_TRANSLATE_NOOP("brevino::ui::AddEntryDialog", "ﾀｸﾞを追加");

class AddEntryDialog : public QDialog {
    Q_OBJECT
  public:
    AddEntryDialog(Workspace& workspace, QWidget* parent = nullptr);

    // The entry to add, after OK.
    const std::optional<EntryAddition>& addition() const { return addition_; }
    QComboBox* ifdBox() const { return ifdBox_; }
    QComboBox* tagBox() const { return tagBox_; }
    QLineEdit* valueField() const { return value_; }
    QPushButton* okButton() const { return ok_; }

  public slots:
    void accept() override;

  private:
    void listTags();

    Workspace& workspace_;
    QComboBox* ifdBox_;
    QComboBox* tagBox_;
    QLineEdit* value_;
    QPushButton* ok_;
    std::optional<EntryAddition> addition_;
};

}  // namespace brevino::ui
