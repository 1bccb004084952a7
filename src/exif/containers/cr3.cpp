// Canon CR3 (an ISO base media file of brand "crx "): four TIFF structures in the boxes CMT1
// (the 0th IFD), CMT2 (the Exif IFD), CMT3 (the maker note) and CMT4 (the GPS IFD) of the
// Canon `uuid` box inside `moov`.
#include <cstring>

#include "exif/containers/box_reader.h"
#include "exif/containers/container.h"

namespace brevino {
namespace {

constexpr uint8_t kCanonUuid[16] = {0x85, 0xc0, 0xb6, 0x87, 0x82, 0x0f, 0x11, 0xe0,
                                    0x81, 0x11, 0xf4, 0xce, 0x46, 0x2b, 0x6a, 0x48};

bool recognisesCr3(std::span<const uint8_t> head) {
    return head.size() >= 12 && std::memcmp(head.data() + 4, "ftypcrx ", 8) == 0;
}

// The body of the Canon `uuid` box of `moov`, after its 16-byte identifier.
std::optional<Box> canonBox(HeadReader& reader, const Box& moov) {
    uint64_t at = moov.body;
    for (int i = 0; i < kMaxBoxes && at < moov.end; ++i) {
        const std::optional<Box> box = readBox(reader, at, moov.end);
        if (!box) return std::nullopt;
        at = box->end;
        if (!box->is("uuid")) continue;
        const std::span<const uint8_t> id = reader.at(box->body, 16);
        if (id.empty() || std::memcmp(id.data(), kCanonUuid, 16) != 0) continue;
        Box canon = *box;
        canon.body += 16;
        if (canon.body > canon.end) return std::nullopt;
        return canon;
    }
    return std::nullopt;
}

Problem locateCr3(const ByteSource& source, Document& document) {
    ExifLocation& location = document.location;
    location.container = ContainerKind::Cr3;
    HeadReader reader(source);
    const std::optional<Box> moov = findBox(reader, 0, source.size(), "moov");
    if (!moov) return Problem::HeaderReadError;
    const std::optional<Box> canon = canonBox(reader, *moov);
    if (!canon) return Problem::NoExifSegment;
    constexpr std::pair<std::string_view, IfdKind> kBlocks[] = {{"CMT1", IfdKind::Zeroth},
                                                                {"CMT2", IfdKind::Exif},
                                                                {"CMT3", IfdKind::MakerNote},
                                                                {"CMT4", IfdKind::Gps}};
    for (const auto& [name, first] : kBlocks) {
        const std::optional<Box> box = findBox(reader, canon->body, canon->end, name);
        if (!box) continue;
        TiffBlock block;
        block.start = box->body;
        block.end = box->end;
        block.tiffStart = box->body;
        block.first = first;
        block.title = name;
        if (const Problem problem = holdBlock(source, document, block); problem != Problem::None)
            return problem;
        if (location.exifEnd == 0) {
            location.tiffStart = block.tiffStart;
            location.exifStart = box->start;
        }
        location.exifEnd = box->end;
    }
    return document.blocks.empty() ? Problem::NoExifSegment : Problem::None;
}

}  // namespace

constexpr std::string_view kCr3Extensions[] = {".cr3"};

extern constinit const ContainerFormat kCr3Container{ContainerKind::Cr3, "cr3", recognisesCr3,
                                                     locateCr3, kCr3Extensions};

}  // namespace brevino
