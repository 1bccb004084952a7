#include "platform/directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace brevino {
namespace {

using FolderStream = std::unique_ptr<DIR, int (*)(DIR*)>;

// The folder opened for reading its entries (the current one for an empty name), without
// blocking on a FIFO and never following it as a file; null when it cannot be opened.
FolderStream openFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return FolderStream(nullptr, ::closedir);
    FolderStream dir(::fdopendir(fd), ::closedir);
    if (!dir) ::close(fd);
    return dir;
}

}  // namespace

PathKind pathKind(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return PathKind::Missing;
    return S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::Other;
}

std::vector<std::string> regularFileNames(const std::string& folder,
                                          const std::function<bool(std::string_view)>& wanted,
                                          Links links) {
    std::vector<std::string> names;
    const FolderStream dir = openFolder(folder);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (wanted && !wanted(name)) continue;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            if (links == Links::Assumed) {
                names.emplace_back(name);
                continue;
            }
            struct stat info {};
            regular = ::fstatat(::dirfd(dir.get()), entry->d_name, &info, 0) == 0 &&
                      S_ISREG(info.st_mode);
        }
        if (regular) names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> subfolderNames(const std::string& folder) {
    std::vector<std::string> names;
    const FolderStream dir = openFolder(folder);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        bool folderEntry = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            folderEntry =
                ::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISDIR(info.st_mode);
        }
        if (folderEntry) names.emplace_back(name);
    }
    return names;
}

}  // namespace brevino
