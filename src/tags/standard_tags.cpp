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
};

const ValueName kFlashNames[] = {
    {MatchDigitBit, 0, 0, "ストロボ発光せず"},
    {MatchDigitBit, 1, 0, "ストロボ発光"},
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

const ValueName kGpsTrackRefNames[] = {
    {MatchCharCode, 84, 0, "真方位"},  // 'T'
    {MatchCharCode, 77, 0, "磁気方位"},  // 'M'
};

const ValueName kGpsImgDirectionRefNames[] = {
    {MatchCharCode, 84, 0, "真方位"},  // 'T'
    {MatchCharCode, 77, 0, "磁気方位"},  // 'M'
};

const ValueName kGpsDestLatitudeRefNames[] = {
    {MatchCharCode, 78, 0, "北緯"},  // 'N'
    {MatchCharCode, 83, 0, "南緯"},  // 'S'
};

const ValueName kGpsDestLongitudeRefNames[] = {
    {MatchCharCode, 69, 0, "東経"},  // 'E'
    {MatchCharCode, 87, 0, "西経"},  // 'W'
};

const ValueName kGpsDestBearingRefNames[] = {
    {MatchCharCode, 84, 0, "真方位"},  // 'T'
    {MatchCharCode, 77, 0, "磁気方位"},  // 'M'
};

const ValueName kGpsDestDistanceRefNames[] = {
    {MatchCharCode, 75, 0, "キロメートル"},  // 'K'
    {MatchCharCode, 77, 0, "マイル"},  // 'M'
    {MatchCharCode, 78, 0, "海里"},  // 'N'
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
    {0x9101, "各コンポーネントの意味", {}},
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
    {0xA210, "焦点面解像度単位", {}},
    {0xA214, "被写体位置", {}},
    {0xA215, "露出インデックス", {}},
    {0xA217, "センサー方式", kSensingMethodNames},
    {0xA300, "ファイルソース", {}},
    {0xA301, "シーンタイプ", {}},
    {0xA302, "CFA パターン", {}},
};

// The interoperability dictionary
const TagDef kInteropTagTable[] = {
    {0x0001, "互換性識別子", {}},
    {0x0002, "互換性バージョン", {}},
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
    {0x000E, "進行方向の単位", kGpsTrackRefNames},
    {0x000F, "進行方向（数値）", {}},
    {0x0010, "撮影した画像の方向の単位", kGpsImgDirectionRefNames},
    {0x0011, "撮影した画像の方向（数値）", {}},
    {0x0012, "測位に用いた地図データ", {}},
    {0x0013, "目的地の北緯(N)or南緯(S)", kGpsDestLatitudeRefNames},
    {0x0014, "目的地の緯度（数値）", {}},
    {0x0015, "目的地の東経(E)or西経(W)", kGpsDestLongitudeRefNames},
    {0x0016, "目的地の経度（数値）", {}},
    {0x0017, "目的地の方角の単位", kGpsDestBearingRefNames},
    {0x0018, "目的の方角（数値）", {}},
    {0x0019, "目的地までの距離の単位", kGpsDestDistanceRefNames},
    {0x001A, "目的地までの距離（数値）", {}},
};

// clang-format on

}  // namespace

extern const std::span<const TagDef> kPrimaryTags = kPrimaryTagTable;
extern const std::span<const TagDef> kExifTags = kExifTagTable;
extern const std::span<const TagDef> kInteropTags = kInteropTagTable;
extern const std::span<const TagDef> kGpsTags = kGpsTagTable;

}  // namespace brevino
