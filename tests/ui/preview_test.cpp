// The preview: the fit table decoded at the drawn size, pictures turned upright, the title,
// the thumbnail shown until the picture is decoded, and files that do not open or decode.
#include <QBuffer>
#include <QFile>
#include <QMutex>
#include <QTest>
#include <functional>

#include "ui/preview_pane.h"
#include "ui_test_support.h"
#include "workspace/preview_fit.h"

using namespace brevino;
using brevino::testing::TestWindow;

namespace {

QByteArray encoded(QSize size) {
    const fixture::Bytes bytes = testing::pictureJpeg(size);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

  private slots:
    void decodesAtTheDrawnSize_data();
    void decodesAtTheDrawnSize();
    void everyOrientationStandsUpright();
    void loadingNamesTheFileAndCentresThePicture();
    void thumbnailStandsInUntilThePictureIsDecoded();
    void filesThatDoNotOpenOrDecode();
    void everyContainerOfTheCorpusShows_data();
    void everyContainerOfTheCorpusShows();
};

void PreviewTest::decodesAtTheDrawnSize_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("drawn");
    QTest::newRow("2048x1536") << QSize(2048, 1536) << 1 << QSize(263, 206);
    QTest::newRow("640x480") << QSize(640, 480) << 1 << QSize(262, 192);
    QTest::newRow("2000x3000") << QSize(2000, 3000) << 1 << QSize(138, 200);
    QTest::newRow("3000x2000") << QSize(3000, 2000) << 1 << QSize(300, 200);
    QTest::newRow("200x100") << QSize(200, 100) << 1 << QSize(200, 100);
    QTest::newRow("2000 wide") << QSize(2000, 1000) << 1 << QSize(271, 142);
    QTest::newRow("2001 wide") << QSize(2001, 1000) << 1 << QSize(251, 125);
    // Turned by a quarter: the fit is of the upright size.
    QTest::newRow("2000x3000 turned") << QSize(2000, 3000) << 6 << QSize(300, 200);
    QTest::newRow("3000x2000 turned") << QSize(3000, 2000) << 8 << QSize(138, 200);
    QTest::newRow("turned half") << QSize(3000, 2000) << 3 << QSize(300, 200);
}

void PreviewTest::decodesAtTheDrawnSize() {
    QFETCH(QSize, picture);
    QFETCH(int, orientation);
    QFETCH(QSize, drawn);
    QSize natural;
    const QImage image =
        ui::decodeForPane(encoded(picture), QSize(300, 220), orientation, &natural);
    QCOMPARE(natural, orientation >= 5 ? picture.transposed() : picture);
    QCOMPARE(image.size(), drawn);
}

void PreviewTest::everyOrientationStandsUpright() {
    // A stored picture of 3 x 2 pixels, each its own colour; where the stored pixel (x, y)
    // appears once turned, for each orientation value.
    QImage stored(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            stored.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
    }
    const int w = 3, h = 2;
    const struct {
        int orientation;
        std::function<QPoint(int, int)> shown;
    } cases[] = {
        {1, [](int x, int y) { return QPoint(x, y); }},
        {2, [&](int x, int y) { return QPoint(w - 1 - x, y); }},
        {3, [&](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); }},
        {4, [&](int x, int y) { return QPoint(x, h - 1 - y); }},
        {5, [](int x, int y) { return QPoint(y, x); }},
        {6, [&](int x, int y) { return QPoint(h - 1 - y, x); }},
        {7, [&](int x, int y) { return QPoint(h - 1 - y, w - 1 - x); }},
        {8, [&](int x, int y) { return QPoint(y, w - 1 - x); }},
    };
    for (const auto& c : cases) {
        const QImage turned = ui::turnedUpright(stored, c.orientation);
        QCOMPARE(turned.size(), c.orientation >= 5 ? QSize(h, w) : QSize(w, h));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                QVERIFY2(turned.pixel(c.shown(x, y)) == stored.pixel(x, y),
                         qPrintable(QStringLiteral("orientation %1, pixel %2,%3")
                                        .arg(c.orientation)
                                        .arg(x)
                                        .arg(y)));
            }
        }
    }
}

void PreviewTest::loadingNamesTheFileAndCentresThePicture() {
    TestWindow t;
    fixture::TempDir dir;
    const std::string path =
        dir.write("IMG_0001.JPG", testing::pictureJpeg(QSize(2048, 1536), testing::sampleTiff()));
    t.workspace().fileList = {path};
    t.window.refreshFileList();
    t.window.show();
    QVERIFY(t.selectAndWait(0));
    QCOMPARE(t.window.windowTitle(), QStringLiteral("Brevino[IMG_0001.JPG]"));
    ui::PreviewPane* pane = t.window.previewPane();
    const QRect area = pane->contentsRect();
    const PreviewFit fit = fitPreview(2048, 1536, area.width(), area.height());
    QCOMPARE(pane->picture().size(), QSize(fit.width, fit.height));
    QCOMPARE(pane->pictureRect(), QRect(area.x() + fit.x, area.y() + fit.y, fit.width, fit.height));
    QVERIFY(t.workspace().rowCount() > 0);  // rows and preview from one selection
    // The pane draws the picture where it says.
    const QImage shown = pane->grab().toImage();
    const QPoint inside = pane->pictureRect().topLeft() + QPoint(2, 2);
    QCOMPARE(QColor(shown.pixel(inside)).red() > 200, true);  // the yellow corner
}

