#include "exif/maker_note.h"

#include <cstring>

#include "tags/tag_roles.h"

namespace brevino {
namespace {

// Whether the bytes at `at` are `text`.
bool beginsWith(IfdWalk& walk, uint64_t at, std::string_view text) {
    const std::span<const uint8_t> bytes = walk.read(at, text.size(), 0);
    return !bytes.empty() && std::memcmp(bytes.data(), text.data(), text.size()) == 0;
}

// Whether the 0th IFD's Make begins with `make`.
bool madeBy(IfdWalk& walk, std::string_view make) {
    const Entry* entry = walk.document().find(IfdKind::Zeroth, tags::kMake);
    if (entry == nullptr || !entry->is(TiffType::Ascii) || !entry->valueInside) return false;
    return entry->count >= make.size() && beginsWith(walk, entry->position, make);
}

bool recognises(const MakerNoteFormat& format, IfdWalk& walk, uint64_t note) {
    if (!format.signature.empty()) return beginsWith(walk, note, format.signature);
    return !format.make.empty() && madeBy(walk, format.make);
}

ByteOrder orderOf(const MakerNoteFormat& format, IfdWalk& walk, uint64_t note) {
    switch (format.order) {
        case NoteByteOrder::Exif:
            return walk.document().byteOrder;
        case NoteByteOrder::Mark:
            // The mark counts only when both of its bytes are inside the block.
            return beginsWith(walk, note + format.orderAt, "II") ? Intel : Motorola;
        case NoteByteOrder::Intel:
            return Intel;
        case NoteByteOrder::Motorola:
            return Motorola;
    }
    return walk.document().byteOrder;
}

}  // namespace

void walkMakerNote(Document& document, IfdWalk& walk,
                   std::span<const MakerNoteFormat* const> formats) {
    const uint64_t note = walk.makerNoteOffset();
    // The note's first bytes must be there: its signature, byte-order mark and IFD follow.
    if (note == 0 || walk.makerNoteCount() < 4 || walk.read(note, 5, 0).empty()) return;
    for (const MakerNoteFormat* format : formats) {
        if (!recognises(*format, walk, note)) continue;
        const ByteOrder order = orderOf(*format, walk, note);
        const uint64_t base =
            format->base == OffsetBase::ExifHeader ? walk.tiffStart() : note + format->baseAt;
        uint64_t ifd = note + format->ifdAt;
        if (format->ifdStart == IfdStart::Pointer) {
            const std::span<const uint8_t> pointer = walk.read(ifd, 4, 0);
            if (pointer.empty()) return;
            ifd = base + readU32(pointer.data(), order);
        }
        document.makerNote = format;
        walk.walk(ifd, order, IfdKind::MakerNote, base, format->tags);
        walk.walkNestedIfds();
        return;
    }
}

}  // namespace brevino
