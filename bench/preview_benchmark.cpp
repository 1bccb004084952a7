// Selecting a photo in the main window, against decoding the same photo at full size. Per
// photo:
//
//   busy     the longest time the window's thread is busy for one selection: the selection
//            itself (rows, thumbnail) and every later stretch of work until the picture is
//            shown (taking the decoded picture over, painting). Goal: under 16 ms, one frame.
//   first    from the selection to the first picture on screen: the embedded thumbnail when
//            the photo has one, else the decoded picture. Goal: 4x sooner than a full
//            decode for every photo with a thumbnail.
//   full     from the selection to the decoded picture on screen.
//   browse   a selection while stepping through the folder with a pause of 300 ms between
//            photos, as a person does; the window has decoded the neighbours of the shown
//            photo meanwhile. Goal: 50x faster than a full decode.
//
// Uses the largest photos of the corpus (its mobile/ and hdr/ folders), an iPhone HEIC and a
// Canon CR3 of its formats/ folder (decoded by libheif; the raw file's embedded JPEG) and a
// 50-megapixel photo the benchmark makes itself, or the files given as arguments. Every file stays
// in the page cache throughout.
//
//   brevino_preview_bench [FILE...]
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "fixture_builder.h"
#include "ui/application_setup.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"
#include "workspace/file_list.h"

