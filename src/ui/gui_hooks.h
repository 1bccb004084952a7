// The windows through which the core talks to the user: message boxes, the input dialog,
// file choosers and the folder browser.
#pragma once

#include <QMessageBox>
#include <optional>
#include <string>
#include <string_view>

#include "workspace/reporter.h"

class QWidget;

namespace brevino::ui {

// A message box with the text, the caption as its title, one OK button and no icon.
class MessageBox : public QMessageBox {
    Q_OBJECT
  public:
    MessageBox(std::string_view text, std::string_view caption, QWidget* owner);

  protected:
    void showEvent(QShowEvent* event) override;
};

class MessageBoxReporter : public Reporter {
  public:
    explicit MessageBoxReporter(QWidget* owner) : owner_(owner) {}
    void report(std::string_view text, std::string_view caption) override;

  private:
    QWidget* owner_;
};

// A question in a message box without icon: Yes and No, or Save, Discard and Cancel.
class MessageBoxQuestioner : public Questioner {
  public:
    explicit MessageBoxQuestioner(QWidget* owner) : owner_(owner) {}
    Answer ask(std::string_view text, std::string_view caption, Choices choices) override;

  private:
    QWidget* owner_;
};

class DialogInputPrompt : public InputPrompt {
  public:
    explicit DialogInputPrompt(QWidget* owner) : owner_(owner) {}
    std::optional<std::string> prompt(std::string_view caption, std::string_view initialText,
                                      const InputField& field) override;

  private:
    QWidget* owner_;
};

// Export and import choosers: "*.ap1" files or all files; a new name may be typed, and an
// existing file is taken without a question. An export name typed without an extension
// gets ".ap1".
// What a file is chosen for; the desktop application shows its own dialog for each.
enum class FileChoice { Export, Import };

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> choose(FileChoice purpose, std::string_view title) = 0;
};

// The choosers' titles, translated by the main window that opens them.
inline constexpr char kExportTitle[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Exportﾌｧｲﾙを開く");
inline constexpr char kImportTitle[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Importﾌｧｲﾙを開く");

class DialogFileChooser : public FileChooser {
  public:
    DialogFileChooser(QWidget* owner, const std::string* startFile)
        : owner_(owner), startFile_(startFile) {}
    std::optional<std::string> choose(FileChoice purpose, std::string_view title) override;

  private:
    QWidget* owner_;
    const std::string* startFile_;  // the chooser opens in this file's folder
};

class FolderBrowser {
  public:
    virtual ~FolderBrowser() = default;
    // The chosen folder, or nothing when the user cancelled. An empty start folder leaves
    // the browser at its own default.
    virtual std::optional<std::string> browse(std::string_view title,
                                              const std::string& startFolder) = 0;
};

class DialogFolderBrowser : public FolderBrowser {
  public:
    explicit DialogFolderBrowser(QWidget* owner) : owner_(owner) {}
    std::optional<std::string> browse(std::string_view title,
                                      const std::string& startFolder) override;

  private:
    QWidget* owner_;
};

// Name filters of the export and import choosers.
QStringList chooserFilters(FileChoice purpose);

}  // namespace brevino::ui
