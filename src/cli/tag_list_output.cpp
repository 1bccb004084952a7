#include "cli/tag_list_output.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "edit/editing.h"
#include "edit/entry_changes.h"
#include "exif/gps_position.h"
#include "platform/decimal_text.h"
#include "platform/hex_text.h"
#include "platform/text_encoding.h"
#include "workspace/messages.h"

namespace brevino::cli {
namespace {

// The table pads the content column to at most this width; longer contents overflow it.
constexpr size_t kMaxContentColumnWidth = 40;

void appendPadded(std::string& out, std::string_view text, size_t width) {
    out.append(text);
    size_t shown = displayWidth(text);
    if (shown < width) out.append(width - shown, ' ');
}

// Bytes that TSV output writes as an escape.
constexpr std::array<const char*, 256> kTsvEscapes = [] {
    std::array<const char*, 256> escapes{};
    escapes['\t'] = "\\t";
    escapes['\n'] = "\\n";
    escapes['\r'] = "\\r";
    escapes['\\'] = "\\\\";
    return escapes;
}();

// Whether any of the eight bytes might need an escape: a control character or a backslash.
bool mayNeedEscape(const char* bytes) {
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kHighBits = 0x8080808080808080ULL;
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    const uint64_t controls = (word - kOnes * 0x20) & ~word & kHighBits;
    const uint64_t backslash = word ^ (kOnes * '\\');
    return (controls | ((backslash - kOnes) & ~backslash & kHighBits)) != 0;
}

// Whether every byte of the text is ASCII (and so valid UTF-8 without a closer look).
bool isAscii(std::string_view text) {
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if ((word & 0x8080808080808080ULL) != 0) return false;
    }
    for (; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    }
    return true;
}

// Appends the text with tab, line feed, carriage return and backslash escaped.
void appendEscaped(std::string& out, std::string_view text) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // Skip eight bytes at a time while none of them can need an escape.
        while (i + 8 <= text.size() && !mayNeedEscape(text.data() + i))
            i += 8;
        if (i >= text.size()) break;
        const char* escape = kTsvEscapes[static_cast<unsigned char>(text[i])];
        if (escape == nullptr) continue;
        out.append(text.data() + start, i - start).append(escape);
        start = i + 1;
    }
    out.append(text.data() + start, text.size() - start);
}

// A cell's text for TSV; bytes that are not UTF-8 become U+FFFD.
void appendTsvField(std::string& out, std::string_view text) {
    if (isValidUtf8(text)) {
        appendEscaped(out, text);
    } else {
        appendEscaped(out, sanitizeUtf8(text));
    }
}

void appendJsonString(std::string& out, std::string_view text) {
    std::string clean = sanitizeUtf8(text);
    out.push_back('"');
    for (char c : clean) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    out += "\\u00";
                    appendHexByte(out, byte, HexCase::Lower);
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

}  // namespace

void appendTable(std::string& out, const FileReport& report) {
    out.append(sanitizeUtf8(report.path)).push_back('\n');
    if (report.rows == nullptr) {
        out.push_back('\n');
        return;
    }
    const RowList& rows = *report.rows;
    std::array<size_t, kColumnCount> widths{};
    for (int c = 0; c < kColumnCount; ++c)
        widths[c] = kColumnNames[c].size();
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows.isHeading(r)) continue;
        for (int c = 0; c < kColumnCount - 1; ++c) {
            widths[c] = std::max(widths[c], displayWidth(rows.cell(r, static_cast<Column>(c))));
        }
    }
    widths[static_cast<int>(Column::Content)] =
        std::min(widths[static_cast<int>(Column::Content)], kMaxContentColumnWidth);

    auto appendLine = [&](auto cellAt) {
        size_t start = out.size();
        for (int c = 0; c < kColumnCount; ++c) {
            std::string text = sanitizeUtf8(cellAt(c));
            for (char& ch : text) {
                if (ch == '\n' || ch == '\r' || ch == '\t') ch = ' ';
            }
            if (c + 1 < kColumnCount) {
                appendPadded(out, text, widths[c]);
                out.append("  ");
            } else {
                out.append(text);
            }
        }
        size_t end = out.find_last_not_of(' ');
        out.resize(end == std::string::npos || end < start ? start : end + 1);
        out.push_back('\n');
    };
    appendLine([](int c) { return kColumnNames[c]; });
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows.isHeading(r)) {
            out.append(rows.cell(r, Column::Offset)).push_back('\n');
            continue;
        }
        appendLine([&](int c) { return rows.cell(r, static_cast<Column>(c)); });
    }
    out.push_back('\n');
}

