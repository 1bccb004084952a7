// Tag dictionaries: constant tables that name IFD entries and their coded values.
#pragma once

#include <cstdint>
#include <string_view>

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
};

// One coded value and its note. A table ends at the first entry whose text is empty.
struct ValueName {
    int32_t kind;
    int32_t first;
    int32_t second;
    const char* text;
};

// One named tag. A dictionary ends at the first entry whose name is empty.
struct TagDef {
    uint16_t tag;
    const char* name;
    const ValueName* values;  // nullptr when the tag has no notes
};

inline constexpr uint16_t kSeparatorTag = 0xFFFF;

// Which kind of IFD is about to be walked; chooses the dictionary.
enum class IfdKind : uint8_t { None, Zeroth, Exif, Gps, Interop, First, MakerNote };

// The short name of an IFD kind ("0th", "exif", "gps", "interop", "1st", "makernote"), as the
// command line and JSON output write it; empty for None.
std::string_view ifdName(IfdKind kind);
// The kind a short name stands for (letter case ignored), or None.
IfdKind ifdKindNamed(std::string_view name);

// The four standard dictionaries back to back: primary, Exif, interoperability, GPS,
// each closed by a separator entry, the whole closed by an end entry.
extern const TagDef StandardTagTable[];
inline constexpr int kStandardTagTableSize = 109;

// Start index of each standard dictionary in StandardTagTable, in the order
// primary, Exif, interoperability, GPS. Filled by computeDictionaryStarts.
extern int DictionaryStarts[4];

void computeDictionaryStarts();

// The dictionary to use for an IFD of the given standard kind.
const TagDef* standardDictionary(IfdKind kind);

// Index of the tag in the dictionary, or -1. Stops at the first entry with an empty name.
int lookupTag(const TagDef* dictionary, uint16_t tag);

// Note for the content text of the entry at `index` of the dictionary; empty when none.
std::string_view lookupValueName(const TagDef* dictionary, int index, std::string_view content);

// Whether one value-name entry matches the content text.
bool valueNameMatches(const ValueName& entry, std::string_view content);

// The three date-tag display names, in the order original, digitized, file change.
extern const std::string_view DateTagNames[3];

// Number of entries before the closing entry of a table.
int valueTableSize(const ValueName* table);
int dictionarySize(const TagDef* dictionary);

}  // namespace brevino
