// The Olympus and OM System maker-note dictionaries: the note's own IFD (the same tags in
// the old note that counts its offsets from the Exif block and in the newer notes that count
// them from their own start) and the sub-IFDs of the newer notes: Equipment (body and lens),
// CameraSettings, RawDevelopment, ImageProcessing and FocusInfo.
// Tags and codes follow exif-py and metadata-extractor, and the names the corpus files show.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kOffOn[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
};
const ValueName kNoYes[] = {
    {MatchValue, 0, 0, "No"},
    {MatchValue, 1, 0, "Yes"},
};

// Equipment (0x2010).
const ValueName kFlashType[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 2, 0, "Simple E-System"},
    {MatchValue, 3, 0, "E-System"},
};
const ValueName kFlashModel[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 1, 0, "FL-20"},
    {MatchValue, 2, 0, "FL-50"},
    {MatchValue, 3, 0, "RF-11"},
    {MatchValue, 4, 0, "TF-22"},
    {MatchValue, 5, 0, "FL-36"},
    {MatchValue, 6, 0, "FL-50R"},
    {MatchValue, 7, 0, "FL-36R"},
};
const TagDef kEquipmentTagTable[] = {
    TagDef(0x0000, "EquipmentVersion").withDerived(DerivedNote::Text),
    {0x0100, "CameraType2"},
    {0x0101, "SerialNumber"},
    {0x0102, "InternalSerialNumber"},
    {0x0103, "FocalPlaneDiagonal"},
    {0x0104, "BodyFirmwareVersion"},
    {0x0201, "LensType", kOlympusLensTypeNames},
    {0x0202, "LensSerialNumber"},
    {0x0203, "LensModel"},
    {0x0204, "LensFirmwareVersion"},
    {0x0205, "MaxApertureAtMinFocal"},
    {0x0206, "MaxApertureAtMaxFocal"},
    {0x0207, "MinFocalLength"},
    {0x0208, "MaxFocalLength"},
    {0x020A, "MaxAperture"},
    {0x020B, "LensProperties"},
    {0x0301, "Extender"},
    {0x0302, "ExtenderSerialNumber"},
    {0x0303, "ExtenderModel"},
    {0x0304, "ExtenderFirmwareVersion"},
    {0x0403, "ConversionLens"},
    {0x1000, "FlashType", kFlashType},
    {0x1001, "FlashModel", kFlashModel},
    {0x1002, "FlashFirmwareVersion"},
    {0x1003, "FlashSerialNumber"},
};

