// Tag dictionaries: constant tables that name IFD entries, say how each is written and give
// the meaning of coded values, looked up by table and tag number.
#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "tags/ifd.h"
#include "tags/tiff_type.h"

namespace brevino {

// How a coded value is compared with an entry's decoded value.
enum MatchKind : uint8_t {
    MatchValue,      // the first value equals `first` (a rational's numerator, a text's number)
    MatchCharacter,  // the first character of a text has the code `first`
    MatchLowBit,     // the lowest bit of the first value equals `first`: bit flags
    MatchFirstPair,  // the first two values equal (first, second): codes that newer cameras
                     // follow with further values (the Pentax lens type)
    MatchLastPair,   // the last two values equal (first, second)
    MatchBytes,      // the first four values, each as a byte, packed with the first one in the
                     // top byte, equal `first` in the bytes that `second` keeps: 0xFF00FFFF
                     // compares all but the second value (the Olympus lens type)
};

// One coded value and its note.
struct ValueName {
    MatchKind match;
    int32_t first;
    int32_t second;
    const char* text;
};

// Notes worked out from the value itself rather than looked up.
enum class DerivedNote : uint8_t {
    None,
    ExposureTime,  // "1/178 秒"
    FNumber,       // "F4.5"
    ShutterApex,   // "1/250 秒 (APEX 7.97)"
    ApertureApex,  // "F5.6 (APEX 4.97)"
    FocalLength,   // "34 mm"
    ExposureBias,  // "−0.7 EV"
    LensRange,     // "18-55mm f/3.5-5.6" from four rationals
    Text,          // bytes that hold printable text up to a zero byte ("0130"), as that text
};

struct TagTable;

// One named tag.
struct TagDef {
    uint16_t tag = 0;
    const char* key = "";   // stable English key ("Make", "DateTimeOriginal")
    const char* name = "";  // display name
    TypeSet types = 0;      // the types it is written with; 0 where the tables do not say
    uint32_t count = 0;     // how many values it holds; 0: any number
    std::span<const ValueName> values;  // empty when the tag has no notes
    DerivedNote derived = DerivedNote::None;
    const TagTable* subIfd = nullptr;  // the value points to an IFD named by this table
    // The values are fields named by this table, by index. A field whose `types` are given
    // is read as `count` values (one when 0) of the first of those types from the value's
    // byte at its index times the array's value size: a name of 20 characters inside a block
    // of bytes.
    const TagTable* fields = nullptr;

    // A standard tag: key, display name, types and count.
    constexpr TagDef(uint16_t tag, const char* key, const char* name, TypeSet types, uint32_t count,
                     std::span<const ValueName> values = {},
                     DerivedNote derived = DerivedNote::None)
        : tag(tag),
          key(key),
          name(name),
          types(types),
          count(count),
          values(values),
          derived(derived) {}
    // A vendor's tag, whose English name is its key and its display name.
    constexpr TagDef(uint16_t tag, const char* key, std::span<const ValueName> values = {})
        : tag(tag), key(key), name(key), values(values) {}

    constexpr TagDef withSubIfd(const TagTable& table) const {
        TagDef copy = *this;
        copy.subIfd = &table;
        return copy;
    }
    constexpr TagDef withFields(const TagTable& table) const {
        TagDef copy = *this;
        copy.fields = &table;
        return copy;
    }
    constexpr TagDef withTypes(TypeSet written, uint32_t written_count) const {
        TagDef copy = *this;
        copy.types = written;
        copy.count = written_count;
        return copy;
    }
    constexpr TagDef withDerived(DerivedNote note) const {
        TagDef copy = *this;
        copy.derived = note;
        return copy;
    }
};

// A dictionary: the tags of one kind of IFD (or the fields of one array), in table order.
struct TagTable {
    std::string_view name;  // "0th", "Exif", "Pentax", ...
    std::span<const TagDef> tags;
    // The heading of an IFD this table names when it is not one of the standard ones (a
    // maker note's sub-IFD: "【メーカーノート Equipment】"); empty: the IFD kind's heading.
    std::string_view heading;
    // For the fields of an array whose layout changed between versions: the bytes the array
    // begins with when these names apply (empty: any), and the table of the next version to
    // try when it does not. An array no version matches shows no fields.
    std::string_view version;
    const TagTable* otherVersion = nullptr;
    // For a maker note's sub-IFD: its entries that hold where other data lies (a preview's
    // start and length), shown and never edited.
    std::span<const uint16_t> structural;
    // The table that names what this one does not (the TIFF and raw-file tags of the primary
    // IFDs); nullptr for none.
    const TagTable* fallback = nullptr;

    constexpr TagTable(std::string_view name, std::span<const TagDef> tags,
                       std::string_view heading = {}, std::string_view version = {},
                       const TagTable* otherVersion = nullptr,
                       std::span<const uint16_t> structural = {},
                       const TagTable* fallback = nullptr)
        : name(name),
          tags(tags),
          heading(heading),
          version(version),
          otherVersion(otherVersion),
          structural(structural),
          fallback(fallback) {}
    TagTable(const TagTable&) = delete;
    TagTable& operator=(const TagTable&) = delete;

    // The first entry, in table order, that names the tag, else the fallback's; nullptr if
    // none.
    const TagDef* find(uint16_t tag) const;
    // The entry whose key or display name is `name` (keys compared exactly), else the
    // fallback's; nullptr if none.
    const TagDef* findNamed(std::string_view name) const;

  private:
    // The tags in ascending order with their first index, made at the first lookup.
    mutable std::once_flag sortedOnce_;
    mutable std::vector<std::pair<uint16_t, uint32_t>> sorted_;
};

// The standard dictionaries.
extern const TagTable kPrimaryTags;  // the 0th and 1st IFDs; falls back to kTiffTags
extern const TagTable kExifTags;
extern const TagTable kInteropTags;
extern const TagTable kGpsTags;
// The TIFF and raw-file (DNG) tags of image IFDs that the primary dictionary does not hold.
extern const TagTable kTiffTags;

// The meanings of the light source codes: the Exif light source and the calibration
// illuminants of raw files.
extern const ValueName kLightSourceNames[22];

// The dictionary that names the entries of a standard IFD (the 1st IFD uses the primary one);
// nullptr for other kinds.
const TagTable* standardTable(IfdKind kind);

// The standard dictionaries in the order the batch dialog lists their names.
std::span<const TagTable* const> standardTables();

// A decoded value as the coded-value tables test it.
struct CodedValue {
    size_t count = 0;          // how many values it holds; a text counts as one
    int64_t leading[2] = {};   // the first two values (a rational's numerator, a text's number)
    int64_t trailing[2] = {};  // the last two values
    int character = -1;        // a text's first byte (0 for an empty text); -1 for no text
    uint32_t bytes = 0;        // the low bytes of the first four values, the first in the top byte
};

// The first value-name entry of the tag that matches the value; nullptr when none.
const ValueName* lookupValueName(const TagDef& tag, const CodedValue& value);

// Whether one value-name entry matches the value.
bool valueNameMatches(const ValueName& entry, const CodedValue& value);

}  // namespace brevino
