// The main window: a view of one Workspace. It shows the file list, the preview and the
// TagList, and turns menu commands, toolbar buttons, selections and drops into calls of the
// core.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/gui_hooks.h"
#include "ui/tag_table_view.h"
#include "workspace/workspace.h"

class QFileSystemWatcher;
class QLineEdit;
class QListWidget;
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
    // The user selected entry `row` of the file list: after unsaved edits of the file shown
    // are settled, it becomes the current file, its rows are shown at once and its picture
    // as soon as it is decoded; the pictures of the entries before and after it are then
    // decoded ahead. A file whose analysis fails says why in the status bar and the table.
    void selectFile(int row);
    // Items dropped on the window, in drop order.
    void dropPaths(const std::vector<std::string>& paths);
    // Lists the current folder again (F5, or another program changed it).
    void reloadFolder();
    // Shows the workspace's file list and rows again after the core changed them.
    void refreshFileList();
    void refreshRows();
    // Keeps only the rows whose tag, content or note holds `text` (and their headings).
    void filterRows(const QString& text);

    // Follows a batch dialog's run: no pictures are decoded ahead while files change, and
    // afterwards the current file is analysed again (following a rename).
    void attachBatchDialog(BatchDialog& dialog);

    QAction* action(int id) const;
    QToolBar* toolBar() const { return toolBar_; }
    TagTableView* tagListView() const { return tagView_; }
    QListWidget* fileListView() const { return fileList_; }
    PreviewPane* previewPane() const { return preview_; }
    TagListModel* tagListModel() const { return model_; }
    QWidget* clientArea() const { return client_; }
    QLineEdit* filterField() const { return filter_; }

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
    void buildShortcuts();
    void layoutClient(int width, int height);
    void openFolder();
    void overwrite();
    void exportSegment();
    void importSegment();
    void copyToClipboard();
    // Opens the file's GPS position on a map in the browser; enabled only with a position.
    void showOnMap();
    void updateMapAction();
    void showOptions();
    // Takes back the latest operation from the journal and shows the files as they are now.
    void undoLastOperation();
    void runBatch();
    // After a batch run: the file list may hold new names; the current file is analysed again.
    void afterBatch();
    // Analyses the current file and shows its rows, then its picture. A failure is shown in
    // the status bar and the empty table, not in a message box.
    void showCurrentFile();
    void showCurrentPicture();
    // Asks about unsaved edits before the file is left; false: stay.
    bool settleUnsavedEdits();
    // The title the preview gives, with "*" while edits are unsaved.
    void updateTitle();
    void editedRowsChanged();
    std::vector<size_t> selectedRows() const;
    void editSelectedRow();
    void markCurrentFileInList();
    void prefetchNeighbours(size_t row);
    void watchFolder();
    void openFilter();
    void closeFilter();

    Workspace workspace_;
    JournalStore journal_;
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
    QLineEdit* filter_ = nullptr;
    TagTableView* tagView_ = nullptr;
    TagListModel* model_ = nullptr;
    std::map<int, QAction*> actions_;
    QString previewTitle_;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer folderChanged_;  // folds a burst of changes into one reload
    bool batchRunning_ = false;
    bool rowsHidden_ = false;  // the filter hides rows
};

}  // namespace brevino::ui
