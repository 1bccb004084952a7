#include "ui/preview_cache.h"

#include <pthread.h>
#include <sched.h>
#include <sys/stat.h>

#include <QByteArray>
#include <algorithm>
#include <utility>

#include "ui/preview_pane.h"

namespace brevino::ui {
namespace {

// Files larger than this are not read for a preview.
constexpr int64_t kMaxPreviewFileSize = int64_t{256} << 20;

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

PreviewCache::PreviewCache(size_t capacity) : capacity_(std::max<size_t>(capacity, 1)) {}

PreviewCache::~PreviewCache() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        dropQueued();
    }
    workReady_.notify_all();
    if (worker_.joinable()) worker_.join();
}

PreviewPicture PreviewCache::picture(const std::string& path, const FileHandle& file, QSize pane) {
    const std::optional<FileVersion> version = versionOf(file);
    std::unique_lock lock(mutex_);
    if (version) {
        bool waited = false;
        for (;;) {
            EntryPtr done;
            EntryPtr running;
            EntryPtr queued;
            for (const EntryPtr& entry : entries_) {
                if (entry->path != path || entry->pane != pane) continue;
                switch (entry->state) {
                    case Entry::State::Done:
                        if (*entry->version == *version) done = entry;
                        break;
                    case Entry::State::Running:
                        // Until the worker has opened the file its version is unknown; it
                        // is the same file, so waiting for that is waiting for this file.
                        if (entry->keep && (!entry->version || *entry->version == *version)) {
                            running = entry;
                        }
                        break;
                    case Entry::State::Queued:
                        queued = entry;
                        break;
                    case Entry::State::Gone:
                        break;
                }
            }
            if (done) {
                done->lastUse = ++useClock_;
                ++(waited ? counts_.waitedFor : counts_.fromCache);
                return done->picture;
            }
            if (running) {
                waited = true;
                workChanged_.wait(lock, [&] {
                    return running->state != Entry::State::Running ||
                           (running->version && !(*running->version == *version));
                });
                continue;
            }
            // Not started yet: decoded here rather than waiting behind other files.
            if (queued) remove(queued);
            break;
        }
        // Pictures of other versions of this file are never shown again.
        std::vector<EntryPtr> stale;
        for (const EntryPtr& entry : entries_) {
            if (entry->state == Entry::State::Done && entry->path == path &&
                !(*entry->version == *version)) {
                stale.push_back(entry);
            }
        }
        for (const EntryPtr& entry : stale)
            remove(entry);
    }
    const DecodeHook hook = hook_;
    lock.unlock();

    if (hook) hook(path, false);
    bool stable = false;
    if (!version) {
        // The file could not be examined again: it is read by its size when opened, and
        // nothing is kept.
        FileVersion opened;
        if (const std::optional<FileIdentity> identity = file.identity())
            opened.identity = *identity;
        return readAndDecode(file, opened, pane);
    }
    PreviewPicture result = readAndDecode(file, *version, pane, &stable);

    lock.lock();
    ++counts_.decodedOnRequest;
    if (stable) {
        auto entry = std::make_shared<Entry>();
        entry->path = path;
        entry->pane = pane;
        entry->version = version;
        entries_.push_back(entry);
        store(entry, result);
    }
    return result;
}

void PreviewCache::prefetch(const std::vector<std::string>& paths, QSize pane) {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        dropQueued();
        for (const std::string& path : paths) {
            const bool underWay =
                std::any_of(entries_.begin(), entries_.end(), [&](const EntryPtr& entry) {
                    return entry->state == Entry::State::Running && entry->keep &&
                           entry->path == path && entry->pane == pane;
                });
            if (underWay) continue;
            auto entry = std::make_shared<Entry>();
            entry->path = path;
            entry->pane = pane;
            entries_.push_back(std::move(entry));
        }
        if (!worker_.joinable() && busy()) worker_ = std::thread(&PreviewCache::work, this);
    }
    workReady_.notify_one();
    workChanged_.notify_all();
}

void PreviewCache::cancel() {
    {
        const std::lock_guard lock(mutex_);
        dropQueued();
    }
    workChanged_.notify_all();
}

