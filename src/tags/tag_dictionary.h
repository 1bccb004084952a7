// Tag dictionaries: constant tables that name IFD entries and their coded values, looked up
// by dictionary and tag number.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "tags/ifd.h"

namespace brevino {

// How a ValueName entry is compared with a row's content text.
enum MatchKind : int32_t {
    MatchDigit = 1,      // first character minus '0' equals the first value
    MatchNumber = 2,     // leading decimal number equals the first value
    MatchCharCode = 3,   // code of the first character equals the first value
    MatchNumberAlt = 4,  // same test as MatchNumber
    MatchDigitBit = 5,   // (first character minus '0') AND 1 equals the first value
    MatchBytePair = 6,   // last two numbers, 8 bits each, equal (first, second)
    MatchShortPair = 7,  // last two numbers, 16 bits each, equal (first, second)
    // first two numbers, 8 bits each, equal (first, second): for codes that newer cameras
    // follow with further values (the Pentax lens type of three or four values)
    MatchLeadingBytePair = 8,
    MatchNumberBit = 9,  // (leading decimal number AND 1) equals the first value: bit flags
};

// One coded value and its note.
struct ValueName {
    int32_t kind;
    int32_t first;
    int32_t second;
    const char* text;
};

// One named tag.
struct TagDef {
    uint16_t tag;
    const char* name;
    std::span<const ValueName> values;  // empty when the tag has no notes
};

// The dictionaries, in the order the batch dialog lists the standard names.
enum class Dictionary : uint8_t { Primary, Exif, Interop, Gps, Pentax, Sony };

// Every entry of a dictionary, in table order.
std::span<const TagDef> dictionaryTags(Dictionary dictionary);

// The first entry of the dictionary, in table order, that names the tag; nullptr if none.
const TagDef* findTag(Dictionary dictionary, uint16_t tag);

// The dictionary that names the entries of a standard IFD (the 1st IFD uses the primary one).
Dictionary standardDictionary(IfdKind kind);

// The note for a content text: the first value-name entry that matches it; empty when none.
std::string_view lookupValueName(const TagDef& tag, std::string_view content);

// Whether one value-name entry matches the content text.
bool valueNameMatches(const ValueName& entry, std::string_view content);

}  // namespace brevino
