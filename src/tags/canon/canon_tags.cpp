// The Canon maker-note dictionary: its IFD's tags, the named fields of its arrays of 16-bit
// values (camera settings, focal length, shot information, file information) and their
// short value-name tables. The arrays hold signed numbers that are read as SHORT, so -1 is
// listed as 65535.
// Tags, fields and codes follow exif-py (ianare/exif-py) and metadata-extractor
// (drewnoakes/metadata-extractor), worded as the corpus files' printed values read.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kOffOn[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
};

// Camera settings (0x0001).
const ValueName kMacroMode[] = {
    {MatchValue, 1, 0, "Macro"},
    {MatchValue, 2, 0, "Normal"},
};
const ValueName kSelfTimer[] = {
    {MatchValue, 0, 0, "Off"},
};
const ValueName kQuality[] = {
    {MatchValue, 65535, 0, "n/a"},
    {MatchValue, 1, 0, "Economy"},
    {MatchValue, 2, 0, "Normal"},
    {MatchValue, 3, 0, "Fine"},
    {MatchValue, 4, 0, "RAW"},
    {MatchValue, 5, 0, "Superfine"},
    {MatchValue, 7, 0, "CRAW"},
};
const ValueName kFlashMode[] = {
    {MatchValue, 65535, 0, "n/a"},
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Auto"},
    {MatchValue, 2, 0, "On"},
    {MatchValue, 3, 0, "Red-eye reduction"},
    {MatchValue, 4, 0, "Slow-sync"},
    {MatchValue, 5, 0, "Red-eye reduction (Auto)"},
    {MatchValue, 6, 0, "Red-eye reduction (On)"},
    {MatchValue, 16, 0, "External flash"},
};
const ValueName kContinuousDrive[] = {
    {MatchValue, 0, 0, "Single"},
    {MatchValue, 1, 0, "Continuous"},
    {MatchValue, 2, 0, "Movie"},
};
const ValueName kFocusMode[] = {
    {MatchValue, 0, 0, "One-shot AF"},
    {MatchValue, 1, 0, "AI Servo AF"},
    {MatchValue, 2, 0, "AI Focus AF"},
    {MatchValue, 3, 0, "Manual Focus (3)"},
    {MatchValue, 4, 0, "Single"},
    {MatchValue, 5, 0, "Continuous"},
    {MatchValue, 6, 0, "Manual Focus (6)"},
};
const ValueName kRecordMode[] = {
    {MatchValue, 1, 0, "JPEG"},
    {MatchValue, 2, 0, "CRW+THM"},
    {MatchValue, 3, 0, "AVI+THM"},
    {MatchValue, 4, 0, "TIF"},
    {MatchValue, 5, 0, "TIF+JPEG"},
    {MatchValue, 6, 0, "CR2"},
    {MatchValue, 7, 0, "CR2+JPEG"},
    {MatchValue, 9, 0, "MOV"},
    {MatchValue, 10, 0, "MP4"},
    {MatchValue, 11, 0, "CRM"},
};
const ValueName kImageSize[] = {
    {MatchValue, 65535, 0, "n/a"},
    {MatchValue, 0, 0, "Large"},
    {MatchValue, 1, 0, "Medium"},
    {MatchValue, 2, 0, "Small"},
    {MatchValue, 5, 0, "Medium 1"},
    {MatchValue, 6, 0, "Medium 2"},
    {MatchValue, 7, 0, "Medium 3"},
    {MatchValue, 8, 0, "Postcard"},
    {MatchValue, 9, 0, "Widescreen"},
    {MatchValue, 10, 0, "Medium Widescreen"},
    {MatchValue, 14, 0, "Small 1"},
    {MatchValue, 15, 0, "Small 2"},
    {MatchValue, 16, 0, "Small 3"},
};
const ValueName kEasyMode[] = {
    {MatchValue, 0, 0, "Full auto"},
    {MatchValue, 1, 0, "Manual"},
    {MatchValue, 2, 0, "Landscape"},
    {MatchValue, 3, 0, "Fast shutter"},
    {MatchValue, 4, 0, "Slow shutter"},
    {MatchValue, 5, 0, "Night"},
    {MatchValue, 6, 0, "Black & White"},
    {MatchValue, 7, 0, "Sepia"},
    {MatchValue, 8, 0, "Portrait"},
    {MatchValue, 9, 0, "Sports"},
    {MatchValue, 10, 0, "Macro"},
    {MatchValue, 11, 0, "Pan focus"},
    {MatchValue, 51, 0, "High Dynamic Range"},
};
const ValueName kDigitalZoom[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 1, 0, "2x"},
    {MatchValue, 2, 0, "4x"},
    {MatchValue, 3, 0, "Other"},
};
const ValueName kContrast[] = {
    {MatchValue, 65535, 0, "Low"},
    {MatchValue, 0, 0, "Normal"},
    {MatchValue, 1, 0, "High"},
};
const ValueName kSaturation[] = {
    {MatchValue, 65535, 0, "Low"},
    {MatchValue, 0, 0, "Normal"},
    {MatchValue, 1, 0, "High"},
};
const ValueName kCameraIso[] = {
    {MatchValue, 0, 0, "n/a"},
    {MatchValue, 14, 0, "Auto High"},
    {MatchValue, 15, 0, "Auto"},
    {MatchValue, 16, 0, "50"},
    {MatchValue, 17, 0, "100"},
    {MatchValue, 18, 0, "200"},
    {MatchValue, 19, 0, "400"},
    {MatchValue, 20, 0, "800"},
};
const ValueName kMeteringMode[] = {
    {MatchValue, 0, 0, "Default"},
    {MatchValue, 1, 0, "Spot"},
    {MatchValue, 2, 0, "Average"},
    {MatchValue, 3, 0, "Evaluative"},
    {MatchValue, 4, 0, "Partial"},
    {MatchValue, 5, 0, "Center-weighted average"},
};
const ValueName kFocusRange[] = {
    {MatchValue, 0, 0, "Manual"},
    {MatchValue, 1, 0, "Auto"},
    {MatchValue, 3, 0, "Close-up (Macro)"},
    {MatchValue, 8, 0, "Locked (Pan Mode)"},
};
const ValueName kAfPoint[] = {
    {MatchValue, 0x3000, 0, "None (MF)"},
    {MatchValue, 0x3001, 0, "Auto AF point selection"},
    {MatchValue, 0x3002, 0, "Right"},
    {MatchValue, 0x3003, 0, "Center"},
    {MatchValue, 0x3004, 0, "Left"},
    {MatchValue, 0x4001, 0, "Auto AF point selection"},
    {MatchValue, 0x4006, 0, "Face Detect"},
};
const ValueName kExposureMode[] = {
    {MatchValue, 0, 0, "Easy"},
    {MatchValue, 1, 0, "Program AE"},
    {MatchValue, 2, 0, "Shutter speed priority AE"},
    {MatchValue, 3, 0, "Aperture-priority AE"},
    {MatchValue, 4, 0, "Manual"},
    {MatchValue, 5, 0, "Depth-of-field AE"},
};
const ValueName kFocusContinuous[] = {
    {MatchValue, 0, 0, "Single"},
    {MatchValue, 1, 0, "Continuous"},
    {MatchValue, 8, 0, "Manual"},
};
const ValueName kAeSetting[] = {
    {MatchValue, 0, 0, "Normal AE"},
    {MatchValue, 1, 0, "Exposure Compensation"},
    {MatchValue, 2, 0, "AE Lock"},
    {MatchValue, 3, 0, "AE Lock + Exposure Comp."},
    {MatchValue, 4, 0, "No AE"},
};
const ValueName kImageStabilization[] = {
    {MatchValue, 65535, 0, "n/a"},
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
    {MatchValue, 2, 0, "Shoot Only"},
    {MatchValue, 3, 0, "Panning"},
    {MatchValue, 4, 0, "Dynamic"},
    {MatchValue, 256, 0, "Off (2)"},
    {MatchValue, 257, 0, "On (2)"},
    {MatchValue, 258, 0, "Shoot Only (2)"},
    {MatchValue, 259, 0, "Panning (2)"},
    {MatchValue, 260, 0, "Dynamic (2)"},
};
const ValueName kSpotMeteringMode[] = {
    {MatchValue, 0, 0, "Center"},
    {MatchValue, 1, 0, "AF Point"},
};
const ValueName kPhotoEffect[] = {
    {MatchValue, 0, 0, "Off"},
};
const ValueName kManualFlashOutput[] = {
    {MatchValue, 0, 0, "n/a"},
    {MatchValue, 0x500, 0, "Full"},
    {MatchValue, 0x502, 0, "Medium"},
    {MatchValue, 0x504, 0, "Low"},
    {MatchValue, 0x7FFF, 0, "n/a"},
};

