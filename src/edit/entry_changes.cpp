#include "edit/entry_changes.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <optional>
#include <tuple>

#include "exif/analysis.h"
#include "exif/ifd_writer.h"
#include "exif/value_notes.h"
#include "platform/file_io.h"
#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

// The most bytes an Exif segment holds after its length field.
constexpr uint64_t kMaxSegmentPayload = 65533;
// "Exif", two zero bytes: what a new segment begins with.
constexpr std::array<uint8_t, 6> kExifHeader = {'E', 'x', 'i', 'f', 0, 0};

// The IFDs a segment written anew may change, in the order their tables are written.
constexpr std::array<IfdKind, 5> kWritable = {IfdKind::Zeroth, IfdKind::Exif, IfdKind::Interop,
                                              IfdKind::Gps, IfdKind::First};

// The pointer entry that leads to an IFD of this kind, and the kind of IFD it lies in.
struct Pointer {
    uint16_t tag;
    IfdKind parent;
};
std::optional<Pointer> pointerTo(IfdKind kind) {
    switch (kind) {
        case IfdKind::Exif:
            return Pointer{tags::kExifPointer, IfdKind::Zeroth};
        case IfdKind::Gps:
            return Pointer{tags::kGpsPointer, IfdKind::Zeroth};
        case IfdKind::Interop:
            return Pointer{tags::kInteropPointer, IfdKind::Exif};
        default:
            return std::nullopt;
    }
}

// The first walked IFD of the kind, or nullptr.
const Section* sectionOf(const Document& document, IfdKind kind) {
    for (const Section& section : document.sections) {
        if (section.ifd == kind) return &section;
    }
    return nullptr;
}

// An IFD table of the TIFF data being written: where it lies and its 12-byte records.
struct Table {
    uint64_t offset = 0;  // from the TIFF header
    std::vector<std::array<uint8_t, 12>> records;
    uint32_t link = 0;
};

std::optional<Table> readTable(const std::vector<uint8_t>& tiff, uint64_t offset, ByteOrder order) {
    if (offset + 2 > tiff.size()) return std::nullopt;
    const uint64_t count = readU16(tiff.data() + offset, order);
    if (offset + 2 + 12 * count + 4 > tiff.size()) return std::nullopt;
    Table table;
    table.offset = offset;
    for (uint64_t i = 0; i < count; ++i) {
        std::array<uint8_t, 12> record{};
        std::copy_n(tiff.begin() + static_cast<long>(offset + 2 + 12 * i), 12, record.begin());
        table.records.push_back(record);
    }
    table.link = readU32(tiff.data() + offset + 2 + 12 * count, order);
    return table;
}

// Appends the records (sorted by tag) and the link at the end of `tiff`, on an even offset;
// answers where.
uint64_t appendTable(std::vector<uint8_t>& tiff, std::vector<std::array<uint8_t, 12>> records,
                     uint32_t link, ByteOrder order) {
    std::stable_sort(records.begin(), records.end(), [&](const auto& a, const auto& b) {
        return readU16(a.data(), order) < readU16(b.data(), order);
    });
    if (tiff.size() % 2) tiff.push_back(0);
    const uint64_t at = tiff.size();
    tiff.resize(at + 2 + 12 * records.size() + 4, 0);
    writeU16(static_cast<uint16_t>(records.size()), tiff.data() + at, order);
    for (size_t i = 0; i < records.size(); ++i)
        std::copy(records[i].begin(), records[i].end(),
                  tiff.begin() + static_cast<long>(at + 2 + 12 * i));
    writeU32(link, tiff.data() + at + 2 + 12 * records.size(), order);
    return at;
}

