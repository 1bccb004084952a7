#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "exif/gps_position.h"
#include "exif/image_orientation.h"
#include "journal/undo.h"
#include "ui/add_entry_dialog.h"
#include "ui/batch_dialog.h"
#include "ui/dialog_units.h"
#include "ui/file_list_model.h"
#include "ui/file_list_view.h"
#include "ui/folder_lister.h"
#include "ui/gui_hooks.h"
#include "ui/preview_pane.h"
#include "ui/qt_text.h"
#include "ui/small_dialogs.h"
#include "ui/tag_list_model.h"
#include "ui/tag_table_view.h"
#include "ui/ui_language.h"
#include "ui/window_place.h"
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

// The room every pane keeps however small the window is made.
constexpr int kMinimumPaneSize = 48;

// Keeps the last message of a selection, to show it in the status bar and the table instead
// of a message box that would stop the browsing.
class StatusLine : public Reporter {
  public:
    void report(std::string_view text, std::string_view) override { text_ = text; }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

QString withPath(const QString& text, const QString& path) {
    return QString(text).replace(QStringLiteral("%s"), path);
}

// The menus, their items and the toolbar's buttons, their texts as the source gives them
// (translated where they are shown).
struct MenuItem {
    const char* text;
    int id;                      // 0: separator
    const char* keys = nullptr;  // the same on every desktop, whatever its key scheme
};

struct Menu {
    const char* title;
    std::vector<MenuItem> items;
};

const Menu kMenus[] = {
    {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾌｧｲﾙ(&F)"),
     {{QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾌｫﾙﾀﾞを開く(&O)"), ids::kOpenFolder, "Ctrl+O"},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Exif情報上書き(&S)"), ids::kOverwrite,
       "Ctrl+S"},
      {nullptr, 0},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Export(&E)"), ids::kExport},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Import(&I)"), ids::kImport},
      {nullptr, 0},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "終了(&X)"), ids::kExit, "Ctrl+Q"}}},
    {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "編集(&E)"),
     {{QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "元に戻す"), ids::kUndo, "Ctrl+Z"},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "やり直し"), ids::kRedo,
       "Ctrl+Shift+Z; Ctrl+Y"},
      {nullptr, 0},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾀｸﾞを追加..."), ids::kAddEntry},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾀｸﾞを削除"), ids::kRemoveEntries},
      {nullptr, 0},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "複数ﾌｧｲﾙ一括変更"), ids::kBatch},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)"), ids::kCopyToClipboard,
       "Ctrl+C"},
      {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "地図で表示"), ids::kShowOnMap}}},
    {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "設定(&S)"),
     {{QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ｵﾌﾟｼｮﾝ設定"), ids::kOptions}}},
    {QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾍﾙﾌﾟ(&H)"),
     {{QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾊﾞｰｼﾞｮﾝ情報(&V)"), ids::kVersion}}},
};

struct ToolButton {
    const char* icon;
    int id;
    const char* tip;
};

// Drawn from SVG: sharp at every size and screen scale.
const ToolButton kToolButtons[] = {
    {":/brevino/open.svg", ids::kToolOpenFolder,
     QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "ﾌｫﾙﾀﾞを開く")},
    {":/brevino/save.svg", ids::kToolOverwrite,
     QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Exif情報を上書き")},
    {nullptr, 0, nullptr},
    {":/brevino/export.svg", ids::kToolExport,
     QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Export")},
    {":/brevino/import.svg", ids::kToolImport,
     QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "Import")},
};

// The language items: the language's own name for each language, so that it reads the same
// whatever the window's language is; "Automatic" is translated.
struct LanguageItem {
    LanguageChoice choice;
    const char* text;
    bool translated;
};

const LanguageItem kLanguageItems[] = {
    {LanguageChoice::Auto, QT_TRANSLATE_NOOP("brevino::ui::MainWindow", "自動"), true},
    {LanguageChoice::Japanese, "日本語", false},
    {LanguageChoice::English, "English", false},
};

}  // namespace

MainWindow::MainWindow(const UiHooks& hooks, QWidget* parent) : QMainWindow(parent) {
    initToolbarResources();
    setWindowTitle(tr(kMainCaption));
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

    workspace_.journal = &journal_;
    settingsPath_ = settingsFilePath();
    workspace_.settings = loadSettings(settingsPath_);
    workspace_.currentFile.clear();

    lister_ = new FolderLister(this);
    buildMenu();
    updateMapAction();
    buildToolBar();
    buildPanes();
    buildShortcuts();
    statusBar()->setSizeGripEnabled(true);

    // The folder is followed while other programs add or remove files in it, and the file
    // shown while it is there.
    watcher_ = new QFileSystemWatcher(this);
    folderChanged_.setSingleShot(true);
    folderChanged_.setInterval(200);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { folderChanged_.start(); });
    connect(&folderChanged_, &QTimer::timeout, this, [this] {
        if (batchRunning_) return;  // the run's end lists the folder again
        reloadFolder();
    });
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
        if (!batchRunning_ && fromLocalPath(path) == workspace_.currentFile &&
            !pathExists(workspace_.currentFile))
            currentFileGone();
    });

    placeWindow();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu() {
    for (const Menu& menu : kMenus) {
        QMenu* entry = menuBar()->addMenu(tr(menu.title));
        menuTexts_.emplace_back(entry, menu.title);
        for (const MenuItem& item : menu.items) {
            if (item.text == nullptr) {
                entry->addSeparator();
                continue;
            }
            QAction* action = entry->addAction(tr(item.text));
            actionTexts_.emplace_back(action, item.text);
            action->setData(item.id);
            if (item.keys) action->setShortcuts(QKeySequence::listFromString(item.keys));
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { dispatch(id); });
            actions_[id] = action;
        }
        if (menu.items.front().id == ids::kOptions) buildLanguageMenu(entry);
    }
}

