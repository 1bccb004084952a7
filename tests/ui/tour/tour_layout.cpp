// Maximise and restore across a restart: the window is maximised, its panes given new sizes
// and it is closed; a new process opens it maximised with those sizes, and restoring it puts
// it back at its normal place and size. Needs a window manager.
#include <QFile>
#include <QSplitter>
#include <QTest>
#include <cstdio>

#include "tour_parts.h"
#include "tour_support.h"
#include "ui/main_window.h"

namespace brevino::tour {
namespace {

QString text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

struct State {
    QRect normal;
    int previewWidth = 0;
    int topHeight = 0;
};

bool writeState(const QString& path, const State& state) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(state.normal.x())
                   .arg(state.normal.y())
                   .arg(state.normal.width())
                   .arg(state.normal.height())
                   .arg(state.previewWidth)
                   .arg(state.topHeight)
                   .toUtf8());
    return true;
}

std::optional<State> readState(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QStringList numbers = QString::fromUtf8(file.readAll()).split(QLatin1Char(' '));
    if (numbers.size() != 6) return std::nullopt;
    State state;
    state.normal =
        QRect(numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt());
    state.previewWidth = numbers[4].toInt();
    state.topHeight = numbers[5].trimmed().toInt();
    return state;
}

}  // namespace

int layout(const QStringList& args) {
    if (args.size() != 2 ||
        (args[0] != QLatin1String("save") && args[0] != QLatin1String("check"))) {
        std::fprintf(stderr, "usage: brevino_desktop_tour layout save|check STATE\n");
        return 2;
    }
    Checks checks;
    ui::MainWindow window;
    if (args[0] == QLatin1String("save")) {
        std::printf("layout: maximised, panes resized, closed\n");
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) return 2;
        State state;
        state.normal = window.geometry();
        window.showMaximized();
        const bool maximized = waitFor(
            [&] { return window.isMaximized() && window.width() > state.normal.width(); }, 5000);
        checks.check(maximized, QStringLiteral("maximised from %1 to %2x%3")
                                    .arg(text(state.normal))
                                    .arg(window.width())
                                    .arg(window.height()));
        QList<int> top = window.topSplitter()->sizes();
        QList<int> main = window.mainSplitter()->sizes();
        window.topSplitter()->setSizes({top[0] + 80, top[1] - 80});
        window.mainSplitter()->setSizes({main[0] + 60, main[1] - 60});
        QTest::qWait(100);
        state.previewWidth = window.topSplitter()->sizes().value(0);
        state.topHeight = window.mainSplitter()->sizes().value(0);
        checks.check(state.previewWidth == top[0] + 80 && state.topHeight == main[0] + 60,
                     QStringLiteral("panes resized: preview %1 wide, top row %2 high")
                         .arg(state.previewWidth)
                         .arg(state.topHeight));
        window.close();
        if (!writeState(args[1], state)) return 2;
        return checks.failed() == 0 ? 0 : 1;
    }

    std::printf("layout: opened again in a new process, then restored\n");
    const std::optional<State> state = readState(args[1]);
    if (!state) return 2;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 2;
    const bool maximized = waitFor([&] { return window.isMaximized(); }, 5000);
    checks.check(maximized,
                 QStringLiteral("opens maximised, %1x%2").arg(window.width()).arg(window.height()));
    QTest::qWait(200);
    checks.check(window.topSplitter()->sizes().value(0) == state->previewWidth &&
                     window.mainSplitter()->sizes().value(0) == state->topHeight,
                 QStringLiteral("panes as closed: preview %1 wide (was %2), top row %3 high "
                                "(was %4)")
                     .arg(window.topSplitter()->sizes().value(0))
                     .arg(state->previewWidth)
                     .arg(window.mainSplitter()->sizes().value(0))
                     .arg(state->topHeight));
    window.showNormal();
    const bool restored = waitFor(
        [&] { return !window.isMaximized() && window.geometry().size() == state->normal.size(); },
        5000);
    checks.check(restored, QStringLiteral("restored to %1 (was %2)")
                               .arg(text(window.geometry()), text(state->normal)));
    const QPoint moved = window.geometry().topLeft() - state->normal.topLeft();
    checks.check(moved.manhattanLength() <= 2,
                 QStringLiteral("at its place, %1 pixels off").arg(moved.manhattanLength()));
    QTest::qWait(200);
    checks.check(window.topSplitter()->sizes().value(0) == state->previewWidth,
                 QStringLiteral("the preview keeps its width when restored: %1")
                     .arg(window.topSplitter()->sizes().value(0)));
    window.close();
    return checks.failed() == 0 ? 0 : 1;
}

}  // namespace brevino::tour