const TagDef kCameraSettingsFields[] = {
    {1, "MacroMode", kMacroMode},
    {2, "SelfTimer", kSelfTimer},
    {3, "Quality", kQuality},
    {4, "CanonFlashMode", kFlashMode},
    {5, "ContinuousDrive", kContinuousDrive},
    {7, "FocusMode", kFocusMode},
    {9, "RecordMode", kRecordMode},
    {10, "CanonImageSize", kImageSize},
    {11, "EasyMode", kEasyMode},
    {12, "DigitalZoom", kDigitalZoom},
    {13, "Contrast", kContrast},
    {14, "Saturation", kSaturation},
    {15, "Sharpness"},
    {16, "CameraISO", kCameraIso},
    {17, "MeteringMode", kMeteringMode},
    {18, "FocusRange", kFocusRange},
    {19, "AFPoint", kAfPoint},
    {20, "CanonExposureMode", kExposureMode},
    {22, "LensType", kCanonLensTypeNames},
    {23, "MaxFocalLength"},
    {24, "MinFocalLength"},
    {25, "FocalUnits"},
    {26, "MaxAperture"},
    {27, "MinAperture"},
    {28, "FlashActivity"},
    {29, "FlashBits"},
    {32, "FocusContinuous", kFocusContinuous},
    {33, "AESetting", kAeSetting},
    {34, "ImageStabilization", kImageStabilization},
    {35, "DisplayAperture"},
    {36, "ZoomSourceWidth"},
    {37, "ZoomTargetWidth"},
    {39, "SpotMeteringMode", kSpotMeteringMode},
    {40, "PhotoEffect", kPhotoEffect},
    {41, "ManualFlashOutput", kManualFlashOutput},
    {42, "ColorTone"},
};

