// The journal of an operation as text: one line per fact, paths kept byte for byte, value
// bytes in hexadecimal. Read back strictly: anything cut short or malformed is refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "journal/change.h"

namespace brevino {

std::string formatJournal(const Operation& operation);
std::optional<Operation> parseJournal(std::string_view text);

}  // namespace brevino
