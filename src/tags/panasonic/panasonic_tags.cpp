// The Panasonic maker-note dictionary and its value-name tables: quality, white balance,
// focus, stabilisation and the camera's modes, the lens and its accessories.
// Tags and codes follow metadata-extractor, worded as the corpus file's printed values read.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kImageQuality[] = {
    {MatchValue, 2, 0, "High"},
    {MatchValue, 3, 0, "Normal"},
    {MatchValue, 6, 0, "Very High"},
    {MatchValue, 7, 0, "RAW"},
    {MatchValue, 9, 0, "Motion Picture"},
};
const ValueName kWhiteBalance[] = {
    {MatchValue, 1, 0, "Auto"},
    {MatchValue, 2, 0, "Daylight"},
    {MatchValue, 3, 0, "Cloudy"},
    {MatchValue, 4, 0, "Incandescent"},
    {MatchValue, 5, 0, "Manual"},
    {MatchValue, 8, 0, "Flash"},
    {MatchValue, 10, 0, "Black & White"},
    {MatchValue, 11, 0, "Manual"},
    {MatchValue, 12, 0, "Shade"},
};
const ValueName kFocusMode[] = {
    {MatchValue, 1, 0, "Auto"},
    {MatchValue, 2, 0, "Manual"},
    {MatchValue, 4, 0, "Auto, Focus button"},
    {MatchValue, 5, 0, "Auto, Continuous"},
};
const ValueName kAfAreaMode[] = {
    {MatchFirstPair, 0, 1, "Spot Mode On"},
    {MatchFirstPair, 0, 16, "Spot Mode Off"},
    {MatchFirstPair, 1, 0, "Spot Focusing"},
    {MatchFirstPair, 1, 1, "5-area"},
    {MatchFirstPair, 16, 0, "1-area"},
    {MatchFirstPair, 16, 16, "1-area (high speed)"},
    {MatchFirstPair, 32, 0, "Auto or Face Detect"},
    {MatchFirstPair, 32, 1, "3-area (left)"},
    {MatchFirstPair, 32, 2, "3-area (center)"},
    {MatchFirstPair, 32, 3, "3-area (right)"},
    {MatchFirstPair, 64, 0, "Face Detect"},
};
const ValueName kImageStabilization[] = {
    {MatchValue, 2, 0, "On, Optical"},
    {MatchValue, 3, 0, "Off"},
    {MatchValue, 4, 0, "On, Mode 2"},
};
const ValueName kOnOff[] = {
    {MatchValue, 1, 0, "On"},
    {MatchValue, 2, 0, "Off"},
};
const ValueName kOffOn[] = {
    {MatchValue, 1, 0, "Off"},
    {MatchValue, 2, 0, "On"},
};
const ValueName kYesNo[] = {
    {MatchValue, 1, 0, "Yes"},
    {MatchValue, 2, 0, "No"},
};
const ValueName kShootingMode[] = {
    {MatchValue, 1, 0, "Normal"},
    {MatchValue, 2, 0, "Portrait"},
    {MatchValue, 3, 0, "Scenery"},
    {MatchValue, 4, 0, "Sports"},
    {MatchValue, 5, 0, "Night Portrait"},
    {MatchValue, 6, 0, "Program"},
    {MatchValue, 7, 0, "Aperture Priority"},
    {MatchValue, 8, 0, "Shutter Priority"},
    {MatchValue, 9, 0, "Macro"},
    {MatchValue, 10, 0, "Spot"},
    {MatchValue, 11, 0, "Manual"},
    {MatchValue, 12, 0, "Movie Preview"},
    {MatchValue, 13, 0, "Panning"},
    {MatchValue, 14, 0, "Simple"},
    {MatchValue, 15, 0, "Color Effects"},
    {MatchValue, 16, 0, "Self Portrait"},
    {MatchValue, 17, 0, "Economy"},
    {MatchValue, 18, 0, "Fireworks"},
    {MatchValue, 19, 0, "Party"},
    {MatchValue, 20, 0, "Snow"},
    {MatchValue, 21, 0, "Night Scenery"},
    {MatchValue, 22, 0, "Food"},
    {MatchValue, 23, 0, "Baby"},
    {MatchValue, 24, 0, "Soft Skin"},
    {MatchValue, 25, 0, "Candlelight"},
    {MatchValue, 26, 0, "Starry Night"},
    {MatchValue, 27, 0, "High Sensitivity"},
    {MatchValue, 28, 0, "Panorama Assist"},
    {MatchValue, 29, 0, "Underwater"},
    {MatchValue, 30, 0, "Beach"},
    {MatchValue, 31, 0, "Aerial Photo"},
    {MatchValue, 32, 0, "Sunset"},
    {MatchValue, 33, 0, "Pet"},
    {MatchValue, 34, 0, "Intelligent ISO"},
    {MatchValue, 35, 0, "Clipboard"},
    {MatchValue, 36, 0, "High Speed Continuous Shooting"},
    {MatchValue, 37, 0, "Intelligent Auto"},
    {MatchValue, 39, 0, "Multi-aspect"},
    {MatchValue, 41, 0, "Transform"},
    {MatchValue, 42, 0, "Flash Burst"},
    {MatchValue, 43, 0, "Pin Hole"},
    {MatchValue, 44, 0, "Film Grain"},
    {MatchValue, 45, 0, "My Color"},
    {MatchValue, 46, 0, "Photo Frame"},
    {MatchValue, 51, 0, "HDR"},
};
const ValueName kColorEffect[] = {
    {MatchValue, 1, 0, "Off"},
    {MatchValue, 2, 0, "Warm"},
    {MatchValue, 3, 0, "Cool"},
    {MatchValue, 4, 0, "Black & White"},
    {MatchValue, 5, 0, "Sepia"},
};
const ValueName kBurstMode[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 2, 0, "On"},
    {MatchValue, 3, 0, "Indefinite"},
    {MatchValue, 4, 0, "Unlimited"},
};
const ValueName kContrastMode[] = {
    {MatchValue, 0x000, 0, "Normal"},
    {MatchValue, 0x001, 0, "Low"},
    {MatchValue, 0x002, 0, "High"},
    {MatchValue, 0x006, 0, "Medium Low"},
    {MatchValue, 0x007, 0, "Medium High"},
    {MatchValue, 0x100, 0, "Low"},
    {MatchValue, 0x110, 0, "Normal"},
    {MatchValue, 0x120, 0, "High"},
};
const ValueName kNoiseReduction[] = {
    {MatchValue, 0, 0, "Standard"},
    {MatchValue, 1, 0, "Low (-1)"},
    {MatchValue, 2, 0, "High (+1)"},
    {MatchValue, 3, 0, "Lowest (-2)"},
    {MatchValue, 4, 0, "Highest (+2)"},
};
const ValueName kSelfTimer[] = {
    {MatchValue, 1, 0, "Off"},
    {MatchValue, 2, 0, "10 s"},
    {MatchValue, 3, 0, "2 s"},
};
const ValueName kRotation[] = {
    {MatchValue, 1, 0, "Horizontal (normal)"},
    {MatchValue, 3, 0, "Rotate 180"},
    {MatchValue, 6, 0, "Rotate 90 CW"},
    {MatchValue, 8, 0, "Rotate 270 CW"},
};
const ValueName kAfAssistLamp[] = {
    {MatchValue, 1, 0, "Fired"},
    {MatchValue, 2, 0, "Enabled but Not Used"},
    {MatchValue, 3, 0, "Disabled but Required"},
    {MatchValue, 4, 0, "Disabled and Not Required"},
};
const ValueName kColorMode[] = {
    {MatchValue, 0, 0, "Normal"},
    {MatchValue, 1, 0, "Natural"},
    {MatchValue, 2, 0, "Vivid"},
};
const ValueName kOpticalZoomMode[] = {
    {MatchValue, 1, 0, "Standard"},
    {MatchValue, 2, 0, "Extended"},
};
const ValueName kConversionLens[] = {
    {MatchValue, 1, 0, "Off"},
    {MatchValue, 2, 0, "Wide"},
    {MatchValue, 3, 0, "Telephoto"},
    {MatchValue, 4, 0, "Macro"},
};
const ValueName kWorldTimeLocation[] = {
    {MatchValue, 1, 0, "Home"},
    {MatchValue, 2, 0, "Destination"},
};
const ValueName kIntelligentExposure[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Low"},
    {MatchValue, 2, 0, "Standard"},
    {MatchValue, 3, 0, "High"},
};
const ValueName kFlashWarning[] = {
    {MatchValue, 0, 0, "No"},
    {MatchValue, 1, 0, "Yes (flash required but disabled)"},
};
const ValueName kIntelligentResolution[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 2, 0, "Auto"},
    {MatchValue, 3, 0, "On"},
};
const ValueName kVideoFrameRate[] = {
    {MatchValue, 0, 0, "n/a"},
};

