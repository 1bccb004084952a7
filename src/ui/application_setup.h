// What every window of the program shares, set once on the application: the desktop's own UI
// font with a Japanese sans-serif face for the characters it lacks, the language of the texts
// (the one chosen in the settings, else the desktop's) with Qt's own texts (standard buttons,
// the folder dialog) in it, the program's icon, and dialogs centred on their screen.
#pragma once

#include <QFont>

namespace brevino::ui {

// Japanese sans-serif faces, in order of preference, for the characters the desktop's font
// lacks.
inline constexpr const char* kJapaneseSansFamilies[] = {"Noto Sans CJK JP", "IPAexGothic",
                                                        "IPAGothic", "VL Gothic", "TakaoGothic"};

// The font with the installed Japanese sans-serif faces after its own family.
QFont withJapaneseFallback(QFont font);

// Loads Qt's Japanese translations (qtbase_ja.qm) into the application; false when they are
// not installed.
bool installQtTranslations();

// All of the above, and the icon; call once after the QApplication is made.
void setUpApplication();

}  // namespace brevino::ui
