#include "ui/preview_pane.h"

#include <QBuffer>
#include <QImageIOHandler>
#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include "exif/containers/container.h"
#include "exif/embedded_preview.h"
#include "exif/image_orientation.h"
#include "exif/thumbnail.h"
#include "platform/file_io.h"
#include "ui/picture_decoders.h"
#include "ui/qt_text.h"
#include "workspace/preview_fit.h"

namespace brevino::ui {
namespace {

// Qt's transformation for an Exif orientation value.
QImageIOHandler::Transformations transformationFor(int orientation) {
    switch (orientation) {
        case 2:
            return QImageIOHandler::TransformationMirror;
        case 3:
            return QImageIOHandler::TransformationRotate180;
        case 4:
            return QImageIOHandler::TransformationFlip;
        case 5:
            return QImageIOHandler::TransformationFlipAndRotate90;
        case 6:
            return QImageIOHandler::TransformationRotate90;
        case 7:
            return QImageIOHandler::TransformationMirrorAndRotate90;
        case 8:
            return QImageIOHandler::TransformationRotate270;
        default:
            return QImageIOHandler::TransformationNone;
    }
}

QSize turnedSize(QSize size, int orientation) {
    return turnsQuarter(orientation) ? size.transposed() : size;
}

// The whole of a small picture (the thumbnail), turned upright.
QImage decodeWhole(const QByteArray& bytes, int orientation) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    return turnedUpright(reader.read(), orientation);
}

}  // namespace

QImage turnedUpright(QImage image, int orientation) {
    const QImageIOHandler::Transformations turn = transformationFor(orientation);
    if (turn == QImageIOHandler::TransformationNone || image.isNull()) return image;
    if (turn == QImageIOHandler::TransformationRotate270)
        return image.transformed(QTransform().rotate(270));
    image = std::move(image).mirrored(turn.testFlag(QImageIOHandler::TransformationMirror),
                                      turn.testFlag(QImageIOHandler::TransformationFlip));
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

namespace {

// The size a picture of its own size `natural` is drawn at in the pane, in the screen's
// pixels, never beyond its own; empty when it is not drawn.
QSize drawnSize(QSize natural, QSize paneSize, qreal scale) {
    if (!natural.isValid() || natural.isEmpty()) return {};
    const PreviewFit fit =
        fitPreview(natural.width(), natural.height(), paneSize.width(), paneSize.height());
    if (fit.width <= 0 || fit.height <= 0) return {};
    // The fit is of the turned picture in the pane's pixels.
    return QSize(qRound(fit.width * scale), qRound(fit.height * scale))
        .boundedTo(natural)
        .expandedTo(QSize(1, 1));
}

// Decodes through Qt's image readers, at the drawn size (see decodeForPane).
QImage decodeByReader(const QByteArray& bytes, QSize paneSize, int orientation, QSize* naturalSize,
                      qreal scale) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);  // turned by the orientation given, not the reader's
    const QSize stored = reader.size();
    const QSize natural = turnedSize(stored, orientation);
    if (naturalSize) *naturalSize = natural;
    const QSize drawn = drawnSize(natural, paneSize, scale);
    if (drawn.isEmpty()) return {};
    // Decoding straight at the drawn size keeps large photos fast; the decode is of the stored
    // picture.
    const QSize decoded = turnedSize(drawn, orientation);
    if (decoded != stored) reader.setScaledSize(decoded);
    return turnedUpright(reader.read(), orientation);
}

