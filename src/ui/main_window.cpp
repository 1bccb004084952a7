#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QToolBar>

#include <algorithm>

#include "exif/gps_position.h"
#include "ui/batch_dialog.h"
#include "ui/dialog_units.h"
#include "ui/gui_hooks.h"
#include "ui/preview_pane.h"
#include "ui/qt_text.h"
#include "ui/small_dialogs.h"
#include "ui/tag_list_model.h"
#include "workspace/clipboard_text.h"
#include "workspace/command_ids.h"
#include "workspace/file_list.h"

namespace brevino::ui {
namespace {

// The room every control keeps at the smallest window size.
constexpr int kMinimumControlSize = 48;

}  // namespace

MainWindow::MainWindow(const UiHooks& hooks, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(kMainCaption));
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
    connect(preview_, &PreviewPane::titleChanged, this, &QWidget::setWindowTitle);

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

    settingsPath_ = settingsFilePath();
    workspace_.settings = loadSettings(settingsPath_);
    workspace_.currentFile.clear();
    buildTagList();

    // The Esc key ends the program like the exit command; the Enter key does nothing.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { dispatch(ids::kCancel); });

    client_->installEventFilter(this);
    const QSize pane = preview_->contentsRect().size();
    client_->setMinimumSize(
        std::max(pane.width() + 14 + kMinimumControlSize, preview_->geometry().right() + 1),
        std::max(pane.height() + 40 + kMinimumControlSize, preview_->geometry().bottom() + 1));
    resize(units.x(534), units.y(363) + menuBar()->sizeHint().height());
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
         {{"複数ﾌｧｲﾙ一括変更", ids::kBatch},
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
        {QIcon::fromTheme(QStringLiteral("edit-cut"), style->standardIcon(QStyle::SP_ArrowUp)),
         ids::kToolExport, "Export"},
        {QIcon::fromTheme(QStringLiteral("edit-copy"), style->standardIcon(QStyle::SP_ArrowDown)),
         ids::kToolImport, "Import"},
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
    tagView_ = new QTableView(client_);
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
    tagView_->setGeometry(0, pane.height() + 40, width - 2, height - pane.height() - 40);
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
        case ids::kOptions: {
            OptionsDialog dialog(workspace_.settings, settingsPath_, this);
            dialog.exec();
            break;
        }
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
}

void MainWindow::overwrite() {
    if (workspace_.save()) workspace_.report(Problem::Saved);
    // The save read the file again: the rows are the same, their contents as written.
    if (model_->rowCount() == static_cast<int>(workspace_.rowCount())) {
        model_->contentsChanged();
        updateMapAction();
    } else {
        refreshRows();
    }
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
    // A run rewrites and renames files: pictures decoded ahead for them are not wanted.
    connect(&dialog, &BatchDialog::runStarted, preview_, &PreviewPane::cancelPrefetch);
    connect(&dialog, &BatchDialog::runStopped, this, &MainWindow::afterBatch);
}

void MainWindow::runBatch() {
    BatchDialog dialog(workspace_, this);
    attachBatchDialog(dialog);
    emit batchDialogOpened(&dialog);
    dialog.exec();
}

void MainWindow::afterBatch() {
    refreshFileList();
    if (workspace_.currentFile.empty()) return;
    showCurrentFile();
}

void MainWindow::selectFile(int row) {
    if (row < 0 || static_cast<size_t>(row) >= workspace_.fileList.size()) return;
    workspace_.currentFile = workspace_.fileList[static_cast<size_t>(row)];
    if (fileList_->currentRow() != row) {
        const QSignalBlocker blocker(fileList_);
        fileList_->setCurrentRow(row);
    }
    showCurrentFile();
    prefetchNeighbours(static_cast<size_t>(row));
}

void MainWindow::showCurrentFile() {
    // A file refused before anything is read leaves the rows and the picture as they were.
    if (isAnalyzableFile(workspace_.currentFile)) {
        preview_->release();
        preview_->load(workspace_.currentFile);
    }
    workspace_.analyze(workspace_.currentFile);
    refreshRows();
}

void MainWindow::prefetchNeighbours(size_t row) {
    const std::vector<std::string>& list = workspace_.fileList;
    if (row >= list.size()) return;
    std::vector<std::string> neighbours;
    if (row + 1 < list.size()) neighbours.push_back(list[row + 1]);  // the likelier next step
    if (row > 0) neighbours.push_back(list[row - 1]);
    preview_->prefetch(neighbours);
}

void MainWindow::dropPaths(const std::vector<std::string>& paths) {
    dropItems(workspace_, paths);
    refreshFileList();
}

void MainWindow::refreshFileList() {
    preview_->cancelPrefetch();  // what was queued were neighbours in the old list
    const QSignalBlocker blocker(fileList_);
    fileList_->clear();
    for (const std::string& path : workspace_.fileList) {
        fileList_->addItem(localPath(path));
    }
    markCurrentFileInList();
}

void MainWindow::markCurrentFileInList() {
    for (size_t i = 0; i < workspace_.fileList.size(); ++i) {
        if (workspace_.fileList[i] == workspace_.currentFile) {
            const QSignalBlocker blocker(fileList_);
            fileList_->setCurrentRow(static_cast<int>(i));
            return;
        }
    }
}

void MainWindow::refreshRows() {
    model_->reload();
    updateMapAction();
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
}

void MainWindow::closeEvent(QCloseEvent* event) {
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
