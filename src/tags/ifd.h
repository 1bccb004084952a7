// The kinds of IFD a file holds, and their short names.
#pragma once

#include <cstdint>
#include <string_view>

namespace brevino {

// Image and SubImage are the further image IFDs of TIFF and raw files: those the 1st IFD links
// to in turn (IFD2, IFD3, ...), and those an IFD's SubIFDs entry points to.
enum class IfdKind : uint8_t {
    None,
    Zeroth,
    Exif,
    Gps,
    Interop,
    First,
    MakerNote,
    Image,
    SubImage
};

// "0th", "exif", "gps", "interop", "1st", "makernote", "image", "subifd": as the command line
// and JSON output write them; empty for None.
std::string_view ifdName(IfdKind kind);
// The kind a short name stands for (letter case ignored), or None.
IfdKind ifdKindNamed(std::string_view name);

// Whether the IFD is one of the standard ones (the maker note is not).
inline bool isStandardIfd(IfdKind kind) {
    return kind != IfdKind::None && kind != IfdKind::MakerNote;
}

}  // namespace brevino