// Decodes with the container's own decoder, then shrinks the picture to the drawn size.
QImage decodeByOwn(const PictureDecoder& decoder, const QByteArray& bytes, QSize paneSize,
                   QSize* naturalSize, qreal scale) {
    QSize natural;
    const QImage image = decoder.decode(
        bytes, [&](QSize size) { return drawnSize(size, paneSize, scale); }, &natural);
    if (naturalSize) *naturalSize = image.isNull() ? QSize() : natural;
    const QSize drawn = drawnSize(natural, paneSize, scale);
    if (image.isNull() || drawn.isEmpty()) return {};
    if (drawn == image.size()) return image;
    return image.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize readerSize(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

}  // namespace

QImage decodeForPane(const QByteArray& bytes, QSize paneSize, int orientation, QSize* naturalSize,
                     qreal scale) {
    const std::span<const uint8_t> file(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        static_cast<size_t>(bytes.size()));
    const ContainerFormat* format =
        recogniseContainer(file.first(std::min(file.size(), kHeadLength)));
    // Pictures whose files say themselves how they stand: the Exif Orientation is not applied.
    if (format != nullptr) {
        if (const PictureDecoder* decoder = pictureDecoderFor(format->kind))
            return decodeByOwn(*decoder, bytes, paneSize, naturalSize, scale);
    }
    // Raw files show their embedded JPEG, turned as the raw file's orientation says (the JPEG
    // is stored as the sensor saw it). A TIFF that Qt reads larger than its JPEG shows itself.
    if (const std::optional<EmbeddedJpeg> jpeg = embeddedPreview(file)) {
        const QByteArray preview = QByteArray::fromRawData(bytes.constData() + jpeg->offset,
                                                           static_cast<qsizetype>(jpeg->length));
        const QSize own =
            format != nullptr && format->kind == ContainerKind::Tiff ? readerSize(bytes) : QSize();
        const QSize embedded = readerSize(preview);
        if (!own.isValid() ||
            own.width() * qint64{own.height()} < embedded.width() * qint64{embedded.height()})
            return decodeByReader(preview, paneSize, orientation, naturalSize, scale);
    }
    return decodeByReader(bytes, paneSize, orientation, naturalSize, scale);
}

PreviewPane::PreviewPane(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    refit_.setSingleShot(true);
    refit_.setInterval(150);
    connect(&refit_, &QTimer::timeout, this, &PreviewPane::refit);
    // Decodes finish on other threads; their pictures are taken over on this one.
    cache_.setReadyListener([this](const PreviewCache::Decoded& decoded,
                                   const PreviewPicture& picture) {
        QMetaObject::invokeMethod(
            this, [this, decoded, picture] { delivered(decoded, picture); }, Qt::QueuedConnection);
    });
}

PreviewPane::~PreviewPane() {
    cache_.cancel();
    cache_.waitUntilIdle();
}

void PreviewPane::load(const std::string& path, const Document& analysis, bool turn) {
    FileHandle file = openForRead(path);
    if (!file.isOpen() || !file.identity()) return;
    waitingFor_.clear();
    const std::string title = previewTitle(path);
    emit titleChanged(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    const PreviewTarget wanted = target(turn);
    const int orientation = turn ? imageOrientation(analysis) : 1;
    loaded_ = path;
    turn_ = turn;
    orientation_ = orientation;
    if (std::optional<PreviewPicture> kept = cache_.cached(path, file, wanted)) {
        show(*kept, wanted);
        return;
    }
    waitingVersion_ = versionOf(file);
    file.close();

    // Until the picture is decoded, its thumbnail stands in for it where it will be drawn.
    const std::span<const uint8_t> thumbnail = thumbnailBytes(analysis);
    picture_ =
        thumbnail.empty()
            ? QImage()
            : decodeWhole(QByteArray::fromRawData(reinterpret_cast<const char*>(thumbnail.data()),
                                                  static_cast<qsizetype>(thumbnail.size())),
                          orientation);
    showsThumbnail_ = !picture_.isNull();
    const QSize stored = QImageReader(localPath(path)).size();
    naturalSize_ = stored.isValid() ? turnedSize(stored, orientation) : picture_.size();
    waitingFor_ = path;
    waitingTarget_ = wanted;
    cache_.request(path, wanted, orientation);
    update();
}

void PreviewPane::show(const PreviewPicture& picture, const PreviewTarget& target) {
    picture_ = picture.picture;
    naturalSize_ = picture.natural;
    showsThumbnail_ = false;
    shownTarget_ = target;
    update();
}

void PreviewPane::refit() {
    if (loaded_.empty()) return;
    const PreviewTarget wanted = target(turn_);
    if (wanted == (isWaiting() ? waitingTarget_ : shownTarget_)) return;
    // The picture shown stays, stretched, until the new one is decoded.
    waitingFor_ = loaded_;
    waitingTarget_ = wanted;
    cache_.request(loaded_, wanted, orientation_);
}

void PreviewPane::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (!loaded_.empty()) refit_.start();
}

void PreviewPane::delivered(const PreviewCache::Decoded& decoded, const PreviewPicture& picture) {
    if (decoded.path != waitingFor_ || !(decoded.target == waitingTarget_)) return;
    // A picture decoded ahead counts only when it is of the version loaded; the requested
    // decode, which reads the file after the selection, always does.
    if (!decoded.requested && decoded.version != waitingVersion_) return;
    waitingFor_.clear();
    show(picture, decoded.target);
    emit pictureReady();
}

void PreviewPane::release() {
    waitingFor_.clear();
    loaded_.clear();
    refit_.stop();
    showsThumbnail_ = false;
    if (picture_.isNull() && !naturalSize_.isValid()) return;
    picture_ = QImage();
    naturalSize_ = QSize();
    update();
}

void PreviewPane::prefetch(const std::vector<std::string>& paths, bool turn) {
    cache_.prefetch(paths, target(turn));
}

void PreviewPane::cancelPrefetch() {
    cache_.cancelAhead();
}

QRect PreviewPane::pictureRect() const {
    if (picture_.isNull() || !naturalSize_.isValid()) return {};
    const QRect pane = contentsRect();
    const PreviewFit fit =
        fitPreview(naturalSize_.width(), naturalSize_.height(), pane.width(), pane.height());
    return QRect(pane.x() + fit.x, pane.y() + fit.y, fit.width, fit.height);
}

void PreviewPane::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    // Moved to a screen of another scale: decoded again for it.
    if (!loaded_.empty() && !isWaiting() && !showsThumbnail_ &&
        shownTarget_.scale != devicePixelRatioF() && !refit_.isActive())
        refit_.start();
    const QRect target = pictureRect();
    if (target.isEmpty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
}

}  // namespace brevino::ui
