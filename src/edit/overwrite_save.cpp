#include "edit/overwrite_save.h"

#include "edit/date_rows.h"
#include "edit/row_editor.h"
#include "exif/ifd_walker.h"
#include "platform/file_io.h"
#include "platform/file_times.h"
#include "platform/text_encoding.h"
#include "tags/leading_number.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

// The times to keep: those the file had before the analysis read it (reading may move the
// access time), or, for a file analysed from memory, those it has now.
bool timesToKeep(const Workspace& workspace, const std::string& path, FileTimes& times) {
    if (workspace.analysedFile.times) {
        times = *workspace.analysedFile.times;
        return true;
    }
    return getFileTimes(path, times) == 1;
}

}  // namespace

uint64_t parseOffsetCell(std::string_view cell) {
    uint64_t result = 0;
    for (size_t i = 2; i < cell.size() && i < 2 + 16; ++i) {
        const char c = cell[i];
        const int digit = c >= 'A' && c <= 'Z' ? c - 'A' + 10 : c - '0';
        result = result * 16 + static_cast<uint64_t>(digit);
    }
    return result;
}

std::vector<uint8_t> encodeRow(uint16_t type, uint32_t count, std::string_view content,
                               ByteOrder order) {
    const size_t valueSize = static_cast<size_t>(typeSize(type));
    std::vector<uint8_t> bytes(static_cast<size_t>(count) * valueSize, 0);
    if (bytes.empty()) return bytes;
    if (type == 2) {
        const std::string_view text = content.substr(0, utf8CutLength(content, bytes.size() - 1));
        std::copy(text.begin(), text.end(), bytes.begin());
        return bytes;
    }
    const std::vector<std::string_view> values = splitValues(content);
    for (size_t i = 0; i < values.size() && i < count; ++i) {
        uint8_t* at = bytes.data() + i * valueSize;
        const std::string_view value = values[i];
        switch (type) {
            case 1:
                at[0] = static_cast<uint8_t>(leadingNumber(value));
                break;
            case 3:
                writeU16(static_cast<uint16_t>(leadingNumber(value)), at, order);
                break;
            case 4:
            case 9:
                writeU32(leadingNumber(value), at, order);
                break;
            case 5:
            case 10: {
                const size_t slash = value.find('/');
                if (slash == std::string_view::npos)
                    return bytes;  // this and later values stay zero
                writeU32(leadingNumber(value), at, order);
                writeU32(leadingNumber(value.substr(slash + 1)), at + 4, order);
                break;
            }
            default:
                break;
        }
    }
    return bytes;
}

int overwriteSave(Workspace& workspace, const std::string& path) {
    const AnalysisState& state = workspace.analysis;
    if (state.location.exifEnd == 0 || !workspace.isAnalysedFileUnchanged(path)) {
        workspace.report(kOpenFirstMessage);
        return 0;
    }
    const Settings& settings = workspace.settings;
    FileTimes before;
    if (settings.dateUp == 1 && !timesToKeep(workspace, path, before)) {
        workspace.report(kTimesReadErrorMessage);
        return 0;
    }
    FileTimes fromExif;
    const bool alignDates = settings.exifDate == 1 && exifDateToFileTimes(workspace, fromExif);

    const TagList& rows = workspace.tagList;
    std::vector<size_t> changed;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (isEditableRow(workspace, r) && rows.contentChanged(r)) changed.push_back(r);
    }

    bool failed = false;
    if (!changed.empty()) {
        FileHandle file = openForWriteInPlace(path);
        std::optional<FileIdentity> identity = file.isOpen() ? file.identity() : std::nullopt;
        if (!file.isOpen()) {
            // Nothing was written: the file's times are left as they are too.
            workspace.report(kCannotOpenMessage);
            return 0;
        }
        if (!identity || !(*identity == workspace.analysedFile.identity)) {
            // Replaced between the check and the open: write nothing into another file.
            workspace.report(kOpenFirstMessage);
            return 0;
        }
        {
            for (size_t r : changed) {
                const EntryFacts& facts = rows.facts(r);
                const ByteOrder order =
                    r < state.makerNoteFirstRow ? state.byteOrder : state.makerNoteByteOrder;
                const uint64_t position = parseOffsetCell(rows.cell(r, Column::Offset));
                const std::vector<uint8_t> bytes =
                    encodeRow(facts.type, facts.count, rows.cell(r, Column::Content), order);
                if (file.writeAt(position, bytes.data(), bytes.size()) != bytes.size() && !failed) {
                    workspace.report(kWriteFailedMessage);
                    failed = true;
                }
            }
            if (!file.close() && !failed) {
                workspace.report(kWriteFailedMessage);
                failed = true;
            }
        }
    }

    // A save that wrote nothing leaves the times alone: there is nothing to undo.
    if (settings.dateUp == 1 && !changed.empty() && !setFileTimes(path, before)) {
        workspace.report(kTimesWriteErrorMessage);
        workspace.refreshAnalysedFile();
        return 0;
    }
    if (alignDates && !setFileTimes(path, fromExif)) {
        workspace.report(kTimesWriteErrorMessage);
        workspace.refreshAnalysedFile();
        return 0;
    }
    workspace.refreshAnalysedFile();
    return failed ? 0 : 1;
}

}  // namespace brevino
