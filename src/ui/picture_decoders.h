// The decoders of the containers whose pictures Qt's image readers do not read, one line each
// in picture_decoders.cpp. Each gives the whole picture as the file itself says it stands: the
// container's own rotation and mirroring are applied, so the Exif Orientation is not applied
// after them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>

#include "exif/document.h"

namespace brevino::ui {

// For a picture's own size, the size it is drawn at.
using DrawnSize = std::function<QSize(QSize natural)>;

struct PictureDecoder {
    ContainerKind kind;
    // The picture of the file in `bytes`, upright, or a null image when it does not decode;
    // `natural` receives its own size. The picture may be smaller than that, no smaller than
    // `drawn` asks, when the file holds a smaller copy that is quicker to decode.
    QImage (*decode)(const QByteArray& bytes, const DrawnSize& drawn, QSize* natural);
};

// The decoder of the container; nullptr for the containers Qt's readers serve.
const PictureDecoder* pictureDecoderFor(ContainerKind kind);

// The primary image of a HEIF or AVIF file (libheif), or its thumbnail when that is large
// enough for the drawn size.
QImage decodeHeif(const QByteArray& bytes, const DrawnSize& drawn, QSize* natural);
// A JPEG XL file, as 8-bit RGBA (libjxl).
QImage decodeJxl(const QByteArray& bytes, const DrawnSize& drawn, QSize* natural);

}  // namespace brevino::ui
