// The Pentax maker-note dictionary and its short value-name tables.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kPentaxPentaxModeNames[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "Night Scene"},
    {MatchValue, 2, 0, "Manual"},
};

const ValueName kPentaxQualityNames[] = {
    {MatchValue, 0, 0, "Good"},
    {MatchValue, 1, 0, "Better"},
    {MatchValue, 2, 0, "Best"},
    {MatchValue, 3, 0, "TIFF"},
    {MatchValue, 4, 0, "RAW"},
};

const ValueName kPentaxPentaxImageSizeNames[] = {
    {MatchValue, 0, 0, "640x480"},
    {MatchValue, 1, 0, "Full"},
    {MatchValue, 2, 0, "1024x768"},
    {MatchValue, 3, 0, "1280x960"},
    {MatchValue, 4, 0, "1600x1200"},
    {MatchValue, 5, 0, "2048x1536"},
    {MatchValue, 8, 0, "2560x1920 or 2304x1728"},
    {MatchValue, 10, 0, "3264x2448"},
    {MatchValue, 19, 0, "320x240"},
    {MatchValue, 20, 0, "2288x1712"},
    {MatchValue, 21, 0, "2592x1944"},
    {MatchValue, 22, 0, "2304x1728 or 2592x1944"},
    {MatchValue, 23, 0, "3056x2296"},
    {MatchValue, 25, 0, "2816x2212 or 2816x2112 "},
};

const ValueName kPentaxPictureModeNames[] = {
    {MatchValue, 0, 0, "Program"},
    {MatchValue, 2, 0, "Program AE"},
    {MatchValue, 3, 0, "Manual"},
    {MatchValue, 5, 0, "Portrait"},
    {MatchValue, 6, 0, "Landscape"},
    {MatchValue, 8, 0, "Sport"},
    {MatchValue, 9, 0, "Night Scene"},
    {MatchValue, 11, 0, "Soft"},
    {MatchValue, 12, 0, "Surf & Snow"},
    {MatchValue, 13, 0, "Sunset or Candlelight"},
    {MatchValue, 14, 0, "Autumn"},
    {MatchValue, 15, 0, "Macro"},
    {MatchValue, 17, 0, "Fireworks"},
    {MatchValue, 18, 0, "Text"},
    {MatchValue, 19, 0, "Panorama"},
    {MatchValue, 30, 0, "Self Portrait"},
    {MatchValue, 31, 0, "Illustrations"},
    {MatchValue, 33, 0, "Digital Filter"},
    {MatchValue, 37, 0, "Museum"},
    {MatchValue, 38, 0, "Food"},
    {MatchValue, 40, 0, "Green Mode"},
    {MatchValue, 49, 0, "Light Pet"},
    {MatchValue, 50, 0, "Dark Pet"},
    {MatchValue, 51, 0, "Medium Pet"},
    {MatchValue, 53, 0, "Underwater"},
    {MatchValue, 54, 0, "Candlelight"},
    {MatchValue, 55, 0, "Natural Skin Tone"},
    {MatchValue, 56, 0, "Synchro Sound Record"},
    {MatchValue, 58, 0, "Frame Composite "},
};

const ValueName kPentaxFlashModeNames[] = {
    {MatchValue, 0, 0, "Auto, Did not fire"},
    {MatchValue, 1, 0, "Off"},
    {MatchValue, 3, 0, "Auto, Did not fire, Red-eye reduction"},
    {MatchValue, 256, 0, "Auto, Fired"},
    {MatchValue, 258, 0, "On"},
    {MatchValue, 259, 0, "Auto, Fired, Red-eye reduction"},
    {MatchValue, 260, 0, "On, Red-eye reduction"},
    {MatchValue, 264, 0, "On, Soft"},
};

const ValueName kPentaxFocusModeNames[] = {
    {MatchValue, 0, 0, "Normal"},
    {MatchValue, 1, 0, "Macro"},
    {MatchValue, 2, 0, "Infinity"},
    {MatchValue, 3, 0, "Manual"},
    {MatchValue, 5, 0, "Pan Focus"},
};

const ValueName kPentaxAutoAFPointNames[] = {
    {MatchValue, 0, 0, "Multiple"},
    {MatchValue, 1, 0, "Top-left"},
    {MatchValue, 2, 0, "Top-center"},
    {MatchValue, 3, 0, "Top-right"},
    {MatchValue, 4, 0, "Left"},
    {MatchValue, 5, 0, "Center"},
    {MatchValue, 6, 0, "Right"},
    {MatchValue, 7, 0, "Bottom-left"},
    {MatchValue, 8, 0, "Bottom-center"},
    {MatchValue, 9, 0, "Bottom-right"},
    {MatchValue, 65535, 0, "None"},
};

