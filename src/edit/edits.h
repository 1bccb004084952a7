// The values edited since the analysis, by entry, waiting to be saved.
#pragma once

#include <cstddef>
#include <map>

#include "edit/value_input.h"

namespace brevino {

class Edits {
  public:
    using Map = std::map<size_t, EncodedValue>;  // by the document's entry index

    void set(size_t entry, EncodedValue value) { values_[entry] = std::move(value); }
    void erase(size_t entry) { values_.erase(entry); }
    void clear() { values_.clear(); }
    bool empty() const { return values_.empty(); }
    size_t size() const { return values_.size(); }
    const EncodedValue* find(size_t entry) const {
        const auto found = values_.find(entry);
        return found == values_.end() ? nullptr : &found->second;
    }
    Map::const_iterator begin() const { return values_.begin(); }
    Map::const_iterator end() const { return values_.end(); }

  private:
    Map values_;
};

}  // namespace brevino
