#include "edit/overwrite_save.h"

#include "edit/date_rows.h"
#include "journal/change_apply.h"
#include "platform/file_io.h"
#include "platform/file_times.h"

namespace brevino {

SaveOptions saveOptionsFor(const Document& document, const RowList& rows, Edits& edits,
                           bool keepTimes, bool alignDates) {
    SaveOptions options;
    options.keepTimes = keepTimes;
    if (alignDates) options.setTimes = alignDatesWithChangeDate(document, rows, edits);
    return options;
}

FileChange planSave(const Document& document, const Edits& edits, const AnalysedFile& file,
                    const SaveOptions& options) {
    FileChange change;
    change.path = file.path;
    change.identity = file.identity;
    change.times = file.times;
    for (const auto& [index, value] : edits) {
        const Entry& entry = document.entries[index];
        const std::span<const uint8_t> before = document.valueBytes(entry, value.bytes.size());
        change.values.push_back(
            {entry.position, std::vector<uint8_t>(before.begin(), before.end()), value.bytes});
    }
    if (options.setTimes) {
        FileTimes times = file.times;
        times.access = times.modification = *options.setTimes;
        change.newTimes = times;
    } else if (options.keepTimes && !edits.empty()) {
        change.newTimes = file.times;
    }
    return change;
}

SaveResult carryOutSave(FileChange& change) {
    SaveResult result;
    const ChangeResult applied = applyChange(change);
    result.wrote = applied.wrote;
    result.problems = applied.problems;
    result.ok = applied.problems.empty();
    // A file that was not the analysed one, or could not be opened, was left alone: it does
    // not become the analysed file.
    for (const Problem problem : applied.problems) {
        if (problem == Problem::OpenFirstToSave || problem == Problem::CannotOpen) return result;
    }
    if (std::optional<FileIdentity> now = identifyFile(change.path))
        result.file = AnalysedFile{change.path, *now, timesOf(*now)};
    return result;
}

}  // namespace brevino
