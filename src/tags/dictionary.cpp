// Finding the standard dictionaries in their shared table and looking tags up in them.
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "tags/maker_note_dictionaries.h"
#include "tags/tag_dictionary.h"

namespace brevino {

int DictionaryStarts[4] = {0, 33, 77, 80};

void computeDictionaryStarts() {
    int slot = 0;
    int runStart = 0;
    for (int i = 0;; ++i) {
        const TagDef& entry = StandardTagTable[i];
        const bool unnamed = entry.name[0] == '\0';
        if (unnamed && entry.tag == 0) break;
        if (unnamed) {
            if (slot < 4) DictionaryStarts[slot++] = runStart;
            runStart = i + 1;
        }
    }
}

const TagDef* standardDictionary(IfdKind kind) {
    switch (kind) {
        case IfdKind::Exif:
            return StandardTagTable + DictionaryStarts[1];
        case IfdKind::Gps:
            return StandardTagTable + DictionaryStarts[3];
        case IfdKind::Interop:
            return StandardTagTable + DictionaryStarts[2];
        case IfdKind::First:
            return StandardTagTable;
        default:
            return StandardTagTable + DictionaryStarts[0];
    }
}

namespace {

constexpr std::pair<IfdKind, std::string_view> kIfdNames[] = {
    {IfdKind::Zeroth, "0th"},      {IfdKind::Exif, "exif"}, {IfdKind::Gps, "gps"},
    {IfdKind::Interop, "interop"}, {IfdKind::First, "1st"}, {IfdKind::MakerNote, "makernote"}};

}  // namespace

std::string_view ifdName(IfdKind kind) {
    for (const auto& [each, name] : kIfdNames) {
        if (each == kind) return name;
    }
    return {};
}

IfdKind ifdKindNamed(std::string_view name) {
    for (const auto& [kind, each] : kIfdNames) {
        if (std::equal(name.begin(), name.end(), each.begin(), each.end(),
                       [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; }))
            return kind;
    }
    return IfdKind::None;
}

namespace {

// A dictionary's tags in ascending order with their first index, for binary search.
struct SortedDictionary {
    const TagDef* dictionary = nullptr;
    std::vector<std::pair<uint16_t, int>> tags;
};

SortedDictionary sortDictionary(const TagDef* dictionary) {
    SortedDictionary sorted{dictionary, {}};
    for (int i = 0; dictionary[i].name[0] != '\0'; ++i)
        sorted.tags.emplace_back(dictionary[i].tag, i);
    // Stable, so that of two entries with one tag the first still wins.
    std::stable_sort(sorted.tags.begin(), sorted.tags.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return sorted;
}

// The dictionaries that rows are looked up in, sorted once.
const std::array<SortedDictionary, 6>& sortedDictionaries() {
    static const std::array<SortedDictionary, 6> sorted = {
        sortDictionary(StandardTagTable + 0),      sortDictionary(StandardTagTable + 33),
        sortDictionary(StandardTagTable + 77),     sortDictionary(StandardTagTable + 80),
        sortDictionary(PentaxMakerNoteDictionary), sortDictionary(SonyMakerNoteDictionary)};
    return sorted;
}

}  // namespace

int lookupTag(const TagDef* dictionary, uint16_t tag) {
    for (const SortedDictionary& sorted : sortedDictionaries()) {
        if (sorted.dictionary != dictionary) continue;
        auto found = std::lower_bound(
            sorted.tags.begin(), sorted.tags.end(), tag,
            [](const auto& entry, uint16_t wanted) { return entry.first < wanted; });
        return found != sorted.tags.end() && found->first == tag ? found->second : -1;
    }
    for (int i = 0; dictionary[i].name[0] != '\0'; ++i) {
        if (dictionary[i].tag == tag) return i;
    }
    return -1;
}

int dictionarySize(const TagDef* dictionary) {
    int size = 0;
    while (dictionary[size].name[0] != '\0')
        ++size;
    return size;
}

}  // namespace brevino
