// Browsing: opens a folder, steps through every file with the Down key, and counts the
// message boxes that stopped the browsing; checks that pictures with a quarter-turn
// orientation are shown turned; and can save a picture of the window with one file selected.
#include <QApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string>

#include "exif/image_orientation.h"
#include "tour_parts.h"
#include "tour_support.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"
#include "ui/qt_text.h"
#include "workspace/file_list.h"

namespace brevino::tour {
namespace {

bool waitForPicture(ui::MainWindow& window) {
    return QTest::qWaitFor([&] { return !window.previewPane()->isWaiting(); }, 10000);
}

}  // namespace

int browse(const QStringList& arguments) {
    QStringList args = arguments;
    QString shot, selectName;
    if (const qsizetype at = args.indexOf(QStringLiteral("--shot"));
        at >= 0 && at + 1 < args.size()) {
        shot = args.takeAt(at + 1);
        args.removeAt(at);
    }
    if (const qsizetype at = args.indexOf(QStringLiteral("--select"));
        at >= 0 && at + 1 < args.size()) {
        selectName = args.takeAt(at + 1);
        args.removeAt(at);
    }
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: brevino_desktop_tour browse FOLDER [--shot PNG --select NAME]\n");
        return 2;
    }
    std::printf("browse: every file of the folder with the Down key\n");

    ui::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 2;
    window.activateWindow();

    // A message box that comes up is counted and answered, so that the tour goes on.
    QStringList boxes;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    watch.start(20);

    Workspace& workspace = window.workspace();
    workspace.currentFolder = args.front().toStdString();
    listFolder(workspace, workspace.currentFolder);
    window.refreshFileList();
    ui::FileListView* list = window.fileListView();
    list->setFocus();

    int browsed = 0, turned = 0, upright = 0;
    for (int row = 0; row < list->count(); ++row) {
        if (row == 0) {
            list->setCurrentRow(0);
        } else {
            QTest::keyClick(list, Qt::Key_Down);
        }
        if (list->currentRow() != row || !waitForPicture(window)) {
            std::fprintf(stderr, "the list did not move to entry %d\n", row);
            return 1;
        }
        ++browsed;
        QTest::qWait(30);  // painted, and time for a message box to show up
        const QSize shown = window.previewPane()->picture().size();
        if (turnsQuarter(imageOrientation(workspace.document())) && shown.isValid()) {
            // Turned by a quarter: the stored picture's width is shown as its height.
            ++turned;
            const QSize stored = QImageReader(ui::localPath(workspace.currentFile)).size();
            if ((stored.width() > stored.height()) == (shown.height() > shown.width())) ++upright;
            std::printf("  %s: Orientation %d, stored %dx%d, shown %dx%d\n",
                        std::string(fileNameOf(workspace.currentFile)).c_str(),
                        imageOrientation(workspace.document()), stored.width(), stored.height(),
                        shown.width(), shown.height());
        }
    }
    std::printf(
        "  files browsed with the Down key: %d, message boxes: %lld, quarter-turned "
        "pictures shown turned: %d of %d\n",
        browsed, static_cast<long long>(boxes.size()), upright, turned);
    for (const QString& text : boxes)
        std::printf("  message box: %s\n", qPrintable(text));

    if (!shot.isEmpty()) {
        const QModelIndexList found = list->model()->match(
            list->model()->index(0, 0), Qt::DisplayRole, selectName, 1, Qt::MatchExactly);
        if (found.isEmpty()) {
            std::fprintf(stderr, "no file %s in the folder\n", qPrintable(selectName));
            return 2;
        }
        list->setCurrentRow(found.front().row());
        waitForPicture(window);
        QTest::qWait(200);
        if (!window.grab().toImage().save(shot)) return 2;
        std::printf("  saved %s\n", qPrintable(shot));
    }
    return boxes.isEmpty() && upright == turned ? 0 : 1;
}

}  // namespace brevino::tour
