#include "exif/embedded_preview.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "exif/byte_order.h"
#include "exif/containers/box_reader.h"
#include "exif/containers/container.h"

namespace brevino {
namespace {

// Files are walked only so far: damaged or looping files end the walk.
constexpr int kMaxIfds = 32;
constexpr uint16_t kMaxIfdEntries = 1024;
constexpr int kMaxJpegSegments = 64;

// Whether the JPEG in [offset, offset + length) begins with SOI and reaches a baseline,
// extended or progressive frame head before its scan. Lossless and hierarchical JPEG (raw
// data in DNG and CR2) does not show.
bool decodableJpeg(HeadReader& reader, uint64_t offset, uint64_t length) {
    const uint64_t size = reader.source().size();
    if (length < 4 || offset > size || length > size - offset) return false;
    const std::span<const uint8_t> soi = reader.at(offset, 2);
    if (soi.empty() || soi[0] != 0xFF || soi[1] != 0xD8) return false;
    const uint64_t end = offset + length;
    uint64_t at = offset + 2;
    for (int i = 0; i < kMaxJpegSegments && at + 4 <= end; ++i) {
        const std::span<const uint8_t> head = reader.at(at, 4);
        if (head.empty() || head[0] != 0xFF) return false;
        const uint8_t marker = head[1];
        if (marker == 0xFF) {  // a fill byte
            ++at;
            continue;
        }
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) return true;
        // Other frame heads (lossless, hierarchical, arithmetic), a scan or an end first.
        if ((marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
             marker != 0xCC) ||
            marker == 0xDA || marker == 0xD9)
            return false;
        at += 2 + (uint64_t{head[2]} << 8 | head[3]);
    }
    return false;
}

struct Candidates {
    HeadReader& reader;
    std::optional<EmbeddedJpeg> best;

