// Looking tags up in the dictionaries, and choosing a value's note.
#include "tags/tag_dictionary.h"

#include <algorithm>
#include <cstring>

#include "tags/tag_translation.h"

namespace brevino {

const TagDef* TagTable::find(uint16_t tag) const {
    std::call_once(sortedOnce_, [this] {
        sorted_.reserve(tags.size());
        for (size_t i = 0; i < tags.size(); ++i)
            sorted_.emplace_back(tags[i].tag, static_cast<uint32_t>(i));
        // Stable, so that of two entries with one tag the first still wins.
        std::stable_sort(sorted_.begin(), sorted_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    });
    const auto found =
        std::lower_bound(sorted_.begin(), sorted_.end(), tag,
                         [](const auto& entry, uint16_t wanted) { return entry.first < wanted; });
    if (found == sorted_.end() || found->first != tag)
        return fallback != nullptr ? fallback->find(tag) : nullptr;
    return &tags[found->second];
}

const TagDef* TagTable::findNamed(std::string_view wanted) const {
    for (const TagDef& tag : tags) {
        if (namesTag(tag, wanted)) return &tag;
    }
    return fallback != nullptr ? fallback->findNamed(wanted) : nullptr;
}

const TagTable* standardTable(IfdKind kind) {
    switch (kind) {
        case IfdKind::Zeroth:
        case IfdKind::First:
        case IfdKind::Image:
        case IfdKind::SubImage:
            return &kPrimaryTags;
        case IfdKind::Exif:
            return &kExifTags;
        case IfdKind::Gps:
            return &kGpsTags;
        case IfdKind::Interop:
            return &kInteropTags;
        default:
            return nullptr;
    }
}

std::span<const TagTable* const> standardTables() {
    static const TagTable* const kTables[] = {&kPrimaryTags, &kExifTags, &kInteropTags, &kGpsTags};
    return kTables;
}

bool valueNameMatches(const ValueName& entry, const CodedValue& value) {
    // Numbers compare modulo 2^32, as the tables hold 32-bit codes.
    auto same = [](int64_t number, int32_t code) { return static_cast<int32_t>(number) == code; };
    switch (entry.match) {
        case MatchValue:
            return value.count >= 1 && same(value.leading[0], entry.first);
        case MatchCharacter:
            return value.character == entry.first;
        case MatchLowBit:
            return value.count >= 1 && (value.leading[0] & 1) == entry.first;
        case MatchFirstPair:
            return value.count >= 2 && same(value.leading[0], entry.first) &&
                   same(value.leading[1], entry.second);
        case MatchLastPair:
            return value.count >= 2 && same(value.trailing[0], entry.first) &&
                   same(value.trailing[1], entry.second);
        case MatchBytes:
            return value.count >= 1 && value.character < 0 &&
                   ((value.bytes ^ static_cast<uint32_t>(entry.first)) &
                    static_cast<uint32_t>(entry.second)) == 0;
    }
    return false;
}

const ValueName* lookupValueName(const TagDef& tag, const CodedValue& value) {
    for (const ValueName& entry : tag.values) {
        if (valueNameMatches(entry, value)) return &entry;
    }
    return nullptr;
}

}  // namespace brevino