void MainWindow::buildLanguageMenu(QMenu* settings) {
    QMenu* languages = settings->addMenu(QString::fromUtf8(kLanguageMenu));
    auto* group = new QActionGroup(languages);
    group->setExclusive(true);
    for (const LanguageItem& item : kLanguageItems) {
        QAction* action =
            languages->addAction(item.translated ? tr(item.text) : QString::fromUtf8(item.text));
        if (item.translated) actionTexts_.emplace_back(action, item.text);
        action->setCheckable(true);
        action->setChecked(workspace_.settings.language == item.choice);
        group->addAction(action);
        const LanguageChoice choice = item.choice;
        connect(action, &QAction::triggered, this, [this, choice] { chooseLanguage(choice); });
        languageActions_[choice] = action;
    }
}

QAction* MainWindow::languageAction(LanguageChoice choice) const {
    const auto found = languageActions_.find(choice);
    return found == languageActions_.end() ? nullptr : found->second;
}

void MainWindow::chooseLanguage(LanguageChoice choice) {
    workspace_.settings.language = choice;
    saveLanguage(settingsPath_, choice);
    if (QAction* chosen = languageAction(choice)) chosen->setChecked(true);
    const Language before = textLanguage();
    applyLanguage(languageFor(choice));  // the window is translated on its LanguageChange
    retranslate();
    if (textLanguage() == before) return;
    // The rows' tag names, notes and headings come from the core in its language: they are made
    // again from the document, unsaved edits kept.
    workspace_.rebuildRows();
    model_->reload();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslate();
}

void MainWindow::retranslate() {
    for (const auto& [menu, text] : menuTexts_)
        menu->setTitle(tr(text));
    for (const auto& [action, text] : actionTexts_) {
        action->setText(tr(text));
        if (toolBar_->actions().contains(action)) action->setToolTip(tr(text));
    }
    filter_->setPlaceholderText(tr(kFilterHint));
    if (emptyHint_) tagView_->setEmptyText(tr(emptyHint_));
    updateTitle();
}

void MainWindow::buildToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QString::number(ids::kToolbar));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->toggleViewAction()->setVisible(false);
    toolBar_->setIconSize(QSize(16, 16));
    for (const ToolButton& button : kToolButtons) {
        if (button.id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action =
            toolBar_->addAction(QIcon(QString::fromLatin1(button.icon)), tr(button.tip));
        action->setToolTip(tr(button.tip));
        actionTexts_.emplace_back(action, button.tip);
        action->setData(button.id);
        const int id = button.id;
        connect(action, &QAction::triggered, this, [this, id] { dispatch(id); });
        actions_[id] = action;
    }
}

