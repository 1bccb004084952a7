#include "exif/exif_locator.h"

#include <cstring>

#include "workspace/workspace.h"

namespace brevino {
namespace {

constexpr char kHeaderReadError[] = "ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。";
constexpr char kNotSupported[] = "対象外の形式です";
// Segment heads further on are read with this much more, so that files with many small
// segments before the Exif segment cost few reads.
constexpr uint64_t kHeadReadAhead = 4096;

int fail(Workspace& workspace, ExifLocation& location, const char* message) {
    workspace.report(message);
    location.exifEnd = 0;
    return 0;
}

}  // namespace

int locateExif(Workspace& workspace, LeadingBytes& bytes, ExifLocation& location) {
    location.exifStart = 0;
    location.skippedBytes = 0;
    location.exifEnd = 2;
    if (bytes.ensure(2, kHeadReadAhead) != LeadingBytes::Status::Ok) {
        return fail(workspace, location, kHeaderReadError);
    }
    if (bytes.data()[0] != 0xFF || bytes.data()[1] != 0xD8) {
        return fail(workspace, location, kNotSupported);
    }
    for (;;) {
        uint64_t head = location.exifEnd;
        if (bytes.ensure(head + 8, kHeadReadAhead) != LeadingBytes::Status::Ok) {
            return fail(workspace, location, kHeaderReadError);
        }
        const uint8_t* segment = bytes.data() + head;
        uint64_t length = static_cast<uint64_t>(segment[2]) << 8 | segment[3];
        if (std::memcmp(segment + 4, "Exif", 4) == 0) {
            location.exifEnd += length + 2;
            return 1;
        }
        if (segment[0] != 0xFF) return fail(workspace, location, kNotSupported);
        location.exifEnd += length + 2;
        location.exifStart = location.exifEnd;
        location.skippedBytes += length + 2;
    }
}

void trimTrailingSpaces(std::string& text) {
    size_t end = text.find_last_not_of(' ');
    if (end != std::string::npos) text.resize(end + 1);
}

}  // namespace brevino
