// Fujifilm RAF: its header points to a JPEG preview, whose Exif segment holds the file's Exif.
#include <cstring>

#include "exif/containers/container.h"
#include "exif/containers/head_reader.h"

namespace brevino {
namespace {

bool recognisesRaf(std::span<const uint8_t> head) {
    return head.size() >= 16 && std::memcmp(head.data(), "FUJIFILMCCD-RAW ", 16) == 0;
}

Problem locateRaf(const ByteSource& source, Document& document) {
    HeadReader reader(source);
    // The preview's offset and length, big-endian, at bytes 84 and 88.
    const std::span<const uint8_t> pointer = reader.at(84, 8);
    if (pointer.empty()) return Problem::HeaderReadError;
    auto number = [&](size_t at) {
        return uint64_t{pointer[at]} << 24 | uint64_t{pointer[at + 1]} << 16 |
               uint64_t{pointer[at + 2]} << 8 | pointer[at + 3];
    };
    const uint64_t start = number(0);
    const uint64_t length = number(4);
    if (start > source.size() || length > source.size() - start) return Problem::HeaderReadError;
    const Problem problem = locateJpegIn(source, document, start, start + length);
    document.location.container = ContainerKind::Raf;
    return problem;
}

}  // namespace

constexpr std::string_view kRafExtensions[] = {".raf"};

extern constinit const ContainerFormat kRafContainer{ContainerKind::Raf, "raf", recognisesRaf,
                                                     locateRaf, kRafExtensions};

}  // namespace brevino
