// Pictures decoded off the window's thread: the selected file at once, its neighbours ahead
// of time and used when selected, never shown for a changed file or another pane size; the
// window never waits for a decode, and no decode outlives the window.
#include <fcntl.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "ui/batch_dialog.h"
#include "ui/preview_pane.h"
#include "ui_test_support.h"
#include "workspace/preview_fit.h"

using namespace brevino;
using brevino::testing::TestWindow;

namespace {

using namespace std::chrono_literals;

// Records every decode the preview makes; background decodes of held files wait until the
// file is released (or, so that a fault fails instead of hanging, for a few seconds).
class DecodeLog {
  public:
    struct Decode {
        std::string path;
        bool background;
    };

    ui::PreviewCache::DecodeHook hook() {
        return [this](const std::string& path, bool background) { decoding(path, background); };
    }
    void hold(const std::string& path) {
        const std::lock_guard lock(mutex_);
        held_.insert(path);
    }
    void release(const std::string& path) {
        {
            const std::lock_guard lock(mutex_);
            held_.erase(path);
        }
        changed_.notify_all();
    }
    // Waits until a held decode of `path` is under way.
    bool waitUntilHolding(const std::string& path) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 5s, [&] { return holding_.count(path) > 0; });
    }
    std::vector<Decode> decodes() const {
        const std::lock_guard lock(mutex_);
        return decodes_;
    }
    int count(const std::string& path, bool background) const {
        const std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(
            decodes_.begin(), decodes_.end(),
            [&](const Decode& d) { return d.path == path && d.background == background; }));
    }
    int inside() const {
        const std::lock_guard lock(mutex_);
        return inside_;
    }
    bool timedOut() const {
        const std::lock_guard lock(mutex_);
        return timedOut_;
    }

  private:
    void decoding(const std::string& path, bool background) {
        std::unique_lock lock(mutex_);
        decodes_.push_back({path, background});
        ++inside_;
        if (background && held_.count(path)) {
            holding_.insert(path);
            changed_.notify_all();
            timedOut_ |= !changed_.wait_for(lock, 5s, [&] { return held_.count(path) == 0; });
            holding_.erase(path);
        }
        --inside_;
        changed_.notify_all();
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Decode> decodes_;
    std::set<std::string> held_;
    std::set<std::string> holding_;
    int inside_ = 0;
    bool timedOut_ = false;
};

// A JPEG picture of one colour; `length` pads it after its end-of-image marker.
fixture::Bytes solidJpeg(QSize size, QColor colour, size_t length = 0) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    fixture::Bytes bytes(encoded.begin(), encoded.end());
    if (bytes.size() < length) bytes.resize(length, 0);
    return bytes;
}

QSize drawnSize(ui::PreviewPane* pane, QSize picture) {
    const QSize area = pane->contentsRect().size();
    const PreviewFit fit =
        fitPreview(picture.width(), picture.height(), area.width(), area.height());
    return QSize(fit.width, fit.height);
}

QColor centreColour(const QImage& image) {
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// A window over files of the given picture sizes, each a different size so that a picture
// shown for the wrong file is told by its size; the decode log hooked in.
struct Browser {
    fixture::TempDir dir;
    std::vector<std::string> files;
    TestWindow t;

    Browser(const std::vector<QSize>& sizes, DecodeLog& log) {
        for (size_t i = 0; i < sizes.size(); ++i) {
            files.push_back(dir.write("IMG_" + std::to_string(i) + ".jpg",
                                      testing::pictureJpeg(sizes[i], testing::sampleTiff())));
        }
        t.workspace().fileList = files;
        t.window.refreshFileList();
        cache().setDecodeHook(log.hook());
        // Shown, so that the panes have their laid-out sizes.
        t.window.show();
        exposed = QTest::qWaitForWindowExposed(&t.window);
    }
    bool exposed = false;
    ui::PreviewPane* pane() { return t.window.previewPane(); }
    ui::PreviewCache& cache() { return pane()->cache(); }
};

}  // namespace

class PreviewPrefetchTest : public QObject {
    Q_OBJECT

  private slots:
    void steppingThroughDecodesEachFileOnce();
    void selectionWaitsForItsOwnDecodeOnly();
    void staleEntriesAreDecodedAgain();
    void nothingIsDecodedAheadDuringABatchRun();
    void closingWithWorkInFlight();
};

