#include "ui/preview_cache.h"

#include <QByteArray>
#include <algorithm>

#include "exif/analysis.h"
#include "exif/image_orientation.h"
#include "platform/thread_priority.h"
#include "ui/preview_pane.h"

namespace brevino::ui {
namespace {

// Files larger than this are not read for a preview.
constexpr int64_t kMaxPreviewFileSize = int64_t{256} << 20;
// Analyses made ahead of time that are kept.
constexpr size_t kPreparedKept = 4;

}  // namespace

bool PictureKey::operator==(const PictureKey& other) const {
    return path == other.path && target == other.target && version == other.version;
}

size_t qHash(const PictureKey& key, size_t seed) {
    const FileIdentity& id = key.version.identity;
    return qHashMulti(
        seed, QByteArrayView(key.path.data(), static_cast<qsizetype>(key.path.size())),
        key.target.pane.width(), key.target.pane.height(), key.target.turn,
        qRound(key.target.scale * 100), id.inode, id.size, id.modified.tv_nsec, id.changed.tv_nsec);
}

bool FileVersion::operator==(const FileVersion& other) const {
    return identity == other.identity && identity.changed.tv_sec == other.identity.changed.tv_sec &&
           identity.changed.tv_nsec == other.identity.changed.tv_nsec;
}

std::optional<FileVersion> versionOf(const FileHandle& file) {
    const std::optional<FileIdentity> identity = file.identityNow();
    if (!identity) return std::nullopt;
    return FileVersion{*identity};
}

std::optional<FileVersion> versionAt(const std::string& path) {
    const std::optional<FileIdentity> identity = identifyFile(path);
    if (!identity) return std::nullopt;
    return FileVersion{*identity};
}

PreviewPicture readAndDecode(const FileHandle& file, const FileVersion& version,
                             const PreviewTarget& target, bool* stable,
                             std::optional<int> orientation) {
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
    // Without an analysis at hand, the orientation comes from the same bytes.
    if (!target.turn) {
        orientation = 1;
    } else if (!orientation) {
        orientation = imageOrientation(
            analyzeBytes(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   static_cast<size_t>(bytes.size()))));
    }
    result.picture = decodeForPane(bytes, target.pane, *orientation, &result.natural, target.scale);
    return result;
}

PreviewCache::PreviewCache(int capacity) : pictures_(std::max(capacity, 1)) {
    requestPool_.setMaxThreadCount(1);
    backgroundPool_.setMaxThreadCount(1);
}

PreviewCache::~PreviewCache() {
    cancel();
    requestPool_.waitForDone();
    backgroundPool_.waitForDone();
}

const PreviewPicture* PreviewCache::find(const std::string& path, const PreviewTarget& target,
                                         const FileVersion& version) {
    return pictures_.object(PictureKey{path, target, version});
}

void PreviewCache::store(const std::string& path, const PreviewTarget& target,
                         const FileVersion& version, PreviewPicture picture) {
    pictures_.insert(PictureKey{path, target, version}, new PreviewPicture(std::move(picture)));
}

std::optional<PreviewPicture> PreviewCache::cached(const std::string& path, const FileHandle& file,
                                                   const PreviewTarget& target) {
    const std::optional<FileVersion> version = versionOf(file);
    if (!version) return std::nullopt;
    QMutexLocker lock(&mutex_);
    const PreviewPicture* kept = find(path, target, *version);
    if (kept == nullptr) return std::nullopt;
    ++counts_.fromCache;
    return *kept;
}

void PreviewCache::request(const std::string& path, const PreviewTarget& target,
                           std::optional<int> orientation) {
    QMutexLocker lock(&mutex_);
    dropQueued(false);
    const auto same = [&](const std::shared_ptr<Task>& task) {
        return task->path == path && task->target == target && task->keep;
    };
    for (const auto& task : tasks_) {
        if (!same(task)) continue;
        if (task->state == Task::State::Running) {
            ++counts_.joined;
            return;
        }
        // Decoded ahead but not started yet: it is decoded now instead.
        if (task->state == Task::State::Queued) task->state = Task::State::Dropped;
    }
    auto task = std::make_shared<Task>();
    task->path = path;
    task->target = target;
    task->background = false;
    task->orientation = orientation;
    start(std::move(task));
}

void PreviewCache::prefetch(const std::vector<std::string>& paths, const PreviewTarget& target) {
    QMutexLocker lock(&mutex_);
    dropQueued(true);
    for (const std::string& path : paths) {
        const bool underWay = std::any_of(tasks_.begin(), tasks_.end(), [&](const auto& task) {
            return task->state != Task::State::Dropped && task->keep && task->path == path &&
                   task->target == target;
        });
        if (underWay) continue;
        auto task = std::make_shared<Task>();
        task->path = path;
        task->target = target;
        start(std::move(task));
    }
}

