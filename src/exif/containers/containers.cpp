// The containers the analysis reads, one line each.
#include "exif/containers/container.h"

namespace brevino {

extern const ContainerFormat kJpegContainer;
extern const ContainerFormat kTiffContainer;
extern const ContainerFormat kHeifContainer;
extern const ContainerFormat kCr3Container;
extern const ContainerFormat kRafContainer;
extern const ContainerFormat kWebPContainer;
extern const ContainerFormat kPngContainer;
extern const ContainerFormat kJxlContainer;

Problem holdBlock(const ByteSource& source, Document& document, const TiffBlock& block) {
    document.blocks.push_back(block);
    if (block.end > source.size() || block.start > block.end) return Problem::App1ReadError;
    const uint64_t length = block.end - block.start;
    if (length > HeldBytes::kTotalLimit) return Problem::MemoryError;
    if (!document.held.fetch(source, block.start, length, block.end)) return Problem::App1ReadError;
    return Problem::None;
}

std::span<const ContainerFormat* const> containerFormats() {
    static const ContainerFormat* const kFormats[] = {
        &kJpegContainer, &kTiffContainer, &kHeifContainer, &kCr3Container,
        &kRafContainer,  &kWebPContainer, &kPngContainer,  &kJxlContainer,
    };
    return kFormats;
}

const ContainerFormat* recogniseContainer(std::span<const uint8_t> head) {
    for (const ContainerFormat* format : containerFormats()) {
        if (format->recognises(head)) return format;
    }
    return nullptr;
}

std::string_view containerName(ContainerKind kind) {
    for (const ContainerFormat* format : containerFormats()) {
        if (format->kind == kind) return format->name;
    }
    return {};
}

}  // namespace brevino
