// The Fujifilm maker-note dictionary and its value-name tables: picture settings, film
// simulations, focus and flash modes, and the camera's warnings.
// Tags and codes follow exif-py and metadata-extractor; the newer film simulations follow
// lukask8/fujifilm-filmmode.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kOffOn[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
};
const ValueName kSharpness[] = {
    {MatchValue, 1, 0, "Softest"},
    {MatchValue, 2, 0, "Soft"},
    {MatchValue, 3, 0, "Normal"},
    {MatchValue, 4, 0, "Hard"},
    {MatchValue, 5, 0, "Hardest"},
    {MatchValue, 0x82, 0, "Medium Soft"},
    {MatchValue, 0x84, 0, "Medium Hard"},
    {MatchValue, 0x8000, 0, "Film Simulation"},
    {MatchValue, 0xFFFF, 0, "n/a"},
};
const ValueName kWhiteBalance[] = {
    {MatchValue, 0x000, 0, "Auto"},
    {MatchValue, 0x100, 0, "Daylight"},
    {MatchValue, 0x200, 0, "Cloudy"},
    {MatchValue, 0x300, 0, "Daylight Fluorescent"},
    {MatchValue, 0x301, 0, "Day White Fluorescent"},
    {MatchValue, 0x302, 0, "White Fluorescent"},
    {MatchValue, 0x303, 0, "Warm White Fluorescent"},
    {MatchValue, 0x304, 0, "Living Room Warm White Fluorescent"},
    {MatchValue, 0x400, 0, "Incandescent"},
    {MatchValue, 0x500, 0, "Flash"},
    {MatchValue, 0x600, 0, "Underwater"},
    {MatchValue, 0xF00, 0, "Custom"},
    {MatchValue, 0xF01, 0, "Custom2"},
    {MatchValue, 0xF02, 0, "Custom3"},
    {MatchValue, 0xF03, 0, "Custom4"},
    {MatchValue, 0xF04, 0, "Custom5"},
    {MatchValue, 0xFF0, 0, "Kelvin"},
};
// Colour saturation, and the monochrome film simulations chosen with it.
const ValueName kSaturation[] = {
    {MatchValue, 0x000, 0, "Normal"},
    {MatchValue, 0x080, 0, "Medium High"},
    {MatchValue, 0x100, 0, "High"},
    {MatchValue, 0x180, 0, "Medium Low"},
    {MatchValue, 0x200, 0, "Low"},
    {MatchValue, 0x300, 0, "None (B&W)"},
    {MatchValue, 0x301, 0, "B&W Red Filter"},
    {MatchValue, 0x302, 0, "B&W Yellow Filter"},
    {MatchValue, 0x303, 0, "B&W Green Filter"},
    {MatchValue, 0x310, 0, "B&W Sepia"},
    {MatchValue, 0x400, 0, "Low 2"},
    {MatchValue, 0x500, 0, "Acros"},
    {MatchValue, 0x501, 0, "Acros Red Filter"},
    {MatchValue, 0x502, 0, "Acros Yellow Filter"},
    {MatchValue, 0x503, 0, "Acros Green Filter"},
    {MatchValue, 0x8000, 0, "Film Simulation"},
};
const ValueName kTone[] = {
    {MatchValue, 0x000, 0, "Normal"},
    {MatchValue, 0x080, 0, "Medium High"},
    {MatchValue, 0x100, 0, "High"},
    {MatchValue, 0x180, 0, "Medium Low"},
    {MatchValue, 0x200, 0, "Low"},
    {MatchValue, 0x300, 0, "None (B&W)"},
    {MatchValue, 0x8000, 0, "Film Simulation"},
};
const ValueName kContrast[] = {
    {MatchValue, 0x000, 0, "Normal"},
    {MatchValue, 0x100, 0, "High"},
    {MatchValue, 0x300, 0, "Low"},
};
const ValueName kNoiseReduction[] = {
    {MatchValue, 0x040, 0, "Low"},
    {MatchValue, 0x080, 0, "Normal"},
    {MatchValue, 0x100, 0, "n/a"},
};
const ValueName kHighIsoNoiseReduction[] = {
    {MatchValue, 0x000, 0, "Normal"},
    {MatchValue, 0x100, 0, "Strong"},
    {MatchValue, 0x200, 0, "Weak"},
};
const ValueName kFlashMode[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "On"},
    {MatchValue, 2, 0, "Off"},
    {MatchValue, 3, 0, "Red-eye Reduction"},
    {MatchValue, 4, 0, "External"},
};
const ValueName kFocusMode[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "Manual"},
};
const ValueName kPictureMode[] = {
    {MatchValue, 0x000, 0, "Auto"},
    {MatchValue, 0x001, 0, "Portrait"},
    {MatchValue, 0x002, 0, "Landscape"},
    {MatchValue, 0x003, 0, "Macro"},
    {MatchValue, 0x004, 0, "Sports"},
    {MatchValue, 0x005, 0, "Night Scene"},
    {MatchValue, 0x006, 0, "Program AE"},
    {MatchValue, 0x007, 0, "Natural Light"},
    {MatchValue, 0x008, 0, "Anti-blur"},
    {MatchValue, 0x009, 0, "Beach & Snow"},
    {MatchValue, 0x00A, 0, "Sunset"},
    {MatchValue, 0x00B, 0, "Museum"},
    {MatchValue, 0x00C, 0, "Party"},
    {MatchValue, 0x00D, 0, "Flower"},
    {MatchValue, 0x00E, 0, "Text"},
    {MatchValue, 0x00F, 0, "Natural Light & Flash"},
    {MatchValue, 0x010, 0, "Beach"},
    {MatchValue, 0x011, 0, "Snow"},
    {MatchValue, 0x012, 0, "Fireworks"},
    {MatchValue, 0x013, 0, "Underwater"},
    {MatchValue, 0x014, 0, "Portrait with Skin Correction"},
    {MatchValue, 0x016, 0, "Panorama"},
    {MatchValue, 0x017, 0, "Night (tripod)"},
    {MatchValue, 0x018, 0, "Pro Low-light"},
    {MatchValue, 0x019, 0, "Pro Focus"},
    {MatchValue, 0x01B, 0, "Dog Face Detection"},
    {MatchValue, 0x01C, 0, "Cat Face Detection"},
    {MatchValue, 0x100, 0, "Aperture-priority AE"},
    {MatchValue, 0x200, 0, "Shutter speed priority AE"},
    {MatchValue, 0x300, 0, "Manual"},
};
const ValueName kExrAuto[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "Manual"},
};
const ValueName kExrMode[] = {
    {MatchValue, 0x100, 0, "HR (High Resolution)"},
    {MatchValue, 0x200, 0, "SN (Signal to Noise priority)"},
    {MatchValue, 0x300, 0, "DR (Dynamic Range priority)"},
};
const ValueName kAutoBracketing[] = {
    {MatchValue, 0, 0, "Off"},
    {MatchValue, 1, 0, "On"},
    {MatchValue, 2, 0, "No flash & flash"},
};
const ValueName kColorMode[] = {
    {MatchValue, 0x00, 0, "Standard"},
    {MatchValue, 0x10, 0, "Chrome"},
    {MatchValue, 0x30, 0, "B & W"},
};
const ValueName kBlurWarning[] = {
    {MatchValue, 0, 0, "None"},
    {MatchValue, 1, 0, "Blur Warning"},
};
const ValueName kFocusWarning[] = {
    {MatchValue, 0, 0, "Good"},
    {MatchValue, 1, 0, "Out of focus"},
};
const ValueName kExposureWarning[] = {
    {MatchValue, 0, 0, "Good"},
    {MatchValue, 1, 0, "Over exposed"},
};
const ValueName kDynamicRange[] = {
    {MatchValue, 1, 0, "Standard"},
    {MatchValue, 3, 0, "Wide"},
};
// The colour film simulations.
const ValueName kFilmMode[] = {
    {MatchValue, 0x000, 0, "F0/Standard (Provia)"},
    {MatchValue, 0x100, 0, "F1/Studio Portrait"},
    {MatchValue, 0x110, 0, "F1a/Studio Portrait Enhanced Saturation"},
    {MatchValue, 0x120, 0, "F1b/Studio Portrait Smooth Skin Tone (Astia)"},
    {MatchValue, 0x130, 0, "F1c/Studio Portrait Increased Sharpness"},
    {MatchValue, 0x200, 0, "F2/Fujichrome (Velvia)"},
    {MatchValue, 0x300, 0, "F3/Studio Portrait Ex"},
    {MatchValue, 0x400, 0, "F4/Velvia"},
    {MatchValue, 0x500, 0, "Pro Neg. Std"},
    {MatchValue, 0x501, 0, "Pro Neg. Hi"},
    {MatchValue, 0x600, 0, "Classic Chrome"},
    {MatchValue, 0x700, 0, "Eterna"},
    {MatchValue, 0x800, 0, "Classic Negative"},
    {MatchValue, 0x900, 0, "Eterna Bleach Bypass"},
    {MatchValue, 0xA00, 0, "Nostalgic Negative"},
};
const ValueName kDynamicRangeSetting[] = {
    {MatchValue, 0x000, 0, "Auto (100-400%)"},
    {MatchValue, 0x001, 0, "Manual"},
    {MatchValue, 0x100, 0, "Standard (100%)"},
    {MatchValue, 0x200, 0, "Wide 1 (230%)"},
    {MatchValue, 0x201, 0, "Wide 2 (400%)"},
    {MatchValue, 0x8000, 0, "Film Simulation"},
};

