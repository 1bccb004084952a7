// Folder listings made on a thread of their own, so that opening or reloading a folder of a
// hundred thousand photos never keeps the window busy: the names are read, filtered, sorted
// once and made ready for the list there, and the window takes the result in one step. Only
// the latest listing asked for is delivered.
#pragma once

#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/directory_listing.h"

namespace brevino::ui {

struct Listing {
    std::vector<std::string> files;     // sorted as the file list is
    QStringList names;                  // what the list shows for them
    std::optional<std::string> folder;  // the folder a drop made current
    bool linksFollowed = true;          // false: links taken as files unseen (list again)
};

// The JPEG files of a folder.
Listing folderListing(const std::string& folder, Links links = Links::Followed);
// What a drop lists (see listDropped).
Listing dropListing(const std::vector<std::string>& paths, Links links = Links::Followed);
// The entries of a list of dropped files that are still there.
Listing presentListing(const std::vector<std::string>& paths);

class FolderLister : public QObject {
    Q_OBJECT
  public:
    using Job = std::function<Listing()>;
    using Done = std::function<void(Listing)>;

    explicit FolderLister(QObject* parent = nullptr);
    // Waits for the listing under way; nothing is delivered after.
    ~FolderLister() override;

    // Runs `job` on the lister's thread; `done` gets its result on this object's thread,
    // unless another listing was asked for meanwhile.
    void list(Job job, Done done);
    // Whether a listing is under way or not yet delivered.
    bool busy() const { return pending_ > 0; }
    // Frees a list that is not wanted any more on the lister's thread.
    void discard(std::vector<std::string> files, QStringList names);

  private:
    QThreadPool pool_;                  // one thread
    std::atomic<uint64_t> latest_ = 0;  // the listing last asked for
    int pending_ = 0;
};

}  // namespace brevino::ui
