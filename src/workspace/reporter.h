// Where messages, questions and file choices of the core go: a window, a terminal or a test.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevino {

// Message captions.
inline constexpr std::string_view kCaptionMessage = "message";
inline constexpr std::string_view kCaptionSaved = "ﾒｯｾｰｼﾞ";
inline constexpr std::string_view kCaptionFileError = "ﾒｯｾｰｼ";

class Reporter {
  public:
    virtual ~Reporter() = default;
    virtual void report(std::string_view text, std::string_view caption) = 0;
};

class InputPrompt {
  public:
    virtual ~InputPrompt() = default;
    // The edited text after OK, nothing after cancel.
    virtual std::optional<std::string> prompt(std::string_view caption,
                                              std::string_view initialText) = 0;
};

// The buttons a question offers, and the answer given. Save stands as Yes, Discard as No.
enum class Choices { YesNo, SaveDiscardCancel };
enum class Answer { Yes, No, Cancel };

class Questioner {
  public:
    virtual ~Questioner() = default;
    virtual Answer ask(std::string_view text, std::string_view caption, Choices choices) = 0;
};

// What a file is chosen for; the desktop application shows its own dialog for each.
enum class FileChoice { Export, Import };

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> choose(FileChoice purpose, std::string_view title) = 0;
};

}  // namespace brevino
