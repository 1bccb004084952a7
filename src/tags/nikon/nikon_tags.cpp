// The Nikon maker-note dictionaries: the note with its own TIFF header of newer cameras, its
// preview and scan sub-IFDs, the named fields of its unencrypted blocks (lens data of the
// versions 0100 and 0101, AF information, vibration reduction, Picture Control, world
// time), and the older note of the E-series Coolpix cameras.
// Tags and codes follow exif-py, metadata-extractor and the layouts the corpus files show; the
// lens IDs follow the list of Nikkor lens IDs published at rottmerhusen.com.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

constexpr TypeSet kText = typeBit(TiffType::Ascii);
constexpr TypeSet kShort = typeBit(TiffType::Short);
constexpr TypeSet kSignedShort = typeBit(TiffType::SShort);

// clang-format off
const ValueName kOffOn[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
};
const ValueName kNoYes[] = {
    {MatchValue, 0, 0, "No"},
    {MatchValue, 1, 0, "Yes"},
};
const ValueName kColorSpace[] = {
    {MatchValue, 1, 0, "sRGB"},
    {MatchValue, 2, 0, "Adobe RGB"},
};
const ValueName kActiveDLighting[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Low"},
    {MatchValue, 3, 0, "Normal"},
    {MatchValue, 5, 0, "High"},
    {MatchValue, 7, 0, "Extra High"},
    {MatchValue, 65535, 0, "Auto"},
};
const ValueName kVignetteControl[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Low"},
    {MatchValue, 3, 0, "Normal"},
    {MatchValue, 5, 0, "High"},
};
// Bit flags: manual focus, distance information (D), no aperture ring (G), vibration
// reduction; the combinations lenses have.
const ValueName kLensType[] = {
    {MatchValue, 0, 0, "AF"},
    {MatchValue, 1, 0, "MF"},
    {MatchValue, 2, 0, "D"},
    {MatchValue, 6, 0, "G"},
    {MatchValue, 10, 0, "D VR"},
    {MatchValue, 14, 0, "G VR"},
};
const ValueName kFlashMode[] = {
    {MatchValue, 0, 0, "Did Not Fire"},
    {MatchValue, 1, 0, "Fired, Manual"},
    {MatchValue, 3, 0, "Not Ready"},
    {MatchValue, 7, 0, "Fired, External"},
    {MatchValue, 8, 0, "Fired, Commander Mode"},
    {MatchValue, 9, 0, "Fired, TTL Mode"},
};
const ValueName kShootingMode[] = {
    {MatchValue, 0, 0, "Single Frame"},
    {MatchValue, 1, 0, "Continuous"},
};
const ValueName kNefCompression[] = {
    {MatchValue, 1, 0, "Lossy (type 1)"},
    {MatchValue, 3, 0, "Uncompressed"},
    {MatchValue, 4, 0, "Lossless"},
    {MatchValue, 5, 0, "Lossy (type 2)"},
};
const ValueName kHighIsoNoiseReduction[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Minimal"},
    {MatchValue, 2, 0, "Low"},
    {MatchValue, 4, 0, "Normal"},
    {MatchValue, 6, 0, "High"},
};
const ValueName kRetouchHistory[] = {
    {MatchValue, 0, 0, "None"},
};
const ValueName kPreviewYCbCrPositioning[] = {
    {MatchValue, 1, 0, "Centered"},
    {MatchValue, 2, 0, "Co-sited"},
};
const ValueName kPreviewResolutionUnit[] = {
    {MatchValue, 1, 0, "None"},
    {MatchValue, 2, 0, "inches"},
    {MatchValue, 3, 0, "cm"},
};
const ValueName kPreviewCompression[] = {
    {MatchValue, 1, 0, "Uncompressed"},
    {MatchValue, 6, 0, "JPEG (old-style)"},
};