const ValueName kPentaxISONames[] = {
    {MatchValue, 3, 0, "50"},
    {MatchValue, 4, 0, "64"},
    {MatchValue, 5, 0, "80"},
    {MatchValue, 6, 0, "100"},
    {MatchValue, 7, 0, "125"},
    {MatchValue, 8, 0, "160"},
    {MatchValue, 9, 0, "200"},
    {MatchValue, 10, 0, "250"},
    {MatchValue, 11, 0, "320"},
    {MatchValue, 12, 0, "400"},
    {MatchValue, 13, 0, "500"},
    {MatchValue, 14, 0, "640"},
    {MatchValue, 15, 0, "800"},
    {MatchValue, 16, 0, "1000"},
    {MatchValue, 17, 0, "1250"},
    {MatchValue, 18, 0, "1600"},
    {MatchValue, 21, 0, "3200"},
    {MatchValue, 50, 0, "50"},
    {MatchValue, 100, 0, "100"},
    {MatchValue, 200, 0, "200"},
    {MatchValue, 400, 0, "400"},
    {MatchValue, 800, 0, "800"},
    {MatchValue, 1600, 0, "1600"},
    {MatchValue, 3200, 0, "3200"},
};

const ValueName kPentaxWhiteBalanceNames[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "Daylight"},
    {MatchValue, 2, 0, "Shade"},
    {MatchValue, 3, 0, "Fluorescent"},
    {MatchValue, 4, 0, "Tungsten"},
    {MatchValue, 5, 0, "Manual"},
    {MatchValue, 6, 0, "DaylightFluorescent"},
    {MatchValue, 7, 0, "DaywhiteFluorescent"},
    {MatchValue, 8, 0, "WhiteFluorescent"},
    {MatchValue, 9, 0, "Flash"},
    {MatchValue, 10, 0, "Cloudy"},
    {MatchValue, 65534, 0, "Unknown"},
    {MatchValue, 65535, 0, "User Selected"},
};

const ValueName kPentaxWhiteBalanceModeNames[] = {
    {MatchValue, 1, 0, "Auto (Daylight) "},
    {MatchValue, 2, 0, "Auto (Shade)"},
    {MatchValue, 3, 0, "Auto (Flash)"},
    {MatchValue, 4, 0, "Auto (Tungsten)"},
    {MatchValue, 65534, 0, "Preset (Fireworks?)"},
    {MatchValue, 65535, 0, "User Selected"},
};

const ValueName kPentaxSaturationNames[] = {
    {MatchValue, 0, 0, "Low"},
    {MatchValue, 1, 0, "Normal"},
    {MatchValue, 2, 0, "High"},
    {MatchValue, 3, 0, "Med Low"},
    {MatchValue, 4, 0, "Med High"},
};

const ValueName kPentaxContrastNames[] = {
    {MatchValue, 0, 0, "Low"},
    {MatchValue, 1, 0, "Normal"},
    {MatchValue, 2, 0, "High"},
    {MatchValue, 3, 0, "Med Low"},
    {MatchValue, 4, 0, "Med High"},
};

const ValueName kPentaxSharpnessNames[] = {
    {MatchValue, 0, 0, "Soft"},
    {MatchValue, 1, 0, "Normal"},
    {MatchValue, 2, 0, "High"},
    {MatchValue, 3, 0, "Med Low"},
    {MatchValue, 4, 0, "Med High"},
};

const ValueName kPentaxWorldTimeLocationNames[] = {
    {MatchValue, 0, 0, "Hometown"},
    {MatchValue, 1, 0, "Destination"},
};

const ValueName kPentaxHometownDSTNames[] = {
    {MatchValue, 0, 0, "No"},
    {MatchValue, 1, 0, "Yes"},
};

const ValueName kPentaxDestinationDSTNames[] = {
    {MatchValue, 0, 0, "No"},
    {MatchValue, 1, 0, "Yes"},
};

const ValueName kPentaxPictureModeFlagNames[] = {
    {MatchLastPair, 0, 0, "No"},
    {MatchLastPair, 1, 0, "Yes"},
};

const ValueName kPentaxColorSpaceNames[] = {
    {MatchValue, 0, 0, "sRGB"},
    {MatchValue, 1, 0, "Adobe RGB"},
};

const ValueName kPentaxNoiseReductionNames[] = {
    {MatchValue, 0, 0, "Off "},
    {MatchValue, 1, 0, "on"},
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

constinit const TagTable kPentaxTags{"Pentax", kPentaxTagTable};

// "AOC", a zero byte and a byte-order mark; the IFD follows; offsets count from the Exif
// block's TIFF header.
constinit const MakerNoteFormat kPentaxMakerNote{.vendor = "Pentax",
                                                 .signature = std::string_view("AOC\0", 4),
                                                 .ifdAt = 6,
                                                 .order = NoteByteOrder::Mark,
                                                 .orderAt = 4,
                                                 .tags = &kPentaxTags};

}  // namespace brevino
