// Adding and removing entries. Removing is done in place: the IFD's entry table is rewritten
// without the entry, and the value bytes no other entry uses are zeroed, so the file keeps its
// size. Adding writes the JPEG's Exif segment anew: each IFD that gains an entry is written
// again after the segment's existing data, in tag order with its values on even offsets, its
// old table zeroed and the pointer to it updated; every existing value, the maker note and the
// thumbnail stay where they are, so offsets that count from the TIFF header stay valid.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/edits.h"
#include "edit/value_input.h"
#include "exif/document.h"
#include "journal/change.h"
#include "journal/change_apply.h"

namespace brevino {

// A standard entry to add: where, which tag, and its value encoded as the tag is written.
struct EntryAddition {
    IfdKind ifd = IfdKind::None;
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    std::vector<uint8_t> bytes;  // in the document's byte order
    std::string text;            // the value as the rows will show it
};

// The addition of the tag to the IFD with the value `input` says, typed as the tag is written
// (its first type; its count, or as many values as typed, or a text's bytes and its zero
// byte), in `order`; or why the value is refused.
struct AdditionResult {
    Problem problem = Problem::None;
    std::string detail;
    EntryAddition addition;
};
AdditionResult encodeAddition(IfdKind ifd, const TagDef& tag, std::string_view input,
                              ByteOrder order);

// The standard tags the document's IFD lacks that can be added (typed as edits are), in the
// table's order.
std::vector<const TagDef*> addableTags(const Document& document, IfdKind ifd);

// The first bytes of the file that planAdditions needs to place a new segment: those of a
// JPEG without Exif (read from `path`); none for a file that has its segment.
std::vector<uint8_t> headForNewSegment(const Document& document, const std::string& path);

// A file's Exif segment written anew, as the change that makes it.
struct SegmentPlan {
    Problem problem = Problem::None;  // AddJpegOnly, SegmentTooLarge, BadTiffHeader
    SegmentChange change;
};

// The JPEG's Exif segment with the value edits made and the entries added; a JPEG without
// Exif gets a segment of its own after its start-of-image marker (and its JFIF segment), whose
// place `head` (the file's first bytes, at least its first segment's) tells.
SegmentPlan planAdditions(const Document& document, const Edits& edits,
                          std::span<const EntryAddition> additions,
                          std::span<const uint8_t> head = {});

// What a file written anew must read as: every entry it had with the same value (the edited
// ones with their new one), and the added ones with theirs.
RewriteCheck rewriteCheck(const Document& document, const Edits& edits,
                          std::span<const EntryAddition> additions);

// Why an entry cannot be removed (a heading, an entry that holds where other data lies, an
// array's field, the maker note); None when it can.
Problem whyNotRemovable(const Document& document, const Entry& entry);

// Removes the entries (by index in the document) in place: each IFD's table written again
// without them, the link to the next IFD right after the last entry, the bytes freed zeroed;
// the values of the removed entries zeroed where no remaining entry shares their bytes.
// Empty when a table cannot be read whole.
std::vector<ValueChange> planRemoval(const Document& document, std::span<const size_t> entries);

// Removes the GPS position: the GPS pointer from the 0th IFD (as above), and the whole GPS
// IFD and its values zeroed. Empty when the document has no GPS IFD, or it cannot be removed.
std::vector<ValueChange> planGpsRemoval(const Document& document);

// The file-offset room left in the Exif segment: bytes until a segment's 65,533; nothing for a
// file whose Exif is no JPEG segment.
std::optional<uint64_t> segmentRoom(const Document& document);

}  // namespace brevino
