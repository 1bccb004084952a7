#include "workspace/preview_fit.h"

#include "platform/file_io.h"

#include <algorithm>
#include <cstdint>

namespace brevino {
namespace {

constexpr int kWideLimit = 2000;
constexpr int kNarrowDivisor = 15;
constexpr int kWideDivisor = 40;

// The largest size of the picture's proportions inside the pane.
void scaleToFit(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight,
                PreviewFit& fit) {
    const int64_t byWidth = int64_t{paneWidth} * pictureHeight;
    const int64_t byHeight = int64_t{paneHeight} * pictureWidth;
    if (byWidth <= byHeight) {
        fit.width = paneWidth;
        fit.height = std::max(1, static_cast<int>(byWidth / pictureWidth));
    } else {
        fit.height = paneHeight;
        fit.width = std::max(1, static_cast<int>(byHeight / pictureHeight));
    }
}

}  // namespace

PreviewFit fitPreview(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight) {
    PreviewFit fit;
    if (pictureWidth <= 0 || pictureHeight <= 0 || paneWidth <= 0 || paneHeight <= 0) return fit;
    const int divisor = pictureWidth > kWideLimit ? kWideDivisor : kNarrowDivisor;
    fit.stepWidth = pictureWidth / divisor;
    fit.stepHeight = pictureHeight / divisor;
    int w = pictureWidth;
    int h = pictureHeight;
    bool stuck = false;
    while (w > paneWidth || h > paneHeight) {
        // A step that does not shrink a side still too large, or that would leave nothing of a
        // side, cannot bring the picture inside.
        if ((w > paneWidth && fit.stepWidth == 0) || (h > paneHeight && fit.stepHeight == 0) ||
            w - fit.stepWidth <= 0 || h - fit.stepHeight <= 0) {
            stuck = true;
            break;
        }
        w -= fit.stepWidth;
        h -= fit.stepHeight;
        ++fit.steps;
    }
    if (stuck) {
        scaleToFit(pictureWidth, pictureHeight, paneWidth, paneHeight, fit);
    } else {
        fit.width = w;
        fit.height = h;
    }
    fit.x = (paneWidth - fit.width) / 2;
    fit.y = (paneHeight - fit.height) / 2;
    return fit;
}

std::string previewTitle(std::string_view path) {
    std::string title = "Brevino[";
    title += fileNameOf(path);
    title += ']';
    return title;
}

}  // namespace brevino
