// Files as the core uses them: opened without blocking, regular files only, read and written
// at explicit offsets.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevino {

// What tells one file version from another: which file, how long, when last written. The
// access time comes along (it does not tell versions apart: reading moves it), and so does
// the change time, which every write, rename or time setting moves, whoever makes it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec accessed{};
    timespec changed{};
    bool regular = true;  // a regular file (not a folder, FIFO or device)
    mode_t mode = 0;      // its permission bits
    uid_t owner = 0;
    gid_t group = 0;

    bool operator==(const FileIdentity& other) const;
};

std::optional<FileIdentity> identifyFile(const std::string& path);
// The identity of a regular file; nothing for anything else.
std::optional<FileIdentity> identifyRegularFile(const std::string& path);
// Removes a file; false when it cannot.
bool removeFile(const std::string& path);
bool isRegularFile(const std::string& path);
bool isDirectory(const std::string& path);
bool pathExists(const std::string& path);

// An open file descriptor, closed when the handle goes.
class FileHandle {
  public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { close(); }
    FileHandle(FileHandle&& other) noexcept : fd_(other.fd_), openedAs_(other.openedAs_) {
        other.fd_ = -1;
    }
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Closes the file; false when closing reported an error (a write that did not land).
    bool close();

    // The file's identity as it was when it was opened.
    std::optional<FileIdentity> identity() const;
    // Its identity now.
    std::optional<FileIdentity> identityNow() const;
    // Puts what was written on the disk before answering.
    bool sync() const;
    void setOpenedAs(const FileIdentity& identity) { openedAs_ = identity; }
    // Reads up to `length` bytes at `offset`, retrying short reads; the number read.
    size_t readAt(uint64_t offset, void* destination, size_t length) const;
    // Writes all `length` bytes at `offset`; the number written.
    size_t writeAt(uint64_t offset, const void* source, size_t length) const;
    // Appends all `length` bytes at the current position; the number written.
    size_t write(const void* source, size_t length) const;

  private:
    int fd_ = -1;
    std::optional<FileIdentity> openedAs_;
};

// Opens an existing regular file for reading (without moving its access time where the
// file system allows); not open for anything else (a directory,
// a FIFO, a device, a missing file).
FileHandle openForRead(const std::string& path);
// Opens an existing regular file for writing in place: never created, never truncated.
FileHandle openForWriteInPlace(const std::string& path);

// A new file created next to `target` under a unique temporary name, for writing the
// whole of a file that then replaces `target` by `commitTemporary`.
struct TemporaryFile {
    FileHandle handle;
    std::string path;
};
std::optional<TemporaryFile> createTemporaryBeside(const std::string& target);
// Gives the temporary file the permissions (and, where the process may, the owner and group)
// of the file it is to replace.
void keepOwnership(const FileHandle& file, const FileIdentity& of);
// Moves the finished temporary file over `target` (replacing it) and removes it on failure.
bool commitTemporary(TemporaryFile& temporary, const std::string& target);
void discardTemporary(TemporaryFile& temporary);

// Renames within a folder, never replacing an existing file.
bool renameNoReplace(const std::string& from, const std::string& to);

// Moves a file to `to`, never replacing an existing file: a rename, or where `to` lies on
// another file system a copy (flushed, with the same permissions and times) and the removal
// of the original.
bool moveFileNoReplace(const std::string& from, const std::string& to);

// The part of the path after its last "/": the file's name.
std::string_view fileNameOf(std::string_view path);

// "<stem><extension>" for number 1, "<stem>(<number>)<extension>" for the numbers after it.
std::string numberedName(std::string_view stem, int number, std::string_view extension);

// Moves `from` to the first of the numbered names 1 to `highest` that is free, never
// replacing a file (another program may take a name meanwhile: the next one is tried).
// The path it took, or nothing when none was free or the move failed otherwise.
std::optional<std::string> moveToFreeName(const std::string& from, std::string_view stem,
                                          std::string_view extension, int highest);

// Test hook: when set, every in-place write that the save makes asks it first and writes
// nothing when it answers false, as a full disk or a failing device would.
using WriteFaultHook = bool (*)(uint64_t offset, size_t length);
void setWriteFaultHook(WriteFaultHook hook);

}  // namespace brevino
