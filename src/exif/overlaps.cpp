#include "exif/overlaps.h"

#include <algorithm>
#include <vector>

#include "exif/value_notes.h"
#include "tags/tag_roles.h"

namespace brevino {
namespace {

constexpr uint32_t kStructure = 0x10000;  // a "tag" no entry has

struct Range {
    uint64_t start;
    uint64_t end;
    uint32_t tag;             // the entry's tag, or kStructure
    size_t entry = SIZE_MAX;  // the entry it belongs to
};

// Whether the entry's value lies in bytes of its own (not in its entry's value field).
bool liesOutside(const Entry& entry, uint64_t length) {
    const TiffTypeInfo& type = tiffType(entry.type);
    const bool rational =
        type.kind == ValueKind::Rational || type.kind == ValueKind::SignedRational;
    return type.size != 0 && (length > 4 || rational);
}

}  // namespace

void markOverlaps(Document& document) {
    std::vector<Range> ranges;
    ranges.reserve(document.entries.size() + document.structure.size());
    for (const auto& [start, end] : document.structure)
        if (end > start) ranges.push_back({start, end, kStructure});
    for (size_t i = 0; i < document.entries.size(); ++i) {
        const Entry& entry = document.entries[i];
        const uint64_t length = valueLength(entry);
        if (!entry.valueInside || length == 0 || !liesOutside(entry, length)) continue;
        // The maker note's block holds its own IFDs and values; a pointer's value is an
        // offset, whatever type and count it was written with.
        if (entry.tag == tags::kMakerNote && entry.ifd == IfdKind::Exif) continue;
        if (tags::isIfdPointer(entry.ifd, entry.tag)) continue;
        ranges.push_back({entry.position, entry.position + length, entry.tag, i});
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const Range& a, const Range& b) { return a.start < b.start; });
    auto mark = [&](const Range& range) {
        if (range.entry != SIZE_MAX) document.entries[range.entry].overlaps = true;
    };
    // A range overlaps one of another tag that starts before it when the furthest reach of
    // the earlier ranges of other tags passes its start: the two furthest-reaching earlier
    // ranges of different tags give that reach.
    Range furthest{0, 0, kStructure + 1}, other{0, 0, kStructure + 2};
    for (const Range& range : ranges) {
        const Range& reach = furthest.tag != range.tag ? furthest : other;
        if (reach.end > range.start) mark(range);
        if (range.end > furthest.end) {
            if (range.tag != furthest.tag) other = furthest;
            furthest = range;
        } else if (range.tag != furthest.tag && range.end > other.end) {
            other = range;
        }
    }
    // ... and one that starts at or after it when the first later range of another tag starts
    // before its end.
    size_t nextOther = ranges.size();
    for (size_t i = ranges.size(); i-- > 0;) {
        if (i + 1 < ranges.size() && ranges[i + 1].tag != ranges[i].tag) nextOther = i + 1;
        if (nextOther < ranges.size() && ranges[nextOther].start < ranges[i].end) mark(ranges[i]);
    }
}

}  // namespace brevino
