#include "platform/directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace brevino {

PathKind pathKind(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return PathKind::Missing;
    return S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::Other;
}

namespace {

// The names of the entries of `folder` that `wanted` takes (given the open folder and the
// entry).
template <typename Wanted>
std::vector<std::string> namesIn(const std::string& folder, Wanted wanted) {
    std::vector<std::string> names;
    const int fd = ::open(folder.empty() ? "." : folder.c_str(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(fd), ::closedir);
    if (!dir) {
        ::close(fd);
        return names;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (wanted(dir.get(), entry)) names.emplace_back(name);
    }
    return names;
}

}  // namespace

std::vector<std::string> regularFileNames(const std::string& folder) {
    return namesIn(folder, [](DIR* dir, const dirent* entry) {
        if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) return entry->d_type == DT_REG;
        struct stat info {};
        return ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
    });
}

std::vector<std::string> subfolderNames(const std::string& folder) {
    return namesIn(folder, [](DIR* dir, const dirent* entry) {
        if (entry->d_type != DT_UNKNOWN) return entry->d_type == DT_DIR;
        struct stat info {};
        return ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
               S_ISDIR(info.st_mode);
    });
}

}  // namespace brevino
