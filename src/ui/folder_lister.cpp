#include "ui/folder_lister.h"

#include <memory>

#include "platform/thread_priority.h"
#include "ui/file_list_model.h"
#include "workspace/file_list.h"

namespace brevino::ui {

Listing folderListing(const std::string& folder, Links links) {
    Listing listing;
    listing.files = photoFilesIn(folder, links);
    listing.linksFollowed = links == Links::Followed;
    listing.names = displayNames(listing.files);
    return listing;
}

Listing dropListing(const std::vector<std::string>& paths, Links links) {
    DropListing dropped = listDropped(paths, links);
    Listing listing;
    listing.linksFollowed = links == Links::Followed || !dropped.folder;
    listing.files = std::move(dropped.files);
    listing.folder = std::move(dropped.folder);
    listing.names = displayNames(listing.files);
    return listing;
}

Listing presentListing(const std::vector<std::string>& paths) {
    Listing listing;
    listing.files = stillPresent(paths);
    listing.names = displayNames(listing.files);
    return listing;
}

FolderLister::FolderLister(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
}

FolderLister::~FolderLister() {
    pool_.waitForDone();
}

void FolderLister::discard(std::vector<std::string> files, QStringList names) {
    if (files.empty() && names.isEmpty()) return;
    auto old = std::make_shared<std::pair<std::vector<std::string>, QStringList>>(std::move(files),
                                                                                  std::move(names));
    pool_.start([old = std::move(old)]() mutable { old.reset(); });
}

void FolderLister::list(Job job, Done done) {
    const uint64_t number = ++latest_;
    ++pending_;
    pool_.start([this, number, job = std::move(job), done = std::move(done)] {
        yieldToInteractiveThreads(false);
        // A listing overtaken by a later one is freed here, not on the window's thread.
        auto listing = std::make_shared<Listing>(number == latest_ ? job() : Listing{});
        if (number != latest_) listing->files.clear(), listing->names.clear();
        QMetaObject::invokeMethod(
            this,
            [this, number, done, listing] {
                --pending_;
                if (number == latest_) {
                    done(std::move(*listing));
                } else {
                    discard(std::move(listing->files), std::move(listing->names));
                }
            },
            Qt::QueuedConnection);
    });
}

}  // namespace brevino::ui
