// Writing edited values back into the analysed file, value by value, in place: the file's
// size never changes and nothing but the edited values' own bytes is written.
#pragma once

#include <optional>
#include <vector>

#include "edit/edits.h"
#include "exif/analysis.h"
#include "exif/row_list.h"
#include "journal/change.h"
#include "journal/change_apply.h"

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

// The options of a save under the switches: the times kept as they were before the analysis,
// or, with the dates aligned, every date row set to the file-change date and the times to it.
SaveOptions saveOptionsFor(const Document& document, const RowList& rows, Edits& edits,
                           bool keepTimes, bool alignDates);

// The change a save makes: every edit at its entry's position, with the bytes it replaces;
// the times put back (when something is written) or set, as the options say.
FileChange planSave(const Document& document, const Edits& edits, const AnalysedFile& file,
                    const SaveOptions& options);

// The change that writes `values` (planned elsewhere: a removal's) with the times as a save's.
FileChange planValueWrites(std::vector<ValueChange> values, const Document& document,
                           const AnalysedFile& file, const SaveOptions& options);
// The change that writes the Exif segment anew, with the times as a save's.
FileChange planSegmentWrite(SegmentChange segment, const AnalysedFile& file,
                            const SaveOptions& options);

// Carries out a planned save. The file must be unchanged since the analysis (else
// OpenFirstToSave, nothing written); a file that cannot be opened for writing is left
// wholly alone (CannotOpen), its times too.
// A segment written anew must pass `check` before it replaces the file.
SaveResult carryOutSave(FileChange& change, const RewriteCheck& check = {});

}  // namespace brevino
