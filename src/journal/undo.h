// Taking back an operation from its journal: each file still as the operation left it gets
// its old bytes back in place, its old name (never replacing a file) and its old times; a
// file changed since, by anyone, is left as it is and reported. The undo is itself a
// journaled operation, so undoing it does the operation again.
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
    Problem problem = Problem::None;
};

struct UndoPlan {
    Operation operation;              // the changes that take the operation back
    std::vector<FileReport> reports;  // the files left as they are, and why
};

// Plans taking back `done`. Files the operation never got to (it stopped, or crashed, before
// them) need nothing.
UndoPlan planUndo(const Operation& done);

struct UndoOutcome {
    Problem problem = Problem::None;  // NothingToUndo, JournalUnreadable, JournalWriteError
    uint64_t undone = 0;              // the operation taken back
    uint64_t operation = 0;           // the undo's own number; 0 when nothing was written
    size_t restored = 0;              // files put back
    std::vector<FileReport> reports;  // files refused, and failures
};

// Takes back operation `id`, or the latest one (which may be an undo: that does it again).
UndoOutcome undoOperation(JournalStore& store, std::optional<uint64_t> id = std::nullopt);

}  // namespace brevino
