#include "journal/change.h"

#include <algorithm>
#include <array>
#include <utility>

namespace brevino {
namespace {

constexpr std::array<std::pair<OperationKind, std::string_view>, 7> kKindNames = {{
    {OperationKind::Save, "save"},
    {OperationKind::Set, "set"},
    {OperationKind::Import, "import"},
    {OperationKind::Batch, "batch"},
    {OperationKind::Undo, "undo"},
    {OperationKind::Redo, "redo"},
    {OperationKind::Delete, "delete"},
}};

}  // namespace

SegmentChange segmentChange(uint64_t position, std::span<const uint8_t> before,
                            std::span<const uint8_t> after) {
    // Runs of equal bytes shorter than this do not split a patch.
    constexpr size_t kJoin = 16;
    SegmentChange change;
    change.position = position;
    change.beforeLength = before.size();
    change.afterLength = after.size();
    const size_t length = std::max(before.size(), after.size());
    auto differs = [&](size_t i) {
        return i >= before.size() || i >= after.size() || before[i] != after[i];
    };
    for (size_t i = 0; i < length;) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        for (size_t equal = 0; end < length && equal < kJoin; ++end)
            equal = differs(end) ? 0 : equal + 1;
        while (end > i + 1 && !differs(end - 1))
            --end;
        SegmentPatch& patch = change.patches.emplace_back();
        patch.offset = i;
        if (i < before.size())
            patch.before.assign(before.begin() + static_cast<long>(i),
                                before.begin() + static_cast<long>(std::min(end, before.size())));
        if (i < after.size())
            patch.after.assign(after.begin() + static_cast<long>(i),
                               after.begin() + static_cast<long>(std::min(end, after.size())));
        i = end;
    }
    return change;
}

std::optional<std::vector<uint8_t>> changedSegment(const SegmentChange& change,
                                                   std::span<const uint8_t> current) {
    if (current.size() != change.beforeLength) return std::nullopt;
    std::vector<uint8_t> result(current.begin(), current.end());
    result.resize(static_cast<size_t>(change.afterLength), 0);
    for (const SegmentPatch& patch : change.patches) {
        if (patch.offset > current.size() || patch.before.size() > current.size() - patch.offset ||
            !std::equal(patch.before.begin(), patch.before.end(),
                        current.begin() + static_cast<long>(patch.offset)))
            return std::nullopt;
        if (patch.offset + patch.after.size() > result.size()) return std::nullopt;
        std::copy(patch.after.begin(), patch.after.end(),
                  result.begin() + static_cast<long>(patch.offset));
    }
    return result;
}

SegmentChange reversed(const SegmentChange& change) {
    SegmentChange back = change;
    std::swap(back.beforeLength, back.afterLength);
    for (SegmentPatch& patch : back.patches)
        std::swap(patch.before, patch.after);
    return back;
}

std::string_view operationKindName(OperationKind kind) {
    for (const auto& [each, name] : kKindNames) {
        if (each == kind) return name;
    }
    return {};
}

std::optional<OperationKind> operationKindNamed(std::string_view name) {
    for (const auto& [kind, each] : kKindNames) {
        if (each == name) return kind;
    }
    return std::nullopt;
}

}  // namespace brevino
