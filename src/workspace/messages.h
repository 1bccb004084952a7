// The texts and captions of everything the core reports, in one table, in Japanese and in
// English; the language of the texts (textLanguage()) chooses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "exif/problem.h"

namespace brevino {

// Message captions.
inline constexpr std::string_view kCaptionMessage = "message";
inline constexpr std::string_view kCaptionSaved = "ﾒｯｾｰｼﾞ";
inline constexpr std::string_view kCaptionFileError = "ﾒｯｾｰｼ";
// Why a row cannot be edited, or why a batch run left a file alone.
inline constexpr std::string_view kCaptionReason = "brevino-cli";
inline constexpr std::string_view kCaptionSkipped = "skipped";

// Questions the windows ask.
enum class Question : uint8_t {
    UnsavedEdits,  // "変更が保存されていません。保存しますか？"
    ConfirmBatch,  // "「%s」で %d 個のﾌｧｲﾙを変更します。よろしいですか？"
    // Before a saved operation is taken back or applied again: the operation by its number
    // and what was asked ("12（日付をずらす +1:00）").
    Undo,
    Redo,
    Remove,  // before the selected rows' entries are removed from the file
};

// A question's text in the language of the texts.
std::string_view questionText(Question question);

// A text with its detail put in place of its "%s" or "%d".
std::string withDetail(std::string_view text, std::string_view detail);

struct MessageText {
    std::string_view caption;
    std::string_view text;  // empty for a problem that is told nobody
};

MessageText messageFor(Problem problem);

// The question before a batch run: the operation by its name, and how many files it changes.
std::string batchQuestion(std::string_view operation, size_t files);

// The message's text with its detail put in: a path for "%s", a number for "%d".
std::string messageText(Problem problem, std::string_view detail = {});
// The message's text with its slots ("%s", "%d") filled in order.
std::string messageText(Problem problem, std::initializer_list<std::string_view> details);

}  // namespace brevino