const TagDef kFujifilmTagTable[] = {
    TagDef(0x0000, "Version").withDerived(DerivedNote::Text),
    {0x0010, "InternalSerialNumber"},
    {0x1000, "Quality"},
    {0x1001, "Sharpness", kSharpness},
    {0x1002, "WhiteBalance", kWhiteBalance},
    {0x1003, "Saturation", kSaturation},
    {0x1004, "Contrast", kTone},
    {0x1005, "ColorTemperature"},
    {0x1006, "Contrast", kContrast},
    {0x100A, "WhiteBalanceFineTune"},
    {0x100B, "NoiseReduction", kNoiseReduction},
    {0x100E, "HighISONoiseReduction", kHighIsoNoiseReduction},
    {0x1010, "FujiFlashMode", kFlashMode},
    {0x1011, "FlashExposureComp"},
    {0x1020, "Macro", kOffOn},
    {0x1021, "FocusMode", kFocusMode},
    {0x1022, "AFMode"},
    {0x1023, "FocusPixel"},
    {0x1030, "SlowSync", kOffOn},
    {0x1031, "PictureMode", kPictureMode},
    {0x1032, "ExposureCount"},
    {0x1033, "EXRAuto", kExrAuto},
    {0x1034, "EXRMode", kExrMode},
    {0x1100, "AutoBracketing", kAutoBracketing},
    {0x1101, "SequenceNumber"},
    {0x1210, "ColorMode", kColorMode},
    {0x1300, "BlurWarning", kBlurWarning},
    {0x1301, "FocusWarning", kFocusWarning},
    {0x1302, "ExposureWarning", kExposureWarning},
    {0x1304, "GEImageSize"},
    {0x1400, "DynamicRange", kDynamicRange},
    {0x1401, "FilmMode", kFilmMode},
    {0x1402, "DynamicRangeSetting", kDynamicRangeSetting},
    {0x1403, "DevelopmentDynamicRange"},
    {0x1404, "MinFocalLength"},
    {0x1405, "MaxFocalLength"},
    {0x1406, "MaxApertureAtMinFocal"},
    {0x1407, "MaxApertureAtMaxFocal"},
    {0x140B, "AutoDynamicRange"},
    {0x4100, "FacesDetected"},
    {0x4103, "FacePositions"},
    {0x4282, "FaceRecInfo"},
    {0x8000, "FileSource"},
    {0x8002, "OrderNumber"},
    {0x8003, "FrameNumber"},
    {0xB211, "Parallax"},
};
// clang-format on

}  // namespace

constinit const TagTable kFujifilmTags{"Fujifilm", kFujifilmTagTable};

// "FUJIFILM" and the offset of the IFD from the note's start; the note is little-endian
// whatever the Exif block's order, and its offsets count from its own start.
constinit const MakerNoteFormat kFujifilmMakerNote{.vendor = "Fujifilm",
                                                   .signature = "FUJIFILM",
                                                   .ifdStart = IfdStart::Pointer,
                                                   .ifdAt = 8,
                                                   .base = OffsetBase::Note,
                                                   .order = NoteByteOrder::Intel,
                                                   .tags = &kFujifilmTags};

}  // namespace brevino
