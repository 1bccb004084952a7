#include "exif/maker_note.h"

#include <cstring>
#include <optional>

#include "tags/tag_roles.h"

namespace brevino {
namespace {

// Whether the bytes at `at` are `text`.
bool beginsWith(IfdWalk& walk, uint64_t at, std::string_view text) {
    const std::span<const uint8_t> bytes = walk.read(at, text.size(), 0);
    return !bytes.empty() && std::memcmp(bytes.data(), text.data(), text.size()) == 0;
}

// Whether the 0th IFD's Make begins with `make`. The 0th IFD may be in another block than
// the note (a CR3's CMT1 box, where CMT3 holds the note), read already and held.
bool madeBy(IfdWalk& walk, std::string_view make) {
    const Entry* entry = walk.document().find(IfdKind::Zeroth, tags::kMake);
    if (entry == nullptr || !entry->is(TiffType::Ascii) || !entry->valueInside) return false;
    if (entry->count < make.size()) return false;
    if (beginsWith(walk, entry->position, make)) return true;
    const std::span<const uint8_t> held = walk.document().held.at(entry->position, make.size());
    return !held.empty() && std::memcmp(held.data(), make.data(), make.size()) == 0;
}

bool recognises(const MakerNoteFormat& format, IfdWalk& walk, uint64_t note) {
    if (!format.signature.empty()) return beginsWith(walk, note, format.signature);
    return !format.make.empty() && madeBy(walk, format.make);
}

ByteOrder orderOf(const MakerNoteFormat& format, IfdWalk& walk, const MakerNoteSite& site) {
    const uint64_t note = site.offset;
    switch (format.order) {
        case NoteByteOrder::Exif:
            return site.exifOrder;
        case NoteByteOrder::Mark:
            // The mark counts only when both of its bytes are inside the block.
            return beginsWith(walk, note + format.orderAt, "II") ? Intel : Motorola;
        case NoteByteOrder::Intel:
            return Intel;
        case NoteByteOrder::Motorola:
            return Motorola;
    }
    return site.exifOrder;
}

// What the footer that some notes end in tells: where offsets count from, as the note has
// moved since they were written (modulo 2^64: a note moved towards the file's start leaves
// that place before the buffer's start), and the byte order the note was written in.
struct Footer {
    uint64_t base;
    ByteOrder order;
};

std::optional<Footer> footerOf(IfdWalk& walk, uint64_t note, uint64_t count) {
    if (count < 8) return std::nullopt;
    const std::span<const uint8_t> bytes = walk.read(note + count - 8, 8, 0);
    if (bytes.empty()) return std::nullopt;
    const uint8_t* footer = bytes.data();
    const bool intel = footer[0] == 'I' && footer[1] == 'I';
    if (!intel && !(footer[0] == 'M' && footer[1] == 'M')) return std::nullopt;
    const ByteOrder order = intel ? Intel : Motorola;
    if (readU16(footer + 2, order) != 42) return std::nullopt;
    return Footer{note - readU32(footer + 4, order), order};
}

}  // namespace

bool walkMakerNote(Document& document, IfdWalk& walk,
                   std::span<const MakerNoteFormat* const> formats, const MakerNoteSite& site) {
    const uint64_t note = site.offset;
    // The note's first bytes must be there: its signature, byte-order mark and IFD follow.
    if (note == 0 || site.count < 4 || walk.read(note, 5, 0).empty()) return false;
    for (const MakerNoteFormat* format : formats) {
        if (!recognises(*format, walk, note)) continue;
        ByteOrder order = orderOf(*format, walk, site);
        uint64_t base =
            format->base == OffsetBase::ExifHeader ? site.exifHeader : note + format->baseAt;
        if (format->footerKeepsPosition) {
            if (const std::optional<Footer> footer = footerOf(walk, note, site.count)) {
                base = footer->base;
                order = footer->order;
            }
        }
        uint64_t ifd = note + format->ifdAt;
        if (format->ifdStart == IfdStart::Pointer) {
            const std::span<const uint8_t> pointer = walk.read(ifd, 4, 0);
            if (pointer.empty()) return false;
            ifd = base + readU32(pointer.data(), order);
        }
        document.makerNote = format;
        walk.walk(ifd, order, IfdKind::MakerNote, base, format->tags);
        walk.walkNestedIfds();
        return true;
    }
    return false;
}

const MakerNoteFormat* formatOfMake(IfdWalk& walk,
                                    std::span<const MakerNoteFormat* const> formats) {
    for (const MakerNoteFormat* format : formats) {
        if (format->signature.empty() && !format->make.empty() && madeBy(walk, format->make))
            return format;
    }
    return nullptr;
}

}  // namespace brevino
