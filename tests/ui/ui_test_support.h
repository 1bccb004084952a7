// Helpers of the window tests: a private settings folder, scripted folder browsing, and
// JPEG files that both carry chosen Exif entries and decode as pictures.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QTemporaryDir>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "fixture_builder.h"
#include "test_support.h"
#include "ui/file_list_view.h"
#include "ui/gui_hooks.h"
#include "ui/main_window.h"

namespace brevino::testing {

// Points an XDG folder variable at a fresh folder for as long as it lives.
class XdgFolder {
  public:
    explicit XdgFolder(const char* variable);
    ~XdgFolder();
    QString path() const { return dir_.path(); }

  private:
    const char* variable_;
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

// XDG_CONFIG_HOME: the settings file.
class ConfigFolder : public XdgFolder {
  public:
    ConfigFolder() : XdgFolder("XDG_CONFIG_HOME") {}
    std::string settingsFile() const;
};

class ScriptedFolderBrowser : public ui::FolderBrowser {
  public:
    std::deque<std::optional<std::string>> answers;
    std::vector<std::pair<std::string, std::string>> asked;  // title, start folder
    std::optional<std::string> browse(std::string_view title,
                                      const std::string& startFolder) override;
};

class ScriptedChooser : public ui::FileChooser {
  public:
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> titles;
    std::optional<std::string> choose(ui::FileChoice, std::string_view title) override {
        titles.emplace_back(title);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A main window whose messages, prompts and choices are recorded and scripted.
struct TestWindow {
    ConfigFolder config;
    XdgFolder state{"XDG_STATE_HOME"};  // the journals of this window's operations alone
    RecordingReporter reporter;
    ScriptedPrompt prompt;
    ScriptedChooser chooser;
    ScriptedFolderBrowser browser;
    ScriptedQuestioner questioner;
    ui::MainWindow window{ui::UiHooks{&reporter, &prompt, &chooser, &browser, &questioner}};

    Workspace& workspace() { return window.workspace(); }
    std::vector<Message> takeMessages() { return std::exchange(reporter.messages, {}); }
    // Selects a file and waits (a few seconds at most) for its picture to be decoded.
    bool selectAndWait(int row);
};

// Waits (a few seconds at most) until the window's picture is decoded.
bool waitForPicture(ui::MainWindow& window);
// Waits (a few seconds at most) until the folder or drop being listed is shown.
bool waitForListing(ui::MainWindow& window);
// Shows the window and waits until it is the active one, so that its shortcuts work.
bool showActive(ui::MainWindow& window);

// A JPEG picture of the given size (Qt's encoder), with the Exif segment of `tiff` put
// right after its start-of-image marker when given.
fixture::Bytes pictureJpeg(QSize size, const std::optional<fixture::Tiff>& tiff = std::nullopt);

// A TIFF with an image title, a date, a SHORT, a RATIONAL and an UNDEFINED entry.
fixture::Tiff sampleTiff(const std::string& title = "title");

}  // namespace brevino::testing
