// Shared helpers of the tests: a workspace with recorded messages and scripted answers.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fixture_builder.h"
#include "workspace/workspace.h"

namespace brevino::testing {

struct Message {
    std::string text;
    std::string caption;
    bool operator==(const Message&) const = default;
};

class RecordingReporter : public Reporter {
  public:
    std::vector<Message> messages;
    void report(std::string_view text, std::string_view caption) override {
        messages.push_back({std::string(text), std::string(caption)});
    }
};

// Answers prompts from a list; an empty optional stands for cancel.
class ScriptedPrompt : public InputPrompt {
  public:
    std::deque<std::optional<std::string>> answers;
    std::vector<std::pair<std::string, std::string>> asked;  // caption, initial text
    std::vector<InputField> fields;                          // what each prompt was told
    std::optional<std::string> prompt(std::string_view caption, std::string_view initial,
                                      const InputField& field) override {
        asked.emplace_back(std::string(caption), std::string(initial));
        fields.push_back(field);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Answers questions from a list; Yes once the list is used up.
class ScriptedQuestioner : public Questioner {
  public:
    std::deque<Answer> answers;
    std::vector<std::string> asked;
    Answer ask(std::string_view text, std::string_view, Choices) override {
        asked.emplace_back(text);
        if (answers.empty()) return Answer::Yes;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A workspace wired to a recorder, a scripted prompt and a scripted questioner.
struct TestWorkspace {
    Workspace workspace;
    RecordingReporter reporter;
    ScriptedPrompt prompt;
    ScriptedQuestioner questioner;

    TestWorkspace() {
        workspace.reporter = &reporter;
        workspace.inputPrompt = &prompt;
        workspace.questioner = &questioner;
    }

    bool analyze(const fixture::Bytes& bytes) { return workspace.analyzeBytes(bytes); }
    bool analyzePath(const std::string& path) {
        workspace.currentFile = path;
        return workspace.analyze(path);
    }

    const RowList& rows() const { return workspace.rows(); }
    // The document's entry that a row shows.
    const Entry& entry(size_t row) const {
        return workspace.document().entries[workspace.rows().entryIndex(row)];
    }
    const ExifLocation& location() const { return workspace.document().location; }
    std::string cell(size_t row, Column column) const {
        return std::string(workspace.cell(row, column));
    }
    // Index of the first row with this tag cell, or -1.
    long findRow(std::string_view tag, size_t from = 0) const {
        for (size_t r = from; r < rows().size(); ++r) {
            if (rows().cell(r, Column::Tag) == tag) return static_cast<long>(r);
        }
        return -1;
    }
    long findHeading(std::string_view title) const {
        for (size_t r = 0; r < rows().size(); ++r) {
            if (rows().isHeading(r) && rows().cell(r, Column::Offset) == title)
                return static_cast<long>(r);
        }
        return -1;
    }
    std::vector<std::string> headings() const {
        std::vector<std::string> result;
        for (size_t r = 0; r < rows().size(); ++r) {
            if (rows().isHeading(r)) result.emplace_back(rows().cell(r, Column::Offset));
        }
        return result;
    }
    std::vector<Message> takeMessages() { return std::exchange(reporter.messages, {}); }
};

// Whether UTF-8 text holds a character of written Japanese: CJK punctuation and brackets, kana,
// CJK ideographs, or full-width and half-width forms.
inline bool hasJapanese(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x31F0 && code <= 0x31FF) ||
            (code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF) ||
            (code >= 0xF900 && code <= 0xFAFF) || (code >= 0xFF00 && code <= 0xFFEF))
            return true;
    }
    return false;
}

inline std::string hexOffset(uint64_t offset) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(offset));
    return text;
}

}  // namespace brevino::testing
