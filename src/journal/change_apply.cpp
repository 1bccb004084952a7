#include "journal/change_apply.h"

#include <array>

namespace brevino {

bool FileFacts::sameFileAs(const FileFacts& other) const {
    return path == other.path && device == other.device && inode == other.inode &&
           size == other.size;
}

std::optional<FileFacts> factsOf(const std::string& path) {
    const std::optional<FileIdentity> identity = identifyRegularFile(path);
    if (!identity) return std::nullopt;
    return FileFacts{path,
                     static_cast<uint64_t>(identity->device),
                     static_cast<uint64_t>(identity->inode),
                     identity->size,
                     identity->modified,
                     identity->changed,
                     0};
}

std::optional<uint64_t> checksumOf(const std::string& path) {
    FileHandle file = openForRead(path);
    if (!file.isOpen()) return std::nullopt;
    uint64_t hash = 0xCBF29CE484222325ULL;
    std::array<uint8_t, 1 << 16> buffer;
    for (uint64_t at = 0;;) {
        const size_t got = file.readAt(at, buffer.data(), buffer.size());
        if (got == 0) break;
        for (size_t i = 0; i < got; ++i)
            hash = (hash ^ buffer[i]) * 0x100000001B3ULL;
        at += got;
    }
    return hash;
}

namespace {

// The facts of a file together with the checksum of its bytes.
std::optional<FileFacts> factsWithChecksum(const std::string& path) {
    std::optional<FileFacts> facts = factsOf(path);
    if (facts) facts->checksum = checksumOf(path).value_or(0);
    return facts;
}

}  // namespace

ChangeResult applyChange(FileChange& change) {
    ChangeResult result;
    auto fail = [&](Problem problem) {
        result.problems.push_back(problem);
        return result;
    };
    if (change.made) {
        change.after = factsWithChecksum(change.path);
        return result;
    }
    if (change.remove) {
        // Kept, not deleted, so that the removal can be taken back in turn.
        if (change.keptAs.empty() || !moveFileNoReplace(change.path, change.keptAs))
            return fail(Problem::WriteFailed);
        result.wrote = true;
        change.after = factsWithChecksum(change.keptAs);
        return result;
    }
    if (change.restore) {
        if (!moveFileNoReplace(change.keptAs, change.path)) return fail(Problem::NameTakenForUndo);
        result.wrote = true;
        change.after = factsWithChecksum(change.path);
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
    if (change.newTimes) {
        if (setFileTimes(change.path, *change.newTimes)) {
            result.wrote = true;
        } else {
            result.problems.push_back(Problem::TimesWriteError);
        }
    }
    std::string where = change.path;
    if (change.renameTo && *change.renameTo != change.path) {
        if (renameNoReplace(change.path, *change.renameTo)) {
            where = *change.renameTo;
            result.wrote = true;
        } else {
            result.problems.push_back(Problem::RenameFailed);
        }
    }
    change.after = factsOf(where);
    return result;
}

}  // namespace brevino
