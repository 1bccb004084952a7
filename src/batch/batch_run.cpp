#include "batch/batch_run.h"

#include "batch/name_dates.h"
#include "batch/renaming.h"
#include "edit/date_rows.h"
#include "edit/editing.h"
#include "edit/row_lookup.h"
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
                     std::string_view valueText, const BatchSettings& settings) {
    operationText_ = cutToInput(operationText);
    valueText_ = cutToInput(valueText);
    if (operationText_.empty() || files.empty()) return false;
    operation_ = batchOperationFor(operationText_);
    files_ = &files;
    settings_ = settings;
    total_ = files.size();
    index_ = 0;
    state_ = State::Running;
    return true;
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
    apply(result.path, result);
    if (!result.reports.empty()) result.outcome = Outcome::Failed;
    ++index_;
    result.done = index_;
    return result;
}

void BatchRun::apply(const std::string& path, Step& step) {
    const FileAnalysis analysis = analyzeFile(path, storage_);
    if (!analysis.document.walked() || !analysis.file) {
        step.reports.push_back({analysis.document.problem, {}});
        return;
    }
    FileState state{analysis.document, *analysis.file, {}, {}};
    state.rows.build(state.document);
    auto skip = [&](std::string_view reason) {
        step.outcome = Outcome::Skipped;
        step.skipReason = reason;
    };
    auto save = [&](std::optional<timespec> setTimes = std::nullopt) {
        SaveOptions options;
        options.keepTimes = settings_.keepTimes;
        options.setTimes = setTimes;
        if (settings_.alignDates) {
            if (auto aligned = alignDatesWithChangeDate(state.document, state.rows, state.edits))
                options.setTimes = aligned;
        }
        const SaveResult saved = saveEdits(state.document, state.edits, state.file, options);
        for (Problem problem : saved.problems)
            step.reports.push_back({problem, {}});
    };
    switch (operation_) {
        case BatchOperation::AlignTimes: {
            const auto date =
                dateRowContent(state.document, state.rows, state.edits, tags::kDateTime);
            if (!date) return skip("no file-change date");
            const std::optional<timespec> time = exifDateToTime(*date);
            if (!time) return skip("its file-change date is not a date");
            // The dates are shown aligned, but only the times are written.
            FileTimes times = state.file.times;
            times.access = times.modification = *time;
            if (!setFileTimes(path, times)) step.reports.push_back({Problem::TimesWriteError, {}});
            return;
        }
        case BatchOperation::RenameByChangeDate:
        case BatchOperation::RenameByOriginalDate: {
            const uint16_t tag = operation_ == BatchOperation::RenameByChangeDate
                                     ? tags::kDateTime
                                     : tags::kDateTimeOriginal;
            const auto date = dateRowContent(state.document, state.rows, state.edits, tag);
            if (!date) return skip("no such date");
            const RenameResult renamed = renameAfterDate(path, *date);
            if (renamed.outcome == RenameResult::Outcome::Failed)
                step.reports.push_back({Problem::RenameFailed, {}});
            if (renamed.outcome != RenameResult::Outcome::Renamed) return;
            // The list keeps its order: the entry is replaced where it stands.
            (*files_)[index_] = renamed.path;
            step.renamedTo = renamed.path;
            return;
        }
        case BatchOperation::NameToDates: {
            if (!hasDateRow(state)) return skip("no date rows");
            const std::optional<std::string> date = exifDateFromName(baseNameOf(path));
            if (!date) {
                step.reports.push_back({Problem::NoDateInName, {}});
                return;
            }
            setAllDateRows(state.document, state.rows, state.edits, *date);
            return save();
        }
        case BatchOperation::NameToTitle:
        case BatchOperation::SetTag: {
            const bool title = operation_ == BatchOperation::NameToTitle;
            RowName name;
            if (title) {
                name.number = tags::kImageDescription;
            } else {
                name = parseRowName(operationText_);
            }
            const RowLookup lookup = findRow(state.document, state.rows, name);
            if (!lookup.exists()) return skip("no such row");
            if (lookup.editable < 0) {
                step.reports.push_back({Problem::NotEditable, {}});
                return;
            }
            EditOptions options;
            options.allDate = settings_.allDate;
            const std::string value = title ? baseNameOf(path) : valueText_;
            const EditResult edited =
                applyEdit(state.document, state.rows, state.edits,
                          static_cast<size_t>(lookup.editable), value, options);
            if (edited.problem != Problem::None) {
                step.reports.push_back({edited.problem, std::to_string(edited.limit)});
                return;
            }
            return save();
        }
    }
}

}  // namespace brevino
