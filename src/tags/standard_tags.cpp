// The standard tag dictionaries (primary, Exif, interoperability, GPS) and their value names.
#include "tags/tag_dictionary.h"

namespace brevino {
namespace {

// clang-format off
const ValueName kCompressionNames[] = {
    {MatchNumber, 1, 0, "非圧縮"},
    {MatchNumber, 6, 0, "JPEG 圧縮（サムネイルのみ）"},
};

const ValueName kPhotometricInterpretationNames[] = {
    {MatchNumber, 2, 0, "RGB"},
    {MatchNumber, 6, 0, "YCbCr"},
};

const ValueName kOrientationNames[] = {
    {MatchNumber, 1, 0, "0 番目の行が目で見たときの画像の上（visual top）、0 番目の列が左側（visual left-hand side）"},
    {MatchNumber, 2, 0, "0 番目の行が目で見たときの画像の上、0 番目の列が右側（visual right-hand side）"},
    {MatchNumber, 3, 0, "0 番目の行が目で見たときの画像の下（visual bottom）、0 番目の列が右側"},
    {MatchNumber, 4, 0, "0 番目の行が目で見たときの画像の下、0 番目の列が左側"},
    {MatchNumber, 5, 0, "0 番目の行が目で見たときの画像の左側、0 番目の列が上"},
    {MatchNumber, 6, 0, "0 番目の行が目で見たときの画像の右側、0 番目の列が上"},
    {MatchNumber, 7, 0, "0 番目の行が目で見たときの画像の右側、0 番目の列が下"},
    {MatchNumber, 8, 0, "0 番目の行が目で見たときの画像の左側、0 番目の列が下"},
};

const ValueName kPlanarConfigurationNames[] = {
    {MatchNumber, 1, 0, "点順次（chunky）フォーマット"},
    {MatchNumber, 2, 0, "面順次（planar）フォーマット"},
};

const ValueName kYCbCrSubSamplingNames[] = {
    {MatchShortPair, 2, 1, "YCbCr4:2:2"},
    {MatchShortPair, 2, 2, "YCbCr4:2:0"},
};

const ValueName kYCbCrPositioningNames[] = {
    {MatchNumber, 1, 0, "中心"},
    {MatchNumber, 2, 0, "一致（cosited）"},
};

const ValueName kResolutionUnitNames[] = {
    {MatchNumber, 2, 0, "インチ"},
    {MatchNumber, 3, 0, "センチメートル"},
};

const ValueName kExposureProgramNames[] = {
    {MatchNumber, 0, 0, "未定義"},
    {MatchNumber, 1, 0, "マニュアル"},
    {MatchNumber, 2, 0, "ノーマルプログラム"},
    {MatchNumber, 3, 0, "露出優先"},
    {MatchNumber, 4, 0, "シャッター優先"},
    {MatchNumber, 5, 0, "creative プログラム（被写界深度方向にバイアス）"},
    {MatchNumber, 6, 0, "action プログラム（シャッタースピード高速側にバイアス）"},
    {MatchNumber, 7, 0, "ポートレイトモード（クローズアップ撮影、背景はフォーカス外す）"},
    {MatchNumber, 8, 0, "ランズケープモード（landscape 撮影、背景はフォーカス合う）"},
};

const ValueName kMeteringModeNames[] = {
    {MatchNumber, 0, 0, "不明"},
    {MatchNumber, 1, 0, "平均 （Average）"},
    {MatchNumber, 2, 0, "中央重点 （CenterWeightedAverage）"},
    {MatchNumber, 3, 0, "スポット （Spot）"},
    {MatchNumber, 4, 0, "マルチスポット （MutiSpot）"},
    {MatchNumber, 5, 0, "分割測光 （Pattern）"},
    {MatchNumber, 6, 0, "部分測光 （Partial）"},
    {MatchNumber, 255, 0, "その他"},
};

const ValueName kLightSourceNames[] = {
    {MatchNumber, 0, 0, "不明"},
    {MatchNumber, 1, 0, "昼光"},
    {MatchNumber, 2, 0, "蛍光灯"},
    {MatchNumber, 3, 0, "タングステン"},
    {MatchNumber, 17, 0, "標準光 A"},
    {MatchNumber, 18, 0, "標準光 B"},
    {MatchNumber, 19, 0, "標準光 C"},
    {MatchNumber, 20, 0, "D55"},
    {MatchNumber, 21, 0, "D65"},
    {MatchNumber, 22, 0, "D75"},
    {MatchNumber, 255, 0, "その他"},
    {MatchNumber, 4, 0, "フラッシュ"},
    {MatchNumber, 9, 0, "晴天"},
    {MatchNumber, 10, 0, "曇天"},
    {MatchNumber, 11, 0, "日陰"},
    {MatchNumber, 12, 0, "昼光色蛍光灯（D 5700 - 7100K）"},
    {MatchNumber, 13, 0, "昼白色蛍光灯（N 4600 - 5500K）"},
    {MatchNumber, 14, 0, "白色蛍光灯（W 3800 - 4500K）"},
    {MatchNumber, 15, 0, "温白色蛍光灯（WW 3250 - 3800K）"},
    {MatchNumber, 16, 0, "電球色蛍光灯（L 2600 - 3250K）"},
    {MatchNumber, 23, 0, "D50"},
    {MatchNumber, 24, 0, "ISO スタジオタングステン"},
};

// Bit 0 of the flash value tells whether the flash fired; the other bits its mode.
const ValueName kFlashNames[] = {
    {MatchNumberBit, 0, 0, "ストロボ発光せず"},
    {MatchNumberBit, 1, 0, "ストロボ発光"},
};

const ValueName kColorSpaceNames[] = {
    {MatchNumber, 1, 0, "sRGB"},
    {MatchNumber, 65535, 0, "Uncalibrated"},
};

const ValueName kSensingMethodNames[] = {
    {MatchNumber, 1, 0, "未定義"},
    {MatchNumber, 2, 0, "単板カラーセンサ"},
    {MatchNumber, 3, 0, "2 板カラーセンサ"},
    {MatchNumber, 4, 0, "3 板カラーセンサ"},
    {MatchNumber, 5, 0, "色順次カラーセンサ"},
    {MatchNumber, 7, 0, "3 線リニアセンサ"},
    {MatchNumber, 8, 0, "色順次リニアセンサ"},
};

// Shared by the position and the destination.
const ValueName kGpsLatitudeRefNames[] = {
    {MatchCharCode, 78, 0, "北緯"},  // 'N'
    {MatchCharCode, 83, 0, "南緯"},  // 'S'
};

const ValueName kGpsLongitudeRefNames[] = {
    {MatchCharCode, 69, 0, "東経"},  // 'E'
    {MatchCharCode, 87, 0, "西経"},  // 'W'
};

const ValueName kGpsAltitudeRefNames[] = {
    {MatchNumber, 0, 0, "海抜基準"},
    {MatchNumber, 1, 0, "海抜基準（海面下）"},
    {MatchNumber, 2, 0, "海抜（正の値）"},
    {MatchNumber, 3, 0, "海抜（負の値）"},
};

const ValueName kGpsStatusNames[] = {
    {MatchCharCode, 65, 0, "測位中"},  // 'A'
    {MatchCharCode, 86, 0, "未測位（中断中）"},  // 'V'
};

const ValueName kGpsMeasureModeNames[] = {
    {MatchCharCode, 50, 0, "2 次元測位中"},  // '2'
    {MatchCharCode, 51, 0, "3 次元測位中"},  // '3'
};

const ValueName kGpsSpeedRefNames[] = {
    {MatchCharCode, 75, 0, "キロメータ"},  // 'K'
    {MatchCharCode, 77, 0, "マイル"},  // 'M'
    {MatchCharCode, 78, 0, "ノット"},  // 'N'
};

// Shared by the track, the image direction and the destination's bearing.
const ValueName kGpsBearingRefNames[] = {
    {MatchCharCode, 84, 0, "真方位"},  // 'T'
    {MatchCharCode, 77, 0, "磁気方位"},  // 'M'
};

const ValueName kGpsDestDistanceRefNames[] = {
    {MatchCharCode, 75, 0, "キロメートル"},  // 'K'
    {MatchCharCode, 77, 0, "マイル"},  // 'M'
    {MatchCharCode, 78, 0, "海里"},  // 'N'
};

const ValueName kComponentsConfigurationNames[] = {
    {MatchLeadingBytePair, 1, 2, "YCbCr"},
    {MatchLeadingBytePair, 4, 5, "RGB"},
};

const ValueName kFileSourceNames[] = {
    {MatchNumber, 0, 0, "その他"},
    {MatchNumber, 1, 0, "透過型スキャナ"},
    {MatchNumber, 2, 0, "反射型スキャナ"},
    {MatchNumber, 3, 0, "DSC"},
};

const ValueName kSceneTypeNames[] = {
    {MatchNumber, 1, 0, "直接撮影された画像"},
};

const ValueName kSensitivityTypeNames[] = {
    {MatchNumber, 0, 0, "不明"},
    {MatchNumber, 1, 0, "標準出力感度（SOS）"},
    {MatchNumber, 2, 0, "推奨露光指数（REI）"},
    {MatchNumber, 3, 0, "ISO スピード"},
    {MatchNumber, 4, 0, "標準出力感度（SOS）と推奨露光指数（REI）"},
    {MatchNumber, 5, 0, "標準出力感度（SOS）と ISO スピード"},
    {MatchNumber, 6, 0, "推奨露光指数（REI）と ISO スピード"},
    {MatchNumber, 7, 0, "標準出力感度（SOS）と推奨露光指数（REI）と ISO スピード"},
};

const ValueName kCustomRenderedNames[] = {
    {MatchNumber, 0, 0, "通常処理"},
    {MatchNumber, 1, 0, "特殊処理"},
};

const ValueName kExposureModeNames[] = {
    {MatchNumber, 0, 0, "露出自動"},
    {MatchNumber, 1, 0, "露出マニュアル"},
    {MatchNumber, 2, 0, "オートブラケット"},
};

const ValueName kWhiteBalanceNames[] = {
    {MatchNumber, 0, 0, "ホワイトバランス自動"},
    {MatchNumber, 1, 0, "ホワイトバランスマニュアル"},
};

const ValueName kDigitalZoomRatioNames[] = {
    {MatchNumber, 0, 0, "デジタルズーム未使用"},
};

const ValueName kFocalLengthIn35mmFilmNames[] = {
    {MatchNumber, 0, 0, "不明"},
};

const ValueName kSceneCaptureTypeNames[] = {
    {MatchNumber, 0, 0, "標準"},
    {MatchNumber, 1, 0, "風景"},
    {MatchNumber, 2, 0, "人物"},
    {MatchNumber, 3, 0, "夜景"},
};

const ValueName kGainControlNames[] = {
    {MatchNumber, 0, 0, "なし"},
    {MatchNumber, 1, 0, "弱い増感"},
    {MatchNumber, 2, 0, "強い増感"},
    {MatchNumber, 3, 0, "弱い減感"},
    {MatchNumber, 4, 0, "強い減感"},
};

const ValueName kContrastNames[] = {
    {MatchNumber, 0, 0, "標準"},
    {MatchNumber, 1, 0, "軟調"},
    {MatchNumber, 2, 0, "硬調"},
};

const ValueName kSaturationNames[] = {
    {MatchNumber, 0, 0, "標準"},
    {MatchNumber, 1, 0, "低彩度"},
    {MatchNumber, 2, 0, "高彩度"},
};

const ValueName kSharpnessNames[] = {
    {MatchNumber, 0, 0, "標準"},
    {MatchNumber, 1, 0, "弱い"},
    {MatchNumber, 2, 0, "強い"},
};

const ValueName kSubjectDistanceRangeNames[] = {
    {MatchNumber, 0, 0, "不明"},
    {MatchNumber, 1, 0, "マクロ"},
    {MatchNumber, 2, 0, "近景"},
    {MatchNumber, 3, 0, "遠景"},
};

const ValueName kCompositeImageNames[] = {
    {MatchNumber, 0, 0, "不明"},
    {MatchNumber, 1, 0, "非合成画像"},
    {MatchNumber, 2, 0, "一般合成画像"},
    {MatchNumber, 3, 0, "撮影時合成画像"},
};

const ValueName kGpsDifferentialNames[] = {
    {MatchNumber, 0, 0, "単独測位"},
    {MatchNumber, 1, 0, "ディファレンシャル補正測位"},
};

const ValueName kRatingNames[] = {
    {MatchNumber, 0, 0, "評価なし"},
    {MatchNumber, 1, 0, "★"},
    {MatchNumber, 2, 0, "★★"},
    {MatchNumber, 3, 0, "★★★"},
    {MatchNumber, 4, 0, "★★★★"},
    {MatchNumber, 5, 0, "★★★★★"},
};

// The primary dictionary: the 0th IFD and the 1st IFD
const TagDef kPrimaryTagTable[] = {
    {0x0100, "画像の幅", {}},
    {0x0101, "画像の高さ", {}},
    {0x0102, "画像のビットの深さ", {}},
    {0x0103, "圧縮の種類", kCompressionNames},
    {0x0106, "画素構成", kPhotometricInterpretationNames},
    {0x0112, "画像方向", kOrientationNames},
    {0x0115, "コンポーネント数", {}},
    {0x011C, "画像データの並び", kPlanarConfigurationNames},
    {0x0212, "YCC の画素構成（C の間引き率)", kYCbCrSubSamplingNames},
    {0x0213, "YCC の画素構成（Y とC の位置)", kYCbCrPositioningNames},
    {0x011A, "画像の幅の解像度", {}},
    {0x011B, "画像の高さの解像度", {}},
    {0x0128, "画像の幅と高さの解像度の単位", kResolutionUnitNames},
    {0x0111, "画像データのロケーション", {}},
    {0x0116, "ストリップ中のライン数", {}},
    {0x0117, "ストリップのデータ量", {}},
    {0x0201, "JPEG のSOI へのオフセット", {}},
    {0x0202, "JPEG データのバイト数", {}},
    {0x012D, "再生階調カーブ特性", {}},
    {0x013E, "参照白色点の色度座標値", {}},
    {0x013F, "原色の色度座標値", {}},
    {0x0211, "色変換マトリクス係数", {}},
    {0x0214, "参照黒色点値と参照白色点値", {}},
    {0x0132, "ファイル変更日時", {}},
    {0x010E, "画像タイトル", {}},
    {0x010F, "画像入力機器のメーカー名", {}},
    {0x0110, "画像入力機器のモデル名", {}},
    {0x0131, "使用ソフトウェア名", {}},
    {0x013B, "作者名", {}},
    {0x8298, "撮影著作権者/編集著作権者", {}},
    {0x8769, "Exif IFDへのポインタ", {}},
    {0x8825, "GPS情報IFDへのポインタ", {}},
    // Tags Windows and many cameras write
    {0x9C9B, "Windows タイトル", {}},
    {0x9C9C, "Windows コメント", {}},
    {0x9C9D, "Windows 作成者", {}},
    {0x9C9E, "Windows キーワード", {}},
    {0x9C9F, "Windows 件名", {}},
    {0x4746, "Windows 評価", kRatingNames},
    {0x4749, "Windows 評価（パーセント）", {}},
};

// The Exif dictionary
const TagDef kExifTagTable[] = {
    {0x829A, "露出時間", {}},
    {0x829D, "F ナンバー", {}},
    {0x8822, "露出プログラム", kExposureProgramNames},
    {0x8824, "スペクトル感度", {}},
    {0x8827, "ISO スピードレート", {}},
    {0x8828, "光電変換関数", {}},
    {0x9000, "Exif バージョン", {}},
    {0x9003, "原画像データの生成日時", {}},
    {0x9004, "ディジタルデータの作成日時", {}},
    {0x9101, "各コンポーネントの意味", kComponentsConfigurationNames},
    {0x9102, "画像圧縮モード", {}},
    {0x9201, "シャッタースピード", {}},
    {0x9202, "絞り値", {}},
    {0x9203, "輝度値", {}},
    {0x9204, "露光補正値", {}},
    {0x9205, "レンズ最小Ｆ値", {}},
    {0x9206, "被写体距離", {}},
    {0x9207, "測光方式", kMeteringModeNames},
    {0x9208, "光源", kLightSourceNames},
    {0x9209, "フラッシュ", kFlashNames},
    {0x920A, "レンズ焦点距離", {}},
    {0x927C, "メーカーノート", {}},
    {0x9286, "ユーザーコメント", {}},
    {0x9290, "DateTime のサブセック", {}},
    {0x9291, "DateTimeOriginal のサブセック", {}},
    {0x9292, "DateTimeDigitized のサブセック", {}},
    {0xA000, "対応フラッシュピックスバージョン", {}},
    {0xA001, "色空間情報", kColorSpaceNames},
    {0xA002, "実効画像幅", {}},
    {0xA003, "実効画像高さ", {}},
    {0xA004, "関連音声ファイル", {}},
    {0xA005, "互換性IFD へのポインタ", {}},
    {0xA20B, "フラッシュ強度", {}},
    {0xA20C, "空間周波数応答", {}},
    {0xA20E, "焦点面の幅の解像度", {}},
    {0xA20F, "焦点面の高さの解像度", {}},
    {0xA210, "焦点面解像度単位", kResolutionUnitNames},
    {0xA214, "被写体位置", {}},
    {0xA215, "露出インデックス", {}},
    {0xA217, "センサー方式", kSensingMethodNames},
    {0xA300, "ファイルソース", kFileSourceNames},
    {0xA301, "シーンタイプ", kSceneTypeNames},
    {0xA302, "CFA パターン", {}},
    {0x8830, "感度種別", kSensitivityTypeNames},
    {0x8831, "標準出力感度", {}},
    {0x8832, "推奨露光指数", {}},
    {0x8833, "ISO スピード", {}},
    {0x8834, "ISO スピードラチチュード yyy", {}},
    {0x8835, "ISO スピードラチチュード zzz", {}},
    {0x9010, "DateTime の時差データ", {}},
    {0x9011, "DateTimeOriginal の時差データ", {}},
    {0x9012, "DateTimeDigitized の時差データ", {}},
    {0x9214, "被写体領域", {}},
    {0x9400, "温度", {}},
    {0x9401, "湿度", {}},
    {0x9402, "気圧", {}},
    {0x9403, "水深", {}},
    {0x9404, "加速度", {}},
    {0x9405, "カメラの仰俯角", {}},
    {0xA401, "個別画像処理", kCustomRenderedNames},
    {0xA402, "露出モード", kExposureModeNames},
    {0xA403, "ホワイトバランス", kWhiteBalanceNames},
    {0xA404, "デジタルズーム倍率", kDigitalZoomRatioNames},
    {0xA405, "35mm 換算レンズ焦点距離", kFocalLengthIn35mmFilmNames},
    {0xA406, "撮影シーンタイプ", kSceneCaptureTypeNames},
    {0xA407, "ゲイン制御", kGainControlNames},
    {0xA408, "撮影コントラスト", kContrastNames},
    {0xA409, "撮影彩度", kSaturationNames},
    {0xA40A, "撮影シャープネス", kSharpnessNames},
    {0xA40B, "撮影条件記述情報", {}},
    {0xA40C, "被写体距離レンジ", kSubjectDistanceRangeNames},
    {0xA420, "画像ユニークID", {}},
    {0xA430, "カメラ所有者名", {}},
    {0xA431, "カメラシリアル番号", {}},
    {0xA432, "レンズの仕様情報", {}},
    {0xA433, "レンズのメーカ名", {}},
    {0xA434, "レンズのモデル名", {}},
    {0xA435, "レンズシリアル番号", {}},
    {0xA436, "タイトル名", {}},
    {0xA437, "撮影者名", {}},
    {0xA438, "画像編集者名", {}},
    {0xA439, "カメラのファームウェア", {}},
    {0xA43A, "RAW 現像ソフトウェア名", {}},
    {0xA43B, "画像編集ソフトウェア名", {}},
    {0xA43C, "メタデータ編集ソフトウェア名", {}},
    {0xA460, "合成画像", kCompositeImageNames},
    {0xA461, "合成画像の元画像数", {}},
    {0xA462, "合成画像の元画像露出時間", {}},
    {0xA500, "再生ガンマ", {}},
};

// The interoperability dictionary
const TagDef kInteropTagTable[] = {
    {0x0001, "互換性識別子", {}},
    {0x0002, "互換性バージョン", {}},
    {0x1000, "関連画像フォーマット", {}},
    {0x1001, "関連画像幅", {}},
    {0x1002, "関連画像高さ", {}},
};

// The GPS dictionary
const TagDef kGpsTagTable[] = {
    {0x0000, "GPS タグのバージョン", {}},
    {0x0001, "北緯(N)or南緯(S)", kGpsLatitudeRefNames},
    {0x0002, "緯度（数値）", {}},
    {0x0003, "東経(E)or西経(W)", kGpsLongitudeRefNames},
    {0x0004, "経度（数値）", {}},
    {0x0005, "高度の単位", kGpsAltitudeRefNames},
    {0x0006, "高度（数値）", {}},
    {0x0007, "GPS 時間（原子時計の時間）", {}},
    {0x0008, "測位に使った衛星信号", {}},
    {0x0009, "GPS 受信機の状態", kGpsStatusNames},
    {0x000A, "GPS の測位方法", kGpsMeasureModeNames},
    {0x000B, "測位の信頼性", {}},
    {0x000C, "速度の単位", kGpsSpeedRefNames},
    {0x000D, "速度（数値）", {}},
    {0x000E, "進行方向の単位", kGpsBearingRefNames},
    {0x000F, "進行方向（数値）", {}},
    {0x0010, "撮影した画像の方向の単位", kGpsBearingRefNames},
    {0x0011, "撮影した画像の方向（数値）", {}},
    {0x0012, "測位に用いた地図データ", {}},
    {0x0013, "目的地の北緯(N)or南緯(S)", kGpsLatitudeRefNames},
    {0x0014, "目的地の緯度（数値）", {}},
    {0x0015, "目的地の東経(E)or西経(W)", kGpsLongitudeRefNames},
    {0x0016, "目的地の経度（数値）", {}},
    {0x0017, "目的地の方角の単位", kGpsBearingRefNames},
    {0x0018, "目的の方角（数値）", {}},
    {0x0019, "目的地までの距離の単位", kGpsDestDistanceRefNames},
    {0x001A, "目的地までの距離（数値）", {}},
    {0x001B, "測位方式の名称", {}},
    {0x001C, "測位地点の名称", {}},
    {0x001D, "GPS 日付", {}},
    {0x001E, "GPS 補正測位", kGpsDifferentialNames},
    {0x001F, "水平方向測位誤差", {}},
};

// clang-format on

}  // namespace

extern const std::span<const TagDef> kPrimaryTags = kPrimaryTagTable;
extern const std::span<const TagDef> kExifTags = kExifTagTable;
extern const std::span<const TagDef> kInteropTags = kInteropTagTable;
extern const std::span<const TagDef> kGpsTags = kGpsTagTable;

}  // namespace brevino
