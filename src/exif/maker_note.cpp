#include "exif/maker_note.h"

#include <cstring>
#include <optional>

#include "tags/tag_roles.h"

namespace brevino {
namespace {

bool beginsWith(std::span<const uint8_t> bytes, uint64_t at, std::string_view text) {
    return at <= bytes.size() && text.size() <= bytes.size() - at &&
           std::memcmp(bytes.data() + at, text.data(), text.size()) == 0;
}

// Whether the 0th IFD's Make begins with `make`.
bool madeBy(const Document& document, std::string_view make) {
    const Entry* entry = document.find(IfdKind::Zeroth, tags::kMake);
    if (entry == nullptr || !entry->is(TiffType::Ascii) || !entry->valueInside) return false;
    return beginsWith(document.bytes, entry->position, make) && entry->count >= make.size();
}

bool recognises(const MakerNoteFormat& format, const Document& document, uint64_t note) {
    if (!format.signature.empty()) return beginsWith(document.bytes, note, format.signature);
    return !format.make.empty() && madeBy(document, format.make);
}

ByteOrder orderOf(const MakerNoteFormat& format, const Document& document, uint64_t note) {
    switch (format.order) {
        case NoteByteOrder::Exif:
            return document.byteOrder;
        case NoteByteOrder::Mark:
            // The mark counts only when both of its bytes are inside the buffer.
            return beginsWith(document.bytes, note + format.orderAt, "II") ? Intel : Motorola;
        case NoteByteOrder::Intel:
            return Intel;
        case NoteByteOrder::Motorola:
            return Motorola;
    }
    return document.byteOrder;
}

// What the footer that some notes end in tells: where offsets count from, as the note has
// moved since they were written (modulo 2^64: a note moved towards the file's start leaves
// that place before the buffer's start), and the byte order the note was written in.
struct Footer {
    uint64_t base;
    ByteOrder order;
};

std::optional<Footer> footerOf(std::span<const uint8_t> buffer, uint64_t note, uint64_t count) {
    if (count < 8 || note > buffer.size() || count > buffer.size() - note) return std::nullopt;
    const uint8_t* footer = buffer.data() + note + count - 8;
    const bool intel = footer[0] == 'I' && footer[1] == 'I';
    if (!intel && !(footer[0] == 'M' && footer[1] == 'M')) return std::nullopt;
    const ByteOrder order = intel ? Intel : Motorola;
    if (readU16(footer + 2, order) != 42) return std::nullopt;
    return Footer{note - readU32(footer + 4, order), order};
}

}  // namespace

void walkMakerNote(Document& document, IfdWalk& walk,
                   std::span<const MakerNoteFormat* const> formats) {
    const std::span<const uint8_t> buffer = document.bytes;
    const uint64_t note = walk.makerNoteOffset();
    if (note == 0 || walk.makerNoteCount() < 4 || note + 4 >= buffer.size()) return;
    for (const MakerNoteFormat* format : formats) {
        if (!recognises(*format, document, note)) continue;
        ByteOrder order = orderOf(*format, document, note);
        uint64_t base = format->base == OffsetBase::ExifHeader ? document.location.tiffStart()
                                                               : note + format->baseAt;
        if (format->footerKeepsPosition) {
            if (const std::optional<Footer> footer =
                    footerOf(buffer, note, walk.makerNoteCount())) {
                base = footer->base;
                order = footer->order;
            }
        }
        uint64_t ifd = note + format->ifdAt;
        if (format->ifdStart == IfdStart::Pointer) {
            if (ifd + 4 > buffer.size()) return;
            ifd = base + readU32(buffer.data() + ifd, order);
        }
        document.makerNote = format;
        walk.walk(ifd, order, IfdKind::MakerNote, base, format->tags);
        walk.walkNestedIfds();
        return;
    }
}

}  // namespace brevino
