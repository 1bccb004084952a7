// The decoders of the containers whose pictures Qt's image readers do not read, one line each
// in picture_decoders.cpp. Each gives the whole picture as the file itself says it stands: the
// container's own rotation and mirroring are applied, so the Exif Orientation is not applied
// after them.
#pragma once

#include <QByteArray>
#include <QImage>

#include "exif/document.h"

namespace brevino::ui {

struct PictureDecoder {
    ContainerKind kind;
    // The whole picture of the file in `bytes`, upright; a null image when it does not decode.
    QImage (*decode)(const QByteArray& bytes);
};

// The decoder of the container; nullptr for the containers Qt's readers serve.
const PictureDecoder* pictureDecoderFor(ContainerKind kind);

// The primary image of a HEIF or AVIF file (libheif).
QImage decodeHeif(const QByteArray& bytes);
// A JPEG XL file, as 8-bit RGBA (libjxl).
QImage decodeJxl(const QByteArray& bytes);

}  // namespace brevino::ui
