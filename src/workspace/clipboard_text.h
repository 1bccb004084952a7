// The text that the copy command puts on the clipboard for the selected rows.
#pragma once

#include <cstddef>
#include <string>

namespace brevino {

class TagList;

// Each cell is copied with at most this many bytes.
inline constexpr size_t kClipboardCellLimit = 255;

// "tag,content" and a line feed for every selected row, in list order; each cell is cut to
// kClipboardCellLimit bytes at a whole UTF-8 character. Empty when no row is selected.
std::string clipboardText(const TagList& rows);

}  // namespace brevino
