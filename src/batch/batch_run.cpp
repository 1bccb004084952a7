#include "batch/batch_run.h"

#include "batch/date_shift.h"
#include "batch/name_dates.h"
#include "batch/renaming.h"
#include "edit/date_rows.h"
#include "edit/editing.h"
#include "edit/row_lookup.h"
#include "journal/change_apply.h"
#include "platform/text_encoding.h"
#include "tags/tag_roles.h"

namespace brevino {
namespace {

std::string cutToInput(std::string_view text) {
    return std::string(text.substr(0, utf8CutLength(text, kInputLimit)));
}

// One file's document, rows and edits while the run handles it.
struct FileState {
    const Document& document;
    const AnalysedFile& file;
    RowList rows;
    Edits edits;
};

bool hasDateRow(const FileState& state) {
    for (const Entry& entry : state.document.entries) {
        if (tags::isDate(entry.ifd, entry.tag)) return true;
    }
    return false;
}

}  // namespace

BatchOperation batchOperationFor(std::string_view text) {
    for (const BatchOperationInfo& info : kBatchOperations) {
        if (text == info.label || text == info.alias) return info.operation;
    }
    return BatchOperation::SetTag;
}

std::string progressCaption(size_t done, size_t total) {
    return std::to_string(done) + " / " + std::to_string(total) + " file completion.";
}

bool BatchRun::start(std::vector<std::string>& files, std::string_view operationText,
                     std::string_view valueText, const BatchSettings& settings,
                     JournalStore* journal) {
    return plan(files, operationText, valueText, settings) && begin(journal);
}

bool BatchRun::plan(std::vector<std::string>& files, std::string_view operationText,
                    std::string_view valueText, const BatchSettings& settings) {
    planReady_ = false;
    startProblem_ = Problem::None;
    operationText_ = cutToInput(operationText);
    valueText_ = cutToInput(valueText);
    if (operationText_.empty() || files.empty()) return false;
    kind_ = batchOperationFor(operationText_);
    if (kind_ == BatchOperation::ShiftDates) {
        const std::optional<int64_t> shift = parseDateShift(valueText_);
        if (!shift || (!settings.zone.empty() && !parseZoneOffset(settings.zone))) {
            startProblem_ = Problem::ShiftForm;
            return false;
        }
        shift_ = *shift;
    }
    files_ = &files;
    settings_ = settings;
    total_ = files.size();
    index_ = 0;

    // The whole run is worked out before anything is written.
    operation_ = Operation{};
    operation_.kind = "batch";
    operation_.title = operationText_;
    if (!valueText_.empty()) operation_.title += " " + valueText_;
    reservedNames_.clear();
    planned_.assign(total_, Planned{});
    for (size_t i = 0; i < total_; ++i)
        planFile(files[i], planned_[i]);
    planReady_ = true;
    return true;
}

bool BatchRun::begin(JournalStore* journal) {
    if (!planReady_) return false;
    planReady_ = false;
    journal_ = operation_.files.empty() ? nullptr : journal;
    if (journal_ && !journal_->begin(operation_)) {
        journal_ = nullptr;
        startProblem_ = Problem::JournalWriteError;
        return false;
    }
    state_ = State::Running;
    return true;
}

void BatchRun::stop() {
    if (state_ == State::Running && journal_) journal_->finish(operation_);
    journal_ = nullptr;
    state_ = State::Idle;
}

BatchRun::Step BatchRun::step() {
    Step result;
    result.total = total_;
    if (state_ != State::Running || index_ >= total_ || index_ >= files_->size()) {
        stop();
        result.ended = true;
        result.done = index_;
        return result;
    }
    result.path = (*files_)[index_];
    Planned& planned = planned_[index_];
    result.outcome = planned.outcome;
    result.skipReason = std::move(planned.skipReason);
    result.reports = std::move(planned.reports);
    result.notes = std::move(planned.notes);
    if (planned.change != SIZE_MAX) {
        FileChange& change = operation_.files[planned.change];
        const ChangeResult applied = applyChange(change);
        for (const Problem problem : applied.problems)
            result.reports.push_back({problem, {}});
        if (change.renameTo && change.after && change.after->path != change.path) {
            // The list keeps its order: the entry is replaced where it stands.
            (*files_)[index_] = change.after->path;
            result.renamedTo = change.after->path;
        }
    }
    if (!result.reports.empty()) result.outcome = Outcome::Failed;
    ++index_;
    result.done = index_;
    return result;
}

std::optional<BatchRun::Refusal> BatchRun::refusedValue() const {
    for (size_t i = 0; i < planned_.size(); ++i) {
        for (const Report& report : planned_[i].reports) {
            switch (report.problem) {
                case Problem::TooLong:
                case Problem::OutOfRange:
                case Problem::NotNumber:
                case Problem::SlashRequired:
                case Problem::ZeroDenominator:
                case Problem::ValueCount:
                case Problem::DateForm:
                    return Refusal{(*files_)[i], report};
                default:
                    break;
            }
        }
    }
    return std::nullopt;
}

void BatchRun::planFile(const std::string& path, Planned& planned) {
    const FileAnalysis analysis = analyzeFile(path, storage_);
    if (!analysis.document.walked() || !analysis.file) {
        planned.reports.push_back({analysis.document.problem, {}});
        return;
    }
    FileState state{analysis.document, *analysis.file, {}, {}};
    state.rows.build(state.document);
    auto skip = [&](std::string_view reason) {
        planned.outcome = Outcome::Skipped;
        planned.skipReason = reason;
    };
    auto keep = [&](FileChange change) {
        planned.change = operation_.files.size();
        operation_.files.push_back(std::move(change));
    };
    auto save = [&](std::optional<timespec> setTimes = std::nullopt) {
        SaveOptions options;
        options.keepTimes = settings_.keepTimes;
        options.setTimes = setTimes;
        if (settings_.alignDates) {
            if (auto aligned = alignDatesWithChangeDate(state.document, state.rows, state.edits))
                options.setTimes = aligned;
        }
        if (state.edits.empty() && !options.setTimes) return;
        keep(planSave(state.document, state.edits, state.file, options));
    };
    switch (kind_) {
        case BatchOperation::AlignTimes: {
            const auto date =
                dateRowContent(state.document, state.rows, state.edits, tags::kDateTime);
            if (!date) return skip("no file-change date");
            const std::optional<timespec> time = exifDateToTime(*date);
            if (!time) return skip("its file-change date is not a date");
            // The dates are shown aligned, but only the times are written.
            FileChange change = planSave(state.document, {}, state.file, {});
            FileTimes times = state.file.times;
            times.access = times.modification = *time;
            change.newTimes = times;
            return keep(std::move(change));
        }
        case BatchOperation::RenameByChangeDate:
        case BatchOperation::RenameByOriginalDate: {
            const uint16_t tag = kind_ == BatchOperation::RenameByChangeDate
                                     ? tags::kDateTime
                                     : tags::kDateTimeOriginal;
            const auto date = dateRowContent(state.document, state.rows, state.edits, tag);
            if (!date) return skip("no such date");
            const std::optional<std::string> target =
                makeUniqueName(path, nameForDate(*date), &reservedNames_);
            if (!target) {
                planned.reports.push_back({Problem::RenameFailed, {}});
                return;
            }
            if (*target == path) return;  // named by its date already
            reservedNames_.insert(*target);
            FileChange change = planSave(state.document, {}, state.file, {});
            change.renameTo = *target;
            return keep(std::move(change));
        }
        case BatchOperation::NameToDates: {
            if (!hasDateRow(state)) return skip("no date rows");
            const std::optional<std::string> date = exifDateFromName(baseNameOf(path));
            if (!date) {
                planned.reports.push_back({Problem::NoDateInName, {}});
                return;
            }
            setAllDateRows(state.document, state.rows, state.edits, *date);
            return save();
        }
        case BatchOperation::ShiftDates: {
            if (!hasDateRow(state)) return skip("no date rows");
            for (size_t row = 0; row < state.rows.size(); ++row) {
                if (state.rows.isHeading(row)) continue;
                const Entry& entry = state.document.entries[state.rows.entryIndex(row)];
                const bool zone = entry.ifd == IfdKind::Exif && entry.tag >= tags::kOffsetTime &&
                                  entry.tag <= tags::kOffsetTimeDigitized;
                if (zone && !settings_.zone.empty()) {
                    // Written where the row is there and holds the offset whole.
                    EditOptions options;
                    options.longText = LongText::Refuse;
                    applyEdit(state.document, state.rows, state.edits, row, settings_.zone,
                              options);
                    continue;
                }
                if (!tags::isDate(entry.ifd, entry.tag) || entry.type != 2) continue;
                const std::string_view content = state.rows.cell(row, Column::Content);
                const std::optional<std::string> moved = shiftExifDate(content, shift_);
                if (!moved || !isEditableRow(state.document, state.rows, row)) {
                    // Left alone: the unknown date, or no date at all.
                    planned.notes.push_back(
                        {Problem::DateNotShifted, std::string(state.rows.cell(row, Column::Tag)) +
                                                      ": " + std::string(content)});
                    continue;
                }
                applyEdit(state.document, state.rows, state.edits, row, *moved, {});
            }
            return save();
        }
        case BatchOperation::NameToTitle:
        case BatchOperation::SetTag: {
            const bool title = kind_ == BatchOperation::NameToTitle;
            RowName name;
            if (title) {
                name.number = tags::kImageDescription;
            } else {
                name = parseRowName(operationText_);
            }
            const RowLookup lookup = findRow(state.document, state.rows, name);
            if (!lookup.exists()) return skip("no such row");
            if (lookup.editable < 0) {
                planned.reports.push_back({Problem::NotEditable, {}});
                return;
            }
            EditOptions options;
            options.allDate = settings_.allDate;
            // A typed value is refused where it does not fit; a file's own name is cut to the
            // title's field.
            options.longText = title ? LongText::Cut : settings_.longText;
            const std::string value = title ? baseNameOf(path) : valueText_;
            const EditResult edited =
                applyEdit(state.document, state.rows, state.edits,
                          static_cast<size_t>(lookup.editable), value, options);
            if (edited.problem != Problem::None) {
                planned.reports.push_back({edited.problem, edited.detail});
                return;
            }
            return save();
        }
    }
}

}  // namespace brevino
