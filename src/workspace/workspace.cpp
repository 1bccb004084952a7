#include "workspace/workspace.h"

#include <algorithm>

#include "app1/app1_transfer.h"
#include "edit/date_rows.h"
#include "edit/editing.h"
#include "edit/overwrite_save.h"
#include "exif/value_notes.h"
#include "journal/change_apply.h"
#include "platform/file_io.h"
#include "platform/text_encoding.h"
#include "tags/tag_roles.h"
#include "tags/tag_translation.h"

namespace brevino {
namespace {

// How many unsaved edits can be taken back one by one.
constexpr size_t kEditHistoryLimit = 100;

std::string cutAtWholeCharacter(std::string_view text, size_t limit) {
    return std::string(text.substr(0, utf8CutLength(text, limit)));
}

bool sameValue(const EncodedValue* a, const EncodedValue* b) {
    if (a == nullptr || b == nullptr) return a == b;
    return a->text == b->text && a->bytes == b->bytes;
}

}  // namespace

void Workspace::takeAnalysis(FileAnalysis analysis) {
    document_ = std::move(analysis.document);
    file_ = std::move(analysis.file);
    edits_.clear();
    editHistory_.clear();
    if (document_.walked()) {
        rows_.build(document_);
    } else {
        rows_.clear();
    }
}

void Workspace::rebuildRows() {
    if (document_.walked()) rows_.build(document_);
}

bool Workspace::analyze(const std::string& path) {
    FileAnalysis analysis = analyzeFile(path);
    // Refused before anything is read: the previous rows stay.
    if (analysis.document.problem == Problem::NotAnalyzable) {
        report(Problem::NotAnalyzable);
        return false;
    }
    takeAnalysis(std::move(analysis));
    if (document_.problem != Problem::None) report(document_.problem);
    return document_.walked();
}

bool Workspace::adoptAnalysis(PreparedFile& prepared) {
    document_ = std::move(prepared.analysis.document);
    file_ = std::move(prepared.analysis.file);
    std::swap(rows_, prepared.rows);
    edits_.clear();
    editHistory_.clear();
    if (document_.problem != Problem::None) report(document_.problem);
    return document_.walked();
}

bool Workspace::analyzeBytes(std::span<const uint8_t> bytes) {
    FileAnalysis analysis;
    analysis.document = brevino::analyzeBytes(bytes);
    takeAnalysis(std::move(analysis));
    if (document_.problem != Problem::None) report(document_.problem);
    return document_.walked();
}

void Workspace::clearAnalysis() {
    takeAnalysis(FileAnalysis{});
}

std::string_view Workspace::cell(size_t row, Column column) const {
    if (column == Column::Content) return contentOf(rows_, edits_, row);
    if (column == Column::Note && !rows_.isHeading(row)) {
        // An unsaved value shows the note of what was typed, not of what the file holds.
        const Entry& entry = document_.entries[rows_.entryIndex(row)];
        const EncodedValue* edit = edits_.find(rows_.entryIndex(row));
        const TagDef* tag = edit ? document_.tagOf(entry) : nullptr;
        if (tag != nullptr) {
            std::string note(codedNote(*tag, entry, edit->bytes));
            if (note.empty()) appendDerivedNote(*tag, entry, edit->bytes, note);
            return editedNotes_[row] = std::move(note);
        }
    }
    return rows_.cell(row, column);
}

bool Workspace::isEditable(size_t row) const {
    return isEditableRow(document_, rows_, row);
}

bool Workspace::isEdited(size_t row) const {
    return !rows_.isHeading(row) && edits_.find(rows_.entryIndex(row)) != nullptr;
}

bool Workspace::settleUnsavedEdits() {
    if (!hasUnsavedEdits()) return true;
    switch (ask(questionText(Question::UnsavedEdits), Choices::SaveDiscardCancel)) {
        case Answer::Yes:
            return save();
        case Answer::No:
            discardEdits();
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

void Workspace::discardEdits() {
    edits_.clear();
    editHistory_.clear();
}

bool Workspace::undoEdit() {
    if (editHistory_.empty()) return false;
    for (auto& [entry, value] : editHistory_.back()) {
        if (value) {
            edits_.set(entry, std::move(*value));
        } else {
            edits_.erase(entry);
        }
    }
    editHistory_.pop_back();
    return true;
}

void Workspace::editRow(size_t row) {
    if (!isEditable(row)) {
        report(Problem::NotEditable);
        return;
    }
    if (inputPrompt == nullptr) return;
    const std::string caption = cutAtWholeCharacter(rows_.cell(row, Column::Tag), kInputLimit);
    const std::string initial = cutAtWholeCharacter(cell(row, Column::Content), kInputLimit);
    const InputField field = inputField(row);
    std::string shown = initial;
    for (;;) {
        std::optional<std::string> answer = inputPrompt->prompt(caption, shown, field);
        if (!answer) return;
        const std::string input = cutAtWholeCharacter(*answer, kInputLimit);
        // OK on an unchanged text changes nothing: a long cell must not be cut by the dialog.
        if (input == initial) return;
        // A text too long for its field is refused, never cut: the user sees what is kept.
        if (setRow(row, input, LongText::Refuse)) return;
        shown = input;  // asked again with the text as typed
    }
}

bool Workspace::setRow(size_t row, std::string_view input, LongText longText) {
    EditOptions options;
    options.allDate = settings.editsAllDates();
    options.longText = longText;
    // What the entries the edit may touch held before it: the row's own, and with AllDate
    // every date entry.
    EditStep before;
    auto keep = [&](size_t index) {
        const EncodedValue* value = edits_.find(index);
        before.emplace_back(index, value ? std::optional<EncodedValue>(*value) : std::nullopt);
    };
    if (row < rows_.size() && !rows_.isHeading(row)) {
        const size_t own = rows_.entryIndex(row);
        const Entry& entry = document_.entries[own];
        if (options.allDate && tags::isDate(entry.ifd, entry.tag)) {
            for (size_t index = 0; index < document_.entries.size(); ++index) {
                const Entry& other = document_.entries[index];
                if (tags::isDate(other.ifd, other.tag)) keep(index);
            }
        } else {
            keep(own);
        }
    }
    const EditResult result = applyEdit(document_, rows_, edits_, row, input, options);
    if (result.problem != Problem::None) {
        report(result.problem, result.detail);
        return false;
    }
    const bool changed = std::any_of(before.begin(), before.end(), [&](const auto& each) {
        return !sameValue(each.second ? &*each.second : nullptr, edits_.find(each.first));
    });
    if (changed) {
        if (editHistory_.size() >= kEditHistoryLimit) editHistory_.erase(editHistory_.begin());
        editHistory_.push_back(std::move(before));
    }
    return true;
}

std::string Workspace::refusal(size_t row, std::string_view input) const {
    if (!isEditable(row)) return messageText(Problem::NotEditable);
    if (input == cell(row, Column::Content)) return {};
    const InputResult encoded =
        encodeInput(document_.entries[rows_.entryIndex(row)], input, LongText::Refuse);
    if (encoded.problem == Problem::None) return {};
    return messageText(encoded.problem, encoded.detail);
}

InputField Workspace::inputField(size_t row) const {
    InputField field;
    if (!isEditable(row)) return field;
    const Entry& entry = document_.entries[rows_.entryIndex(row)];
    field.byteLimit = textLimit(entry);
    field.range = valueRange(entry);
    field.refusal = [this, row](std::string_view input) { return refusal(row, input); };
    return field;
}

bool Workspace::isAnalysedCurrentFile() const {
    return file_ && !currentFile.empty() && file_->path == currentFile;
}

bool Workspace::save() {
    if (document_.location.exifEnd == 0 || !isAnalysedCurrentFile()) {
        report(Problem::OpenFirstToSave);
        return false;
    }
    const SaveOptions options =
        saveOptionsFor(document_, rows_, edits_, settings.keepsTimes(), settings.alignsDates());
    FileChange change = planSave(document_, edits_, *file_, options);
    const std::optional<SaveResult> written = journalled(change, {});
    if (!written) return false;
    const SaveResult& result = *written;
    if (!result.ok) {
        // What was written stays written; the rows keep the edits that were asked for.
        if (result.file) file_ = result.file;
        return false;
    }
    // The file now holds the edited values: so do the bytes the rows are made from.
    for (const ValueChange& value : change.values)
        document_.held.overwrite(value.position, value.after);
    edits_.clear();
    editHistory_.clear();
    rows_.build(document_);
    file_ = result.file;
    return true;
}

bool Workspace::saveWith(std::span<const EntryAddition> additions) {
    if (additions.empty()) return save();
    if (!isAnalysedCurrentFile() ||
        (document_.location.exifEnd == 0 && document_.problem != Problem::NoExifSegment)) {
        report(Problem::OpenFirstToSave);
        return false;
    }
    const SaveOptions options =
        saveOptionsFor(document_, rows_, edits_, settings.keepsTimes(), settings.alignsDates());
    const std::vector<uint8_t> head = headForNewSegment(document_, file_->path);
    const SegmentPlan plan = planAdditions(document_, edits_, additions, head);
    if (plan.problem != Problem::None) {
        report(plan.problem);
        return false;
    }
    const RewriteCheck check = rewriteCheck(document_, edits_, additions);
    if (!carryOut(planSegmentWrite(plan.change, *file_, options), check)) return false;
    for (const EntryAddition& each : additions) {
        const TagDef* tag = standardTable(each.ifd)->find(each.tag);
        report(Problem::EntryAdded, tag ? displayName(*tag) : "");
    }
    return true;
}

std::optional<EntryAddition> Workspace::addition(IfdKind ifd, uint16_t tag,
                                                 std::string_view input) {
    const TagTable* table = standardTable(ifd);
    const TagDef* def = table ? table->find(tag) : nullptr;
    if (def == nullptr || document_.find(ifd, tag) != nullptr) {
        report(Problem::NotEditable);
        return std::nullopt;
    }
    AdditionResult result = encodeAddition(ifd, *def, input, document_.byteOrder);
    if (result.problem != Problem::None) {
        report(result.problem, result.detail);
        return std::nullopt;
    }
    return std::move(result.addition);
}

bool Workspace::removeRows(std::span<const size_t> rows) {
    if (!isAnalysedCurrentFile() || !document_.walked()) {
        report(Problem::OpenFirstToSave);
        return false;
    }
    std::vector<size_t> entries;
    for (const size_t row : rows) {
        if (row >= rows_.size() || rows_.isHeading(row) ||
            whyNotRemovable(document_, document_.entries[rows_.entryIndex(row)]) != Problem::None) {
            report(Problem::NotRemovable);
            return false;
        }
        entries.push_back(rows_.entryIndex(row));
    }
    if (entries.empty()) return true;
    std::vector<std::string> names;
    for (const size_t row : rows)
        names.emplace_back(rows_.cell(row, Column::Tag));
    if (hasUnsavedEdits() && !save()) return false;
    const SaveOptions options =
        saveOptionsFor(document_, rows_, edits_, settings.keepsTimes(), false);
    if (!carryOut(planValueWrites(planRemoval(document_, entries), document_, *file_, options), {}))
        return false;
    for (const std::string& name : names)
        report(Problem::EntryRemoved, name);
    return true;
}

bool Workspace::removeGps() {
    if (!isAnalysedCurrentFile() || !document_.walked()) {
        report(Problem::OpenFirstToSave);
        return false;
    }
    if (hasUnsavedEdits() && !save()) return false;
    std::vector<ValueChange> values = planGpsRemoval(document_);
    const bool hasGps = std::any_of(document_.sections.begin(), document_.sections.end(),
                                    [](const Section& each) { return each.ifd == IfdKind::Gps; });
    if (values.empty() && !hasGps) return true;  // no position to remove
    if (values.empty()) {
        report(Problem::NotRemovable);
        return false;
    }
    const SaveOptions options =
        saveOptionsFor(document_, rows_, edits_, settings.keepsTimes(), false);
    if (!carryOut(planValueWrites(std::move(values), document_, *file_, options), {})) return false;
    report(Problem::EntryRemoved, inTextLanguage("位置情報", "the GPS position"));
    return true;
}

std::optional<SaveResult> Workspace::journalled(FileChange& change, const RewriteCheck& check) {
    Operation operation;
    operation.kind = saveKind;
    operation.title = std::string(fileNameOf(file_->path));
    operation.files.push_back(change);
    FileChange& planned = operation.files.back();
    // What is about to change is on record before it is written; a change that writes
    // nothing (no value, no times) leaves no record.
    const bool changes = !planned.values.empty() || planned.segment || planned.newTimes;
    if (journal && changes && !journal->begin(operation)) {
        report(Problem::JournalWriteError);
        return std::nullopt;
    }
    SaveResult result = carryOutSave(planned, check);
    // Only what wrote is kept: a change that could not open the file leaves no record.
    if (journal && changes) {
        if (result.wrote) {
            journal->finish(operation);
        } else {
            journal->discard(operation);
        }
    }
    for (Problem problem : result.problems)
        report(problem);
    change = std::move(planned);
    return result;
}

bool Workspace::carryOut(FileChange planned, const RewriteCheck& check) {
    const std::optional<SaveResult> result = journalled(planned, check);
    if (!result || !result->ok) return false;
    // The rows show what the file now holds.
    takeAnalysis(analyzeFile(planned.path));
    return true;
}

bool Workspace::readyToExport() {
    if (!isAnalysedCurrentFile()) {
        report(Problem::OpenFirstToExport);
        return false;
    }
    const ExifLocation& location = document_.location;
    if (location.exifEnd == 0 || location.exifEnd == location.exifStart) {
        report(Problem::NoExif);
        return false;
    }
    return true;
}

bool Workspace::readyToImport() {
    if (!isAnalysedCurrentFile()) {
        report(Problem::OpenFirstToImport);
        return false;
    }
    return true;
}

bool Workspace::exportTo(const std::string& target) {
    if (!readyToExport()) return false;
    const TransferResult result = exportApp1(*file_, document_, target);
    if (result.problem != Problem::None) {
        report(result.problem);
        return false;
    }
    report(Problem::Exported, result.path);
    return true;
}

bool Workspace::importFrom(const std::string& sidePath) {
    if (!readyToImport()) return false;
    // The import makes a new file: the journal records it, so that undo can remove it.
    Operation operation;
    operation.kind = OperationKind::Import;
    operation.title = std::string(fileNameOf(sidePath));
    FileChange& made = operation.files.emplace_back();
    made.path = importOutputStem(file_->path) + ".jpg";
    made.made = true;
    if (journal && !journal->begin(operation)) {
        report(Problem::JournalWriteError);
        return false;
    }
    const TransferResult result = importApp1(*file_, document_.location, sidePath);
    if (result.problem != Problem::None) {
        // Nothing was made: nothing to record.
        if (journal) journal->discard(operation);
        if (result.aboutSideFile) {
            reportAbout(sidePath, result.problem);
        } else {
            report(result.problem);
        }
        return false;
    }
    if (journal) {
        made.path = result.path;
        applyChange(made);  // notes the facts of the file made, for undo
        journal->finish(operation);
    }
    report(Problem::Imported, result.path);
    return true;
}

void Workspace::report(Problem problem, std::string_view detail) {
    const MessageText message = messageFor(problem);
    if (message.text.empty()) return;  // told nobody
    report(messageText(problem, detail), message.caption);
}

void Workspace::report(std::string_view text, std::string_view caption) {
    if (reporter) reporter->report(text, caption);
}

void Workspace::reportAbout(const std::string& path, Problem problem) {
    const MessageText message = messageFor(problem);
    if (reporter && !message.text.empty())
        reporter->reportAbout(path, messageText(problem), message.caption);
}

Answer Workspace::ask(std::string_view text, Choices choices, std::string_view caption) {
    return questioner ? questioner->ask(text, caption, choices) : Answer::Yes;
}

}  // namespace brevino
