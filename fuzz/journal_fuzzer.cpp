// Reads any bytes as a journal: never a crash, and a journal read back is written the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "journal/journal_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<brevino::Operation> operation = brevino::parseJournal(text);
    if (!operation) return 0;
    const std::string written = brevino::formatJournal(*operation);
    const std::optional<brevino::Operation> again = brevino::parseJournal(written);
    if (!again || brevino::formatJournal(*again) != written) std::abort();
    return 0;
}
