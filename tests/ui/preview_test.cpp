// The preview: the fit table decoded at the drawn size, the title, and files that do not
// open or do not decode.
#include <QBuffer>
#include <QTest>

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
    void loadingNamesTheFileAndCentresThePicture();
    void filesThatDoNotOpenOrDecode();
};

void PreviewTest::decodesAtTheDrawnSize_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("drawn");
    QTest::newRow("2048x1536") << QSize(2048, 1536) << QSize(263, 206);
    QTest::newRow("640x480") << QSize(640, 480) << QSize(262, 192);
    QTest::newRow("2000x3000") << QSize(2000, 3000) << QSize(138, 200);
    QTest::newRow("3000x2000") << QSize(3000, 2000) << QSize(300, 200);
    QTest::newRow("200x100") << QSize(200, 100) << QSize(200, 100);
    QTest::newRow("2000 wide") << QSize(2000, 1000) << QSize(271, 142);
    QTest::newRow("2001 wide") << QSize(2001, 1000) << QSize(251, 125);
}

void PreviewTest::decodesAtTheDrawnSize() {
    QFETCH(QSize, picture);
    QFETCH(QSize, drawn);
    QSize natural;
    const QImage image = ui::decodeForPane(encoded(picture), QSize(300, 220), &natural);
    QCOMPARE(natural, picture);
    QCOMPARE(image.size(), drawn);
}

void PreviewTest::loadingNamesTheFileAndCentresThePicture() {
    TestWindow t;
    fixture::TempDir dir;
    const std::string path =
        dir.write("IMG_0001.JPG", testing::pictureJpeg(QSize(2048, 1536), testing::sampleTiff()));
    t.workspace().fileList = {path};
    t.window.refreshFileList();
    t.window.show();
    t.window.selectFile(0);
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

void PreviewTest::filesThatDoNotOpenOrDecode() {
    TestWindow t;
    fixture::TempDir dir;
    t.workspace().fileList = {dir.write("a.jpg", testing::pictureJpeg(QSize(64, 48))),
                              dir.write("b.jpg", fixture::jpegWith(testing::sampleTiff())),
                              dir.file("gone.jpg")};
    t.window.refreshFileList();
    t.window.selectFile(0);
    QVERIFY(!t.window.previewPane()->picture().isNull());
    // Not a picture: the title names it, nothing is drawn, the rows are there.
    t.window.selectFile(1);
    QCOMPARE(t.window.windowTitle(), QStringLiteral("Brevino[b.jpg]"));
    QVERIFY(t.window.previewPane()->picture().isNull());
    QVERIFY(t.workspace().rowCount() > 0);
    // Missing: the title stays, the analysis reports its own error.
    t.takeMessages();
    t.window.selectFile(2);
    QCOMPARE(t.window.windowTitle(), QStringLiteral("Brevino[b.jpg]"));
    QVERIFY(t.window.previewPane()->picture().isNull());
    QCOMPARE(t.takeMessages().size(), size_t{1});
}

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
