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
};

// How the values of a type read.
enum class ValueKind : uint8_t {
    None,            // not shown
    Unsigned,        // unsigned integers
    Signed,          // signed integers
    Rational,        // unsigned numerator and denominator
    SignedRational,  // signed numerator and denominator
    Text,            // ASCII text
    Undefined,       // bytes whose meaning the tag gives
};

struct TiffTypeInfo {
    uint8_t size;    // bytes per value; 0 for a type the program does not edit or write
    ValueKind kind;  // how its values read
    bool editable;   // whether rows of this type are edited and written back
};

// The description of a type number; a number outside the table is not shown or edited.
const TiffTypeInfo& tiffType(uint16_t type);

}  // namespace brevino
