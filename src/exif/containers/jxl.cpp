// JPEG XL in its container: the `Exif` box, whose payload begins with the 32-bit offset of
// the TIFF header (as in HEIF); or a `brob` box holding it compressed with Brotli, which is
// read through libbrotli and shown, never written (its bytes are not in the file as such).
#include <brotli/decode.h>

#include <cstring>
#include <vector>

#include "exif/containers/box_reader.h"
#include "exif/containers/container.h"

namespace brevino {
namespace {

constexpr uint8_t kSignature[12] = {0, 0, 0, 0x0C, 'J', 'X', 'L', ' ', 0x0D, 0x0A, 0x87, 0x0A};
// A compressed box never holds more Exif than this once decompressed.
constexpr size_t kMaxDecompressed = 16 << 20;

bool recognisesJxl(std::span<const uint8_t> head) {
    return head.size() >= 12 && std::memcmp(head.data(), kSignature, 12) == 0;
}

uint64_t bigEndian32(std::span<const uint8_t> bytes) {
    return uint64_t{bytes[0]} << 24 | uint64_t{bytes[1]} << 16 | uint64_t{bytes[2]} << 8 | bytes[3];
}

// The bytes a Brotli stream stands for; nothing when it is broken or too large.
std::optional<std::vector<uint8_t>> decompress(const std::vector<uint8_t>& compressed) {
    BrotliDecoderState* state = BrotliDecoderCreateInstance(nullptr, nullptr, nullptr);
    if (state == nullptr) return std::nullopt;
    std::vector<uint8_t> out;
    size_t availableIn = compressed.size();
    const uint8_t* nextIn = compressed.data();
    BrotliDecoderResult result = BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT;
    while (result == BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT && out.size() < kMaxDecompressed) {
        uint8_t buffer[1 << 14];
        size_t availableOut = sizeof buffer;
        uint8_t* nextOut = buffer;
        result = BrotliDecoderDecompressStream(state, &availableIn, &nextIn, &availableOut,
                                               &nextOut, nullptr);
        out.insert(out.end(), buffer, nextOut);
    }
    BrotliDecoderDestroyInstance(state);
    if (result != BROTLI_DECODER_RESULT_SUCCESS) return std::nullopt;
    return out;
}

// The TIFF block of an Exif payload at [start, end): its offset prefix, then the TIFF data.
Problem placePayload(Document& document, std::span<const uint8_t> prefix, uint64_t start,
                     uint64_t end) {
    if (prefix.size() < 4 || end - start < 4) return Problem::App1ReadError;
    const uint64_t skip = bigEndian32(prefix);
    if (skip > end - start - 4) return Problem::BadTiffHeader;
    document.location.tiffStart = start + 4 + skip;
    return Problem::None;
}

Problem locateJxl(const ByteSource& source, Document& document) {
    ExifLocation& location = document.location;
    location.container = ContainerKind::Jxl;
    HeadReader reader(source);
    uint64_t at = 0;
    for (int i = 0; i < kMaxBoxes && at < source.size(); ++i) {
        const std::optional<Box> box = readBox(reader, at, source.size());
        if (!box) return Problem::HeaderReadError;
        at = box->end;
        if (box->is("Exif")) {
            location.exifStart = box->body;
            location.exifEnd = box->end;
            const Problem placed =
                placePayload(document, reader.at(box->body, 4), box->body, box->end);
            if (placed != Problem::None) return placed;
            TiffBlock block;
            block.start = location.tiffStart;
            block.end = box->end;
            block.tiffStart = location.tiffStart;
            return holdBlock(source, document, block);
        }
        if (!box->is("brob")) continue;
        const std::span<const uint8_t> inner = reader.at(box->body, 4);
        if (inner.empty() || std::memcmp(inner.data(), "Exif", 4) != 0) continue;
        // The decompressed payload is held at offset 0 as a block of its own: its offsets
        // are positions in the payload, not in the file.
        std::vector<uint8_t> compressed(box->end - box->body - 4);
        if (!source.readAll(box->body + 4, compressed.data(), compressed.size()))
            return Problem::App1ReadError;
        const std::optional<std::vector<uint8_t>> payload = decompress(compressed);
        if (!payload) return Problem::App1ReadError;
        location.exifStart = box->start;
        location.exifEnd = box->end;
        const Problem placed = placePayload(document, *payload, 0, payload->size());
        if (placed != Problem::None) return placed;
        TiffBlock block;
        block.start = location.tiffStart;
        block.end = payload->size();
        block.tiffStart = location.tiffStart;
        block.compressed = true;
        document.blocks.push_back(block);
        document.held.hold(0, *payload);
        return Problem::None;
    }
    return Problem::NoExifSegment;
}

}  // namespace

constexpr std::string_view kJxlExtensions[] = {".jxl"};

extern constinit const ContainerFormat kJxlContainer{ContainerKind::Jxl, "jxl", recognisesJxl,
                                                     locateJxl, kJxlExtensions};

}  // namespace brevino
