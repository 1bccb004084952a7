#include "batch/batch_run.h"

#include "batch/name_dates.h"
#include "batch/renaming.h"
#include "edit/date_rows.h"
#include "edit/overwrite_save.h"
#include "edit/row_editor.h"
#include "edit/row_lookup.h"
#include "exif/analysis.h"
#include "platform/text_encoding.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

constexpr std::string_view kTitleName = "画像タイトル";

std::string cutToInput(std::string_view text) {
    return std::string(text.substr(0, utf8CutLength(text, kInputLimit)));
}

// Keeps what is reported while one file is handled, and passes it on to whoever listened
// to the silenced messages before.
class StepRecorder : public Reporter {
  public:
    StepRecorder(Workspace& workspace, BatchRun::Step& step)
        : workspace_(workspace), step_(step), previous_(workspace.silencedReporter) {
        workspace_.silencedReporter = this;
    }
    ~StepRecorder() override { workspace_.silencedReporter = previous_; }
    StepRecorder(const StepRecorder&) = delete;
    StepRecorder& operator=(const StepRecorder&) = delete;

    void report(std::string_view text, std::string_view caption) override {
        step_.messages.push_back({std::string(caption), std::string(text)});
        if (previous_) previous_->report(text, caption);
    }

  private:
    Workspace& workspace_;
    BatchRun::Step& step_;
    Reporter* previous_;
};

bool hasDateRow(const TagList& rows) {
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!rows.isHeading(r) && isDateEntry(rows.facts(r).ifd, rows.facts(r).tagId)) return true;
    }
    return false;
}

}  // namespace

BatchOperation batchOperationFor(std::string_view text) {
    // Compared in this order; the first equal text decides.
    if (text == kBatchOperationTexts[3]) return BatchOperation::AlignTimes;
    if (text == kBatchOperationTexts[0]) return BatchOperation::RenameByChangeDate;
    if (text == kBatchOperationTexts[1]) return BatchOperation::RenameByOriginalDate;
    if (text == kBatchOperationTexts[2]) return BatchOperation::NameToDates;
    if (text == kBatchOperationTexts[4]) return BatchOperation::NameToTitle;
    return BatchOperation::SetTag;
}

std::string progressCaption(size_t done, size_t total) {
    return std::to_string(done) + " / " + std::to_string(total) + " file completion.";
}

std::string batchConfirmation(size_t files) {
    std::string text(kBatchConfirm);
    text.replace(text.find("%d"), 2, std::to_string(files));
    return text;
}

void alignFileTimes(Workspace& workspace, const std::string& path) {
    FileTimes times;
    if (exifDateToFileTimes(workspace, times) && !setFileTimes(path, times))
        workspace.report(kTimesWriteErrorMessage);
}

bool BatchRun::start(Workspace& workspace, std::string_view operationText,
                     std::string_view valueText) {
    operationText_ = cutToInput(operationText);
    valueText_ = cutToInput(valueText);
    if (operationText_.empty() || workspace.fileList.empty()) return false;
    operation_ = batchOperationFor(operationText_);
    total_ = workspace.fileList.size();
    index_ = 0;
    workspace.messagesEnabled = 0;
    workspace.previewEnabled = 0;
    state_ = State::Running;
    return true;
}

void BatchRun::stop(Workspace& workspace) {
    workspace.messagesEnabled = 1;
    workspace.previewEnabled = 1;
    state_ = State::Idle;
}

BatchRun::Step BatchRun::step(Workspace& workspace) {
    Step result;
    result.total = total_;
    if (state_ != State::Running || index_ >= total_ || index_ >= workspace.fileList.size()) {
        const bool wasRunning = state_ == State::Running;
        stop(workspace);
        if (wasRunning) workspace.report(kBatchCompleted);
        result.ended = true;
        result.done = index_;
        return result;
    }
    result.path = workspace.fileList[index_];
    {
        StepRecorder recorder(workspace, result);
        if (analyzeFile(workspace, result.path) == 1) {
            apply(workspace, result.path, result);
        } else {
            result.outcome = Outcome::Failed;
        }
        // Whatever reported a failure failed the file, whichever step it came from.
        if (result.outcome != Outcome::Skipped && !result.messages.empty())
            result.outcome = Outcome::Failed;
    }
    ++index_;
    result.done = index_;
    return result;
}

void BatchRun::skip(Step& step, std::string_view reason) {
    step.outcome = Outcome::Skipped;
    step.skipReason = reason;
}

void BatchRun::apply(Workspace& workspace, const std::string& path, Step& step) {
    switch (operation_) {
        case BatchOperation::AlignTimes: {
            if (!findRowContent(workspace, kFileChangeDateName))
                return skip(step, "no file-change date");
            FileTimes times;
            if (!exifDateToFileTimes(workspace, times))
                return skip(step, "its file-change date is not a date");
            if (!setFileTimes(path, times)) workspace.report(kTimesWriteErrorMessage);
            return;
        }
        case BatchOperation::RenameByChangeDate:
        case BatchOperation::RenameByOriginalDate: {
            const std::string_view row = operation_ == BatchOperation::RenameByChangeDate
                                             ? kFileChangeDateName
                                             : kOriginalDateName;
            const RenameResult renamed = renameAfterDateRow(workspace, row, path);
            if (renamed.outcome == RenameResult::Outcome::NoRow) return skip(step, "no such date");
            if (renamed.outcome != RenameResult::Outcome::Renamed) return;
            // The list keeps its order: the entry is replaced where it stands.
            workspace.fileList[index_] = renamed.path;
            if (workspace.currentFile == path) workspace.currentFile = renamed.path;
            step.renamedTo = renamed.path;
            return;
        }
        case BatchOperation::NameToDates: {
            if (!hasDateRow(workspace.tagList)) return skip(step, "no date rows");
            const std::optional<std::string> date = exifDateFromName(baseNameOf(path));
            if (!date) {
                workspace.report(kNoDateInNameMessage);
                return;
            }
            setAllDateRows(workspace, *date);
            overwriteSave(workspace, path);
            return;
        }
        case BatchOperation::NameToTitle:
        case BatchOperation::SetTag: {
            const bool title = operation_ == BatchOperation::NameToTitle;
            const RowLookup lookup =
                findRow(workspace, parseRowName(title ? kTitleName : operationText_));
            if (!lookup.exists()) return skip(step, "no such row");
            if (lookup.editable < 0) {
                workspace.report(kNotEditableMessage);
                return;
            }
            const std::string value = title ? baseNameOf(path) : valueText_;
            if (applyRowEdit(workspace, static_cast<size_t>(lookup.editable), value))
                overwriteSave(workspace, path);
            return;
        }
    }
}

}  // namespace brevino
