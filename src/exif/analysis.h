// Analysing a file: from its path (or its bytes) to the rows of every IFD it holds.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "exif/ifd_walker.h"
#include "platform/file_io.h"
#include "tags/tag_dictionary.h"

namespace brevino {

class Workspace;

// Analyses the file at `path` into the workspace's TagList; 1 when the IFDs were walked,
// 0 on every failure (reported, except a TIFF header that is not valid).
int analyzeFile(Workspace& workspace, const std::string& path);

// The same analysis over bytes that stand for a whole file, with no file involved.
int analyzeBytes(Workspace& workspace, std::span<const uint8_t> fileBytes);

// Clears the per-file state and releases the preview.
void resetAnalysis(Workspace& workspace);

// Appends a heading row (no entry) or the entry's row with `text` as its content.
// Answers -1 when the current dictionary does not know the entry's tag.
int appendTagRow(Workspace& workspace, std::string_view text, const IfdEntry* entry);

bool isHeadingRow(const Workspace& workspace, size_t row);

// Whether the name ends in ".jpg", ".jpeg", ".jpe" or ".jfif", in any letter case: the files
// a folder listing or a drop takes.
bool isJpegName(std::string_view path);
// Whether the name lets a file through to the analysis without looking at its content: a
// JPEG name, or ".tif"/".tiff" (which the locator then refuses), in any letter case.
bool isAnalyzableName(std::string_view path);
// Whether the open file begins with the JPEG start-of-image marker FF D8.
bool beginsWithJpegMarker(const FileHandle& file);
// Whether the analysis takes the file at all: by its name, or else by its content.
bool isAnalyzableFile(const std::string& path);

// Makes the dictionary for an IFD of the given kind current.
void selectDictionary(Workspace& workspace, IfdKind kind);

// Heading texts.
inline constexpr std::string_view kHeadingZeroth = "【0th IFD】";
inline constexpr std::string_view kHeadingExif = "【Exif IFD】";
inline constexpr std::string_view kHeadingGps = "【GPS情報IFD】";
inline constexpr std::string_view kHeadingInterop = "【互換性 IFD】";
inline constexpr std::string_view kHeadingFirst = "【1st IFD】";
inline constexpr std::string_view kHeadingMakerNote = "【メーカーノート】";

}  // namespace brevino