namespace {

using brevino::ui::MainWindow;
using brevino::ui::PreviewCache;
using brevino::ui::PreviewPane;

constexpr int kRounds = 7;  // full decodes and cold selections per photo, after a warm-up
constexpr int kWalks = 6;   // browsing walks over the list, forwards and backwards in turn
constexpr int kPauseMilliseconds = 300;
constexpr double kFrameMilliseconds = 16;
constexpr double kFirstPictureSpeedUp = 4;
constexpr double kBrowsingSpeedUp = 50;

double median(std::vector<double> times) {
    if (times.empty()) return 0;
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Lets the window run its event loop (painting, taking decoded pictures over) for a while.
void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Selects entry `row` of the window's file list the way a click does; answers how long the
// call kept the window's thread.
double select(MainWindow& window, int row) {
    brevino::ui::FileListView* list = window.fileListView();
    list->clearSelection();  // so that selecting the current entry again is a change
    QElapsedTimer timer;
    timer.start();
    list->setCurrentRow(row);
    const double elapsed = milliseconds(timer);
    if (window.workspace().currentFile != window.workspace().fileList[static_cast<size_t>(row)]) {
        std::fprintf(stderr, "selecting entry %d did not reach the window\n", row);
        std::exit(1);
    }
    return elapsed;
}

struct Selection {
    double busy = 0;   // longest stretch of the window's thread
    double first = 0;  // to the first picture shown
    double full = 0;   // to the decoded picture shown
    bool thumbnail = false;
};

// One selection timed to its decoded picture. While the picture is awaited, a timer that
// fires whenever the event loop is idle measures the longest stretch the thread was busy.
Selection timedSelection(MainWindow& window, int row) {
    PreviewPane* pane = window.previewPane();
    Selection result;
    QElapsedTimer since;
    since.start();
    result.busy = select(window, row);
    result.thumbnail = pane->showsThumbnail();
    if (pane->showsThumbnail() || !pane->isWaiting()) result.first = milliseconds(since);
    QElapsedTimer gap;
    gap.start();
    QTimer idle;
    idle.setInterval(0);
    QObject::connect(&idle, &QTimer::timeout, [&] {
        result.busy = std::max(result.busy, milliseconds(gap));
        gap.restart();
    });
    idle.start();
    QEventLoop loop;
    QObject::connect(pane, &PreviewPane::pictureReady, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    if (pane->isWaiting()) loop.exec();
    // The picture is painted at the next turn of the loop.
    pause(1);
    result.full = milliseconds(since);
    if (result.first == 0) result.first = result.full;
    return result;
}

// A JPEG is decoded whole by QImageReader; a file of another container through the pane's
// own decode at full size (read whole, then libheif, libjxl or the raw file's embedded JPEG).
double fullDecodeMilliseconds(const std::string& path, QSize* natural) {
    const bool jpeg = QImageReader::imageFormat(QString::fromStdString(path)) == "jpeg";
    std::vector<double> times;
    for (int round = 0; round <= kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        QImageReader::setAllocationLimit(0);  // a 50-megapixel photo needs more than Qt allows
        QImage image;
        if (jpeg) {
            QImageReader reader(QString::fromStdString(path));
            reader.setAutoTransform(false);
            image = reader.read();
        } else {
            const brevino::fixture::Bytes bytes = brevino::fixture::readFile(path);
            image = brevino::ui::decodeForPane(
                QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                        static_cast<qsizetype>(bytes.size())),
                QSize(1 << 16, 1 << 16));
        }
        if (round > 0) times.push_back(milliseconds(timer));  // round 0 warms the caches
        *natural = image.size();
    }
    return median(times);
}

struct Cold {
    double busy = 0, first = 0, full = 0;
    bool thumbnail = false;
};

Cold coldSelections(MainWindow& window, int row) {
    PreviewCache& cache = window.previewPane()->cache();
    std::vector<double> busy, first, full;
    bool thumbnail = false;
    for (int round = 0; round <= kRounds; ++round) {
        // Nothing decoded before, and no decode ahead competing for the processor. A neighbour
        // decoded ahead in the round before is still on its way to the pane, posted to the
        // event loop; it is taken in now, while the pane awaits nothing, so that it cannot
        // stand in for the cold decode.
        cache.waitUntilIdle();
        QCoreApplication::sendPostedEvents();
        cache.clear();
        const Selection s = timedSelection(window, row);
        cache.cancelAhead();
        if (round == 0) continue;
        busy.push_back(s.busy);
        first.push_back(s.first);
        full.push_back(s.full);
        thumbnail = s.thumbnail;
    }
    cache.waitUntilIdle();
    return {*std::max_element(busy.begin(), busy.end()), median(first), median(full), thumbnail};
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
        // The first selection of a walk starts the session: a cold one, not timed here.
        select(window, order.front());
        for (size_t step = 1; step < order.size(); ++step) {
            pause(kPauseMilliseconds);
            const PreviewCache::Counts before = cache.counts();
            result.times[order[step]].push_back(select(window, order[step]));
            const PreviewCache::Counts after = cache.counts();
            result.counts.fromCache += after.fromCache - before.fromCache;
            result.counts.joined += after.joined - before.joined;
            result.counts.decodedOnRequest += after.decodedOnRequest - before.decodedOnRequest;
        }
        pause(kPauseMilliseconds);
    }
    cache.waitUntilIdle();
    return result;
}

// A 50-megapixel photo (8660 x 5774) with an Exif segment and a 160 x 120 thumbnail, as a
// camera writes it; the picture is busy enough to decode like a real one.
std::string makeLargePhoto(const QString& folder) {
    QImage image(8660, 5774, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(230, 190, 120));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(50);
    for (int i = 0; i < 4000; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate() | 0xFF000000));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(random.bounded(image.width()), random.bounded(image.height())),
                            random.bounded(20, 200), random.bounded(20, 200));
    }
    painter.end();
    // Sensor noise, so that the picture decodes like a photo and not like a drawing.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = static_cast<int>(random.bounded(33)) - 16;
            const QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + noise, 0, 255), std::clamp(qGreen(p) + noise, 0, 255),
                     std::clamp(qBlue(p) + noise, 0, 255));
        }
    }
    auto encode = [](const QImage& picture, int quality) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPEG", quality);
        return bytes;
    };
    const QByteArray thumbnail =
        encode(image.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 80);
    QByteArray photo = encode(image, 88);

    brevino::fixture::Tiff tiff;
    tiff.ifd0.entries = {brevino::fixture::ascii(0x010F, "Brevino"),
                         brevino::fixture::ascii(0x0110, "50 MP"),
                         brevino::fixture::shorts(0x0112, {1}),
                         brevino::fixture::ascii(0x0132, "2026:12:07 12:00:00")};
    tiff.exif = brevino::fixture::Ifd{{brevino::fixture::ascii(0x9003, "2026:12:07 12:00:00")}};
    tiff.thumbnail = thumbnail.toStdString();
    const brevino::fixture::Bytes exif = brevino::fixture::jpegWith(tiff);
    // The Exif segment right after the start-of-image marker.
    const size_t length = (size_t{exif[4]} << 8) | exif[5];
    photo.insert(2, reinterpret_cast<const char*>(exif.data() + 2),
                 static_cast<qsizetype>(length + 2));
    const std::string path = (folder + QStringLiteral("/made_50MP.jpg")).toStdString();
    brevino::fixture::writeFile(path, brevino::fixture::Bytes(photo.begin(), photo.end()));
    return path;
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
    for (const char* name : {"formats/iphone_15_pro.heic", "formats/Canon-R6-pruned.CR3"}) {
        const std::string path = root + "/" + name;
        if (std::filesystem::is_regular_file(path)) files.push_back(path);
    }
    return files;
}

