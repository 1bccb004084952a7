#include "write_check.h"

#include "workspace/workspace.h"

namespace brevino::fixture {

std::vector<std::pair<uint64_t, uint64_t>> writableRanges(const Workspace& workspace) {
    std::vector<std::pair<uint64_t, uint64_t>> ranges;
    for (const auto& [index, value] : workspace.edits()) {
        const Entry& entry = workspace.document().entries[index];
        ranges.emplace_back(entry.position, entry.position + value.bytes.size());
    }
    return ranges;
}

std::optional<std::string> strayWrite(const std::vector<uint8_t>& before,
                                      const std::vector<uint8_t>& after,
                                      const std::vector<std::pair<uint64_t, uint64_t>>& ranges,
                                      const ExifLocation& location) {
    if (before.size() != after.size()) return "the file's size changed";
    for (size_t i = 0; i < after.size(); ++i) {
        if (after[i] == before[i]) continue;
        // A container's checksum over the Exif data (PNG's chunk CRC) changes with it.
        if (location.checksumAt != 0 && i >= location.checksumAt && i < location.checksumAt + 4)
            continue;
        if (i < location.tiffStart || i >= location.exifEnd) {
            return "byte " + std::to_string(i) + " outside the Exif segment changed";
        }
        bool allowed = false;
        for (auto [from, to] : ranges)
            allowed = allowed || (i >= from && i < to);
        if (!allowed) return "byte " + std::to_string(i) + " outside the changed values changed";
    }
    return std::nullopt;
}

}  // namespace brevino::fixture
