#include "edit/row_lookup.h"

#include <charconv>
#include <cstdint>

#include "edit/row_editor.h"
#include "workspace/workspace.h"

namespace brevino {

std::optional<uint16_t> parseTagNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty()) return std::nullopt;
    uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFF)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

RowLookup findRowByTagName(const Workspace& workspace, std::string_view name) {
    RowLookup lookup;
    const std::optional<uint16_t> number = parseTagNumber(name);
    const TagList& rows = workspace.tagList;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows.isHeading(r)) continue;
        const bool matches =
            number ? rows.facts(r).tagId == *number : rows.cell(r, Column::Tag) == name;
        if (!matches) continue;
        lookup.exists = true;
        if (isEditableRow(workspace, r)) {
            lookup.editable = static_cast<long>(r);
            break;
        }
    }
    return lookup;
}

}  // namespace brevino
