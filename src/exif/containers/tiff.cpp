// TIFF and the raw files built on it (DNG, NEF/NRW, CR2, ARW/SR2/SRF, PEF, SRW, ORF, RW2/RWL):
// the TIFF header at byte 0, whose 0th IFD is the image's; the whole file is the TIFF data,
// read where its IFDs and values lie. Olympus and Panasonic files write their own numbers in
// the header in place of 42.
#include <cstring>

#include "exif/containers/container.h"

namespace brevino {
namespace {

struct TiffMark {
    const char* bytes;  // the first four bytes
    uint16_t magic;     // the number after the byte-order mark
};

constexpr TiffMark kMarks[] = {
    {"II*\0", 42},    {"MM\0*", 42},  // TIFF, DNG, NEF, CR2, ARW, PEF, SRW, ...
    {"IIRO", 0x4F52}, {"IIRS", 0x5352}, {"MMOR", 0x4F52},  // ORF
    {"IIU\0", 0x55},                                       // RW2, RWL
};

const TiffMark* markOf(std::span<const uint8_t> head) {
    if (head.size() < 8) return nullptr;
    for (const TiffMark& mark : kMarks) {
        if (std::memcmp(head.data(), mark.bytes, 4) == 0) return &mark;
    }
    return nullptr;
}

bool recognisesTiff(std::span<const uint8_t> head) {
    return markOf(head) != nullptr;
}

Problem locateTiff(const ByteSource& source, Document& document) {
    ExifLocation& location = document.location;
    location.container = ContainerKind::Tiff;
    uint8_t head[8] = {};
    const TiffMark* mark = markOf(std::span<const uint8_t>(head, source.read(0, head, 8)));
    if (mark == nullptr) return Problem::NotSupported;
    location.exifEnd = source.size();
    TiffBlock block;
    block.end = source.size();
    block.magic = mark->magic;
    block.readOnDemand = true;
    block.chained = true;
    document.blocks.push_back(block);
    return Problem::None;
}

}  // namespace

constexpr std::string_view kTiffExtensions[] = {".tif", ".tiff", ".dng", ".nef", ".nrw",
                                                ".cr2", ".arw",  ".sr2", ".srf", ".pef",
                                                ".srw", ".orf",  ".rw2", ".rwl"};

extern constinit const ContainerFormat kTiffContainer{ContainerKind::Tiff, "tiff", recognisesTiff,
                                                      locateTiff, kTiffExtensions};

}  // namespace brevino
