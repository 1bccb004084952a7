// The main window: a view of one Workspace. It shows the preview beside the file list above
// the TagList, in panes the user can resize, and turns menu commands, shortcuts, toolbar
// buttons, selections and drops into calls of the core. Folders are listed off the window's
// thread; the window's place, size and panes are kept in the settings file.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "journal/undo.h"
#include "platform/language.h"
#include "ui/folder_lister.h"
#include "ui/gui_hooks.h"
#include "ui/tag_table_view.h"
#include "workspace/workspace.h"

class QFileSystemWatcher;
class QLineEdit;
class QMenu;
class QSplitter;
class QToolBar;

namespace brevino::ui {

class BatchDialog;
class FileListModel;
class FileListView;
class PreviewPane;
class TagListModel;

// The window's own texts, Japanese in the source and translated where they are shown.
inline constexpr char kMainCaption[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Exif情報アップデート");
inline constexpr char kOpenFolderTitle[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "JPEGﾌｫﾙﾀﾞを開く");

// What the empty table says: before anything is listed, and for a folder without photos.
inline constexpr char kStartHint[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾌｫﾙﾀﾞを開くか、ﾌｧｲﾙをﾄﾞﾛｯﾌﾟして下さい");
inline constexpr char kEmptyFolderHint[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow",
                      "このﾌｫﾙﾀﾞにはJPEGﾌｧｲﾙがありません。\nﾌｫﾙﾀﾞを開くか、ﾌｧｲﾙをﾄﾞﾛｯﾌﾟして下さい");
// The filter line's hint.
inline constexpr char kFilterHint[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾀｸﾞ・値・説明で絞り込み");
// Status bar lines: the shown file was deleted by another program; no browser for the map.
inline constexpr char kFileGone[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "%s は削除されました。");
inline constexpr char kNoBrowser[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "地図を表示するﾌﾞﾗｳｻﾞがありません: %s");
// Status bar line after Ctrl+Z took back an unsaved edit.
inline constexpr char kEditTakenBack[] =
    QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "編集を元に戻しました。");
// The Settings menu's language item: the same in every language, so that someone who cannot
// read the present one still finds it.
inline constexpr char kLanguageMenu[] = "言語 / Language";

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
    // Items dropped on the window, in drop order: listed off the window's thread, then the
    // first file is selected.
    void dropPaths(const std::vector<std::string>& paths);
    // Lists the current folder again (F5, or another program changed it), off the window's
    // thread, and takes in the difference.
    void reloadFolder();
    // Whether a folder is being listed (its files not shown yet).
    bool isListing() const;
    // Shows the workspace's file list and rows again after the core changed them.
    void refreshFileList();
    void refreshRows();
    // Keeps only the rows whose tag, content or note holds `text` (and their headings).
    void filterRows(const QString& text);

    // Follows a batch dialog's run: no pictures are decoded ahead while files change, and
    // afterwards the current file is analysed again (following a rename).
    void attachBatchDialog(BatchDialog& dialog);

    QAction* action(int id) const;
    // The Settings menu's language items: automatic (the desktop's), Japanese, English.
    QAction* languageAction(LanguageChoice choice) const;
    // The user chose a language: it is kept in the settings file and the window's texts,
    // and the rows of the file shown, change to it at once. Rows with unsaved edits keep
    // their texts until the file is shown again.
    void chooseLanguage(LanguageChoice choice);
    QToolBar* toolBar() const { return toolBar_; }
    TagTableView* tagListView() const { return tagView_; }
    FileListView* fileListView() const { return fileList_; }
    PreviewPane* previewPane() const { return preview_; }
    TagListModel* tagListModel() const { return model_; }
    QWidget* clientArea() const { return client_; }
    QLineEdit* filterField() const { return filter_; }
    // The preview | file list splitter, and the one between them and the table.
    QSplitter* topSplitter() const { return topSplit_; }
    QSplitter* mainSplitter() const { return mainSplit_; }

  signals:
    // A batch dialog is about to run (tests drive it from here).
    void batchDialogOpened(BatchDialog* dialog);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenu();
    void buildLanguageMenu(QMenu* settings);
    // Sets every text the window shows of its own in the present language.
    void retranslate();
    void buildToolBar();
    void buildPanes();
    void buildTagList();
    void buildShortcuts();
    // The window where it was last closed when that fits a screen, else fitted to the screen.
    void placeWindow();
    // The panes' sizes, once the window has its size.
    void placePanes();
    void keepLayout();
    void openFolder();
    void overwrite();
    // Adds a standard entry the file lacks; removes the selected rows' entries.
    void addEntry();
    void removeEntries();
    void exportSegment();
    void importSegment();
    void copyToClipboard();
    // Opens the file's GPS position on a map in the browser; enabled only with a position.
    void showOnMap();
    void updateMapAction();
    void showOptions();
    // Ctrl+Z: takes back the latest unsaved edit; without one, the latest operation still in
    // effect, after a question naming it, and shows the files as they are now.
    void undo();
    void undoLastOperation();
    // Ctrl+Shift+Z or Ctrl+Y: applies again the latest operation taken back, after a question
    // naming it.
    void redoOperation();
    // Tells what an undo or a redo did to each file, and shows the files as they are now.
    void showUndone(const UndoOutcome& outcome, bool redo);
    void runBatch();
    // After a batch run: the file list may hold new names; the current file is analysed again.
    void afterBatch();
    // A listing asked for by opening a folder or a drop: it replaces the list, and its
    // first file is selected. When it took links as files unseen, `followingLinks` lists the
    // same again following them, and the difference is taken in.
    void takeNewListing(Listing listing, FolderLister::Job followingLinks);
    // A listing of the same folder again: the difference is taken in.
    void takeReloadedListing(Listing listing);
    // The file shown is gone (another program deleted it): the window forgets it.
    void currentFileGone();
    // Forgets the file shown, its rows and picture; `hint` (a text of the window's, or none)
    // goes into the empty table.
    void showNoFile(const char* hint);
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
    // Double-click: the lowest selected row; F2 or Enter: the current row.
    void editSelectedRow();
    void editCurrentRow();
    void editRow(size_t row);
    void markCurrentFileInList();
    void prefetchNeighbours(size_t row);
    void watchFolder();
    void watchCurrentFile();
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
    QSplitter* mainSplit_ = nullptr;
    QSplitter* topSplit_ = nullptr;
    PreviewPane* preview_ = nullptr;
    FileListView* fileList_ = nullptr;
    FileListModel* fileModel_ = nullptr;
    QLineEdit* filter_ = nullptr;
    TagTableView* tagView_ = nullptr;
    TagListModel* model_ = nullptr;
    FolderLister* lister_ = nullptr;
    std::map<int, QAction*> actions_;
    // The menus' and actions' texts as the source gives them, to translate them again.
    std::vector<std::pair<QMenu*, const char*>> menuTexts_;
    std::vector<std::pair<QAction*, const char*>> actionTexts_;
    std::map<LanguageChoice, QAction*> languageActions_;
    // The window's own hint in the empty table, or none when it shows what the core said.
    const char* emptyHint_ = kStartHint;
    QString previewTitle_;
    QFileSystemWatcher* watcher_ = nullptr;
    std::string watchedFile_;
    QTimer folderChanged_;  // folds a burst of changes into one reload
    bool batchRunning_ = false;
    bool rowsHidden_ = false;   // the filter hides rows
    bool panesPlaced_ = false;  // the panes got their first sizes
};

}  // namespace brevino::ui
