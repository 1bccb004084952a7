// Editing the rows of a document: which rows may be edited, what a row shows after its edit,
// and a typed text applied to a row under the rules of its type and count.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "edit/edits.h"
#include "exif/row_list.h"

namespace brevino {

// The input dialog holds at most this many bytes.
inline constexpr size_t kInputLimit = 255;

// Why a row cannot be edited; None for an editable row: a heading, a tag no dictionary names,
// a type that is not edited, the Windows tags' UTF-16 text, a value outside the Exif segment,
// an entry that holds the file's structure, or an array whose values are edited one by one.
Problem whyNotEditable(const Document& document, const RowList& rows, size_t row);
inline bool isEditableRow(const Document& document, const RowList& rows, size_t row) {
    return whyNotEditable(document, rows, row) == Problem::None;
}

// The row's content as it stands: its edit's text, or the analysed cell.
std::string_view contentOf(const RowList& rows, const Edits& edits, size_t row);

struct EditOptions {
    bool allDate = false;  // a date row's edit sets every date row
    LongText longText = LongText::Cut;
};

struct EditResult {
    Problem problem = Problem::None;  // None: accepted (or nothing to change)
    size_t limit = 0;                 // for TooLong
    std::string detail;               // what the problem's message adds (see InputResult)
};

// Applies a typed text to an editable row. A text equal to the row's content changes nothing
// (not even a value the encoding would write differently: a text that fills its field
// without a zero byte). An edit that gives back the analysed content is dropped.
EditResult applyEdit(const Document& document, const RowList& rows, Edits& edits, size_t row,
                     std::string_view input, const EditOptions& options);

// Sets every date row that can take it to `text` (ASCII, cut to each row's field).
void setAllDateRows(const Document& document, const RowList& rows, Edits& edits,
                    std::string_view text);

}  // namespace brevino
