#include "ui/preview_cache.h"

#include <pthread.h>
#include <sched.h>
#include <sys/stat.h>

#include <QByteArray>
#include <algorithm>

#include "ui/preview_pane.h"

namespace brevino::ui {
namespace {

// Files larger than this are not read for a preview.
constexpr int64_t kMaxPreviewFileSize = int64_t{256} << 20;

// The name a picture is kept under: the file, the pane size and the file's version.
QString keyOf(const std::string& path, QSize pane, const FileVersion& version) {
    const FileIdentity& id = version.identity;
    return QString::fromStdString(path) + QStringLiteral("|%1x%2|%3:%4|%5|%6.%7|%8.%9")
                                              .arg(pane.width())
                                              .arg(pane.height())
                                              .arg(id.device)
                                              .arg(id.inode)
                                              .arg(id.size)
                                              .arg(id.modified.tv_sec)
                                              .arg(id.modified.tv_nsec)
                                              .arg(version.changed.tv_sec)
                                              .arg(version.changed.tv_nsec);
}

}  // namespace

bool FileVersion::operator==(const FileVersion& other) const {
    return identity == other.identity && changed.tv_sec == other.changed.tv_sec &&
           changed.tv_nsec == other.changed.tv_nsec;
}

std::optional<FileVersion> versionOf(const FileHandle& file) {
    struct stat info {};
    if (!file.isOpen() || fstat(file.fd(), &info) != 0) return std::nullopt;
    FileVersion version;
    version.identity.device = info.st_dev;
    version.identity.inode = info.st_ino;
    version.identity.size = info.st_size;
    version.identity.modified = info.st_mtim;
    version.changed = info.st_ctim;
    return version;
}

PreviewPicture readAndDecode(const FileHandle& file, const FileVersion& version, QSize pane,
                             bool* stable) {
    PreviewPicture result;
    if (stable) *stable = true;
    const int64_t size = version.identity.size;
    if (size <= 0 || size > kMaxPreviewFileSize) return result;
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    const size_t read = file.readAt(0, bytes.data(), static_cast<size_t>(bytes.size()));
    bytes.truncate(static_cast<qsizetype>(read));
    if (stable) {
        const std::optional<FileVersion> after = versionOf(file);
        *stable = after && *after == version;
    }
    result.picture = decodeForPane(bytes, pane, &result.natural);
    return result;
}

PreviewCache::PreviewCache(int capacity) : pictures_(std::max(capacity, 1)) {
    pool_.setMaxThreadCount(1);
}

PreviewCache::~PreviewCache() {
    cancel();
    pool_.waitForDone();
}

const PreviewPicture* PreviewCache::find(const std::string& path, QSize pane,
                                         const FileVersion& version) {
    return pictures_.object(keyOf(path, pane, version));
}

void PreviewCache::store(const std::string& path, QSize pane, const FileVersion& version,
                         PreviewPicture picture) {
    pictures_.insert(keyOf(path, pane, version), new PreviewPicture(std::move(picture)));
}

PreviewPicture PreviewCache::picture(const std::string& path, const FileHandle& file, QSize pane) {
    const std::optional<FileVersion> version = versionOf(file);
    QMutexLocker lock(&mutex_);
    if (version) {
        bool waited = false;
        for (;;) {
            if (const PreviewPicture* kept = find(path, pane, *version)) {
                ++(waited ? counts_.waitedFor : counts_.fromCache);
                return *kept;
            }
            const auto running = std::find_if(tasks_.begin(), tasks_.end(), [&](const auto& task) {
                return task->path == path && task->pane == pane && task->keep &&
                       task->state == Task::State::Running;
            });
            if (running == tasks_.end()) break;
            waited = true;
            const std::shared_ptr<Task> task = *running;
            while (task->state == Task::State::Running)
                changed_.wait(&mutex_);
        }
        // Not started yet: decoded here rather than waiting behind other files.
        for (const auto& task : tasks_) {
            if (task->path == path && task->state == Task::State::Queued)
                task->state = Task::State::Dropped;
        }
    }
    const DecodeHook hook = hook_;
    lock.unlock();

    if (hook) hook(path, false);
    if (!version) {
        // The file could not be examined again: it is read by its size when opened, and
        // nothing is kept.
        FileVersion opened;
        if (const std::optional<FileIdentity> identity = file.identity())
            opened.identity = *identity;
        return readAndDecode(file, opened, pane);
    }
    bool stable = false;
    PreviewPicture result = readAndDecode(file, *version, pane, &stable);
    lock.relock();
    ++counts_.decodedOnRequest;
    if (stable) store(path, pane, *version, result);
    return result;
}

void PreviewCache::prefetch(const std::vector<std::string>& paths, QSize pane) {
    QMutexLocker lock(&mutex_);
    dropQueued();
    for (const std::string& path : paths) {
        const bool underWay = std::any_of(tasks_.begin(), tasks_.end(), [&](const auto& task) {
            return task->state == Task::State::Running && task->keep && task->path == path &&
                   task->pane == pane;
        });
        if (underWay) continue;
        auto task = std::make_shared<Task>();
        task->path = path;
        task->pane = pane;
        tasks_.push_back(task);
        pool_.start([this, task] { decodeInBackground(task); });
    }
}

void PreviewCache::decodeInBackground(const std::shared_ptr<Task>& task) {
    // The decode yields to the window's thread: a selection that decodes in the foreground
    // must not wait for a background decode of a neighbour.
    const sched_param batch{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &batch);
    QMutexLocker lock(&mutex_);
    auto finish = [&] {
        task->state = Task::State::Finished;
        std::erase(tasks_, task);
        changed_.wakeAll();
    };
    if (task->state == Task::State::Dropped) return finish();
    task->state = Task::State::Running;
    lock.unlock();

    FileHandle file = openForRead(task->path);
    const std::optional<FileVersion> version = versionOf(file);
    lock.relock();
    // Unreadable files are left to the selection, which reports them; a picture already
    // decoded for this version is not decoded again.
    if (!version || !task->keep || find(task->path, task->pane, *version)) return finish();
    const DecodeHook hook = hook_;
    lock.unlock();

    if (hook) hook(task->path, true);
    bool stable = false;
    PreviewPicture picture = readAndDecode(file, *version, task->pane, &stable);
    file.close();
    lock.relock();
    ++counts_.decodedInBackground;
    // A file written while it was read gives a picture of no version; it is not kept.
    if (stable && task->keep) store(task->path, task->pane, *version, std::move(picture));
    finish();
}

void PreviewCache::dropQueued() {
    for (const auto& task : tasks_) {
        if (task->state == Task::State::Queued) task->state = Task::State::Dropped;
    }
}

void PreviewCache::cancel() {
    QMutexLocker lock(&mutex_);
    dropQueued();
    changed_.wakeAll();
}

void PreviewCache::clear() {
    QMutexLocker lock(&mutex_);
    dropQueued();
    for (const auto& task : tasks_)
        task->keep = false;
    pictures_.clear();
    changed_.wakeAll();
}

void PreviewCache::waitUntilIdle() {
    pool_.waitForDone();
}

PreviewCache::Counts PreviewCache::counts() const {
    QMutexLocker lock(&mutex_);
    return counts_;
}

void PreviewCache::setDecodeHook(DecodeHook hook) {
    QMutexLocker lock(&mutex_);
    hook_ = std::move(hook);
}

}  // namespace brevino::ui
