// The rows that show a document: a heading before each IFD and one row of six text cells
// (offset, type, count, tag, content, note) for each entry. An entry no dictionary names
// shows its number ("0xA4FF") as its tag and has no note. The one view of a document that
// the desktop application and the command line share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exif/document.h"

namespace brevino {

enum class Column : uint8_t { Offset = 0, Type, Count, Tag, Content, Note };
inline constexpr int kColumnCount = 6;
// The columns' names, as the table's headings and the printed forms give them.
inline constexpr std::array<std::string_view, kColumnCount> kColumnNames = {
    "offset", "type", "count", "tag", "content", "note"};

// The heading shown before an IFD of this kind ("【0th IFD】", ...).
std::string_view headingText(IfdKind kind);

class RowList {
  public:
    // The rows of the document, cells formatted once.
    void build(const Document& document);
    void clear();

    size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    bool isHeading(size_t row) const { return rows_[row].heading; }
    // The document's entry a row shows; only for entry rows.
    size_t entryIndex(size_t row) const { return rows_[row].entry; }
    // Whether a dictionary names the row's tag; only for entry rows.
    bool isKnown(size_t row) const { return rows_[row].known; }

    // A cell as the analysis gave it (a heading's title is its offset cell).
    std::string_view cell(size_t row, Column column) const;

  private:
    struct Row {
        bool heading = false;
        bool known = true;
        IfdKind ifd = IfdKind::None;
        uint8_t offsetLength = 0, typeLength = 0, countLength = 0;
        char offsetText[20] = {};
        char typeText[8] = {};
        char countText[12] = {};
        char numberText[6] = {};  // the tag cell of an unknown tag
        size_t entry = 0;
        std::string_view tag;
        std::string_view note;  // a dictionary's note
        bool noteInArena = false;
        uint32_t noteStart = 0;  // a worked-out note in the arena
        uint32_t noteLength = 0;
        uint32_t contentStart = 0;
        uint32_t contentLength = 0;
    };

    // Notes worked out from several entries (the GPS position).
    void addPositionNotes(const Document& document);
    void setArenaNote(Row& row, std::string_view note);

    std::vector<Row> rows_;
    // Contents and worked-out notes back to back, so rows do not each allocate.
    std::string contentArena_;
};

}  // namespace brevino
