// A folder of 100,000 links to one photo: opened, its names listed within a second while the
// list answers key presses; then links are added and removed and the folder read again (F5),
// taken in by difference; typing a name's first letters finds it.
#include <unistd.h>
#include <QTest>
#include <cstdio>

#include "platform/file_io.h"
#include "tour_parts.h"
#include "tour_support.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "workspace/command_ids.h"

namespace brevino::tour {
namespace {

constexpr int kLinks = 100000;

std::string linkName(const std::string& folder, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "/IMG_%06d.jpg", number);
    return folder + name;
}

class FixedFolder : public ui::FolderBrowser {
  public:
    explicit FixedFolder(std::string folder) : folder_(std::move(folder)) {}
    std::optional<std::string> browse(std::string_view, const std::string&) override {
        return folder_;
    }

  private:
    std::string folder_;
};

}  // namespace

int list(const QStringList& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: brevino_desktop_tour list FOLDER PHOTO\n");
        return 2;
    }
    const std::string folder = args[0].toStdString();
    const std::string photo = args[1].toStdString();
    for (int number = 1; number <= kLinks; ++number) {
        const std::string link = linkName(folder, number);
        if (!pathExists(link) && ::symlink(photo.c_str(), link.c_str()) != 0) return 2;
    }
    for (int number = kLinks + 1; number <= kLinks + 10; ++number)
        ::unlink(linkName(folder, number).c_str());  // left by an earlier tour
    std::printf("list: a folder of %d links\n", kLinks);
    Checks checks;
    FixedFolder browser(folder);
    ui::MainWindow window(ui::UiHooks{nullptr, nullptr, nullptr, &browser, nullptr});
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) return 2;
    ui::FileListView* list = window.fileListView();
    list->setFocus();

    Responsiveness probe(list, 5);
    probe.start();
    TimedApplication::reset();
    QElapsedTimer clock;
    clock.start();
    window.dispatch(ids::kOpenFolder);
    const bool listed = waitFor([&] { return list->count() == kLinks; }, 10000);
    const double listedMs = milliseconds(clock);
    waitFor([&] { return !window.workspace().currentFile.empty(); }, 5000);
    QTest::qWait(500);  // the first photo shown and its neighbours decoded meanwhile
    probe.stop();
    checks.check(
        listed && listedMs < 1000,
        QStringLiteral("%1 names listed after %2 ms").arg(list->count()).arg(listedMs, 0, 'f', 1));
    checks.check(probe.keys() > 0 && probe.worstKeyMs() < 50,
                 QStringLiteral("the list answered %1 key presses, the slowest after %2 ms")
                     .arg(probe.keys())
                     .arg(probe.worstKeyMs(), 0, 'f', 1));
    checks.check(TimedApplication::longestMs() < 50,
                 QStringLiteral("the window's thread busy at most %1 ms at a time (%2)")
                     .arg(TimedApplication::longestMs(), 0, 'f', 1)
                     .arg(TimedApplication::longestEvent()));
    checks.check(list->currentRow() == 0 && window.workspace().currentFile == linkName(folder, 1),
                 QStringLiteral("the first file is shown: %1").arg(list->text(0)));

    // Ten links removed and ten added: F5 takes in the difference; the selection stays.
    list->setCurrentRow(5000);
    const QString selected = list->text(5000);
    for (int number = 1001; number <= 1010; ++number)
        ::unlink(linkName(folder, number).c_str());
    for (int number = kLinks + 1; number <= kLinks + 10; ++number)
        ::symlink(photo.c_str(), linkName(folder, number).c_str());
    probe.start();
    clock.restart();
    TimedApplication::reset();
    QTest::keyClick(list, Qt::Key_F5);
    const bool reloaded = waitFor(
        [&] {
            return !window.isListing() &&
                   list->text(kLinks - 1) == QStringLiteral("IMG_100010.jpg");
        },
        10000);
    const double reloadMs = milliseconds(clock);
    QTest::qWait(200);
    probe.stop();
    checks.check(reloaded && list->count() == kLinks,
                 QStringLiteral("read again after changes in %1 ms: %2 names")
                     .arg(reloadMs, 0, 'f', 1)
                     .arg(list->count()));
    checks.check(list->text(list->currentRow()) == selected,
                 QStringLiteral("the selection stays on %1 (now entry %2)")
                     .arg(selected)
                     .arg(list->currentRow()));
    checks.check(probe.keys() > 0 && probe.worstKeyMs() < 50,
                 QStringLiteral("%1 key presses answered meanwhile, the slowest after %2 ms")
                     .arg(probe.keys())
                     .arg(probe.worstKeyMs(), 0, 'f', 1));
    checks.check(TimedApplication::longestMs() < 50,
                 QStringLiteral("the window's thread busy at most %1 ms at a time (%2)")
                     .arg(TimedApplication::longestMs(), 0, 'f', 1)
                     .arg(TimedApplication::longestEvent()));

    // Typing a name's first letters finds it.
    QTest::qWait(1000);  // a new search, not the continuation of a previous one
    clock.restart();
    QTest::keyClicks(list, QStringLiteral("IMG_0777"));
    const double typedMs = milliseconds(clock);
    checks.check(list->text(list->currentRow()).startsWith(QStringLiteral("IMG_0777")),
                 QStringLiteral("typing IMG_0777 finds %1 (%2 ms for 8 keys)")
                     .arg(list->text(list->currentRow()))
                     .arg(typedMs, 0, 'f', 1));
    window.close();
    return checks.failed() == 0 ? 0 : 1;
}

}  // namespace brevino::tour