// The 12-byte record of a new entry; a value longer than four bytes is appended to `tiff`
// (on an even offset) and the record points to it.
std::array<uint8_t, 12> recordOf(const EntryAddition& addition, std::vector<uint8_t>& tiff,
                                 ByteOrder order) {
    std::array<uint8_t, 12> record{};
    writeU16(addition.tag, record.data(), order);
    writeU16(addition.type, record.data() + 2, order);
    writeU32(addition.count, record.data() + 4, order);
    const TiffTypeInfo& type = tiffType(addition.type);
    const bool rational =
        type.kind == ValueKind::Rational || type.kind == ValueKind::SignedRational;
    if (addition.bytes.size() <= 4 && !rational) {
        std::copy(addition.bytes.begin(), addition.bytes.end(), record.begin() + 8);
        return record;
    }
    if (tiff.size() % 2) tiff.push_back(0);
    writeU32(static_cast<uint32_t>(tiff.size()), record.data() + 8, order);
    tiff.insert(tiff.end(), addition.bytes.begin(), addition.bytes.end());
    return record;
}

std::array<uint8_t, 12> pointerRecord(uint16_t tag, ByteOrder order) {
    std::array<uint8_t, 12> record{};
    writeU16(tag, record.data(), order);
    writeU16(static_cast<uint16_t>(TiffType::Long), record.data() + 2, order);
    writeU32(1, record.data() + 4, order);
    return record;
}

// Sets the value of the record of `tag` in the table at `offset` of `tiff`.
bool pointTo(std::vector<uint8_t>& tiff, uint64_t table, uint16_t tag, uint32_t target,
             ByteOrder order) {
    const uint64_t count = readU16(tiff.data() + table, order);
    for (uint64_t i = 0; i < count; ++i) {
        uint8_t* record = tiff.data() + table + 2 + 12 * i;
        if (readU16(record, order) == tag) {
            writeU32(target, record + 8, order);
            return true;
        }
    }
    return false;
}

// Where a JPEG without Exif takes its new segment: after its start-of-image marker and, when
// it has one first, its JFIF segment.
uint64_t insertionPoint(std::span<const uint8_t> head) {
    if (head.size() >= 6 && head[2] == 0xFF && head[3] == 0xE0) {
        const uint64_t length = uint64_t{head[4]} << 8 | head[5];
        return 2 + 2 + length;
    }
    return 2;
}

// A segment around TIFF data: its marker, length, "Exif\0\0" (or the old segment's six
// bytes) and the data.
std::optional<std::vector<uint8_t>> segmentAround(const std::vector<uint8_t>& tiff,
                                                  std::span<const uint8_t> exifHeader) {
    if (exifHeader.size() + tiff.size() > kMaxSegmentPayload) return std::nullopt;
    const auto length = static_cast<uint16_t>(2 + exifHeader.size() + tiff.size());
    std::vector<uint8_t> segment = {0xFF, 0xE1, static_cast<uint8_t>(length >> 8),
                                    static_cast<uint8_t>(length)};
    segment.insert(segment.end(), exifHeader.begin(), exifHeader.end());
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    return segment;
}

// New TIFF data holding only the additions (a JPEG without Exif).
std::vector<uint8_t> tiffOf(std::span<const EntryAddition> additions, ByteOrder order) {
    std::map<IfdKind, std::vector<EntryToWrite>> ifds;
    for (const EntryAddition& addition : additions)
        ifds[addition.ifd].push_back({addition.tag, addition.type, addition.count, addition.bytes});
    if (ifds.contains(IfdKind::Interop)) ifds[IfdKind::Exif];
    for (const IfdKind kind : {IfdKind::Exif, IfdKind::Gps}) {
        if (ifds.contains(kind))
            ifds[IfdKind::Zeroth].push_back(
                {pointerTo(kind)->tag, static_cast<uint16_t>(TiffType::Long), 1, {0, 0, 0, 0}});
    }
    if (ifds.contains(IfdKind::Interop))
        ifds[IfdKind::Exif].push_back(
            {tags::kInteropPointer, static_cast<uint16_t>(TiffType::Long), 1, {0, 0, 0, 0}});
    std::vector<uint8_t> tiff = {
        uint8_t(order == Intel ? 'I' : 'M'), uint8_t(order == Intel ? 'I' : 'M'), 0, 0, 0, 0, 0, 0};
    writeU16(42, tiff.data() + 2, order);
    std::map<IfdKind, uint32_t> at;
    for (const IfdKind kind : kWritable) {
        if (ifds.contains(kind)) at[kind] = appendIfd(tiff, order, ifds[kind], 0);
    }
    writeU32(at[IfdKind::Zeroth], tiff.data() + 4, order);
    for (const IfdKind kind : {IfdKind::Exif, IfdKind::Gps, IfdKind::Interop}) {
        if (at.contains(kind))
            pointTo(tiff, at[pointerTo(kind)->parent], pointerTo(kind)->tag, at[kind], order);
    }
    return tiff;
}