void PreviewPrefetchTest::steppingThroughDecodesEachFileOnce() {
    DecodeLog log;
    const std::vector<QSize> sizes = {QSize(640, 480), QSize(800, 600), QSize(2048, 1536),
                                      QSize(300, 200)};
    Browser b(sizes, log);
    // Forwards to the end and back to the start.
    const int order[] = {0, 1, 2, 3, 2, 1, 0};
    for (int row : order) {
        QVERIFY(b.t.selectAndWait(row));
        QCOMPARE(b.pane()->naturalSize(), sizes[static_cast<size_t>(row)]);
        QCOMPARE(b.pane()->picture().size(), drawnSize(b.pane(), sizes[static_cast<size_t>(row)]));
        QVERIFY(b.t.workspace().rowCount() > 0);
        QCOMPARE(b.t.window.windowTitle(),
                 QStringLiteral("Brevino[IMG_%1.jpg]").arg(QString::number(row)));
        b.cache().waitUntilIdle();
    }
    // The first file is decoded on selection, every later one ahead of time, each once.
    QCOMPARE(log.count(b.files[0], false), 1);
    QCOMPARE(log.count(b.files[0], true), 0);
    for (size_t i = 1; i < b.files.size(); ++i) {
        QCOMPARE(log.count(b.files[i], false), 0);
        QCOMPARE(log.count(b.files[i], true), 1);
    }
    QCOMPARE(b.cache().counts().fromCache + b.cache().counts().joined, 6);
    QCOMPARE(b.cache().counts().decodedOnRequest, 1);
}

void PreviewPrefetchTest::selectionWaitsForItsOwnDecodeOnly() {
    DecodeLog log;
    Browser b({QSize(640, 480), QSize(800, 600), QSize(1024, 768)}, log);

    // The selected file is being decoded ahead already: the selection returns at once, shows
    // the rows, and takes the picture of that decode instead of decoding the file again.
    log.hold(b.files[1]);
    QVERIFY(b.t.selectAndWait(0));
    QVERIFY(log.waitUntilHolding(b.files[1]));
    b.t.window.selectFile(1);
    QVERIFY(b.pane()->isWaiting());
    QVERIFY(b.t.workspace().rowCount() > 0);
    log.release(b.files[1]);
    QVERIFY(testing::waitForPicture(b.t.window));
    QCOMPARE(b.pane()->naturalSize(), QSize(800, 600));
    QCOMPARE(log.count(b.files[1], true), 1);
    QCOMPARE(log.count(b.files[1], false), 0);
    QCOMPARE(b.cache().counts().joined, 1);
    b.cache().waitUntilIdle();

    // The next file's decode is under way and the previous one is still queued behind it:
    // selecting the previous one decodes it at once, without waiting for the next one.
    b.cache().clear();
    log.hold(b.files[2]);
    QVERIFY(b.t.selectAndWait(1));  // then queues 2, then 0
    QVERIFY(log.waitUntilHolding(b.files[2]));
    QVERIFY(b.t.selectAndWait(0));
    QCOMPARE(log.inside(), 1);  // 2 is still held
    QCOMPARE(b.pane()->naturalSize(), QSize(640, 480));
    QCOMPARE(log.count(b.files[0], false), 2);  // the first selection, and this one
    QCOMPARE(log.count(b.files[0], true), 0);
    log.release(b.files[2]);
    b.cache().waitUntilIdle();
    QVERIFY(!log.timedOut());
}

