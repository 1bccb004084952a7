// The input dialog: one line of text under a caption, OK or cancel.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;
class QPushButton;

namespace brevino::ui {

class InputDialog : public QDialog {
    Q_OBJECT
  public:
    InputDialog(std::string_view caption, std::string_view initialText, QWidget* parent = nullptr);

    // The field's text as UTF-8, at most 255 bytes.
    std::string text() const;
    QLineEdit* field() const { return field_; }
    QPushButton* okButton() const { return ok_; }

    // Runs the dialog; the edited text after OK, nothing after cancel.
    static std::optional<std::string> ask(std::string_view caption, std::string_view initialText,
                                          QWidget* parent);

  private:
    void keepWithinLimit();

    QLineEdit* field_;
    QPushButton* ok_;
};

}  // namespace brevino::ui
