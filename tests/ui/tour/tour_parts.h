// The parts of the desktop tour, each run in a process of its own by scripts/desktop-tour.sh
// (some under a screen scale or a window manager of their own).
#pragma once

#include <QStringList>

namespace brevino::tour {

// Every file of FOLDER with the Down key; counts the message boxes that stopped the browsing
// and checks that quarter-turned pictures are shown turned. [--shot PNG --select NAME]
int browse(const QStringList& args);
// At a screen scale of 2: the window inside the screen, the preview at the screen's full
// resolution (compared with the photo decoded for those pixels). FOLDER NAME [--shot PNG]
int scale(const QStringList& args);
// save STATE | check STATE: the window maximised with new pane sizes and closed; then, in a
// new process, opened maximised with those sizes and restored to its normal place.
int layout(const QStringList& args);
// Every shortcut, Qt's standard buttons and folder dialog in the window's language. FOLDER
int keys(const QStringList& args);
// A batch run over the photos of FOLDER, timed against CLI_MS, with the window answering
// key presses during it. FOLDER CLI_MS
int batch(const QStringList& args);
// A folder of 100,000 links listed, then read again after changes, with the window answering
// key presses meanwhile. FOLDER PHOTO
int list(const QStringList& args);

}  // namespace brevino::tour