// Lens data: the lens's own ID byte names the Nikkor lens it belongs to. Other makers' lenses
// reuse these IDs, so the name holds for Nikkor lenses only.
const ValueName kLensIdNumber[] = {
    {MatchValue, 0x00, 0, "Fisheye Nikkor 8mm f/2.8 AiS"},
    {MatchValue, 0x01, 0, "AF Nikkor 50mm f/1.8"},
    {MatchValue, 0x02, 0, "AF Zoom-Nikkor 35-70mm f/3.3-4.5"},
    {MatchValue, 0x03, 0, "AF Zoom-Nikkor 70-210mm f/4"},
    {MatchValue, 0x04, 0, "AF Nikkor 28mm f/2.8"},
    {MatchValue, 0x05, 0, "AF Nikkor 50mm f/1.4"},
    {MatchValue, 0x06, 0, "AF Micro-Nikkor 55mm f/2.8"},
    {MatchValue, 0x07, 0, "AF Zoom-Nikkor 28-85mm f/3.5-4.5"},
    {MatchValue, 0x08, 0, "AF Zoom-Nikkor 35-105mm f/3.5-4.5"},
    {MatchValue, 0x09, 0, "AF Nikkor 24mm f/2.8"},
    {MatchValue, 0x0A, 0, "AF Nikkor 300mm f/2.8 IF-ED"},
    {MatchValue, 0x0B, 0, "AF Nikkor 180mm f/2.8 IF-ED"},
    {MatchValue, 0x0D, 0, "AF Zoom-Nikkor 35-135mm f/3.5-4.5"},
    {MatchValue, 0x0E, 0, "AF Zoom-Nikkor 70-210mm f/4"},
    {MatchValue, 0x0F, 0, "AF Nikkor 50mm f/1.8 N"},
    {MatchValue, 0x10, 0, "AF Nikkor 300mm f/4 IF-ED"},
    {MatchValue, 0x11, 0, "AF Zoom-Nikkor 35-70mm f/2.8"},
    {MatchValue, 0x12, 0, "AF Nikkor 70-210mm f/4-5.6"},
    {MatchValue, 0x13, 0, "AF Zoom-Nikkor 24-50mm f/3.3-4.5"},
    {MatchValue, 0x14, 0, "AF Zoom-Nikkor 80-200mm f/2.8 ED"},
    {MatchValue, 0x15, 0, "AF Nikkor 85mm f/1.8"},
    {MatchValue, 0x17, 0, "Nikkor 500mm f/4 P ED IF"},
    {MatchValue, 0x18, 0, "AF Zoom-Nikkor 35-135mm f/3.5-4.5 N"},
    {MatchValue, 0x7F, 0, "AF-S DX Zoom-Nikkor 18-70mm f/3.5-4.5G IF-ED"},
};

// Version 0100 (D100, D1X).
const TagDef kLensData0100Fields[] = {
    TagDef(0, "LensDataVersion").withTypes(kText, 4),
    {6, "LensIDNumber", kLensIdNumber},
    {7, "LensFStops"},
    {8, "MinFocalLength"},
    {9, "MaxFocalLength"},
    {10, "MaxApertureAtMinFocal"},
    {11, "MaxApertureAtMaxFocal"},
    {12, "MCUVersion"},
};
// Version 0101 (D70, D70s).
const TagDef kLensData0101Fields[] = {
    TagDef(0, "LensDataVersion").withTypes(kText, 4),
    {4, "ExitPupilPosition"},
    {5, "AFAperture"},
    {8, "FocusPosition"},
    {9, "FocusDistance"},
    {10, "FocalLength"},
    {11, "LensIDNumber", kLensIdNumber},
    {12, "LensFStops"},
    {13, "MinFocalLength"},
    {14, "MaxFocalLength"},
    {15, "MaxApertureAtMinFocal"},
    {16, "MaxApertureAtMaxFocal"},
    {17, "MCUVersion"},
    {18, "EffectiveMaxAperture"},
};

const ValueName kAfAreaMode[] = {
    {MatchValue, 0, 0, "Single Area"},
    {MatchValue, 1, 0, "Dynamic Area"},
};
const ValueName kAfPoint[] = {
    {MatchValue, 0, 0, "Center"},
    {MatchValue, 1, 0, "Top"},
    {MatchValue, 2, 0, "Bottom"},
    {MatchValue, 3, 0, "Left"},
    {MatchValue, 4, 0, "Right"},
};
const ValueName kAfPointsInFocus[] = {
    {MatchValue, 0, 0, "(none)"},
};
const TagDef kAfInfoFields[] = {
    {0, "AFAreaMode", kAfAreaMode},
    {1, "AFPoint", kAfPoint},
    TagDef(2, "AFPointsInFocus", kAfPointsInFocus).withTypes(kShort, 1),
};