const TagDef kPanasonicTagTable[] = {
    {0x0001, "ImageQuality", kImageQuality},
    {0x0002, "FirmwareVersion"},
    {0x0003, "WhiteBalance", kWhiteBalance},
    {0x0007, "FocusMode", kFocusMode},
    {0x000F, "AFAreaMode", kAfAreaMode},
    {0x001A, "ImageStabilization", kImageStabilization},
    {0x001C, "MacroMode", kOnOff},
    {0x001F, "ShootingMode", kShootingMode},
    {0x0020, "Audio", kYesNo},
    {0x0021, "DataDump"},
    {0x0022, "EasyMode"},
    {0x0023, "WhiteBalanceBias"},
    {0x0024, "FlashBias"},
    TagDef(0x0025, "InternalSerialNumber").withDerived(DerivedNote::Text),
    TagDef(0x0026, "PanasonicExifVersion").withDerived(DerivedNote::Text),
    {0x0027, "VideoFrameRate", kVideoFrameRate},
    {0x0028, "ColorEffect", kColorEffect},
    {0x0029, "TimeSincePowerOn"},
    {0x002A, "BurstMode", kBurstMode},
    {0x002B, "SequenceNumber"},
    {0x002C, "ContrastMode", kContrastMode},
    {0x002D, "NoiseReduction", kNoiseReduction},
    {0x002E, "SelfTimer", kSelfTimer},
    {0x0030, "Rotation", kRotation},
    {0x0031, "AFAssistLamp", kAfAssistLamp},
    {0x0032, "ColorMode", kColorMode},
    {0x0033, "BabyAge"},
    {0x0034, "OpticalZoomMode", kOpticalZoomMode},
    {0x0035, "ConversionLens", kConversionLens},
    {0x0036, "TravelDay"},
    {0x0039, "Contrast"},
    {0x003A, "WorldTimeLocation", kWorldTimeLocation},
    {0x003B, "TextStamp", kOffOn},
    {0x003C, "ProgramISO"},
    {0x003D, "AdvancedSceneType"},
    {0x003E, "TextStamp", kOffOn},
    {0x003F, "FacesDetected"},
    {0x0040, "Saturation"},
    {0x0041, "Sharpness"},
    {0x0042, "FilmMode"},
    {0x0046, "WBShiftAB"},
    {0x0047, "WBShiftGM"},
    {0x004D, "AFPointPosition"},
    {0x004E, "FaceDetInfo"},
    {0x0051, "LensType"},
    {0x0052, "LensSerialNumber"},
    {0x0053, "AccessoryType"},
    {0x0059, "Transform"},
    {0x005D, "IntelligentExposure", kIntelligentExposure},
    {0x0061, "FaceRecInfo"},
    {0x0062, "FlashWarning", kFlashWarning},
    {0x0063, "RecognizedFaceFlags"},
    {0x0065, "Title"},
    {0x0066, "BabyName"},
    {0x0067, "Location"},
    {0x0069, "Country"},
    {0x006B, "State"},
    {0x006D, "City"},
    {0x006F, "Landmark"},
    {0x0070, "IntelligentResolution", kIntelligentResolution},
    {0x0E00, "PrintIM"},
    TagDef(0x8000, "MakerNoteVersion").withDerived(DerivedNote::Text),
    {0x8001, "SceneMode", kShootingMode},
    {0x8004, "WBRedLevel"},
    {0x8005, "WBGreenLevel"},
    {0x8006, "WBBlueLevel"},
    {0x8007, "FlashFired", kOffOn},
    {0x8008, "TextStamp", kOffOn},
    {0x8009, "TextStamp", kOffOn},
    {0x8010, "BabyAge"},
    {0x8012, "Transform"},
};
// clang-format on

}  // namespace

constinit const TagTable kPanasonicTags{"Panasonic", kPanasonicTagTable};

// "Panasonic" and three zero bytes; the IFD follows in the Exif block's byte order, its
// offsets counted from the Exif block's TIFF header.
constinit const MakerNoteFormat kPanasonicMakerNote{
    .vendor = "Panasonic",
    .signature = std::string_view("Panasonic\0\0\0", 12),
    .ifdAt = 12,
    .tags = &kPanasonicTags};

}  // namespace brevino
