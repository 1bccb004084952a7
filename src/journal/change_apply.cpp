#include "journal/change_apply.h"

namespace brevino {

bool FileFacts::operator==(const FileFacts& other) const {
    return path == other.path && device == other.device && inode == other.inode &&
           size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec && changed.tv_sec == other.changed.tv_sec &&
           changed.tv_nsec == other.changed.tv_nsec;
}

std::optional<FileFacts> factsOf(const std::string& path) {
    const std::optional<FileIdentity> identity = identifyRegularFile(path);
    if (!identity) return std::nullopt;
    return FileFacts{path,
                     static_cast<uint64_t>(identity->device),
                     static_cast<uint64_t>(identity->inode),
                     identity->size,
                     identity->modified,
                     identity->changed};
}

ChangeResult applyChange(FileChange& change) {
    ChangeResult result;
    auto fail = [&](Problem problem) {
        result.problems.push_back(problem);
        return result;
    };
    if (change.created) {
        change.after = factsOf(change.path);
        return result;
    }
    if (change.remove) {
        if (!removeFile(change.path)) return fail(Problem::WriteFailed);
        return result;
    }
    const std::optional<FileIdentity> now = identifyRegularFile(change.path);
    if (!now || !(*now == change.identity)) return fail(Problem::OpenFirstToSave);

    bool failed = false;
    if (!change.values.empty()) {
        FileHandle handle = openForWriteInPlace(change.path);
        if (!handle.isOpen()) return fail(Problem::CannotOpen);
        const std::optional<FileIdentity> opened = handle.identity();
        // Replaced between the check and the open: nothing is written into another file.
        if (!opened || !(*opened == change.identity)) return fail(Problem::OpenFirstToSave);
        result.wrote = true;
        for (const ValueChange& value : change.values) {
            if (handle.writeAt(value.position, value.after.data(), value.after.size()) !=
                    value.after.size() &&
                !failed) {
                result.problems.push_back(Problem::WriteFailed);
                failed = true;
            }
        }
        if (!handle.close() && !failed) result.problems.push_back(Problem::WriteFailed);
    }
    if (change.newTimes && !setFileTimes(change.path, *change.newTimes))
        result.problems.push_back(Problem::TimesWriteError);
    std::string where = change.path;
    if (change.renameTo && *change.renameTo != change.path) {
        if (renameNoReplace(change.path, *change.renameTo)) {
            where = *change.renameTo;
        } else {
            result.problems.push_back(Problem::RenameFailed);
        }
    }
    change.after = factsOf(where);
    return result;
}

}  // namespace brevino
