// Everything the core can have to tell the user, by kind. The core answers with these; the
// workspace gives each its text and caption.
#pragma once

#include <cstdint>

namespace brevino {

enum class Problem : uint8_t {
    None,
    // Analysis.
    NotAnalyzable,      // neither a JPEG name nor JPEG content
    AnalysisOpenError,  // the file cannot be opened
    HeaderReadError,    // a segment head cannot be read
    NotSupported,       // not a JPEG (nor any other container the analysis knows)
    NoExifSegment,      // a JPEG (or another known container) without Exif
    MemoryError,
    App1ReadError,  // the Exif segment cannot be read whole
    BadTiffHeader,  // told nobody: the TIFF header is not valid
    // Editing.
    NotEditable,
    // Why a row is not editable (told after NotEditable).
    NotEditableHeading,
    NotEditableUnknownTag,
    NotEditableType,
    NotEditableUtf16,
    NotEditableOutside,
    NotEditableStructure,
    NotEditableFields,
    NotEditableOverlap,
    NotEditableCompressed,
    SlashRequired,
    ValueCount,
    NotNumber,
    OutOfRange,
    ZeroDenominator,
    DateForm,
    TooLong,  // the detail is the field's length in bytes
    // Adding and removing entries.
    AddJpegOnly,         // a file of another container cannot take a new entry
    SegmentTooLarge,     // the Exif segment would pass its limit
    RewriteCheckFailed,  // the file written anew did not read back as planned
    NotRemovable,
    OffsetForm,    // a time-zone offset that is not ±HH:MM
    SkippedNoGps,  // a batch file without a GPS position
    EntryAdded,    // the detail is the tag's name
    EntryRemoved,  // the same
    // Saving.
    OpenFirstToSave,
    TimesWriteError,
    CannotOpen,
    WriteFailed,
    Saved,
    // Export and import.
    OpenFirstToExport,
    OpenFirstToImport,
    NoExif,
    InputOpenError,
    InputReadError,
    OutputOpenError,
    OutputWriteError,
    TransferMemoryError,
    SideFileOpenError,
    SideFileReadError,
    SideFileNotSupported,  // a side file, or an import target, that is no JPEG
    ExportTooLarge,        // the Exif data does not fit a segment
    ImportJpegOnly,        // the analysed file is no JPEG
    Exported,              // the detail is the side file's path
    Imported,              // the detail is the output's path
    // Batch runs.
    BatchCompleted,
    BatchSummary,  // the detail is "N M": files changed, files left alone
    // Why a batch run skipped a file.
    SkippedNoChangeDate,
    SkippedChangeDateInvalid,
    SkippedNoSuchDate,
    SkippedNoDateRows,
    SkippedNoSuchRow,
    NoDateInName,
    RenameFailed,
    DateNotShifted,  // the detail names the row and its text
    ShiftForm,       // an offset that is not "[+|-][DAYS ]HH:MM[:SS]"
    // The journal of changes, and undo.
    JournalWriteError,
    JournalUnreadable,
    NothingToUndo,
    ChangedSinceOperation,
    NameTakenForUndo,
    CannotRecreate,
    Undone,  // the detail is the operation's number and title
    Redone,  // the same
    FileRestored,
    FileRedone,
    NothingToRedo,
    AlreadyUndone,  // the detail is the operation's number
};

}  // namespace brevino
