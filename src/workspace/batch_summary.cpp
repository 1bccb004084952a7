#include "workspace/batch_summary.h"

#include "workspace/messages.h"

namespace brevino {

void BatchSummary::add(const BatchRun::Step& step) {
    if (step.ended) return;
    if (step.outcome == BatchRun::Outcome::Done) {
        ++changed_;
        return;
    }
    ++unchanged_;
    const bool skipped = step.outcome == BatchRun::Outcome::Skipped;
    const Problem reason = skipped                ? step.skipReason
                           : step.reports.empty() ? Problem::None
                                                  : step.reports.back().problem;
    // A failure is told again with its detail ("up to 2 bytes"), as the run first told it.
    const std::string_view detail =
        skipped || step.reports.empty() ? std::string_view() : step.reports.back().detail;
    const MessageText message = messageFor(reason);
    leftAlone_.push_back({step.path, message.caption, messageText(reason, detail)});
}

std::vector<ReportLine> BatchSummary::lines() const {
    std::vector<ReportLine> lines;
    if (allProcessed()) {
        lines.push_back({{},
                         messageFor(Problem::BatchCompleted).caption,
                         messageText(Problem::BatchCompleted)});
        return lines;
    }
    lines.push_back({{},
                     messageFor(Problem::BatchSummary).caption,
                     messageText(Problem::BatchSummary,
                                 {std::to_string(changed_), std::to_string(unchanged())})});
    lines.insert(lines.end(), leftAlone_.begin(), leftAlone_.end());
    return lines;
}

}  // namespace brevino
