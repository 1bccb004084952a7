// The Pentax maker-note dictionary and its short value-name tables.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kPentaxPentaxModeNames[] = {
    {MatchNumber, 0, 0, "Auto"},
    {MatchNumber, 1, 0, "Night Scene"},
    {MatchNumber, 2, 0, "Manual"},
};

const ValueName kPentaxQualityNames[] = {
    {MatchNumber, 0, 0, "Good"},
    {MatchNumber, 1, 0, "Better"},
    {MatchNumber, 2, 0, "Best"},
    {MatchNumber, 3, 0, "TIFF"},
    {MatchNumber, 4, 0, "RAW"},
};

const ValueName kPentaxPentaxImageSizeNames[] = {
    {MatchNumber, 0, 0, "640x480"},
    {MatchNumber, 1, 0, "Full"},
    {MatchNumber, 2, 0, "1024x768"},
    {MatchNumber, 3, 0, "1280x960"},
    {MatchNumber, 4, 0, "1600x1200"},
    {MatchNumber, 5, 0, "2048x1536"},
    {MatchNumber, 8, 0, "2560x1920 or 2304x1728"},
    {MatchNumber, 10, 0, "3264x2448"},
    {MatchNumber, 19, 0, "320x240"},
    {MatchNumber, 20, 0, "2288x1712"},
    {MatchNumber, 21, 0, "2592x1944"},
    {MatchNumber, 22, 0, "2304x1728 or 2592x1944"},
    {MatchNumber, 23, 0, "3056x2296"},
    {MatchNumber, 25, 0, "2816x2212 or 2816x2112 "},
};

const ValueName kPentaxPictureModeNames[] = {
    {MatchNumber, 0, 0, "Program"},
    {MatchNumber, 2, 0, "Program AE"},
    {MatchNumber, 3, 0, "Manual"},
    {MatchNumber, 5, 0, "Portrait"},
    {MatchNumber, 6, 0, "Landscape"},
    {MatchNumber, 8, 0, "Sport"},
    {MatchNumber, 9, 0, "Night Scene"},
    {MatchNumber, 11, 0, "Soft"},
    {MatchNumber, 12, 0, "Surf & Snow"},
    {MatchNumber, 13, 0, "Sunset or Candlelight"},
    {MatchNumber, 14, 0, "Autumn"},
    {MatchNumber, 15, 0, "Macro"},
    {MatchNumber, 17, 0, "Fireworks"},
    {MatchNumber, 18, 0, "Text"},
    {MatchNumber, 19, 0, "Panorama"},
    {MatchNumber, 30, 0, "Self Portrait"},
    {MatchNumber, 31, 0, "Illustrations"},
    {MatchNumber, 33, 0, "Digital Filter"},
    {MatchNumber, 37, 0, "Museum"},
    {MatchNumber, 38, 0, "Food"},
    {MatchNumber, 40, 0, "Green Mode"},
    {MatchNumber, 49, 0, "Light Pet"},
    {MatchNumber, 50, 0, "Dark Pet"},
    {MatchNumber, 51, 0, "Medium Pet"},
    {MatchNumber, 53, 0, "Underwater"},
    {MatchNumber, 54, 0, "Candlelight"},
    {MatchNumber, 55, 0, "Natural Skin Tone"},
    {MatchNumber, 56, 0, "Synchro Sound Record"},
    {MatchNumber, 58, 0, "Frame Composite "},
};

const ValueName kPentaxFlashModeNames[] = {
    {MatchNumber, 0, 0, "Auto, Did not fire"},
    {MatchNumber, 1, 0, "Off"},
    {MatchNumber, 3, 0, "Auto, Did not fire, Red-eye reduction"},
    {MatchNumber, 256, 0, "Auto, Fired"},
    {MatchNumber, 258, 0, "On"},
    {MatchNumber, 259, 0, "Auto, Fired, Red-eye reduction"},
    {MatchNumber, 260, 0, "On, Red-eye reduction"},
    {MatchNumber, 264, 0, "On, Soft"},
};

const ValueName kPentaxFocusModeNames[] = {
    {MatchNumber, 0, 0, "Normal"},
    {MatchNumber, 1, 0, "Macro"},
    {MatchNumber, 2, 0, "Infinity"},
    {MatchNumber, 3, 0, "Manual"},
    {MatchNumber, 5, 0, "Pan Focus"},
};

