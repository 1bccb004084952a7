// A batch run over a list of files: one operation applied file by file, with progress. The
// whole run is planned first (every file analysed, every change worked out) and recorded in
// the journal before the first file is written; then the caller drives it (the desktop
// application from a timer, the command line in a loop) and tells the user what each step
// answers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/entry_changes.h"
#include "edit/overwrite_save.h"
#include "edit/row_lookup.h"
#include "edit/value_input.h"
#include "exif/analysis.h"
#include "journal/change.h"
#include "journal/journal_store.h"

namespace brevino {

enum class BatchOperation {
    RenameByChangeDate,
    RenameByOriginalDate,
    NameToDates,
    AlignTimes,
    NameToTitle,
    ShiftDates,
    StripGps,
    SetAuthor,
    SetCopyright,
    SetOffset,
    SetTag,
};

struct BatchOperationInfo {
    BatchOperation operation;
    std::string_view alias;  // the command line's name
    std::string_view label;  // the batch dialog's text
    std::string_view englishLabel;
};

// The operations the batch dialog lists before the tag names, in its order.
inline constexpr std::array<BatchOperationInfo, 10> kBatchOperations = {{
    {BatchOperation::RenameByChangeDate, "rename-by-change-date",
     "Exifのﾌｧｲﾙ変更日時をﾌｧｲﾙ名にする", "Rename files by their Exif date/time"},
    {BatchOperation::RenameByOriginalDate, "rename-by-original-date",
     "Exifの原画像ﾃﾞｰﾀの生成日時をﾌｧｲﾙ名にする", "Rename files by their Exif date/time original"},
    {BatchOperation::NameToDates, "name-to-dates", "ﾌｧｲﾙ名をExifの日付にする",
     "Set the Exif dates from the file names"},
    {BatchOperation::AlignTimes, "align-times", "ﾌｧｲﾙ変更日時に合わせる",
     "Align with the file's modification time"},
    {BatchOperation::NameToTitle, "name-to-title", "ﾌｧｲﾙ名をExifの画像ﾀｲﾄﾙにする",
     "Set the Exif image title from the file names"},
    {BatchOperation::ShiftDates, "shift-dates", "日付をずらす", "Shift the dates"},
    {BatchOperation::StripGps, "strip-gps", "位置情報を削除", "Delete the GPS position"},
    {BatchOperation::SetAuthor, "set-author", "作成者を設定", "Set the author"},
    {BatchOperation::SetCopyright, "set-copyright", "著作権者を設定", "Set the copyright"},
    {BatchOperation::SetOffset, "set-offset", "時差を設定", "Set the time offset"},
}};

// The operation's text in the language of the texts.
std::string_view batchOperationText(const BatchOperationInfo& info);
// "変更するﾀｸﾞを選択して下さい": the batch dialog's prompt for an operation or a tag.
std::string_view batchPromptText();
// "変更する値をここに入力して下さい": its prompt for the value to set.
std::string_view batchValuePrompt();
inline constexpr std::string_view kBatchCaption = "Batch Convert";

// The operation a dialog label (in either language) or a command-line alias names; SetTag for
// any other text,
// which then names the tag to set.
BatchOperation batchOperationFor(std::string_view text);

// "%d / %d file completion."
std::string progressCaption(size_t done, size_t total);

struct BatchSettings {
    bool keepTimes = true;    // a save puts the file's times back
    bool alignDates = false;  // a save aligns dates and times with the file-change date
    bool allDate = false;     // setting one date row sets every date row
    std::string zone;         // shifting dates: "±HH:MM" for the time-zone offsets, or none
    // Setting a tag: a value too long for a file's field is refused for that file, unless
    // cutting it is asked for.
    LongText longText = LongText::Refuse;
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
        Problem skipReason = Problem::None;    // for a skipped file: why
        std::vector<Report> reports;           // why the file failed
        std::vector<Report> notes;             // told, though the file was handled
        std::optional<std::string> renamedTo;  // the new path when the file was renamed
    };

