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
    {0, ValueKind::None, false},           // SBYTE
    {0, ValueKind::Undefined, false},      // UNDEFINED
    {0, ValueKind::None, false},           // SSHORT
    {4, ValueKind::Signed, true},          // SLONG
    {8, ValueKind::SignedRational, true},  // SRATIONAL
    {0, ValueKind::None, false},           // FLOAT
    {0, ValueKind::None, false},           // DOUBLE
};

constexpr TiffTypeInfo kUnknown = {0, ValueKind::None, false};

}  // namespace

const TiffTypeInfo& tiffType(uint16_t type) {
    return type < std::size(kTypes) ? kTypes[type] : kUnknown;
}

}  // namespace brevino
