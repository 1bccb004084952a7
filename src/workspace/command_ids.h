// The numbers that name the windows' commands and controls. Menu items, toolbar buttons and
// dialog buttons are dispatched by these numbers.
#pragma once

namespace brevino::ids {

// Dialog commands: the Enter key and the Esc key or close box.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// Controls of the main window.
inline constexpr int kTagList = 100;
inline constexpr int kPreviewPane = 101;
inline constexpr int kFileList = 102;
inline constexpr int kToolbar = 600;

// Menu commands.
inline constexpr int kOpenFolder = 200;
inline constexpr int kOverwrite = 201;
inline constexpr int kExport = 202;
inline constexpr int kImport = 203;
inline constexpr int kExit = 204;
inline constexpr int kBatch = 205;
inline constexpr int kCopyToClipboard = 206;
inline constexpr int kOptions = 207;
inline constexpr int kVersion = 208;
inline constexpr int kShowOnMap = 209;
inline constexpr int kUndo = 210;
inline constexpr int kRedo = 211;
inline constexpr int kAddEntry = 212;
inline constexpr int kRemoveEntries = 213;

// Toolbar buttons.
inline constexpr int kToolOpenFolder = 500;
inline constexpr int kToolOverwrite = 501;
inline constexpr int kToolImport = 502;
inline constexpr int kToolExport = 503;

// Input and version dialogs.
inline constexpr int kInputEdit = 300;
inline constexpr int kDialogOk = 301;

// Batch dialog.
inline constexpr int kBatchOperation = 400;
inline constexpr int kBatchGo = 401;
inline constexpr int kBatchValue = 402;
inline constexpr int kBatchProgress = 403;
inline constexpr int kBatchClose = 404;
inline constexpr int kBatchTimer = 32767;
inline constexpr int kBatchTickMs = 100;

// Options dialog.
inline constexpr int kOptionsStartGroup = 603;
inline constexpr int kOptionsTagGroup = 604;
inline constexpr int kOptionsViewGroup = 610;
inline constexpr int kOptionsCancel = 404;

// The menu command a toolbar button stands for; every other id stands for itself. The
// toolbar shows export before import, although their ids run the other way.
constexpr int menuCommandFor(int id) {
    switch (id) {
        case kToolOpenFolder:
            return kOpenFolder;
        case kToolOverwrite:
            return kOverwrite;
        case kToolImport:
            return kImport;
        case kToolExport:
            return kExport;
        default:
            return id;
    }
}

}  // namespace brevino::ids
