// The text that the copy command puts on the clipboard for the selected rows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brevino {

class Workspace;

// Each cell is copied with at most this many bytes.
inline constexpr size_t kClipboardCellLimit = 255;

// "tag,content" and a line feed for every row given, in list order; each cell is cut to
// kClipboardCellLimit bytes at a whole UTF-8 character. Empty when no row is given.
std::string clipboardText(const Workspace& workspace, std::vector<size_t> rows);

}  // namespace brevino
