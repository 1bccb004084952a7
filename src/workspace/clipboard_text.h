// The text that the copy command puts on the clipboard for the selected rows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brevino {

class Workspace;

// Each cell is copied with at most this many bytes.
inline constexpr size_t kClipboardCellLimit = 255;

// One cell as a tab-separated line holds it: cut to kClipboardCellLimit bytes at a whole
// UTF-8 character, then put in double quotes (its own quotes doubled) when it holds a tab, a
// comma, a double quote or a line break, so that spreadsheets read it back as one cell.
std::string clipboardCell(std::string_view cell);

// For every row given, in list order, a line: the tag and the content separated by a tab, or
// a heading row's heading text alone. Empty when no row is given.
std::string clipboardText(const Workspace& workspace, std::vector<size_t> rows);

}  // namespace brevino
