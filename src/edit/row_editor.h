// Editing one row's content under the rules of its TIFF type and count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brevino {

class Workspace;

// The input dialog holds at most this many bytes.
inline constexpr size_t kInputLimit = 255;

inline constexpr std::string_view kNotEditableMessage = "編集出来ない[type]です。";
inline constexpr std::string_view kSlashRequiredMessage = "[/]を必ず入れて下さい。";
inline constexpr std::string_view kValueCountMessage = "空白の数が合いません。";

// The values of a text: separated by spaces only (a run of spaces counts as one); a text
// without any value counts as one value, the whole text.
std::vector<std::string_view> splitValues(std::string_view text);

// Whether the TIFF type number is one of the seven that are edited and written back.
bool isEditableType(uint32_t type);

// 1 when the row is an entry of an editable type whose value lies inside the TIFF area.
int isEditableRow(const Workspace& workspace, size_t row);

// The normalised content that `input` gives a row of this type and count, or the message
// that refuses it.
struct EditResult {
    bool accepted = false;
    std::string content;
    std::string_view message;
};
EditResult normaliseEdit(uint16_t type, int32_t count, std::string_view input);

// Applies `input` to an editable row: reports the refusal, or sets the content (and, with
// AllDate, every date row's content for a date row). Answers whether it was accepted.
bool applyRowEdit(Workspace& workspace, size_t row, std::string_view input);

// Edits the lowest selected row through the workspace's input prompt.
void editRow(Workspace& workspace);

}  // namespace brevino
