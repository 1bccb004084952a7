// At a screen scale of 2 (QT_SCALE_FACTOR=2): the window comes up inside the screen with its
// menus reachable, and the preview shows the photo at the screen's full resolution: a crop of
// the pane is compared with the photo decoded for exactly those device pixels, and with the
// photo decoded for half as many and stretched, as it was drawn before.
#include <QImageReader>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <cstdio>

#include "tour_parts.h"
#include "tour_support.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"
#include "ui/qt_text.h"

namespace brevino::tour {
namespace {

// The mean difference of two pictures of one size, per channel, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int column = 0; column < x.width(); ++column) {
            total += std::abs(qRed(p[column]) - qRed(q[column])) +
                     std::abs(qGreen(p[column]) - qGreen(q[column])) +
                     std::abs(qBlue(p[column]) - qBlue(q[column]));
        }
    }
    return total / (3.0 * x.width() * x.height());
}

QImage decodedAt(const QString& path, QSize size) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    reader.setScaledSize(size);
    return reader.read();
}

QString text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

int scale(const QStringList& args) {
    if (args.size() != 2 && args.size() != 4) {
        std::fprintf(stderr, "usage: brevino_desktop_tour scale FOLDER NAME [--shot PNG]\n");
        return 2;
    }
    const std::string folder = args[0].toStdString();
    const QString name = args[1];
    const QString shot = args.size() == 4 ? args[3] : QString();
    std::printf("scale: the window at a screen scale of 2\n");
    Checks checks;

    ui::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 2;
    const qreal ratio = window.devicePixelRatioF();
    checks.check(ratio == 2, QStringLiteral("device pixels per window pixel: %1").arg(ratio));
    const QRect screen = window.screen()->availableGeometry();
    checks.check(screen.contains(window.frameGeometry()),
                 QStringLiteral("window %1 (frame included) inside the screen %2")
                     .arg(text(window.frameGeometry()), text(screen)));
    const QRect menus(window.menuBar()->mapToGlobal(QPoint(0, 0)), window.menuBar()->size());
    checks.check(screen.contains(menus), QStringLiteral("menu bar at %1").arg(text(menus)));

    window.dropPaths({folder});
    waitFor([&] { return !window.isListing() && !window.workspace().currentFile.empty(); }, 10000);
    const QModelIndexList found = window.fileListView()->model()->match(
        window.fileListView()->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    if (found.isEmpty()) {
        std::fprintf(stderr, "no file %s in the folder\n", qPrintable(name));
        return 2;
    }
    window.fileListView()->setCurrentRow(found.front().row());
    waitFor([&] { return !window.previewPane()->isWaiting(); }, 10000);
    QTest::qWait(300);

    ui::PreviewPane* pane = window.previewPane();
    const QRect drawn = pane->pictureRect();
    const QRect device(drawn.topLeft() * ratio, drawn.size() * ratio);
    const QImage onScreen = pane->grab().toImage().copy(device);
    const QString path = ui::localPath(window.workspace().currentFile);
    const QImage proper = decodedAt(path, device.size());
    const QImage stretched =
        decodedAt(path, drawn.size())
            .scaled(device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    checks.check(pane->picture().size() == device.size(),
                 QStringLiteral("picture decoded at %1x%2 for a pane area of %3x%4")
                     .arg(pane->picture().width())
                     .arg(pane->picture().height())
                     .arg(drawn.width())
                     .arg(drawn.height()));
    const double sharp = meanDifference(onScreen, proper);
    const double soft = meanDifference(stretched, proper);
    checks.check(sharp < 2 && sharp * 2 < soft,
                 QStringLiteral("shown against a proper 2x rendering: mean difference %1 "
                                "(half resolution stretched: %2)")
                     .arg(sharp, 0, 'f', 2)
                     .arg(soft, 0, 'f', 2));
    if (!shot.isEmpty()) {
        if (!window.grab().toImage().save(shot)) return 2;
        std::printf("  saved %s\n", qPrintable(shot));
    }
    return checks.failed() == 0 ? 0 : 1;
}

}  // namespace brevino::tour