// Adds the entries to the TIFF data (a copy of the document's): each IFD that gains one, or a
// pointer to an IFD made for one, is written anew after the data with its old table zeroed,
// and the pointer to it follows it.
Problem addEntries(const Document& document, std::span<const EntryAddition> additions,
                   std::vector<uint8_t>& tiff) {
    const ExifLocation& location = document.location;
    const ByteOrder order = document.byteOrder;
    // Which IFDs are written anew: those that gain an entry, those made, and the parents that
    // gain a pointer to a new one.
    std::map<IfdKind, std::vector<const EntryAddition*>> gains;
    for (const EntryAddition& addition : additions)
        gains[addition.ifd].push_back(&addition);
    std::map<IfdKind, std::optional<Table>> tables;
    std::map<IfdKind, std::vector<uint16_t>> newPointers;
    auto tableOf = [&](IfdKind kind) -> std::optional<Table>& {
        if (!tables.contains(kind)) {
            const Section* section = sectionOf(document, kind);
            tables[kind] = section ? readTable(tiff, section->offset - location.tiffStart, order)
                                   : std::nullopt;
        }
        return tables[kind];
    };
    for (const IfdKind kind : {IfdKind::Interop, IfdKind::Exif, IfdKind::Gps}) {
        if (gains.contains(kind) && !tableOf(kind)) {
            newPointers[pointerTo(kind)->parent].push_back(pointerTo(kind)->tag);
            gains[pointerTo(kind)->parent];
        }
    }
    if (gains.contains(IfdKind::First) && !tableOf(IfdKind::First)) {
        return Problem::NotEditable;  // a thumbnail IFD is not made from nothing
    }
    for (const auto& [kind, unused] : gains) {
        if (sectionOf(document, kind) && !tableOf(kind)) {
            return Problem::BadTiffHeader;  // an IFD that does not lie whole in the data
        }
    }
    // The new tables after the data, each followed by its new entries' values.
    std::map<IfdKind, uint64_t> written;
    for (const IfdKind kind : kWritable) {
        if (!gains.contains(kind)) continue;
        const std::optional<Table>& old = tableOf(kind);
        std::vector<std::array<uint8_t, 12>> records = old ? old->records : decltype(records){};
        if (tiff.size() % 2) tiff.push_back(0);
        for (const uint16_t pointer : newPointers[kind])
            records.push_back(pointerRecord(pointer, order));
        // Values first, so that the table can point to them.
        for (const EntryAddition* addition : gains[kind])
            records.push_back(recordOf(*addition, tiff, order));
        written[kind] = appendTable(tiff, std::move(records), old ? old->link : 0, order);
    }
    // The old tables are zeroed, and the pointers follow the new ones.
    for (const auto& [kind, at] : written) {
        if (const std::optional<Table>& old = tableOf(kind)) {
            std::fill_n(tiff.begin() + static_cast<long>(old->offset),
                        2 + 12 * old->records.size() + 4, uint8_t{0});
        }
    }
    auto tableNow = [&](IfdKind kind) -> std::optional<uint64_t> {
        if (written.contains(kind)) return written[kind];
        if (const std::optional<Table>& old = tableOf(kind)) return old->offset;
        return std::nullopt;
    };
    for (const auto& [kind, at] : written) {
        if (kind == IfdKind::Zeroth) {
            writeU32(static_cast<uint32_t>(at), tiff.data() + 4, order);
        } else if (kind == IfdKind::First) {
            const uint64_t zeroth = *tableNow(IfdKind::Zeroth);
            const uint64_t count = readU16(tiff.data() + zeroth, order);
            writeU32(static_cast<uint32_t>(at), tiff.data() + zeroth + 2 + 12 * count, order);
        } else {
            const Pointer pointer = *pointerTo(kind);
            const std::optional<uint64_t> parent = tableNow(pointer.parent);
            if (!parent || !pointTo(tiff, *parent, pointer.tag, static_cast<uint32_t>(at), order)) {
                return Problem::BadTiffHeader;
            }
        }
    }
    return Problem::None;
}

}  // namespace

