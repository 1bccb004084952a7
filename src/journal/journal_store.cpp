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
constexpr std::string_view kKeptExtension = ".kept";
// A journal's head lies within its first bytes (the title is at most a few hundred).
constexpr size_t kHeadBytes = 1 << 14;

// The number a name of the folder starts with ("000012.journal", "000012-3.kept"), or 0.
uint64_t idOfName(std::string_view name, std::string_view extension, char end) {
    if (name.size() <= extension.size() || !name.ends_with(extension)) return 0;
    uint64_t id = 0;
    for (const char c : name) {
        if (c == end) return id;
        if (c < '0' || c > '9' || id > UINT64_MAX / 10 - 9) return 0;
        id = id * 10 + static_cast<uint64_t>(c - '0');
    }
    return 0;
}

std::string numbered(uint64_t id) {
    char name[32];
    std::snprintf(name, sizeof name, "%06llu", static_cast<unsigned long long>(id));
    return name;
}

}  // namespace

std::string JournalStore::defaultFolder() {
    return stateFolder() + "/brevino";
}

std::string JournalStore::pathOf(uint64_t id) const {
    return folder_ + "/" + numbered(id) + std::string(kExtension);
}

std::string JournalStore::keptPath(uint64_t id, size_t index) const {
    return folder_ + "/" + numbered(id) + "-" + std::to_string(index) + std::string(kKeptExtension);
}

std::vector<uint64_t> JournalStore::operations() const {
    std::vector<uint64_t> ids;
    for (const std::string& name : regularFileNames(folder_)) {
        if (const uint64_t id = idOfName(name, kExtension, '.')) ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::optional<Operation> JournalStore::load(uint64_t id) const {
    FileHandle file = openForRead(pathOf(id));
    const std::optional<FileIdentity> identity = file.identity();
    if (!file.isOpen() || !identity) return std::nullopt;
    std::string text(static_cast<size_t>(identity->size), '\0');
    if (file.readAt(0, text.data(), text.size()) != text.size()) return std::nullopt;
    std::optional<Operation> operation = parseJournal(text);
    if (operation && operation->id != id) return std::nullopt;
    return operation;
}

std::optional<Operation> JournalStore::loadHead(uint64_t id) const {
    FileHandle file = openForRead(pathOf(id));
    if (!file.isOpen()) return std::nullopt;
    std::string text(kHeadBytes, '\0');
    text.resize(file.readAt(0, text.data(), text.size()));
    // Up to the last whole line: the head ends at the first file record.
    text.resize(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    std::optional<Operation> operation = parseJournal(text, true);
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
    operation.started = static_cast<int64_t>(std::time(nullptr));
    // On disk before anything is changed, so that even a crash leaves what undo needs.
    if (!write(operation, true)) return false;
    ids.push_back(operation.id);
    prune(ids);
    return true;
}

bool JournalStore::finish(const Operation& operation, bool durable) {
    return write(operation, durable);
}

void JournalStore::discard(const Operation& operation) {
    if (operation.id != 0) removeOperation(operation.id);
}

void JournalStore::removeOperation(uint64_t id) const {
    removeFile(pathOf(id));
    for (const std::string& name : regularFileNames(folder_)) {
        if (idOfName(name, kKeptExtension, '-') == id) removeFile(folder_ + "/" + name);
    }
}

void JournalStore::prune(const std::vector<uint64_t>& ids) const {
    // Bytes taken by each operation: its journal and the files kept with it.
    std::vector<uint64_t> sizes(ids.size(), 0);
    uint64_t total = 0;
    for (const std::string& name : regularFileNames(folder_)) {
        uint64_t id = idOfName(name, kExtension, '.');
        if (id == 0) id = idOfName(name, kKeptExtension, '-');
        const auto at = std::lower_bound(ids.begin(), ids.end(), id);
        if (id == 0 || at == ids.end() || *at != id) continue;
        const std::optional<FileIdentity> identity = identifyFile(folder_ + "/" + name);
        const uint64_t size = identity ? static_cast<uint64_t>(identity->size) : 0;
        sizes[static_cast<size_t>(at - ids.begin())] += size;
        total += size;
    }
    for (size_t i = 0; i + 1 < ids.size(); ++i) {
        if (ids.size() - i <= kKeptOperations && total <= byteLimit_) break;
        removeOperation(ids[i]);
        total -= sizes[i];
    }
}

}  // namespace brevino
