// Choosing the note for a row's content text from the tag's value-name table.
#include <algorithm>
#include <cstdint>

#include "tags/leading_number.h"
#include "tags/tag_dictionary.h"

namespace brevino {
namespace {

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

const std::string_view DateTagNames[3] = {"原画像データの生成日時", "ディジタルデータの作成日時",
                                          "ファイル変更日時"};

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
        default:
            return false;
    }
}

std::string_view lookupValueName(const TagDef* dictionary, int index, std::string_view content) {
    const ValueName* table = dictionary[index].values;
    if (table == nullptr) return {};
    for (; table->text[0] != '\0'; ++table) {
        if (valueNameMatches(*table, content)) return table->text;
    }
    return {};
}

int valueTableSize(const ValueName* table) {
    int size = 0;
    while (table[size].text[0] != '\0')
        ++size;
    return size;
}

}  // namespace brevino
