// The main window: a view of one Workspace. It shows the file list, the preview and the
// TagList, and turns menu commands, toolbar buttons, selections and drops into calls of the
// core.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/gui_hooks.h"
#include "workspace/workspace.h"

class QListWidget;
class QTableView;
class QToolBar;

namespace brevino::ui {

class BatchDialog;
class PreviewPane;
class TagListModel;

inline constexpr char kMainCaption[] = "Exif情報アップデート";
inline constexpr char kOpenFolderTitle[] = "JPEGﾌｫﾙﾀﾞを開く";

// Where the window's messages, questions and choices go; each one left empty gets the
// program's own dialog.
struct UiHooks {
    Reporter* reporter = nullptr;
    InputPrompt* inputPrompt = nullptr;
    FileChooser* fileChooser = nullptr;
    FolderBrowser* folderBrowser = nullptr;
    Questioner* questioner = nullptr;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(const UiHooks& hooks = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return workspace_; }
    const std::string& settingsPath() const { return settingsPath_; }

    // Carries out a menu command or toolbar button by its id.
    void dispatch(int id);
    // The user selected entry `row` of the file list: it becomes the current file, is
    // analysed and its picture shown; the pictures of the entries before and after it are
    // then decoded in the background.
    void selectFile(int row);
    // Items dropped on the window, in drop order.
    void dropPaths(const std::vector<std::string>& paths);
    // Shows the workspace's file list and rows again after the core changed them.
    void refreshFileList();
    void refreshRows();

    // Follows a batch dialog's run: no pictures are decoded ahead while files change, and
    // afterwards the current file is analysed again (following a rename).
    void attachBatchDialog(BatchDialog& dialog);

    QAction* action(int id) const;
    QToolBar* toolBar() const { return toolBar_; }
    QTableView* tagListView() const { return tagView_; }
    QListWidget* fileListView() const { return fileList_; }
    PreviewPane* previewPane() const { return preview_; }
    TagListModel* tagListModel() const { return model_; }
    QWidget* clientArea() const { return client_; }

  signals:
    // A batch dialog is about to run (tests drive it from here).
    void batchDialogOpened(BatchDialog* dialog);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenu();
    void buildToolBar();
    void buildTagList();
    void layoutClient(int width, int height);
    void openFolder();
    void overwrite();
    void exportSegment();
    void importSegment();
    void copyToClipboard();
    // Opens the file's GPS position on a map in the browser; enabled only with a position.
    void showOnMap();
    void updateMapAction();
    void runBatch();
    // After a batch run: the file list may hold new names; the current file is analysed again.
    void afterBatch();
    // Analyses the current file and shows its rows and picture.
    void showCurrentFile();
    std::vector<size_t> selectedRows() const;
    void editSelectedRow();
    void markCurrentFileInList();
    void prefetchNeighbours(size_t row);

    Workspace workspace_;
    std::string settingsPath_;
    std::unique_ptr<Reporter> ownReporter_;
    std::unique_ptr<InputPrompt> ownPrompt_;
    std::unique_ptr<Questioner> ownQuestioner_;
    std::unique_ptr<FileChooser> ownChooser_;
    std::unique_ptr<FolderBrowser> ownBrowser_;
    FileChooser* fileChooser_ = nullptr;
    FolderBrowser* folderBrowser_ = nullptr;

    QWidget* client_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    PreviewPane* preview_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QTableView* tagView_ = nullptr;
    TagListModel* model_ = nullptr;
    std::map<int, QAction*> actions_;
};

}  // namespace brevino::ui