void PreviewCache::start(std::shared_ptr<Task> task) {
    tasks_.push_back(task);
    QThreadPool& pool = task->background ? backgroundPool_ : requestPool_;
    pool.start([this, task = std::move(task)] { run(task); });
}

void PreviewCache::run(const std::shared_ptr<Task>& task) {
    // Decoding yields to the window's thread whenever it wakes; decoding ahead also yields to
    // the selected file's decode.
    yieldToInteractiveThreads(task->background);
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
    if (!task->keep) return finish();
    // A file that cannot be read shows no picture; the selection reports it. A picture kept
    // for this version is not decoded again.
    if (!version) {
        const ReadyListener listener = task->background ? ReadyListener() : listener_;
        finish();
        lock.unlock();
        if (listener) listener({task->path, task->target, std::nullopt, true}, {});
        return;
    }
    if (const PreviewPicture* kept = find(task->path, task->target, *version)) {
        const PreviewPicture picture = *kept;
        const ReadyListener listener = listener_;
        finish();
        lock.unlock();
        if (listener) listener({task->path, task->target, version, !task->background}, picture);
        return;
    }
    const DecodeHook hook = hook_;
    lock.unlock();

    std::optional<int> orientation = task->orientation;
    if (task->background) {
        // The neighbour's analysis too, kept when the file did not change while it was read;
        // its orientation then serves the decode.
        std::unique_ptr<PreparedFile> prepared = prepareFile(task->path);
        if (prepared && versionAt(task->path) == version) {
            orientation = imageOrientation(prepared->analysis.document);
            lock.relock();
            std::erase_if(prepared_, [&](const Prepared& p) { return p.path == task->path; });
            if (prepared_.size() >= kPreparedKept) prepared_.erase(prepared_.begin());
            prepared_.push_back({task->path, *version, std::move(prepared)});
            lock.unlock();
        }
    }
    if (hook) hook(task->path, task->background);
    bool stable = false;
    PreviewPicture picture = readAndDecode(file, *version, task->target, &stable, orientation);
    file.close();
    lock.relock();
    ++(task->background ? counts_.decodedInBackground : counts_.decodedOnRequest);
    // A file written while it was read gives a picture of no version; it is not kept.
    const bool wanted = task->keep;
    if (stable && wanted) store(task->path, task->target, *version, picture);
    const ReadyListener listener = listener_;
    finish();
    lock.unlock();
    if (listener && wanted)
        listener({task->path, task->target, version, !task->background}, picture);
}

std::unique_ptr<PreparedFile> PreviewCache::takePrepared(const std::string& path) {
    QMutexLocker lock(&mutex_);
    const auto found = std::find_if(prepared_.begin(), prepared_.end(),
                                    [&](const Prepared& p) { return p.path == path; });
    if (found == prepared_.end()) return nullptr;
    std::unique_ptr<PreparedFile> file = std::move(found->file);
    const FileVersion version = found->version;
    prepared_.erase(found);
    lock.unlock();
    return versionAt(path) == version ? std::move(file) : nullptr;
}

void PreviewCache::dropQueued(bool background) {
    for (const auto& task : tasks_) {
        if (task->state == Task::State::Queued && task->background == background)
            task->state = Task::State::Dropped;
    }
}

void PreviewCache::cancel() {
    QMutexLocker lock(&mutex_);
    dropQueued(true);
    dropQueued(false);
    changed_.wakeAll();
}

void PreviewCache::cancelAhead() {
    QMutexLocker lock(&mutex_);
    dropQueued(true);
    changed_.wakeAll();
}

void PreviewCache::clear() {
    QMutexLocker lock(&mutex_);
    dropQueued(true);
    dropQueued(false);
    for (const auto& task : tasks_)
        task->keep = false;
    pictures_.clear();
    prepared_.clear();
    changed_.wakeAll();
}

void PreviewCache::waitUntilIdle() {
    requestPool_.waitForDone();
    backgroundPool_.waitForDone();
}

PreviewCache::Counts PreviewCache::counts() const {
    QMutexLocker lock(&mutex_);
    return counts_;
}

void PreviewCache::setDecodeHook(DecodeHook hook) {
    QMutexLocker lock(&mutex_);
    hook_ = std::move(hook);
}

void PreviewCache::setReadyListener(ReadyListener listener) {
    QMutexLocker lock(&mutex_);
    listener_ = std::move(listener);
}

}  // namespace brevino::ui