    void offer(uint64_t offset, uint64_t length) {
        if (best && length <= best->length) return;
        if (decodableJpeg(reader, offset, length)) best = EmbeddedJpeg{offset, length};
    }
};

// TIFF-based raw files: each IFD of the chain from the 0th and each sub-IFD (SubIFDs entries)
// is looked at for JPEGInterchangeFormat/Length, a single strip compressed as JPEG, and the
// JpgFromRaw entry Panasonic files keep the full-size JPEG in.
void offerTiff(Candidates& found) {
    HeadReader& reader = found.reader;
    const std::span<const uint8_t> header = reader.at(0, 8);
    if (header.empty()) return;
    const ByteOrder order = header[0] == 'I' && header[1] == 'I' ? Intel : Motorola;
    std::vector<uint64_t> pending{readU32(header.data() + 4, order)};
    std::vector<uint64_t> seen;
    while (!pending.empty() && static_cast<int>(seen.size()) < kMaxIfds) {
        const uint64_t ifd = pending.back();
        pending.pop_back();
        if (ifd < 8 || std::find(seen.begin(), seen.end(), ifd) != seen.end()) continue;
        seen.push_back(ifd);
        const std::span<const uint8_t> countBytes = reader.at(ifd, 2);
        if (countBytes.empty()) continue;
        const uint16_t count = readU16(countBytes.data(), order);
        if (count == 0 || count > kMaxIfdEntries) continue;
        uint64_t jpegOffset = 0, jpegLength = 0, stripOffset = 0, stripLength = 0;
        uint32_t compression = 0;
        bool singleStrip = true;
        for (uint16_t i = 0; i < count; ++i) {
            const std::span<const uint8_t> entry = reader.at(ifd + 2 + uint64_t{i} * 12, 12);
            if (entry.empty()) break;
            const uint16_t tag = readU16(entry.data(), order);
            const uint16_t type = readU16(entry.data() + 2, order);
            const uint32_t n = readU32(entry.data() + 4, order);
            const uint8_t* field = entry.data() + 8;
            // A single SHORT or LONG value, which lies in the value field.
            const auto single = [&]() -> uint32_t {
                return type == 3 ? readU16(field, order) : readU32(field, order);
            };
            switch (tag) {
                case 0x0103:
                    compression = single();
                    break;
                case 0x0111:
                    singleStrip = singleStrip && n == 1;
                    stripOffset = single();
                    break;
                case 0x0117:
                    singleStrip = singleStrip && n == 1;
                    stripLength = single();
                    break;
                case 0x0201:
                    jpegOffset = single();
                    break;
                case 0x0202:
                    jpegLength = single();
                    break;
                case 0x002E:  // JpgFromRaw: the JPEG is the value itself
                    if (type == 7 && n > 4) found.offer(readU32(field, order), n);
                    break;
                case 0x014A:  // SubIFDs: one offset in the field, or an array of them
                    if (n == 1) {
                        pending.push_back(readU32(field, order));
                    } else if (n > 1 && n <= 8) {
                        const std::span<const uint8_t> offsets =
                            reader.at(readU32(field, order), size_t{n} * 4);
                        for (size_t k = 0; k < offsets.size(); k += 4)
                            pending.push_back(readU32(offsets.data() + k, order));
                    }
                    break;
                default:
                    break;
            }
        }
        if (jpegLength > 0) found.offer(jpegOffset, jpegLength);
        if ((compression == 6 || compression == 7) && singleStrip && stripLength > 0)
            found.offer(stripOffset, stripLength);
        // The next IFD of the chain, after the entries.
        const std::span<const uint8_t> next = reader.at(ifd + 2 + uint64_t{count} * 12, 4);
        if (!next.empty()) pending.push_back(readU32(next.data(), order));
    }
}

constexpr uint8_t kCanonUuid[16] = {0x85, 0xc0, 0xb6, 0x87, 0x82, 0x0f, 0x11, 0xe0,
                                    0x81, 0x11, 0xf4, 0xce, 0x46, 0x2b, 0x6a, 0x48};
constexpr uint8_t kPreviewUuid[16] = {0xea, 0xf4, 0x2b, 0x5e, 0x1c, 0x98, 0x4b, 0x88,
                                      0xb9, 0xfb, 0xb7, 0xdc, 0x40, 0x6e, 0x4d, 0x16};

// The `uuid` box with this identifier among the boxes of [start, end).
std::optional<Box> uuidBox(HeadReader& reader, uint64_t start, uint64_t end,
                           const uint8_t (&id)[16]) {
    uint64_t at = start;
    for (int i = 0; i < kMaxBoxes && at < end; ++i) {
        const std::optional<Box> box = readBox(reader, at, end);
        if (!box) return std::nullopt;
        at = box->end;
        if (!box->is("uuid")) continue;
        const std::span<const uint8_t> read = reader.at(box->body, 16);
        if (!read.empty() && std::memcmp(read.data(), id, 16) == 0) return box;
    }
    return std::nullopt;
}

// A PRVW or THMB box holds a few numbers (its size in pixels, the JPEG's length) and then the
// JPEG, which runs to the end of the box; where it starts is found by its SOI.
void offerCr3Box(Candidates& found, const Box& box) {
    constexpr size_t kHeadRoom = 32;
    const uint64_t length = box.end - box.body;
    const std::span<const uint8_t> head =
        found.reader.at(box.body, static_cast<size_t>(std::min<uint64_t>(kHeadRoom, length)));
    for (size_t i = 0; i + 3 <= head.size(); ++i) {
        if (head[i] == 0xFF && head[i + 1] == 0xD8 && head[i + 2] == 0xFF) {
            found.offer(box.body + i, box.end - (box.body + i));
            return;
        }
    }
}

void offerCr3(Candidates& found) {
    HeadReader& reader = found.reader;
    const uint64_t size = reader.source().size();
    // The preview: a PRVW box inside a top-level uuid box, after its identifier and 8 bytes.
    if (const std::optional<Box> preview = uuidBox(reader, 0, size, kPreviewUuid)) {
        if (const std::optional<Box> prvw =
                findBox(reader, std::min(preview->body + 24, preview->end), preview->end, "PRVW"))
            offerCr3Box(found, *prvw);
    }
    // The thumbnail of the Canon box in moov, for files without a preview.
    if (found.best) return;
    const std::optional<Box> moov = findBox(reader, 0, size, "moov");
    if (!moov) return;
    const std::optional<Box> canon = uuidBox(reader, moov->body, moov->end, kCanonUuid);
    if (!canon) return;
    if (const std::optional<Box> thumb =
            findBox(reader, std::min(canon->body + 16, canon->end), canon->end, "THMB"))
        offerCr3Box(found, *thumb);
}

// RAF: the header's big-endian offset and length of the JPEG, at bytes 84 and 88.
void offerRaf(Candidates& found) {
    const std::span<const uint8_t> pointer = found.reader.at(84, 8);
    if (pointer.empty()) return;
    found.offer(readU32(pointer.data(), Motorola), readU32(pointer.data() + 4, Motorola));
}

}  // namespace

std::optional<EmbeddedJpeg> embeddedPreview(const ByteSource& source) {
    uint8_t head[kHeadLength] = {};
    const size_t read = source.read(0, head, sizeof head);
    const ContainerFormat* format = recogniseContainer(std::span<const uint8_t>(head, read));
    if (format == nullptr) return std::nullopt;
    HeadReader reader(source);
    Candidates found{reader, std::nullopt};
    switch (format->kind) {
        case ContainerKind::Tiff:
            offerTiff(found);
            break;
        case ContainerKind::Cr3:
            offerCr3(found);
            break;
        case ContainerKind::Raf:
            offerRaf(found);
            break;
        default:
            break;
    }
    return found.best;
}

std::optional<EmbeddedJpeg> embeddedPreview(std::span<const uint8_t> bytes) {
    return embeddedPreview(MemorySource(bytes));
}

}  // namespace brevino
