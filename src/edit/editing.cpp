#include "edit/editing.h"

#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

// Records the value as the row's edit, or forgets the edit when the value is what the
// analysis showed.
void record(const RowList& rows, Edits& edits, size_t row, EncodedValue value) {
    const size_t entry = rows.entryIndex(row);
    if (value.text == rows.cell(row, Column::Content)) {
        edits.erase(entry);
    } else {
        edits.set(entry, std::move(value));
    }
}

}  // namespace

Problem whyNotEditable(const Document& document, const RowList& rows, size_t row) {
    if (row >= rows.size() || rows.isHeading(row)) return Problem::NotEditableHeading;
    const Entry& entry = document.entries[rows.entryIndex(row)];
    const TagDef* tag = document.tagOf(entry);
    if (tag == nullptr) return Problem::NotEditableUnknownTag;
    if (!tiffType(entry.type).editable) return Problem::NotEditableType;
    if (tags::isWindowsText(entry.ifd, entry.tag)) return Problem::NotEditableUtf16;
    if (!entry.valueInside) return Problem::NotEditableOutside;
    if (document.isCompressed()) return Problem::NotEditableCompressed;
    if (entry.overlaps) return Problem::NotEditableOverlap;
    if (tags::isStructural(entry.ifd, entry.tag) || tag->subIfd != nullptr ||
        (entry.ifd == IfdKind::MakerNote && document.makerNote != nullptr &&
         entry.field == Entry::kNoField &&
         isStructuralMakerNoteTag(*document.makerNote, entry.table, entry.tag)))
        return Problem::NotEditableStructure;
    if (tag->fields != nullptr && entry.field == Entry::kNoField) return Problem::NotEditableFields;
    return Problem::None;
}

std::string_view contentOf(const RowList& rows, const Edits& edits, size_t row) {
    if (!rows.isHeading(row)) {
        if (const EncodedValue* edited = edits.find(rows.entryIndex(row))) return edited->text;
    }
    return rows.cell(row, Column::Content);
}

EditResult applyEdit(const Document& document, const RowList& rows, Edits& edits, size_t row,
                     std::string_view input, const EditOptions& options) {
    EditResult result;
    if (!isEditableRow(document, rows, row)) {
        result.problem = Problem::NotEditable;
        return result;
    }
    if (input == contentOf(rows, edits, row)) return result;
    const Entry& entry = document.entries[rows.entryIndex(row)];
    InputResult encoded = encodeInput(entry, input, options.longText);
    if (encoded.problem != Problem::None) {
        result.problem = encoded.problem;
        result.limit = encoded.limit;
        result.detail = std::move(encoded.detail);
        return result;
    }
    if (options.allDate && tags::isDate(entry.ifd, entry.tag)) {
        setAllDateRows(document, rows, edits, encoded.value.text);
    } else {
        record(rows, edits, row, std::move(encoded.value));
    }
    return result;
}

void setAllDateRows(const Document& document, const RowList& rows, Edits& edits,
                    std::string_view text) {
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows.isHeading(r) || !isEditableRow(document, rows, r)) continue;
        const Entry& entry = document.entries[rows.entryIndex(r)];
        if (!tags::isDate(entry.ifd, entry.tag) || !entry.is(TiffType::Ascii)) continue;
        // A row that shows the text already keeps its bytes, even when its field is too
        // short to hold the text with a zero byte.
        if (text == rows.cell(r, Column::Content)) {
            edits.erase(rows.entryIndex(r));
            continue;
        }
        InputResult encoded = encodeInput(entry, text, LongText::Cut);
        // The unknown date fits every date row; a text that is no date is not spread.
        if (encoded.problem == Problem::None) record(rows, edits, r, std::move(encoded.value));
    }
}

}  // namespace brevino
