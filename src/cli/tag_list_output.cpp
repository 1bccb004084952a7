#include "cli/tag_list_output.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "platform/text_encoding.h"

namespace brevino::cli {
namespace {

constexpr std::array<std::string_view, kColumnCount> kColumnNames = {"offset", "type",    "count",
                                                                     "tag",    "content", "note"};
// The table pads the content column to at most this width; longer contents overflow it.
constexpr size_t kMaxContentColumnWidth = 40;

void appendPadded(std::string& out, std::string_view text, size_t width) {
    out.append(text);
    size_t shown = displayWidth(text);
    if (shown < width) out.append(width - shown, ' ');
}

void appendTsvField(std::string& out, std::string_view text) {
    std::string clean = sanitizeUtf8(text);
    for (char c : clean) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out.push_back(c);
        }
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
                    static constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out.push_back(kHex[byte >> 4]);
                    out.push_back(kHex[byte & 15]);
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

void appendJsonNumber(std::string& out, uint64_t value) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

}  // namespace

std::string_view ifdName(IfdKind kind) {
    switch (kind) {
        case IfdKind::Zeroth:
            return "0th";
        case IfdKind::Exif:
            return "exif";
        case IfdKind::Gps:
            return "gps";
        case IfdKind::Interop:
            return "interop";
        case IfdKind::First:
            return "1st";
        case IfdKind::MakerNote:
            return "makernote";
        case IfdKind::None:
            break;
    }
    return "";
}

void appendTable(std::string& out, const FileReport& report, const Workspace& workspace) {
    out.append(sanitizeUtf8(report.path)).push_back('\n');
    if (!report.ok) {
        out.push_back('\n');
        return;
    }
    const TagList& rows = workspace.tagList;
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

void appendTsv(std::string& out, const FileReport& report, const Workspace& workspace) {
    if (!report.ok) return;
    const TagList& rows = workspace.tagList;
    for (size_t r = 0; r < rows.size(); ++r) {
        appendTsvField(out, report.path);
        for (int c = 0; c < kColumnCount; ++c) {
            out.push_back('\t');
            appendTsvField(out, rows.cell(r, static_cast<Column>(c)));
        }
        out.push_back('\n');
    }
}

void appendJson(std::string& out, const FileReport& report, const Workspace& workspace) {
    out += "{\"file\":";
    appendJsonString(out, report.path);
    out += report.ok ? ",\"ok\":true" : ",\"ok\":false";
    out += ",\"messages\":[";
    if (report.messages) {
        bool first = true;
        for (const auto& message : *report.messages) {
            out += first ? "{\"caption\":" : ",{\"caption\":";
            first = false;
            appendJsonString(out, message.caption);
            out += ",\"text\":";
            appendJsonString(out, message.text);
            out += "}";
        }
    }
    out += "]";
    if (report.nameRefused) {
        out += ",\"exifStart\":null,\"exifEnd\":null,\"skippedBytes\":null,\"byteOrder\":null";
    } else {
        const ExifLocation& location = workspace.analysis.location;
        out += ",\"exifStart\":";
        appendJsonNumber(out, location.exifStart);
        out += ",\"exifEnd\":";
        appendJsonNumber(out, location.exifEnd);
        out += ",\"skippedBytes\":";
        appendJsonNumber(out, location.skippedBytes);
        out += workspace.analysis.byteOrder == Intel ? ",\"byteOrder\":\"II\""
                                                     : ",\"byteOrder\":\"MM\"";
    }
    out += ",\"rows\":[";
    if (report.ok) {
        const TagList& rows = workspace.tagList;
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
                const EntryFacts& facts = rows.facts(r);
                out += ",\"ifd\":\"";
                out += ifdName(facts.ifd);
                out += "\",\"tagId\":";
                appendJsonNumber(out, facts.tagId);
            }
            out.push_back('}');
        }
    }
    out += "]}\n";
}

}  // namespace brevino::cli
