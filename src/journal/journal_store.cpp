#include "journal/journal_store.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "journal/journal_text.h"
#include "platform/directory_listing.h"
#include "platform/settings_profile.h"

namespace brevino {
namespace {

constexpr std::string_view kExtension = ".journal";

// The operation number a journal's file name carries, or 0.
uint64_t idOfName(std::string_view name) {
    if (name.size() <= kExtension.size() || !name.ends_with(kExtension)) return 0;
    uint64_t id = 0;
    for (const char c : name.substr(0, name.size() - kExtension.size())) {
        if (c < '0' || c > '9' || id > UINT64_MAX / 10 - 9) return 0;
        id = id * 10 + static_cast<uint64_t>(c - '0');
    }
    return id;
}

}  // namespace

std::string JournalStore::defaultFolder() {
    return stateFolder() + "/brevino";
}

std::string JournalStore::pathOf(uint64_t id) const {
    char name[32];
    std::snprintf(name, sizeof name, "%06llu", static_cast<unsigned long long>(id));
    return folder_ + "/" + name + std::string(kExtension);
}

std::vector<uint64_t> JournalStore::operations() const {
    std::vector<uint64_t> ids;
    for (const std::string& name : regularFileNames(folder_)) {
        if (const uint64_t id = idOfName(name)) ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::optional<Operation> JournalStore::load(uint64_t id) const {
    FileHandle file = openForRead(pathOf(id));
    const std::optional<FileIdentity> identity = file.identity();
    if (!file.isOpen() || !identity || identity->size > (int64_t{1} << 30)) return std::nullopt;
    std::string text(static_cast<size_t>(identity->size), '\0');
    if (file.readAt(0, text.data(), text.size()) != text.size()) return std::nullopt;
    std::optional<Operation> operation = parseJournal(text);
    if (operation && operation->id != id) return std::nullopt;
    return operation;
}

bool JournalStore::write(const Operation& operation, bool durable) {
    const std::string target = pathOf(operation.id);
    std::optional<TemporaryFile> temporary = createTemporaryBeside(target);
    if (!temporary) return false;
    const std::string text = formatJournal(operation);
    if (temporary->handle.write(text.data(), text.size()) != text.size() ||
        (durable && !temporary->handle.sync())) {
        discardTemporary(*temporary);
        return false;
    }
    return commitTemporary(*temporary, target);
}

bool JournalStore::begin(Operation& operation) {
    if (!makeFolders(folder_)) return false;
    std::vector<uint64_t> ids = operations();
    operation.id = ids.empty() ? 1 : ids.back() + 1;
    operation.created = static_cast<int64_t>(std::time(nullptr));
    // On disk before anything is changed, so that even a crash leaves what undo needs.
    if (!write(operation, true)) return false;
    ids.push_back(operation.id);
    prune(ids);
    return true;
}

bool JournalStore::finish(const Operation& operation) {
    return write(operation, false);
}

void JournalStore::prune(const std::vector<uint64_t>& ids) const {
    for (size_t i = 0; i + kKeptOperations < ids.size(); ++i)
        removeFile(pathOf(ids[i]));
}

}  // namespace brevino
