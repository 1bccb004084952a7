#include "workspace/clipboard_text.h"

#include <algorithm>

#include "platform/text_encoding.h"
#include "workspace/workspace.h"

namespace brevino {

std::string clipboardCell(std::string_view cell) {
    cell = cell.substr(0, utf8CutLength(cell, kClipboardCellLimit));
    if (cell.find_first_of("\t,\"\r\n") == std::string_view::npos) return std::string(cell);
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string clipboardText(const Workspace& workspace, std::vector<size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::string text;
    for (size_t row : rows) {
        if (row >= workspace.rowCount()) continue;
        if (workspace.isHeading(row)) {
            text += clipboardCell(workspace.cell(row, Column::Offset));
        } else {
            text += clipboardCell(workspace.cell(row, Column::Tag));
            text += '\t';
            text += clipboardCell(workspace.cell(row, Column::Content));
        }
        text += '\n';
    }
    return text;
}

}  // namespace brevino
