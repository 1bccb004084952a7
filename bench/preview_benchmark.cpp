// Time from selecting a photo in the main window to its rows and preview being ready,
// beside the time of decoding the same photo at full size. Uses the largest photos of the
// corpus (its mobile/ and hdr/ folders) or the files given as arguments.
//
//   brevino_preview_bench [FILE...]
#include <QApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fixture_builder.h"
#include "ui/dialog_units.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"
#include "ui/tag_list_model.h"

namespace {

constexpr int kRounds = 9;
constexpr double kRequiredSpeedUp = 4.0;

template <typename Work>
double medianMilliseconds(Work work) {
    std::vector<double> times;
    work();  // warm the page cache and the decoder
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return std::filesystem::file_size(a) > std::filesystem::file_size(b);
    });
    return files;
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

    brevino::ui::MainWindow window;
    const QSize pane = window.previewPane()->contentsRect().size();
    std::printf("preview pane %dx%d, median of %d rounds\n\n", pane.width(), pane.height(),
                kRounds);
    std::printf("%-28s %9s %11s %6s %13s %13s %8s\n", "file", "bytes", "pixels", "rows",
                "select (ms)", "full (ms)", "speed-up");
    bool allFast = true;
    for (const std::string& path : files) {
        window.workspace().fileList = {path};
        window.refreshFileList();
        int rows = 0;
        QSize drawn;
        const double select = medianMilliseconds([&] {
            window.selectFile(0);  // analysis into the TagList, preview decoded for the pane
            rows = window.tagListModel()->rowCount();
            drawn = window.previewPane()->picture().size();
        });
        QSize natural;
        const double full = medianMilliseconds([&] {
            QImageReader reader(QString::fromStdString(path));
            reader.setAutoTransform(false);
            const QImage image = reader.read();
            natural = image.size();
        });
        const double speedUp = select > 0 ? full / select : 0;
        allFast = allFast && speedUp >= kRequiredSpeedUp;
        const std::string name = std::filesystem::path(path).filename().string();
        std::printf("%-28s %9ju %5dx%-5d %6d %13.2f %13.2f %7.1fx  (drawn %dx%d)\n", name.c_str(),
                    static_cast<uintmax_t>(std::filesystem::file_size(path)), natural.width(),
                    natural.height(), rows, select, full, speedUp, drawn.width(), drawn.height());
    }
    std::printf("\n%s\n", allFast ? "every selection is at least 4x faster than a full decode"
                                  : "SLOW: a selection is less than 4x faster than a full decode");
    return 0;
}
