#include "platform/file_io.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <random>
#include <vector>

namespace brevino {
namespace {

std::atomic<WriteFaultHook> writeFaultHook{nullptr};

FileIdentity identityOf(const struct stat& info) {
    FileIdentity identity;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = info.st_size;
    identity.modified = info.st_mtim;
    identity.accessed = info.st_atim;
    identity.changed = info.st_ctim;
    identity.regular = S_ISREG(info.st_mode);
    identity.mode = info.st_mode & 07777;
    identity.owner = info.st_uid;
    identity.group = info.st_gid;
    return identity;
}

// Opens without blocking (a FIFO would block an ordinary open) and keeps only regular
// files; for those, O_NONBLOCK changes nothing about reads and writes.
FileHandle openRegular(const std::string& path, int flags) {
    int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return FileHandle();
    FileHandle handle(fd);
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return FileHandle();
    handle.setOpenedAs(identityOf(info));
    return handle;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

bool FileIdentity::operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

std::optional<FileIdentity> identifyFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return identityOf(info);
}

std::optional<FileIdentity> identifyRegularFile(const std::string& path) {
    std::optional<FileIdentity> identity = identifyFile(path);
    if (identity && !identity->regular) return std::nullopt;
    return identity;
}

bool removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool pathExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        openedAs_ = other.openedAs_;
        other.fd_ = -1;
        other.openedAs_.reset();
    }
    return *this;
}

bool FileHandle::close() {
    if (fd_ < 0) return true;
    int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
}

std::optional<FileIdentity> FileHandle::identity() const {
    if (openedAs_) return openedAs_;
    return identityNow();
}

std::optional<FileIdentity> FileHandle::identityNow() const {
    struct stat info {};
    if (fd_ < 0 || fstat(fd_, &info) != 0) return std::nullopt;
    return identityOf(info);
}

bool FileHandle::sync() const {
    return fd_ >= 0 && ::fdatasync(fd_) == 0;
}

size_t FileHandle::readAt(uint64_t offset, void* destination, size_t length) const {
    size_t done = 0;
    auto* bytes = static_cast<char*>(destination);
    while (done < length) {
        ssize_t got = ::pread(fd_, bytes + done, length - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    return done;
}

size_t FileHandle::writeAt(uint64_t offset, const void* source, size_t length) const {
    WriteFaultHook hook = writeFaultHook.load();
    if (hook && !hook(offset, length)) return 0;
    size_t done = 0;
    const auto* bytes = static_cast<const char*>(source);
    while (done < length) {
        ssize_t put = ::pwrite(fd_, bytes + done, length - done, static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) break;
        done += static_cast<size_t>(put);
    }
    return done;
}

size_t FileHandle::write(const void* source, size_t length) const {
    WriteFaultHook hook = writeFaultHook.load();
    if (hook && !hook(UINT64_MAX, length)) return 0;
    size_t done = 0;
    const auto* bytes = static_cast<const char*>(source);
    while (done < length) {
        ssize_t put = ::write(fd_, bytes + done, length - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) break;
        done += static_cast<size_t>(put);
    }
    return done;
}

FileHandle openForRead(const std::string& path) {
    // Reading leaves the access time alone where the file system lets us (the file's owner);
    // a photo looked at is not a photo used.
    FileHandle handle = openRegular(path, O_RDONLY | O_NOATIME);
    if (!handle.isOpen() && errno == EPERM) handle = openRegular(path, O_RDONLY);
    return handle;
}

FileHandle openForWriteInPlace(const std::string& path) {
    return openRegular(path, O_WRONLY);
}

std::optional<TemporaryFile> createTemporaryBeside(const std::string& target) {
    std::string folder = folderOf(target);
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[64];
        std::snprintf(name, sizeof name, "/.brevino-%016llx.tmp",
                      static_cast<unsigned long long>(random()));
        std::string path = folder + name;
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) return TemporaryFile{FileHandle(fd), path};
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

bool commitTemporary(TemporaryFile& temporary, const std::string& target) {
    // Keep the permissions of a file that is being replaced.
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        fchmod(temporary.handle.fd(), info.st_mode & 07777);
    }
    bool closed = temporary.handle.close();
    if (!closed || ::rename(temporary.path.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.path.c_str());
        return false;
    }
    return true;
}

void discardTemporary(TemporaryFile& temporary) {
    temporary.handle.close();
    ::unlink(temporary.path.c_str());
}

bool renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without RENAME_NOREPLACE: a hard link fails when the name exists.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

void keepOwnership(const FileHandle& file, const FileIdentity& of) {
    // The owner can be kept by a process allowed to give files away; the permissions always.
    if (::fchown(file.fd(), of.owner, of.group) != 0) {
        // Not allowed: the file stays the writer's own.
    }
    ::fchmod(file.fd(), of.mode);
}

bool moveFileNoReplace(const std::string& from, const std::string& to) {
    if (renameNoReplace(from, to)) return true;
    if (errno != EXDEV) return false;
    FileHandle source = openForRead(from);
    struct stat info {};
    if (!source.isOpen() || ::fstat(source.fd(), &info) != 0) return false;
    const int fd =
        ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 07777);
    if (fd < 0) return false;
    FileHandle target(fd);
    std::vector<uint8_t> buffer(1 << 20);
    bool copied = true;
    for (uint64_t at = 0; copied;) {
        const size_t got = source.readAt(at, buffer.data(), buffer.size());
        if (got == 0) break;
        copied = target.write(buffer.data(), got) == got;
        at += got;
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    copied = copied && target.sync() && ::futimens(target.fd(), times) == 0 && target.close();
    if (!copied) {
        ::unlink(to.c_str());
        return false;
    }
    return removeFile(from);
}

std::string_view fileNameOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string numberedName(std::string_view stem, int number, std::string_view extension) {
    std::string name(stem);
    if (number > 1) {
        name.push_back('(');
        name.append(std::to_string(number));
        name.push_back(')');
    }
    name.append(extension);
    return name;
}

std::optional<std::string> moveToFreeName(const std::string& from, std::string_view stem,
                                          std::string_view extension, int highest) {
    for (int number = 1; number <= highest; ++number) {
        std::string candidate = numberedName(stem, number, extension);
        if (renameNoReplace(from, candidate)) return candidate;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

void setWriteFaultHook(WriteFaultHook hook) {
    writeFaultHook.store(hook);
}

}  // namespace brevino
