#include "ui/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace brevino::ui {
namespace {

// The translators installed for the present language; replaced when it changes.
QPointer<QTranslator> programTranslator;
QPointer<QTranslator> qtTranslator;

void removeTranslator(QPointer<QTranslator>& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// Qt's Japanese translation of its buttons and dialogs (qtbase_ja); in English they need
// none.
QTranslator* loadQtJapanese() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return translator;
    delete translator;
    return nullptr;
}

QTranslator* loadProgramTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    QStringList places;
    for (const QString& folder : translationFolders())
        places << folder + QLatin1Char('/') + QLatin1String(kEnglishTranslation);
    places << QStringLiteral(":/brevino/translations/") + QLatin1String(kEnglishTranslation);
    for (const QString& place : places) {
        if (QFileInfo::exists(place) && translator->load(place)) return translator;
    }
    delete translator;
    return nullptr;
}

}  // namespace

QStringList translationFolders() {
    const QString relative = QStringLiteral("/../share/brevino/translations");
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QDir::cleanPath(QCoreApplication::applicationDirPath() + relative);
    const QString installed = QStringLiteral(BREVINO_TRANSLATIONS_DIR);
    if (!folders.contains(installed)) folders << installed;
    return folders;
}

bool applyLanguage(Language language) {
    setTextLanguage(language);
    removeTranslator(programTranslator);
    removeTranslator(qtTranslator);
    QPointer<QTranslator>& wanted =
        language == Language::English ? programTranslator : qtTranslator;
    wanted = language == Language::English ? loadProgramTranslation() : loadQtJapanese();
    return wanted && QCoreApplication::installTranslator(wanted);
}

}  // namespace brevino::ui
