#include "workspace/undo_report.h"

#include "platform/language.h"
#include "workspace/messages.h"

namespace brevino {

std::string operationLabel(uint64_t id, std::string_view title) {
    std::string label = std::to_string(id);
    // English messages put their own spaces around the label: "Undid operation 12 (title)."
    if (textLanguage() != Language::Japanese)
        return title.empty() ? label : label.append(" (").append(title).append(")");
    if (title.empty()) return label.append(" ");
    return label.append("（").append(title).append("）");
}

std::vector<ReportLine> undoReport(const UndoOutcome& outcome, bool redo) {
    std::vector<ReportLine> lines;
    auto line = [&](std::string path, Problem problem, std::string_view detail = {}) {
        lines.push_back(
            {std::move(path), messageFor(problem).caption, messageText(problem, detail)});
    };
    if (outcome.problem != Problem::None) {
        line({}, outcome.problem, std::to_string(outcome.target));
        return lines;
    }
    for (const FileReport& report : outcome.reports) {
        const Problem problem = report.problem != Problem::None ? report.problem
                                : redo                          ? Problem::FileRedone
                                                                : Problem::FileRestored;
        line(report.path, problem);
    }
    if (outcome.complete())
        line({}, redo ? Problem::Redone : Problem::Undone,
             operationLabel(outcome.target, outcome.title));
    return lines;
}

}  // namespace brevino
