#include "exif/tiff_block.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "exif/ifd_walker.h"
#include "exif/maker_note.h"
#include "tags/tag_roles.h"

namespace brevino {
namespace {

// Raw files link a few images after the 0th IFD; a longer chain is a loop or damage.
constexpr int kMaxChainedIfds = 16;

IfdKind subIfdKind(uint16_t pointerTag) {
    if (pointerTag == tags::kExifPointer) return IfdKind::Exif;
    if (pointerTag == tags::kGpsPointer) return IfdKind::Gps;
    return IfdKind::Interop;
}

// The offset the IFD at `ifd` links to next; 0 for none, or when it cannot be read.
uint64_t nextIfd(IfdWalk& walk, uint64_t ifd, ByteOrder order) {
    const std::span<const uint8_t> count = walk.read(ifd, 2, 0);
    if (count.empty()) return 0;
    const uint64_t link = ifd + 2 + 12 * uint64_t{readU16(count.data(), order)};
    const std::span<const uint8_t> next = walk.read(link, 4, 0);
    return next.empty() ? 0 : readU32(next.data(), order);
}

// Numbers the section the walk just opened, and names its block when the file has several.
void markSection(Document& document, size_t section, uint16_t number, std::string_view block) {
    if (section >= document.sections.size()) return;
    document.sections[section].number = number;
    document.sections[section].block = block;
}

// The images of a raw file: the 1st IFD's successors (IFD2, IFD3, ...) and the SubIFDs of
// every image IFD, each walked once.
void walkImages(Document& document, IfdWalk& walk, const TiffBlock& block, ByteOrder order,
                uint64_t first) {
    std::vector<uint64_t> walked = {first};
    uint64_t ifd = first;
    for (int number = 1; number < kMaxChainedIfds; ++number) {
        const uint64_t next = nextIfd(walk, ifd, order);
        if (next == 0) break;
        ifd = block.tiffStart + next;
        if (std::find(walked.begin(), walked.end(), ifd) != walked.end()) break;
        walked.push_back(ifd);
        const size_t section = document.sections.size();
        walk.walk(ifd, order, number == 1 ? IfdKind::First : IfdKind::Image, block.tiffStart);
        if (number > 1) markSection(document, section, static_cast<uint16_t>(number), {});
    }
    uint16_t subNumber = 0;
    for (std::vector<uint64_t> subs = walk.takeSubImages(); !subs.empty();
         subs = walk.takeSubImages()) {
        for (const uint64_t sub : subs) {
            if (std::find(walked.begin(), walked.end(), sub) != walked.end()) continue;
            walked.push_back(sub);
            const size_t section = document.sections.size();
            walk.walk(sub, order, IfdKind::SubImage, block.tiffStart);
            markSection(document, section, ++subNumber, {});
        }
    }
}

// The maker-note copy a DNG keeps: "Adobe", "MakN", its length, the byte order and offset it
// had in the file it came from, then the note.
void walkDngMakerNote(Document& document, IfdWalk& walk,
                      std::span<const MakerNoteFormat* const> formats) {
    const uint64_t at = walk.dngPrivateOffset();
    if (at == 0 || walk.dngPrivateCount() < 20) return;
    const std::span<const uint8_t> head = walk.read(at, 20, 0);
    if (head.empty() || std::memcmp(head.data(), "Adobe\0MakN", 10) != 0) return;
    const uint64_t length = readU32(head.data() + 10, Motorola);
    if (length < 6 || length - 6 > walk.dngPrivateCount() - 20) return;
    MakerNoteSite site;
    site.offset = at + 20;
    site.count = length - 6;
    site.exifOrder = head[14] == 'I' && head[15] == 'I' ? Intel : Motorola;
    const uint64_t original = readU32(head.data() + 16, Motorola);
    // Offsets that counted from the original file's TIFF header count from where that header
    // would lie now; a note placed before it cannot be read that way.
    if (original > site.offset) return;
    site.exifHeader = site.offset - original;
    walkMakerNote(document, walk, formats, site);
}

}  // namespace

Problem walkTiffBlock(Document& document, const TiffBlock& block, const ByteSource* source,
                      std::span<const MakerNoteFormat* const> formats) {
    IfdWalk walk(document, source, block);
    const std::span<const uint8_t> header = walk.read(block.tiffStart, 8, 0);
    // A block too short for a TIFF header fails like a header with the wrong magic number.
    if (header.empty()) return Problem::BadTiffHeader;
    const ByteOrder order = header[0] == 'I' && header[1] == 'I' ? Intel : Motorola;
    if (&block == &document.blocks.front()) document.byteOrder = order;
    if (readU16(header.data() + 2, order) != block.magic) return Problem::BadTiffHeader;
    const uint64_t tiff = block.tiffStart;
    const uint64_t first = tiff + readU32(header.data() + 4, order);
    document.structure.emplace_back(tiff, tiff + 8);

    const size_t firstSection = document.sections.size();
    if (block.first == IfdKind::MakerNote) {
        // A maker note that is a TIFF structure of its own, known by the file's Make.
        const MakerNoteFormat* format = formatOfMake(walk, formats);
        if (format != nullptr) document.makerNote = format;
        walk.walk(first, order, IfdKind::MakerNote, tiff, format ? format->tags : nullptr);
        walk.walkNestedIfds();
    } else {
        walk.walk(first, order, block.first, tiff);
    }
    markSection(document, firstSection, 0, block.title);
    // Pointers met while walking a sub-IFD (interoperability in the Exif IFD) are walked in
    // the same loop.
    for (size_t i = 0; i < walk.subIfdCount(); ++i) {
        const IfdWalk::SubIfd sub = walk.subIfd(i);
        walk.walk(sub.offset, order, subIfdKind(sub.tag), tiff);
    }
    if (block.chained) {
        walkImages(document, walk, block, order, first);
    } else if (block.first == IfdKind::Zeroth) {
        // The 0th IFD's link to the thumbnail IFD, when both its entry count and the link are
        // inside.
        if (const uint64_t next = nextIfd(walk, first, order); next != 0)
            walk.walk(tiff + next, order, IfdKind::First, tiff);
    }
    MakerNoteSite site{walk.makerNoteOffset(), walk.makerNoteCount(), tiff, order};
    if (!walkMakerNote(document, walk, formats, site) && document.makerNote == nullptr)
        walkDngMakerNote(document, walk, formats);
    return Problem::None;
}

}  // namespace brevino
