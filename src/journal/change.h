// What an operation changes in files, planned whole before anything is written: each value's
// position with its bytes before and after, a new name, new times, a file made or removed.
// The plan is what the journal keeps and what undo turns around.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/file_times.h"

namespace brevino {

struct ValueChange {
    uint64_t position = 0;
    std::vector<uint8_t> before;  // the bytes there before the operation
    std::vector<uint8_t> after;   // the bytes it writes
};

// A part of a file replaced by bytes of another length (an Exif segment written anew), kept
// as the ranges where the two differ: the bytes before and after at each, and where one is
// longer, its own bytes alone. The file is then written again whole, beside itself.
struct SegmentPatch {
    uint64_t offset = 0;          // from the segment's start
    std::vector<uint8_t> before;  // the bytes there before (none past the old end)
    std::vector<uint8_t> after;   // and after (none past the new end)
};
struct SegmentChange {
    uint64_t position = 0;  // where the segment starts in the file
    uint64_t beforeLength = 0;
    uint64_t afterLength = 0;
    std::vector<SegmentPatch> patches;
};

// The change from `before` to `after` (ranges that differ, close ones joined).
SegmentChange segmentChange(uint64_t position, std::span<const uint8_t> before,
                            std::span<const uint8_t> after);
// The segment the change makes of `current`, which must be what it changes (its length, and
// its bytes at every patch); nothing otherwise.
std::optional<std::vector<uint8_t>> changedSegment(const SegmentChange& change,
                                                   std::span<const uint8_t> current);
// The change that takes it back.
SegmentChange reversed(const SegmentChange& change);

// A file as an operation left it: where it is, which file it is, how long it is, and (for a
// file the operation made) a checksum of its bytes. The times are kept for the record only:
// whether a file is still as the operation left it is decided by what the operation wrote,
// never by its times or permissions, which others may touch without changing a byte.
struct FileFacts {
    std::string path;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    timespec modified{};
    timespec changed{};
    uint64_t checksum = 0;  // of the whole file, for a file the operation made; 0 otherwise

    // The same file, of the same size, at the same place.
    bool sameFileAs(const FileFacts& other) const;
};

// The facts of the file at `path` now (without a checksum).
std::optional<FileFacts> factsOf(const std::string& path);
// A checksum of the file's bytes (FNV-1a, 64 bits); nothing when it cannot be read.
std::optional<uint64_t> checksumOf(const std::string& path);

struct FileChange {
    std::string path;       // where the file was
    FileIdentity identity;  // as it was: device, inode, size, modification time
    FileTimes times;        // its access and modification times before the operation
    std::vector<ValueChange> values;
    std::optional<SegmentChange> segment;  // a part written anew (then no values)
    std::optional<FileTimes> newTimes;     // times set after the values are written
    std::optional<std::string> renameTo;   // the name it is given
    bool made = false;                     // the operation made the file (an import's output)
    // The operation removes the file, keeping its bytes at `keptAs` (so that the removal can
    // be taken back), or puts back the file kept there (`restore`).
    bool remove = false;
    bool restore = false;
    std::string keptAs;
    std::optional<FileFacts> after;  // as the operation left it; none before it ran
};

enum class OperationKind : uint8_t { Save, Set, Import, Batch, Undo, Redo, Delete };

// "save", "set", "import", "batch", "undo", "redo", "delete": as the journal and the list write
// them.
std::string_view operationKindName(OperationKind kind);
std::optional<OperationKind> operationKindNamed(std::string_view name);

struct Operation {
    uint64_t id = 0;  // numbered by the journal
    OperationKind kind = OperationKind::Save;
    std::string title;    // what the user asked for
    int64_t started = 0;  // seconds since 1970
    uint64_t target = 0;  // for an undo or a redo, the operation it takes back or applies again
    std::vector<FileChange> files;

    bool isUndoOrRedo() const { return kind == OperationKind::Undo || kind == OperationKind::Redo; }
};

}  // namespace brevino