    // Plans a run over `files` (a renamed file's entry is replaced where it stands) and,
    // with a journal, records it before anything is written. Stays Idle for an empty
    // operation text or an empty list, an offset that is none (ShiftForm) or a journal that
    // cannot be written (JournalWriteError): see startProblem().
    bool start(std::vector<std::string>& files, std::string_view operationText,
               std::string_view valueText, const BatchSettings& settings,
               JournalStore* journal = nullptr);
    // The two halves of start(), for a caller that asks the user in between: plan() works
    // out the whole run and writes nothing; begin() records it and makes it Running.
    bool plan(std::vector<std::string>& files, std::string_view operationText,
              std::string_view valueText, const BatchSettings& settings);
    bool begin(JournalStore* journal = nullptr);
    Problem startProblem() const { return startProblem_; }

    // After plan(): the first file that refuses the typed value (a text too long for its
    // field, a number out of range or no number, no date), and why; nothing when every file
    // takes it.
    struct Refusal {
        std::string path;
        Report report;
    };
    std::optional<Refusal> refusedValue() const;
    // After plan(): how many files the run changes (their bytes, names or times).
    size_t changedFiles() const { return operation_.files.size(); }
    // The operation as planned (its text, without the value).
    const std::string& operationText() const { return operationText_; }
    // Handles the next file; after the last one, stops and answers a step that has ended.
    Step step();
    // Ends the run (safe when none is active); the journal records what was done.
    void stop();

    State state() const { return state_; }
    size_t index() const { return index_; }
    size_t total() const { return total_; }
    // The run's number in the journal; 0 without one.
    uint64_t operationId() const { return operation_.id; }

    struct FileState;

  private:
    // What the plan says of one file.
    struct Planned {
        Outcome outcome = Outcome::Done;
        Problem skipReason = Problem::None;
        std::vector<Report> reports;
        std::vector<Report> notes;
        size_t change = SIZE_MAX;  // its change in the operation, if any
    };

    // Works out what the run does to one file; one function an operation.
    void planFile(const std::string& path, Planned& planned);
    void planAlignTimes(FileState& state, Planned& planned);
    void planRename(FileState& state, Planned& planned, uint16_t dateTag);
    void planNameToDates(FileState& state, Planned& planned);
    void planShiftDates(FileState& state, Planned& planned);
    void planSetRow(FileState& state, Planned& planned, const RowName& name,
                    const std::string& value, LongText longText);
    void planStripGps(FileState& state, Planned& planned);
    // Sets standard tags, editing those the file has and adding those it lacks.
    void planSetOrAdd(FileState& state, Planned& planned, IfdKind ifd,
                      std::span<const uint16_t> tags, const std::string& value);
    // A file left alone, a change kept in the run's operation, and the save of the edits made.
    static void skip(Planned& planned, Problem reason);
    void keep(Planned& planned, FileChange change);
    void save(FileState& state, Planned& planned);

    State state_ = State::Idle;
    std::vector<std::string>* files_ = nullptr;
    size_t index_ = 0;
    size_t total_ = 0;
    std::string operationText_;
    std::string valueText_;
    BatchOperation kind_ = BatchOperation::SetTag;
    BatchSettings settings_;
    int64_t shift_ = 0;  // seconds, for ShiftDates
    Problem startProblem_ = Problem::None;
    std::vector<Planned> planned_;
    bool planReady_ = false;  // plan() succeeded and begin() has not run yet
    Operation operation_;     // every change of the run, as the journal records it
    // For each change that writes a segment anew, what the written file must pass.
    std::vector<RewriteCheck> checks_;
    JournalStore* journal_ = nullptr;
    std::set<std::string> reservedNames_;  // new names given to files of this run
    FileAnalysis analysis_;                // of the file being planned
};

}  // namespace brevino
