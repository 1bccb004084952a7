// The journals of the latest operations, one file per operation in a folder of the user's
// state ($XDG_STATE_HOME/brevino). A journal is written whole (a temporary file, then a
// rename) before the operation's first write, and again with what the operation did.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/change.h"

namespace brevino {

// How many operations are kept; older journals are removed.
inline constexpr size_t kKeptOperations = 50;

class JournalStore {
  public:
    // $XDG_STATE_HOME/brevino, or ~/.local/state/brevino.
    static std::string defaultFolder();

    explicit JournalStore(std::string folder = defaultFolder()) : folder_(std::move(folder)) {}

    // Numbers the operation after the latest one, stamps its time and writes it; false when
    // it cannot be written (then the operation must write nothing).
    bool begin(Operation& operation);
    // Writes the operation again, now with the facts of the files as it left them.
    bool finish(const Operation& operation);

    // The numbers of the kept operations, oldest first.
    std::vector<uint64_t> operations() const;
    // The operation's journal; nothing when it is missing or cannot be read.
    std::optional<Operation> load(uint64_t id) const;

    const std::string& folder() const { return folder_; }

  private:
    std::string pathOf(uint64_t id) const;
    bool write(const Operation& operation, bool durable);
    // Removes the oldest of `ids` (the kept operations, oldest first) beyond the limit.
    void prune(const std::vector<uint64_t>& ids) const;

    std::string folder_;
};

}  // namespace brevino
