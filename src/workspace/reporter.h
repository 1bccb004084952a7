// Where messages and questions of a session go: a window, a terminal or a test.
#pragma once

#include <cstddef>
#include <functional>
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

// What the input dialog knows of the value being typed: how long a text may be, or the range of
// a number, and the message that refuses a typed text.
struct InputField {
    size_t byteLimit = 0;  // a text's field length in bytes; 0 for a value that is no text
    std::string range;     // a number's range ("0〜65535"); empty for other values
    // The message that refuses the text, or empty when the text is taken; none: all are taken.
    std::function<std::string(std::string_view)> refusal;
};

class InputPrompt {
  public:
    virtual ~InputPrompt() = default;
    // The edited text after OK, nothing after cancel. A prompt that checks `field.refusal`
    // stays open, with the text as typed, while the text is refused.
    virtual std::optional<std::string> prompt(std::string_view caption,
                                              std::string_view initialText,
                                              const InputField& field) = 0;
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