// CameraSettings (0x2020).
const ValueName kExposureMode[] = {
    {MatchValue, 1, 0, "Manual"},
    {MatchValue, 2, 0, "Program"},
    {MatchValue, 3, 0, "Aperture-priority AE"},
    {MatchValue, 4, 0, "Shutter speed priority AE"},
    {MatchValue, 5, 0, "Program-shift"},
};
const ValueName kMeteringMode[] = {
    {MatchValue, 2, 0, "Center-weighted average"},
    {MatchValue, 3, 0, "Spot"},
    {MatchValue, 5, 0, "ESP"},
    {MatchValue, 261, 0, "Pattern+AF"},
    {MatchValue, 515, 0, "Spot+Highlight control"},
    {MatchValue, 1027, 0, "Spot+Shadow control"},
};
const ValueName kFocusMode[] = {
    {MatchValue, 0, 0, "Single AF"},
    {MatchValue, 1, 0, "Sequential shooting AF"},
    {MatchValue, 2, 0, "Continuous AF"},
    {MatchValue, 3, 0, "Multi AF"},
    {MatchValue, 10, 0, "MF"},
};
const ValueName kFocusProcess[] = {
    {MatchValue, 0, 0, "AF Not Used"},
    {MatchValue, 1, 0, "AF Used"},
};
const ValueName kAfSearch[] = {
    {MatchValue, 0, 0, "Not Ready"},
    {MatchValue, 1, 0, "Ready"},
};
const ValueName kWhiteBalance2[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 16, 0, "7500K (Fine Weather with Shade)"},
    {MatchValue, 17, 0, "6000K (Cloudy)"},
    {MatchValue, 18, 0, "5300K (Fine Weather)"},
    {MatchValue, 20, 0, "3000K (Tungsten light)"},
    {MatchValue, 21, 0, "3600K (Tungsten light-like)"},
    {MatchValue, 33, 0, "6600K (Daylight fluorescent)"},
    {MatchValue, 34, 0, "4500K (Neutral white fluorescent)"},
    {MatchValue, 35, 0, "4000K (Cool white fluorescent)"},
    {MatchValue, 48, 0, "3600K (Tungsten light-like)"},
    {MatchValue, 256, 0, "Custom WB 1"},
    {MatchValue, 257, 0, "Custom WB 2"},
    {MatchValue, 258, 0, "Custom WB 3"},
    {MatchValue, 259, 0, "Custom WB 4"},
    {MatchValue, 512, 0, "Custom WB 5400K"},
    {MatchValue, 513, 0, "Custom WB 2900K"},
    {MatchValue, 514, 0, "Custom WB 8000K"},
};
const ValueName kModifiedSaturation[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "CM1 (Red Enhance)"},
    {MatchValue, 2, 0, "CM2 (Green Enhance)"},
    {MatchValue, 3, 0, "CM3 (Blue Enhance)"},
    {MatchValue, 4, 0, "CM4 (Skin Tones)"},
};
const ValueName kColorSpace[] = {
    {MatchValue, 0, 0, "sRGB"},
    {MatchValue, 1, 0, "Adobe RGB"},
    {MatchValue, 2, 0, "Pro Photo RGB"},
};
const ValueName kSceneMode[] = {
    {MatchValue, 0, 0, "Standard"},
    {MatchValue, 6, 0, "Auto"},
    {MatchValue, 7, 0, "Sport"},
    {MatchValue, 8, 0, "Portrait"},
    {MatchValue, 9, 0, "Landscape+Portrait"},
    {MatchValue, 10, 0, "Landscape"},
    {MatchValue, 11, 0, "Night Scene"},
    {MatchValue, 13, 0, "Panorama"},
    {MatchValue, 16, 0, "Landscape+Portrait"},
    {MatchValue, 17, 0, "Night+Portrait"},
    {MatchValue, 19, 0, "Fireworks"},
    {MatchValue, 20, 0, "Sunset"},
    {MatchValue, 22, 0, "Macro"},
    {MatchValue, 25, 0, "Documents"},
    {MatchValue, 26, 0, "Museum"},
    {MatchValue, 28, 0, "Beach & Snow"},
    {MatchValue, 30, 0, "Candle"},
    {MatchValue, 35, 0, "Underwater Wide1"},
    {MatchValue, 36, 0, "Underwater Macro"},
    {MatchValue, 39, 0, "High Key"},
    {MatchValue, 40, 0, "Digital Image Stabilization"},
    {MatchValue, 44, 0, "Underwater Wide2"},
    {MatchValue, 45, 0, "Low Key"},
    {MatchValue, 46, 0, "Children"},
    {MatchValue, 48, 0, "Nature Macro"},
};
const ValueName kNoiseReduction[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Noise Reduction"},
    {MatchValue, 2, 0, "Noise Filter"},
    {MatchValue, 3, 0, "Noise Reduction + Noise Filter"},
    {MatchValue, 4, 0, "Noise Filter (ISO Boost)"},
    {MatchValue, 5, 0, "Noise Reduction + Noise Filter (ISO Boost)"},
};
const ValueName kPictureMode[] = {
    {MatchValue, 1, 0, "Vivid"},
    {MatchValue, 2, 0, "Natural"},
    {MatchValue, 3, 0, "Muted"},
    {MatchValue, 256, 0, "Monotone"},
    {MatchValue, 512, 0, "Sepia"},
};
const ValueName kPictureModeBwFilter[] = {
    {MatchValue, 0, 0, "n/a"},
    {MatchValue, 1, 0, "Neutral"},
    {MatchValue, 2, 0, "Yellow"},
    {MatchValue, 3, 0, "Orange"},
    {MatchValue, 4, 0, "Red"},
    {MatchValue, 5, 0, "Green"},
};
const ValueName kPictureModeTone[] = {
    {MatchValue, 0, 0, "n/a"},
    {MatchValue, 1, 0, "Neutral"},
    {MatchValue, 2, 0, "Sepia"},
    {MatchValue, 3, 0, "Blue"},
    {MatchValue, 4, 0, "Purple"},
    {MatchValue, 5, 0, "Green"},
};
const ValueName kImageQuality[] = {
    {MatchValue, 1, 0, "SQ"},
    {MatchValue, 2, 0, "HQ"},
    {MatchValue, 3, 0, "SHQ"},
    {MatchValue, 4, 0, "RAW"},
};
const TagDef kCameraSettingsTagTable[] = {
    TagDef(0x0000, "CameraSettingsVersion").withDerived(DerivedNote::Text),
    {0x0100, "PreviewImageValid", kNoYes},
    {0x0101, "PreviewImageStart"},
    {0x0102, "PreviewImageLength"},
    {0x0200, "ExposureMode", kExposureMode},
    {0x0201, "AELock", kOffOn},
    {0x0202, "MeteringMode", kMeteringMode},
    {0x0203, "ExposureShift"},
    {0x0300, "MacroMode", kOffOn},
    {0x0301, "FocusMode", kFocusMode},
    {0x0302, "FocusProcess", kFocusProcess},
    {0x0303, "AFSearch", kAfSearch},
    {0x0304, "AFAreas"},
    {0x0305, "AFPointSelected"},
    {0x0306, "AFFineTune"},
    {0x0307, "AFFineTuneAdj"},
    {0x0400, "FlashMode"},
    {0x0401, "FlashExposureComp"},
    {0x0403, "FlashRemoteControl"},
    {0x0404, "FlashControlMode"},
    {0x0405, "FlashIntensity"},
    {0x0406, "ManualFlashStrength"},
    {0x0500, "WhiteBalance2", kWhiteBalance2},
    {0x0501, "WhiteBalanceTemperature"},
    {0x0502, "WhiteBalanceBracket"},
    {0x0503, "CustomSaturation"},
    {0x0504, "ModifiedSaturation", kModifiedSaturation},
    {0x0505, "ContrastSetting"},
    {0x0506, "SharpnessSetting"},
    {0x0507, "ColorSpace", kColorSpace},
    {0x0509, "SceneMode", kSceneMode},
    {0x050A, "NoiseReduction", kNoiseReduction},
    {0x050B, "DistortionCorrection", kOffOn},
    {0x050C, "ShadingCompensation", kOffOn},
    {0x050D, "CompressionFactor"},
    {0x050F, "Gradation"},
    {0x0520, "PictureMode", kPictureMode},
    {0x0521, "PictureModeSaturation"},
    {0x0522, "PictureModeHue"},
    {0x0523, "PictureModeContrast"},
    {0x0524, "PictureModeSharpness"},
    {0x0525, "PictureModeBWFilter", kPictureModeBwFilter},
    {0x0526, "PictureModeTone", kPictureModeTone},
    {0x0527, "NoiseFilter"},
    {0x0529, "ArtFilter"},
    {0x052C, "MonochromeProfileSettings"},
    {0x052D, "PictureModeEffect"},
    {0x052E, "ToneLevel"},
    {0x052F, "ArtFilterEffect"},
    {0x0532, "ColorCreatorEffect"},
    {0x0600, "DriveMode"},
    {0x0601, "PanoramaMode"},
    {0x0603, "ImageQuality2", kImageQuality},
    {0x0604, "ImageStabilization"},
    {0x0804, "StackedImage"},
    {0x0900, "ManometerPressure"},
    {0x0901, "ManometerReading"},
    {0x0902, "ExtendedWBDetect", kOffOn},
    {0x0903, "RollAngle"},
    {0x0904, "PitchAngle"},
    {0x0908, "DateTimeUTC"},
};
const uint16_t kCameraSettingsStructural[] = {0x0101, 0x0102};

