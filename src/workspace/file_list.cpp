#include "workspace/file_list.h"

#include <algorithm>
#include <iterator>

#include "exif/analysis.h"
#include "platform/directory_listing.h"
#include "workspace/settings.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

char foldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

}  // namespace

bool pathLessIgnoringCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldCase(x)) < static_cast<unsigned char>(foldCase(y));
    });
}

size_t addToFileList(std::vector<std::string>& list, std::string path) {
    auto place = std::upper_bound(
        list.begin(), list.end(), path,
        [](const std::string& a, const std::string& b) { return pathLessIgnoringCase(a, b); });
    place = list.insert(place, std::move(path));
    return static_cast<size_t>(place - list.begin());
}

void sortFileList(std::vector<std::string>& list) {
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        return pathLessIgnoringCase(a, b);
    });
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

std::string withoutTrailingSeparators(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return std::string(path);
}

std::vector<std::string> photoFilesIn(const std::string& folder, Links links, bool recursive) {
    std::vector<std::string> files;
    const auto photoName = [](std::string_view name) { return isPhotoName(name); };
    for (const std::string& name : regularFileNames(folder, photoName, links))
        files.push_back(joinPath(folder, name));
    // Other names only when there is time to look into them: a photo under another name.
    if (links == Links::Followed) {
        const auto otherName = [](std::string_view name) { return !isPhotoName(name); };
        for (const std::string& name : regularFileNames(folder, otherName, links)) {
            std::string path = joinPath(folder, name);
            if (isAnalyzableFile(path)) files.push_back(std::move(path));
        }
    }
    if (recursive) {
        for (const std::string& name : subfolderNames(folder)) {
            std::vector<std::string> inner = photoFilesIn(joinPath(folder, name), links, true);
            files.insert(files.end(), std::make_move_iterator(inner.begin()),
                         std::make_move_iterator(inner.end()));
        }
    }
    // Sorted once: inserting each name at its place would take time growing with the square
    // of the folder's size.
    sortFileList(files);
    return files;
}

void listFolder(Workspace& workspace, const std::string& folder) {
    workspace.fileList = photoFilesIn(folder);
}

DropListing listDropped(const std::vector<std::string>& paths, Links links) {
    DropListing listing;
    for (const std::string& dropped : paths) {
        const std::string path = withoutTrailingSeparators(dropped);
        switch (pathKind(path)) {
            case PathKind::Missing:
                break;
            case PathKind::Directory:
                // A folder replaces whatever this drop listed before it.
                listing.folder = path;
                listing.files = photoFilesIn(path, links);
                break;
            case PathKind::Other:
                if (isAnalyzableFile(path)) listing.files.push_back(path);
                break;
        }
    }
    // A stable sort puts each added file after the entries equal to it, as inserting it at
    // its place would.
    sortFileList(listing.files);
    return listing;
}

void dropItems(Workspace& workspace, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    DropListing listing = listDropped(paths);
    workspace.fileList = std::move(listing.files);
    if (listing.folder) workspace.currentFolder = std::move(*listing.folder);
}

std::vector<std::string> stillPresent(const std::vector<std::string>& list) {
    std::vector<std::string> kept;
    for (const std::string& path : list) {
        if (isAnalyzableFile(path)) kept.push_back(path);
    }
    return kept;
}

std::string withDefaultExtension(std::string path, std::string_view extension) {
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (nameStart < path.size() && path.find('.', nameStart) == std::string::npos) {
        path += extension;
    }
    return path;
}

std::string browserStartFolder(const Settings& settings) {
    return settings.folder != 0 ? settings.lastFolder : std::string();
}

void rememberChosenFolder(Workspace& workspace, const std::string& folder,
                          const std::string& settingsPath) {
    workspace.currentFolder = withoutTrailingSeparators(folder);
    workspace.settings.lastFolder = workspace.currentFolder;
    saveFolderPath(settingsPath, workspace.settings.lastFolder);
}

void openChosenFolder(Workspace& workspace, const std::string& folder,
                      const std::string& settingsPath) {
    rememberChosenFolder(workspace, folder, settingsPath);
    listFolder(workspace, workspace.currentFolder);
}

}  // namespace brevino
