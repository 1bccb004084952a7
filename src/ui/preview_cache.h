// Pictures decoded for the preview pane: a few kept, and the neighbours of the shown file
// decoded ahead of time on a background thread, so that stepping through a folder shows each
// photo without waiting for its decode.
#pragma once

#include <QCache>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QThreadPool>
#include <QWaitCondition>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_io.h"

namespace brevino::ui {

// One file decoded for one pane size: the picture as drawn and the picture's own size.
struct PreviewPicture {
    QImage picture;
    QSize natural;
};

// One version of a file on disk. The change time is part of it because a write that restores
// the modification time afterwards (as the save may) still moves the change time.
struct FileVersion {
    FileIdentity identity;
    timespec changed{};

    bool operator==(const FileVersion& other) const;
};

// The version of the open file now, or nothing when it cannot be examined.
std::optional<FileVersion> versionOf(const FileHandle& file);

// Reads the whole of the open file and decodes it for a pane of `pane` (files larger than
// the preview limit, or empty, give an empty picture). `stable` receives whether the file
// was left unchanged while it was read, i.e. whether the picture belongs to `version`.
PreviewPicture readAndDecode(const FileHandle& file, const FileVersion& version, QSize pane,
                             bool* stable = nullptr);

class PreviewCache {
  public:
    // How the pictures were come by, for tests and the benchmark.
    struct Counts {
        int fromCache = 0;            // asked for and found decoded
        int waitedFor = 0;            // asked for while being decoded in the background
        int decodedOnRequest = 0;     // decoded on the asking thread
        int decodedInBackground = 0;  // decoded ahead of time
    };
    // Called before each decode with the file and whether it runs in the background; runs on
    // the decoding thread.
    using DecodeHook = std::function<void(const std::string& path, bool background)>;

    explicit PreviewCache(int capacity = 4);
    // Drops queued work and waits for a decode under way; no decode outlives the cache.
    ~PreviewCache();
    PreviewCache(const PreviewCache&) = delete;
    PreviewCache& operator=(const PreviewCache&) = delete;

    // The picture of `path`, open as `file`, for a pane of `pane`: the kept picture of this
    // version of the file, or the background decode of it when one is under way (waited
    // for), or else decoded now. Never waits for the decode of any other file.
    PreviewPicture picture(const std::string& path, const FileHandle& file, QSize pane);

    // Decodes `paths` in the background, in this order, for a pane of `pane`. Queued work
    // that was asked for before is dropped.
    void prefetch(const std::vector<std::string>& paths, QSize pane);
    // Drops queued work; a decode under way finishes and is kept.
    void cancel();
    // Forgets every picture and drops queued work; a decode under way is not kept.
    void clear();
    // Waits until no background work is queued or under way.
    void waitUntilIdle();

    Counts counts() const;
    // Replaces the decode hook; only while no background work is queued or under way.
    void setDecodeHook(DecodeHook hook);

  private:
    struct Task {
        enum class State { Queued, Running, Finished, Dropped };
        std::string path;
        QSize pane;
        State state = State::Queued;
        bool keep = true;  // false: the picture is not wanted any more
    };

    void decodeInBackground(const std::shared_ptr<Task>& task);
    void store(const std::string& path, QSize pane, const FileVersion& version,
               PreviewPicture picture);
    const PreviewPicture* find(const std::string& path, QSize pane, const FileVersion& version);
    void dropQueued();

    mutable QMutex mutex_;
    QWaitCondition changed_;
    QCache<QString, PreviewPicture> pictures_;
    std::vector<std::shared_ptr<Task>> tasks_;  // queued or running, in queue order
    Counts counts_;
    DecodeHook hook_;
    QThreadPool pool_;  // one thread: background decodes run one after another
};

}  // namespace brevino::ui
