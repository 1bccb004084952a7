// The preview pane: the analysed picture, shrunk to fit, centred and turned upright, decoded
// for the screen's pixels (twice as many each way on a screen scaled twice). The window never
// waits for it: a picture not decoded yet is decoded off the window's thread, and the file's
// embedded thumbnail stands in for it meanwhile. When the pane changes size the picture shown
// is stretched at once and decoded again for the new size once the pane keeps still.
#pragma once

#include <QFrame>
#include <QImage>
#include <QSize>
#include <QTimer>
#include <string>
#include <vector>

#include "exif/document.h"
#include "ui/preview_cache.h"

namespace brevino::ui {

class PreviewPane : public QFrame {
    Q_OBJECT
  public:
    explicit PreviewPane(QWidget* parent = nullptr);
    ~PreviewPane() override;

    // Shows the picture of the file, turned as its Orientation entry says when `turn` is
    // set. `analysis` is the file's analysed document: its thumbnail is shown at once when
    // the picture is not decoded yet. A file that cannot be opened changes nothing; a file
    // that does not decode leaves the pane empty but still names the file.
    void load(const std::string& path, const Document& analysis, bool turn);
    // Forgets the picture.
    void release();

    // Decodes the pictures of these files ahead of time, in this order, so that loading one
    // of them next finds it ready. Replaces the files asked for before.
    void prefetch(const std::vector<std::string>& paths, bool turn);
    // Drops the work not yet started.
    void cancelPrefetch();
    PreviewCache& cache() { return cache_; }

    // The picture as decoded: its pixels are the screen's, pictureRect() times the scale.
    const QImage& picture() const { return picture_; }
    // The picture's own size (turned), before it was shrunk for the pane.
    QSize naturalSize() const { return naturalSize_; }
    // Where the picture is drawn, inside the pane's frame.
    QRect pictureRect() const;
    // Whether the full picture of the loaded file is still being decoded (the thumbnail, or
    // nothing, shows meanwhile).
    bool isWaiting() const { return !waitingFor_.empty(); }
    // Whether what is shown is the embedded thumbnail.
    bool showsThumbnail() const { return showsThumbnail_; }

  signals:
    // The window title the loaded file gives ("Brevino[name]").
    void titleChanged(const QString& title);
    // The full picture of the loaded file is shown (or it turned out not to decode).
    void pictureReady();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void show(const PreviewPicture& picture, const PreviewTarget& target);
    void delivered(const PreviewCache::Decoded& decoded, const PreviewPicture& picture);
    // Decodes the loaded file again when the pane's size or the screen's scale changed.
    void refit();
    PreviewTarget target(bool turn) const {
        return {contentsRect().size(), turn, devicePixelRatioF()};
    }

    QImage picture_;
    QSize naturalSize_;
    bool showsThumbnail_ = false;
    std::string waitingFor_;  // the file whose full picture is awaited
    PreviewTarget waitingTarget_;
    std::optional<FileVersion> waitingVersion_;
    std::string loaded_;  // the file shown, and how
    bool turn_ = true;
    int orientation_ = 1;
    PreviewTarget shownTarget_;  // what the picture shown was decoded for
    QTimer refit_;               // the pane keeps still this long before the new decode
    PreviewCache cache_;
};

// Turns a picture as an Exif orientation value (1 to 8) says, so that it stands upright.
QImage turnedUpright(QImage image, int orientation);

// Decodes the picture in `bytes` at the size that the preview pane of `paneSize` draws it,
// times `scale` device pixels (never beyond the picture's own size), turned upright as
// `orientation` says, or a null image when it does not decode. `naturalSize` receives the
// picture's own size, turned. HEIF, AVIF and JPEG XL pictures are decoded by their own
// libraries and stand as their files say (`orientation` is not applied to them); raw files
// show the largest JPEG they embed.
QImage decodeForPane(const QByteArray& bytes, QSize paneSize, int orientation = 1,
                     QSize* naturalSize = nullptr, qreal scale = 1);

}  // namespace brevino::ui
