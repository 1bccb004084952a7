// Finding the row a name stands for: a tag's key ("Make"), display name or number, optionally
// after the IFD that holds it ("1st:0x011A", "gps:GPSLatitudeRef", "interop:互換性識別子").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "exif/row_list.h"

namespace brevino {

// A tag number written as "0x010E" (hexadecimal, either case) or "270"; nothing otherwise.
std::optional<uint16_t> parseTagNumber(std::string_view text);

struct RowName {
    IfdKind ifd = IfdKind::None;     // None: any IFD
    std::optional<uint16_t> number;  // the tag by number,
    std::string name;                // or by key or display name
};

// Splits off an IFD prefix ("0th", "exif", "gps", "interop", "1st", "makernote" and ":").
RowName parseRowName(std::string_view text);

// Whether some dictionary (of the named IFD, when one is given) names the tag.
bool isKnownRowName(const RowName& name);

// The standard tag the name stands for, with the IFD it belongs in (the named one, or the
// first standard IFD whose table has it: 0th, Exif, GPS, Interop); nothing for another name.
struct StandardTag {
    IfdKind ifd = IfdKind::None;
    const TagDef* tag = nullptr;
};
std::optional<StandardTag> standardTagNamed(const RowName& name);

struct RowLookup {
    long editable = -1;  // the first editable row that matches, in walk order
    long first = -1;     // the first row that matches, editable or not
    bool exists() const { return first >= 0; }
};

// The rows whose tag has the name as its key or display name, or the number, in the named IFD.
RowLookup findRow(const Document& document, const RowList& rows, const RowName& name);

}  // namespace brevino
