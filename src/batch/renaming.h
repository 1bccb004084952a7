// Names for files after their Exif dates, never those of other files.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace brevino {

// The file's name without its folder and without its extension.
std::string baseNameOf(std::string_view path);

// Replaces every occurrence of `from` by `to`, left to right.
void replaceAll(std::string& text, std::string_view from, std::string_view to);

// A free path in the file's folder for `name`: "name.jpg", else "name(2).jpg" up to
// "name(100).jpg". A file that already carries one of these names keeps it. Nothing when
// the file does not exist, every candidate is taken, or the name would leave the folder.
// Names in `reserved` count as taken (other files of a run are to get them).
std::optional<std::string> makeUniqueName(const std::string& path, std::string_view name,
                                          const std::set<std::string>* reserved = nullptr);

// The name for `date` (its colons made full-width) that makeUniqueName gives.
std::string nameForDate(std::string_view date);

}  // namespace brevino
