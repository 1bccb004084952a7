#include "edit/row_lookup.h"

#include <charconv>
#include <cstdint>

#include "edit/editing.h"
#include "tags/tag_translation.h"

namespace brevino {
namespace {

bool tableNames(const TagTable& table, const RowName& name) {
    return name.number ? table.find(*name.number) != nullptr
                       : table.findNamed(name.name) != nullptr;
}

// Whether the tag names `name`: by its number, its key (letter case counts) or its display
// name in Japanese or English.
bool tagMatches(const Document& document, const Entry& entry, const RowName& name) {
    if (name.number) return entry.tag == *name.number;
    const TagDef* tag = document.tagOf(entry);
    return tag != nullptr && namesTag(*tag, name.name);
}

}  // namespace

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

RowName parseRowName(std::string_view text) {
    RowName name;
    const size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        const IfdKind ifd = ifdKindNamed(text.substr(0, colon));
        if (ifd != IfdKind::None) {
            name.ifd = ifd;
            text.remove_prefix(colon + 1);
        }
    }
    name.number = parseTagNumber(text);
    if (!name.number) name.name = std::string(text);
    return name;
}

bool isKnownRowName(const RowName& name) {
    const IfdKind standard[] = {IfdKind::Zeroth, IfdKind::Exif, IfdKind::Gps, IfdKind::Interop};
    for (IfdKind kind : standard) {
        const bool wanted = name.ifd == IfdKind::None || name.ifd == kind ||
                            (name.ifd == IfdKind::First && kind == IfdKind::Zeroth);
        if (wanted && tableNames(*standardTable(kind), name)) return true;
    }
    if (name.ifd != IfdKind::None && name.ifd != IfdKind::MakerNote) return false;
    for (const MakerNoteFormat* format : makerNoteFormats()) {
        if (tableNames(*format->tags, name)) return true;
    }
    return false;
}

std::optional<StandardTag> standardTagNamed(const RowName& name) {
    const IfdKind standard[] = {IfdKind::Zeroth, IfdKind::Exif, IfdKind::Gps, IfdKind::Interop,
                                IfdKind::First};
    for (const IfdKind kind : standard) {
        if (name.ifd != kind && (name.ifd != IfdKind::None || kind == IfdKind::First)) continue;
        const TagTable& table = *standardTable(kind);
        const TagDef* tag = name.number ? table.find(*name.number) : table.findNamed(name.name);
        if (tag != nullptr) return StandardTag{kind, tag};
    }
    return std::nullopt;
}

RowLookup findRow(const Document& document, const RowList& rows, const RowName& name) {
    RowLookup lookup;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows.isHeading(r)) continue;
        const Entry& entry = document.entries[rows.entryIndex(r)];
        if (name.ifd != IfdKind::None && entry.ifd != name.ifd) continue;
        if (!tagMatches(document, entry, name)) continue;
        if (lookup.first < 0) lookup.first = static_cast<long>(r);
        if (isEditableRow(document, rows, r)) {
            lookup.editable = static_cast<long>(r);
            break;
        }
    }
    return lookup;
}

}  // namespace brevino
