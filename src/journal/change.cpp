#include "journal/change.h"

#include <array>
#include <utility>

namespace brevino {
namespace {

constexpr std::array<std::pair<OperationKind, std::string_view>, 6> kKindNames = {{
    {OperationKind::Save, "save"},
    {OperationKind::Set, "set"},
    {OperationKind::Import, "import"},
    {OperationKind::Batch, "batch"},
    {OperationKind::Undo, "undo"},
    {OperationKind::Redo, "redo"},
}};

}  // namespace

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
