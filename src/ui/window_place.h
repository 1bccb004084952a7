// Where the main window opens on today's screens: as it was last closed when that still fits
// a screen, otherwise at its classic size, or as much of it as the screen has room for, in
// the middle of the screen.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

#include "workspace/settings.h"

namespace brevino::ui {

// Room left around a window for the frame a window manager draws (title bar, borders).
inline constexpr int kFrameRoomWidth = 16;
inline constexpr int kFrameRoomHeight = 48;

// The kept window (frame excluded) when it lies wholly inside one of the screens' available
// areas; nothing when none was kept or it does not fit (a screen removed, a smaller one).
std::optional<QRect> keptWindow(const WindowLayout& kept, const QList<QRect>& available);

// A window of `wanted` size on a screen with this available area: the size cut to the room
// the screen has (with room for a frame), and the frame's top-left corner that centres it.
QRect centredWindow(QSize wanted, const QRect& available);

}  // namespace brevino::ui