AdditionResult encodeAddition(IfdKind ifd, const TagDef& tag, std::string_view input,
                              ByteOrder order) {
    AdditionResult result;
    const TiffType type = preferredType(tag.types);
    const TiffTypeInfo& info = tiffType(static_cast<uint16_t>(type));
    // Only what an edit can type can be added; pointers and blocks are the file's structure.
    if (tag.types == 0 || !info.editable || tags::isStructural(ifd, tag.tag) ||
        tags::isWindowsText(ifd, tag.tag)) {
        result.problem = Problem::NotEditable;
        return result;
    }
    Entry entry;
    entry.ifd = ifd;
    entry.tag = tag.tag;
    entry.type = static_cast<uint16_t>(type);
    entry.order = order;
    entry.count = tag.count;
    if (entry.count == 0) {
        entry.count = info.kind == ValueKind::Text
                          ? static_cast<uint32_t>(input.size() + 1)
                          : static_cast<uint32_t>(splitValues(input).size());
    }
    InputResult encoded = encodeInput(entry, input, LongText::Refuse);
    if (encoded.problem != Problem::None) {
        result.problem = encoded.problem;
        result.detail = encoded.detail;
        return result;
    }
    result.addition = {ifd,
                       tag.tag,
                       entry.type,
                       entry.count,
                       std::move(encoded.value.bytes),
                       std::move(encoded.value.text)};
    return result;
}

std::vector<const TagDef*> addableTags(const Document& document, IfdKind ifd) {
    std::vector<const TagDef*> tags;
    const TagTable* table = standardTable(ifd);
    if (table == nullptr) return tags;
    for (const TagDef& tag : table->tags) {
        if (document.find(ifd, tag.tag) != nullptr) continue;
        if (encodeAddition(ifd, tag, "", document.byteOrder).problem == Problem::NotEditable)
            continue;
        tags.push_back(&tag);
    }
    return tags;
}

std::vector<uint8_t> headForNewSegment(const Document& document, const std::string& path) {
    if (document.problem != Problem::NoExifSegment) return {};
    std::vector<uint8_t> head(6, 0);
    const FileHandle file = openForRead(path);
    if (!file.isOpen() || file.readAt(0, head.data(), head.size()) != head.size()) head.clear();
    return head;
}

SegmentPlan planAdditions(const Document& document, const Edits& edits,
                          std::span<const EntryAddition> additions, std::span<const uint8_t> head) {
    SegmentPlan plan;
    const ExifLocation& location = document.location;
    if (location.container != ContainerKind::Jpeg) {
        plan.problem = Problem::AddJpegOnly;
        return plan;
    }
    if (document.problem == Problem::NoExifSegment) {
        // A segment of its own, inserted where the file has room for it.
        const std::vector<uint8_t> tiff = tiffOf(additions, Intel);
        const std::optional<std::vector<uint8_t>> segment = segmentAround(tiff, kExifHeader);
        if (!segment) {
            plan.problem = Problem::SegmentTooLarge;
            return plan;
        }
        plan.change = segmentChange(insertionPoint(head), {}, *segment);
        return plan;
    }
    if (!document.walked()) {
        plan.problem = document.problem;
        return plan;
    }
    const uint64_t segmentStart = location.tiffStart - 10;
    const std::span<const uint8_t> old =
        document.bytesAt(segmentStart, location.exifEnd - segmentStart);
    if (old.empty()) {
        plan.problem = Problem::App1ReadError;
        return plan;
    }
    std::vector<uint8_t> tiff(old.begin() + 10, old.end());
    // The value edits, in place.
    for (const auto& [index, value] : edits) {
        const uint64_t at = document.entries[index].position - location.tiffStart;
        if (at + value.bytes.size() > tiff.size()) continue;
        std::copy(value.bytes.begin(), value.bytes.end(), tiff.begin() + static_cast<long>(at));
    }
    if (const Problem problem = addEntries(document, additions, tiff); problem != Problem::None) {
        plan.problem = problem;
        return plan;
    }
    const std::optional<std::vector<uint8_t>> segment =
        segmentAround(tiff, old.subspan(4, kExifHeader.size()));
    if (!segment) {
        plan.problem = Problem::SegmentTooLarge;
        return plan;
    }
    plan.change = segmentChange(segmentStart, old, *segment);
    return plan;
}

