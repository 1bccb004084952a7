// One session over the core: the analysed file (its document, rows and edits), the file
// list, the current file and folder, the settings, and the hooks through which the session
// tells and asks its user. The desktop application shows one; the command line and the
// tests make their own.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/edits.h"
#include "edit/entry_changes.h"
#include "edit/overwrite_save.h"
#include "edit/value_input.h"
#include "exif/analysis.h"
#include "exif/row_list.h"
#include "journal/journal_store.h"
#include "workspace/messages.h"
#include "workspace/prepared_file.h"
#include "workspace/reporter.h"
#include "workspace/settings.h"

namespace brevino {

class Workspace {
  public:
    std::vector<std::string> fileList;
    std::string currentFile;
    std::string currentFolder;
    Settings settings;

    Reporter* reporter = nullptr;
    InputPrompt* inputPrompt = nullptr;
    Questioner* questioner = nullptr;  // none: every question is answered Yes
    // Where saves and imports record what they change before they write, for undo; none:
    // nothing is recorded.
    JournalStore* journal = nullptr;
    // How the journal names a save (Set on the command line).
    OperationKind saveKind = OperationKind::Save;

    // Analyses the file and shows its rows; reports why when it cannot. A file refused by
    // name and content leaves the previous rows as they were.
    bool analyze(const std::string& path);
    // The same over bytes that stand for a whole file (tests and fuzzers): nothing to save.
    bool analyzeBytes(std::span<const uint8_t> bytes);
    // Takes over a file analysed ahead of time as if it were analysed now (reports the same).
    // The caller has made sure the file is still as it was then.
    bool adoptAnalysis(PreparedFile& prepared);
    // Forgets the analysed file.
    void clearAnalysis();

    const Document& document() const { return document_; }
    const RowList& rows() const { return rows_; }
    // Makes the rows again from the document, in the language of the texts as it is now; edits
    // not yet saved stay, since they belong to entries, not to the rows' texts.
    void rebuildRows();
    const Edits& edits() const { return edits_; }
    const std::optional<AnalysedFile>& analysedFile() const { return file_; }

    size_t rowCount() const { return rows_.size(); }
    bool isHeading(size_t row) const { return rows_.isHeading(row); }
    // A cell as it stands, the content with its edit.
    std::string_view cell(size_t row, Column column) const;
    bool isEditable(size_t row) const;
    bool isEdited(size_t row) const;
    // Edits not yet saved.
    bool hasUnsavedEdits() const { return !edits_.empty(); }
    // Before the analysed file is left: with unsaved edits, asks whether to save them (Save,
    // Discard, Cancel) and saves or forgets them. Answers whether the file may be left: not
    // after Cancel, nor when the save failed.
    bool settleUnsavedEdits();
    // Forgets the edits; the rows show the analysed contents again.
    void discardEdits();
    // Takes back the latest unsaved edit (one typed value, with the date rows it set along);
    // false when there is none.
    bool undoEdit();
    bool canUndoEdit() const { return !editHistory_.empty(); }

    // Edits a row through the input prompt (the dialog's 255-byte limit applies). A text the
    // row cannot take is refused with its message and asked for again, as it was typed.
    void editRow(size_t row);
    // Applies a typed text to a row; reports a refusal.
    bool setRow(size_t row, std::string_view input, LongText longText = LongText::Cut);
    // The message that refuses `input` for the row (a text too long for its field included),
    // or empty when the row takes it.
    std::string refusal(size_t row, std::string_view input) const;
    // What the input dialog shows and checks while the row's value is typed.
    InputField inputField(size_t row) const;

    // Writes the edits into the current file, which must be the analysed file, unchanged;
    // keeps or sets its times as the settings say. Reports failures, not the success. After
    // a save the rows show what the file now holds.
    bool save();
    // The same with standard entries added: the JPEG's Exif segment is written anew beside
    // the file, read back and checked before it takes the file's place. Reports each entry
    // added.
    bool saveWith(std::span<const EntryAddition> additions);
    // The addition of a standard entry the analysed file lacks, typed as `input` says; or
    // nothing, with the reason reported.
    std::optional<EntryAddition> addition(IfdKind ifd, uint16_t tag, std::string_view input);
    // Removes the entries of the rows in place, at once (after saving unsaved edits); rows
    // that cannot be removed are refused before anything is written. Reports each removal.
    bool removeRows(std::span<const size_t> rows);
    // Removes the GPS position: the pointer to the GPS IFD and the IFD with all its values.
    bool removeGps();
    // Whether the current file can be exported from (or imported into); reports why not.
    bool readyToExport();
    bool readyToImport();
    bool exportTo(const std::string& target);
    bool importFrom(const std::string& sidePath);

    void report(Problem problem, std::string_view detail = {});
    void report(std::string_view text, std::string_view caption = kCaptionMessage);
    // A message about another file than the current one.
    void reportAbout(const std::string& path, Problem problem);
    Answer ask(std::string_view text, Choices choices = Choices::YesNo,
               std::string_view caption = kCaptionMessage);

  private:
    bool isAnalysedCurrentFile() const;
    void takeAnalysis(FileAnalysis analysis);
    // Journals and writes a planned change of the analysed file (the change as carried out
    // is left in `change`), reporting each failure; nothing when the journal cannot record it.
    std::optional<SaveResult> journalled(FileChange& change, const RewriteCheck& check);
    // The same, then reads the file again.
    bool carryOut(FileChange change, const RewriteCheck& check);

    Document document_;  // holds the bytes of the file it was read from
    RowList rows_;
    Edits edits_;
    // One unsaved edit: the entries it touched and what their edits were before it (none:
    // not edited).
    using EditStep = std::vector<std::pair<size_t, std::optional<EncodedValue>>>;
    std::vector<EditStep> editHistory_;  // oldest first
    std::optional<AnalysedFile> file_;
    // The notes of unsaved values, by row, as cell() last worked them out.
    mutable std::map<size_t, std::string> editedNotes_;
};

}  // namespace brevino
