// The containers Exif is read from, one locator each: how a file of the kind is known by its
// first bytes, and how its Exif data is found by reading the heads of its segments, boxes or
// chunks where they lie and skipping their bodies. Adding a container is a file in this
// folder that defines its format, and one line in the list of containers.cpp.
#pragma once

#include <span>
#include <string_view>

#include "exif/byte_source.h"
#include "exif/document.h"

namespace brevino {

struct ContainerFormat {
    ContainerKind kind;
    std::string_view name;  // as the JSON output names it ("jpeg", "heif", ...)
    // Whether a file that begins with these bytes (up to kHeadLength of them) is of the kind.
    bool (*recognises)(std::span<const uint8_t> head);
    // Finds the Exif data: fills the document's location and TIFF blocks and holds the bytes
    // of the blocks that are not read on demand. Answers None, or why it found none.
    Problem (*locate)(const ByteSource& source, Document& document);
};

inline constexpr size_t kHeadLength = 64;

// Every container format, in the order they are tried.
std::span<const ContainerFormat* const> containerFormats();

// The format of a file that begins with `head`; nullptr when none knows it.
const ContainerFormat* recogniseContainer(std::span<const uint8_t> head);

// The name of a container kind ("jpeg", "tiff", ...).
std::string_view containerName(ContainerKind kind);

}  // namespace brevino
