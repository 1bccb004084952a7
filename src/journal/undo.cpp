#include "journal/undo.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "journal/change_apply.h"

namespace brevino {
namespace {

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Where the file an operation changed is now: as it left it, under its new name, or (when
// the operation stopped before it got there) under its old one; found by device and inode.
std::optional<FileFacts> locate(const FileChange& change) {
    std::vector<std::string> candidates;
    if (change.after) candidates.push_back(change.after->path);
    if (change.renameTo) candidates.push_back(*change.renameTo);
    candidates.push_back(change.path);
    const uint64_t device =
        change.after ? change.after->device : static_cast<uint64_t>(change.identity.device);
    const uint64_t inode =
        change.after ? change.after->inode : static_cast<uint64_t>(change.identity.inode);
    for (const std::string& path : candidates) {
        const std::optional<FileFacts> facts = factsOf(path);
        if (facts && facts->device == device && facts->inode == inode) return facts;
    }
    return std::nullopt;
}

// Whether the file at `path` holds exactly the bytes the operation left there.
bool holdsWhatWasLeft(const std::string& path, const FileFacts& left) {
    const std::optional<FileFacts> now = factsOf(path);
    return now && now->size == left.size && checksumOf(path) == left.checksum;
}

// The change that takes back one file's change, or the problem that forbids it; nothing when
// the operation never got to the file.
struct FilePlan {
    std::optional<FileChange> change;
    std::string path;  // where the file is now
    Problem refused = Problem::None;
    Problem note = Problem::None;  // told, but the rest is taken back
};

FilePlan planRemoval(const FileChange& done) {
    FilePlan plan;
    plan.path = done.after ? done.after->path : done.path;
    // Made (or put back) by the operation: removed again, when it still holds what it held.
    if (!done.after) {
        if (done.made && pathExists(done.path)) plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }
    if (!pathExists(done.after->path)) {
        // Gone already: nothing left to take back.
        if (done.restore) plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }
    if (!holdsWhatWasLeft(done.after->path, *done.after)) {
        plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }
    FileChange removal;
    removal.path = done.after->path;
    removal.remove = true;
    plan.change = std::move(removal);
    return plan;
}

FilePlan planRestore(const FileChange& done) {
    // Removed by the operation and kept: put back under its name, never replacing a file.
    FilePlan plan;
    plan.path = done.path;
    if (!done.after) return plan;  // never got there
    if (!holdsWhatWasLeft(done.keptAs, *done.after)) {
        plan.refused = Problem::CannotRecreate;
        return plan;
    }
    if (pathExists(done.path)) {
        plan.refused = Problem::NameTakenForUndo;
        return plan;
    }
    FileChange restore;
    restore.path = done.path;
    restore.restore = true;
    restore.keptAs = done.keptAs;
    plan.change = std::move(restore);
    return plan;
}

// The bytes a file holds now where an operation wrote values. A file's values lie close
// together (its dates, a title): one read takes them all; values far apart are read one by one.
class ValueBytes {
  public:
    ValueBytes(const FileHandle& file, const std::vector<ValueChange>& values) : values_(values) {
        uint64_t first = UINT64_MAX, end = 0;
        for (const ValueChange& value : values) {
            if (value.position > UINT64_MAX - value.after.size()) return;
            first = std::min(first, value.position);
            end = std::max<uint64_t>(end, value.position + value.after.size());
        }
        if (end - first > kReadTogether) {
            for (const ValueChange& value : values) {
                std::vector<uint8_t>& bytes = apart_.emplace_back(value.after.size());
                bytes.resize(file.readAt(value.position, bytes.data(), bytes.size()));
            }
            return;
        }
        first_ = first;
        together_.resize(static_cast<size_t>(end - first));
        together_.resize(file.readAt(first, together_.data(), together_.size()));
    }

    // The bytes at the place of value `index`, as many as the file holds of them.
    std::span<const uint8_t> of(size_t index) const {
        if (index < apart_.size()) return apart_[index];
        const ValueChange& value = values_[index];
        if (together_.empty() || value.position < first_) return {};
        const uint64_t into = value.position - first_;
        if (into > together_.size()) return {};
        return std::span<const uint8_t>(together_).subspan(
            static_cast<size_t>(into),
            static_cast<size_t>(std::min<uint64_t>(value.after.size(), together_.size() - into)));
    }

  private:
    static constexpr uint64_t kReadTogether = 64 << 10;
    const std::vector<ValueChange>& values_;
    uint64_t first_ = 0;
    std::vector<uint8_t> together_;
    std::vector<std::vector<uint8_t>> apart_;
};

FilePlan planFile(const FileChange& done) {
    if (done.made || done.restore) return planRemoval(done);
    if (done.remove) return planRestore(done);
    FilePlan plan;
    const std::optional<FileFacts> now = locate(done);
    plan.path = now ? now->path : done.after ? done.after->path : done.path;
    // Only what the operation wrote decides: its size, and the bytes at its positions.
    const int64_t size = done.after ? done.after->size : static_cast<int64_t>(done.identity.size);
    if (!now || now->size != size) {
        plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }
    // One open serves the file's identity, its times and the bytes looked at below.
    const FileHandle file = openForRead(now->path);
    const std::optional<FileIdentity> identity = file.isOpen() ? file.identity() : std::nullopt;
    FileTimes times;
    if (!identity || getFileTimes(file, times) == 0) {
        plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }
    FileChange back;
    back.path = now->path;
    back.identity = *identity;
    back.times = times;
    std::optional<SegmentChange>& backSegment = back.segment;
    // A segment written anew goes back when the file holds it as written.
    if (done.segment) {
        const SegmentChange back = reversed(*done.segment);
        std::vector<uint8_t> current(static_cast<size_t>(back.beforeLength));
        const bool read =
            file.readAt(back.position, current.data(), current.size()) == current.size();
        if (read && changedSegment(back, current)) {
            backSegment = back;
        } else if (!read || !changedSegment(*done.segment, current) || done.after) {
            // Neither as written nor (for a run that stopped before it) as it was.
            plan.refused = Problem::ChangedSinceOperation;
            return plan;
        }
    }
    // Each value as the operation wrote it goes back; a value it never got to stays.
    if (!done.values.empty()) {
        const ValueBytes current(file, done.values);
        for (size_t i = 0; i < done.values.size(); ++i) {
            const ValueChange& value = done.values[i];
            const std::span<const uint8_t> bytes = current.of(i);
            if (bytes.size() != value.after.size()) {
                plan.refused = Problem::ChangedSinceOperation;
                return plan;
            }
            const bool asWritten = std::ranges::equal(bytes, value.after);
            const bool asBefore = std::ranges::equal(bytes, value.before);
            if (asWritten && !asBefore) {
                back.values.push_back({value.position, value.after, value.before});
            } else if (!asBefore) {
                plan.refused = Problem::ChangedSinceOperation;
                return plan;
            }
        }
    }
    const bool renamed = now->path != done.path;
    // New times that differ from the old ones, and that the file has.
    const bool timesSet = done.newTimes &&
                          !sameTime(done.newTimes->modification, done.times.modification) &&
                          sameTime(now->modified, done.newTimes->modification);
    // Stopped (or crashed) before this file: nothing to take back.
    if (back.values.empty() && !back.segment && !renamed && !timesSet && !done.after) return plan;
    back.newTimes = done.times;
    if (renamed) {
        if (pathExists(done.path)) {
            plan.note = Problem::NameTakenForUndo;
        } else {
            back.renameTo = done.path;
        }
    }
    plan.change = std::move(back);
    return plan;
}

struct PlannedFiles {
    UndoPlan plan;
    // For each file of the plan's operation, where it stands among the reports.
    std::vector<size_t> reportOf;
};

PlannedFiles planFiles(const Operation& done) {
    PlannedFiles planned;
    UndoPlan& plan = planned.plan;
    plan.operation.kind = OperationKind::Undo;
    plan.operation.title = done.title;
    plan.operation.target = done.id;
    for (const FileChange& change : done.files) {
        FilePlan file = planFile(change);
        if (file.refused != Problem::None) plan.reports.push_back({file.path, file.refused});
        if (file.change) {
            planned.reportOf.push_back(plan.reports.size());
            plan.reports.push_back({file.path, Problem::None});
            plan.operation.files.push_back(std::move(*file.change));
        }
        if (file.note != Problem::None) plan.reports.push_back({file.path, file.note});
    }
    return planned;
}

// Carries out a planned undo or redo and tells, file by file, what became of it.
void carryOut(JournalStore& store, PlannedFiles planned, UndoOutcome& outcome) {
    Operation& operation = planned.plan.operation;
    outcome.reports = std::move(planned.plan.reports);
    if (operation.files.empty()) return;
    if (!store.begin(operation)) {
        outcome.problem = Problem::JournalWriteError;
        outcome.reports.clear();
        return;
    }
    // Removed files are kept beside the journal: where, is on record before they move.
    bool removes = false;
    for (size_t i = 0; i < operation.files.size(); ++i) {
        if (!operation.files[i].remove) continue;
        operation.files[i].keptAs = store.keptPath(operation.id, i);
        removes = true;
    }
    if (removes && !store.finish(operation, true)) {
        store.discard(operation);
        outcome.problem = Problem::JournalWriteError;
        outcome.reports.clear();
        return;
    }
    bool wrote = false;
    for (size_t i = 0; i < operation.files.size(); ++i) {
        FileChange& change = operation.files[i];
        const ChangeResult result = applyChange(change);
        wrote |= result.wrote;
        FileReport& report = outcome.reports[planned.reportOf[i]];
        if (change.after) report.path = change.restore ? change.path : change.after->path;
        if (change.remove) report.path = change.path;
        // One report a file: its first problem; the others are of the same write.
        if (!result.problems.empty()) report.problem = result.problems.front();
    }
    if (wrote) {
        store.finish(operation);
        outcome.operation = operation.id;
    } else {
        store.discard(operation);
    }
}

}  // namespace

UndoPlan planUndo(const Operation& done) {
    return planFiles(done).plan;
}

bool UndoOutcome::complete() const {
    return problem == Problem::None &&
           std::all_of(reports.begin(), reports.end(),
                       [](const FileReport& report) { return report.problem == Problem::None; });
}

std::vector<HistoryEntry> readHistory(const JournalStore& store) {
    std::vector<HistoryEntry> history;
    for (const uint64_t id : store.operations()) {
        std::optional<Operation> head = store.loadHead(id);
        if (!head) continue;
        history.push_back({std::move(*head), !head->isUndoOrRedo()});
    }
    // The latest undo or redo aimed at an operation says whether it is taken back.
    for (const HistoryEntry& entry : history) {
        if (!entry.head.isUndoOrRedo()) continue;
        for (HistoryEntry& target : history) {
            if (target.head.id == entry.head.target && !target.head.isUndoOrRedo())
                target.inEffect = entry.head.kind == OperationKind::Redo;
        }
    }
    return history;
}

std::optional<Operation> latestInEffect(const std::vector<HistoryEntry>& history) {
    for (auto entry = history.rbegin(); entry != history.rend(); ++entry) {
        if (!entry->head.isUndoOrRedo() && entry->inEffect) return entry->head;
    }
    return std::nullopt;
}

std::optional<Operation> latestTakenBack(const std::vector<HistoryEntry>& history) {
    for (auto entry = history.rbegin(); entry != history.rend(); ++entry) {
        if (entry->head.kind != OperationKind::Undo) continue;
        for (const HistoryEntry& target : history) {
            if (target.head.id == entry->head.target && !target.head.isUndoOrRedo() &&
                !target.inEffect)
                return entry->head;
        }
    }
    return std::nullopt;
}

UndoOutcome undoOperation(JournalStore& store, std::optional<uint64_t> id) {
    UndoOutcome outcome;
    const std::vector<HistoryEntry> history = readHistory(store);
    if (!id) {
        const std::optional<Operation> latest = latestInEffect(history);
        if (!latest) {
            outcome.problem = Problem::NothingToUndo;
            return outcome;
        }
        id = latest->id;
    }
    outcome.target = *id;
    const auto entry = std::find_if(history.begin(), history.end(),
                                    [&](const HistoryEntry& each) { return each.head.id == *id; });
    if (entry != history.end()) {
        outcome.title = entry->head.title;
        if (entry->head.isUndoOrRedo()) {
            outcome.problem = Problem::NothingToUndo;
            return outcome;
        }
        if (!entry->inEffect) {
            outcome.problem = Problem::AlreadyUndone;
            return outcome;
        }
    }
    const std::optional<Operation> done = store.load(*id);
    if (!done) {
        outcome.problem = Problem::JournalUnreadable;
        return outcome;
    }
    carryOut(store, planFiles(*done), outcome);
    return outcome;
}

UndoOutcome redoOperation(JournalStore& store) {
    UndoOutcome outcome;
    const std::optional<Operation> undo = latestTakenBack(readHistory(store));
    if (!undo) {
        outcome.problem = Problem::NothingToRedo;
        return outcome;
    }
    outcome.target = undo->target;
    outcome.title = undo->title;
    const std::optional<Operation> undone = store.load(undo->id);
    if (!undone) {
        outcome.problem = Problem::JournalUnreadable;
        return outcome;
    }
    // Taking back the undo applies the operation again.
    PlannedFiles planned = planFiles(*undone);
    planned.plan.operation.kind = OperationKind::Redo;
    planned.plan.operation.target = undo->target;
    carryOut(store, std::move(planned), outcome);
    return outcome;
}

}  // namespace brevino
