// Analysing a file: from its path (or its bytes) to the rows of every IFD it holds.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "exif/ifd_walker.h"
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

// Whether the name ends in one of the accepted extensions, letter case exactly as listed.
bool isAnalyzableName(std::string_view path);

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
