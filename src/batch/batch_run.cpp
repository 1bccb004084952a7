#include "batch/batch_run.h"

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

int setTagContent(Workspace& workspace, std::string_view name, std::string_view text) {
    const RowLookup lookup = findRowByTagName(workspace, name);
    if (lookup.editable < 0) return 0;
    workspace.tagList.setContent(static_cast<size_t>(lookup.editable), text);
    return 1;
}

void alignFileTimes(Workspace& workspace, const std::string& path) {
    FileTimes times;
    if (exifDateToFileTimes(workspace, times)) setFileTimes(path, times);
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
    const std::string path = workspace.fileList[index_];
    if (analyzeFile(workspace, path) == 1) apply(workspace, path, result);
    ++index_;
    result.done = index_;
    return result;
}

void BatchRun::apply(Workspace& workspace, const std::string& path, Step& step) {
    switch (operation_) {
        case BatchOperation::AlignTimes:
            alignFileTimes(workspace, path);
            break;
        case BatchOperation::RenameByChangeDate:
        case BatchOperation::RenameByOriginalDate: {
            const std::string_view row = operation_ == BatchOperation::RenameByChangeDate
                                             ? kFileChangeDateName
                                             : kOriginalDateName;
            std::optional<std::string> renamed = renameAfterDateRow(workspace, row, path);
            if (!renamed || *renamed == path) break;
            // The list keeps its order: the entry is replaced where it stands.
            workspace.fileList[index_] = *renamed;
            if (workspace.currentFile == path) workspace.currentFile = *renamed;
            step.renamedTo = *renamed;
            break;
        }
        case BatchOperation::NameToDates:
            setAllDateRows(workspace, baseNameOf(path));
            overwriteSave(workspace, path);
            break;
        case BatchOperation::NameToTitle:
            if (setTagContent(workspace, kTitleName, baseNameOf(path)))
                overwriteSave(workspace, path);
            break;
        case BatchOperation::SetTag:
            if (setTagContent(workspace, operationText_, valueText_))
                overwriteSave(workspace, path);
            break;
    }
}

}  // namespace brevino
