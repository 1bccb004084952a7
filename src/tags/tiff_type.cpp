#include "tags/tiff_type.h"

#include <iterator>

namespace brevino {
namespace {

// Indexed by type number.
constexpr TiffTypeInfo kTypes[] = {
    {0, ValueKind::None, false},           // 0: no type
    {1, ValueKind::Unsigned, true},        // BYTE
    {1, ValueKind::Text, true},            // ASCII
    {2, ValueKind::Unsigned, true},        // SHORT
    {4, ValueKind::Unsigned, true},        // LONG
    {8, ValueKind::Rational, true},        // RATIONAL
    {1, ValueKind::Signed, false},         // SBYTE
    {1, ValueKind::Undefined, false},      // UNDEFINED
    {2, ValueKind::Signed, false},         // SSHORT
    {4, ValueKind::Signed, true},          // SLONG
    {8, ValueKind::SignedRational, true},  // SRATIONAL
    {4, ValueKind::Float, false},          // FLOAT
    {8, ValueKind::Float, false},          // DOUBLE
    {4, ValueKind::Unsigned, false},       // IFD
};

// Text written as UTF-8 is edited like ASCII: the input is UTF-8 already.
constexpr TiffTypeInfo kUtf8 = {1, ValueKind::Text, true};
constexpr TiffTypeInfo kUnknown = {0, ValueKind::None, false};

}  // namespace

const TiffTypeInfo& tiffType(uint16_t type) {
    if (type < std::size(kTypes)) return kTypes[type];
    return type == static_cast<uint16_t>(TiffType::Utf8) ? kUtf8 : kUnknown;
}

bool isTypeIn(TypeSet types, uint16_t type) {
    if (type == static_cast<uint16_t>(TiffType::Utf8))
        return (types & typeBit(TiffType::Utf8)) != 0;
    return type > 0 && type <= static_cast<uint16_t>(TiffType::Ifd) && ((types >> type) & 1) != 0;
}

TiffType preferredType(TypeSet types) {
    for (unsigned type = 1; type <= static_cast<unsigned>(TiffType::Ifd); ++type) {
        if ((types >> type) & 1) return static_cast<TiffType>(type);
    }
    return (types & typeBit(TiffType::Utf8)) ? TiffType::Utf8 : TiffType::Undefined;
}

}  // namespace brevino
