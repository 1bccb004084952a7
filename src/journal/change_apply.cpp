#include "journal/change_apply.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

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

// Writes each value's bytes at its place; values that follow each other without a gap (a
// photo's original and digitised dates) go in one write. False when a write failed.
bool writeValues(const FileHandle& file, const std::vector<ValueChange>& values) {
    bool written = true;
    std::vector<uint8_t> joined;
    for (size_t first = 0; first < values.size();) {
        size_t next = first + 1;
        uint64_t end = values[first].position + values[first].after.size();
        while (next < values.size() && end >= values[first].position &&
               values[next].position == end)
            end += values[next++].after.size();
        std::span<const uint8_t> bytes = values[first].after;
        if (next > first + 1) {
            joined.clear();
            for (size_t i = first; i < next; ++i)
                joined.insert(joined.end(), values[i].after.begin(), values[i].after.end());
            bytes = joined;
        }
        if (file.writeAt(values[first].position, bytes.data(), bytes.size()) != bytes.size())
            written = false;
        first = next;
    }
    return written;
}

// The facts of a file together with the checksum of its bytes.
std::optional<FileFacts> factsWithChecksum(const std::string& path) {
    std::optional<FileFacts> facts = factsOf(path);
    if (facts) facts->checksum = checksumOf(path).value_or(0);
    return facts;
}

constexpr size_t kCopyChunk = size_t{1} << 18;

// Two buffers of kCopyChunk bytes, made once a thread and never zeroed: a batch rewrites
// thousands of files, and fresh zeroed megabytes for each cost more than the copying.
struct CopyBuffers {
    std::unique_ptr<uint8_t[]> left = std::make_unique_for_overwrite<uint8_t[]>(kCopyChunk);
    std::unique_ptr<uint8_t[]> right = std::make_unique_for_overwrite<uint8_t[]>(kCopyChunk);
};
CopyBuffers& copyBuffers() {
    static thread_local CopyBuffers buffers;
    return buffers;
}

// Copies [from, to) of `source` to the end of `target`: in the kernel where it can, else
// through a buffer.
bool copyRange(const FileHandle& source, const FileHandle& target, uint64_t from, uint64_t to) {
    off_t in = static_cast<off_t>(from);
    while (static_cast<uint64_t>(in) < to) {
        const ssize_t copied =
            ::copy_file_range(source.fd(), &in, target.fd(), nullptr,
                              static_cast<size_t>(to - static_cast<uint64_t>(in)), 0);
        if (copied > 0) continue;
        if (copied == 0) return false;  // the source ended early
        if (errno == EINTR) continue;
        break;  // not supported between these files: copied by hand from here
    }
    uint8_t* buffer = copyBuffers().left.get();
    for (uint64_t at = static_cast<uint64_t>(in); at < to;) {
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(kCopyChunk, to - at));
        if (source.readAt(at, buffer, wanted) != wanted) return false;
        if (target.write(buffer, wanted) != wanted) return false;
        at += wanted;
    }
    return true;
}

// Whether [from, to) of `a` equals [from + shift, to + shift) of `b`.
bool sameRange(const FileHandle& a, const FileHandle& b, uint64_t from, uint64_t to,
               uint64_t shift) {
    CopyBuffers& buffers = copyBuffers();
    for (uint64_t at = from; at < to;) {
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(kCopyChunk, to - at));
        if (a.readAt(at, buffers.left.get(), wanted) != wanted ||
            b.readAt(at + shift, buffers.right.get(), wanted) != wanted ||
            std::memcmp(buffers.left.get(), buffers.right.get(), wanted) != 0)
            return false;
        at += wanted;
    }
    return true;
}

// Writes the file again with the segment changed, checks the copy and puts it in place.
Problem rewriteSegment(const FileChange& change, const FileHandle& source,
                       const FileIdentity& identity, const RewriteCheck& check) {
    const SegmentChange& segment = *change.segment;
    const auto size = static_cast<uint64_t>(identity.size);
    if (segment.position > size || segment.beforeLength > size - segment.position)
        return Problem::OpenFirstToSave;
    std::vector<uint8_t> current(static_cast<size_t>(segment.beforeLength));
    if (source.readAt(segment.position, current.data(), current.size()) != current.size())
        return Problem::OpenFirstToSave;
    const std::optional<std::vector<uint8_t>> written = changedSegment(segment, current);
    if (!written) return Problem::OpenFirstToSave;
    std::optional<TemporaryFile> copy = createTemporaryBeside(change.path);
    if (!copy) return Problem::CannotOpen;
    const uint64_t rest = segment.position + segment.beforeLength;
    const uint64_t shift = written->size() - segment.beforeLength;  // modulo 2^64 when shorter
    bool ok = copyRange(source, copy->handle, 0, segment.position) &&
              copy->handle.write(written->data(), written->size()) == written->size() &&
              copyRange(source, copy->handle, rest, size) && copy->handle.sync();
    // Read back: the bytes before and after the segment are the old file's, the segment the
    // one planned.
    std::vector<uint8_t> readBack(written->size());
    ok = ok && sameRange(source, copy->handle, 0, segment.position, 0) &&
         copy->handle.readAt(segment.position, readBack.data(), readBack.size()) ==
             readBack.size() &&
         readBack == *written && sameRange(source, copy->handle, rest, size, shift);
    if (!ok) {
        discardTemporary(*copy);
        return Problem::WriteFailed;
    }
    if (check) {
        if (const Problem problem = check(copy->path); problem != Problem::None) {
            discardTemporary(*copy);
            return problem;
        }
    }
    // The old file's permissions (and owner, where it can be kept) go to its new version.
    keepOwnership(copy->handle, identity);
    if (!commitTemporary(*copy, change.path)) return Problem::WriteFailed;
    return Problem::None;
}

}  // namespace

ChangeResult applyChange(FileChange& change, const RewriteCheck& check) {
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
    if (change.segment) {
        FileHandle source = openForRead(change.path);
        const std::optional<FileIdentity> opened = source.identity();
        if (!opened || !(*opened == change.identity)) return fail(Problem::OpenFirstToSave);
        if (const Problem problem = rewriteSegment(change, source, *opened, check);
            problem != Problem::None)
            return fail(problem);
        result.wrote = true;
    }
    bool timesSet = false;
    if (!change.values.empty()) {
        FileHandle handle = openForWriteInPlace(change.path);
        if (!handle.isOpen()) return fail(Problem::CannotOpen);
        const std::optional<FileIdentity> opened = handle.identity();
        // Replaced between the check and the open: nothing is written into another file.
        if (!opened || !(*opened == change.identity)) return fail(Problem::OpenFirstToSave);
        result.wrote = true;
        if (!writeValues(handle, change.values)) {
            result.problems.push_back(Problem::WriteFailed);
            failed = true;
        }
        // The times go through the file just written, after its last write.
        if (change.newTimes && !failed) timesSet = setFileTimes(handle, *change.newTimes) != 0;
        if (!handle.close() && !failed) result.problems.push_back(Problem::WriteFailed);
    }
    if (change.newTimes) {
        // The identity check above made sure the path holds the planned regular file.
        if (timesSet || setCheckedFileTimes(change.path, *change.newTimes)) {
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
