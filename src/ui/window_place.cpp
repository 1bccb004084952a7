#include "ui/window_place.h"

#include <algorithm>

namespace brevino::ui {

std::optional<QRect> keptWindow(const WindowLayout& kept, const QList<QRect>& available) {
    if (!kept.keptSize()) return std::nullopt;
    const QRect window(kept.left, kept.top, kept.width, kept.height);
    for (const QRect& screen : available) {
        if (screen.contains(window)) return window;
    }
    return std::nullopt;
}

QRect centredWindow(QSize wanted, const QRect& available) {
    const QSize room = available.size() - QSize(kFrameRoomWidth, kFrameRoomHeight);
    const QSize size = wanted.boundedTo(room).expandedTo(QSize(1, 1));
    const int left = available.x() + std::max(0, (available.width() - size.width()) / 2);
    const int top =
        available.y() + std::max(0, (available.height() - size.height() - kFrameRoomHeight) / 2);
    return {QPoint(left, top), size};
}

}  // namespace brevino::ui
