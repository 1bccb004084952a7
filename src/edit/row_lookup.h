// Finding the row a name stands for: a tag's display name, or its number.
#pragma once

#include <optional>
#include <string_view>

namespace brevino {

class Workspace;

struct RowLookup {
    long editable = -1;   // the first editable row that matches, in walk order
    bool exists = false;  // some row matches, editable or not
};

// A tag number written as "0x010E" (hexadecimal, either case) or "270"; nothing otherwise.
std::optional<uint16_t> parseTagNumber(std::string_view text);

// Rows whose tag cell is `name`, or whose tag number is `name` when it is a number.
RowLookup findRowByTagName(const Workspace& workspace, std::string_view name);

}  // namespace brevino