const ValueName kPentaxAutoAFPointNames[] = {
    {MatchNumber, 0, 0, "Multiple"},
    {MatchNumber, 1, 0, "Top-left"},
    {MatchNumber, 2, 0, "Top-center"},
    {MatchNumber, 3, 0, "Top-right"},
    {MatchNumber, 4, 0, "Left"},
    {MatchNumber, 5, 0, "Center"},
    {MatchNumber, 6, 0, "Right"},
    {MatchNumber, 7, 0, "Bottom-left"},
    {MatchNumber, 8, 0, "Bottom-center"},
    {MatchNumber, 9, 0, "Bottom-right"},
    {MatchNumber, 65535, 0, "None"},
};

const ValueName kPentaxISONames[] = {
    {MatchNumber, 3, 0, "50"},
    {MatchNumber, 4, 0, "64"},
    {MatchNumber, 5, 0, "80"},
    {MatchNumber, 6, 0, "100"},
    {MatchNumber, 7, 0, "125"},
    {MatchNumber, 8, 0, "160"},
    {MatchNumber, 9, 0, "200"},
    {MatchNumber, 10, 0, "250"},
    {MatchNumber, 11, 0, "320"},
    {MatchNumber, 12, 0, "400"},
    {MatchNumber, 13, 0, "500"},
    {MatchNumber, 14, 0, "640"},
    {MatchNumber, 15, 0, "800"},
    {MatchNumber, 16, 0, "1000"},
    {MatchNumber, 17, 0, "1250"},
    {MatchNumber, 18, 0, "1600"},
    {MatchNumber, 21, 0, "3200"},
    {MatchNumber, 50, 0, "50"},
    {MatchNumber, 100, 0, "100"},
    {MatchNumber, 200, 0, "200"},
    {MatchNumber, 400, 0, "400"},
    {MatchNumber, 800, 0, "800"},
    {MatchNumber, 1600, 0, "1600"},
    {MatchNumber, 3200, 0, "3200"},
};

const ValueName kPentaxWhiteBalanceNames[] = {
    {MatchNumber, 0, 0, "Auto"},
    {MatchNumber, 1, 0, "Daylight"},
    {MatchNumber, 2, 0, "Shade"},
    {MatchNumber, 3, 0, "Fluorescent"},
    {MatchNumber, 4, 0, "Tungsten"},
    {MatchNumber, 5, 0, "Manual"},
    {MatchNumber, 6, 0, "DaylightFluorescent"},
    {MatchNumber, 7, 0, "DaywhiteFluorescent"},
    {MatchNumber, 8, 0, "WhiteFluorescent"},
    {MatchNumber, 9, 0, "Flash"},
    {MatchNumber, 10, 0, "Cloudy"},
    {MatchNumber, 65534, 0, "Unknown"},
    {MatchNumber, 65535, 0, "User Selected"},
};

const ValueName kPentaxWhiteBalanceModeNames[] = {
    {MatchNumber, 1, 0, "Auto (Daylight) "},
    {MatchNumber, 2, 0, "Auto (Shade)"},
    {MatchNumber, 3, 0, "Auto (Flash)"},
    {MatchNumber, 4, 0, "Auto (Tungsten)"},
    {MatchNumber, 65534, 0, "Preset (Fireworks?)"},
    {MatchNumber, 65535, 0, "User Selected"},
};

const ValueName kPentaxSaturationNames[] = {
    {MatchNumber, 0, 0, "Low"},
    {MatchNumber, 1, 0, "Normal"},
    {MatchNumber, 2, 0, "High"},
    {MatchNumber, 3, 0, "Med Low"},
    {MatchNumber, 4, 0, "Med High"},
};

const ValueName kPentaxContrastNames[] = {
    {MatchNumber, 0, 0, "Low"},
    {MatchNumber, 1, 0, "Normal"},
    {MatchNumber, 2, 0, "High"},
    {MatchNumber, 3, 0, "Med Low"},
    {MatchNumber, 4, 0, "Med High"},
};

const ValueName kPentaxSharpnessNames[] = {
    {MatchNumber, 0, 0, "Soft"},
    {MatchNumber, 1, 0, "Normal"},
    {MatchNumber, 2, 0, "High"},
    {MatchNumber, 3, 0, "Med Low"},
    {MatchNumber, 4, 0, "Med High"},
};

