#include "platform/language.h"

#include <atomic>
#include <cstdlib>

namespace brevino {
namespace {

std::atomic<Language> currentLanguage{Language::Japanese};

}  // namespace

std::string_view languageChoiceWord(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::Japanese:
            return "ja";
        case LanguageChoice::English:
            return "en";
        case LanguageChoice::Auto:
            break;
    }
    return "auto";
}

std::optional<LanguageChoice> parseLanguageChoice(std::string_view word) {
    for (const LanguageChoice choice :
         {LanguageChoice::Auto, LanguageChoice::Japanese, LanguageChoice::English}) {
        if (word == languageChoiceWord(choice)) return choice;
    }
    return std::nullopt;
}

Language languageOfLocale(std::string_view locale) {
    // "ja_JP.UTF-8@modifier": the language is what comes before '_', '.' or '@'.
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    if (language.empty() || language == "C" || language == "POSIX" || language == "ja")
        return Language::Japanese;
    return Language::English;
}

Language languageOfEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return languageOfLocale(value);
    }
    return Language::Japanese;
}

Language languageFor(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::Japanese:
            return Language::Japanese;
        case LanguageChoice::English:
            return Language::English;
        case LanguageChoice::Auto:
            break;
    }
    return languageOfEnvironment();
}

Language textLanguage() {
    return currentLanguage.load(std::memory_order_relaxed);
}

void setTextLanguage(Language language) {
    currentLanguage.store(language, std::memory_order_relaxed);
}

}  // namespace brevino
