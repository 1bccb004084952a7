// Writing edited rows back into the analysed file, value by value, in place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exif/byte_order.h"

namespace brevino {

class Workspace;

inline constexpr std::string_view kOpenFirstMessage =
    "ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。";
inline constexpr std::string_view kSavedMessage = "Exif情報を上書きしました。";
inline constexpr std::string_view kTimesReadErrorMessage = "ﾌｧｲﾙｽﾀﾝﾌﾟ取得に失敗しました。";
inline constexpr std::string_view kTimesWriteErrorMessage = "ﾌｧｲﾙｽﾀﾝﾌﾟ設定に失敗しました。";
inline constexpr std::string_view kCannotOpenMessage = "ﾌｧｲﾙを開けません。";
inline constexpr std::string_view kWriteFailedMessage = "ﾌｧｲﾙの書き込みに失敗しました。";

// Writes every editable row whose content changed since the analysis into `path`, which
// must be the analysed file, unchanged since; keeps the times the file had before it was
// analysed (DateUp) or sets them from the file-change date (ExifDate). 1 on success; 0 after
// reporting a failure. A file that cannot be opened for writing is left wholly alone.
int overwriteSave(Workspace& workspace, const std::string& path);

// The file offset an offset cell ("0x" and upper-case hexadecimal digits) names.
uint64_t parseOffsetCell(std::string_view cell);

// The bytes a row's content stands for: count values of the type, in the byte order.
std::vector<uint8_t> encodeRow(uint16_t type, uint32_t count, std::string_view content,
                               ByteOrder order);

}  // namespace brevino
