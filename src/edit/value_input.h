// A typed text turned into an entry's value: checked under the rules of the entry's type and
// count, normalised, and encoded in the entry's own byte order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exif/document.h"

namespace brevino {

// A value ready to be written: its text as the content cell shows it and its bytes.
struct EncodedValue {
    std::string text;
    std::vector<uint8_t> bytes;  // count × the type's size
};

// What happens to an ASCII text longer than its field (count - 1 bytes).
enum class LongText { Cut, Refuse };

struct InputResult {
    Problem problem = Problem::None;  // None: accepted
    size_t limit = 0;                 // for TooLong: the field's length in bytes
    std::string detail;  // what the message adds: that length (TooLong), the range (OutOfRange)
    EncodedValue value;
};

// The most bytes a typed text may have in the entry's field (its count less the closing zero
// byte; a 19-byte date field takes a whole date); 0 for a type that is no text.
size_t textLimit(const Entry& entry);

// The range a value of the entry's numeric type (each part of a rational) must lie in, as
// "0〜65535"; empty for a type that is no number.
std::string valueRange(const Entry& entry);

// The value `input` gives the entry. Numbers are plain decimals (with a minus sign only
// where it can stand) within their type's range, a count of them separated by spaces;
// rationals hold "/" and a denominator that is not 0 (but for 0/0, Exif's "unknown"). A date
// entry takes only a real date and time or Exif's unknown date. ASCII is cut at a whole
// character to its field, or refused when `longText` says so.
InputResult encodeInput(const Entry& entry, std::string_view input, LongText longText);

// The values of a text: separated by spaces only (a run of spaces counts as one); a text
// without any value counts as one value, the whole text.
std::vector<std::string_view> splitValues(std::string_view text);

}  // namespace brevino