// RawDevelopment (0x2030) and its second form (0x2031).
const TagDef kRawDevelopmentTagTable[] = {
    TagDef(0x0000, "RawDevVersion").withDerived(DerivedNote::Text),
    {0x0100, "RawDevExposureBiasValue"},
    {0x0101, "RawDevWhiteBalanceValue"},
    {0x0102, "RawDevWBFineAdjustment"},
    {0x0103, "RawDevGrayPoint"},
    {0x0104, "RawDevSaturationEmphasis"},
    {0x0105, "RawDevMemoryColorEmphasis"},
    {0x0106, "RawDevContrastValue"},
    {0x0107, "RawDevSharpnessValue"},
    {0x0108, "RawDevColorSpace", kColorSpace},
    {0x0109, "RawDevEngine"},
    {0x010A, "RawDevNoiseReduction"},
    {0x010B, "RawDevEditStatus"},
    {0x010C, "RawDevSettings"},
};

// ImageProcessing (0x2040).
const TagDef kImageProcessingTagTable[] = {
    TagDef(0x0000, "ImageProcessingVersion").withDerived(DerivedNote::Text),
    {0x0100, "WB_RBLevels"},
    {0x0200, "ColorMatrix"},
    {0x0300, "Enhancer"},
    {0x0301, "EnhancerValues"},
    {0x0310, "CoringFilter"},
    {0x0600, "BlackLevel2"},
    {0x0610, "GainBase"},
    {0x0611, "ValidBits"},
    {0x0612, "CropLeft"},
    {0x0613, "CropTop"},
    {0x0614, "CropWidth"},
    {0x0615, "CropHeight"},
    {0x0805, "SensorCalibration"},
    {0x1010, "NoiseReduction2"},
    {0x1011, "DistortionCorrection2", kOffOn},
    {0x1012, "ShadingCompensation2", kOffOn},
    {0x101C, "MultipleExposureMode"},
    {0x1103, "UnknownBlock1"},
    {0x1104, "UnknownBlock2"},
    {0x1112, "AspectRatio"},
    {0x1113, "AspectFrame"},
    {0x1200, "FacesDetected"},
    {0x1201, "FaceDetectArea"},
    {0x1202, "MaxFaces"},
    {0x1203, "FaceDetectFrameSize"},
    {0x1207, "FaceDetectFrameCrop"},
    {0x1306, "CameraTemperature"},
    {0x1900, "KeystoneCompensation"},
    {0x1901, "KeystoneDirection"},
    {0x1906, "KeystoneValue"},
};