// Focal length (0x0002).
const ValueName kFocalType[] = {
    {MatchValue, 1, 0, "Fixed"},
    {MatchValue, 2, 0, "Zoom"},
};
const TagDef kFocalLengthFields[] = {
    {0, "FocalType", kFocalType},
    {1, "FocalLength"},
    {2, "FocalPlaneXSize"},
    {3, "FocalPlaneYSize"},
};

// Shot information (0x0004).
const ValueName kWhiteBalance[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "Daylight"},
    {MatchValue, 2, 0, "Cloudy"},
    {MatchValue, 3, 0, "Tungsten"},
    {MatchValue, 4, 0, "Fluorescent"},
    {MatchValue, 5, 0, "Flash"},
    {MatchValue, 6, 0, "Custom"},
    {MatchValue, 7, 0, "Black & White"},
    {MatchValue, 8, 0, "Shade"},
};
const ValueName kSlowShutter[] = {
    {MatchValue, 65535, 0, "n/a"},
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Night Scene"},
    {MatchValue, 2, 0, "On"},
    {MatchValue, 3, 0, "None"},
};
const ValueName kAutoExposureBracketing[] = {
    {MatchValue, 65535, 0, "On"},
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On (shot 1)"},
    {MatchValue, 2, 0, "On (shot 2)"},
    {MatchValue, 3, 0, "On (shot 3)"},
};
const ValueName kControlMode[] = {
    {MatchValue, 0, 0, "n/a"},
    {MatchValue, 1, 0, "Camera Local Control"},
    {MatchValue, 3, 0, "Computer Remote Control"},
};
const ValueName kCameraType[] = {
    {MatchValue, 250, 0, "Compact"},
};
const ValueName kAutoRotate[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 1, 0, "Rotate 90 CW"},
};
const TagDef kShotInfoFields[] = {
    {1, "AutoISO"},
    {2, "BaseISO"},
    {3, "MeasuredEV"},
    {4, "TargetAperture"},
    {5, "TargetExposureTime"},
    {6, "ExposureCompensation"},
    {7, "WhiteBalance", kWhiteBalance},
    {8, "SlowShutter", kSlowShutter},
    {9, "SequenceNumber"},
    {10, "OpticalZoomCode"},
    {13, "FlashGuideNumber"},
    {14, "AFPointsInFocus"},
    {15, "FlashExposureComp"},
    {16, "AutoExposureBracketing", kAutoExposureBracketing},
    {17, "AEBBracketValue"},
    {18, "ControlMode", kControlMode},
    {19, "FocusDistanceUpper"},
    {20, "FocusDistanceLower"},
    {21, "FNumber"},
    {22, "ExposureTime"},
    {23, "MeasuredEV2"},
    {24, "BulbDuration"},
    {26, "CameraType", kCameraType},
    {27, "AutoRotate", kAutoRotate},
    {28, "NDFilter", kOffOn},
    {29, "SelfTimer2"},
    {33, "FlashOutput"},
};

