#include "exif/analysis.h"

#include <algorithm>
#include <initializer_list>

#include "exif/exif_locator.h"
#include "exif/leading_bytes.h"
#include "tags/maker_note.h"
#include "workspace/workspace.h"

namespace brevino {
namespace {

constexpr char kNotAnalyzable[] = "解析対象のﾌｧｲﾙではありません。";
constexpr char kOpenError[] = "解析ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。";
constexpr char kMemoryError[] = "ﾒﾓﾘ確保ｴﾗｰ。";
constexpr char kReadError[] = "APP1ﾘｰﾄﾞｴﾗｰ。";

constexpr std::string_view kHeadingMark = "【";

// Buffers grown for an unusual file are not kept beyond this size between analyses.
constexpr size_t kKeptBufferCapacity = 1 << 20;

void walkStandardIfd(Workspace& workspace, AnalysisBuffer buffer, IfdKind kind,
                     std::string_view heading, uint64_t offset) {
    selectDictionary(workspace, kind);
    appendTagRow(workspace, heading, nullptr);
    walkIfd(workspace, buffer, offset, workspace.analysis.byteOrder);
}

// Everything after the file (or buffer) is open: locate, read, check and walk.
int analyzeLeadingBytes(Workspace& workspace, LeadingBytes& bytes) {
    AnalysisState& state = workspace.analysis;
    ExifLocation& location = state.location;
    if (!locateExif(workspace, bytes, location)) return 0;
    switch (bytes.ensure(location.exifEnd)) {
        case LeadingBytes::Status::Ok:
            break;
        case LeadingBytes::Status::NoMemory:
            workspace.report(kMemoryError);
            return 0;
        case LeadingBytes::Status::Short:
            workspace.report(kReadError);
            return 0;
    }
    const AnalysisBuffer buffer(bytes.data(), static_cast<size_t>(location.exifEnd));
    const uint64_t tiff = location.tiffStart();
    // A segment too short for a TIFF header fails like a header with the wrong magic number.
    if (tiff + 8 > buffer.size()) return 0;
    state.byteOrder = buffer[tiff] == 'I' && buffer[tiff + 1] == 'I' ? Intel : Motorola;
    state.makerNoteByteOrder = state.byteOrder;
    if (readU16(buffer.data() + tiff + 2, state.byteOrder) != 42) return 0;
    const uint64_t ifd0 = tiff + readU32(buffer.data() + tiff + 4, state.byteOrder);

    walkStandardIfd(workspace, buffer, IfdKind::Zeroth, kHeadingZeroth, ifd0);

    for (uint8_t i = 0; i < state.subIfdCount; ++i) {
        const SubIfdRef ref = state.subIfds[i];
        if (ref.tag == 0x8769) {
            walkStandardIfd(workspace, buffer, IfdKind::Exif, kHeadingExif, ref.offset);
        } else if (ref.tag == 0x8825) {
            walkStandardIfd(workspace, buffer, IfdKind::Gps, kHeadingGps, ref.offset);
        } else {
            walkStandardIfd(workspace, buffer, IfdKind::Interop, kHeadingInterop, ref.offset);
        }
    }

    // IFD0's link to the thumbnail IFD, when both its entry count and the link are inside.
    if (ifd0 + 2 <= buffer.size()) {
        const uint64_t link =
            ifd0 + 2 + 12 * uint64_t{readU16(buffer.data() + ifd0, state.byteOrder)};
        if (link + 4 <= buffer.size()) {
            const uint32_t next = readU32(buffer.data() + link, state.byteOrder);
            if (next != 0)
                walkStandardIfd(workspace, buffer, IfdKind::First, kHeadingFirst, tiff + next);
        }
    }

    detectMakerNote(workspace, buffer, state.makerNoteOffset, state.makerNoteCount);
    return 1;
}

void startAnalysis(Workspace& workspace) {
    resetAnalysis(workspace);
    workspace.tagList.clear();
    workspace.analysedFile = AnalysedFile{};
}

}  // namespace

void resetAnalysis(Workspace& workspace) {
    AnalysisState& state = workspace.analysis;
    state.rowCount = 0;
    state.location = ExifLocation{};
    state.byteOrder = Intel;
    state.makerNoteByteOrder = Intel;
    state.subIfdCount = 0;
    state.makerNoteOffset = 0;
    state.makerNoteCount = 0;
    state.currentIfd = IfdKind::None;
    if (workspace.releasePreview) workspace.releasePreview();
}

void selectDictionary(Workspace& workspace, IfdKind kind) {
    workspace.analysis.currentDictionary = standardDictionary(kind);
    workspace.analysis.currentIfd = kind;
}

int analyzeFile(Workspace& workspace, const std::string& path) {
    // A JPEG is known by its content; the name only lets files through that may be one.
    FileHandle file;
    if (!isAnalyzableName(path)) {
        file = openForRead(path);
        if (!beginsWithJpegMarker(file)) {
            workspace.report(kNotAnalyzable);
            return 0;
        }
    }
    startAnalysis(workspace);
    if (workspace.previewEnabled == 1 && workspace.loadPreview) workspace.loadPreview(path);

    if (!file.isOpen()) file = openForRead(path);
    std::optional<FileIdentity> identity = file.isOpen() ? file.identity() : std::nullopt;
    if (!identity) {
        workspace.report(kOpenError);
        return 0;
    }
    workspace.analysedFile = AnalysedFile{true, path, *identity, timesOf(*identity)};
    LeadingBytes bytes(file, static_cast<uint64_t>(identity->size), workspace.analysisBuffer);
    int result = analyzeLeadingBytes(workspace, bytes);
    if (workspace.analysisBuffer.capacity() > kKeptBufferCapacity)
        workspace.analysisBuffer.release();
    return result;
}

int analyzeBytes(Workspace& workspace, std::span<const uint8_t> fileBytes) {
    startAnalysis(workspace);
    LeadingBytes bytes(fileBytes.data(), fileBytes.size());
    return analyzeLeadingBytes(workspace, bytes);
}

int appendTagRow(Workspace& workspace, std::string_view text, const IfdEntry* entry) {
    AnalysisState& state = workspace.analysis;
    if (entry == nullptr) {
        workspace.tagList.appendHeading(text);
        ++state.rowCount;
        return static_cast<int>(state.rowCount - 1);
    }
    const int index = lookupTag(state.currentDictionary, entry->tag);
    if (index < 0) return -1;
    EntryFacts facts;
    facts.tagId = entry->tag;
    facts.type = entry->type;
    facts.count = entry->count;
    facts.position = entry->position;
    facts.valueInside = entry->valueInside;
    facts.ifd = state.currentIfd;
    workspace.tagList.appendEntry(facts, state.currentDictionary[index].name, text,
                                  lookupValueName(state.currentDictionary, index, text));
    ++state.rowCount;
    return static_cast<int>(state.rowCount - 1);
}

bool isHeadingRow(const Workspace& workspace, size_t row) {
    return workspace.tagList.cell(row, Column::Offset).starts_with(kHeadingMark);
}

namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); });
}

bool endsWithAny(std::string_view path, std::initializer_list<std::string_view> extensions) {
    for (std::string_view extension : extensions) {
        if (endsWithIgnoringCase(path, extension)) return true;
    }
    return false;
}

}  // namespace

bool isJpegName(std::string_view path) {
    return endsWithAny(path, {".jpg", ".jpeg", ".jpe", ".jfif"});
}

bool isAnalyzableName(std::string_view path) {
    return isJpegName(path) || endsWithAny(path, {".tif", ".tiff"});
}

bool beginsWithJpegMarker(const FileHandle& file) {
    uint8_t start[2] = {};
    return file.isOpen() && file.readAt(0, start, 2) == 2 && start[0] == 0xFF && start[1] == 0xD8;
}

bool isAnalyzableFile(const std::string& path) {
    return isAnalyzableName(path) || beginsWithJpegMarker(openForRead(path));
}

}  // namespace brevino
