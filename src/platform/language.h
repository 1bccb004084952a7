// The language of the texts shown to people (tag names, notes, messages), and how it is
// chosen: by the user, or from the locale the environment names. Keys, JSON field names and
// the settings file never change with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace brevino {

enum class Language : uint8_t { Japanese, English };

// What the user chose: the locale's language, or one language whatever the locale says.
enum class LanguageChoice : uint8_t { Auto, Japanese, English };

// "auto", "ja", "en": the words of the settings file and of --lang.
std::string_view languageChoiceWord(LanguageChoice choice);
std::optional<LanguageChoice> parseLanguageChoice(std::string_view word);

// The language a locale name asks for: Japanese for "ja…" and for a locale that names no
// language ("", "C", "POSIX", "C.UTF-8"), so scripts keep their output; English for any other.
Language languageOfLocale(std::string_view locale);
// The locale of messages as the environment names it: LC_ALL, else LC_MESSAGES, else LANG
// (the first that is set and not empty).
Language languageOfEnvironment();
Language languageFor(LanguageChoice choice);

// The language the core writes its texts in for this process; Japanese until set.
Language textLanguage();
void setTextLanguage(Language language);

// The text of the two that is in the language of the texts.
inline std::string_view inTextLanguage(std::string_view japanese, std::string_view english) {
    return textLanguage() == Language::Japanese ? japanese : english;
}

}  // namespace brevino
