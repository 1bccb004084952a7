// Tag names and notes in another language than the tables' own: one catalog a language, each
// a file under tags/lang/ and a line in the list of tag_translation.cpp. Names are looked up
// by the tag's key, notes by the key and the coded value they explain.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/language.h"

namespace brevino {

// A tag's display name in the catalog's language.
struct NameTranslation {
    const char* key;   // the tag's key ("DateTimeOriginal")
    const char* text;  // "Date/Time Original"
};

// A coded value's note: the value-name entry of the tag with this key and these numbers.
struct NoteTranslation {
    const char* key;  // the tag's key ("Orientation")
    int32_t first;    // the entry's numbers, as the tag's value list holds them
    int32_t second;
    const char* text;
};

struct TagCatalog {
    Language language;
    std::span<const NameTranslation> names;
    std::span<const NoteTranslation> notes;
    // Headings of the IFDs ("【0th IFD】" stays, "【GPS情報IFD】" becomes "[GPS IFD]"), by the
    // heading the tables give.
    std::span<const NameTranslation> headings;
};

// The catalog of a language; nullptr for the tables' own (Japanese).
const TagCatalog* tagCatalog(Language language);

struct TagDef;
struct ValueName;

// A tag's name in the language of the texts (textLanguage()); the tables' own name where the
// language's catalog has none (vendor tags, whose names are English already).
std::string_view displayName(const TagDef& tag);
// Whether `text` names the tag: its key (letter case counting), its Japanese name or its name in
// any catalog, whatever the language of the texts.
bool namesTag(const TagDef& tag, std::string_view text);
// A coded value's note in the language of the texts; the table's own where none is given.
std::string_view displayNote(const ValueName& value);
// An IFD's heading in the language of the texts: the catalog's heading, or the tables' own
// with its brackets and the words of the standard headings in that language
// ("【メーカーノート Equipment】" becomes "[Maker note Equipment]").
std::string displayHeading(std::string_view heading);
// The brackets a heading of the language stands in: "【" "】", or "[" "]".
std::string_view headingOpen();
std::string_view headingClose();

}  // namespace brevino
