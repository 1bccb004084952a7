// Taking back an operation from its journal, and applying again one taken back. A file is
// taken back when it is as the operation left it, judged by what the operation wrote: the
// bytes at each written position are the bytes it wrote, the size is the same, a renamed file
// is the same file under its new name, a file it made has the same bytes. Its old bytes go
// back in place, its old name (never replacing a file), its old times; a file it made is
// removed (kept beside the journals). A file changed since is left as it is and reported.
// Undo and redo are journaled operations themselves.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exif/problem.h"
#include "journal/change.h"
#include "journal/journal_store.h"

namespace brevino {

struct FileReport {
    std::string path;
    Problem problem = Problem::None;  // None: the file was put back
};

struct UndoPlan {
    Operation operation;              // the changes that take the operation back
    std::vector<FileReport> reports;  // the files left as they are, and why
};

// Plans taking back `done` (which may itself be an undo: that applies its target again).
// Files the operation never got to (it stopped, or crashed, before them) need nothing.
UndoPlan planUndo(const Operation& done);

// An operation of the history, and whether it is in effect.
struct HistoryEntry {
    Operation head;         // its journal's head
    bool inEffect = false;  // for an operation that is no undo or redo: not taken back
};

// The kept operations, oldest first: those that are neither undo nor redo are in effect
// unless the latest undo or redo aimed at them is an undo.
std::vector<HistoryEntry> readHistory(const JournalStore& store);

// The latest operation still in effect, and the latest one taken back (the one redo applies
// again): the target of the latest undo whose target is still taken back.
std::optional<Operation> latestInEffect(const std::vector<HistoryEntry>& history);
std::optional<Operation> latestTakenBack(const std::vector<HistoryEntry>& history);

struct UndoOutcome {
    // NothingToUndo, NothingToRedo, AlreadyUndone, JournalUnreadable, JournalWriteError
    Problem problem = Problem::None;
    uint64_t target = 0;              // the operation taken back (or applied again)
    std::string title;                // what it was
    uint64_t operation = 0;           // the undo's own number; 0 when nothing was written
    std::vector<FileReport> reports;  // every file: put back, or refused and why
    bool complete() const;            // every file put back
};

// Takes back operation `id`, or the latest one still in effect.
UndoOutcome undoOperation(JournalStore& store, std::optional<uint64_t> id = std::nullopt);
// Applies again the latest operation taken back, when its files are as the undo left them.
UndoOutcome redoOperation(JournalStore& store);

}  // namespace brevino
