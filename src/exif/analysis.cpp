#include "exif/analysis.h"

#include <algorithm>

#include "exif/containers/container.h"
#include "exif/overlaps.h"
#include "exif/tiff_block.h"
#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); });
}

// Whether a container knows the file by its first bytes.
bool isKnownContent(const FileHandle& file) {
    uint8_t head[kHeadLength] = {};
    if (!file.isOpen()) return false;
    const size_t got = file.readAt(0, head, sizeof head);
    return recogniseContainer(std::span<const uint8_t>(head, got)) != nullptr;
}

}  // namespace

void analyzeInto(const ByteSource& source, Document& document,
                 std::span<const MakerNoteFormat* const> formats) {
    document.clear();
    uint8_t head[kHeadLength] = {};
    const size_t got = source.read(0, head, sizeof head);
    const ContainerFormat* container = recogniseContainer(std::span<const uint8_t>(head, got));
    // What no container knows is refused as a JPEG refuses it (too short, or not one).
    if (container == nullptr) container = containerFormats().front();
    document.problem = container->locate(source, document);
    if (!document.walked()) return;
    for (const TiffBlock& block : document.blocks) {
        const Problem problem = walkTiffBlock(document, block, &source, formats);
        // The first block must be TIFF data; a later one that is not is left out.
        if (problem != Problem::None && &block == &document.blocks.front()) {
            document.problem = problem;
            return;
        }
    }
    markOverlaps(document);
}

Document analyzeBytes(std::span<const uint8_t> fileBytes,
                      std::span<const MakerNoteFormat* const> formats) {
    const MemorySource source(fileBytes);
    Document document;
    analyzeInto(source, document, formats);
    return document;
}

FileAnalysis analyzeFile(const std::string& path) {
    FileAnalysis result;
    analyzeFile(path, result);
    return result;
}

void analyzeFile(const std::string& path, FileAnalysis& into) {
    into.document.clear();
    into.file.reset();
    // A file is known by its content; the name only lets files through that may be one.
    FileHandle file = openForRead(path);
    if (!isAnalyzableName(path) && !isKnownContent(file)) {
        into.document.problem = Problem::NotAnalyzable;
        return;
    }
    std::optional<FileIdentity> identity = file.isOpen() ? file.identity() : std::nullopt;
    if (!identity) {
        into.document.problem = Problem::AnalysisOpenError;
        return;
    }
    into.file = AnalysedFile{path, *identity, timesOf(*identity)};
    const FileSource source(file, static_cast<uint64_t>(identity->size));
    analyzeInto(source, into.document);
}

bool isPhotoName(std::string_view path) {
    for (const ContainerFormat* format : containerFormats()) {
        for (const std::string_view extension : format->extensions) {
            if (endsWithIgnoringCase(path, extension)) return true;
        }
    }
    return false;
}

bool isAnalyzableName(std::string_view path) {
    return isPhotoName(path);
}

bool isAnalyzableFile(const std::string& path) {
    return isAnalyzableName(path) || isKnownContent(openForRead(path));
}

}  // namespace brevino
