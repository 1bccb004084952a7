#include "journal/undo.h"

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

// The change that takes back one file's change, or the problem that forbids it; nothing when
// the operation never got to the file.
struct FilePlan {
    std::optional<FileChange> change;
    Problem refused = Problem::None;
    Problem note = Problem::None;  // told, but the rest is undone
};

FilePlan planFile(const FileChange& done) {
    FilePlan plan;
    if (done.remove) {
        plan.refused = Problem::CannotRecreate;
        return plan;
    }
    const std::optional<FileFacts> now = locate(done);
    if (!now) {
        // A file the operation made and that is gone already needs nothing.
        if (!done.created) plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }
    // Anything done to the file since the operation moved its change time.
    if (done.after && !(*now == *done.after)) {
        plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }
    if (done.created) {
        if (!done.after) {
            plan.refused = Problem::ChangedSinceOperation;
            return plan;
        }
        FileChange removal;
        removal.path = now->path;
        removal.remove = true;
        plan.change = std::move(removal);
        return plan;
    }
    if (!done.after && now->size != static_cast<int64_t>(done.identity.size)) {
        plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }

    const std::optional<FileIdentity> identity = identifyFile(now->path);
    FileTimes times;
    if (!identity || getFileTimes(now->path, times) == 0) {
        plan.refused = Problem::ChangedSinceOperation;
        return plan;
    }
    FileChange back;
    back.path = now->path;
    back.identity = *identity;
    back.times = times;
    // Each value as the operation wrote it goes back; a value it never got to stays.
    if (!done.values.empty()) {
        FileHandle file = openForRead(now->path);
        if (!file.isOpen()) {
            plan.refused = Problem::CannotOpen;
            return plan;
        }
        std::vector<uint8_t> current;
        for (const ValueChange& value : done.values) {
            current.resize(value.after.size());
            if (file.readAt(value.position, current.data(), current.size()) != current.size()) {
                plan.refused = Problem::ChangedSinceOperation;
                return plan;
            }
            if (current == value.after && current != value.before) {
                back.values.push_back({value.position, value.after, value.before});
            } else if (current != value.before) {
                plan.refused = Problem::ChangedSinceOperation;
                return plan;
            }
        }
    }
    const bool renamed = now->path != done.path;
    const bool timesSet =
        done.newTimes && sameTime(now->modified, done.newTimes->modification);
    // Stopped (or crashed) before this file: nothing to take back.
    if (back.values.empty() && !renamed && !timesSet && !done.after) return plan;
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

}  // namespace

UndoPlan planUndo(const Operation& done) {
    UndoPlan plan;
    plan.operation.kind = "undo";
    plan.operation.title = done.title;
    plan.operation.undoes = done.id;
    for (const FileChange& change : done.files) {
        FilePlan file = planFile(change);
        const std::string& path = change.after ? change.after->path : change.path;
        if (file.refused != Problem::None) plan.reports.push_back({path, file.refused});
        if (file.note != Problem::None) plan.reports.push_back({path, file.note});
        if (file.change) plan.operation.files.push_back(std::move(*file.change));
    }
    return plan;
}

UndoOutcome undoOperation(JournalStore& store, std::optional<uint64_t> id) {
    UndoOutcome outcome;
    const std::vector<uint64_t> kept = store.operations();
    if (kept.empty() && !id) {
        outcome.problem = Problem::NothingToUndo;
        return outcome;
    }
    outcome.undone = id.value_or(kept.empty() ? 0 : kept.back());
    const std::optional<Operation> done = store.load(outcome.undone);
    if (!done) {
        outcome.problem = Problem::JournalUnreadable;
        return outcome;
    }
    UndoPlan plan = planUndo(*done);
    outcome.reports = std::move(plan.reports);
    if (!plan.operation.files.empty()) {
        if (!store.begin(plan.operation)) {
            outcome.problem = Problem::JournalWriteError;
            return outcome;
        }
        outcome.operation = plan.operation.id;
        for (FileChange& change : plan.operation.files) {
            const ChangeResult result = applyChange(change);
            for (const Problem problem : result.problems)
                outcome.reports.push_back({change.path, problem});
            if (result.problems.empty()) ++outcome.restored;
        }
        store.finish(plan.operation);
    }
    return outcome;
}

}  // namespace brevino
