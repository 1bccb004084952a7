// The TIFF types of IFD entries: how large a value is, how it reads, whether it is edited.
#pragma once

#include <cstdint>

namespace brevino {

enum class TiffType : uint16_t {
    Byte = 1,
    Ascii = 2,
    Short = 3,
    Long = 4,
    Rational = 5,
    SByte = 6,
    Undefined = 7,
    SShort = 8,
    SLong = 9,
    SRational = 10,
    Float = 11,
    Double = 12,
    Ifd = 13,    // an offset to an IFD, read like LONG
    Utf8 = 129,  // UTF-8 text ending in a zero byte
};

// How the values of a type read.
enum class ValueKind : uint8_t {
    None,            // not shown
    Unsigned,        // unsigned integers
    Signed,          // signed integers
    Rational,        // unsigned numerator and denominator
    SignedRational,  // signed numerator and denominator
    Float,           // IEEE 754 binary floating point, 4 or 8 bytes
    Text,            // ASCII (or UTF-8) text
    Undefined,       // bytes whose meaning the tag gives
};

struct TiffTypeInfo {
    uint8_t size;    // bytes per value; 0 for a type number the program does not know
    ValueKind kind;  // how its values read
    bool editable;   // whether rows of this type are edited and written back
};

// The description of a type number; an unknown number has size 0 and is not shown or edited.
const TiffTypeInfo& tiffType(uint16_t type);

// A set of TIFF types, one bit a type (UTF-8 text on the bit after IFD): the types a tag may
// be written with.
using TypeSet = uint16_t;

constexpr TypeSet typeBit(TiffType type) {
    return type == TiffType::Utf8 ? TypeSet{1} << 14
                                  : static_cast<TypeSet>(TypeSet{1} << static_cast<unsigned>(type));
}

constexpr TypeSet operator|(TiffType a, TiffType b) {
    return static_cast<TypeSet>(typeBit(a) | typeBit(b));
}

// Whether the type number is one of the set.
bool isTypeIn(TypeSet types, uint16_t type);

// The first type of the set, the one a new entry is written with; Undefined for an empty set.
TiffType preferredType(TypeSet types);

}  // namespace brevino
