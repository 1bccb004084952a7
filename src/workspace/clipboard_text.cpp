#include "workspace/clipboard_text.h"

#include "platform/text_encoding.h"
#include "workspace/tag_list.h"

namespace brevino {
namespace {

void appendCut(std::string& text, std::string_view cell) {
    text.append(cell.substr(0, utf8CutLength(cell, kClipboardCellLimit)));
}

}  // namespace

std::string clipboardText(const TagList& rows) {
    std::string text;
    for (size_t row : rows.selectedRows()) {
        appendCut(text, rows.cell(row, Column::Tag));
        text += ',';
        appendCut(text, rows.cell(row, Column::Content));
        text += '\n';
    }
    return text;
}

}  // namespace brevino
