// Walking one TIFF block of a file into the document: its first IFD, the Exif, GPS and
// interoperability IFDs its pointers name, the images linked after it (the 1st IFD, and in
// raw files IFD2, IFD3, ... and their SubIFDs), and the maker note.
#pragma once

#include <span>

#include "exif/byte_source.h"
#include "exif/document.h"

namespace brevino {

// BadTiffHeader for a block whose header is not a TIFF one; None otherwise.
Problem walkTiffBlock(Document& document, const TiffBlock& block, const ByteSource* source,
                      std::span<const MakerNoteFormat* const> formats);

}  // namespace brevino
