// What an operation changes in files, planned whole before anything is written: each value's
// position with its bytes before and after, a new name, new times. The plan is what the
// journal keeps and what undo turns around.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/file_times.h"

namespace brevino {

struct ValueChange {
    uint64_t position = 0;
    std::vector<uint8_t> before;  // the bytes there before the operation
    std::vector<uint8_t> after;   // the bytes it writes
};

// A file as an operation left it: where it is and the facts that move with any later change
// (the change time moves with every write, rename or time setting, by anyone).
struct FileFacts {
    std::string path;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileFacts& other) const;
};

// The facts of the file at `path` now.
std::optional<FileFacts> factsOf(const std::string& path);

struct FileChange {
    std::string path;       // where the file was
    FileIdentity identity;  // as it was: device, inode, size, modification time
    FileTimes times;        // its access and modification times before the operation
    std::vector<ValueChange> values;
    std::optional<FileTimes> newTimes;    // times set after the values are written
    std::optional<std::string> renameTo;  // the name it is given
    bool created = false;                 // the operation made the file (an import's output)
    bool remove = false;                  // the operation removes the file it made
    std::optional<FileFacts> after;       // as the operation left it; none before it ran
};

struct Operation {
    uint64_t id = 0;     // numbered by the journal
    std::string kind;    // "save", "set", "import", "batch", "undo"
    std::string title;   // what the user asked for
    int64_t created = 0; // seconds since 1970
    uint64_t undoes = 0; // for an undo, the operation it takes back
    std::vector<FileChange> files;
};

}  // namespace brevino
