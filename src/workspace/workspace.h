// All state of one session: the rows of the analysed file, the file list, the settings and
// the hooks through which the core talks to its user.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "exif/analysis_state.h"
#include "exif/leading_bytes.h"
#include "platform/file_io.h"
#include "workspace/reporter.h"
#include "workspace/settings.h"
#include "workspace/tag_list.h"

namespace brevino {

// Identity of the file the TagList was read from, to tell whether it changed since.
struct AnalysedFile {
    bool valid = false;
    std::string path;
    FileIdentity identity;
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
    FileChooser* fileChooser = nullptr;
    std::function<void(const std::string& path)> loadPreview;
    std::function<void()> releasePreview;

    // Scratch storage for the leading bytes of analysed files, reused between analyses.
    ByteStore analysisBuffer;

    // Shows a message unless messages are switched off.
    void report(std::string_view text, std::string_view caption = kCaptionMessage);

    // Whether `path` is the file the TagList was read from, unchanged since.
    bool isAnalysedFileUnchanged(const std::string& path) const;
    // Records the current identity of the analysed file after the program itself wrote it.
    void refreshAnalysedFile();
};

}  // namespace brevino
