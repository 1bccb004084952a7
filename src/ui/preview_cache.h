// Pictures decoded for the preview pane, off the window's thread: the selected file at once,
// its neighbours ahead of time at a lower priority (their analyses too), and a few pictures
// kept, so that stepping through a folder shows each photo without the window ever waiting
// for a decode or a read.
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
#include "workspace/prepared_file.h"

namespace brevino::ui {

// One file decoded for one pane size: the picture as drawn and the picture's own size (turned
// when the picture is turned).
struct PreviewPicture {
    QImage picture;
    QSize natural;
};

// What a picture is decoded for: the pane's size, whether it is turned as its Orientation
// entry says, and the screen's device pixels per pane pixel (2 on a screen scaled twice),
// so that the picture is decoded as sharp as the screen draws it.
struct PreviewTarget {
    QSize pane;
    bool turn = true;
    qreal scale = 1;

    bool operator==(const PreviewTarget& other) const = default;
};

// One version of a file on disk: its identity and its change time, because a write that
// restores the modification time afterwards (as the save may) still moves the change time.
struct FileVersion {
    FileIdentity identity;

    bool operator==(const FileVersion& other) const;
};

// The version of the open file now, or nothing when it cannot be examined.
std::optional<FileVersion> versionOf(const FileHandle& file);
// The version of the file at `path` now.
std::optional<FileVersion> versionAt(const std::string& path);

// Reads the whole of the open file and decodes it for `target` (files larger than the
// preview limit, or empty, give an empty picture), turned as `orientation` says or, without
// it, as the file's own Orientation entry does. `stable` receives whether the file was left
// unchanged while it was read, i.e. whether the picture belongs to `version`.
PreviewPicture readAndDecode(const FileHandle& file, const FileVersion& version,
                             const PreviewTarget& target, bool* stable = nullptr,
                             std::optional<int> orientation = std::nullopt);

// The name a picture is kept under: the file, what it was decoded for and the file's version.
struct PictureKey {
    std::string path;
    PreviewTarget target;
    FileVersion version;

    bool operator==(const PictureKey& other) const;
};
size_t qHash(const PictureKey& key, size_t seed = 0);

class PreviewCache {
  public:
    // How the pictures were come by, for tests and the benchmark.
    struct Counts {
        int fromCache = 0;            // asked for and found decoded
        int joined = 0;               // asked for while being decoded already
        int decodedOnRequest = 0;     // decoded because it was asked for
        int decodedInBackground = 0;  // decoded ahead of time
    };
    // Called before each decode with the file and whether it is decoded ahead of time; runs
    // on the decoding thread.
    using DecodeHook = std::function<void(const std::string& path, bool background)>;
    // A finished decode: of which file, for what, of which version of it (none when the
    // file could not be read), and whether it was asked for rather than decoded ahead.
    struct Decoded {
        std::string path;
        PreviewTarget target;
        std::optional<FileVersion> version;
        bool requested = false;
    };
    // Told of every finished decode, on the decoding thread.
    using ReadyListener =
        std::function<void(const Decoded& decoded, const PreviewPicture& picture)>;

    explicit PreviewCache(int capacity = 4);
    // Drops queued work and waits for the decodes under way; no decode outlives the cache.
    ~PreviewCache();
    PreviewCache(const PreviewCache&) = delete;
    PreviewCache& operator=(const PreviewCache&) = delete;

    // The kept picture of this version of `path` (open as `file`) for `target`, at once;
    // nothing when none is kept.
    std::optional<PreviewPicture> cached(const std::string& path, const FileHandle& file,
                                         const PreviewTarget& target);
    // Decodes `path` for `target` on the request thread, unless a decode of it is under way
    // already; the listener hears when it is done. `orientation`, when the caller has the
    // file's analysis, spares the decode reading it again. Requests not yet started are
    // dropped: only the latest selection matters.
    void request(const std::string& path, const PreviewTarget& target,
                 std::optional<int> orientation = std::nullopt);
    // Decodes `paths` ahead of time, in this order, for `target`. Queued work that was asked
    // for ahead of time before is dropped.
    void prefetch(const std::vector<std::string>& paths, const PreviewTarget& target);
    // The analysis of `path` made ahead of time, when the file is still that version; it is
    // handed over once.
    std::unique_ptr<PreparedFile> takePrepared(const std::string& path);
    // Drops the work not yet started; decodes under way finish and are kept.
    void cancel();
    // Drops the work decoded ahead of time that is not yet started.
    void cancelAhead();
    // Forgets every picture and drops queued work; decodes under way are not kept.
    void clear();
    // Waits until no work is queued or under way.
    void waitUntilIdle();

    Counts counts() const;
    // Replaces the hook or the listener; only while no work is queued or under way.
    void setDecodeHook(DecodeHook hook);
    void setReadyListener(ReadyListener listener);

  private:
    struct Task {
        enum class State { Queued, Running, Finished, Dropped };
        std::string path;
        PreviewTarget target;
        bool background = true;          // decoded ahead of time, not asked for
        std::optional<int> orientation;  // from the caller's analysis of the file
        State state = State::Queued;
        bool keep = true;  // false: the picture is not wanted any more
    };

    void run(const std::shared_ptr<Task>& task);
    void start(std::shared_ptr<Task> task);
    void store(const std::string& path, const PreviewTarget& target, const FileVersion& version,
               PreviewPicture picture);
    const PreviewPicture* find(const std::string& path, const PreviewTarget& target,
                               const FileVersion& version);
    void dropQueued(bool background);

    mutable QMutex mutex_;
    QWaitCondition changed_;
    QCache<PictureKey, PreviewPicture> pictures_;
    struct Prepared {
        std::string path;
        FileVersion version;
        std::unique_ptr<PreparedFile> file;
    };
    std::vector<Prepared> prepared_;            // the latest few, oldest first
    std::vector<std::shared_ptr<Task>> tasks_;  // queued or running, in queue order
    Counts counts_;
    DecodeHook hook_;
    ReadyListener listener_;
    QThreadPool requestPool_;     // one thread: the selected file
    QThreadPool backgroundPool_;  // one thread, at a lower priority: the neighbours
};

}  // namespace brevino::ui