const char* verdict(bool met) {
    return met ? "met" : "NOT met";
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.gui.imageio*=false");  // one corpus photo is cut short
    QTemporaryDir config;  // the window's settings file goes here, not into the user's
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    brevino::ui::setUpApplication();

    QTemporaryDir made;
    std::vector<std::string> files(argv + 1, argv + argc);
    if (files.empty()) {
        files = largestCorpusPhotos();
        files.push_back(makeLargePhoto(made.path()));
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
    std::printf("full decode: QImageReader at full size, median of %d\n", kRounds);
    std::printf(
        "busy: longest stretch of the window's thread for one cold selection, worst of %d\n",
        kRounds);
    std::printf(
        "first, shown: from a cold selection to the first picture and to the decoded "
        "one, median of %d\n",
        kRounds);
    std::printf(
        "browse: selection %d ms after the previous one, median of every arrival in %d "
        "walks\n\n",
        kPauseMilliseconds, kWalks);

    struct Row {
        double full = 0;
        Cold cold;
        QSize natural;
    };
    std::vector<Row> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Row& row = rows[static_cast<size_t>(i)];
        row.full = fullDecodeMilliseconds(list[static_cast<size_t>(i)], &row.natural);
        row.cold = coldSelections(window, i);
    }
    const BrowseResult browsing = count > 1 ? browse(window) : BrowseResult{};

    std::printf("%-22s %10s %6s %9s %8s %9s %8s %9s %10s %8s\n", "photo", "pixels", "thumb",
                "full (ms)", "busy", "first", "sooner", "shown", "browse", "faster");
    double worstBusy = 0, lowestFirst = 1e9, lowestBrowse = 1e9;
    for (int i = 0; i < count; ++i) {
        const Row& row = rows[static_cast<size_t>(i)];
        const std::string name =
            std::filesystem::path(list[static_cast<size_t>(i)]).filename().string();
        const double sooner = row.full / row.cold.first;
        worstBusy = std::max(worstBusy, row.cold.busy);
        if (row.cold.thumbnail) lowestFirst = std::min(lowestFirst, sooner);
        std::printf("%-22s %5dx%-5d %6s %9.2f %8.2f %9.2f %7.1fx %9.2f", name.c_str(),
                    row.natural.width(), row.natural.height(), row.cold.thumbnail ? "yes" : "no",
                    row.full, row.cold.busy, row.cold.first, sooner, row.cold.full);
        const auto found = browsing.times.find(i);
        if (found != browsing.times.end() && !found->second.empty()) {
            const double browse = median(found->second);
            worstBusy =
                std::max(worstBusy, *std::max_element(found->second.begin(), found->second.end()));
            lowestBrowse = std::min(lowestBrowse, row.full / browse);
            std::printf(" %10.3f %7.0fx\n", browse, row.full / browse);
        } else {
            std::printf(" %10s %8s\n", "-", "-");
        }
    }

    std::printf(
        "\nbrowsing selections: %d shown from a picture decoded ahead, %d joined a "
        "decode under way, %d decoded on selection\n",
        browsing.counts.fromCache, browsing.counts.joined, browsing.counts.decodedOnRequest);
    std::printf("window busy under %.0f ms for every selection: %s (worst %.2f ms)\n",
                kFrameMilliseconds, verdict(worstBusy < kFrameMilliseconds), worstBusy);
    std::printf(
        "first picture %.0fx sooner than a full decode, photos with a thumbnail: %s "
        "(lowest %.1fx)\n",
        kFirstPictureSpeedUp, verdict(lowestFirst >= kFirstPictureSpeedUp), lowestFirst);
    std::printf("browsing %.0fx faster than a full decode: %s (lowest %.0fx)\n", kBrowsingSpeedUp,
                verdict(lowestBrowse >= kBrowsingSpeedUp), lowestBrowse);
    return 0;
}
