// The language of the window: the core's texts, the program's English translation of the
// window's own texts (Japanese is their source language and needs none) and Qt's
// translation of its standard buttons and dialogs, all switched together.
#pragma once

#include <QStringList>

#include "platform/language.h"

namespace brevino::ui {

// The file name of the program's English translation.
inline constexpr char kEnglishTranslation[] = "brevino_en.qm";

// The folders searched for the program's translation, first found wins: the installed
// share/brevino/translations beside the program's bin folder, then the one of the
// installation prefix. The translation built into the program is the last resort, so that a
// program run from its build folder has it too.
QStringList translationFolders();

// Sets the core's language and installs the translator of that language in place of the one
// installed before: the program's English translation, or Qt's Japanese one of its standard
// buttons and dialogs (the program's texts are Japanese in the source). Every widget gets a
// LanguageChange event. False when the translation was not found.
bool applyLanguage(Language language);

}  // namespace brevino::ui
