// Time from selecting a photo in the main window to its rows and preview being ready, beside
// the time of decoding the same photo at full size. Two kinds of selection are timed:
//
//   cold      the photo's preview was not decoded before: the selection decodes it.
//   browsing  the photos are selected in list order with a pause of 300 ms between
//             selections, as a person stepping through a folder does; meanwhile the window
//             decodes the neighbours of the shown photo in the background.
//
// Uses the largest photos of the corpus (its mobile/ and hdr/ folders) or the files given as
// arguments. Every file stays in the page cache throughout, for all three timings.
//
//   brevino_preview_bench [FILE...]
#include <QApplication>
#include <QEventLoop>
#include <QImageReader>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "fixture_builder.h"
#include "ui/dialog_units.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"
#include "ui/tag_list_model.h"
#include "workspace/file_list.h"

namespace {

using Clock = std::chrono::steady_clock;
using brevino::ui::MainWindow;
using brevino::ui::PreviewCache;

constexpr int kRounds = 9;  // full decodes and cold selections per photo, after a warm-up
constexpr int kWalks = 6;   // browsing walks over the list, forwards and backwards in turn
constexpr int kPauseMilliseconds = 300;
constexpr double kRequiredSpeedUp = 4.0;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> times) {
    if (times.empty()) return 0;
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

// Lets the window run its event loop (painting, finishing background decodes) for a while.
void pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Selects entry `row` of the window's file list the way a click does, and answers how long
// the window took until the rows were analysed and the preview decoded.
double timedSelect(MainWindow& window, int row) {
    QListWidget* list = window.fileListView();
    list->clearSelection();  // so that selecting the current entry again is a change
    const auto start = Clock::now();
    list->setCurrentRow(row);
    const double elapsed = millisecondsSince(start);
    if (window.workspace().currentFile != window.workspace().fileList[static_cast<size_t>(row)]) {
        std::fprintf(stderr, "selecting entry %d did not reach the window\n", row);
        std::exit(1);
    }
    return elapsed;
}

double fullDecodeMilliseconds(const std::string& path, QSize* natural) {
    std::vector<double> times;
    for (int round = 0; round <= kRounds; ++round) {
        const auto start = Clock::now();
        QImageReader reader(QString::fromStdString(path));
        reader.setAutoTransform(false);
        const QImage image = reader.read();
        const double elapsed = millisecondsSince(start);
        *natural = image.size();
        if (round > 0) times.push_back(elapsed);  // round 0 warms the page cache and decoder
    }
    return median(times);
}

double coldSelectMilliseconds(MainWindow& window, int row) {
    PreviewCache& cache = window.previewPane()->cache();
    std::vector<double> times;
    for (int round = 0; round <= kRounds; ++round) {
        // Nothing decoded before, and no background decode competing for the processor.
        cache.waitUntilIdle();
        cache.clear();
        const int before = cache.counts().decodedOnRequest;
        const double elapsed = timedSelect(window, row);
        if (cache.counts().decodedOnRequest != before + 1) {
            std::fprintf(stderr, "a cold selection did not decode its photo\n");
            std::exit(1);
        }
        if (round > 0) times.push_back(elapsed);
    }
    cache.waitUntilIdle();
    return median(times);
}

struct BrowseResult {
    std::map<int, std::vector<double>> times;  // by list entry
    PreviewCache::Counts counts;               // how the timed selections found their picture
};

BrowseResult browse(MainWindow& window) {
    PreviewCache& cache = window.previewPane()->cache();
    const int count = static_cast<int>(window.workspace().fileList.size());
    BrowseResult result;
    for (int walk = 0; walk < kWalks; ++walk) {
        cache.waitUntilIdle();
        cache.clear();
        std::vector<int> order;
        for (int i = 0; i < count; ++i)
            order.push_back(walk % 2 == 0 ? i : count - 1 - i);
        // The first selection of a walk starts the session: it is a cold one, not timed here.
        timedSelect(window, order.front());
        for (size_t step = 1; step < order.size(); ++step) {
            pause(kPauseMilliseconds);
            const PreviewCache::Counts before = cache.counts();
            result.times[order[step]].push_back(timedSelect(window, order[step]));
            const PreviewCache::Counts after = cache.counts();
            result.counts.fromCache += after.fromCache - before.fromCache;
            result.counts.waitedFor += after.waitedFor - before.waitedFor;
            result.counts.decodedOnRequest += after.decodedOnRequest - before.decodedOnRequest;
        }
        pause(kPauseMilliseconds);
    }
    cache.waitUntilIdle();
    return result;
}

std::vector<std::string> largestCorpusPhotos() {
    std::vector<std::string> files;
    const std::string root = brevino::fixture::corpusDirectory();
    if (root.empty()) return files;
    for (const char* folder : {"mobile", "hdr"}) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(root + "/" + folder, error)) {
            if (entry.is_regular_file() && entry.path().extension() == ".jpg") {
                files.push_back(entry.path().string());
            }
        }
    }
    return files;
}

