// The journal of an operation as text: one line per fact, paths kept byte for byte, value
// bytes in hexadecimal. Read back strictly: anything cut short or malformed is refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "journal/change.h"

namespace brevino {

std::string formatJournal(const Operation& operation);
// The operation a journal holds; with `headOnly` its head alone (number, kind, title, time,
// target) and as many empty file records as it names, read up to its first file.
std::optional<Operation> parseJournal(std::string_view text, bool headOnly = false);

}  // namespace brevino
