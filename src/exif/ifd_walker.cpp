#include "exif/ifd_walker.h"

#include "exif/analysis.h"
#include "exif/exif_locator.h"
#include "exif/value_formatters.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

constexpr uint16_t kExifPointerTag = 0x8769;
constexpr uint16_t kGpsPointerTag = 0x8825;
constexpr uint16_t kInteropPointerTag = 0xA005;
constexpr uint16_t kMakerNoteTag = 0x927C;

}  // namespace

int typeSize(uint32_t type) {
    switch (type) {
        case 1:
        case 2:
            return 1;
        case 3:
            return 2;
        case 4:
        case 9:
            return 4;
        case 5:
        case 10:
            return 8;
        default:
            return 0;
    }
}

void formatEntry(Workspace& workspace, AnalysisBuffer buffer, IfdEntry& entry) {
    std::string& text = workspace.analysis.contentText;
    text.clear();
    ValueSource source{buffer, workspace.analysis.location.tiffStart()};
    switch (entry.type) {
        case 1:
            formatBytes(entry, source, text);
            break;
        case 2:
            formatAscii(entry, source, text);
            break;
        case 3:
            formatShorts(entry, source, text);
            break;
        case 4:
            formatLongs(entry, source, text);
            break;
        case 5:
            formatRationals(entry, source, text);
            break;
        case 7:
            formatUserComment(entry, source, text);
            break;
        case 9:
            formatSignedLongs(entry, source, text);
            break;
        case 10:
            formatSignedRationals(entry, source, text);
            break;
        default:
            break;
    }
    trimTrailingSpaces(text);
    appendTagRow(workspace, text, &entry);
}

void walkIfd(Workspace& workspace, AnalysisBuffer buffer, uint64_t ifdOffset, ByteOrder order) {
    const uint64_t end = buffer.size();
    if (ifdOffset >= end || ifdOffset + 2 > end) return;
    AnalysisState& state = workspace.analysis;
    const uint64_t tiffStart = state.location.tiffStart();
    const unsigned entryCount = readU16(buffer.data() + ifdOffset, order);
    for (unsigned i = 0; i < entryCount; ++i) {
        const uint64_t entryOffset = ifdOffset + 2 + 12 * static_cast<uint64_t>(i);
        if (entryOffset + 12 > end) break;
        const uint8_t* raw = buffer.data() + entryOffset;
        IfdEntry entry;
        entry.tag = readU16(raw, order);
        entry.type = readU16(raw + 2, order);
        entry.count = readU32(raw + 4, order);
        entry.valueField = readU32(raw + 8, order);
        entry.position = entryOffset + 8;
        entry.order = order;
        formatEntry(workspace, buffer, entry);

        if (entry.tag == kExifPointerTag || entry.tag == kGpsPointerTag ||
            entry.tag == kInteropPointerTag) {
            // Only three sub-IFDs are kept; further pointers (damaged or looping files) are
            // dropped, which also keeps the walk finite.
            if (static_cast<uint64_t>(entry.valueField) + 12 < end &&
                state.subIfdCount < kMaxSubIfds) {
                state.subIfds[state.subIfdCount++] = {entry.tag, entry.valueField + tiffStart};
            }
        }
        if (entry.tag == kMakerNoteTag) {
            state.makerNoteOffset = entry.valueField + tiffStart;
            state.makerNoteCount = entry.count;
        }
    }
}

}  // namespace brevino
