#include "exif/row_list.h"

#include <charconv>

#include "exif/gps_position.h"
#include "exif/value_notes.h"
#include "exif/value_text.h"
#include "platform/hex_text.h"
#include "platform/language.h"
#include "tags/tag_roles.h"
#include "tags/tag_translation.h"

namespace brevino {
namespace {

// "0x" and at least eight upper-case hexadecimal digits; answers the length.
size_t formatOffset(uint64_t position, char* out) {
    int digits = 8;
    while (digits < 16 && (position >> (4 * digits)) != 0)
        ++digits;
    out[0] = '0';
    out[1] = 'x';
    for (int i = 0; i < digits; ++i)
        out[2 + i] = hexDigit(static_cast<unsigned>(position >> (4 * (digits - 1 - i))));
    return static_cast<size_t>(2 + digits);
}

// "0xA4FF": the tag cell of a tag no dictionary names.
void formatTagNumber(uint16_t tag, char* out) {
    out[0] = '0';
    out[1] = 'x';
    for (int i = 0; i < 4; ++i)
        out[2 + i] = hexDigit(static_cast<unsigned>(tag >> (4 * (3 - i))));
}

template <typename Number>
uint8_t formatNumber(Number value, char* out, size_t room) {
    return static_cast<uint8_t>(std::to_chars(out, out + room, value).ptr - out);
}

}  // namespace

std::string_view headingText(IfdKind kind) {
    switch (kind) {
        case IfdKind::Zeroth:
            return "【0th IFD】";
        case IfdKind::Exif:
            return "【Exif IFD】";
        case IfdKind::Gps:
            return "【GPS情報IFD】";
        case IfdKind::Interop:
            return "【互換性 IFD】";
        case IfdKind::First:
            return "【1st IFD】";
        case IfdKind::MakerNote:
            return "【メーカーノート】";
        case IfdKind::Image:
            return "【IFD】";
        case IfdKind::SubImage:
            return "【SubIFD】";
        case IfdKind::None:
            break;
    }
    return {};
}

void RowList::clear() {
    rows_.clear();
    contentArena_.clear();
}

void RowList::build(const Document& document) {
    clear();
    // Headings in another language than the tables' are made in the arena.
    const bool english = textLanguage() != Language::Japanese;
    size_t section = 0;
    for (size_t e = 0; e <= document.entries.size(); ++e) {
        // Headings stand before the first entry of their IFD (an empty IFD's heading alone).
        while (section < document.sections.size() && document.sections[section].firstEntry == e) {
            const Section& walked = document.sections[section++];
            Row& heading = rows_.emplace_back();
            heading.heading = true;
            heading.ifd = walked.ifd;
            heading.tag = walked.table && !walked.table->heading.empty() ? walked.table->heading
                                                                         : headingText(walked.ifd);
            if (walked.number != 0 || !walked.block.empty() || english)
                numberHeading(heading, walked);
        }
        if (e == document.entries.size()) break;
        const Entry& entry = document.entries[e];
        const TagDef* tag = document.tagOf(entry);
        Row& row = rows_.emplace_back();
        row.ifd = entry.ifd;
        row.entry = e;
        row.offsetLength = static_cast<uint8_t>(formatOffset(entry.position, row.offsetText));
        row.typeLength = formatNumber(entry.type, row.typeText, sizeof row.typeText);
        // The count prints as a signed number, as the cell has always shown it.
        row.countLength =
            formatNumber(static_cast<int32_t>(entry.count), row.countText, sizeof row.countText);
        row.contentStart = static_cast<uint32_t>(contentArena_.size());
        appendContent(document, entry, contentArena_);
        row.contentLength = static_cast<uint32_t>(contentArena_.size() - row.contentStart);
        if (tag == nullptr) {
            row.known = false;
            formatTagNumber(entry.tag, row.numberText);
            continue;
        }
        row.tag = displayName(*tag);
        if (!entry.valueInside) continue;
        const std::span<const uint8_t> value = document.valueBytes(entry, valueLength(entry));
        row.note = codedNote(*tag, entry, value);
        if (row.note.empty() && tag->derived != DerivedNote::None) {
            const size_t start = contentArena_.size();
            appendDerivedNote(*tag, entry, value, contentArena_);
            if (contentArena_.size() > start) {
                row.noteInArena = true;
                row.noteStart = static_cast<uint32_t>(start);
                row.noteLength = static_cast<uint32_t>(contentArena_.size() - start);
            }
        }
    }
    addPositionNotes(document);
}

void RowList::numberHeading(Row& heading, const Section& section) {
    // "【IFD】" becomes "【IFD2】", "【SubIFD】" "【SubIFD 1】", and a block's name goes first:
    // "【CMT1 0th IFD】"; in English "[CMT1 0th IFD]".
    const std::string translated = displayHeading(heading.tag);
    const std::string_view open = headingOpen(), close = headingClose();
    std::string_view inner = translated;
    if (inner.starts_with(open) && inner.ends_with(close))
        inner = inner.substr(open.size(), inner.size() - open.size() - close.size());
    const size_t start = contentArena_.size();
    contentArena_.append(open);
    if (!section.block.empty()) contentArena_.append(section.block).push_back(' ');
    contentArena_.append(inner);
    if (section.number != 0) {
        if (section.ifd == IfdKind::SubImage) contentArena_.push_back(' ');
        contentArena_.append(std::to_string(section.number));
    }
    contentArena_.append(close);
    heading.noteInArena = true;  // the arena holds the heading's title
    heading.noteStart = static_cast<uint32_t>(start);
    heading.noteLength = static_cast<uint32_t>(contentArena_.size() - start);
}

void RowList::setArenaNote(Row& row, std::string_view note) {
    row.noteInArena = true;
    row.noteStart = static_cast<uint32_t>(contentArena_.size());
    row.noteLength = static_cast<uint32_t>(note.size());
    contentArena_ += note;
}

void RowList::addPositionNotes(const Document& document) {
    const GpsPosition position = readGpsPosition(document);
    for (Row& row : rows_) {
        if (row.heading || row.ifd != IfdKind::Gps || !row.known) continue;
        const uint16_t tag = document.entries[row.entry].tag;
        if (tag == tags::kGpsLatitude && position.latitude) {
            setArenaNote(row, degreesNote(*position.latitude, position.latitudeRef));
        } else if (tag == tags::kGpsLongitude && position.longitude) {
            setArenaNote(row, degreesNote(*position.longitude, position.longitudeRef));
        } else if (tag == tags::kGpsAltitude && position.altitude) {
            setArenaNote(row, metresNote(*position.altitude));
        }
    }
}

std::string_view RowList::cell(size_t index, Column column) const {
    const Row& row = rows_[index];
    if (row.heading) {
        if (column != Column::Offset) return {};
        return row.noteInArena
                   ? std::string_view(contentArena_).substr(row.noteStart, row.noteLength)
                   : row.tag;
    }
    switch (column) {
        case Column::Offset:
            return {row.offsetText, row.offsetLength};
        case Column::Type:
            return {row.typeText, row.typeLength};
        case Column::Count:
            return {row.countText, row.countLength};
        case Column::Tag:
            return row.known ? row.tag : std::string_view(row.numberText, sizeof row.numberText);
        case Column::Content:
            return std::string_view(contentArena_).substr(row.contentStart, row.contentLength);
        case Column::Note:
            return row.noteInArena
                       ? std::string_view(contentArena_).substr(row.noteStart, row.noteLength)
                       : row.note;
    }
    return {};
}

}  // namespace brevino
