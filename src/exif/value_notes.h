// The note of an entry's value: the meaning of a coded value, looked up in its tag's list by
// the decoded numbers, or a reading worked out from the value (an exposure time in seconds,
// an F-number). Never read back from the content's display text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "exif/document.h"

namespace brevino {

// The value as the coded-value tables test it, read from `bytes` (the entry's value bytes, or
// an edit's new bytes) by the entry's type, count and byte order.
CodedValue codedValueOf(const Entry& entry, std::span<const uint8_t> bytes);

// The meaning of the coded value `bytes` holds for the entry named by `tag`; empty for a value
// shown as raw bytes and for a value the tag's list does not name.
std::string_view codedNote(const TagDef& tag, const Entry& entry, std::span<const uint8_t> bytes);

// Appends the reading the tag works out from its value ("1/178 秒", "F4.5"); nothing for a tag
// without one or a value it cannot read (a zero denominator, too few values).
void appendDerivedNote(const TagDef& tag, const Entry& entry, std::span<const uint8_t> bytes,
                       std::string& note);

// The value's bytes as an entry of its type and count holds them: count × the type's size.
uint64_t valueLength(const Entry& entry);

}  // namespace brevino
