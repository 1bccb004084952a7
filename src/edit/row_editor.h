// Editing one row's content under the rules of its TIFF type and count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brevino {

class Workspace;

// The input dialog holds at most this many bytes.
inline constexpr size_t kInputLimit = 255;

inline constexpr std::string_view kNotEditableMessage = "編集出来ない[type]です。";
inline constexpr std::string_view kSlashRequiredMessage = "[/]を必ず入れて下さい。";
inline constexpr std::string_view kValueCountMessage = "空白の数が合いません。";

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