// FocusInfo (0x2050).
const TagDef kFocusInfoTagTable[] = {
    TagDef(0x0000, "FocusInfoVersion").withDerived(DerivedNote::Text),
    {0x0209, "AutoFocus", kOffOn},
    {0x0210, "SceneDetect"},
    {0x0211, "SceneArea"},
    {0x0212, "SceneDetectData"},
    {0x0300, "ZoomStepCount"},
    {0x0301, "FocusStepCount"},
    {0x0303, "FocusStepInfinity"},
    {0x0304, "FocusStepNear"},
    {0x0305, "FocusDistance"},
    {0x0308, "AFPoint"},
    {0x0328, "AFInfo"},
    {0x1201, "ExternalFlash"},
    {0x1203, "ExternalFlashGuideNumber"},
    {0x1204, "ExternalFlashBounce"},
    {0x1205, "ExternalFlashZoom"},
    {0x1208, "InternalFlash"},
    {0x1209, "ManualFlash"},
    {0x120A, "MacroLED"},
    {0x1500, "SensorTemperature"},
    {0x1600, "ImageStabilization"},
};
// clang-format on

}  // namespace

constinit const TagTable kOlympusEquipmentTags{"OlympusEquipment", kEquipmentTagTable,
                                               "【メーカーノート Equipment】"};
constinit const TagTable kOlympusCameraSettingsTags{"OlympusCameraSettings",
                                                    kCameraSettingsTagTable,
                                                    "【メーカーノート CameraSettings】",
                                                    {},
                                                    nullptr,
                                                    kCameraSettingsStructural};
constinit const TagTable kOlympusRawDevelopmentTags{
    "OlympusRawDevelopment", kRawDevelopmentTagTable, "【メーカーノート RawDevelopment】"};
constinit const TagTable kOlympusImageProcessingTags{
    "OlympusImageProcessing", kImageProcessingTagTable, "【メーカーノート ImageProcessing】"};
constinit const TagTable kOlympusFocusInfoTags{"OlympusFocusInfo", kFocusInfoTagTable,
                                               "【メーカーノート FocusInfo】"};

namespace {

// clang-format off
const ValueName kQuality[] = {
    {MatchValue, 1, 0, "SQ"},
    {MatchValue, 2, 0, "HQ"},
    {MatchValue, 3, 0, "SHQ"},
};
const ValueName kMacro[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
    {MatchValue, 2, 0, "Super Macro"},
};
const ValueName kMainFlashMode[] = {
    {MatchValue, 2, 0, "On"},
    {MatchValue, 3, 0, "Off"},
};
const ValueName kFlashDevice[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 1, 0, "Internal"},
    {MatchValue, 4, 0, "External"},
    {MatchValue, 5, 0, "Internal + External"},
};
const ValueName kMainFocusMode[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "Manual"},
};
const ValueName kContrast[] = {
    {MatchValue, 0, 0, "High"},
    {MatchValue, 1, 0, "Normal"},
    {MatchValue, 2, 0, "Low"},
};
const ValueName kCcdScanMode[] = {
    {MatchValue, 0, 0, "Interlaced"},
    {MatchValue, 1, 0, "Progressive"},
};

