// Carrying out one file's planned change: the file must still be as planned; then each value
// is written in place, the times set, the new name given, and the facts of the file as left
// are noted in the change.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "exif/problem.h"
#include "journal/change.h"

namespace brevino {

struct ChangeResult {
    bool wrote = false;             // some value was written
    std::vector<Problem> problems;  // each failure, once
};

// What a file written anew must pass before it takes the old one's place (its Exif read
// again and compared); answers why not, or None.
using RewriteCheck = std::function<Problem(const std::string& path)>;

// A file that changed since the plan, or that cannot be opened for writing, is left wholly
// alone (OpenFirstToSave, CannotOpen). A new name never replaces a file (RenameFailed). A
// segment written anew goes into a copy of the file beside it, which is read back, checked
// (and passed to `check`), flushed and put in its place with the old one's permissions.
ChangeResult applyChange(FileChange& change, const RewriteCheck& check = {});

}  // namespace brevino
