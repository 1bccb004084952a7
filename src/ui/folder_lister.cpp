#include "ui/folder_lister.h"

#include <memory>

#include "platform/thread_priority.h"
#include "ui/file_list_model.h"
#include "workspace/file_list.h"

namespace brevino::ui {

Listing folderListing(const std::string& folder) {
    Listing listing;
    listing.files = jpegFilesIn(folder);
    listing.names = displayNames(listing.files);
    return listing;
}

Listing dropListing(const std::vector<std::string>& paths) {
    DropListing dropped = listDropped(paths);
    Listing listing;
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

void FolderLister::list(Job job, Done done) {
    const uint64_t number = ++latest_;
    ++pending_;
    pool_.start([this, number, job = std::move(job), done = std::move(done)] {
        yieldToInteractiveThreads(false);
        auto listing = std::make_shared<Listing>(job());
        QMetaObject::invokeMethod(
            this,
            [this, number, done, listing] {
                --pending_;
                if (number == latest_) done(std::move(*listing));
            },
            Qt::QueuedConnection);
    });
}

}  // namespace brevino::ui
