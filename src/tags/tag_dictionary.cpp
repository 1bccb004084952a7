// Looking tags up in the dictionaries, and choosing a value's note.
#include "tags/tag_dictionary.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "platform/leading_number.h"
#include "tags/vendor_tags.h"

namespace brevino {

extern const std::span<const TagDef> kPrimaryTags;
extern const std::span<const TagDef> kExifTags;
extern const std::span<const TagDef> kInteropTags;
extern const std::span<const TagDef> kGpsTags;

namespace {

// A dictionary's tags in ascending order with their first index, for binary search.
using SortedTags = std::vector<std::pair<uint16_t, size_t>>;

SortedTags sortTags(std::span<const TagDef> tags) {
    SortedTags sorted;
    for (size_t i = 0; i < tags.size(); ++i)
        sorted.emplace_back(tags[i].tag, i);
    // Stable, so that of two entries with one tag the first still wins.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return sorted;
}

const std::array<SortedTags, 6>& sortedDictionaries() {
    static const std::array<SortedTags, 6> sorted = {
        sortTags(kPrimaryTags),         sortTags(kExifTags),
        sortTags(kInteropTags),         sortTags(kGpsTags),
        sortTags(kPentaxMakerNoteTags), sortTags(kSonyMakerNoteTags)};
    return sorted;
}

// Whether two numbers, each at most `width` characters, equal the entry's pair.
bool pairMatches(std::string_view firstText, std::string_view secondText, size_t width,
                 uint32_t mask, const ValueName& entry) {
    if (firstText.size() > width || secondText.size() > width) return false;
    const uint32_t first = leadingNumber(firstText) & mask;
    const uint32_t second = leadingNumber(secondText) & mask;
    return first == static_cast<uint32_t>(entry.first) &&
           second == static_cast<uint32_t>(entry.second);
}

// The last two space-separated numbers of the text.
bool lastPairMatches(std::string_view text, size_t width, uint32_t mask, const ValueName& entry) {
    const size_t lastSpace = text.rfind(' ');
    if (lastSpace == std::string_view::npos) return false;
    const size_t previousSpace =
        lastSpace == 0 ? std::string_view::npos : text.rfind(' ', lastSpace - 1);
    const size_t firstStart = previousSpace == std::string_view::npos ? 0 : previousSpace + 1;
    return pairMatches(text.substr(firstStart, lastSpace - firstStart), text.substr(lastSpace + 1),
                       width, mask, entry);
}

// The first two space-separated numbers of the text.
bool leadingPairMatches(std::string_view text, size_t width, uint32_t mask,
                        const ValueName& entry) {
    const size_t firstSpace = text.find(' ');
    if (firstSpace == std::string_view::npos) return false;
    const size_t secondEnd = std::min(text.find(' ', firstSpace + 1), text.size());
    return pairMatches(text.substr(0, firstSpace),
                       text.substr(firstSpace + 1, secondEnd - firstSpace - 1), width, mask, entry);
}

}  // namespace

std::span<const TagDef> dictionaryTags(Dictionary dictionary) {
    switch (dictionary) {
        case Dictionary::Primary:
            return kPrimaryTags;
        case Dictionary::Exif:
            return kExifTags;
        case Dictionary::Interop:
            return kInteropTags;
        case Dictionary::Gps:
            return kGpsTags;
        case Dictionary::Pentax:
            return kPentaxMakerNoteTags;
        case Dictionary::Sony:
            return kSonyMakerNoteTags;
    }
    return {};
}

const TagDef* findTag(Dictionary dictionary, uint16_t tag) {
    const SortedTags& sorted = sortedDictionaries()[static_cast<size_t>(dictionary)];
    auto found =
        std::lower_bound(sorted.begin(), sorted.end(), tag,
                         [](const auto& entry, uint16_t wanted) { return entry.first < wanted; });
    if (found == sorted.end() || found->first != tag) return nullptr;
    return &dictionaryTags(dictionary)[found->second];
}

Dictionary standardDictionary(IfdKind kind) {
    switch (kind) {
        case IfdKind::Exif:
            return Dictionary::Exif;
        case IfdKind::Gps:
            return Dictionary::Gps;
        case IfdKind::Interop:
            return Dictionary::Interop;
        default:
            return Dictionary::Primary;
    }
}

bool valueNameMatches(const ValueName& entry, std::string_view content) {
    const int c = content.empty() ? 0 : static_cast<uint8_t>(content[0]);
    switch (static_cast<uint8_t>(entry.kind)) {
        case MatchDigit:
            return c - 48 == entry.first;
        case MatchNumber:
        case MatchNumberAlt:
            return leadingSignedNumber(content) == entry.first;
        case MatchCharCode:
            return c == entry.first;
        case MatchDigitBit:
            return ((c - 48) & 1) == entry.first;
        case MatchBytePair:
            return lastPairMatches(content, 3, 0xFF, entry);
        case MatchShortPair:
            return lastPairMatches(content, 5, 0xFFFF, entry);
        case MatchLeadingBytePair:
            return leadingPairMatches(content, 3, 0xFF, entry);
        case MatchNumberBit:
            return !content.empty() &&
                   (leadingNumber(content) & 1) == static_cast<uint32_t>(entry.first);
        default:
            return false;
    }
}

std::string_view lookupValueName(const TagDef& tag, std::string_view content) {
    for (const ValueName& entry : tag.values) {
        if (valueNameMatches(entry, content)) return entry.text;
    }
    return {};
}

}  // namespace brevino