const char* verdict(bool met) {
    return met ? "met" : "NOT met";
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;  // the window's settings file goes here, not into the user's
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setFont(brevino::ui::programFont());

    std::vector<std::string> files(argv + 1, argv + argc);
    if (files.empty()) files = largestCorpusPhotos();
    if (files.empty()) {
        std::fprintf(stderr, "no photos: give files, or set BREVINO_CORPUS\n");
        return 2;
    }

    MainWindow window;
    window.show();
    std::vector<std::string>& list = window.workspace().fileList;
    list.clear();
    for (const std::string& path : files)
        brevino::addToFileList(list, path);
    window.refreshFileList();
    const int count = static_cast<int>(list.size());

    const QSize pane = window.previewPane()->contentsRect().size();
    std::printf("preview pane %dx%d; %d photos in list order; files in the page cache\n",
                pane.width(), pane.height(), count);
    std::printf("full:   QImageReader decode at full size, median of %d\n", kRounds);
    std::printf("cold:   selection of a photo not decoded before, median of %d\n", kRounds);
    std::printf(
        "browse: selection in list order %d ms after the previous one, median of every "
        "arrival in %d walks (forwards and backwards in turn, first selection of a walk "
        "not timed)\n\n",
        kPauseMilliseconds, kWalks);

    // Cold selections first: the browsing walks leave pictures behind.
    struct Row {
        double full = 0;
        double cold = 0;
        QSize natural;
        QSize drawn;
        int rows = 0;
    };
    std::vector<Row> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Row& row = rows[static_cast<size_t>(i)];
        row.full = fullDecodeMilliseconds(list[static_cast<size_t>(i)], &row.natural);
        row.cold = coldSelectMilliseconds(window, i);
        row.rows = window.tagListModel()->rowCount();
        row.drawn = window.previewPane()->picture().size();
    }
    const BrowseResult browsing = count > 1 ? browse(window) : BrowseResult{};

    std::printf("%-24s %9s %11s %5s %10s %10s %8s %11s %8s\n", "file", "bytes", "pixels", "rows",
                "full (ms)", "cold (ms)", "speed-up", "browse (ms)", "speed-up");
    double lowestCold = 0;
    double lowestBrowse = 0;
    bool browsed = false;
    for (int i = 0; i < count; ++i) {
        const Row& row = rows[static_cast<size_t>(i)];
        const std::string& path = list[static_cast<size_t>(i)];
        const double coldSpeedUp = row.cold > 0 ? row.full / row.cold : 0;
        lowestCold = i == 0 ? coldSpeedUp : std::min(lowestCold, coldSpeedUp);
        const std::string name = std::filesystem::path(path).filename().string();
        std::printf("%-24s %9ju %5dx%-5d %5d %10.2f %10.2f %7.1fx", name.c_str(),
                    static_cast<uintmax_t>(std::filesystem::file_size(path)), row.natural.width(),
                    row.natural.height(), row.rows, row.full, row.cold, coldSpeedUp);
        const auto found = browsing.times.find(i);
        if (found != browsing.times.end() && !found->second.empty()) {
            const double browse = median(found->second);
            const double browseSpeedUp = browse > 0 ? row.full / browse : 0;
            lowestBrowse = browsed ? std::min(lowestBrowse, browseSpeedUp) : browseSpeedUp;
            browsed = true;
            std::printf(" %11.2f %7.1fx", browse, browseSpeedUp);
        } else {
            std::printf(" %11s %8s", "-", "-");
        }
        std::printf("  (drawn %dx%d)\n", row.drawn.width(), row.drawn.height());
    }

    std::printf(
        "\nbrowsing selections: %d shown from a picture decoded ahead, %d waited for a "
        "background decode, %d decoded on selection\n",
        browsing.counts.fromCache, browsing.counts.waitedFor, browsing.counts.decodedOnRequest);
    std::printf("4x target, cold selection:     %s (lowest speed-up %.1fx)\n",
                verdict(lowestCold >= kRequiredSpeedUp), lowestCold);
    if (browsed) {
        std::printf("4x target, browsing selection: %s (lowest speed-up %.1fx)\n",
                    verdict(lowestBrowse >= kRequiredSpeedUp), lowestBrowse);
    } else {
        std::printf("4x target, browsing selection: not measured (needs two photos or more)\n");
    }
    if (lowestCold < kRequiredSpeedUp) {
        std::printf(
            "(a cold selection decodes its photo at the drawn size, but the entropy "
            "decoding of a baseline JPEG costs the same at any scale)\n");
    }
    return 0;
}
