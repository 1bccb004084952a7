// Where messages and questions of a session go: a window, a terminal or a test.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevino {

class Reporter {
  public:
    virtual ~Reporter() = default;
    virtual void report(std::string_view text, std::string_view caption) = 0;
    // A message about another file than the one at hand (an import's side file).
    virtual void reportAbout(std::string_view /*path*/, std::string_view text,
                             std::string_view caption) {
        report(text, caption);
    }
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

}  // namespace brevino