const ValueName kPentaxWorldTimeLocationNames[] = {
    {MatchNumber, 0, 0, "Hometown"},
    {MatchNumber, 1, 0, "Destination"},
};

const ValueName kPentaxHometownDSTNames[] = {
    {MatchNumber, 0, 0, "No"},
    {MatchNumber, 1, 0, "Yes"},
};

const ValueName kPentaxDestinationDSTNames[] = {
    {MatchNumber, 0, 0, "No"},
    {MatchNumber, 1, 0, "Yes"},
};

const ValueName kPentaxPictureModeFlagNames[] = {
    {MatchShortPair, 0, 0, "No"},
    {MatchShortPair, 1, 0, "Yes"},
};

const ValueName kPentaxColorSpaceNames[] = {
    {MatchNumber, 0, 0, "sRGB"},
    {MatchNumber, 1, 0, "Adobe RGB"},
};

const ValueName kPentaxNoiseReductionNames[] = {
    {MatchNumber, 0, 0, "Off "},
    {MatchNumber, 1, 0, "on"},
};

const TagDef kPentaxTagTable[] = {
    {0x0001, "PentaxMode", kPentaxPentaxModeNames},
    {0x0002, "PreviewImageSize", {}},
    {0x0003, "PreviewImageLength", {}},
    {0x0004, "PreviewImageStart", {}},
    {0x0005, "PentaxModelID", kPentaxModelIdNames},
    {0x0006, "Date", {}},
    {0x0007, "Time", {}},
    {0x0008, "Quality", kPentaxQualityNames},
    {0x0009, "PentaxImageSize", kPentaxPentaxImageSizeNames},
    {0x000B, "PictureMode", kPentaxPictureModeNames},
    {0x000C, "FlashMode", kPentaxFlashModeNames},
    {0x000D, "FocusMode", kPentaxFocusModeNames},
    {0x000F, "AutoAFPoint", kPentaxAutoAFPointNames},
    {0x0010, "FocusPosition", {}},
    {0x0012, "ExposureTime", {}},
    {0x0013, "FNumber", {}},
    {0x0014, "ISO", kPentaxISONames},
    {0x0016, "ExposureCompensation", {}},
    {0x0017, "MeteringMode", {}},
    {0x0019, "WhiteBalance", kPentaxWhiteBalanceNames},
    {0x001A, "WhiteBalanceMode", kPentaxWhiteBalanceModeNames},
    {0x001B, "BlueBalance", {}},
    {0x001C, "RedBalance", {}},
    {0x001D, "FocalLength", {}},
    {0x001E, "DigitalZoom", {}},
    {0x001F, "Saturation", kPentaxSaturationNames},
    {0x0020, "Contrast", kPentaxContrastNames},
    {0x0021, "Sharpness", kPentaxSharpnessNames},
    {0x0022, "WorldTimeLocation", kPentaxWorldTimeLocationNames},
    {0x0023, "HometownCity", kPentaxHometownCityNames},
    {0x0024, "DestinationCity", kPentaxDestinationCityNames},
    {0x0025, "HometownDST", kPentaxHometownDSTNames},
    {0x0026, "DestinationDST", kPentaxDestinationDSTNames},
    {0x0029, "FrameNumber", {}},
    {0x0033, "PictureMode", kPentaxPictureModeFlagNames},
    {0x0037, "ColorSpace", kPentaxColorSpaceNames},
    {0x0039, "RawImageSize", {}},
    {0x003F, "LensType", kPentaxLensTypeNames},
    {0x0049, "NoiseReduction", kPentaxNoiseReductionNames},
    {0x0200, "BlackPoint", {}},
    {0x0201, "WhitePoint", {}},
    {0x03FE, "DataDump", {}},
    {0x0402, "ToneCurve", {}},
    {0x0403, "ToneCurves", {}},
    {0x0E00, "PrintIM", {}},
    {0x1000, "HometownCityCode", {}},
    {0x1001, "DestinationCityCode", {}},
    {0x2000, "PreviewImageData", {}},
};
// clang-format on

}  // namespace

extern const std::span<const TagDef> kPentaxMakerNoteTags = kPentaxTagTable;

}  // namespace brevino