void MainWindow::buildPanes() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    auto* layout = new QVBoxLayout(client_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The preview beside the file list, above the table; the panes' borders can be dragged.
    mainSplit_ = new QSplitter(Qt::Vertical, client_);
    mainSplit_->setObjectName(QStringLiteral("mainSplitter"));
    mainSplit_->setChildrenCollapsible(false);
    layout->addWidget(mainSplit_);
    topSplit_ = new QSplitter(Qt::Horizontal, mainSplit_);
    topSplit_->setObjectName(QStringLiteral("topSplitter"));
    topSplit_->setChildrenCollapsible(false);

    preview_ = new PreviewPane(topSplit_);
    preview_->setObjectName(QString::number(ids::kPreviewPane));
    preview_->setMinimumSize(kMinimumPaneSize, kMinimumPaneSize);
    connect(preview_, &PreviewPane::titleChanged, this, [this](const QString& title) {
        previewTitle_ = title;
        updateTitle();
    });

    fileModel_ = new FileListModel(workspace_, this);
    fileList_ = new FileListView(topSplit_);
    fileList_->setObjectName(QString::number(ids::kFileList));
    fileList_->setModel(fileModel_);
    fileList_->setMinimumSize(kMinimumPaneSize, kMinimumPaneSize);
    connect(fileList_, &FileListView::rowSelected, this, &MainWindow::selectFile);

    auto* tableArea = new QWidget(mainSplit_);
    auto* tableLayout = new QVBoxLayout(tableArea);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->setSpacing(0);
    buildTagList();
    tableLayout->addWidget(filter_);
    tableLayout->addWidget(tagView_);
    tableArea->setMinimumHeight(kMinimumPaneSize);

    // A larger window gives its room to the file list and the table; the preview and the top
    // row keep theirs until their borders are dragged.
    topSplit_->setStretchFactor(0, 0);
    topSplit_->setStretchFactor(1, 1);
    mainSplit_->setStretchFactor(0, 0);
    mainSplit_->setStretchFactor(1, 1);
}

void MainWindow::buildTagList() {
    model_ = new TagListModel(workspace_, this);
    tagView_ = new TagTableView;
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
    for (int column = 0; column < kColumnCount; ++column) {
        header->resizeSection(column, kColumnWidths[column]);
    }
    // The note column takes whatever room the window has beyond the others; the header
    // keeps a stretched section at least as wide as it was before, so it starts narrow.
    header->resizeSection(kColumnCount - 1, header->minimumSectionSize());
    header->setStretchLastSection(true);
    tagView_->setEmptyText(tr(kStartHint));
    connect(tagView_, &QAbstractItemView::doubleClicked, this, &MainWindow::editSelectedRow);
    connect(tagView_, &TagTableView::editRequested, this, &MainWindow::editCurrentRow);

    // Ctrl+F opens the filter line above the table.
    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setClearButtonEnabled(true);
    filter_->setPlaceholderText(tr(kFilterHint));
    filter_->hide();
    connect(filter_, &QLineEdit::textChanged, this, &MainWindow::filterRows);
}

void MainWindow::buildShortcuts() {
    // Esc clears an open filter; otherwise it does nothing: the window is closed with
    // Ctrl+Q, the exit command or its close button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (filter_->isVisible()) closeFilter();
    });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &MainWindow::openFilter);
    auto* reload = new QShortcut(QKeySequence::Refresh, this);
    connect(reload, &QShortcut::activated, this, &MainWindow::reloadFolder);
}

void MainWindow::placePanes() {
    // The panes as they were kept, or in the classic proportions of the window as it is
    // (204 of 528 units wide for the preview, 150 of 342 high for the top row).
    const WindowLayout& kept = workspace_.settings.window;
    const int width = std::max(1, topSplit_->width());
    const int height = std::max(1, mainSplit_->height());
    const int previewWidth = kept.previewWidth > 0 ? kept.previewWidth : width * 204 / 528;
    const int topHeight = kept.topHeight > 0 ? kept.topHeight : height * 150 / 342;
    topSplit_->setSizes({previewWidth, std::max(1, width - previewWidth)});
    mainSplit_->setSizes({topHeight, std::max(1, height - topHeight)});
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (panesPlaced_) return;
    panesPlaced_ = true;
    placePanes();
}

