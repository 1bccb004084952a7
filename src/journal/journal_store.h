// The journals of the latest operations, one file per operation in a folder of the user's
// state ($XDG_STATE_HOME/brevino). A journal is written whole (a temporary file, then a
// rename) before the operation's first write, and again with what the operation did; an
// operation that wrote nothing leaves no journal. Files an undo removes are kept beside the
// journals, so that the removal can be taken back too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/change.h"

namespace brevino {

// How many operations are kept, and how many bytes their journals (and the files kept with
// them) may take by default; the oldest go first, the latest always stays.
inline constexpr size_t kKeptOperations = 50;
inline constexpr uint64_t kDefaultJournalBytes = uint64_t{1} << 30;

class JournalStore {
  public:
    // $XDG_STATE_HOME/brevino, or ~/.local/state/brevino.
    static std::string defaultFolder();

    explicit JournalStore(std::string folder = defaultFolder(),
                          uint64_t byteLimit = kDefaultJournalBytes)
        : folder_(std::move(folder)), byteLimit_(byteLimit) {}

    // Numbers the operation after the latest one, stamps its time and writes it; false when
    // it cannot be written (then the operation must write nothing).
    bool begin(Operation& operation);
    // Writes the operation again, now with the facts of the files as it left them (durable
    // when what it is about to do depends on it).
    bool finish(const Operation& operation, bool durable = false);
    // Removes the journal of an operation that wrote nothing after all.
    void discard(const Operation& operation);

    // The numbers of the kept operations, oldest first.
    std::vector<uint64_t> operations() const;
    // The operation's journal; nothing when it is missing or cannot be read.
    std::optional<Operation> load(uint64_t id) const;
    // Its head only (number, kind, title, time, target, and empty file records), read quickly.
    std::optional<Operation> loadHead(uint64_t id) const;

    // Where the `index`-th file that operation `id` removes is kept.
    std::string keptPath(uint64_t id, size_t index) const;

    const std::string& folder() const { return folder_; }

  private:
    std::string pathOf(uint64_t id) const;
    bool write(const Operation& operation, bool durable);
    // Removes the oldest of `ids` (the kept operations, oldest first) beyond the limits of
    // number and size, never the latest.
    void prune(const std::vector<uint64_t>& ids) const;
    // Removes an operation's journal and the files kept with it.
    void removeOperation(uint64_t id) const;

    std::string folder_;
    uint64_t byteLimit_;
};

}  // namespace brevino