RewriteCheck rewriteCheck(const Document& document, const Edits& edits,
                          std::span<const EntryAddition> additions) {
    struct Expected {
        IfdKind ifd;
        uint16_t tag;
        uint16_t field;
        std::vector<uint8_t> bytes;
    };
    std::vector<Expected> expected;
    for (size_t i = 0; i < document.entries.size(); ++i) {
        const Entry& entry = document.entries[i];
        // A pointer follows its IFD to its new place; what it leads to is compared instead.
        const bool pointer = entry.tag == tags::kExifPointer || entry.tag == tags::kGpsPointer ||
                             entry.tag == tags::kInteropPointer;
        if (!entry.valueInside || (pointer && entry.ifd != IfdKind::MakerNote)) continue;
        const std::span<const uint8_t> value = document.valueBytes(entry, valueLength(entry));
        Expected each{entry.ifd, entry.tag, entry.field, {value.begin(), value.end()}};
        if (const EncodedValue* edit = edits.find(i)) each.bytes = edit->bytes;
        expected.push_back(std::move(each));
    }
    for (const EntryAddition& addition : additions)
        expected.push_back({addition.ifd, addition.tag, Entry::kNoField, addition.bytes});
    return [expected = std::move(expected)](const std::string& path) {
        const FileAnalysis analysis = analyzeFile(path);
        const Document& written = analysis.document;
        if (!written.walked()) return Problem::RewriteCheckFailed;
        // Each expected entry, in order, among the entries of its IFD and tag.
        std::map<std::tuple<IfdKind, uint16_t, uint16_t>, size_t> seen;
        for (const Expected& each : expected) {
            size_t skip = seen[{each.ifd, each.tag, each.field}]++;
            const Entry* found = nullptr;
            for (const Entry& entry : written.entries) {
                if (entry.ifd == each.ifd && entry.tag == each.tag && entry.field == each.field &&
                    skip-- == 0) {
                    found = &entry;
                    break;
                }
            }
            if (found == nullptr) return Problem::RewriteCheckFailed;
            const std::span<const uint8_t> value = written.valueBytes(*found, each.bytes.size());
            if (!std::equal(value.begin(), value.end(), each.bytes.begin(), each.bytes.end()))
                return Problem::RewriteCheckFailed;
        }
        return Problem::None;
    };
}

Problem whyNotRemovable(const Document& document, const Entry& entry) {
    const TagDef* tag = document.tagOf(entry);
    // The file's structure, a maker note's entries, an array's fields and the entries of the
    // images of a raw file stay.
    constexpr IfdKind kRemovable[] = {IfdKind::Zeroth, IfdKind::Exif, IfdKind::Gps,
                                      IfdKind::Interop, IfdKind::First};
    if (std::find(std::begin(kRemovable), std::end(kRemovable), entry.ifd) ==
            std::end(kRemovable) ||
        entry.field != Entry::kNoField || tags::isStructural(entry.ifd, entry.tag) ||
        (tag != nullptr && tag->subIfd != nullptr))
        return Problem::NotRemovable;
    return Problem::None;
}

