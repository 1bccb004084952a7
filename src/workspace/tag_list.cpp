#include "workspace/tag_list.h"

#include <charconv>

namespace brevino {
namespace {

// "0x" and at least eight upper-case hexadecimal digits; answers the length.
size_t formatOffset(uint64_t position, char* out) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    int digits = 8;
    while (digits < 16 && (position >> (4 * digits)) != 0)
        ++digits;
    out[0] = '0';
    out[1] = 'x';
    for (int i = 0; i < digits; ++i)
        out[2 + i] = kDigits[(position >> (4 * (digits - 1 - i))) & 0xF];
    return static_cast<size_t>(2 + digits);
}

}  // namespace

void TagList::clear() {
    rows_.clear();
    edits_.clear();
    contentArena_.clear();
}

void TagList::appendHeading(std::string_view title) {
    Row& row = rows_.emplace_back();
    row.heading = true;
    row.title = title;
}

void TagList::appendEntry(const EntryFacts& facts, std::string_view tag, std::string_view content,
                          std::string_view note) {
    Row& row = rows_.emplace_back();
    row.facts = facts;
    row.offsetLength = static_cast<uint8_t>(formatOffset(facts.position, row.offsetText));
    row.typeLength = static_cast<uint8_t>(
        std::to_chars(row.typeText, row.typeText + sizeof row.typeText, facts.type).ptr -
        row.typeText);
    // The count prints as a signed number, as the cell has always shown it.
    row.countLength =
        static_cast<uint8_t>(std::to_chars(row.countText, row.countText + sizeof row.countText,
                                           static_cast<int32_t>(facts.count))
                                 .ptr -
                             row.countText);
    row.tag = tag;
    row.note = note;
    row.contentStart = static_cast<uint32_t>(contentArena_.size());
    row.contentLength = static_cast<uint32_t>(content.size());
    contentArena_.append(content);
}

std::string_view TagList::analysedContent(size_t index) const {
    const Row& row = rows_[index];
    return std::string_view(contentArena_).substr(row.contentStart, row.contentLength);
}

std::string_view TagList::cell(size_t index, Column column) const {
    const Row& row = rows_[index];
    if (row.heading) return column == Column::Offset ? row.title : std::string_view();
    switch (column) {
        case Column::Offset:
            return {row.offsetText, row.offsetLength};
        case Column::Type:
            return {row.typeText, row.typeLength};
        case Column::Count:
            return {row.countText, row.countLength};
        case Column::Tag:
            return row.tag;
        case Column::Content:
            return row.edited ? std::string_view(edits_[row.editIndex]) : analysedContent(index);
        case Column::Note:
            return row.note;
    }
    return {};
}

void TagList::setContent(size_t index, std::string_view text) {
    Row& row = rows_[index];
    if (!row.edited) {
        row.editIndex = static_cast<uint32_t>(edits_.size());
        edits_.emplace_back();
        row.edited = true;
    }
    edits_[row.editIndex].assign(text);
}

bool TagList::contentChanged(size_t index) const {
    const Row& row = rows_[index];
    return row.edited && edits_[row.editIndex] != analysedContent(index);
}

void TagList::clearSelection() {
    for (Row& row : rows_)
        row.selected = false;
}

long TagList::firstSelected() const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].selected) return static_cast<long>(i);
    }
    return -1;
}

std::vector<size_t> TagList::selectedRows() const {
    std::vector<size_t> result;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].selected) result.push_back(i);
    }
    return result;
}

}  // namespace brevino
