#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

#include "exif/gps_position.h"
#include "journal/undo.h"
#include "ui/batch_dialog.h"
#include "ui/dialog_units.h"
#include "ui/gui_hooks.h"
#include "ui/preview_pane.h"
#include "ui/qt_text.h"
#include "ui/small_dialogs.h"
#include "ui/tag_list_model.h"
#include "ui/tag_table_view.h"
#include "workspace/clipboard_text.h"
#include "workspace/command_ids.h"
#include "workspace/file_list.h"
#include "workspace/undo_report.h"

// The toolbar's own icons live in the user-interface library's resources.
static void initToolbarResources() {
    Q_INIT_RESOURCE(toolbar);
}

namespace brevino::ui {
namespace {

// The room every control keeps at the smallest window size.
constexpr int kMinimumControlSize = 48;

// Keeps the last message of a selection, to show it in the status bar and the table instead
// of a message box that would stop the browsing.
class StatusLine : public Reporter {
  public:
    void report(std::string_view text, std::string_view) override { text_ = text; }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace

MainWindow::MainWindow(const UiHooks& hooks, QWidget* parent) : QMainWindow(parent) {
    initToolbarResources();
    previewTitle_ = QString::fromUtf8(kMainCaption);
    setWindowTitle(previewTitle_);
    setAcceptDrops(true);

    // The hooks through which the core reports, asks and lets choose.
    if (hooks.reporter) {
        workspace_.reporter = hooks.reporter;
    } else {
        ownReporter_ = std::make_unique<MessageBoxReporter>(this);
        workspace_.reporter = ownReporter_.get();
    }
    if (hooks.inputPrompt) {
        workspace_.inputPrompt = hooks.inputPrompt;
    } else {
        ownPrompt_ = std::make_unique<DialogInputPrompt>(this);
        workspace_.inputPrompt = ownPrompt_.get();
    }
    if (hooks.questioner) {
        workspace_.questioner = hooks.questioner;
    } else {
        ownQuestioner_ = std::make_unique<MessageBoxQuestioner>(this);
        workspace_.questioner = ownQuestioner_.get();
    }
    if (hooks.fileChooser) {
        fileChooser_ = hooks.fileChooser;
    } else {
        ownChooser_ = std::make_unique<DialogFileChooser>(this, &workspace_.currentFile);
        fileChooser_ = ownChooser_.get();
    }
    if (hooks.folderBrowser) {
        folderBrowser_ = hooks.folderBrowser;
    } else {
        ownBrowser_ = std::make_unique<DialogFolderBrowser>(this);
        folderBrowser_ = ownBrowser_.get();
    }

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    buildMenu();
    updateMapAction();
    buildToolBar();

    const DialogUnits units(font());
    preview_ = new PreviewPane(client_);
    preview_->setObjectName(QString::number(ids::kPreviewPane));
    preview_->setGeometry(units.rect(0, 21, 204, 144));
    connect(preview_, &PreviewPane::titleChanged, this, [this](const QString& title) {
        previewTitle_ = title;
        updateTitle();
    });

    fileList_ = new QListWidget(client_);
    fileList_->setObjectName(QString::number(ids::kFileList));
    fileList_->setGeometry(units.rect(204, 21, 324, 150));
    fileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fileList_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = fileList_->selectedItems();
        if (!selected.isEmpty()) selectFile(fileList_->row(selected.front()));
    });

    // The folder is followed while other programs add or remove files in it.
    watcher_ = new QFileSystemWatcher(this);
    folderChanged_.setSingleShot(true);
    folderChanged_.setInterval(200);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { folderChanged_.start(); });
    connect(&folderChanged_, &QTimer::timeout, this, [this] {
        if (batchRunning_) return;  // the run's end lists the folder again
        reloadFolder();
    });

    workspace_.journal = &journal_;
    settingsPath_ = settingsFilePath();
    workspace_.settings = loadSettings(settingsPath_);
    workspace_.currentFile.clear();
    buildTagList();
    buildShortcuts();
    statusBar()->setSizeGripEnabled(true);

