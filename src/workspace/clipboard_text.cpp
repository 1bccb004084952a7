#include "workspace/clipboard_text.h"

#include <algorithm>

#include "platform/text_encoding.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

void appendCut(std::string& text, std::string_view cell) {
    text.append(cell.substr(0, utf8CutLength(cell, kClipboardCellLimit)));
}

}  // namespace

std::string clipboardText(const Workspace& workspace, std::vector<size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::string text;
    for (size_t row : rows) {
        if (row >= workspace.rowCount()) continue;
        appendCut(text, workspace.cell(row, Column::Tag));
        text += ',';
        appendCut(text, workspace.cell(row, Column::Content));
        text += '\n';
    }
    return text;
}

}  // namespace brevino
