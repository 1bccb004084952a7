#include "tags/ifd.h"

#include <algorithm>
#include <utility>

namespace brevino {
namespace {

constexpr std::pair<IfdKind, std::string_view> kIfdNames[] = {
    {IfdKind::Zeroth, "0th"},      {IfdKind::Exif, "exif"},      {IfdKind::Gps, "gps"},
    {IfdKind::Interop, "interop"}, {IfdKind::First, "1st"},      {IfdKind::MakerNote, "makernote"},
    {IfdKind::Image, "image"},     {IfdKind::SubImage, "subifd"}};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

}  // namespace

std::string_view ifdName(IfdKind kind) {
    for (const auto& [each, name] : kIfdNames) {
        if (each == kind) return name;
    }
    return {};
}

IfdKind ifdKindNamed(std::string_view name) {
    for (const auto& [kind, each] : kIfdNames) {
        if (std::equal(name.begin(), name.end(), each.begin(), each.end(),
                       [](char a, char b) { return lower(a) == b; }))
            return kind;
    }
    return IfdKind::None;
}

}  // namespace brevino
