// The input dialog: one line of text under a caption, OK or cancel. Under the line it shows
// how many bytes the field takes and how many are typed (or a number's range); OK on a text
// the field refuses says why and keeps the dialog open with the text as typed.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <string_view>

#include "workspace/reporter.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace brevino::ui {

class InputDialog : public QDialog {
    Q_OBJECT
  public:
    InputDialog(std::string_view caption, std::string_view initialText,
                const InputField& field = {}, QWidget* parent = nullptr);

    // The field's text as UTF-8, at most 255 bytes.
    std::string text() const;
    QLineEdit* field() const { return field_; }
    QPushButton* okButton() const { return ok_; }
    // The line under the field: the bytes typed and the limit, or the range.
    QLabel* limitLabel() const { return limit_; }

    // Runs the dialog; the edited text after OK, nothing after cancel.
    static std::optional<std::string> ask(std::string_view caption, std::string_view initialText,
                                          const InputField& field, QWidget* parent);

  public slots:
    void accept() override;

  private:
    void keepWithinLimit();
    void showLimit();

    InputField rules_;
    QLineEdit* field_;
    QLabel* limit_;
    QPushButton* ok_;
};

}  // namespace brevino::ui
