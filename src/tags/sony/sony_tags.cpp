// The Sony maker-note dictionary and its short value-name tables.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kSonySceneModeNames[] = {
    {MatchNumberAlt, 0, 0, "Manual (P,A,S or M)"},
    {MatchNumberAlt, 1, 0, "Portrait"},
    {MatchNumberAlt, 4, 0, "Sunset"},
    {MatchNumberAlt, 5, 0, "Sports"},
    {MatchNumberAlt, 6, 0, "Landscape"},
    {MatchNumberAlt, 8, 0, "Macro"},
    {MatchNumberAlt, 16, 0, "Auto"},
    {MatchNumberAlt, 17, 0, "Night Portrait"},
};

const ValueName kSonyZoneMatchingNames[] = {
    {MatchNumberAlt, 0, 0, "ISO Setting Used"},
    {MatchNumberAlt, 1, 0, "High Key"},
    {MatchNumberAlt, 2, 0, "Low Key"},
};

const ValueName kSonyDynamicRangeOptimizerNames[] = {
    {MatchNumberAlt, 0, 0, "Off"},
    {MatchNumberAlt, 1, 0, "Standard"},
    {MatchNumberAlt, 2, 0, "Advanced"},
};

const ValueName kSonyImageStabilizationNames[] = {
    {MatchNumberAlt, 0, 0, "Off"},
    {MatchNumberAlt, 1, 0, "On"},
};

const ValueName kSonyColorModeNames[] = {
    {MatchNumberAlt, 0, 0, "Natural color"},
    {MatchNumberAlt, 1, 0, "Black & White"},
    {MatchNumberAlt, 2, 0, "Vivid color"},
    {MatchNumberAlt, 3, 0, "Solarization"},
    {MatchNumberAlt, 4, 0, "Adobe RGB"},
    {MatchNumberAlt, 5, 0, "Sepia"},
    {MatchNumberAlt, 9, 0, "Natural"},
    {MatchNumberAlt, 12, 0, "Portrait"},
    {MatchNumberAlt, 13, 0, "Natural sRGB"},
    {MatchNumberAlt, 14, 0, "Natural+ sRGB"},
    {MatchNumberAlt, 15, 0, "Landscape"},
    {MatchNumberAlt, 16, 0, "Evening"},
    {MatchNumberAlt, 17, 0, "Night Scene"},
    {MatchNumberAlt, 18, 0, "Night Portrait"},
};

const ValueName kSonyMacroNames[] = {
    {MatchNumber, 0, 0, "Off"},
    {MatchNumber, 1, 0, "On"},
};

const ValueName kSonyExposureModeNames[] = {
    {MatchNumber, 0, 0, "Auto"},
    {MatchNumber, 5, 0, "Landscape"},
    {MatchNumber, 6, 0, "Program"},
    {MatchNumber, 7, 0, "Aperture Priority"},
    {MatchNumber, 8, 0, "Shutter Priority"},
    {MatchNumber, 9, 0, "Night Scene"},
    {MatchNumber, 10, 0, "Manual"},
};

const ValueName kSonyQualityNames[] = {
    {MatchNumber, 0, 0, "Normal"},
    {MatchNumber, 1, 0, "Fine"},
};

const ValueName kSonyLongExposureNoiseReductionNames[] = {
    {MatchNumber, 0, 0, "Off"},
    {MatchNumber, 1, 0, "On"},
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

extern const std::span<const TagDef> kSonyMakerNoteTags = kSonyTagTable;

}  // namespace brevino
