#include "workspace/workspace.h"

namespace brevino {

void Workspace::report(std::string_view text, std::string_view caption) {
    if (messagesEnabled == 1) {
        if (reporter) reporter->report(text, caption);
    } else if (silencedReporter) {
        silencedReporter->report(text, caption);
    }
}

Answer Workspace::ask(std::string_view text, Choices choices, std::string_view caption) {
    return questioner ? questioner->ask(text, caption, choices) : Answer::Yes;
}

bool Workspace::isAnalysedFileUnchanged(const std::string& path) const {
    if (!analysedFile.valid || path.empty() || path != analysedFile.path) return false;
    if (!isRegularFile(path)) return false;
    std::optional<FileIdentity> now = identifyFile(path);
    return now && *now == analysedFile.identity;
}

void Workspace::refreshAnalysedFile() {
    if (!analysedFile.valid) return;
    std::optional<FileIdentity> now = identifyFile(analysedFile.path);
    if (now) {
        analysedFile.identity = *now;
        if (analysedFile.times) analysedFile.times = timesOf(*now);
    } else {
        analysedFile.valid = false;
    }
}

}  // namespace brevino
