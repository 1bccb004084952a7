// The preview pane: the analysed picture, shrunk to fit and centred.
#pragma once

#include <QFrame>
#include <QImage>
#include <QSize>
#include <string>
#include <vector>

#include "ui/preview_cache.h"

namespace brevino::ui {

class PreviewPane : public QFrame {
    Q_OBJECT
  public:
    explicit PreviewPane(QWidget* parent = nullptr);

    // Loads the picture of the file. A file that cannot be opened changes nothing; a file
    // that does not decode leaves the pane empty but still names the file. A picture decoded
    // ahead of time for this version of the file and this pane size is used as it is.
    void load(const std::string& path);
    // Forgets the picture.
    void release();

    // Decodes the pictures of these files in the background, in this order, so that loading
    // one of them next finds it ready. Replaces the files asked for before.
    void prefetch(const std::vector<std::string>& paths);
    // Drops the background work not yet started.
    void cancelPrefetch();
    PreviewCache& cache() { return cache_; }

    const QImage& picture() const { return picture_; }
    // The picture's own size, before it was shrunk for the pane.
    QSize naturalSize() const { return naturalSize_; }
    // Where the picture is drawn, inside the pane's frame.
    QRect pictureRect() const;

  signals:
    // The window title the loaded file gives ("Brevino[name]").
    void titleChanged(const QString& title);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QSize naturalSize_;
    PreviewCache cache_;
};

// Decodes the picture in `bytes` at the size that the preview pane of `paneSize` draws it,
// or a null image when it does not decode. `naturalSize` receives the picture's own size.
QImage decodeForPane(const QByteArray& bytes, QSize paneSize, QSize* naturalSize = nullptr);

}  // namespace brevino::ui