// File information (0x0093).
const ValueName kBracketMode[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "AEB"},
    {MatchValue, 2, 0, "FEB"},
    {MatchValue, 3, 0, "ISO"},
    {MatchValue, 4, 0, "WB"},
};
const ValueName kRawJpgQuality[] = {
    {MatchValue, 65535, 0, "n/a"},
    {MatchValue, 1, 0, "Economy"},
    {MatchValue, 2, 0, "Normal"},
    {MatchValue, 3, 0, "Fine"},
    {MatchValue, 4, 0, "RAW"},
    {MatchValue, 5, 0, "Superfine"},
    {MatchValue, 130, 0, "Normal Movie"},
};
const ValueName kLongExposureNoiseReduction[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On (1D)"},
    {MatchValue, 2, 0, "On"},
    {MatchValue, 3, 0, "Auto"},
};
const ValueName kWbBracketMode[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On (shift AB)"},
    {MatchValue, 2, 0, "On (shift GM)"},
};
const ValueName kFilterEffect[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 1, 0, "Yellow"},
    {MatchValue, 2, 0, "Orange"},
    {MatchValue, 3, 0, "Red"},
    {MatchValue, 4, 0, "Green"},
};
const ValueName kToningEffect[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 1, 0, "Sepia"},
    {MatchValue, 2, 0, "Blue"},
    {MatchValue, 3, 0, "Purple"},
    {MatchValue, 4, 0, "Green"},
};
const TagDef kFileInfoFields[] = {
    {3, "BracketMode", kBracketMode},
    {4, "BracketValue"},
    {5, "BracketShotNumber"},
    {6, "RawJpgQuality", kRawJpgQuality},
    {7, "RawJpgSize", kImageSize},
    {8, "LongExposureNoiseReduction2", kLongExposureNoiseReduction},
    {9, "WBBracketMode", kWbBracketMode},
    {12, "WBBracketValueAB"},
    {13, "WBBracketValueGM"},
    {14, "FilterEffect", kFilterEffect},
    {15, "ToningEffect", kToningEffect},
    {16, "MacroMagnification"},
    {19, "LiveViewShooting", kOffOn},
    {25, "FlashExposureLock", kOffOn},
};

// The main IFD.
const ValueName kSerialNumberFormat[] = {
    {MatchValue, static_cast<int32_t>(0x90000000u), 0, "Format 1"},
    {MatchValue, static_cast<int32_t>(0xA0000000u), 0, "Format 2"},
};
const ValueName kSuperMacro[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On (1)"},
    {MatchValue, 2, 0, "On (2)"},
};
const ValueName kDateStampMode[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Date"},
    {MatchValue, 2, 0, "Date & Time"},
};
const ValueName kColorSpace[] = {
    {MatchValue, 1, 0, "sRGB"},
    {MatchValue, 2, 0, "Adobe RGB"},
};
// clang-format on

}  // namespace

constinit const TagTable kCanonCameraSettingsFields{"CanonCameraSettings", kCameraSettingsFields};
constinit const TagTable kCanonFocalLengthFields{"CanonFocalLength", kFocalLengthFields};
constinit const TagTable kCanonShotInfoFields{"CanonShotInfo", kShotInfoFields};
constinit const TagTable kCanonFileInfoFields{"CanonFileInfo", kFileInfoFields};

