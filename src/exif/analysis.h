// Analysing a file: from its bytes (or its path) to the typed document of every IFD it holds.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "exif/byte_source.h"
#include "exif/document.h"
#include "platform/file_io.h"
#include "platform/file_times.h"

namespace brevino {

// The analysis of bytes that stand for a whole file: locates the Exif segment, checks the
// TIFF header and walks the 0th IFD, the sub-IFDs in the order their pointers were met, the
// 1st IFD and a recognised maker note. Reports nothing; a failure is the document's problem.
// The maker-note formats tried are `formats` (every known one unless a test says otherwise).
Document analyzeBytes(std::span<const uint8_t> fileBytes,
                      std::span<const MakerNoteFormat* const> formats = makerNoteFormats());
// The same into a document whose room is reused (many files in a row): the document holds
// the bytes of the file it read.
void analyzeInto(const ByteSource& source, Document& document,
                 std::span<const MakerNoteFormat* const> formats = makerNoteFormats());

// The file a document was read from, as it was then.
struct AnalysedFile {
    std::string path;
    FileIdentity identity;
    // The times the file had before the analysis read it (reading may move the access
    // time); a save that keeps times puts these back, to the nanosecond.
    FileTimes times;
};

struct FileAnalysis {
    Document document;
    std::optional<AnalysedFile> file;  // when the file could be opened
};

// Analyses the file at `path`, reading only the parts its Exif data needs. A file whose name
// is no JPEG's or TIFF's and whose first bytes no container knows is refused (NotAnalyzable)
// before anything else is read.
FileAnalysis analyzeFile(const std::string& path);
void analyzeFile(const std::string& path, FileAnalysis& into);

// Whether the name ends in ".jpg", ".jpeg", ".jpe" or ".jfif", in any letter case: the files
// a folder listing or a drop takes.
bool isJpegName(std::string_view path);
// Whether the name lets a file through to the analysis without looking at its content: a
// JPEG name, or ".tif"/".tiff" (which the locator then refuses), in any letter case.
bool isAnalyzableName(std::string_view path);
// Whether the analysis takes the file at all: by its name, or else by its content.
bool isAnalyzableFile(const std::string& path);

}  // namespace brevino
