// All state of one session: the rows of the analysed file, the file list, the settings and
// the hooks through which the core talks to its user.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exif/analysis_state.h"
#include "exif/leading_bytes.h"
#include "platform/file_io.h"
#include "platform/file_times.h"
#include "workspace/reporter.h"
#include "workspace/settings.h"
#include "workspace/tag_list.h"

namespace brevino {

// Identity of the file the TagList was read from, to tell whether it changed since.
struct AnalysedFile {
    bool valid = false;
    std::string path;
    FileIdentity identity;
    // The times the file had before the analysis read it; a save that keeps times puts these
    // back, to the nanosecond.
    std::optional<FileTimes> times;
};

class Workspace {
  public:
    TagList tagList;
    AnalysisState analysis;
    AnalysedFile analysedFile;
    std::vector<std::string> fileList;
    std::string currentFile;
    std::string currentFolder;
    Settings settings;
    int messagesEnabled = 1;
    int previewEnabled = 1;

    Reporter* reporter = nullptr;
    // Receives the messages that a batch run silences, when set (the CLI's --verbose).
    Reporter* silencedReporter = nullptr;
    InputPrompt* inputPrompt = nullptr;
    Questioner* questioner = nullptr;  // none: every question is answered Yes
    FileChooser* fileChooser = nullptr;
    std::function<void(const std::string& path)> loadPreview;
    std::function<void()> releasePreview;

    // Scratch storage for the leading bytes of analysed files, reused between analyses.
    ByteStore analysisBuffer;

    // Shows a message unless messages are switched off.
    void report(std::string_view text, std::string_view caption = kCaptionMessage);
    // Asks the user; Yes when there is nobody to ask.
    Answer ask(std::string_view text, Choices choices = Choices::YesNo,
               std::string_view caption = kCaptionMessage);

    // Whether `path` is the file the TagList was read from, unchanged since.
    bool isAnalysedFileUnchanged(const std::string& path) const;
    // Records the current identity of the analysed file after the program itself wrote it.
    void refreshAnalysedFile();
};

}  // namespace brevino