void PreviewTest::thumbnailStandsInUntilThePictureIsDecoded() {
    TestWindow t;
    fixture::TempDir dir;
    // A portrait photo stored sideways (Orientation 6) with a thumbnail stored the same way.
    fixture::Tiff tiff = testing::sampleTiff();
    for (fixture::Entry& entry : tiff.ifd0.entries) {
        if (entry.tag == 0x0112) entry = fixture::shorts(0x0112, {6});
    }
    const fixture::Bytes thumbnail = testing::pictureJpeg(QSize(160, 120));
    tiff.thumbnail = std::string(thumbnail.begin(), thumbnail.end());
    const std::string path =
        dir.write("portrait.jpg", testing::pictureJpeg(QSize(1200, 900), tiff));
    t.workspace().fileList = {path};
    t.window.refreshFileList();
    ui::PreviewPane* pane = t.window.previewPane();
    // The decode is held back: the thumbnail shows at once, turned, where the photo will be.
    QMutex gate;
    gate.lock();
    pane->cache().setDecodeHook([&](const std::string&, bool) { QMutexLocker hold(&gate); });
    t.window.selectFile(0);
    QVERIFY(pane->isWaiting());
    QVERIFY(pane->showsThumbnail());
    QCOMPARE(pane->picture().size(), QSize(120, 160));
    QCOMPARE(pane->naturalSize(), QSize(900, 1200));
    QVERIFY(t.workspace().rowCount() > 0);  // the rows did not wait
    gate.unlock();
    QVERIFY(testing::waitForPicture(t.window));
    QVERIFY(!pane->showsThumbnail());
    const QRect area = pane->contentsRect();
    const PreviewFit fit = fitPreview(900, 1200, area.width(), area.height());
    QCOMPARE(pane->picture().size(), QSize(fit.width, fit.height));
    pane->cache().setDecodeHook({});

    // With turning switched off, the stored pixels show as they are.
    t.workspace().settings.rotate = 0;
    QVERIFY(t.selectAndWait(0));
    QCOMPARE(pane->naturalSize(), QSize(1200, 900));
}

void PreviewTest::filesThatDoNotOpenOrDecode() {
    TestWindow t;
    fixture::TempDir dir;
    t.workspace().fileList = {dir.write("a.jpg", testing::pictureJpeg(QSize(64, 48))),
                              dir.write("b.jpg", fixture::jpegWith(testing::sampleTiff())),
                              dir.file("gone.jpg")};
    t.window.refreshFileList();
    QVERIFY(t.selectAndWait(0));
    QVERIFY(!t.window.previewPane()->picture().isNull());
    // Not a picture: the title names it, nothing is drawn, the rows are there.
    QVERIFY(t.selectAndWait(1));
    QCOMPARE(t.window.windowTitle(), QStringLiteral("Brevino[b.jpg]"));
    QVERIFY(t.window.previewPane()->picture().isNull());
    QVERIFY(t.workspace().rowCount() > 0);
    // Missing: the title stays; the analysis says why in the table, not in a message box.
    t.takeMessages();
    QVERIFY(t.selectAndWait(2));
    QCOMPARE(t.window.windowTitle(), QStringLiteral("Brevino[b.jpg]"));
    QVERIFY(t.window.previewPane()->picture().isNull());
    QVERIFY(t.takeMessages().empty());
    QVERIFY(!t.window.tagListView()->emptyText().isEmpty());
}

void PreviewTest::everyContainerOfTheCorpusShows_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("natural");
    QTest::addColumn<QSize>("pane");
    const QSize pane(300, 220);
    // Qt's readers (with the image-formats plug-ins).
    QTest::newRow("png") << "1343_exif.png" << QSize(200, 100) << pane;
    QTest::newRow("webp") << "Nikon_D1X.webp" << QSize(600, 391) << pane;
    QTest::newRow("tiff") << "Arbitro.tiff" << QSize(174, 38) << pane;
    // libheif, which turns the picture by its irot box; the Exif Orientation (6, the same
    // turn) must not turn it again.
    QTest::newRow("heic turned") << "iphone_15_pro.heic" << QSize(3024, 4032) << pane;
    // Drawn larger than its 320x240 thumbnail: the primary image itself, turned the same.
    QTest::newRow("heic turned, whole")
        << "iphone_15_pro.heic" << QSize(3024, 4032) << QSize(1000, 1000);
    QTest::newRow("heif") << "HMD_Nokia_8.3_5G_hdr.heif" << QSize(4608, 3456) << pane;
    QTest::newRow("avif") << "avif_exif_xmp.avif" << QSize(120, 120) << pane;
    QTest::newRow("jxl") << "Reagan.jxl" << QSize(200, 130) << pane;
    // The largest embedded JPEG: the DNG's sub-IFD preview, not its 256x171 0th IFD.
    QTest::newRow("dng") << "canon_eos_6d.dng" << QSize(1024, 683) << pane;
    QTest::newRow("cr3") << "Canon-R6-pruned.CR3" << QSize(1620, 1080) << pane;
}

void PreviewTest::everyContainerOfTheCorpusShows() {
    QFETCH(QString, file);
    QFETCH(QSize, natural);
    QFETCH(QSize, pane);
    const std::string root = fixture::corpusDirectory();
    const std::string path = root + "/formats/" + file.toStdString();
    if (root.empty() || !QFile::exists(QString::fromStdString(path)))
        QSKIP("the corpus file is absent");
    FileHandle handle = openForRead(path);
    const std::optional<ui::FileVersion> version = ui::versionOf(handle);
    QVERIFY(version);
    const ui::PreviewPicture shown = ui::readAndDecode(handle, *version, {pane, true, 1});
    QCOMPARE(shown.natural, natural);
    QVERIFY(!shown.picture.isNull());
    // Decoded at the size the pane draws it, as a JPEG of its size is.
    const PreviewFit fit =
        fitPreview(natural.width(), natural.height(), pane.width(), pane.height());
    QCOMPARE(shown.picture.size(), QSize(fit.width, fit.height).boundedTo(natural));
}

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
