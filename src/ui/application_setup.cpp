#include "ui/application_setup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/dialog_units.h"
#include "ui/ui_language.h"
#include "workspace/settings.h"

namespace brevino::ui {

QFont withJapaneseFallback(QFont font) {
    QStringList families = font.families();
    if (families.isEmpty()) families << font.family();
    const QStringList installed = QFontDatabase::families();
    for (const char* name : kJapaneseSansFamilies) {
        const QString family = QString::fromLatin1(name);
        // A face the desktop font names already keeps its place.
        if (installed.contains(family) && !families.contains(family)) families << family;
    }
    font.setFamilies(families);
    return font;
}

bool installQtTranslations() {
    auto* translator = new QTranslator(qApp);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Brevino"));
    QApplication::setDesktopFileName(QStringLiteral("brevino"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/brevino/brevino.svg")));
    QApplication::setFont(withJapaneseFallback(QApplication::font()));
    // The language the user chose in the window, or the desktop's; Qt's own texts follow it.
    applyLanguage(languageFor(readSettings(settingsFilePath()).language));
    installDialogCentring();
}

}  // namespace brevino::ui
