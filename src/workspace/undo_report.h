// What an undo or a redo tells its user, file by file and as a whole: each file put back or
// refused (and why), then the summary naming the operation, only when every file was put back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "journal/undo.h"

namespace brevino {

struct ReportLine {
    std::string path;  // the file it is about; empty for the summary
    std::string_view caption;
    std::string text;
};

std::vector<ReportLine> undoReport(const UndoOutcome& outcome, bool redo);

// "12（日付をずらす +1:00）" (or "12 " without a title): how messages name an operation.
std::string operationLabel(uint64_t id, std::string_view title);

}  // namespace brevino
