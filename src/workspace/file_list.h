// The file list: full paths of photo files (of every container the analysis reads), kept
// sorted with letter case ignored, filled from a folder or from dropped files and folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/directory_listing.h"
#include "workspace/settings.h"

namespace brevino {

class Workspace;

// The order of the file list: byte by byte, with ASCII letters compared without case.
bool pathLessIgnoringCase(std::string_view a, std::string_view b);

// Adds a path at its sorted place, after the entries that compare equal to it (the list is
// never deduplicated). Answers the index it took.
size_t addToFileList(std::vector<std::string>& list, std::string path);

// Puts the list back in its order (after renames), equal entries keeping their places.
void sortFileList(std::vector<std::string>& list);

// `folder` + "/" + `name`, without doubling a separator that ends the folder.
std::string joinPath(std::string_view folder, std::string_view name);

// The path without separators at its end (the root stays "/").
std::string withoutTrailingSeparators(std::string_view path);

// The photo files directly inside `folder` (and, with `recursive`, inside its subfolders,
// links to folders not followed), as full paths in the list's order, sorted once: files with
// a photo's name, and files of other names that a container knows by their first bytes. A
// folder that cannot be read gives none. Touches no workspace, so that a window can list a
// large folder on another thread. With Links::Assumed, links with photo names are listed
// without being followed and other names are not looked into (a window shows those at once,
// then lists again).
std::vector<std::string> photoFilesIn(const std::string& folder, Links links = Links::Followed,
                                      bool recursive = false);

// Replaces the file list by the photo files directly inside `folder`. A folder that cannot
// be read gives an empty list, without a message.
void listFolder(Workspace& workspace, const std::string& folder);

// What a drop lists, in drop order: a folder replaces whatever the drop listed before it by
// its photo files and becomes the current folder; a file the analysis takes is added;
// an item that cannot be examined, or any other file, is skipped.
struct DropListing {
    std::vector<std::string> files;  // sorted
    std::optional<std::string> folder;
};
DropListing listDropped(const std::vector<std::string>& paths, Links links = Links::Followed);

// Fills the file list from dropped items as listDropped says. A drop of no items leaves the
// list as it was. Never analyses, never changes the current file or the settings.
void dropItems(Workspace& workspace, const std::vector<std::string>& paths);

// The entries of `list` that are still files the analysis takes (dropped files, some since
// removed), in their order.
std::vector<std::string> stillPresent(const std::vector<std::string>& list);

// The path with `extension` added when its file name has no "." at all (a name typed
// without an extension in the export chooser).
std::string withDefaultExtension(std::string path, std::string_view extension);

// Where the folder browser starts: the remembered folder when the `folder` switch is on.
std::string browserStartFolder(const Settings& settings);

// A folder chosen in the folder browser becomes the current folder and is remembered at once
// in the settings file (only its own key is written); it is not listed.
void rememberChosenFolder(Workspace& workspace, const std::string& folder,
                          const std::string& settingsPath);

// The same, and the folder is listed.
void openChosenFolder(Workspace& workspace, const std::string& folder,
                      const std::string& settingsPath);

}  // namespace brevino
