// The JPEG preview a raw file carries beside its sensor data, which the window shows in place
// of decoding the raw data: in TIFF-based files (DNG, NEF, CR2, ARW, RW2, ...) the JPEG an IFD
// or sub-IFD points to, in CR3 the JPEG of the PRVW box (or of the THMB box), in RAF the JPEG
// the header points to.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "exif/byte_source.h"

namespace brevino {

struct EmbeddedJpeg {
    uint64_t offset = 0;
    uint64_t length = 0;

    bool operator==(const EmbeddedJpeg&) const = default;
};

// The largest embedded JPEG that lies wholly inside the file and is baseline or progressive
// (the lossless JPEG some files hold their raw data in is passed over); nothing when the file
// is of another container or holds none.
std::optional<EmbeddedJpeg> embeddedPreview(const ByteSource& source);
std::optional<EmbeddedJpeg> embeddedPreview(std::span<const uint8_t> bytes);

}  // namespace brevino