    client_->installEventFilter(this);
    const QSize pane = preview_->contentsRect().size();
    client_->setMinimumSize(
        std::max(pane.width() + 14 + kMinimumControlSize, preview_->geometry().right() + 1),
        std::max(pane.height() + 40 + kMinimumControlSize, preview_->geometry().bottom() + 1));
    resize(units.x(534),
           units.y(363) + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void MainWindow::buildShortcuts() {
    // Esc clears an open filter first; otherwise it ends the program like the exit command.
    // The Enter key does nothing.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (filter_->isVisible()) {
            closeFilter();
        } else {
            dispatch(ids::kCancel);
        }
    });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &MainWindow::openFilter);
    auto* reload = new QShortcut(QKeySequence::Refresh, this);
    connect(reload, &QShortcut::activated, this, &MainWindow::reloadFolder);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu() {
    struct Item {
        const char* text;
        int id;  // 0: separator
    };
    struct Menu {
        const char* title;
        std::vector<Item> items;
    };
    const Menu menus[] = {
        {"ﾌｧｲﾙ(&F)",
         {{"ﾌｫﾙﾀﾞを開く(&O)", ids::kOpenFolder},
          {"Exif情報上書き(&S)", ids::kOverwrite},
          {nullptr, 0},
          {"Export(&E)", ids::kExport},
          {"Import(&I)", ids::kImport},
          {nullptr, 0},
          {"終了(&X)", ids::kExit}}},
        {"編集(&E)",
         {{"元に戻す", ids::kUndo},
          {nullptr, 0},
          {"複数ﾌｧｲﾙ一括変更", ids::kBatch},
          {"ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)", ids::kCopyToClipboard},
          {"地図で表示", ids::kShowOnMap}}},
        {"設定(&S)", {{"ｵﾌﾟｼｮﾝ設定", ids::kOptions}}},
        {"ﾍﾙﾌﾟ(&H)", {{"ﾊﾞｰｼﾞｮﾝ情報(&V)", ids::kVersion}}},
    };
    for (const Menu& menu : menus) {
        QMenu* entry = menuBar()->addMenu(QString::fromUtf8(menu.title));
        for (const Item& item : menu.items) {
            if (item.text == nullptr) {
                entry->addSeparator();
                continue;
            }
            QAction* action = entry->addAction(QString::fromUtf8(item.text));
            action->setData(item.id);
            if (item.id == ids::kUndo) action->setShortcut(QKeySequence::Undo);
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { dispatch(id); });
            actions_[id] = action;
        }
    }
}