void PreviewPrefetchTest::staleEntriesAreDecodedAgain() {
    DecodeLog log;
    Browser b({QSize(640, 480), QSize(800, 600), QSize(1024, 768)}, log);
    const std::string& file = b.files[1];

    // Two pictures of the same length in bytes (padded after their end).
    const size_t length = std::max(solidJpeg(QSize(400, 300), Qt::red).size(),
                                   solidJpeg(QSize(400, 300), Qt::green).size());
    const fixture::Bytes red = solidJpeg(QSize(400, 300), Qt::red, length);
    const fixture::Bytes green = solidJpeg(QSize(400, 300), Qt::green, length);

    // Written again after it was decoded ahead: a new picture of another size.
    QVERIFY(b.t.selectAndWait(0));
    b.cache().waitUntilIdle();
    QCOMPARE(log.count(file, true), 1);
    fixture::writeFile(file, red);
    QVERIFY(b.t.selectAndWait(1));
    QCOMPARE(b.pane()->naturalSize(), QSize(400, 300));
    QCOMPARE(log.count(file, false), 1);
    b.cache().waitUntilIdle();

    // Written again with the same length and its modification time put back, as a save that
    // keeps the file times does: only the change time tells the versions apart.
    struct stat before {};
    QCOMPARE(::stat(file.c_str(), &before), 0);
    QVERIFY(b.t.selectAndWait(0));  // file 1 is cached from its selection
    b.cache().waitUntilIdle();
    std::this_thread::sleep_for(30ms);  // change times move with the kernel's coarse clock
    fixture::writeFile(file, green);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    QVERIFY(b.t.selectAndWait(1));
    for (auto& d : log.decodes())
        qDebug() << d.path.c_str() << d.background;
    qDebug() << b.cache().counts().fromCache << b.cache().counts().joined
             << b.cache().counts().decodedOnRequest;
    QCOMPARE(log.count(file, false), 2);
    const QColor shown = centreColour(b.pane()->picture());
    QVERIFY2(shown.green() > 200 && shown.red() < 60, qPrintable(shown.name()));
    b.cache().waitUntilIdle();

    // The pane changed size after the neighbour was decoded ahead.
    QVERIFY(b.t.selectAndWait(1));
    b.cache().waitUntilIdle();
    const int before2 = log.count(b.files[2], false);
    QCOMPARE(log.count(b.files[2], true), 1);
    const QSize paneBefore = b.pane()->size();
    QList<int> top = b.t.window.topSplitter()->sizes();
    QList<int> main = b.t.window.mainSplitter()->sizes();
    b.t.window.topSplitter()->setSizes({top[0] - 60, top[1] + 60});
    b.t.window.mainSplitter()->setSizes({main[0] - 40, main[1] + 40});
    QCOMPARE(b.pane()->size(), paneBefore - QSize(60, 40));
    QVERIFY(b.t.selectAndWait(2));
    QCOMPARE(log.count(b.files[2], false), before2 + 1);
    QCOMPARE(b.pane()->picture().size(), drawnSize(b.pane(), QSize(1024, 768)));
}

void PreviewPrefetchTest::nothingIsDecodedAheadDuringABatchRun() {
    DecodeLog log;
    Browser b({QSize(640, 480), QSize(800, 600), QSize(1024, 768)}, log);

    // A batch run drops the decodes that were queued before it, and starts none.
    ui::BatchDialog dialog(b.t.workspace(), &b.t.window);
    b.t.window.attachBatchDialog(dialog);
    log.hold(b.files[2]);
    QVERIFY(b.t.selectAndWait(1));  // then queues 2, then 0
    QVERIFY(log.waitUntilHolding(b.files[2]));
    dialog.show();
    dialog.operationBox()->setEditText(QString::fromUtf8("画像タイトル"));
    dialog.valueField()->setText(QStringLiteral("batch"));
    QTest::mouseClick(dialog.goButton(), Qt::LeftButton);
    QVERIFY(dialog.running());
    log.release(b.files[2]);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 5000);
    b.cache().waitUntilIdle();
    for (const DecodeLog::Decode& decode : log.decodes()) {
        QVERIFY2(!decode.background || decode.path == b.files[2], decode.path.c_str());
    }
    // The current file, analysed again after the run, shows its picture.
    QVERIFY(testing::waitForPicture(b.t.window));
    QCOMPARE(b.pane()->naturalSize(), QSize(800, 600));
    QVERIFY(!log.timedOut());
}

void PreviewPrefetchTest::closingWithWorkInFlight() {
    DecodeLog log;
    std::thread releaser;
    {
        Browser b({QSize(640, 480), QSize(800, 600), QSize(1024, 768)}, log);
        log.hold(b.files[2]);
        b.t.window.show();
        QVERIFY(b.t.selectAndWait(1));  // then queues 2, then 0
        QVERIFY(log.waitUntilHolding(b.files[2]));
        b.t.window.close();
        releaser = std::thread([&log, path = b.files[2]] {
            std::this_thread::sleep_for(100ms);
            log.release(path);
        });
    }  // the window goes while the decode of 2 is under way
    // The decode under way was finished before the window went, the queued one never ran.
    QCOMPARE(log.inside(), 0);
    releaser.join();
    QCOMPARE(log.decodes().size(), size_t{2});  // 1 on selection, 2 in the background
    QVERIFY(!log.timedOut());
}

QTEST_MAIN(PreviewPrefetchTest)
#include "preview_prefetch_test.moc"
