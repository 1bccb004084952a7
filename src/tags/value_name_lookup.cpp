// Choosing the note for a row's content text from the tag's value-name table.
#include <cstdint>

#include "tags/leading_number.h"
#include "tags/tag_dictionary.h"

namespace brevino {
namespace {

// The last two space-separated numbers of the text, each at most `width` characters.
bool pairMatches(std::string_view text, size_t width, uint32_t mask, const ValueName& entry) {
    const size_t lastSpace = text.rfind(' ');
    if (lastSpace == std::string_view::npos) return false;
    const size_t previousSpace =
        lastSpace == 0 ? std::string_view::npos : text.rfind(' ', lastSpace - 1);
    const size_t firstStart = previousSpace == std::string_view::npos ? 0 : previousSpace + 1;
    const std::string_view firstText = text.substr(firstStart, lastSpace - firstStart);
    const std::string_view secondText = text.substr(lastSpace + 1);
    if (firstText.size() > width || secondText.size() > width) return false;
    const uint32_t first = leadingNumber(firstText) & mask;
    const uint32_t second = leadingNumber(secondText) & mask;
    return first == static_cast<uint32_t>(entry.first) &&
           second == static_cast<uint32_t>(entry.second);
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
            return pairMatches(content, 3, 0xFF, entry);
        case MatchShortPair:
            return pairMatches(content, 5, 0xFFFF, entry);
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
