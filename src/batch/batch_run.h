// A batch run over the file list: one operation applied file by file, with progress.
// The caller drives it (the desktop application from a timer, the CLI in a loop).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workspace/reporter.h"

namespace brevino {

class Workspace;

enum class BatchOperation {
    RenameByChangeDate,
    RenameByOriginalDate,
    NameToDates,
    AlignTimes,
    NameToTitle,
    SetTag,
};

// The five operations as the batch dialog lists them.
inline constexpr std::array<std::string_view, 5> kBatchOperationTexts = {
    "Exifのﾌｧｲﾙ変更日時をﾌｧｲﾙ名にする", "Exifの原画像ﾃﾞｰﾀの生成日時をﾌｧｲﾙ名にする",
    "ﾌｧｲﾙ名をExifの日付にする", "ﾌｧｲﾙ変更日時に合わせる", "ﾌｧｲﾙ名をExifの画像ﾀｲﾄﾙにする"};
inline constexpr std::string_view kBatchPromptText = "変更するﾀｸﾞを選択して下さい";
inline constexpr std::string_view kBatchValuePrompt = "変更する値をここに入力して下さい";
inline constexpr std::string_view kBatchCaption = "Batch Convert";
inline constexpr std::string_view kBatchCompleted = "一括変換完了しました。";
inline constexpr std::string_view kBatchConfirm = "%d 個のﾌｧｲﾙを変更します。よろしいですか？";
inline constexpr std::string_view kNoDateInNameMessage = "ﾌｧｲﾙ名から日付を読み取れません。";

// Any text that is not one of the five operation texts sets the tag of that name.
BatchOperation batchOperationFor(std::string_view text);

// "%d / %d file completion."
std::string progressCaption(size_t done, size_t total);

// The question asked before a run over `files` files.
std::string batchConfirmation(size_t files);

// Sets the file's times from its file-change date row, when that holds a valid date.
void alignFileTimes(Workspace& workspace, const std::string& path);

class BatchRun {
  public:
    enum class State { Idle, Running };

    // What became of one file.
    enum class Outcome {
        Done,     // the operation was carried out (a file already named by its date included)
        Skipped,  // the file lacks what the operation needs (the row, a date)
        Failed,   // it could not be processed: its messages say why
    };

    struct ReportedMessage {
        std::string caption;
        std::string text;
    };

    struct Step {
        bool ended = false;
        size_t done = 0;  // files handled so far, this one included
        size_t total = 0;
        std::string path;  // the file handled, as listed before the step
        Outcome outcome = Outcome::Done;
        std::string skipReason;                 // for a skipped file, in a few English words
        std::vector<ReportedMessage> messages;  // reported while the file was handled
        std::optional<std::string> renamedTo;   // the new path when the file was renamed
    };

    // Starts a run over the workspace's file list; stays Idle for an empty operation text or
    // an empty list. Messages and preview loading are off while the run lasts.
    bool start(Workspace& workspace, std::string_view operationText, std::string_view valueText);
    // Handles the next file; after the last one, stops and reports completion.
    Step step(Workspace& workspace);
    // Ends the run (safe when none is active); messages and previews come back on.
    void stop(Workspace& workspace);

    State state() const { return state_; }
    size_t index() const { return index_; }
    size_t total() const { return total_; }

  private:
    void apply(Workspace& workspace, const std::string& path, Step& step);
    void skip(Step& step, std::string_view reason);

    State state_ = State::Idle;
    size_t index_ = 0;
    size_t total_ = 0;
    std::string operationText_;
    std::string valueText_;
    BatchOperation operation_ = BatchOperation::SetTag;
};

}  // namespace brevino