void MainWindow::buildToolBar() {
    toolBar_ = new QToolBar(client_);
    toolBar_->setObjectName(QString::number(ids::kToolbar));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    QStyle* style = this->style();
    struct Button {
        QIcon icon;
        int id;
        const char* tip;
    };
    const Button buttons[] = {
        {style->standardIcon(QStyle::SP_DirOpenIcon), ids::kToolOpenFolder, "ﾌｫﾙﾀﾞを開く"},
        {style->standardIcon(QStyle::SP_DialogSaveButton), ids::kToolOverwrite, "Exif情報を上書き"},
        {{}, 0, nullptr},
        {QIcon(QStringLiteral(":/brevino/export.svg")), ids::kToolExport, "Export"},
        {QIcon(QStringLiteral(":/brevino/import.svg")), ids::kToolImport, "Import"},
    };
    for (const Button& button : buttons) {
        if (button.id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = toolBar_->addAction(button.icon, QString::fromUtf8(button.tip));
        action->setToolTip(QString::fromUtf8(button.tip));
        action->setData(button.id);
        const int id = button.id;
        connect(action, &QAction::triggered, this, [this, id] { dispatch(id); });
        actions_[id] = action;
    }
}

void MainWindow::buildTagList() {
    model_ = new TagListModel(workspace_, this);
    tagView_ = new TagTableView(client_);
    tagView_->setObjectName(QString::number(ids::kTagList));
    tagView_->setModel(model_);
    tagView_->setShowGrid(true);
    tagView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tagView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tagView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tagView_->setWordWrap(false);
    tagView_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    tagView_->verticalHeader()->hide();
    tagView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tagView_->verticalHeader()->setDefaultSectionSize(tagView_->fontMetrics().height() + 4);
    QHeaderView* header = tagView_->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    for (int column = 0; column < kColumnCount; ++column) {
        header->resizeSection(column, kColumnWidths[column]);
    }
    connect(tagView_, &QAbstractItemView::doubleClicked, this, &MainWindow::editSelectedRow);

    // Ctrl+F opens the filter line above the table.
    filter_ = new QLineEdit(client_);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setClearButtonEnabled(true);
    filter_->setPlaceholderText(QString::fromUtf8("ﾀｸﾞ・値・説明で絞り込み"));
    filter_->hide();
    connect(filter_, &QLineEdit::textChanged, this, &MainWindow::filterRows);
}

QAction* MainWindow::action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        layoutClient(client_->width(), client_->height());
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::layoutClient(int width, int height) {
    // The preview pane keeps its place and size; the other controls follow the window.
    const QSize pane = preview_->contentsRect().size();
    fileList_->setGeometry(pane.width() + 10, 30, width - pane.width() - 14, pane.height() + 10);
    int tableTop = pane.height() + 40;
    if (filter_->isVisible()) {
        const int line = filter_->sizeHint().height();
        filter_->setGeometry(0, tableTop, width - 2, line);
        tableTop += line;
    }
    tagView_->setGeometry(0, tableTop, width - 2, height - tableTop);
    toolBar_->setGeometry(0, 0, width, toolBar_->sizeHint().height());
}

void MainWindow::dispatch(int id) {
    switch (ids::menuCommandFor(id)) {
        case ids::kCancel:
        case ids::kExit:
            close();
            break;
        case ids::kOpenFolder:
            openFolder();
            break;
        case ids::kOverwrite:
            overwrite();
            break;
        case ids::kExport:
            exportSegment();
            break;
        case ids::kImport:
            importSegment();
            break;
        case ids::kBatch:
            runBatch();
            break;
        case ids::kCopyToClipboard:
            copyToClipboard();
            break;
        case ids::kShowOnMap:
            showOnMap();
            break;
        case ids::kUndo:
            undoLastOperation();
            break;
        case ids::kOptions:
            showOptions();
            break;
        case ids::kVersion: {
            VersionDialog dialog(this);
            dialog.exec();
            break;
        }
        default:
            break;  // the Enter key and anything else
    }
}

void MainWindow::openFolder() {
    const std::optional<std::string> folder =
        folderBrowser_->browse(kOpenFolderTitle, browserStartFolder(workspace_.settings));
    if (!folder || folder->empty()) return;
    openChosenFolder(workspace_, *folder, settingsPath_);
    refreshFileList();
    watchFolder();
}

void MainWindow::overwrite() {
    if (workspace_.save()) workspace_.report(Problem::Saved);
    editedRowsChanged();
}

void MainWindow::editedRowsChanged() {
    // A save leaves the rows as they were, their contents as written.
    if (model_->rowCount() == static_cast<int>(workspace_.rowCount())) {
        model_->contentsChanged();
        updateMapAction();
    } else {
        refreshRows();
    }
    updateTitle();
}

void MainWindow::updateTitle() {
    const bool unsaved = workspace_.hasUnsavedEdits();
    setWindowTitle(unsaved ? previewTitle_ + QStringLiteral("*") : previewTitle_);
    setWindowModified(unsaved);
}

bool MainWindow::settleUnsavedEdits() {
    if (!workspace_.hasUnsavedEdits()) return true;
    const bool leave = workspace_.settleUnsavedEdits();
    editedRowsChanged();
    return leave;
}

void MainWindow::undoLastOperation() {
    // The undo may touch the file shown: its unsaved edits are settled first.
    if (!settleUnsavedEdits()) return;
    const UndoOutcome outcome = undoOperation(journal_);
    std::string text;
    for (const ReportLine& line : undoReport(outcome, false)) {
        if (!text.empty()) text += "\n";
        if (!line.path.empty()) text += line.path + ": ";
        text += line.text;
    }
    workspace_.report(text);
    if (outcome.problem != Problem::None) return;
    reloadFolder();
    if (!workspace_.currentFile.empty()) {
        if (pathExists(workspace_.currentFile)) {
            showCurrentFile();
        } else {
            // Renamed back: the file is in the list under its old name.
            workspace_.currentFile.clear();
            workspace_.clearAnalysis();
            refreshRows();
            preview_->release();
        }
    }
}

void MainWindow::showOptions() {
    const bool turned = workspace_.settings.turnsPreview();
    OptionsDialog dialog(workspace_.settings, settingsPath_, this);
    dialog.exec();
    if (workspace_.settings.turnsPreview() != turned) showCurrentPicture();
}

void MainWindow::exportSegment() {
    if (!workspace_.readyToExport()) return;
    const std::optional<std::string> target =
        fileChooser_->choose(FileChoice::Export, kExportTitle);
    if (target && !target->empty()) workspace_.exportTo(*target);
}

void MainWindow::importSegment() {
    if (!workspace_.readyToImport()) return;
    const std::optional<std::string> side = fileChooser_->choose(FileChoice::Import, kImportTitle);
    if (side && !side->empty()) workspace_.importFrom(*side);
}

std::vector<size_t> MainWindow::selectedRows() const {
    std::vector<size_t> rows;
    for (const QModelIndex& index : tagView_->selectionModel()->selectedRows()) {
        if (index.row() >= 0 && static_cast<size_t>(index.row()) < workspace_.rowCount())
            rows.push_back(static_cast<size_t>(index.row()));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void MainWindow::copyToClipboard() {
    const std::string text = clipboardText(workspace_, selectedRows());
    if (text.empty()) return;  // nothing selected: the clipboard keeps what it holds
    QGuiApplication::clipboard()->setText(fromUtf8(text));
}

void MainWindow::attachBatchDialog(BatchDialog& dialog) {
    // A run rewrites and renames files: pictures decoded ahead for them are not wanted, and
    // the folder's changes are taken in once the run is over.
    connect(&dialog, &BatchDialog::runStarted, this, [this] {
        batchRunning_ = true;
        preview_->cancelPrefetch();
    });
    connect(&dialog, &BatchDialog::runStopped, this, [this] {
        batchRunning_ = false;
        afterBatch();
    });
}

void MainWindow::runBatch() {
    if (!settleUnsavedEdits()) return;
    BatchDialog dialog(workspace_, this);
    attachBatchDialog(dialog);
    emit batchDialogOpened(&dialog);
    dialog.exec();
}

void MainWindow::afterBatch() {
    // Renamed files go back to their places in the list.
    sortFileList(workspace_.fileList);
    refreshFileList();
    if (workspace_.currentFile.empty()) return;
    showCurrentFile();
}

void MainWindow::selectFile(int row) {
    if (row < 0 || static_cast<size_t>(row) >= workspace_.fileList.size()) return;
    const std::string& chosen = workspace_.fileList[static_cast<size_t>(row)];
    if (chosen != workspace_.currentFile && !settleUnsavedEdits()) {
        markCurrentFileInList();  // the user stays with the edited file
        return;
    }
    workspace_.currentFile = chosen;
    if (fileList_->currentRow() != row) {
        const QSignalBlocker blocker(fileList_);
        fileList_->setCurrentRow(row);
    }
    showCurrentFile();
    // The neighbours are decoded ahead once the selection is on screen.
    QTimer::singleShot(0, this, [this, file = workspace_.currentFile] {
        const auto at = std::find(workspace_.fileList.begin(), workspace_.fileList.end(), file);
        if (at != workspace_.fileList.end() && file == workspace_.currentFile)
            prefetchNeighbours(static_cast<size_t>(at - workspace_.fileList.begin()));
    });
}

void MainWindow::showCurrentFile() {
    const std::string& path = workspace_.currentFile;
    // Browsing is never stopped by a message box: what the analysis says goes to the status
    // bar and into the empty table.
    StatusLine status;
    Reporter* reporter = workspace_.reporter;
    workspace_.reporter = &status;
    // A neighbour analysed ahead of time is taken over when the file is still as it was.
    const std::unique_ptr<PreparedFile> prepared = preview_->cache().takePrepared(path);
    const bool analysed = prepared ? workspace_.adoptAnalysis(*prepared) : workspace_.analyze(path);
    workspace_.reporter = reporter;
    // A file whose analysis fails shows no rows, not those of the file before.
    if (!analysed) workspace_.clearAnalysis();
    refreshRows();
    updateTitle();
    const QString where = localPath(path);
    tagView_->setEmptyText(fromUtf8(status.text()));
    statusBar()->showMessage(
        status.text().empty() ? where : where + QStringLiteral(": ") + fromUtf8(status.text()));
    showCurrentPicture();
}

void MainWindow::showCurrentPicture() {
    const std::string& path = workspace_.currentFile;
    // A file refused before anything is read keeps the picture as it was.
    if (path.empty() || !isAnalyzableFile(path)) return;
    preview_->release();
    preview_->load(path, workspace_.document(), workspace_.settings.turnsPreview());
}

void MainWindow::prefetchNeighbours(size_t row) {
    const std::vector<std::string>& list = workspace_.fileList;
    if (row >= list.size()) return;
    std::vector<std::string> neighbours;
    if (row + 1 < list.size()) neighbours.push_back(list[row + 1]);  // the likelier next step
    if (row > 0) neighbours.push_back(list[row - 1]);
    preview_->prefetch(neighbours, workspace_.settings.turnsPreview());
}

void MainWindow::dropPaths(const std::vector<std::string>& paths) {
    dropItems(workspace_, paths);
    refreshFileList();
    watchFolder();
}

void MainWindow::reloadFolder() {
    if (batchRunning_) return;
    if (!workspace_.currentFolder.empty()) {
        listFolder(workspace_, workspace_.currentFolder);
    } else {
        // Dropped files: those that are gone leave the list.
        std::erase_if(workspace_.fileList,
                      [](const std::string& path) { return !isAnalyzableFile(path); });
    }
    refreshFileList();
}

void MainWindow::watchFolder() {
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    if (!workspace_.currentFolder.empty()) watcher_->addPath(localPath(workspace_.currentFolder));
}

void MainWindow::refreshFileList() {
    preview_->cancelPrefetch();  // what was queued were neighbours in the old list
    const QSignalBlocker blocker(fileList_);
    fileList_->clear();
    // Names only, so that typing a name's first letters finds it; the path in the tooltip.
    for (const std::string& path : workspace_.fileList) {
        auto* item = new QListWidgetItem(localPath(std::string(fileNameOf(path))), fileList_);
        item->setToolTip(localPath(path));
    }
    markCurrentFileInList();
}

void MainWindow::markCurrentFileInList() {
    const QSignalBlocker blocker(fileList_);
    for (size_t i = 0; i < workspace_.fileList.size(); ++i) {
        if (workspace_.fileList[i] == workspace_.currentFile) {
            fileList_->setCurrentRow(static_cast<int>(i));
            return;
        }
    }
    fileList_->clearSelection();
}

void MainWindow::refreshRows() {
    model_->reload();
    rowsHidden_ = false;  // a reload shows every row
    filterRows(filter_->text());
    updateMapAction();
}

void MainWindow::filterRows(const QString& text) {
    // Without a filter after a reload, no row is hidden: nothing to do.
    if (text.isEmpty() && !rowsHidden_) return;
    rowsHidden_ = !text.isEmpty();
    const size_t rows = workspace_.rowCount();
    // A heading stays while any row of its IFD does.
    long heading = -1;
    bool headingKept = false;
    for (size_t r = 0; r < rows; ++r) {
        const int row = static_cast<int>(r);
        if (workspace_.isHeading(r)) {
            if (heading >= 0) tagView_->setRowHidden(static_cast<int>(heading), !headingKept);
            heading = row;
            headingKept = text.isEmpty();
            continue;
        }
        bool kept = text.isEmpty();
        for (Column column : {Column::Tag, Column::Content, Column::Note}) {
            if (kept) break;
            kept = fromUtf8(workspace_.cell(r, column)).contains(text, Qt::CaseInsensitive);
        }
        tagView_->setRowHidden(row, !kept);
        headingKept |= kept;
    }
    if (heading >= 0) tagView_->setRowHidden(static_cast<int>(heading), !headingKept);
}

void MainWindow::openFilter() {
    filter_->show();
    layoutClient(client_->width(), client_->height());
    filter_->setFocus();
    filter_->selectAll();
}

void MainWindow::closeFilter() {
    filter_->clear();
    filter_->hide();
    layoutClient(client_->width(), client_->height());
    tagView_->setFocus();
}

void MainWindow::updateMapAction() {
    action(ids::kShowOnMap)->setEnabled(readGpsPosition(workspace_.document()).hasPosition());
}

void MainWindow::showOnMap() {
    const GpsPosition position = readGpsPosition(workspace_.document());
    if (!position.hasPosition()) return;
    QDesktopServices::openUrl(QUrl(fromUtf8(mapAddress(position))));
}

void MainWindow::editSelectedRow() {
    const std::vector<size_t> rows = selectedRows();
    if (rows.empty()) return;
    workspace_.editRow(rows.front());
    model_->contentsChanged();
    updateTitle();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settleUnsavedEdits()) {
        event->ignore();
        return;
    }
    preview_->cancelPrefetch();
    preview_->release();
    workspace_.clearAnalysis();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        // Only local files can be listed; anything else is skipped like an unreadable item.
        paths.push_back(url.isLocalFile() ? fromLocalPath(url.toLocalFile()) : std::string());
    }
    dropPaths(paths);
    event->acceptProposedAction();
}

}  // namespace brevino::ui
