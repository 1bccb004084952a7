// Carrying out one file's planned change: the file must still be as planned; then each value
// is written in place, the times set, the new name given, and the facts of the file as left
// are noted in the change.
#pragma once

#include <vector>

#include "exif/problem.h"
#include "journal/change.h"

namespace brevino {

struct ChangeResult {
    bool wrote = false;             // some value was written
    std::vector<Problem> problems;  // each failure, once
};

// A file that changed since the plan, or that cannot be opened for writing, is left wholly
// alone (OpenFirstToSave, CannotOpen). A new name never replaces a file (RenameFailed).
ChangeResult applyChange(FileChange& change);

}  // namespace brevino
