// The TIFF and DNG tags met in the 0th IFD (and its sub-IFDs) of TIFF files and TIFF-based raw
// files, beyond those the primary dictionary names: image structure (tiles, sub-IFDs, sample
// formats, free space), document and page tags, embedded XMP, IPTC, Photoshop and ICC blocks,
// the colour filter array, and every tag of the raw-file format (DNG versions 1.0 to 1.7).
// Their names are English, as none of them has a name in the Exif tables.
#include "tags/tag_dictionary.h"

namespace brevino {
namespace {

constexpr TypeSet kByte = typeBit(TiffType::Byte);
constexpr TypeSet kAscii = typeBit(TiffType::Ascii);
constexpr TypeSet kShort = typeBit(TiffType::Short);
constexpr TypeSet kLong = typeBit(TiffType::Long);
constexpr TypeSet kRational = typeBit(TiffType::Rational);
constexpr TypeSet kSShort = typeBit(TiffType::SShort);
constexpr TypeSet kSRational = typeBit(TiffType::SRational);
constexpr TypeSet kUndefined = typeBit(TiffType::Undefined);
constexpr TypeSet kFloat = typeBit(TiffType::Float);
constexpr TypeSet kDouble = typeBit(TiffType::Double);
constexpr TypeSet kShortOrLong = TiffType::Short | TiffType::Long;
constexpr TypeSet kByteOrShort = TiffType::Byte | TiffType::Short;
// Text the raw-file format allows as ASCII or as BYTE holding UTF-8.
constexpr TypeSet kAsciiOrByte = TiffType::Ascii | TiffType::Byte;
constexpr TypeSet kByteOrUndefined = TiffType::Byte | TiffType::Undefined;
constexpr TypeSet kLongOrIfd = TiffType::Long | TiffType::Ifd;
constexpr TypeSet kShortLongOrRational = static_cast<TypeSet>(kShortOrLong | kRational);
constexpr TypeSet kShortOrRational = TiffType::Short | TiffType::Rational;
constexpr TypeSet kRationalOrAscii = TiffType::Rational | TiffType::Ascii;
// IPTC blocks are written as LONG (so that they stay aligned), UNDEFINED, BYTE or ASCII.
constexpr TypeSet kIptc = static_cast<TypeSet>(kLong | kUndefined | kByte | kAscii);
// Sample values in whatever numeric type the samples have.
constexpr TypeSet kAnyNumber =
    static_cast<TypeSet>(kByte | kShort | kLong | kRational | typeBit(TiffType::SByte) | kSShort |
                         typeBit(TiffType::SLong) | kSRational | kFloat | kDouble);

// clang-format off
// Bit flags: bit 0 a reduced-resolution copy of another image, bit 1 a page of a multi-page
// document, bit 2 a transparency mask, bit 3 a depth map, bit 4 enhanced image data; the
// values below are the combinations in use.
const ValueName kNewSubfileTypeNames[] = {
    {MatchValue, 0, 0, "Full-resolution image"},
    {MatchValue, 1, 0, "Reduced-resolution image"},
    {MatchValue, 2, 0, "Single page of a multi-page image"},
    {MatchValue, 4, 0, "Transparency mask"},
    {MatchValue, 5, 0, "Transparency mask of a reduced-resolution image"},
    {MatchValue, 8, 0, "Depth map"},
    {MatchValue, 9, 0, "Depth map of a reduced-resolution image"},
    {MatchValue, 16, 0, "Enhanced image data"},
    {MatchValue, 65537, 0, "Alternate reduced-resolution image"},
    {MatchValue, 65540, 0, "Semantic mask"},
    {MatchValue, 65541, 0, "Semantic mask of a reduced-resolution image"},
};

const ValueName kSubfileTypeNames[] = {
    {MatchValue, 1, 0, "Full-resolution image data"},
    {MatchValue, 2, 0, "Reduced-resolution image data"},
    {MatchValue, 3, 0, "Single page of a multi-page image"},
};

const ValueName kThresholdingNames[] = {
    {MatchValue, 1, 0, "No dithering or halftoning applied"},
    {MatchValue, 2, 0, "Ordered dither or halftone applied"},
    {MatchValue, 3, 0, "Randomized process (error diffusion) applied"},
};

const ValueName kFillOrderNames[] = {
    {MatchValue, 1, 0, "Lower columns in the higher-order bits of a byte"},
    {MatchValue, 2, 0, "Lower columns in the lower-order bits of a byte"},
};

const ValueName kGrayResponseUnitNames[] = {
    {MatchValue, 1, 0, "Tenths of a unit"},
    {MatchValue, 2, 0, "Hundredths of a unit"},
    {MatchValue, 3, 0, "Thousandths of a unit"},
    {MatchValue, 4, 0, "Ten-thousandths of a unit"},
    {MatchValue, 5, 0, "Hundred-thousandths of a unit"},
};

const ValueName kPredictorNames[] = {
    {MatchValue, 1, 0, "No prediction"},
    {MatchValue, 2, 0, "Horizontal differencing"},
    {MatchValue, 3, 0, "Floating-point horizontal differencing"},
    {MatchValue, 34892, 0, "Horizontal differencing, 2 pixels"},
    {MatchValue, 34893, 0, "Horizontal differencing, 4 pixels"},
    {MatchValue, 34894, 0, "Floating-point horizontal differencing, 2 pixels"},
    {MatchValue, 34895, 0, "Floating-point horizontal differencing, 4 pixels"},
};

const ValueName kInkSetNames[] = {
    {MatchValue, 1, 0, "CMYK"},
    {MatchValue, 2, 0, "Not CMYK"},
};

const ValueName kExtraSamplesNames[] = {
    {MatchValue, 0, 0, "Unspecified data"},
    {MatchValue, 1, 0, "Associated alpha (premultiplied colour)"},
    {MatchValue, 2, 0, "Unassociated alpha"},
};

const ValueName kSampleFormatNames[] = {
    {MatchValue, 1, 0, "Unsigned integer"},
    {MatchValue, 2, 0, "Signed integer (two's complement)"},
    {MatchValue, 3, 0, "IEEE floating point"},
    {MatchValue, 4, 0, "Undefined"},
};

const ValueName kIndexedNames[] = {
    {MatchValue, 0, 0, "Not indexed"},
    {MatchValue, 1, 0, "Indexed"},
};

const ValueName kOpiProxyNames[] = {
    {MatchValue, 0, 0, "No higher-resolution version"},
    {MatchValue, 1, 0, "Higher-resolution version exists"},
};

const ValueName kJpegProcNames[] = {
    {MatchValue, 1, 0, "Baseline sequential"},
    {MatchValue, 14, 0, "Lossless with Huffman coding"},
};

const ValueName kSecurityClassificationNames[] = {
    {MatchCharacter, 67, 0, "Confidential"},  // 'C'
    {MatchCharacter, 82, 0, "Restricted"},  // 'R'
    {MatchCharacter, 83, 0, "Secret"},  // 'S'
    {MatchCharacter, 84, 0, "Top secret"},  // 'T'
    {MatchCharacter, 85, 0, "Unclassified"},  // 'U'
};

const ValueName kCfaLayoutNames[] = {
    {MatchValue, 1, 0, "Rectangular (or square)"},
    {MatchValue, 2, 0, "Staggered A: even columns offset down by 1/2 row"},
    {MatchValue, 3, 0, "Staggered B: even columns offset up by 1/2 row"},
    {MatchValue, 4, 0, "Staggered C: even rows offset right by 1/2 column"},
    {MatchValue, 5, 0, "Staggered D: even rows offset left by 1/2 column"},
    {MatchValue, 6, 0, "Staggered E: even rows up by 1/2 row, even columns left by 1/2 column"},
    {MatchValue, 7, 0, "Staggered F: even rows up by 1/2 row, even columns right by 1/2 column"},
    {MatchValue, 8, 0, "Staggered G: even rows down by 1/2 row, even columns left by 1/2 column"},
    {MatchValue, 9, 0, "Staggered H: even rows down by 1/2 row, even columns right by 1/2 column"},
};

const ValueName kMakerNoteSafetyNames[] = {
    {MatchValue, 0, 0, "Unsafe"},
    {MatchValue, 1, 0, "Safe"},
};

const ValueName kColorimetricReferenceNames[] = {
    {MatchValue, 0, 0, "Scene-referred"},
    {MatchValue, 1, 0, "Output-referred (ICC profile connection space)"},
    {MatchValue, 2, 0, "Output-referred, high dynamic range"},
};

const ValueName kProfileEmbedPolicyNames[] = {
    {MatchValue, 0, 0, "Allow copying"},
    {MatchValue, 1, 0, "Embed if used"},
    {MatchValue, 2, 0, "Never embed"},
    {MatchValue, 3, 0, "No restrictions"},
};

const ValueName kPreviewColorSpaceNames[] = {
    {MatchValue, 0, 0, "Unknown"},
    {MatchValue, 1, 0, "Gray gamma 2.2"},
    {MatchValue, 2, 0, "sRGB"},
    {MatchValue, 3, 0, "Adobe RGB"},
    {MatchValue, 4, 0, "ProPhoto RGB"},
};

// Shared by the hue/saturation map and the look table.
const ValueName kTableEncodingNames[] = {
    {MatchValue, 0, 0, "Linear"},
    {MatchValue, 1, 0, "sRGB"},
};

const ValueName kDefaultBlackRenderNames[] = {
    {MatchValue, 0, 0, "Auto"},
    {MatchValue, 1, 0, "None"},
};

const ValueName kDepthFormatNames[] = {
    {MatchValue, 0, 0, "Unknown"},
    {MatchValue, 1, 0, "Linear"},
    {MatchValue, 2, 0, "Inverse"},
};

const ValueName kDepthUnitsNames[] = {
    {MatchValue, 0, 0, "Unknown"},
    {MatchValue, 1, 0, "Meters"},
};

const ValueName kDepthMeasureTypeNames[] = {
    {MatchValue, 0, 0, "Unknown"},
    {MatchValue, 1, 0, "Optical axis"},
    {MatchValue, 2, 0, "Optical ray"},
};

// Count 0: any number of values (most of these hold one value per sample, colour plane,
// strip or tile).
const TagDef kTiffTagTable[] = {
    // Image structure
    {0x00FE, "NewSubfileType", "New Subfile Type", kLong, 1, kNewSubfileTypeNames},
    {0x00FF, "SubfileType", "Subfile Type", kShort, 1, kSubfileTypeNames},
    {0x0107, "Thresholding", "Thresholding", kShort, 1, kThresholdingNames},
    {0x0108, "CellWidth", "Cell Width", kShort, 1},
    {0x0109, "CellLength", "Cell Length", kShort, 1},
    {0x010A, "FillOrder", "Fill Order", kShort, 1, kFillOrderNames},
    {0x0118, "MinSampleValue", "Min Sample Value", kShort, 0},
    {0x0119, "MaxSampleValue", "Max Sample Value", kShort, 0},
    {0x0120, "FreeOffsets", "Free Offsets", kLong, 0},
    {0x0121, "FreeByteCounts", "Free Byte Counts", kLong, 0},
    {0x0122, "GrayResponseUnit", "Gray Response Unit", kShort, 1, kGrayResponseUnitNames},
    {0x0123, "GrayResponseCurve", "Gray Response Curve", kShort, 0},
    {0x0124, "T4Options", "T4 Options", kLong, 1},
    {0x0125, "T6Options", "T6 Options", kLong, 1},
    {0x013D, "Predictor", "Predictor", kShort, 1, kPredictorNames},
    {0x0140, "ColorMap", "Color Map", kShort, 0},
    {0x0141, "HalftoneHints", "Halftone Hints", kShort, 2},
    {0x0142, "TileWidth", "Tile Width", kShortOrLong, 1},
    {0x0143, "TileLength", "Tile Length", kShortOrLong, 1},
    {0x0144, "TileOffsets", "Tile Offsets", kLong, 0},
    {0x0145, "TileByteCounts", "Tile Byte Counts", kShortOrLong, 0},
    {0x014A, "SubIFDs", "Sub IFDs", kLongOrIfd, 0},
    {0x014C, "InkSet", "Ink Set", kShort, 1, kInkSetNames},
    {0x014D, "InkNames", "Ink Names", kAscii, 0},
    {0x014E, "NumberOfInks", "Number Of Inks", kShort, 1},
    {0x0150, "DotRange", "Dot Range", kByteOrShort, 0},
    {0x0151, "TargetPrinter", "Target Printer", kAscii, 0},
    {0x0152, "ExtraSamples", "Extra Samples", kShort, 0, kExtraSamplesNames},
    {0x0153, "SampleFormat", "Sample Format", kShort, 0, kSampleFormatNames},
    {0x0154, "SMinSampleValue", "S Min Sample Value", kAnyNumber, 0},
    {0x0155, "SMaxSampleValue", "S Max Sample Value", kAnyNumber, 0},
    {0x0156, "TransferRange", "Transfer Range", kShort, 6},
    {0x0157, "ClipPath", "Clip Path", kByte, 0},
    {0x0158, "XClipPathUnits", "X Clip Path Units", kLong, 1},
    {0x0159, "YClipPathUnits", "Y Clip Path Units", kLong, 1},
    {0x015A, "Indexed", "Indexed", kShort, 1, kIndexedNames},
    {0x015B, "JPEGTables", "JPEG Tables", kUndefined, 0},
    {0x015F, "OPIProxy", "OPI Proxy", kShort, 1, kOpiProxyNames},
    // Old-style JPEG compression
    {0x0200, "JPEGProc", "JPEG Proc", kShort, 1, kJpegProcNames},
    {0x0203, "JPEGRestartInterval", "JPEG Restart Interval", kShort, 1},
    {0x0205, "JPEGLosslessPredictors", "JPEG Lossless Predictors", kShort, 0},
    {0x0206, "JPEGPointTransforms", "JPEG Point Transforms", kShort, 0},
    {0x0207, "JPEGQTables", "JPEG Q Tables", kLong, 0},
    {0x0208, "JPEGDCTables", "JPEG DC Tables", kLong, 0},
    {0x0209, "JPEGACTables", "JPEG AC Tables", kLong, 0},
    // Documents, pages and their origin
    {0x010D, "DocumentName", "Document Name", kAscii, 0},
    {0x011D, "PageName", "Page Name", kAscii, 0},
    {0x011E, "XPosition", "X Position", kRational, 1},
    {0x011F, "YPosition", "Y Position", kRational, 1},
    {0x0129, "PageNumber", "Page Number", kShort, 2},
    {0x013C, "HostComputer", "Host Computer", kAscii, 0},
    {0x800D, "ImageID", "Image ID", kAscii, 0},
    // Embedded metadata blocks
    {0x02BC, "XMLPacket", "XML Packet", kByteOrUndefined, 0},
    {0x83BB, "IPTCNAA", "IPTC-NAA", kIptc, 0},
    {0x8649, "ImageResources", "Image Resources", kByteOrUndefined, 0},
    {0x8773, "InterColorProfile", "Inter Color Profile", kUndefined, 0},
    {0xC4A5, "PrintImageMatching", "Print Image Matching", kUndefined, 0},
    // Electronic photography tags of the 0th IFD
    {0x828D, "CFARepeatPatternDim", "CFA Repeat Pattern Dim", kShort, 2},
    {0x828E, "TIFFEPCFAPattern", "CFA Pattern (TIFF/EP)", kByte, 0},
    {0x828F, "BatteryLevel", "Battery Level", kRationalOrAscii, 0},
    {0x8829, "Interlace", "Interlace", kShort, 1},
    {0x882A, "TimeZoneOffset", "Time Zone Offset", kSShort, 0},
    {0x882B, "SelfTimerMode", "Self Timer Mode", kShort, 1},
    {0x920D, "Noise", "Noise", kUndefined, 0},
    {0x9211, "ImageNumber", "Image Number", kLong, 1},
    {0x9212, "SecurityClassification", "Security Classification", kAscii, 0, kSecurityClassificationNames},
    {0x9213, "ImageHistory", "Image History", kAscii, 0},
    {0x9216, "TIFFEPStandardID", "TIFF/EP Standard ID", kByte, 4},
    // Raw files (DNG 1.0 and 1.1)
    {0xC612, "DNGVersion", "DNG Version", kByte, 4},
    {0xC613, "DNGBackwardVersion", "DNG Backward Version", kByte, 4},
    {0xC614, "UniqueCameraModel", "Unique Camera Model", kAscii, 0},
    {0xC615, "LocalizedCameraModel", "Localized Camera Model", kAsciiOrByte, 0},
    {0xC616, "CFAPlaneColor", "CFA Plane Color", kByte, 0},
    {0xC617, "CFALayout", "CFA Layout", kShort, 1, kCfaLayoutNames},
    {0xC618, "LinearizationTable", "Linearization Table", kShort, 0},
    {0xC619, "BlackLevelRepeatDim", "Black Level Repeat Dim", kShort, 2},
    {0xC61A, "BlackLevel", "Black Level", kShortLongOrRational, 0},
    {0xC61B, "BlackLevelDeltaH", "Black Level Delta H", kSRational, 0},
    {0xC61C, "BlackLevelDeltaV", "Black Level Delta V", kSRational, 0},
    {0xC61D, "WhiteLevel", "White Level", kShortOrLong, 0},
    {0xC61E, "DefaultScale", "Default Scale", kRational, 2},
    {0xC61F, "DefaultCropOrigin", "Default Crop Origin", kShortLongOrRational, 2},
    {0xC620, "DefaultCropSize", "Default Crop Size", kShortLongOrRational, 2},
    {0xC621, "ColorMatrix1", "Color Matrix 1", kSRational, 0},
    {0xC622, "ColorMatrix2", "Color Matrix 2", kSRational, 0},
    {0xC623, "CameraCalibration1", "Camera Calibration 1", kSRational, 0},
    {0xC624, "CameraCalibration2", "Camera Calibration 2", kSRational, 0},
    {0xC625, "ReductionMatrix1", "Reduction Matrix 1", kSRational, 0},
    {0xC626, "ReductionMatrix2", "Reduction Matrix 2", kSRational, 0},
    {0xC627, "AnalogBalance", "Analog Balance", kRational, 0},
    {0xC628, "AsShotNeutral", "As Shot Neutral", kShortOrRational, 0},
    {0xC629, "AsShotWhiteXY", "As Shot White XY", kRational, 2},
    {0xC62A, "BaselineExposure", "Baseline Exposure", kSRational, 1},
    {0xC62B, "BaselineNoise", "Baseline Noise", kRational, 1},
    {0xC62C, "BaselineSharpness", "Baseline Sharpness", kRational, 1},
    {0xC62D, "BayerGreenSplit", "Bayer Green Split", kLong, 1},
    {0xC62E, "LinearResponseLimit", "Linear Response Limit", kRational, 1},
    {0xC62F, "CameraSerialNumber", "Camera Serial Number", kAscii, 0},
    {0xC630, "LensInfo", "Lens Info", kRational, 4},
    {0xC631, "ChromaBlurRadius", "Chroma Blur Radius", kRational, 1},
    {0xC632, "AntiAliasStrength", "Anti-Alias Strength", kRational, 1},
    {0xC633, "ShadowScale", "Shadow Scale", kRational, 1},
    {0xC634, "DNGPrivateData", "DNG Private Data", kByte, 0},
    {0xC635, "MakerNoteSafety", "Maker Note Safety", kShort, 1, kMakerNoteSafetyNames},
    {0xC65A, "CalibrationIlluminant1", "Calibration Illuminant 1", kShort, 1, kLightSourceNames},
    {0xC65B, "CalibrationIlluminant2", "Calibration Illuminant 2", kShort, 1, kLightSourceNames},
    {0xC65C, "BestQualityScale", "Best Quality Scale", kRational, 1},
    {0xC65D, "RawDataUniqueID", "Raw Data Unique ID", kByte, 16},
    {0xC68B, "OriginalRawFileName", "Original Raw File Name", kAsciiOrByte, 0},
    {0xC68C, "OriginalRawFileData", "Original Raw File Data", kUndefined, 0},
    {0xC68D, "ActiveArea", "Active Area", kShortOrLong, 4},
    {0xC68E, "MaskedAreas", "Masked Areas", kShortOrLong, 0},
    {0xC68F, "AsShotICCProfile", "As Shot ICC Profile", kUndefined, 0},
    {0xC690, "AsShotPreProfileMatrix", "As Shot Pre-Profile Matrix", kSRational, 0},
    {0xC691, "CurrentICCProfile", "Current ICC Profile", kUndefined, 0},
    {0xC692, "CurrentPreProfileMatrix", "Current Pre-Profile Matrix", kSRational, 0},
    // DNG 1.2
    {0xC6BF, "ColorimetricReference", "Colorimetric Reference", kShort, 1, kColorimetricReferenceNames},
    {0xC6F3, "CameraCalibrationSignature", "Camera Calibration Signature", kAsciiOrByte, 0},
    {0xC6F4, "ProfileCalibrationSignature", "Profile Calibration Signature", kAsciiOrByte, 0},
    {0xC6F5, "ExtraCameraProfiles", "Extra Camera Profiles", kLong, 0},
    {0xC6F6, "AsShotProfileName", "As Shot Profile Name", kAsciiOrByte, 0},
    {0xC6F7, "NoiseReductionApplied", "Noise Reduction Applied", kRational, 1},
    {0xC6F8, "ProfileName", "Profile Name", kAsciiOrByte, 0},
    {0xC6F9, "ProfileHueSatMapDims", "Profile Hue Sat Map Dims", kLong, 3},
    {0xC6FA, "ProfileHueSatMapData1", "Profile Hue Sat Map Data 1", kFloat, 0},
    {0xC6FB, "ProfileHueSatMapData2", "Profile Hue Sat Map Data 2", kFloat, 0},
    {0xC6FC, "ProfileToneCurve", "Profile Tone Curve", kFloat, 0},
    {0xC6FD, "ProfileEmbedPolicy", "Profile Embed Policy", kLong, 1, kProfileEmbedPolicyNames},
    {0xC6FE, "ProfileCopyright", "Profile Copyright", kAsciiOrByte, 0},
    {0xC714, "ForwardMatrix1", "Forward Matrix 1", kSRational, 0},
    {0xC715, "ForwardMatrix2", "Forward Matrix 2", kSRational, 0},
    {0xC716, "PreviewApplicationName", "Preview Application Name", kAsciiOrByte, 0},
    {0xC717, "PreviewApplicationVersion", "Preview Application Version", kAsciiOrByte, 0},
    {0xC718, "PreviewSettingsName", "Preview Settings Name", kAsciiOrByte, 0},
    {0xC719, "PreviewSettingsDigest", "Preview Settings Digest", kByte, 16},
    {0xC71A, "PreviewColorSpace", "Preview Color Space", kLong, 1, kPreviewColorSpaceNames},
    {0xC71B, "PreviewDateTime", "Preview Date/Time", kAscii, 0},
    {0xC71C, "RawImageDigest", "Raw Image Digest", kByte, 16},
    {0xC71D, "OriginalRawFileDigest", "Original Raw File Digest", kByte, 16},
    {0xC71E, "SubTileBlockSize", "Sub-Tile Block Size", kShortOrLong, 2},
    {0xC71F, "RowInterleaveFactor", "Row Interleave Factor", kShortOrLong, 1},
    {0xC725, "ProfileLookTableDims", "Profile Look Table Dims", kLong, 3},
    {0xC726, "ProfileLookTableData", "Profile Look Table Data", kFloat, 0},
    // DNG 1.3
    {0xC740, "OpcodeList1", "Opcode List 1", kUndefined, 0},
    {0xC741, "OpcodeList2", "Opcode List 2", kUndefined, 0},
    {0xC74E, "OpcodeList3", "Opcode List 3", kUndefined, 0},
    {0xC761, "NoiseProfile", "Noise Profile", kDouble, 0},
    // DNG 1.4
    {0xC791, "OriginalDefaultFinalSize", "Original Default Final Size", kShortOrLong, 2},
    {0xC792, "OriginalBestQualityFinalSize", "Original Best Quality Final Size", kShortOrLong, 2},
    {0xC793, "OriginalDefaultCropSize", "Original Default Crop Size", kShortLongOrRational, 2},
    {0xC7A3, "ProfileHueSatMapEncoding", "Profile Hue Sat Map Encoding", kLong, 1, kTableEncodingNames},
    {0xC7A4, "ProfileLookTableEncoding", "Profile Look Table Encoding", kLong, 1, kTableEncodingNames},
    {0xC7A5, "BaselineExposureOffset", "Baseline Exposure Offset", kSRational, 1},
    {0xC7A6, "DefaultBlackRender", "Default Black Render", kLong, 1, kDefaultBlackRenderNames},
    {0xC7A7, "NewRawImageDigest", "New Raw Image Digest", kByte, 16},
    {0xC7A8, "RawToPreviewGain", "Raw To Preview Gain", kDouble, 1},
    {0xC7B5, "DefaultUserCrop", "Default User Crop", kRational, 4},
    // DNG 1.5
    {0xC7E9, "DepthFormat", "Depth Format", kShort, 1, kDepthFormatNames},
    {0xC7EA, "DepthNear", "Depth Near", kRational, 1},
    {0xC7EB, "DepthFar", "Depth Far", kRational, 1},
    {0xC7EC, "DepthUnits", "Depth Units", kShort, 1, kDepthUnitsNames},
    {0xC7ED, "DepthMeasureType", "Depth Measure Type", kShort, 1, kDepthMeasureTypeNames},
    {0xC7EE, "EnhanceParams", "Enhance Params", kAscii, 0},
    // DNG 1.6
    {0xCD2D, "ProfileGainTableMap", "Profile Gain Table Map", kUndefined, 0},
    {0xCD2E, "SemanticName", "Semantic Name", kAsciiOrByte, 0},
    {0xCD30, "SemanticInstanceID", "Semantic Instance ID", kAsciiOrByte, 0},
    {0xCD31, "CalibrationIlluminant3", "Calibration Illuminant 3", kShort, 1, kLightSourceNames},
    {0xCD32, "CameraCalibration3", "Camera Calibration 3", kSRational, 0},
    {0xCD33, "ColorMatrix3", "Color Matrix 3", kSRational, 0},
    {0xCD34, "ForwardMatrix3", "Forward Matrix 3", kSRational, 0},
    {0xCD35, "IlluminantData1", "Illuminant Data 1", kUndefined, 0},
    {0xCD36, "IlluminantData2", "Illuminant Data 2", kUndefined, 0},
    {0xCD37, "IlluminantData3", "Illuminant Data 3", kUndefined, 0},
    {0xCD38, "MaskSubArea", "Mask Sub Area", kLong, 4},
    {0xCD39, "ProfileHueSatMapData3", "Profile Hue Sat Map Data 3", kFloat, 0},
    {0xCD3A, "ReductionMatrix3", "Reduction Matrix 3", kSRational, 0},
    {0xCD3F, "RGBTables", "RGB Tables", kUndefined, 0},
    // DNG 1.7
    {0xCD40, "ProfileGainTableMap2", "Profile Gain Table Map 2", kUndefined, 0},
    {0xCD43, "ColumnInterleaveFactor", "Column Interleave Factor", kShortOrLong, 1},
    {0xCD44, "ImageSequenceInfo", "Image Sequence Info", kUndefined, 0},
    {0xCD46, "ImageStats", "Image Stats", kUndefined, 0},
    {0xCD47, "ProfileDynamicRange", "Profile Dynamic Range", kUndefined, 0},
    {0xCD48, "ProfileGroupName", "Profile Group Name", kAsciiOrByte, 0},
    {0xCD49, "JXLDistance", "JXL Distance", kFloat, 1},
    {0xCD4A, "JXLEffort", "JXL Effort", kLong, 1},
    {0xCD4B, "JXLDecodeSpeed", "JXL Decode Speed", kLong, 1},
};
// clang-format on

}  // namespace

constinit const TagTable kTiffTags{"TIFF", kTiffTagTable};

}  // namespace brevino