void MainWindow::placeWindow() {
    const DialogUnits units(font());
    const WindowLayout& kept = workspace_.settings.window;

    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (const std::optional<QRect> window = keptWindow(kept, screens)) {
        setGeometry(*window);
    } else {
        // First start (or a screen too small for the kept window): the classic size, as much
        // of it as the screen has room for, in its middle.
        const QSize classic(units.x(534), units.y(363) + menuBar()->sizeHint().height() +
                                              statusBar()->sizeHint().height());
        const QSize wanted = kept.keptSize() ? QSize(kept.width, kept.height) : classic;
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QRect place =
            centredWindow(wanted, screen ? screen->availableGeometry() : QRect(0, 0, 800, 600));
        resize(place.size());
        move(place.topLeft());
    }
    if (kept.maximized != 0) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::keepLayout() {
    WindowLayout layout;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    layout.left = normal.x();
    layout.top = normal.y();
    layout.width = normal.width();
    layout.height = normal.height();
    layout.maximized = isMaximized() ? 1 : 0;
    layout.previewWidth = topSplit_->sizes().value(0);
    layout.topHeight = mainSplit_->sizes().value(0);
    workspace_.settings.window = layout;
    saveWindowLayout(settingsPath_, layout);
}

QAction* MainWindow::action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::dispatch(int id) {
    switch (ids::menuCommandFor(id)) {
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
            undo();
            break;
        case ids::kRedo:
            redoOperation();
            break;
        case ids::kAddEntry:
            addEntry();
            break;
        case ids::kRemoveEntries:
            removeEntries();
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
            break;  // the Enter and Esc keys (never the window's end) and anything else
    }
}

void MainWindow::openFolder() {
    const std::optional<std::string> folder = folderBrowser_->browse(
        toUtf8(tr(kOpenFolderTitle)), browserStartFolder(workspace_.settings));
    if (!folder || folder->empty()) return;
    rememberChosenFolder(workspace_, *folder, settingsPath_);
    watchFolder();
    // Links are shown at once and followed by the listing after (see takeNewListing).
    const std::string chosen = workspace_.currentFolder;
    lister_->list([chosen] { return folderListing(chosen, Links::Assumed); },
                  [this, chosen](Listing listing) {
                      takeNewListing(std::move(listing),
                                     [chosen] { return folderListing(chosen); });
                  });
}

void MainWindow::dropPaths(const std::vector<std::string>& paths) {
    if (paths.empty()) return;  // nothing dropped: the list stays
    lister_->list([paths] { return dropListing(paths, Links::Assumed); },
                  [this, paths](Listing listing) {
                      takeNewListing(std::move(listing), [paths] { return dropListing(paths); });
                  });
}

void MainWindow::reloadFolder() {
    if (batchRunning_) return;
    if (!workspace_.currentFolder.empty()) {
        lister_->list([folder = workspace_.currentFolder] { return folderListing(folder); },
                      [this](Listing listing) { takeReloadedListing(std::move(listing)); });
    } else {
        // Dropped files: those that are gone leave the list.
        lister_->list([files = workspace_.fileList] { return presentListing(files); },
                      [this](Listing listing) { takeReloadedListing(std::move(listing)); });
    }
}

bool MainWindow::isListing() const {
    return lister_->busy();
}

void MainWindow::takeNewListing(Listing listing, FolderLister::Job followingLinks) {
    if (listing.folder) {
        workspace_.currentFolder = std::move(*listing.folder);
        watchFolder();
    }
    preview_->cancelPrefetch();  // what was queued were neighbours in the old list
    const bool linksFollowed = listing.linksFollowed;
    {
        const QSignalBlocker blocker(fileList_);
        FileListModel::Discarded old =
            fileModel_->take(std::move(listing.files), std::move(listing.names));
        lister_->discard(std::move(old.files), std::move(old.names));
    }
    // Links were listed as files unseen: the same is listed again following them, and those
    // that name no regular file leave the list.
    if (!linksFollowed)
        lister_->list(std::move(followingLinks),
                      [this](Listing again) { takeReloadedListing(std::move(again)); });
    markCurrentFileInList();
    if (!workspace_.fileList.empty()) {
        selectFile(0);
    } else if (std::find(workspace_.fileList.begin(), workspace_.fileList.end(),
                         workspace_.currentFile) == workspace_.fileList.end()) {
        if (settleUnsavedEdits()) showNoFile(kEmptyFolderHint);
    }
}

void MainWindow::takeReloadedListing(Listing listing) {
    if (batchRunning_) return;
    {
        const QSignalBlocker blocker(fileList_);
        FileListModel::Discarded old =
            fileModel_->replace(std::move(listing.files), std::move(listing.names));
        lister_->discard(std::move(old.files), std::move(old.names));
    }
    markCurrentFileInList();
    const std::string& current = workspace_.currentFile;
    if (!current.empty() && !pathExists(current) &&
        std::find(workspace_.fileList.begin(), workspace_.fileList.end(), current) ==
            workspace_.fileList.end())
        currentFileGone();
}

void MainWindow::currentFileGone() {
    const QString path = localPath(workspace_.currentFile);
    // Its edits cannot be saved any more: there is nothing to ask.
    workspace_.discardEdits();
    showNoFile(workspace_.fileList.empty() ? kStartHint : nullptr);
    statusBar()->showMessage(withPath(tr(kFileGone), path));
}

void MainWindow::showNoFile(const char* hint) {
    workspace_.currentFile.clear();
    workspace_.clearAnalysis();
    preview_->cancelPrefetch();
    preview_->release();
    previewTitle_.clear();
    refreshRows();
    updateTitle();
    emptyHint_ = hint;
    tagView_->setEmptyText(hint ? tr(hint) : QString());
    markCurrentFileInList();
    watchCurrentFile();
}

void MainWindow::overwrite() {
    const int before = imageOrientation(workspace_.document());
    const bool saved = workspace_.save();
    editedRowsChanged();
    // A new Orientation turns the picture at once.
    if (saved && imageOrientation(workspace_.document()) != before) showCurrentPicture();
    if (saved) workspace_.report(Problem::Saved);
}

void MainWindow::addEntry() {
    if (!workspace_.document().walked() &&
        workspace_.document().problem != Problem::NoExifSegment) {
        workspace_.report(Problem::OpenFirstToSave);
        return;
    }
    AddEntryDialog dialog(workspace_, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.addition()) return;
    // Unsaved edits are written along with the new entry.
    workspace_.saveWith(std::span(&*dialog.addition(), 1));
    refreshRows();
    updateTitle();
}

void MainWindow::removeEntries() {
    const std::vector<size_t> rows = selectedRows();
    if (rows.empty()) return;
    if (workspace_.ask(questionText(Question::Remove)) != Answer::Yes) return;
    workspace_.removeRows(rows);
    refreshRows();
    updateTitle();
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
    // Without a file shown, the program's own caption.
    const QString title = previewTitle_.isEmpty() ? tr(kMainCaption) : previewTitle_;
    setWindowTitle(unsaved ? title + QStringLiteral("*") : title);
    setWindowModified(unsaved);
}

bool MainWindow::settleUnsavedEdits() {
    if (!workspace_.hasUnsavedEdits()) return true;
    const bool leave = workspace_.settleUnsavedEdits();
    editedRowsChanged();
    return leave;
}

void MainWindow::undo() {
    // An unsaved edit is taken back first, without touching any file.
    if (workspace_.undoEdit()) {
        editedRowsChanged();
        statusBar()->showMessage(tr(kEditTakenBack));
        return;
    }
    undoLastOperation();
}

void MainWindow::undoLastOperation() {
    // The undo may touch the file shown: its unsaved edits are settled first.
    if (!settleUnsavedEdits()) return;
    const std::optional<Operation> latest = latestInEffect(readHistory(journal_));
    if (!latest) {
        workspace_.report(Problem::NothingToUndo);
        return;
    }
    // The user sees which operation goes before any file is touched.
    if (workspace_.ask(withDetail(questionText(Question::Undo),
                                  operationLabel(latest->id, latest->title))) != Answer::Yes)
        return;
    showUndone(undoOperation(journal_, latest->id), false);
}

void MainWindow::redoOperation() {
    if (!settleUnsavedEdits()) return;
    // The undo that took the operation back; its target is the operation applied again.
    const std::optional<Operation> undo = latestTakenBack(readHistory(journal_));
    if (!undo) {
        workspace_.report(Problem::NothingToRedo);
        return;
    }
    if (workspace_.ask(withDetail(questionText(Question::Redo),
                                  operationLabel(undo->target, undo->title))) != Answer::Yes)
        return;
    showUndone(brevino::redoOperation(journal_), true);
}

void MainWindow::showUndone(const UndoOutcome& outcome, bool redo) {
    std::string text;
    for (const ReportLine& line : undoReport(outcome, redo)) {
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
            showNoFile(nullptr);
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
        fileChooser_->choose(FileChoice::Export, toUtf8(tr(kExportTitle)));
    if (target && !target->empty()) workspace_.exportTo(*target);
}

void MainWindow::importSegment() {
    if (!workspace_.readyToImport()) return;
    const std::optional<std::string> side =
        fileChooser_->choose(FileChoice::Import, toUtf8(tr(kImportTitle)));
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
    const std::string chosen = workspace_.fileList[static_cast<size_t>(row)];
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
    emptyHint_ = nullptr;
    tagView_->setEmptyText(fromUtf8(status.text()));
    statusBar()->showMessage(
        status.text().empty() ? where : where + QStringLiteral(": ") + fromUtf8(status.text()));
    watchCurrentFile();
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

void MainWindow::watchFolder() {
    const QStringList folders = watcher_->directories();
    if (!folders.isEmpty()) watcher_->removePaths(folders);
    if (!workspace_.currentFolder.empty()) watcher_->addPath(localPath(workspace_.currentFolder));
}

void MainWindow::watchCurrentFile() {
    if (watchedFile_ == workspace_.currentFile) return;
    if (!watchedFile_.empty()) watcher_->removePath(localPath(watchedFile_));
    watchedFile_ = workspace_.currentFile;
    if (!watchedFile_.empty()) watcher_->addPath(localPath(watchedFile_));
}

void MainWindow::refreshFileList() {
    preview_->cancelPrefetch();  // what was queued were neighbours in the old list
    {
        const QSignalBlocker blocker(fileList_);
        fileModel_->reload();
    }
    markCurrentFileInList();
}

void MainWindow::markCurrentFileInList() {
    const QSignalBlocker blocker(fileList_);
    // Most often the list's current entry is the file already.
    const int current = fileList_->currentRow();
    if (current >= 0 && static_cast<size_t>(current) < workspace_.fileList.size() &&
        !workspace_.currentFile.empty() &&
        workspace_.fileList[static_cast<size_t>(current)] == workspace_.currentFile &&
        fileList_->selectionModel()->isRowSelected(current))
        return;
    const auto at =
        std::find(workspace_.fileList.begin(), workspace_.fileList.end(), workspace_.currentFile);
    if (workspace_.currentFile.empty() || at == workspace_.fileList.end()) {
        fileList_->setCurrentRow(-1);
        return;
    }
    fileList_->setCurrentRow(static_cast<int>(at - workspace_.fileList.begin()));
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
    filter_->setFocus();
    filter_->selectAll();
}

void MainWindow::closeFilter() {
    filter_->clear();
    filter_->hide();
    tagView_->setFocus();
}

void MainWindow::updateMapAction() {
    action(ids::kShowOnMap)->setEnabled(readGpsPosition(workspace_.document()).hasPosition());
}

void MainWindow::showOnMap() {
    const GpsPosition position = readGpsPosition(workspace_.document());
    if (!position.hasPosition()) return;
    const QString address = fromUtf8(mapAddress(position));
    // Without a browser to open it, the address is at least shown, to be copied elsewhere.
    if (!QDesktopServices::openUrl(QUrl(address)))
        statusBar()->showMessage(withPath(tr(kNoBrowser), address));
}

void MainWindow::editSelectedRow() {
    const std::vector<size_t> rows = selectedRows();
    if (!rows.empty()) editRow(rows.front());
}

void MainWindow::editCurrentRow() {
    const QModelIndex current = tagView_->currentIndex();
    if (current.isValid() && static_cast<size_t>(current.row()) < workspace_.rowCount()) {
        editRow(static_cast<size_t>(current.row()));
    } else {
        editSelectedRow();
    }
}

void MainWindow::editRow(size_t row) {
    workspace_.editRow(row);
    model_->contentsChanged();
    updateTitle();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settleUnsavedEdits()) {
        event->ignore();
        return;
    }
    keepLayout();
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
