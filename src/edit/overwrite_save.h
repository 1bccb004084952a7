// Writing edited values back into the analysed file, value by value, in place: the file's
// size never changes and nothing but the edited values' own bytes is written.
#pragma once

#include <optional>
#include <vector>

#include "edit/edits.h"
#include "exif/analysis.h"

namespace brevino {

struct SaveOptions {
    bool keepTimes = true;             // put back the times the file had before the analysis
    std::optional<timespec> setTimes;  // set access and modification time to this instead
};

struct SaveResult {
    bool ok = false;
    bool wrote = false;                // some value was written
    std::vector<Problem> problems;     // each failure, reported once
    std::optional<AnalysedFile> file;  // the file as it is after the save
};

// Writes every edit at its entry's position into the analysed file, which must be unchanged
// since the analysis (else OpenFirstToSave, nothing written). A file that cannot be opened
// for writing is left wholly alone (CannotOpen), its times too. Times are put back or set
// only when something was written, or when `setTimes` asks for them.
SaveResult saveEdits(const Document& document, const Edits& edits, const AnalysedFile& file,
                     const SaveOptions& options);

}  // namespace brevino
