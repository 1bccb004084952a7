// A batch run over a list of files: one operation applied file by file, with progress. The
// caller drives it (the desktop application from a timer, the command line in a loop) and
// tells the user what each step answers.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "edit/overwrite_save.h"
#include "exif/leading_bytes.h"

namespace brevino {

enum class BatchOperation {
    RenameByChangeDate,
    RenameByOriginalDate,
    NameToDates,
    AlignTimes,
    NameToTitle,
    SetTag,
};

struct BatchOperationInfo {
    BatchOperation operation;
    std::string_view alias;  // the command line's name
    std::string_view label;  // the batch dialog's text
};

// The operations the batch dialog lists before the tag names, in its order.
inline constexpr std::array<BatchOperationInfo, 5> kBatchOperations = {{
    {BatchOperation::RenameByChangeDate, "rename-by-change-date",
     "Exifのﾌｧｲﾙ変更日時をﾌｧｲﾙ名にする"},
    {BatchOperation::RenameByOriginalDate, "rename-by-original-date",
     "Exifの原画像ﾃﾞｰﾀの生成日時をﾌｧｲﾙ名にする"},
    {BatchOperation::NameToDates, "name-to-dates", "ﾌｧｲﾙ名をExifの日付にする"},
    {BatchOperation::AlignTimes, "align-times", "ﾌｧｲﾙ変更日時に合わせる"},
    {BatchOperation::NameToTitle, "name-to-title", "ﾌｧｲﾙ名をExifの画像ﾀｲﾄﾙにする"},
}};

inline constexpr std::string_view kBatchPromptText = "変更するﾀｸﾞを選択して下さい";
inline constexpr std::string_view kBatchValuePrompt = "変更する値をここに入力して下さい";
inline constexpr std::string_view kBatchCaption = "Batch Convert";

// The operation a dialog label or a command-line alias names; SetTag for any other text,
// which then names the tag to set.
BatchOperation batchOperationFor(std::string_view text);

// "%d / %d file completion."
std::string progressCaption(size_t done, size_t total);

struct BatchSettings {
    bool keepTimes = true;    // a save puts the file's times back
    bool alignDates = false;  // a save aligns dates and times with the file-change date
    bool allDate = false;     // setting one date row sets every date row
};

class BatchRun {
  public:
    enum class State { Idle, Running };

    // What became of one file.
    enum class Outcome {
        Done,     // the operation was carried out (a file already named by its date included)
        Skipped,  // the file lacks what the operation needs (the row, a date)
        Failed,   // it could not be processed: its reports say why
    };

    struct Report {
        Problem problem;
        std::string detail;
    };

    struct Step {
        bool ended = false;
        size_t done = 0;  // files handled so far, this one included
        size_t total = 0;
        std::string path;  // the file handled, as listed before the step
        Outcome outcome = Outcome::Done;
        std::string skipReason;                // for a skipped file, in a few English words
        std::vector<Report> reports;           // why the file failed
        std::optional<std::string> renamedTo;  // the new path when the file was renamed
    };

    // Starts a run over `files` (a renamed file's entry is replaced where it stands); stays
    // Idle for an empty operation text or an empty list.
    bool start(std::vector<std::string>& files, std::string_view operationText,
               std::string_view valueText, const BatchSettings& settings);
    // Handles the next file; after the last one, stops and answers a step that has ended.
    Step step();
    // Ends the run (safe when none is active).
    void stop() { state_ = State::Idle; }

    State state() const { return state_; }
    size_t index() const { return index_; }
    size_t total() const { return total_; }

  private:
    void apply(const std::string& path, Step& step);

    State state_ = State::Idle;
    std::vector<std::string>* files_ = nullptr;
    size_t index_ = 0;
    size_t total_ = 0;
    std::string operationText_;
    std::string valueText_;
    BatchOperation operation_ = BatchOperation::SetTag;
    BatchSettings settings_;
    ByteStore storage_;  // the leading bytes of the file being handled
};

}  // namespace brevino
