#include "exif/maker_note.h"

#include <cstring>

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

}  // namespace

void walkMakerNote(Document& document, IfdWalk& walk,
                   std::span<const MakerNoteFormat* const> formats) {
    const std::span<const uint8_t> buffer = document.bytes;
    const uint64_t note = walk.makerNoteOffset();
    if (note == 0 || walk.makerNoteCount() < 4 || note + 4 >= buffer.size()) return;
    for (const MakerNoteFormat* format : formats) {
        if (!recognises(*format, document, note)) continue;
        const ByteOrder order = orderOf(*format, document, note);
        const uint64_t base = format->base == OffsetBase::ExifHeader ? document.location.tiffStart()
                                                                     : note + format->baseAt;
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
