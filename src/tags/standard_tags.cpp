// The standard tag dictionaries (primary, Exif, interoperability, GPS) and their value names.
#include "tags/tag_dictionary.h"

namespace brevino {
namespace {

constexpr TypeSet kByte = typeBit(TiffType::Byte);
constexpr TypeSet kAscii = typeBit(TiffType::Ascii);
constexpr TypeSet kText = TiffType::Ascii | TiffType::Utf8;  // ASCII, or UTF-8 as Exif 3.0 allows
constexpr TypeSet kShort = typeBit(TiffType::Short);
constexpr TypeSet kLong = typeBit(TiffType::Long);
constexpr TypeSet kShortOrLong = TiffType::Short | TiffType::Long;
constexpr TypeSet kRational = typeBit(TiffType::Rational);
constexpr TypeSet kSRational = typeBit(TiffType::SRational);
constexpr TypeSet kUndefined = typeBit(TiffType::Undefined);

// clang-format off
// Exif's two values, then those of TIFF files and raw files.
const ValueName kCompressionNames[] = {
    {MatchValue, 1, 0, "非圧縮"},
    {MatchValue, 6, 0, "JPEG 圧縮（サムネイルのみ）"},
    {MatchValue, 2, 0, "CCITT modified Huffman RLE"},
    {MatchValue, 3, 0, "CCITT Group 3 fax"},
    {MatchValue, 4, 0, "CCITT Group 4 fax"},
    {MatchValue, 5, 0, "LZW"},
    {MatchValue, 7, 0, "JPEG"},
    {MatchValue, 8, 0, "Deflate"},
    {MatchValue, 32773, 0, "PackBits"},
    {MatchValue, 32946, 0, "Deflate (old code)"},
    {MatchValue, 34892, 0, "Lossy JPEG"},
    {MatchValue, 52546, 0, "JPEG XL"},
    {MatchValue, 32769, 0, "Nikon NEF packed"},
    {MatchValue, 34713, 0, "Nikon NEF compressed"},
};

// Exif's two values, then those of TIFF files and raw files.
const ValueName kPhotometricInterpretationNames[] = {
    {MatchValue, 2, 0, "RGB"},
    {MatchValue, 6, 0, "YCbCr"},
    {MatchValue, 0, 0, "WhiteIsZero"},
    {MatchValue, 1, 0, "BlackIsZero"},
    {MatchValue, 3, 0, "RGB palette"},
    {MatchValue, 4, 0, "Transparency mask"},
    {MatchValue, 5, 0, "Separated (CMYK)"},
    {MatchValue, 8, 0, "CIE L*a*b*"},
    {MatchValue, 9, 0, "ICC L*a*b*"},
    {MatchValue, 10, 0, "ITU L*a*b*"},
    {MatchValue, 32803, 0, "Color filter array"},
    {MatchValue, 34892, 0, "Linear raw"},
    {MatchValue, 51177, 0, "Depth map"},
    {MatchValue, 52527, 0, "Photometric mask"},
};

const ValueName kOrientationNames[] = {
    {MatchValue, 1, 0, "0 番目の行が目で見たときの画像の上（visual top）、0 番目の列が左側（visual left-hand side）"},
    {MatchValue, 2, 0, "0 番目の行が目で見たときの画像の上、0 番目の列が右側（visual right-hand side）"},
    {MatchValue, 3, 0, "0 番目の行が目で見たときの画像の下（visual bottom）、0 番目の列が右側"},
    {MatchValue, 4, 0, "0 番目の行が目で見たときの画像の下、0 番目の列が左側"},
    {MatchValue, 5, 0, "0 番目の行が目で見たときの画像の左側、0 番目の列が上"},
    {MatchValue, 6, 0, "0 番目の行が目で見たときの画像の右側、0 番目の列が上"},
    {MatchValue, 7, 0, "0 番目の行が目で見たときの画像の右側、0 番目の列が下"},
    {MatchValue, 8, 0, "0 番目の行が目で見たときの画像の左側、0 番目の列が下"},
};

const ValueName kPlanarConfigurationNames[] = {
    {MatchValue, 1, 0, "点順次（chunky）フォーマット"},
    {MatchValue, 2, 0, "面順次（planar）フォーマット"},
};

const ValueName kYCbCrSubSamplingNames[] = {
    {MatchLastPair, 2, 1, "YCbCr4:2:2"},
    {MatchLastPair, 2, 2, "YCbCr4:2:0"},
};

const ValueName kYCbCrPositioningNames[] = {
    {MatchValue, 1, 0, "中心"},
    {MatchValue, 2, 0, "一致（cosited）"},
};

const ValueName kResolutionUnitNames[] = {
    {MatchValue, 2, 0, "インチ"},
    {MatchValue, 3, 0, "センチメートル"},
};

const ValueName kExposureProgramNames[] = {
    {MatchValue, 0, 0, "未定義"},
    {MatchValue, 1, 0, "マニュアル"},
    {MatchValue, 2, 0, "ノーマルプログラム"},
    {MatchValue, 3, 0, "露出優先"},
    {MatchValue, 4, 0, "シャッター優先"},
    {MatchValue, 5, 0, "creative プログラム（被写界深度方向にバイアス）"},
    {MatchValue, 6, 0, "action プログラム（シャッタースピード高速側にバイアス）"},
    {MatchValue, 7, 0, "ポートレイトモード（クローズアップ撮影、背景はフォーカス外す）"},
    {MatchValue, 8, 0, "ランズケープモード（landscape 撮影、背景はフォーカス合う）"},
};

const ValueName kMeteringModeNames[] = {
    {MatchValue, 0, 0, "不明"},
    {MatchValue, 1, 0, "平均 （Average）"},
    {MatchValue, 2, 0, "中央重点 （CenterWeightedAverage）"},
    {MatchValue, 3, 0, "スポット （Spot）"},
    {MatchValue, 4, 0, "マルチスポット （MutiSpot）"},
    {MatchValue, 5, 0, "分割測光 （Pattern）"},
    {MatchValue, 6, 0, "部分測光 （Partial）"},
    {MatchValue, 255, 0, "その他"},
};

}  // namespace

// Shared with the calibration illuminants of raw files (tiff_tags.cpp).
constinit const ValueName kLightSourceNames[22] = {
    {MatchValue, 0, 0, "不明"},
    {MatchValue, 1, 0, "昼光"},
    {MatchValue, 2, 0, "蛍光灯"},
    {MatchValue, 3, 0, "タングステン"},
    {MatchValue, 17, 0, "標準光 A"},
    {MatchValue, 18, 0, "標準光 B"},
    {MatchValue, 19, 0, "標準光 C"},
    {MatchValue, 20, 0, "D55"},
    {MatchValue, 21, 0, "D65"},
    {MatchValue, 22, 0, "D75"},
    {MatchValue, 255, 0, "その他"},
    {MatchValue, 4, 0, "フラッシュ"},
    {MatchValue, 9, 0, "晴天"},
    {MatchValue, 10, 0, "曇天"},
    {MatchValue, 11, 0, "日陰"},
    {MatchValue, 12, 0, "昼光色蛍光灯（D 5700 - 7100K）"},
    {MatchValue, 13, 0, "昼白色蛍光灯（N 4600 - 5500K）"},
    {MatchValue, 14, 0, "白色蛍光灯（W 3800 - 4500K）"},
    {MatchValue, 15, 0, "温白色蛍光灯（WW 3250 - 3800K）"},
    {MatchValue, 16, 0, "電球色蛍光灯（L 2600 - 3250K）"},
    {MatchValue, 23, 0, "D50"},
    {MatchValue, 24, 0, "ISO スタジオタングステン"},
};

namespace {

// Bit 0 of the flash value tells whether the flash fired; the other bits its mode.
const ValueName kFlashNames[] = {
    {MatchLowBit, 0, 0, "ストロボ発光せず"},
    {MatchLowBit, 1, 0, "ストロボ発光"},
};

const ValueName kColorSpaceNames[] = {
    {MatchValue, 1, 0, "sRGB"},
    {MatchValue, 65535, 0, "Uncalibrated"},
};

const ValueName kSensingMethodNames[] = {
    {MatchValue, 1, 0, "未定義"},
    {MatchValue, 2, 0, "単板カラーセンサ"},
    {MatchValue, 3, 0, "2 板カラーセンサ"},
    {MatchValue, 4, 0, "3 板カラーセンサ"},
    {MatchValue, 5, 0, "色順次カラーセンサ"},
    {MatchValue, 7, 0, "3 線リニアセンサ"},
    {MatchValue, 8, 0, "色順次リニアセンサ"},
};

// Shared by the position and the destination.
const ValueName kGpsLatitudeRefNames[] = {
    {MatchCharacter, 78, 0, "北緯"},  // 'N'
    {MatchCharacter, 83, 0, "南緯"},  // 'S'
};

const ValueName kGpsLongitudeRefNames[] = {
    {MatchCharacter, 69, 0, "東経"},  // 'E'
    {MatchCharacter, 87, 0, "西経"},  // 'W'
};

const ValueName kGpsAltitudeRefNames[] = {
    {MatchValue, 0, 0, "海抜基準"},
    {MatchValue, 1, 0, "海抜基準（海面下）"},
    {MatchValue, 2, 0, "海抜（正の値）"},
    {MatchValue, 3, 0, "海抜（負の値）"},
};

const ValueName kGpsStatusNames[] = {
    {MatchCharacter, 65, 0, "測位中"},  // 'A'
    {MatchCharacter, 86, 0, "未測位（中断中）"},  // 'V'
};

const ValueName kGpsMeasureModeNames[] = {
    {MatchCharacter, 50, 0, "2 次元測位中"},  // '2'
    {MatchCharacter, 51, 0, "3 次元測位中"},  // '3'
};

const ValueName kGpsSpeedRefNames[] = {
    {MatchCharacter, 75, 0, "キロメータ"},  // 'K'
    {MatchCharacter, 77, 0, "マイル"},  // 'M'
    {MatchCharacter, 78, 0, "ノット"},  // 'N'
};

// Shared by the track, the image direction and the destination's bearing.
const ValueName kGpsBearingRefNames[] = {
    {MatchCharacter, 84, 0, "真方位"},  // 'T'
    {MatchCharacter, 77, 0, "磁気方位"},  // 'M'
};

const ValueName kGpsDestDistanceRefNames[] = {
    {MatchCharacter, 75, 0, "キロメートル"},  // 'K'
    {MatchCharacter, 77, 0, "マイル"},  // 'M'
    {MatchCharacter, 78, 0, "海里"},  // 'N'
};

const ValueName kComponentsConfigurationNames[] = {
    {MatchFirstPair, 1, 2, "YCbCr"},
    {MatchFirstPair, 4, 5, "RGB"},
};

const ValueName kFileSourceNames[] = {
    {MatchValue, 0, 0, "その他"},
    {MatchValue, 1, 0, "透過型スキャナ"},
    {MatchValue, 2, 0, "反射型スキャナ"},
    {MatchValue, 3, 0, "DSC"},
};

const ValueName kSceneTypeNames[] = {
    {MatchValue, 1, 0, "直接撮影された画像"},
};

const ValueName kSensitivityTypeNames[] = {
    {MatchValue, 0, 0, "不明"},
    {MatchValue, 1, 0, "標準出力感度（SOS）"},
    {MatchValue, 2, 0, "推奨露光指数（REI）"},
    {MatchValue, 3, 0, "ISO スピード"},
    {MatchValue, 4, 0, "標準出力感度（SOS）と推奨露光指数（REI）"},
    {MatchValue, 5, 0, "標準出力感度（SOS）と ISO スピード"},
    {MatchValue, 6, 0, "推奨露光指数（REI）と ISO スピード"},
    {MatchValue, 7, 0, "標準出力感度（SOS）と推奨露光指数（REI）と ISO スピード"},
};

const ValueName kCustomRenderedNames[] = {
    {MatchValue, 0, 0, "通常処理"},
    {MatchValue, 1, 0, "特殊処理"},
};

const ValueName kExposureModeNames[] = {
    {MatchValue, 0, 0, "露出自動"},
    {MatchValue, 1, 0, "露出マニュアル"},
    {MatchValue, 2, 0, "オートブラケット"},
};

const ValueName kWhiteBalanceNames[] = {
    {MatchValue, 0, 0, "ホワイトバランス自動"},
    {MatchValue, 1, 0, "ホワイトバランスマニュアル"},
};

const ValueName kDigitalZoomRatioNames[] = {
    {MatchValue, 0, 0, "デジタルズーム未使用"},
};

const ValueName kFocalLengthIn35mmFilmNames[] = {
    {MatchValue, 0, 0, "不明"},
};

const ValueName kSceneCaptureTypeNames[] = {
    {MatchValue, 0, 0, "標準"},
    {MatchValue, 1, 0, "風景"},
    {MatchValue, 2, 0, "人物"},
    {MatchValue, 3, 0, "夜景"},
};

const ValueName kGainControlNames[] = {
    {MatchValue, 0, 0, "なし"},
    {MatchValue, 1, 0, "弱い増感"},
    {MatchValue, 2, 0, "強い増感"},
    {MatchValue, 3, 0, "弱い減感"},
    {MatchValue, 4, 0, "強い減感"},
};

const ValueName kContrastNames[] = {
    {MatchValue, 0, 0, "標準"},
    {MatchValue, 1, 0, "軟調"},
    {MatchValue, 2, 0, "硬調"},
};

const ValueName kSaturationNames[] = {
    {MatchValue, 0, 0, "標準"},
    {MatchValue, 1, 0, "低彩度"},
    {MatchValue, 2, 0, "高彩度"},
};

const ValueName kSharpnessNames[] = {
    {MatchValue, 0, 0, "標準"},
    {MatchValue, 1, 0, "弱い"},
    {MatchValue, 2, 0, "強い"},
};

const ValueName kSubjectDistanceRangeNames[] = {
    {MatchValue, 0, 0, "不明"},
    {MatchValue, 1, 0, "マクロ"},
    {MatchValue, 2, 0, "近景"},
    {MatchValue, 3, 0, "遠景"},
};

const ValueName kCompositeImageNames[] = {
    {MatchValue, 0, 0, "不明"},
    {MatchValue, 1, 0, "非合成画像"},
    {MatchValue, 2, 0, "一般合成画像"},
    {MatchValue, 3, 0, "撮影時合成画像"},
};

const ValueName kGpsDifferentialNames[] = {
    {MatchValue, 0, 0, "単独測位"},
    {MatchValue, 1, 0, "ディファレンシャル補正測位"},
};

const ValueName kRatingNames[] = {
    {MatchValue, 0, 0, "評価なし"},
    {MatchValue, 1, 0, "★"},
    {MatchValue, 2, 0, "★★"},
    {MatchValue, 3, 0, "★★★"},
    {MatchValue, 4, 0, "★★★★"},
    {MatchValue, 5, 0, "★★★★★"},
};

// The primary dictionary: the 0th IFD and the 1st IFD
const TagDef kPrimaryTagTable[] = {
    {0x0100, "ImageWidth", "画像の幅", kShortOrLong, 1, {}},
    {0x0101, "ImageLength", "画像の高さ", kShortOrLong, 1, {}},
    {0x0102, "BitsPerSample", "画像のビットの深さ", kShort, 3, {}},
    {0x0103, "Compression", "圧縮の種類", kShort, 1, kCompressionNames},
    {0x0106, "PhotometricInterpretation", "画素構成", kShort, 1, kPhotometricInterpretationNames},
    {0x0112, "Orientation", "画像方向", kShort, 1, kOrientationNames},
    {0x0115, "SamplesPerPixel", "コンポーネント数", kShort, 1, {}},
    {0x011C, "PlanarConfiguration", "画像データの並び", kShort, 1, kPlanarConfigurationNames},
    {0x0212, "YCbCrSubSampling", "YCC の画素構成（C の間引き率)", kShort, 2, kYCbCrSubSamplingNames},
    {0x0213, "YCbCrPositioning", "YCC の画素構成（Y とC の位置)", kShort, 1, kYCbCrPositioningNames},
    {0x011A, "XResolution", "画像の幅の解像度", kRational, 1, {}},
    {0x011B, "YResolution", "画像の高さの解像度", kRational, 1, {}},
    {0x0128, "ResolutionUnit", "画像の幅と高さの解像度の単位", kShort, 1, kResolutionUnitNames},
    {0x0111, "StripOffsets", "画像データのロケーション", kShortOrLong, 0, {}},
    {0x0116, "RowsPerStrip", "ストリップ中のライン数", kShortOrLong, 1, {}},
    {0x0117, "StripByteCounts", "ストリップのデータ量", kShortOrLong, 0, {}},
    {0x0201, "JPEGInterchangeFormat", "JPEG のSOI へのオフセット", kLong, 1, {}},
    {0x0202, "JPEGInterchangeFormatLength", "JPEG データのバイト数", kLong, 1, {}},
    {0x012D, "TransferFunction", "再生階調カーブ特性", kShort, 768, {}},
    {0x013E, "WhitePoint", "参照白色点の色度座標値", kRational, 2, {}},
    {0x013F, "PrimaryChromaticities", "原色の色度座標値", kRational, 6, {}},
    {0x0211, "YCbCrCoefficients", "色変換マトリクス係数", kRational, 3, {}},
    {0x0214, "ReferenceBlackWhite", "参照黒色点値と参照白色点値", kRational, 6, {}},
    {0x0132, "DateTime", "ファイル変更日時", kAscii, 20, {}},
    {0x010E, "ImageDescription", "画像タイトル", kText, 0, {}},
    {0x010F, "Make", "画像入力機器のメーカー名", kText, 0, {}},
    {0x0110, "Model", "画像入力機器のモデル名", kText, 0, {}},
    {0x0131, "Software", "使用ソフトウェア名", kText, 0, {}},
    {0x013B, "Artist", "作者名", kText, 0, {}},
    {0x8298, "Copyright", "撮影著作権者/編集著作権者", kText, 0, {}},
    {0x8769, "ExifIFDPointer", "Exif IFDへのポインタ", kLong, 1, {}},
    {0x8825, "GPSInfoIFDPointer", "GPS情報IFDへのポインタ", kLong, 1, {}},
    // Tags Windows and many cameras write
    {0x9C9B, "XPTitle", "Windows タイトル", kByte, 0, {}},
    {0x9C9C, "XPComment", "Windows コメント", kByte, 0, {}},
    {0x9C9D, "XPAuthor", "Windows 作成者", kByte, 0, {}},
    {0x9C9E, "XPKeywords", "Windows キーワード", kByte, 0, {}},
    {0x9C9F, "XPSubject", "Windows 件名", kByte, 0, {}},
    {0x4746, "Rating", "Windows 評価", kShort, 1, kRatingNames},
    {0x4749, "RatingPercent", "Windows 評価（パーセント）", kShort, 1, {}},
};

// The Exif dictionary
const TagDef kExifTagTable[] = {
    {0x829A, "ExposureTime", "露出時間", kRational, 1, {}, DerivedNote::ExposureTime},
    {0x829D, "FNumber", "F ナンバー", kRational, 1, {}, DerivedNote::FNumber},
    {0x8822, "ExposureProgram", "露出プログラム", kShort, 1, kExposureProgramNames},
    {0x8824, "SpectralSensitivity", "スペクトル感度", kText, 0, {}},
    {0x8827, "PhotographicSensitivity", "ISO スピードレート", kShort, 0, {}},
    {0x8828, "OECF", "光電変換関数", kUndefined, 0, {}},
    {0x9000, "ExifVersion", "Exif バージョン", kUndefined, 4, {}},
    {0x9003, "DateTimeOriginal", "原画像データの生成日時", kAscii, 20, {}},
    {0x9004, "DateTimeDigitized", "ディジタルデータの作成日時", kAscii, 20, {}},
    {0x9101, "ComponentsConfiguration", "各コンポーネントの意味", kUndefined, 4, kComponentsConfigurationNames},
    {0x9102, "CompressedBitsPerPixel", "画像圧縮モード", kRational, 1, {}},
    {0x9201, "ShutterSpeedValue", "シャッタースピード", kSRational, 1, {}, DerivedNote::ShutterApex},
    {0x9202, "ApertureValue", "絞り値", kRational, 1, {}, DerivedNote::ApertureApex},
    {0x9203, "BrightnessValue", "輝度値", kSRational, 1, {}},
    {0x9204, "ExposureBiasValue", "露光補正値", kSRational, 1, {}, DerivedNote::ExposureBias},
    {0x9205, "MaxApertureValue", "レンズ最小Ｆ値", kRational, 1, {}},
    {0x9206, "SubjectDistance", "被写体距離", kRational, 1, {}},
    {0x9207, "MeteringMode", "測光方式", kShort, 1, kMeteringModeNames},
    {0x9208, "LightSource", "光源", kShort, 1, kLightSourceNames},
    {0x9209, "Flash", "フラッシュ", kShort, 1, kFlashNames},
    {0x920A, "FocalLength", "レンズ焦点距離", kRational, 1, {}, DerivedNote::FocalLength},
    {0x927C, "MakerNote", "メーカーノート", kUndefined, 0, {}},
    {0x9286, "UserComment", "ユーザーコメント", kUndefined, 0, {}},
    {0x9290, "SubSecTime", "DateTime のサブセック", kAscii, 0, {}},
    {0x9291, "SubSecTimeOriginal", "DateTimeOriginal のサブセック", kAscii, 0, {}},
    {0x9292, "SubSecTimeDigitized", "DateTimeDigitized のサブセック", kAscii, 0, {}},
    {0xA000, "FlashpixVersion", "対応フラッシュピックスバージョン", kUndefined, 4, {}},
    {0xA001, "ColorSpace", "色空間情報", kShort, 1, kColorSpaceNames},
    {0xA002, "PixelXDimension", "実効画像幅", kShortOrLong, 1, {}},
    {0xA003, "PixelYDimension", "実効画像高さ", kShortOrLong, 1, {}},
    {0xA004, "RelatedSoundFile", "関連音声ファイル", kAscii, 13, {}},
    {0xA005, "InteroperabilityIFDPointer", "互換性IFD へのポインタ", kLong, 1, {}},
    {0xA20B, "FlashEnergy", "フラッシュ強度", kRational, 1, {}},
    {0xA20C, "SpatialFrequencyResponse", "空間周波数応答", kUndefined, 0, {}},
    {0xA20E, "FocalPlaneXResolution", "焦点面の幅の解像度", kRational, 1, {}},
    {0xA20F, "FocalPlaneYResolution", "焦点面の高さの解像度", kRational, 1, {}},
    {0xA210, "FocalPlaneResolutionUnit", "焦点面解像度単位", kShort, 1, kResolutionUnitNames},
    {0xA214, "SubjectLocation", "被写体位置", kShort, 2, {}},
    {0xA215, "ExposureIndex", "露出インデックス", kRational, 1, {}},
    {0xA217, "SensingMethod", "センサー方式", kShort, 1, kSensingMethodNames},
    {0xA300, "FileSource", "ファイルソース", kUndefined, 1, kFileSourceNames},
    {0xA301, "SceneType", "シーンタイプ", kUndefined, 1, kSceneTypeNames},
    {0xA302, "CFAPattern", "CFA パターン", kUndefined, 0, {}},
    {0x8830, "SensitivityType", "感度種別", kShort, 1, kSensitivityTypeNames},
    {0x8831, "StandardOutputSensitivity", "標準出力感度", kLong, 1, {}},
    {0x8832, "RecommendedExposureIndex", "推奨露光指数", kLong, 1, {}},
    {0x8833, "ISOSpeed", "ISO スピード", kLong, 1, {}},
    {0x8834, "ISOSpeedLatitudeyyy", "ISO スピードラチチュード yyy", kLong, 1, {}},
    {0x8835, "ISOSpeedLatitudezzz", "ISO スピードラチチュード zzz", kLong, 1, {}},
    {0x9010, "OffsetTime", "DateTime の時差データ", kAscii, 7, {}},
    {0x9011, "OffsetTimeOriginal", "DateTimeOriginal の時差データ", kAscii, 7, {}},
    {0x9012, "OffsetTimeDigitized", "DateTimeDigitized の時差データ", kAscii, 7, {}},
    {0x9214, "SubjectArea", "被写体領域", kShort, 0, {}},
    {0x9400, "Temperature", "温度", kSRational, 1, {}},
    {0x9401, "Humidity", "湿度", kRational, 1, {}},
    {0x9402, "Pressure", "気圧", kRational, 1, {}},
    {0x9403, "WaterDepth", "水深", kSRational, 1, {}},
    {0x9404, "Acceleration", "加速度", kRational, 1, {}},
    {0x9405, "CameraElevationAngle", "カメラの仰俯角", kSRational, 1, {}},
    {0xA401, "CustomRendered", "個別画像処理", kShort, 1, kCustomRenderedNames},
    {0xA402, "ExposureMode", "露出モード", kShort, 1, kExposureModeNames},
    {0xA403, "WhiteBalance", "ホワイトバランス", kShort, 1, kWhiteBalanceNames},
    {0xA404, "DigitalZoomRatio", "デジタルズーム倍率", kRational, 1, kDigitalZoomRatioNames},
    {0xA405, "FocalLengthIn35mmFilm", "35mm 換算レンズ焦点距離", kShort, 1, kFocalLengthIn35mmFilmNames},
    {0xA406, "SceneCaptureType", "撮影シーンタイプ", kShort, 1, kSceneCaptureTypeNames},
    {0xA407, "GainControl", "ゲイン制御", kShort, 1, kGainControlNames},
    {0xA408, "Contrast", "撮影コントラスト", kShort, 1, kContrastNames},
    {0xA409, "Saturation", "撮影彩度", kShort, 1, kSaturationNames},
    {0xA40A, "Sharpness", "撮影シャープネス", kShort, 1, kSharpnessNames},
    {0xA40B, "DeviceSettingDescription", "撮影条件記述情報", kUndefined, 0, {}},
    {0xA40C, "SubjectDistanceRange", "被写体距離レンジ", kShort, 1, kSubjectDistanceRangeNames},
    {0xA420, "ImageUniqueID", "画像ユニークID", kAscii, 33, {}},
    {0xA430, "CameraOwnerName", "カメラ所有者名", kText, 0, {}},
    {0xA431, "BodySerialNumber", "カメラシリアル番号", kAscii, 0, {}},
    {0xA432, "LensSpecification", "レンズの仕様情報", kRational, 4, {}},
    {0xA433, "LensMake", "レンズのメーカ名", kText, 0, {}},
    {0xA434, "LensModel", "レンズのモデル名", kText, 0, {}},
    {0xA435, "LensSerialNumber", "レンズシリアル番号", kAscii, 0, {}},
    {0xA436, "ImageTitle", "タイトル名", kText, 0, {}},
    {0xA437, "Photographer", "撮影者名", kText, 0, {}},
    {0xA438, "ImageEditor", "画像編集者名", kText, 0, {}},
    {0xA439, "CameraFirmware", "カメラのファームウェア", kText, 0, {}},
    {0xA43A, "RAWDevelopingSoftware", "RAW 現像ソフトウェア名", kText, 0, {}},
    {0xA43B, "ImageEditingSoftware", "画像編集ソフトウェア名", kText, 0, {}},
    {0xA43C, "MetadataEditingSoftware", "メタデータ編集ソフトウェア名", kText, 0, {}},
    {0xA460, "CompositeImage", "合成画像", kShort, 1, kCompositeImageNames},
    {0xA461, "SourceImageNumberOfCompositeImage", "合成画像の元画像数", kShort, 2, {}},
    {0xA462, "SourceExposureTimesOfCompositeImage", "合成画像の元画像露出時間", kUndefined, 0, {}},
    {0xA500, "Gamma", "再生ガンマ", kRational, 1, {}},
};

// The interoperability dictionary
const TagDef kInteropTagTable[] = {
    {0x0001, "InteroperabilityIndex", "互換性識別子", kAscii, 0, {}},
    {0x0002, "InteroperabilityVersion", "互換性バージョン", kUndefined, 4, {}},
    {0x1000, "RelatedImageFileFormat", "関連画像フォーマット", kAscii, 0, {}},
    {0x1001, "RelatedImageWidth", "関連画像幅", kShortOrLong, 1, {}},
    {0x1002, "RelatedImageLength", "関連画像高さ", kShortOrLong, 1, {}},
};

// The GPS dictionary
const TagDef kGpsTagTable[] = {
    {0x0000, "GPSVersionID", "GPS タグのバージョン", kByte, 4, {}},
    {0x0001, "GPSLatitudeRef", "北緯(N)or南緯(S)", kAscii, 2, kGpsLatitudeRefNames},
    {0x0002, "GPSLatitude", "緯度（数値）", kRational, 3, {}},
    {0x0003, "GPSLongitudeRef", "東経(E)or西経(W)", kAscii, 2, kGpsLongitudeRefNames},
    {0x0004, "GPSLongitude", "経度（数値）", kRational, 3, {}},
    {0x0005, "GPSAltitudeRef", "高度の単位", kByte, 1, kGpsAltitudeRefNames},
    {0x0006, "GPSAltitude", "高度（数値）", kRational, 1, {}},
    {0x0007, "GPSTimeStamp", "GPS 時間（原子時計の時間）", kRational, 3, {}},
    {0x0008, "GPSSatellites", "測位に使った衛星信号", kAscii, 0, {}},
    {0x0009, "GPSStatus", "GPS 受信機の状態", kAscii, 2, kGpsStatusNames},
    {0x000A, "GPSMeasureMode", "GPS の測位方法", kAscii, 2, kGpsMeasureModeNames},
    {0x000B, "GPSDOP", "測位の信頼性", kRational, 1, {}},
    {0x000C, "GPSSpeedRef", "速度の単位", kAscii, 2, kGpsSpeedRefNames},
    {0x000D, "GPSSpeed", "速度（数値）", kRational, 1, {}},
    {0x000E, "GPSTrackRef", "進行方向の単位", kAscii, 2, kGpsBearingRefNames},
    {0x000F, "GPSTrack", "進行方向（数値）", kRational, 1, {}},
    {0x0010, "GPSImgDirectionRef", "撮影した画像の方向の単位", kAscii, 2, kGpsBearingRefNames},
    {0x0011, "GPSImgDirection", "撮影した画像の方向（数値）", kRational, 1, {}},
    {0x0012, "GPSMapDatum", "測位に用いた地図データ", kAscii, 0, {}},
    {0x0013, "GPSDestLatitudeRef", "目的地の北緯(N)or南緯(S)", kAscii, 2, kGpsLatitudeRefNames},
    {0x0014, "GPSDestLatitude", "目的地の緯度（数値）", kRational, 3, {}},
    {0x0015, "GPSDestLongitudeRef", "目的地の東経(E)or西経(W)", kAscii, 2, kGpsLongitudeRefNames},
    {0x0016, "GPSDestLongitude", "目的地の経度（数値）", kRational, 3, {}},
    {0x0017, "GPSDestBearingRef", "目的地の方角の単位", kAscii, 2, kGpsBearingRefNames},
    {0x0018, "GPSDestBearing", "目的の方角（数値）", kRational, 1, {}},
    {0x0019, "GPSDestDistanceRef", "目的地までの距離の単位", kAscii, 2, kGpsDestDistanceRefNames},
    {0x001A, "GPSDestDistance", "目的地までの距離（数値）", kRational, 1, {}},
    {0x001B, "GPSProcessingMethod", "測位方式の名称", kUndefined, 0, {}},
    {0x001C, "GPSAreaInformation", "測位地点の名称", kUndefined, 0, {}},
    {0x001D, "GPSDateStamp", "GPS 日付", kAscii, 11, {}},
    {0x001E, "GPSDifferential", "GPS 補正測位", kShort, 1, kGpsDifferentialNames},
    {0x001F, "GPSHPositioningError", "水平方向測位誤差", kRational, 1, {}},
};

// clang-format on

}  // namespace

constinit const TagTable kPrimaryTags{"0th", kPrimaryTagTable, {}, {}, nullptr, {}, &kTiffTags};
constinit const TagTable kExifTags{"Exif", kExifTagTable};
constinit const TagTable kInteropTags{"Interop", kInteropTagTable};
constinit const TagTable kGpsTags{"GPS", kGpsTagTable};

}  // namespace brevino
