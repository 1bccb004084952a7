#include "ui/preview_pane.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "platform/file_io.h"
#include "workspace/preview_fit.h"

namespace brevino::ui {

QImage decodeForPane(const QByteArray& bytes, QSize paneSize, QSize* naturalSize) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);  // drawn as stored, not turned by its orientation tag
    const QSize natural = reader.size();
    if (naturalSize) *naturalSize = natural;
    if (!natural.isValid() || natural.isEmpty()) return {};
    const PreviewFit fit =
        fitPreview(natural.width(), natural.height(), paneSize.width(), paneSize.height());
    if (fit.width <= 0 || fit.height <= 0) return {};
    // Decoding straight at the drawn size keeps large photos fast.
    if (fit.width != natural.width() || fit.height != natural.height()) {
        reader.setScaledSize(QSize(fit.width, fit.height));
    }
    return reader.read();
}

PreviewPane::PreviewPane(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void PreviewPane::load(const std::string& path) {
    FileHandle file = openForRead(path);
    if (!file.isOpen() || !file.identity()) return;
    PreviewPicture loaded = cache_.picture(path, file, contentsRect().size());
    file.close();
    picture_ = std::move(loaded.picture);
    naturalSize_ = loaded.natural;
    const std::string title = previewTitle(path);
    emit titleChanged(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    update();
}

void PreviewPane::release() {
    if (picture_.isNull() && !naturalSize_.isValid()) return;
    picture_ = QImage();
    naturalSize_ = QSize();
    update();
}

void PreviewPane::prefetch(const std::vector<std::string>& paths) {
    cache_.prefetch(paths, contentsRect().size());
}

void PreviewPane::cancelPrefetch() {
    cache_.cancel();
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
    const QRect target = pictureRect();
    if (target.isEmpty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
}

}  // namespace brevino::ui
