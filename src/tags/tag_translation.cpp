// Choosing the catalog of a language.
#include "tags/tag_translation.h"

#include <map>
#include <tuple>
#include <unordered_map>

#include "tags/lang/catalogs.h"
#include "tags/tag_dictionary.h"

namespace brevino {
namespace {

// One line a language.
constexpr const TagCatalog* kCatalogs[] = {
    &kEnglishTags,
};

constexpr std::string_view kTablesOpen = "【", kTablesClose = "】";
constexpr std::string_view kMakerNoteWord = "メーカーノート";

// A catalog's texts by the table entries they translate: only the standard and TIFF tables
// are translated, so a vendor's tag that shares a key with a standard one keeps its own name.
struct CatalogIndex {
    std::unordered_map<const TagDef*, std::string_view> names;
    std::unordered_map<const ValueName*, std::string_view> notes;
    std::unordered_map<std::string_view, std::string_view> headings;
    std::string_view makerNote;  // the catalog's word for the maker note heading
};

CatalogIndex indexOf(const TagCatalog& catalog) {
    std::unordered_map<std::string_view, std::string_view> names;
    for (const NameTranslation& name : catalog.names)
        names.emplace(name.key, name.text);
    std::map<std::tuple<std::string_view, int32_t, int32_t>, std::string_view> notes;
    for (const NoteTranslation& note : catalog.notes)
        notes.emplace(std::tuple{std::string_view(note.key), note.first, note.second}, note.text);
    CatalogIndex index;
    for (const TagTable* table :
         {&kPrimaryTags, &kExifTags, &kInteropTags, &kGpsTags, &kTiffTags}) {
        for (const TagDef& tag : table->tags) {
            if (const auto name = names.find(tag.key); name != names.end())
                index.names.emplace(&tag, name->second);
            for (const ValueName& value : tag.values) {
                const auto note = notes.find({tag.key, value.first, value.second});
                if (note != notes.end()) index.notes.emplace(&value, note->second);
            }
        }
    }
    for (const NameTranslation& heading : catalog.headings) {
        index.headings.emplace(heading.key, heading.text);
        const std::string_view from(heading.key), to(heading.text);
        if (from.find(kMakerNoteWord) != std::string_view::npos && to.size() > 2)
            index.makerNote = to.substr(1, to.size() - 2);
    }
    return index;
}

const CatalogIndex* indexFor(Language language) {
    if (language == Language::Japanese) return nullptr;
    static const CatalogIndex english = indexOf(*tagCatalog(Language::English));
    return &english;
}

}  // namespace

std::string_view displayName(const TagDef& tag) {
    if (const CatalogIndex* index = indexFor(textLanguage())) {
        if (const auto name = index->names.find(&tag); name != index->names.end())
            return name->second;
    }
    return tag.name;
}

bool namesTag(const TagDef& tag, std::string_view text) {
    if (text == tag.key || text == tag.name) return true;
    const CatalogIndex& english = *indexFor(Language::English);
    const auto name = english.names.find(&tag);
    return name != english.names.end() && name->second == text;
}

std::string_view displayNote(const ValueName& value) {
    if (const CatalogIndex* index = indexFor(textLanguage())) {
        if (const auto note = index->notes.find(&value); note != index->notes.end())
            return note->second;
    }
    return value.text;
}

std::string_view headingOpen() {
    return inTextLanguage(kTablesOpen, "[");
}

std::string_view headingClose() {
    return inTextLanguage(kTablesClose, "]");
}

std::string displayHeading(std::string_view heading) {
    const CatalogIndex* index = indexFor(textLanguage());
    if (index == nullptr) return std::string(heading);
    if (const auto known = index->headings.find(heading); known != index->headings.end())
        return std::string(known->second);
    std::string_view inner = heading;
    if (inner.starts_with(kTablesOpen) && inner.ends_with(kTablesClose))
        inner = inner.substr(kTablesOpen.size(),
                             inner.size() - kTablesOpen.size() - kTablesClose.size());
    std::string text(headingOpen());
    if (inner.starts_with(kMakerNoteWord) && !index->makerNote.empty()) {
        text.append(index->makerNote);
        inner.remove_prefix(kMakerNoteWord.size());
    }
    return text.append(inner).append(headingClose());
}

const TagCatalog* tagCatalog(Language language) {
    for (const TagCatalog* catalog : kCatalogs) {
        if (catalog->language == language) return catalog;
    }
    return nullptr;
}

}  // namespace brevino
