// The rows of the analysed file: six text cells each, a selection, and hidden per-row data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tags/tag_dictionary.h"

namespace brevino {

enum class Column : uint8_t { Offset = 0, Type, Count, Tag, Content, Note };
inline constexpr int kColumnCount = 6;

// What the analysis knew about an entry row; the cells are made from it.
struct EntryFacts {
    uint16_t tagId = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint64_t position = 0;     // file offset of the value's bytes
    bool valueInside = false;  // the value lies wholly inside the TIFF area
    IfdKind ifd = IfdKind::None;
};

class TagList {
  public:
    size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    void clear();

    void appendHeading(std::string_view title);
    void appendEntry(const EntryFacts& facts, std::string_view tag, std::string_view content,
                     std::string_view note);

    std::string_view cell(size_t row, Column column) const;
    bool isHeading(size_t row) const { return rows_[row].heading; }
    const EntryFacts& facts(size_t row) const { return rows_[row].facts; }

    // Replaces the content cell; the text as analysed is kept for contentChanged.
    void setContent(size_t row, std::string_view text);
    // Whether the content cell differs from the text the analysis gave it.
    bool contentChanged(size_t row) const;
    std::string_view analysedContent(size_t row) const;

    bool isSelected(size_t row) const { return rows_[row].selected; }
    void setSelected(size_t row, bool selected) { rows_[row].selected = selected; }
    void clearSelection();
    // Lowest selected row, or -1.
    long firstSelected() const;
    std::vector<size_t> selectedRows() const;

  private:
    struct Row {
        bool heading = false;
        bool selected = false;
        bool edited = false;
        uint8_t offsetLength = 0, typeLength = 0, countLength = 0;
        char offsetText[20] = {};
        char typeText[8] = {};
        char countText[12] = {};
        std::string_view title;  // heading rows
        std::string_view tag;
        std::string_view note;
        uint32_t contentStart = 0;
        uint32_t contentLength = 0;
        uint32_t editIndex = 0;  // into edits_, when edited
        EntryFacts facts;
    };

    std::vector<Row> rows_;
    // Contents set since the analysis; few rows are ever edited, so rows stay plain data.
    std::vector<std::string> edits_;
    // Contents as analysed, back to back, so rows do not each allocate.
    std::string contentArena_;
};

}  // namespace brevino