void appendTsv(std::string& out, const FileReport& report) {
    if (report.rows == nullptr) return;
    std::string path;
    appendTsvField(path, report.path);
    const RowList& rows = *report.rows;
    std::string cleaned;
    for (size_t r = 0; r < rows.size(); ++r) {
        out.append(path);
        for (int c = 0; c < kColumnCount; ++c) {
            const Column column = static_cast<Column>(c);
            std::string_view cell = rows.cell(r, column);
            // Tag names, notes and headings are the program's own UTF-8 texts; values are
            // checked, since bytes that are not UTF-8 must not reach the output.
            if (column != Column::Tag && column != Column::Note && !isAscii(cell) &&
                !isValidUtf8(cell)) {
                cleaned = sanitizeUtf8(cell);
                cell = cleaned;
            }
            out.push_back('\t');
            // Offsets, types, counts, tag names and headings are the program's own digits and
            // names, which hold nothing to escape; contents and notes (a note may be a value's
            // text) are escaped.
            if (column == Column::Content || column == Column::Note) {
                appendEscaped(out, cell);
            } else {
                out.append(cell);
            }
        }
        out.push_back('\n');
    }
}

void appendJson(std::string& out, const FileReport& report) {
    out += "{\"file\":";
    appendJsonString(out, report.path);
    // A name that is not UTF-8 shows with replacement characters: its bytes let a script
    // find the file again.
    if (!isValidUtf8(report.path)) {
        out += ",\"fileBytes\":\"";
        for (const char c : report.path)
            appendHexByte(out, static_cast<uint8_t>(c), HexCase::Lower);
        out.push_back('"');
    }
    out += report.rows ? ",\"ok\":true" : ",\"ok\":false";
    out += ",\"messages\":[";
    const Document& document = *report.document;
    const MessageText message = messageFor(document.problem);
    if (document.problem != Problem::None && !message.text.empty()) {
        out += "{\"caption\":";
        appendJsonString(out, message.caption);
        out += ",\"text\":";
        appendJsonString(out, message.text);
        out += "}";
    }
    out += "]";
    if (report.nameRefused) {
        out += ",\"exifStart\":null,\"exifEnd\":null,\"skippedBytes\":null,\"byteOrder\":null";
    } else {
        const ExifLocation& location = document.location;
        out += ",\"exifStart\":";
        appendDecimal(out, location.exifStart);
        out += ",\"exifEnd\":";
        appendDecimal(out, location.exifEnd);
        out += ",\"skippedBytes\":";
        appendDecimal(out, location.skippedBytes);
        out += document.byteOrder == Intel ? ",\"byteOrder\":\"II\"" : ",\"byteOrder\":\"MM\"";
    }
    // The bytes a JPEG's Exif segment can still grow by before it reaches 65,533 (entries
    // added); null where no segment can grow.
    out += ",\"room\":";
    if (const std::optional<uint64_t> room =
            report.nameRefused ? std::nullopt : segmentRoom(document)) {
        appendDecimal(out, *room);
    } else {
        out += "null";
    }
    out += ",\"rows\":[";
    if (report.rows) {
        const RowList& rows = *report.rows;
        for (size_t r = 0; r < rows.size(); ++r) {
            if (r > 0) out.push_back(',');
            const bool heading = rows.isHeading(r);
            out += heading ? "{\"heading\":true" : "{\"heading\":false";
            for (int c = 0; c < kColumnCount; ++c) {
                out += ",\"";
                out += kColumnNames[c];
                out += "\":";
                appendJsonString(out, rows.cell(r, static_cast<Column>(c)));
            }
            if (!heading) {
                const Entry& entry = document.entries[rows.entryIndex(r)];
                out += ",\"ifd\":\"";
                out += ifdName(entry.ifd);
                out += "\",\"tagId\":";
                appendDecimal(out, entry.tag);
                if (entry.field != Entry::kNoField) {
                    out += ",\"field\":";
                    appendDecimal(out, entry.field);
                }
                // The tag's key, which names it in every language; null for an unknown tag.
                if (const TagDef* tag = document.tagOf(entry)) {
                    out += ",\"name\":";
                    appendJsonString(out, tag->key);
                } else {
                    out += ",\"name\":null";
                }
                out += rows.isKnown(r) ? ",\"known\":true" : ",\"known\":false";
                out +=
                    isEditableRow(document, rows, r) ? ",\"editable\":true" : ",\"editable\":false";
            }
            out.push_back('}');
        }
    }
    out += "]";
    if (report.rows) {
        const GpsPosition position = readGpsPosition(document);
        if (position.hasPosition()) {
            out += ",\"gps\":{\"lat\":";
            out += fixedDecimals(position.signedLatitude(), 6);
            out += ",\"lon\":";
            out += fixedDecimals(position.signedLongitude(), 6);
            out += "}";
        }
    }
    out += "}\n";
}

}  // namespace brevino::cli