const TagDef kOlympusTagTable[] = {
    {0x0100, "ThumbnailImage"},
    {0x0200, "SpecialMode"},
    {0x0201, "Quality", kQuality},
    {0x0202, "Macro", kMacro},
    {0x0203, "BWMode", kOffOn},
    {0x0204, "DigitalZoom"},
    {0x0205, "FocalPlaneDiagonal"},
    {0x0206, "LensDistortionParams"},
    {0x0207, "CameraType"},
    {0x0208, "TextInfo"},
    TagDef(0x0209, "CameraID").withDerived(DerivedNote::Text),
    {0x020B, "EpsonImageWidth"},
    {0x020C, "EpsonImageHeight"},
    {0x020D, "EpsonSoftware"},
    {0x0280, "PreviewImage"},
    {0x0300, "PreCaptureFrames"},
    {0x0301, "WhiteBoard"},
    {0x0302, "OneTouchWB"},
    {0x0303, "WhiteBalanceBracket"},
    {0x0304, "WhiteBalanceBias"},
    {0x0404, "SerialNumber"},
    {0x0405, "Firmware"},
    {0x0E00, "PrintIM"},
    {0x0F00, "DataDump"},
    {0x0F01, "DataDump2"},
    {0x1000, "ShutterSpeedValue"},
    {0x1001, "ISOValue"},
    {0x1002, "ApertureValue"},
    {0x1003, "BrightnessValue"},
    {0x1004, "FlashMode", kMainFlashMode},
    {0x1005, "FlashDevice", kFlashDevice},
    {0x1006, "ExposureCompensation"},
    {0x1007, "SensorTemperature"},
    {0x1008, "LensTemperature"},
    {0x100B, "FocusMode", kMainFocusMode},
    {0x1017, "RedBalance"},
    {0x1018, "BlueBalance"},
    {0x101A, "SerialNumber"},
    {0x1023, "FlashExposureComp"},
    {0x1026, "ExternalFlashBounce", kNoYes},
    {0x1027, "ExternalFlashZoom"},
    {0x1028, "ExternalFlashMode"},
    {0x1029, "Contrast", kContrast},
    {0x102A, "SharpnessFactor"},
    {0x102B, "ColorControl"},
    {0x102C, "ValidBits"},
    {0x102D, "CoringFilter"},
    {0x102E, "OlympusImageWidth"},
    {0x102F, "OlympusImageHeight"},
    {0x1034, "CompressionRatio"},
    {0x1035, "PreviewImageValid", kNoYes},
    {0x1036, "PreviewImageStart"},
    {0x1037, "PreviewImageLength"},
    {0x1039, "CCDScanMode", kCcdScanMode},
    {0x103A, "NoiseReduction", kOffOn},
    {0x103B, "FocusStepInfinity"},
    {0x103C, "FocusStepNear"},
    TagDef(0x2010, "Equipment").withSubIfd(kOlympusEquipmentTags),
    TagDef(0x2020, "CameraSettings").withSubIfd(kOlympusCameraSettingsTags),
    TagDef(0x2030, "RawDevelopment").withSubIfd(kOlympusRawDevelopmentTags),
    TagDef(0x2031, "RawDevelopment2").withSubIfd(kOlympusRawDevelopmentTags),
    TagDef(0x2040, "ImageProcessing").withSubIfd(kOlympusImageProcessingTags),
    TagDef(0x2050, "FocusInfo").withSubIfd(kOlympusFocusInfoTags),
    {0x3000, "RawInfo"},
};

// Where the preview lies in the file.
const uint16_t kOlympusStructural[] = {0x1036, 0x1037};
// clang-format on

}  // namespace

constinit const TagTable kOlympusTags{"Olympus", kOlympusTagTable};

// "OLYMPUS", a zero byte, a byte-order mark and a version; the IFD follows, its offsets
// counted from the note's start.
constinit const MakerNoteFormat kOlympusMakerNote{.vendor = "Olympus",
                                                  .signature = std::string_view("OLYMPUS\0", 8),
                                                  .ifdAt = 12,
                                                  .base = OffsetBase::Note,
                                                  .order = NoteByteOrder::Mark,
                                                  .orderAt = 8,
                                                  .tags = &kOlympusTags,
                                                  .structural = kOlympusStructural};

// The same from OM Digital Solutions: "OM SYSTEM", zero bytes, the mark at 12, the IFD at 16.
constinit const MakerNoteFormat kOmSystemMakerNote{.vendor = "OM System",
                                                   .signature = std::string_view("OM SYSTEM\0", 10),
                                                   .ifdAt = 16,
                                                   .base = OffsetBase::Note,
                                                   .order = NoteByteOrder::Mark,
                                                   .orderAt = 12,
                                                   .tags = &kOlympusTags,
                                                   .structural = kOlympusStructural};

// The older note: "OLYMP", a zero byte and a version; the IFD follows in the Exif block's
// byte order, its offsets counted from the Exif block's TIFF header.
constinit const MakerNoteFormat kOlympusOldMakerNote{.vendor = "Olympus",
                                                     .signature = std::string_view("OLYMP\0", 6),
                                                     .ifdAt = 8,
                                                     .tags = &kOlympusTags,
                                                     .structural = kOlympusStructural};

}  // namespace brevino
