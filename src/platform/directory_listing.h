// Reading a folder's entries and telling what a path names.
#pragma once

#include <string>
#include <vector>

namespace brevino {

enum class PathKind { Missing, Directory, Other };

// What the path names, links followed; Missing when it cannot be examined.
PathKind pathKind(const std::string& path);

// The names of the regular files directly inside `folder` (links followed), in the order
// the folder gives them. Empty when the folder cannot be read.
std::vector<std::string> regularFileNames(const std::string& folder);

// The names of the folders directly inside `folder`; links are not followed, so that a walk
// down the tree never loops.
std::vector<std::string> subfolderNames(const std::string& folder);

}  // namespace brevino
