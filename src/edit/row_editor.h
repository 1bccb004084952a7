// Editing one row's content under the rules of its TIFF type and count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tags/tag_dictionary.h"

namespace brevino {

class Workspace;
class TagList;

// The input dialog holds at most this many bytes.
inline constexpr size_t kInputLimit = 255;

inline constexpr std::string_view kNotEditableMessage = "編集出来ない[type]です。";
inline constexpr std::string_view kSlashRequiredMessage = "[/]を必ず入れて下さい。";
inline constexpr std::string_view kValueCountMessage = "空白の数が合いません。";
inline constexpr std::string_view kNotNumberMessage = "数値を入力して下さい。";
inline constexpr std::string_view kOutOfRangeMessage = "値が範囲外です。";
inline constexpr std::string_view kZeroDenominatorMessage = "分母に0は使えません。";
inline constexpr std::string_view kDateFormMessage =
    "日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。";
inline constexpr std::string_view kTooLongMessage = "値が長すぎます。";

// The values of a text: separated by spaces only (a run of spaces counts as one); a text
// without any value counts as one value, the whole text.
std::vector<std::string_view> splitValues(std::string_view text);

// Whether the TIFF type number is one of the seven that are edited and written back.
bool isEditableType(uint32_t type);

// Entries that hold the file's structure (where other IFDs, strips, the thumbnail and the
// maker note lie, and how long they are): changing them would cut parts of the file off.
bool isStructuralEntry(IfdKind ifd, uint16_t tag);

// The three date tags (file change, original, digitized) of the standard IFDs.
bool isDateEntry(IfdKind ifd, uint16_t tag);

// 1 when the row is an entry of an editable type whose value lies inside the TIFF area and
// which does not hold the file's structure.
int isEditableRow(const Workspace& workspace, size_t row);

// Why a row cannot be edited, in a few English words; empty for an editable row.
std::string_view whyNotEditable(const TagList& rows, size_t row);

// The normalised content that `input` gives a row of this type and count, or the message
// that refuses it. Numbers are plain decimals within their type's range; a date row takes
// only a real Exif date or Exif's unknown date.
struct EditResult {
    bool accepted = false;
    std::string content;
    std::string_view message;
};
EditResult normaliseEdit(uint16_t type, int32_t count, std::string_view input,
                         bool dateRow = false);

// What happens to an ASCII value longer than its field.
enum class LongText { Cut, Refuse };

// Applies `input` to an editable row: an input equal to the row's content changes nothing;
// otherwise reports the refusal, or sets the content (and, with AllDate, every date row's
// content for a date row). Answers whether it was accepted.
bool applyRowEdit(Workspace& workspace, size_t row, std::string_view input,
                  LongText longText = LongText::Cut);

// Edits the lowest selected row through the workspace's input prompt.
void editRow(Workspace& workspace);

}  // namespace brevino
