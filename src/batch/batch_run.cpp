#include "batch/batch_run.h"

#include <iterator>
#include <utility>

#include "batch/date_shift.h"
#include "batch/name_dates.h"
#include "batch/renaming.h"
#include "edit/date_rows.h"
#include "edit/editing.h"
#include "edit/row_lookup.h"
#include "journal/change_apply.h"
#include "platform/language.h"
#include "platform/text_encoding.h"
#include "tags/tag_roles.h"

namespace brevino {
namespace {

std::string cutToInput(std::string_view text) {
    return std::string(text.substr(0, utf8CutLength(text, kInputLimit)));
}

}  // namespace

// One file's document, rows and edits while the run plans it.
struct BatchRun::FileState {
    const std::string& path;
    const Document& document;
    const AnalysedFile& file;
    RowList rows;
    Edits edits;
};

namespace {

bool hasDateRow(const BatchRun::FileState& state) {
    for (const Entry& entry : state.document.entries) {
        if (tags::isDate(entry.ifd, entry.tag)) return true;
    }
    return false;
}

}  // namespace

BatchOperation batchOperationFor(std::string_view text) {
    for (const BatchOperationInfo& info : kBatchOperations) {
        if (text == info.label || text == info.englishLabel || text == info.alias)
            return info.operation;
    }
    return BatchOperation::SetTag;
}

std::string_view batchOperationText(const BatchOperationInfo& info) {
    return inTextLanguage(info.label, info.englishLabel);
}

std::string_view batchPromptText() {
    return inTextLanguage("変更するﾀｸﾞを選択して下さい", "Choose the tag to change");
}

std::string_view batchValuePrompt() {
    return inTextLanguage("変更する値をここに入力して下さい", "Enter the value to set here");
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
    if (kind_ == BatchOperation::SetOffset) {
        const std::optional<std::string> zone = parseZoneOffset(valueText_);
        if (!zone) {
            startProblem_ = Problem::OffsetForm;
            return false;
        }
        valueText_ = *zone;
    }
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
    checks_.clear();
    operation_.kind = OperationKind::Batch;
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
    result.skipReason = planned.skipReason;
    result.reports = std::move(planned.reports);
    result.notes = std::move(planned.notes);
    if (planned.change != SIZE_MAX) {
        FileChange& change = operation_.files[planned.change];
        const ChangeResult applied = applyChange(change, checks_[planned.change]);
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
    analyzeFile(path, analysis_);
    const FileAnalysis& analysis = analysis_;
    // A photo without Exif lacks what every operation needs: left alone, like a file without
    // the row asked for.
    // Author and copyright give it a segment of its own.
    const bool adds = kind_ == BatchOperation::SetAuthor || kind_ == BatchOperation::SetCopyright;
    if (analysis.document.problem == Problem::NoExifSegment && !(adds && analysis.file))
        return skip(planned, Problem::NoExifSegment);
    if (analysis.document.problem == Problem::NoExifSegment) {
        FileState state{path, analysis.document, *analysis.file, {}, {}};
        const uint16_t tag = kind_ == BatchOperation::SetAuthor ? tags::kArtist : tags::kCopyright;
        return planSetOrAdd(state, planned, IfdKind::Zeroth, std::span(&tag, 1), valueText_);
    }
    if (!analysis.document.walked() || !analysis.file) {
        planned.reports.push_back({analysis.document.problem, {}});
        return;
    }
    FileState state{path, analysis.document, *analysis.file, {}, {}};
    state.rows.build(state.document);
    switch (kind_) {
        case BatchOperation::AlignTimes:
            return planAlignTimes(state, planned);
        case BatchOperation::RenameByChangeDate:
            return planRename(state, planned, tags::kDateTime);
        case BatchOperation::RenameByOriginalDate:
            return planRename(state, planned, tags::kDateTimeOriginal);
        case BatchOperation::NameToDates:
            return planNameToDates(state, planned);
        case BatchOperation::ShiftDates:
            return planShiftDates(state, planned);
        case BatchOperation::NameToTitle: {
            // A file's own name is cut to the title's field.
            RowName title;
            title.number = tags::kImageDescription;
            return planSetRow(state, planned, title, baseNameOf(path), LongText::Cut);
        }
        case BatchOperation::StripGps:
            return planStripGps(state, planned);
        case BatchOperation::SetAuthor: {
            constexpr uint16_t kAuthor[] = {tags::kArtist};
            return planSetOrAdd(state, planned, IfdKind::Zeroth, kAuthor, valueText_);
        }
        case BatchOperation::SetCopyright: {
            constexpr uint16_t kCopyrightTag[] = {tags::kCopyright};
            return planSetOrAdd(state, planned, IfdKind::Zeroth, kCopyrightTag, valueText_);
        }
        case BatchOperation::SetOffset: {
            // The offset of each date the file has.
            std::vector<uint16_t> offsets;
            const std::pair<IfdKind, uint16_t> dates[] = {
                {IfdKind::Zeroth, tags::kDateTime},
                {IfdKind::Exif, tags::kDateTimeOriginal},
                {IfdKind::Exif, tags::kDateTimeDigitized}};
            for (size_t i = 0; i < std::size(dates); ++i) {
                if (state.document.find(dates[i].first, dates[i].second))
                    offsets.push_back(static_cast<uint16_t>(tags::kOffsetTime + i));
            }
            if (offsets.empty()) return skip(planned, Problem::SkippedNoDateRows);
            return planSetOrAdd(state, planned, IfdKind::Exif, offsets, valueText_);
        }
        case BatchOperation::SetTag:
            // A typed value is refused where it does not fit, unless cutting is asked for.
            return planSetRow(state, planned, parseRowName(operationText_), valueText_,
                              settings_.longText);
    }
}

void BatchRun::skip(Planned& planned, Problem reason) {
    planned.outcome = Outcome::Skipped;
    planned.skipReason = reason;
}

void BatchRun::keep(Planned& planned, FileChange change) {
    planned.change = operation_.files.size();
    operation_.files.push_back(std::move(change));
    checks_.emplace_back();
}

void BatchRun::save(FileState& state, Planned& planned) {
    const SaveOptions options = saveOptionsFor(state.document, state.rows, state.edits,
                                               settings_.keepTimes, settings_.alignDates);
    if (state.edits.empty() && !options.setTimes) return;
    keep(planned, planSave(state.document, state.edits, state.file, options));
}

void BatchRun::planAlignTimes(FileState& state, Planned& planned) {
    const auto date = dateRowContent(state.document, state.rows, state.edits, tags::kDateTime);
    if (!date) return skip(planned, Problem::SkippedNoChangeDate);
    const std::optional<timespec> time = exifDateToTime(*date);
    if (!time) return skip(planned, Problem::SkippedChangeDateInvalid);
    // The dates are shown aligned, but only the times are written.
    FileChange change = planSave(state.document, {}, state.file, {});
    FileTimes times = state.file.times;
    times.access = times.modification = *time;
    change.newTimes = times;
    keep(planned, std::move(change));
}

void BatchRun::planRename(FileState& state, Planned& planned, uint16_t dateTag) {
    const auto date = dateRowContent(state.document, state.rows, state.edits, dateTag);
    if (!date) return skip(planned, Problem::SkippedNoSuchDate);
    const std::optional<std::string> target =
        makeUniqueName(state.path, nameForDate(*date), &reservedNames_);
    if (!target) {
        planned.reports.push_back({Problem::RenameFailed, {}});
        return;
    }
    if (*target == state.path) return;  // named by its date already
    reservedNames_.insert(*target);
    FileChange change = planSave(state.document, {}, state.file, {});
    change.renameTo = *target;
    keep(planned, std::move(change));
}

void BatchRun::planNameToDates(FileState& state, Planned& planned) {
    if (!hasDateRow(state)) return skip(planned, Problem::SkippedNoDateRows);
    const std::optional<std::string> date = exifDateFromName(baseNameOf(state.path));
    if (!date) {
        planned.reports.push_back({Problem::NoDateInName, {}});
        return;
    }
    setAllDateRows(state.document, state.rows, state.edits, *date);
    save(state, planned);
}

void BatchRun::planShiftDates(FileState& state, Planned& planned) {
    if (!hasDateRow(state)) return skip(planned, Problem::SkippedNoDateRows);
    for (size_t row = 0; row < state.rows.size(); ++row) {
        if (state.rows.isHeading(row)) continue;
        const Entry& entry = state.document.entries[state.rows.entryIndex(row)];
        const bool zone = entry.ifd == IfdKind::Exif && entry.tag >= tags::kOffsetTime &&
                          entry.tag <= tags::kOffsetTimeDigitized;
        if (zone && !settings_.zone.empty()) {
            // Written where the row is there and holds the offset whole.
            EditOptions options;
            options.longText = LongText::Refuse;
            applyEdit(state.document, state.rows, state.edits, row, settings_.zone, options);
            continue;
        }
        if (!tags::isDate(entry.ifd, entry.tag) || !entry.is(TiffType::Ascii)) continue;
        const std::string_view content = state.rows.cell(row, Column::Content);
        const std::optional<std::string> moved = shiftExifDate(content, shift_);
        if (!moved || !isEditableRow(state.document, state.rows, row)) {
            // Left alone: the unknown date, or no date at all.
            planned.notes.push_back(
                {Problem::DateNotShifted,
                 std::string(state.rows.cell(row, Column::Tag)) + ": " + std::string(content)});
            continue;
        }
        applyEdit(state.document, state.rows, state.edits, row, *moved, {});
    }
    save(state, planned);
}

void BatchRun::planSetRow(FileState& state, Planned& planned, const RowName& name,
                          const std::string& value, LongText longText) {
    const RowLookup lookup = findRow(state.document, state.rows, name);
    if (!lookup.exists()) return skip(planned, Problem::SkippedNoSuchRow);
    if (lookup.editable < 0) {
        // Refused, and why: the first row of the name says.
        const auto row = static_cast<size_t>(lookup.first);
        planned.reports.push_back({Problem::NotEditable, {}});
        planned.reports.push_back({whyNotEditable(state.document, state.rows, row), {}});
        return;
    }
    EditOptions options;
    options.allDate = settings_.allDate;
    options.longText = longText;
    const EditResult edited = applyEdit(state.document, state.rows, state.edits,
                                        static_cast<size_t>(lookup.editable), value, options);
    if (edited.problem != Problem::None) {
        planned.reports.push_back({edited.problem, edited.detail});
        return;
    }
    save(state, planned);
}

void BatchRun::planStripGps(FileState& state, Planned& planned) {
    std::vector<ValueChange> values = planGpsRemoval(state.document);
    if (values.empty()) return skip(planned, Problem::SkippedNoGps);
    const SaveOptions options =
        saveOptionsFor(state.document, state.rows, state.edits, settings_.keepTimes, false);
    keep(planned, planValueWrites(std::move(values), state.document, state.file, options));
}

void BatchRun::planSetOrAdd(FileState& state, Planned& planned, IfdKind ifd,
                            std::span<const uint16_t> tagNumbers, const std::string& value) {
    std::vector<EntryAddition> additions;
    EditOptions options;
    options.longText = settings_.longText;
    for (const uint16_t tag : tagNumbers) {
        RowName name;
        name.ifd = ifd;
        name.number = tag;
        const RowLookup lookup = findRow(state.document, state.rows, name);
        if (lookup.editable >= 0) {
            const EditResult edited =
                applyEdit(state.document, state.rows, state.edits,
                          static_cast<size_t>(lookup.editable), value, options);
            if (edited.problem != Problem::None) {
                planned.reports.push_back({edited.problem, edited.detail});
                return;
            }
            continue;
        }
        if (lookup.exists()) {
            planned.reports.push_back({Problem::NotEditable, {}});
            return;
        }
        AdditionResult added =
            encodeAddition(ifd, *standardTable(ifd)->find(tag), value, state.document.byteOrder);
        if (added.problem != Problem::None) {
            planned.reports.push_back({added.problem, added.detail});
            return;
        }
        additions.push_back(std::move(added.addition));
    }
    if (additions.empty()) return save(state, planned);
    const SaveOptions saveOptions = saveOptionsFor(state.document, state.rows, state.edits,
                                                   settings_.keepTimes, settings_.alignDates);
    const std::vector<uint8_t> head = headForNewSegment(state.document, state.path);
    const SegmentPlan plan = planAdditions(state.document, state.edits, additions, head);
    if (plan.problem != Problem::None) {
        planned.reports.push_back({plan.problem, {}});
        return;
    }
    keep(planned, planSegmentWrite(plan.change, state.file, saveOptions));
    checks_.back() = rewriteCheck(state.document, state.edits, additions);
}

}  // namespace brevino
