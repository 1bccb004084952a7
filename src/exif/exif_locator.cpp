#include "exif/exif_locator.h"

#include <cstring>

namespace brevino {
namespace {

// Segment heads further on are read with this much more, so that files with many small
// segments before the Exif segment cost few reads.
constexpr uint64_t kHeadReadAhead = 4096;

Problem fail(ExifLocation& location, Problem problem) {
    location.exifEnd = 0;
    return problem;
}

}  // namespace

Problem locateExif(LeadingBytes& bytes, ExifLocation& location) {
    location.exifStart = 0;
    location.skippedBytes = 0;
    location.exifEnd = 2;
    if (bytes.ensure(2, kHeadReadAhead) != LeadingBytes::Status::Ok) {
        return fail(location, Problem::HeaderReadError);
    }
    if (bytes.data()[0] != 0xFF || bytes.data()[1] != 0xD8) {
        return fail(location, Problem::NotSupported);
    }
    for (;;) {
        const uint64_t head = location.exifEnd;
        if (bytes.ensure(head + 2, kHeadReadAhead) != LeadingBytes::Status::Ok)
            return fail(location, Problem::HeaderReadError);
        // The image data (or the end of the image) comes before any Exif segment: a JPEG
        // without Exif.
        if (bytes.data()[head] == 0xFF &&
            (bytes.data()[head + 1] == 0xDA || bytes.data()[head + 1] == 0xD9))
            return fail(location, Problem::NoExifSegment);
        if (bytes.ensure(head + 8, kHeadReadAhead) != LeadingBytes::Status::Ok) {
            return fail(location, Problem::HeaderReadError);
        }
        const uint8_t* segment = bytes.data() + head;
        const uint64_t length = static_cast<uint64_t>(segment[2]) << 8 | segment[3];
        if (std::memcmp(segment + 4, "Exif", 4) == 0) {
            location.exifEnd += length + 2;
            return Problem::None;
        }
        if (segment[0] != 0xFF) return fail(location, Problem::NotSupported);
        location.exifEnd += length + 2;
        location.exifStart = location.exifEnd;
        location.skippedBytes += length + 2;
    }
}

}  // namespace brevino