namespace {

// clang-format off
const TagDef kCanonTagTable[] = {
    TagDef(0x0001, "CanonCameraSettings").withFields(kCanonCameraSettingsFields),
    TagDef(0x0002, "CanonFocalLength").withFields(kCanonFocalLengthFields),
    {0x0003, "CanonFlashInfo"},
    TagDef(0x0004, "CanonShotInfo").withFields(kCanonShotInfoFields),
    {0x0005, "CanonPanorama"},
    {0x0006, "CanonImageType"},
    {0x0007, "CanonFirmwareVersion"},
    {0x0008, "FileNumber"},
    {0x0009, "OwnerName"},
    {0x000C, "SerialNumber"},
    {0x000D, "CanonCameraInfo"},
    {0x000E, "CanonFileLength"},
    {0x000F, "CustomFunctions"},
    {0x0010, "CanonModelID", kCanonModelIdNames},
    {0x0011, "MovieInfo"},
    {0x0012, "CanonAFInfo"},
    {0x0013, "ThumbnailImageValidArea"},
    {0x0015, "SerialNumberFormat", kSerialNumberFormat},
    {0x001A, "SuperMacro", kSuperMacro},
    {0x001C, "DateStampMode", kDateStampMode},
    {0x001D, "MyColors"},
    {0x001E, "FirmwareRevision"},
    {0x0023, "Categories"},
    {0x0024, "FaceDetect1"},
    {0x0025, "FaceDetect2"},
    {0x0026, "CanonAFInfo2"},
    {0x0027, "ContrastInfo"},
    {0x0028, "ImageUniqueID"},
    {0x002F, "FaceDetect3"},
    {0x0035, "TimeInfo"},
    {0x003C, "AFInfo3"},
    {0x0081, "RawDataOffset"},
    {0x0083, "OriginalDecisionDataOffset"},
    {0x0090, "CustomFunctions1D"},
    {0x0091, "PersonalFunctions"},
    {0x0092, "PersonalFunctionValues"},
    TagDef(0x0093, "CanonFileInfo").withFields(kCanonFileInfoFields),
    {0x0094, "AFPointsInFocus1D"},
    {0x0095, "LensModel"},
    {0x0096, "InternalSerialNumber"},
    {0x0097, "DustRemovalData"},
    {0x0098, "CropInfo"},
    {0x0099, "CustomFunctions2"},
    {0x009A, "AspectInfo"},
    {0x00A0, "ProcessingInfo"},
    {0x00A1, "ToneCurveTable"},
    {0x00A2, "SharpnessTable"},
    {0x00A3, "SharpnessFreqTable"},
    {0x00A4, "WhiteBalanceTable"},
    {0x00A9, "ColorBalance"},
    {0x00AA, "MeasuredColor"},
    {0x00AE, "ColorTemperature"},
    {0x00B0, "CanonFlags"},
    {0x00B1, "ModifiedInfo"},
    {0x00B2, "ToneCurveMatching"},
    {0x00B3, "WhiteBalanceMatching"},
    {0x00B4, "ColorSpace", kColorSpace},
    {0x00B6, "PreviewImageInfo"},
    {0x00D0, "VRDOffset"},
    {0x00E0, "SensorInfo"},
    {0x4001, "ColorData"},
    {0x4002, "CRWParam"},
    {0x4003, "ColorInfo"},
    {0x4008, "BlackLevel"},
    {0x4010, "CustomPictureStyleFileName"},
    {0x4013, "AFMicroAdj"},
    {0x4015, "VignettingCorr"},
    {0x4016, "VignettingCorr2"},
    {0x4018, "LightingOpt"},
    {0x4019, "LensInfo"},
    {0x4020, "AmbienceInfo"},
    {0x4024, "FilterInfo"},
};

// Offsets to other data in the file (raw data, decision data, a recipe, a preview).
const uint16_t kCanonStructural[] = {0x0081, 0x0083, 0x00B6, 0x00D0};
// clang-format on

}  // namespace

constinit const TagTable kCanonTags{"Canon", kCanonTagTable};

// A plain IFD from the note's first byte, in the Exif block's byte order, its offsets counted
// from the Exif block's TIFF header; known by the Make. Canon notes end in the footer that
// records where they lay, so a note that editing software moved is still read.
constinit const MakerNoteFormat kCanonMakerNote{.vendor = "Canon",
                                                .make = "Canon",
                                                .tags = &kCanonTags,
                                                .footerKeepsPosition = true,
                                                .structural = kCanonStructural};

}  // namespace brevino
