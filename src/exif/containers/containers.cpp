// The containers the analysis reads, one line each.
#include "exif/containers/container.h"

namespace brevino {

extern const ContainerFormat kJpegContainer;

std::span<const ContainerFormat* const> containerFormats() {
    static const ContainerFormat* const kFormats[] = {
        &kJpegContainer,
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