void PreviewCache::clear() {
    {
        const std::lock_guard lock(mutex_);
        std::vector<EntryPtr> gone;
        for (const EntryPtr& entry : entries_) {
            if (entry->state == Entry::State::Running) {
                entry->keep = false;
            } else {
                gone.push_back(entry);
            }
        }
        for (const EntryPtr& entry : gone)
            remove(entry);
    }
    workChanged_.notify_all();
}

void PreviewCache::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    workChanged_.wait(lock, [&] { return !busy(); });
}

PreviewCache::Counts PreviewCache::counts() const {
    const std::lock_guard lock(mutex_);
    return counts_;
}

void PreviewCache::setDecodeHook(DecodeHook hook) {
    const std::lock_guard lock(mutex_);
    hook_ = std::move(hook);
}

void PreviewCache::work() {
    // Decoding ahead must not take the processor from the window: without this, waking the
    // worker lets it preempt the selection that woke it when the other cores are busy.
    const sched_param batch{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &batch);
    std::unique_lock lock(mutex_);
    for (;;) {
        EntryPtr entry;
        workReady_.wait(lock, [&] {
            if (stopping_) return true;
            const auto queued = std::find_if(
                entries_.begin(), entries_.end(),
                [](const EntryPtr& candidate) { return candidate->state == Entry::State::Queued; });
            if (queued != entries_.end()) entry = *queued;
            return entry != nullptr;
        });
        if (stopping_) return;
        entry->state = Entry::State::Running;
        lock.unlock();

        FileHandle file = openForRead(entry->path);
        const std::optional<FileVersion> version = versionOf(file);

        lock.lock();
        entry->version = version;
        if (!version || !entry->keep || stopping_ || findDone(entry->path, entry->pane, *version)) {
            // Unreadable files are left to the selection, which reports them; a picture
            // already decoded for this version is not decoded again.
            remove(entry);
            workChanged_.notify_all();
            continue;
        }
        workChanged_.notify_all();  // whoever waits for this file learns its version
        const DecodeHook hook = hook_;
        lock.unlock();

        if (hook) hook(entry->path, true);
        bool stable = false;
        PreviewPicture picture = readAndDecode(file, *version, entry->pane, &stable);
        file.close();

        lock.lock();
        ++counts_.decodedInBackground;
        // A file written while it was read gives a picture of no version; it is not kept.
        if (stable && entry->keep) {
            store(entry, std::move(picture));
        } else {
            remove(entry);
        }
        workChanged_.notify_all();
    }
}

PreviewCache::EntryPtr PreviewCache::findDone(const std::string& path, QSize pane,
                                              const FileVersion& version) const {
    for (const EntryPtr& entry : entries_) {
        if (entry->state == Entry::State::Done && entry->path == path && entry->pane == pane &&
            *entry->version == version) {
            return entry;
        }
    }
    return nullptr;
}

void PreviewCache::remove(const EntryPtr& entry) {
    entry->state = Entry::State::Gone;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), entry), entries_.end());
}

void PreviewCache::dropQueued() {
    for (const EntryPtr& entry : entries_) {
        if (entry->state == Entry::State::Queued) entry->state = Entry::State::Gone;
    }
    std::erase_if(entries_,
                  [](const EntryPtr& entry) { return entry->state == Entry::State::Gone; });
}

void PreviewCache::store(const EntryPtr& entry, PreviewPicture picture) {
    entry->state = Entry::State::Done;
    entry->picture = std::move(picture);
    entry->lastUse = ++useClock_;
    // The least recently used pictures go once there are more than the capacity.
    for (;;) {
        size_t done = 0;
        EntryPtr oldest;
        for (const EntryPtr& candidate : entries_) {
            if (candidate->state != Entry::State::Done) continue;
            ++done;
            if (!oldest || candidate->lastUse < oldest->lastUse) oldest = candidate;
        }
        if (done <= capacity_) return;
        remove(oldest);
    }
}

bool PreviewCache::busy() const {
    return std::any_of(entries_.begin(), entries_.end(), [](const EntryPtr& entry) {
        return entry->state == Entry::State::Queued || entry->state == Entry::State::Running;
    });
}

}  // namespace brevino::ui
