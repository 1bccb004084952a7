// Reading a folder's entries and telling what a path names.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brevino {

enum class PathKind { Missing, Directory, Other };

// What the path names, links followed; Missing when it cannot be examined.
PathKind pathKind(const std::string& path);

// Whether a listing follows each link (and each entry the folder does not type) to see that it
// names a regular file, or takes it as one without looking: a hundred thousand links take
// the better part of a second to follow, the folder's entries alone a few milliseconds.
enum class Links { Followed, Assumed };

// The names of the regular files directly inside `folder` (links followed, or assumed to
// name regular files), in the order the folder gives them, of those whose name `wanted`
// takes (all without it): a name it refuses is never looked at further. Empty when the folder
// cannot be read.
std::vector<std::string> regularFileNames(const std::string& folder,
                                          const std::function<bool(std::string_view)>& wanted = {},
                                          Links links = Links::Followed);

// The names of the folders directly inside `folder`; links are not followed, so that a walk
// down the tree never loops.
std::vector<std::string> subfolderNames(const std::string& folder);

// The names of the folders directly inside `folder`; links are not followed, so that a walk
// down the tree never loops.
std::vector<std::string> subfolderNames(const std::string& folder);

}  // namespace brevino
