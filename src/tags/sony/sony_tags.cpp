// The Sony maker-note dictionary and its short value-name tables.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kSonySceneModeNames[] = {
    {MatchValue, 0, 0, "Manual (P,A,S or M)"},
    {MatchValue, 1, 0, "Portrait"},
    {MatchValue, 4, 0, "Sunset"},
    {MatchValue, 5, 0, "Sports"},
    {MatchValue, 6, 0, "Landscape"},
    {MatchValue, 8, 0, "Macro"},
    {MatchValue, 16, 0, "Auto"},
    {MatchValue, 17, 0, "Night Portrait"},
};

const ValueName kSonyZoneMatchingNames[] = {
    {MatchValue, 0, 0, "ISO Setting Used"},
    {MatchValue, 1, 0, "High Key"},
    {MatchValue, 2, 0, "Low Key"},
};

const ValueName kSonyDynamicRangeOptimizerNames[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "Standard"},
    {MatchValue, 2, 0, "Advanced"},
};

const ValueName kSonyImageStabilizationNames[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
};

const ValueName kSonyColorModeNames[] = {
    {MatchValue, 0, 0, "Natural color"},
    {MatchValue, 1, 0, "Black & White"},
    {MatchValue, 2, 0, "Vivid color"},
    {MatchValue, 3, 0, "Solarization"},
    {MatchValue, 4, 0, "Adobe RGB"},
    {MatchValue, 5, 0, "Sepia"},
    {MatchValue, 9, 0, "Natural"},
    {MatchValue, 12, 0, "Portrait"},
    {MatchValue, 13, 0, "Natural sRGB"},
    {MatchValue, 14, 0, "Natural+ sRGB"},
    {MatchValue, 15, 0, "Landscape"},
    {MatchValue, 16, 0, "Evening"},
    {MatchValue, 17, 0, "Night Scene"},
    {MatchValue, 18, 0, "Night Portrait"},
};

const ValueName kSonyMacroNames[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
};

const ValueName kSonyExposureModeNames[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 5, 0, "Landscape"},
    {MatchValue, 6, 0, "Program"},
    {MatchValue, 7, 0, "Aperture Priority"},
    {MatchValue, 8, 0, "Shutter Priority"},
    {MatchValue, 9, 0, "Night Scene"},
    {MatchValue, 10, 0, "Manual"},
};

const ValueName kSonyQualityNames[] = {
    {MatchValue, 0, 0, "Normal"},
    {MatchValue, 1, 0, "Fine"},
};

const ValueName kSonyLongExposureNoiseReductionNames[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
};

const TagDef kSonyTagTable[] = {
    {0x0E00, "PrintIM", {}},
    {0xB020, "ColorModeSetting", {}},
    {0xB021, "ColorTemperature", {}},
    {0xB023, "SceneMode", kSonySceneModeNames},
    {0xB024, "ZoneMatching", kSonyZoneMatchingNames},
    {0xB025, "DynamicRangeOptimizer", kSonyDynamicRangeOptimizerNames},
    {0xB026, "ImageStabilization", kSonyImageStabilizationNames},
    {0xB027, "LensID", kSonyLensIdNames},
    {0xB028, "MinoltaMakerNote", {}},
    {0xB029, "ColorMode", kSonyColorModeNames},
    {0xB040, "Macro", kSonyMacroNames},
    {0xB041, "ExposureMode", kSonyExposureModeNames},
    {0xB047, "Quality", kSonyQualityNames},
    {0xB04E, "LongExposureNoiseReduction", kSonyLongExposureNoiseReductionNames},
};
// clang-format on

}  // namespace

constinit const TagTable kSonyTags{"Sony", kSonyTagTable};

// "SONY DSC " or "SONY CAM " and three zero bytes; the IFD follows in the Exif block's byte
// order; offsets count from the Exif block's TIFF header.
constinit const MakerNoteFormat kSonyMakerNote{
    .vendor = "Sony", .signature = "SONY", .ifdAt = 12, .tags = &kSonyTags};

}  // namespace brevino
