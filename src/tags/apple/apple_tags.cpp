// The Apple maker-note dictionary: the entries iPhones write about exposure, focus, motion,
// HDR and the identifiers that tie a photo to its burst or its Live Photo video.
// Tags and codes follow exif-py, metadata-extractor and libopenraw.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kNoYes[] = {
    {MatchValue, 0, 0, "No"},
    {MatchValue, 1, 0, "Yes"},
};
const ValueName kAfStable[] = {
    {MatchValue, 0, 0, "No"},
    {MatchValue, 1, 0, "Yes"},
};
const ValueName kHdrImageType[] = {
    {MatchValue, 3, 0, "HDR Image"},
    {MatchValue, 4, 0, "Original Image"},
};
const ValueName kImageCaptureType[] = {
    {MatchValue, 1, 0, "ProRAW"},
    {MatchValue, 2, 0, "Portrait"},
    {MatchValue, 10, 0, "Photo"},
    {MatchValue, 11, 0, "Manual Focus"},
    {MatchValue, 12, 0, "Scene"},
};
const ValueName kCameraType[] = {
    {MatchValue, 0, 0, "Back Wide Angle"},
    {MatchValue, 1, 0, "Back Normal"},
    {MatchValue, 6, 0, "Front"},
};

const TagDef kAppleTagTable[] = {
    {0x0001, "MakerNoteVersion"},
    {0x0002, "AEMatrix"},
    {0x0003, "RunTime"},
    {0x0004, "AEStable", kNoYes},
    {0x0005, "AETarget"},
    {0x0006, "AEAverage"},
    {0x0007, "AFStable", kAfStable},
    {0x0008, "AccelerationVector"},
    {0x000A, "HDRImageType", kHdrImageType},
    {0x000B, "BurstUUID"},
    {0x000C, "FocusDistanceRange"},
    {0x0011, "ContentIdentifier"},
    {0x0014, "ImageCaptureType", kImageCaptureType},
    {0x0015, "ImageUniqueID"},
    {0x0017, "LivePhotoVideoIndex"},
    {0x002E, "CameraType", kCameraType},
};
// clang-format on

}  // namespace

constinit const TagTable kAppleTags{"Apple", kAppleTagTable};

// "Apple iOS", a zero byte, a version of two bytes and a byte-order mark ("MM"); the IFD
// follows at 14, its offsets counted from the note's start.
constinit const MakerNoteFormat kAppleMakerNote{.vendor = "Apple",
                                                .signature = std::string_view("Apple iOS\0", 10),
                                                .ifdAt = 14,
                                                .base = OffsetBase::Note,
                                                .order = NoteByteOrder::Mark,
                                                .orderAt = 12,
                                                .tags = &kAppleTags};

}  // namespace brevino
