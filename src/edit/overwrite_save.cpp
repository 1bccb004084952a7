#include "edit/overwrite_save.h"

#include "edit/date_rows.h"
#include "journal/change_apply.h"
#include "platform/crc32.h"
#include "platform/file_io.h"
#include "platform/file_times.h"

namespace brevino {

namespace {

// A value written inside data a checksum covers (a PNG chunk) comes with the new checksum,
// worked out over the data as it will be, in the same change.
void addChecksumChange(const Document& document, FileChange& change) {
    const ExifLocation& location = document.location;
    if (location.checksumAt == 0 || change.values.empty()) return;
    const std::span<const uint8_t> covered =
        document.bytesAt(location.checksumFrom, location.checksumAt - location.checksumFrom + 4);
    if (covered.empty()) return;
    std::vector<uint8_t> data(covered.begin(), covered.end() - 4);
    for (const ValueChange& value : change.values) {
        if (value.position < location.checksumFrom ||
            value.position + value.after.size() > location.checksumAt)
            continue;
        std::copy(value.after.begin(), value.after.end(),
                  data.begin() + static_cast<long>(value.position - location.checksumFrom));
    }
    std::vector<uint8_t> after(4);
    writeU32(crc32(data), after.data(), Motorola);
    std::vector<uint8_t> before(covered.end() - 4, covered.end());
    if (after != before) change.values.push_back({location.checksumAt, before, after});
}

// The times a change sets: the given ones, or those the file had when it writes something and
// times are kept.
void setTimesOf(FileChange& change, const AnalysedFile& file, const SaveOptions& options,
                bool writes) {
    if (options.setTimes) {
        FileTimes times = file.times;
        times.access = times.modification = *options.setTimes;
        change.newTimes = times;
    } else if (options.keepTimes && writes) {
        change.newTimes = file.times;
    }
}

}  // namespace

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
    addChecksumChange(document, change);
    setTimesOf(change, file, options, !edits.empty());
    return change;
}

FileChange planValueWrites(std::vector<ValueChange> values, const Document& document,
                           const AnalysedFile& file, const SaveOptions& options) {
    FileChange change;
    change.path = file.path;
    change.identity = file.identity;
    change.times = file.times;
    change.values = std::move(values);
    addChecksumChange(document, change);
    setTimesOf(change, file, options, !change.values.empty());
    return change;
}

FileChange planSegmentWrite(SegmentChange segment, const AnalysedFile& file,
                            const SaveOptions& options) {
    FileChange change;
    change.path = file.path;
    change.identity = file.identity;
    change.times = file.times;
    change.segment = std::move(segment);
    setTimesOf(change, file, options, true);
    return change;
}

SaveResult carryOutSave(FileChange& change, const RewriteCheck& check) {
    SaveResult result;
    const ChangeResult applied = applyChange(change, check);
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
