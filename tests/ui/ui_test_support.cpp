#include "ui_test_support.h"

#include <QTest>

#include "ui/preview_pane.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cstdlib>

namespace brevino::testing {

XdgFolder::XdgFolder(const char* variable)
    : variable_(variable),
      previous_(qgetenv(variable)),
      hadPrevious_(qEnvironmentVariableIsSet(variable)) {
    qputenv(variable_, dir_.path().toLocal8Bit());
}

XdgFolder::~XdgFolder() {
    if (hadPrevious_) {
        qputenv(variable_, previous_);
    } else {
        qunsetenv(variable_);
    }
}

std::string ConfigFolder::settingsFile() const {
    return path().toStdString() + "/brevino.ini";
}

std::optional<std::string> ScriptedFolderBrowser::browse(std::string_view title,
                                                         const std::string& startFolder) {
    asked.emplace_back(std::string(title), startFolder);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

fixture::Bytes pictureJpeg(QSize size, const std::optional<fixture::Tiff>& tiff) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height() / 2, Qt::yellow);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 50);
    fixture::Bytes bytes(encoded.begin(), encoded.end());
    if (!tiff) return bytes;
    // The Exif segment of a fixture file sits right after its start-of-image marker.
    const fixture::Bytes exif = fixture::jpegWith(*tiff);
    const size_t length = (size_t{exif[4]} << 8) | exif[5];
    bytes.insert(bytes.begin() + 2, exif.begin() + 2, exif.begin() + 4 + static_cast<long>(length));
    return bytes;
}

bool waitForPicture(ui::MainWindow& window) {
    const bool shown = QTest::qWaitFor([&] { return !window.previewPane()->isWaiting(); }, 5000);
    QCoreApplication::processEvents();  // the work the selection left for after it
    return shown;
}

bool waitForListing(ui::MainWindow& window) {
    const bool listed = QTest::qWaitFor([&] { return !window.isListing(); }, 5000);
    QCoreApplication::processEvents();
    return listed;
}

bool showActive(ui::MainWindow& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

bool TestWindow::selectAndWait(int row) {
    window.selectFile(row);
    return waitForPicture(window);
}

fixture::Tiff sampleTiff(const std::string& title) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, title, 20), fixture::shorts(0x0112, {1}),
                         fixture::rationals(0x011A, {{72, 1}}),
                         fixture::ascii(0x0132, "2004:05:06 07:08:09")};
    tiff.exif = fixture::Ifd{{fixture::undefined(0x9000, "0230")}};
    return tiff;
}

}  // namespace brevino::testing