const ValueName kVibrationReduction[] = {
    {MatchValue, 0, 0, "n/a"},
    {MatchValue, 1, 0, "On"},
    {MatchValue, 2, 0, "Off"},
};
const ValueName kVrMode[] = {
    {MatchValue, 0, 0, "Normal"},
};
const TagDef kVrInfoFields[] = {
    TagDef(0, "VRInfoVersion").withTypes(kText, 4),
    {4, "VibrationReduction", kVibrationReduction},
    {6, "VRMode", kVrMode},
};

// Picture Control: settings are offsets from 0x80, with 0xFF for settings a picture control
// does not have.
const ValueName kPictureControlAdjust[] = {
    {MatchValue, 0, 0, "Default Settings"},
    {MatchValue, 1, 0, "Quick Adjust"},
    {MatchValue, 2, 0, "Full Control"},
};
const ValueName kPictureControlLevel[] = {
    {MatchValue, 0x80, 0, "Normal"},
    {MatchValue, 0xFF, 0, "n/a"},
};
const ValueName kPictureControlHue[] = {
    {MatchValue, 0x80, 0, "None"},
    {MatchValue, 0xFF, 0, "n/a"},
};
const ValueName kPictureControlMissing[] = {
    {MatchValue, 0xFF, 0, "n/a"},
};
const TagDef kPictureControlFields[] = {
    TagDef(0, "PictureControlVersion").withTypes(kText, 4),
    TagDef(4, "PictureControlName").withTypes(kText, 20),
    TagDef(24, "PictureControlBase").withTypes(kText, 20),
    {48, "PictureControlAdjust", kPictureControlAdjust},
    {49, "PictureControlQuickAdjust", kPictureControlLevel},
    {50, "Sharpness"},
    {51, "Contrast", kPictureControlLevel},
    {52, "Brightness", kPictureControlLevel},
    {53, "Saturation", kPictureControlLevel},
    {54, "HueAdjustment", kPictureControlHue},
    {55, "FilterEffect", kPictureControlMissing},
    {56, "ToningEffect", kPictureControlMissing},
    {57, "ToningSaturation", kPictureControlMissing},
};

const ValueName kDateDisplayFormat[] = {
    {MatchValue, 0, 0, "Y/M/D"},
    {MatchValue, 1, 0, "M/D/Y"},
    {MatchValue, 2, 0, "D/M/Y"},
};
const TagDef kWorldTimeFields[] = {
    TagDef(0, "TimeZone").withTypes(kSignedShort, 1),
    {2, "DaylightSavings", kNoYes},
    {3, "DateDisplayFormat", kDateDisplayFormat},
};

const TagDef kPreviewTagTable[] = {
    {0x00FE, "SubfileType"},
    {0x0103, "Compression", kPreviewCompression},
    {0x011A, "XResolution"},
    {0x011B, "YResolution"},
    {0x0128, "ResolutionUnit", kPreviewResolutionUnit},
    {0x0201, "PreviewImageStart"},
    {0x0202, "PreviewImageLength"},
    {0x0213, "YCbCrPositioning", kPreviewYCbCrPositioning},
};
const uint16_t kPreviewStructural[] = {0x0201, 0x0202};

const TagDef kScanTagTable[] = {
    {0x0002, "FilmType"},
    {0x0040, "MultiSample"},
    {0x0041, "MultiSample"},
    {0x0100, "DigitalICE"},
    {0x0110, "DigitalROC"},
    {0x0120, "DigitalGEM"},
    {0x0200, "MasterGain"},
};
// clang-format on

}  // namespace

constinit const TagTable kNikonLensData0101{"NikonLensData0101", kLensData0101Fields, {}, "0101"};
constinit const TagTable kNikonLensData{
    "NikonLensData0100", kLensData0100Fields, {}, "0100", &kNikonLensData0101};
constinit const TagTable kNikonAfInfo{"NikonAFInfo", kAfInfoFields};
constinit const TagTable kNikonVrInfo{"NikonVRInfo", kVrInfoFields, {}, "0100"};
constinit const TagTable kNikonPictureControl{
    "NikonPictureControl", kPictureControlFields, {}, "0100"};
constinit const TagTable kNikonWorldTime{"NikonWorldTime", kWorldTimeFields};
constinit const TagTable kNikonPreviewTags{
    "NikonPreview", kPreviewTagTable,  "【メーカーノート PreviewIFD】", {},
    nullptr,        kPreviewStructural};