std::vector<ValueChange> planRemoval(const Document& document, std::span<const size_t> entries) {
    std::vector<ValueChange> changes;
    std::vector<bool> removed(document.entries.size(), false);
    for (const size_t index : entries) {
        if (index < removed.size()) removed[index] = true;
    }
    for (size_t s = 0; s < document.sections.size(); ++s) {
        const Section& section = document.sections[s];
        const size_t first = section.firstEntry;
        const size_t last =
            s + 1 < document.sections.size() ? document.sections[s + 1].firstEntry : removed.size();
        if (!std::any_of(removed.begin() + static_cast<long>(first),
                         removed.begin() + static_cast<long>(last), [](bool each) { return each; }))
            continue;
        const std::span<const uint8_t> count = document.bytesAt(section.offset, 2);
        if (count.empty()) return {};  // a table that cannot be read is not half removed
        const ByteOrder order = document.entries[first].order;
        const uint64_t entryCount = readU16(count.data(), order);
        const uint64_t length = 2 + 12 * entryCount + 4;
        const std::span<const uint8_t> table = document.bytesAt(section.offset, length);
        if (table.empty()) return {};
        // The records kept, in their order; the entries of the section are the records in turn
        // (the fields an array adds follow its record and are no records of their own).
        std::vector<uint8_t> rewritten(2, 0);
        size_t record = 0;
        for (size_t e = first; e < last && record < entryCount; ++e) {
            if (document.entries[e].field != Entry::kNoField) continue;
            if (!removed[e])
                rewritten.insert(rewritten.end(),
                                 table.begin() + static_cast<long>(2 + 12 * record),
                                 table.begin() + static_cast<long>(2 + 12 * record + 12));
            ++record;
        }
        writeU16(static_cast<uint16_t>((rewritten.size() - 2) / 12), rewritten.data(), order);
        rewritten.insert(rewritten.end(), table.end() - 4, table.end());  // the link
        rewritten.resize(table.size(), 0);                                // the bytes freed
        changes.push_back({section.offset, {table.begin(), table.end()}, rewritten});
    }
    // The values no other entry shares.
    for (size_t e = 0; e < removed.size(); ++e) {
        const Entry& entry = document.entries[e];
        const uint64_t length = valueLength(entry);
        const bool ownBytes = length > 4 || tiffType(entry.type).kind == ValueKind::Rational ||
                              tiffType(entry.type).kind == ValueKind::SignedRational;
        if (!removed[e] || !entry.valueInside || entry.overlaps || !ownBytes) continue;
        const std::span<const uint8_t> value = document.valueBytes(entry, length);
        if (value.empty() ||
            std::all_of(value.begin(), value.end(), [](uint8_t b) { return b == 0; }))
            continue;
        changes.push_back(
            {entry.position, {value.begin(), value.end()}, std::vector<uint8_t>(length, 0)});
    }
    return changes;
}

std::vector<ValueChange> planGpsRemoval(const Document& document) {
    const Section* gps = sectionOf(document, IfdKind::Gps);
    const Entry* pointer = document.find(IfdKind::Zeroth, tags::kGpsPointer);
    if (gps == nullptr || pointer == nullptr) return {};
    const size_t index = static_cast<size_t>(pointer - document.entries.data());
    std::vector<ValueChange> changes = planRemoval(document, std::span<const size_t>(&index, 1));
    if (changes.empty()) return {};
    // The GPS IFD's table and every value of its own, zeroed.
    std::vector<size_t> gpsEntries;
    for (size_t e = 0; e < document.entries.size(); ++e) {
        if (document.entries[e].ifd == IfdKind::Gps) gpsEntries.push_back(e);
    }
    std::vector<ValueChange> gpsChanges = planRemoval(document, gpsEntries);
    if (gpsChanges.empty() && !gpsEntries.empty()) return {};
    for (ValueChange& change : gpsChanges) {
        if (change.position == gps->offset) std::fill(change.after.begin(), change.after.end(), 0);
        changes.push_back(std::move(change));
    }
    return changes;
}

std::optional<uint64_t> segmentRoom(const Document& document) {
    const ExifLocation& location = document.location;
    if (location.container != ContainerKind::Jpeg || !document.walked()) return std::nullopt;
    const uint64_t payload = location.exifEnd - location.tiffStart + 6;
    return payload > kMaxSegmentPayload ? 0 : kMaxSegmentPayload - payload;
}

}  // namespace brevino