constinit const TagTable kNikonScanTags{"NikonScan", kScanTagTable, "【メーカーノート NikonScan】"};

namespace {

// clang-format off
const TagDef kNikonTagTable[] = {
    TagDef(0x0001, "MakerNoteVersion").withDerived(DerivedNote::Text),
    {0x0002, "ISO"},
    {0x0003, "ColorMode"},
    {0x0004, "Quality"},
    {0x0005, "WhiteBalance"},
    {0x0006, "Sharpness"},
    {0x0007, "FocusMode"},
    {0x0008, "FlashSetting"},
    {0x0009, "FlashType"},
    {0x000B, "WhiteBalanceFineTune"},
    {0x000C, "WB_RBLevels"},
    {0x000D, "ProgramShift"},
    {0x000E, "ExposureDifference"},
    {0x000F, "ISOSelection"},
    {0x0010, "DataDump"},
    TagDef(0x0011, "PreviewIFD").withSubIfd(kNikonPreviewTags),
    {0x0012, "FlashExposureComp"},
    {0x0013, "ISOSetting"},
    {0x0016, "ImageBoundary"},
    {0x0017, "ExternalFlashExposureComp"},
    {0x0018, "FlashExposureBracketValue"},
    {0x0019, "ExposureBracketValue"},
    {0x001A, "ImageProcessing"},
    {0x001B, "CropHiSpeed"},
    {0x001C, "ExposureTuning"},
    {0x001D, "SerialNumber"},
    {0x001E, "ColorSpace", kColorSpace},
    TagDef(0x001F, "VRInfo").withFields(kNikonVrInfo),
    {0x0020, "ImageAuthentication", kOffOn},
    {0x0021, "FaceDetect"},
    {0x0022, "ActiveD-Lighting", kActiveDLighting},
    TagDef(0x0023, "PictureControlData").withFields(kNikonPictureControl),
    TagDef(0x0024, "WorldTime").withFields(kNikonWorldTime),
    {0x0025, "ISOInfo"},
    {0x002A, "VignetteControl", kVignetteControl},
    {0x0080, "ImageAdjustment"},
    {0x0081, "ToneComp"},
    {0x0082, "AuxiliaryLens"},
    {0x0083, "LensType", kLensType},
    TagDef(0x0084, "Lens").withDerived(DerivedNote::LensRange),
    {0x0085, "ManualFocusDistance"},
    {0x0086, "DigitalZoom"},
    {0x0087, "FlashMode", kFlashMode},
    TagDef(0x0088, "AFInfo").withFields(kNikonAfInfo),
    {0x0089, "ShootingMode", kShootingMode},
    {0x008A, "AutoBracketRelease"},
    {0x008B, "LensFStops"},
    {0x008C, "ContrastCurve"},
    {0x008D, "ColorHue"},
    {0x008F, "SceneMode"},
    {0x0090, "LightSource"},
    {0x0091, "ShotInfo"},
    {0x0092, "HueAdjustment"},
    {0x0093, "NEFCompression", kNefCompression},
    {0x0094, "SaturationAdj"},
    {0x0095, "NoiseReduction"},
    {0x0096, "NEFLinearizationTable"},
    {0x0097, "ColorBalance"},
    TagDef(0x0098, "LensData").withFields(kNikonLensData),
    {0x0099, "RawImageCenter"},
    {0x009A, "SensorPixelSize"},
    {0x009C, "SceneAssist"},
    {0x009D, "DateStampMode", kOffOn},
    {0x009E, "RetouchHistory", kRetouchHistory},
    {0x00A0, "SerialNumber"},
    {0x00A2, "ImageDataSize"},
    {0x00A5, "ImageCount"},
    {0x00A6, "DeletedImageCount"},
    {0x00A7, "ShutterCount"},
    {0x00A8, "FlashInfo"},
    {0x00A9, "ImageOptimization"},
    {0x00AA, "Saturation"},
    {0x00AB, "VariProgram"},
    {0x00AC, "ImageStabilization"},
    {0x00AD, "AFResponse"},
    {0x00B0, "MultiExposure"},
    {0x00B1, "HighISONoiseReduction", kHighIsoNoiseReduction},
    {0x00B3, "ToningEffect"},
    {0x00B6, "PowerUpTime"},
    {0x00B7, "AFInfo2"},
    {0x00B8, "FileInfo"},
    {0x00B9, "AFTune"},
    {0x00BB, "RetouchInfo"},
    TagDef(0x00BD, "PictureControlData").withFields(kNikonPictureControl),
    {0x0E00, "PrintIM"},
    {0x0E01, "NikonCaptureData"},
    {0x0E09, "NikonCaptureVersion"},
    {0x0E0E, "NikonCaptureOffsets"},
    TagDef(0x0E10, "NikonScanIFD").withSubIfd(kNikonScanTags),
    {0x0E1D, "NikonICCProfile"},
    {0x0E1E, "NikonCaptureOutput"},
    {0x0E22, "NEFBitDepth"},
};

// Sub-IFD pointers, and blocks the camera encrypts (shot information, colour balance, lens
// data from version 0201 on) or that hold offsets into the file: shown, never rewritten.
const uint16_t kNikonStructural[] = {0x0011, 0x0091, 0x0097, 0x0098, 0x0E0E, 0x0E10};

// The older note of the E700 to E950.
const ValueName kOldQuality[] = {
    {MatchValue, 1, 0, "VGA Basic"},
    {MatchValue, 2, 0, "VGA Normal"},
    {MatchValue, 3, 0, "VGA Fine"},
    {MatchValue, 4, 0, "SXGA Basic"},
    {MatchValue, 5, 0, "SXGA Normal"},
    {MatchValue, 6, 0, "SXGA Fine"},
};
const ValueName kOldColorMode[] = {
    {MatchValue, 1, 0, "Color"},
    {MatchValue, 2, 0, "Monochrome"},
};
const ValueName kOldImageAdjustment[] = {
    {MatchValue, 0, 0, "Normal"},
    {MatchValue, 1, 0, "Bright+"},
    {MatchValue, 2, 0, "Bright-"},
    {MatchValue, 3, 0, "Contrast+"},
    {MatchValue, 4, 0, "Contrast-"},
};
const ValueName kOldCcdSensitivity[] = {
    {MatchValue, 0, 0, "ISO 80"},
    {MatchValue, 2, 0, "ISO 160"},
    {MatchValue, 4, 0, "ISO 320"},
    {MatchValue, 5, 0, "ISO 100"},
};
const ValueName kOldWhiteBalance[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "Preset"},
    {MatchValue, 2, 0, "Daylight"},
    {MatchValue, 3, 0, "Incandescent"},
    {MatchValue, 4, 0, "Fluorescent"},
    {MatchValue, 5, 0, "Cloudy"},
    {MatchValue, 6, 0, "Speed Light"},
};
const ValueName kOldConverter[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 1, 0, "Fisheye"},
};
const TagDef kNikonOldTagTable[] = {
    {0x0003, "Quality", kOldQuality},
    {0x0004, "ColorMode", kOldColorMode},
    {0x0005, "ImageAdjustment", kOldImageAdjustment},
    {0x0006, "CCDSensitivity", kOldCcdSensitivity},
    {0x0007, "WhiteBalance", kOldWhiteBalance},
    {0x0008, "Focus"},
    {0x000A, "DigitalZoom"},
    {0x000B, "Converter", kOldConverter},
};
// clang-format on

}  // namespace

constinit const TagTable kNikonTags{"Nikon", kNikonTagTable};
constinit const TagTable kNikonOldTags{"NikonOld", kNikonOldTagTable};

// "Nikon", a zero byte, 2 and two more bytes, then a TIFF header of its own (byte order, 42,
// the IFD's offset); every offset of the note counts from that header.
constinit const MakerNoteFormat kNikonMakerNote{.vendor = "Nikon",
                                                .signature = std::string_view("Nikon\0\x02", 7),
                                                .ifdStart = IfdStart::Pointer,
                                                .ifdAt = 14,
                                                .base = OffsetBase::Note,
                                                .baseAt = 10,
                                                .order = NoteByteOrder::Mark,
                                                .orderAt = 10,
                                                .tags = &kNikonTags,
                                                .structural = kNikonStructural};

// "Nikon", a zero byte, 1 and a zero byte; the IFD follows in the Exif block's byte order,
// its offsets counted from the Exif block's TIFF header.
constinit const MakerNoteFormat kNikonOldMakerNote{.vendor = "Nikon",
                                                   .signature = std::string_view("Nikon\0\x01", 7),
                                                   .ifdAt = 8,
                                                   .tags = &kNikonOldTags};

}  // namespace brevino
