#include "workspace/messages.h"

#include <utility>

namespace brevino {
namespace {

constexpr std::pair<Problem, MessageText> kMessages[] = {
    {Problem::NotAnalyzable, {kCaptionMessage, "解析対象のﾌｧｲﾙではありません。"}},
    {Problem::AnalysisOpenError, {kCaptionMessage, "解析ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"}},
    {Problem::HeaderReadError, {kCaptionMessage, "ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。"}},
    {Problem::NotSupported, {kCaptionMessage, "対象外の形式です"}},
    {Problem::NoExifSegment, {kCaptionMessage, "Exif情報がありません。"}},
    {Problem::MemoryError, {kCaptionMessage, "ﾒﾓﾘ確保ｴﾗｰ。"}},
    {Problem::App1ReadError, {kCaptionMessage, "APP1ﾘｰﾄﾞｴﾗｰ。"}},
    {Problem::NotEditable, {kCaptionMessage, "編集出来ない[type]です。"}},
    {Problem::NotEditableHeading, {kCaptionReason, "a heading, not an entry"}},
    {Problem::NotEditableUnknownTag, {kCaptionReason, "no dictionary names its tag"}},
    {Problem::NotEditableType, {kCaptionReason, "its type is not edited"}},
    {Problem::NotEditableUtf16, {kCaptionReason, "its text is stored as UTF-16"}},
    {Problem::NotEditableOutside, {kCaptionReason, "its value lies outside the Exif segment"}},
    {Problem::NotEditableStructure, {kCaptionReason, "it holds where other parts of the file lie"}},
    {Problem::NotEditableFields, {kCaptionReason, "its values are edited one by one"}},
    {Problem::NotEditableCompressed, {kCaptionReason, "its bytes are stored compressed"}},
    {Problem::NotEditableOverlap,
     {kCaptionReason, "its value overlaps the file's structure or another entry's value"}},
    {Problem::SlashRequired, {kCaptionMessage, "[/]を必ず入れて下さい。"}},
    {Problem::ValueCount, {kCaptionMessage, "空白の数が合いません。"}},
    {Problem::NotNumber, {kCaptionMessage, "数値を入力して下さい。"}},
    {Problem::OutOfRange, {kCaptionMessage, "値が範囲外です。(%s)"}},
    {Problem::ZeroDenominator, {kCaptionMessage, "分母に0は使えません。"}},
    {Problem::DateForm, {kCaptionMessage, "日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。"}},
    {Problem::TooLong, {kCaptionMessage, "値が長すぎます。(%d ﾊﾞｲﾄまで)"}},
    {Problem::AddJpegOnly, {kCaptionMessage, "ﾀｸﾞの追加はJPEGﾌｧｲﾙにだけ出来ます。"}},
    {Problem::SegmentTooLarge,
     {kCaptionMessage, "Exif情報が 65533 ﾊﾞｲﾄを超えるため、追加出来ません。"}},
    {Problem::RewriteCheckFailed,
     {kCaptionMessage, "書き直したﾌｧｲﾙを確かめられなかったため、元のﾌｧｲﾙのままにしました。"}},
    {Problem::NotRemovable, {kCaptionMessage, "削除出来ないﾀｸﾞです。"}},
    {Problem::OffsetForm, {kCaptionMessage, "時差は「±HH:MM」の形で入力して下さい。"}},
    {Problem::SkippedNoGps, {kCaptionSkipped, "no GPS position"}},
    {Problem::EntryAdded, {kCaptionMessage, "%s を追加しました。"}},
    {Problem::EntryRemoved, {kCaptionMessage, "%s を削除しました。"}},
    {Problem::OpenFirstToSave, {kCaptionMessage, "ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。"}},
    {Problem::TimesWriteError, {kCaptionMessage, "ﾌｧｲﾙｽﾀﾝﾌﾟ設定に失敗しました。"}},
    {Problem::CannotOpen, {kCaptionMessage, "ﾌｧｲﾙを開けません。"}},
    {Problem::WriteFailed, {kCaptionMessage, "ﾌｧｲﾙの書き込みに失敗しました。"}},
    {Problem::Saved, {kCaptionSaved, "Exif情報を上書きしました。"}},
    {Problem::OpenFirstToExport, {kCaptionMessage, "ｴｸｽﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。"}},
    {Problem::OpenFirstToImport, {kCaptionMessage, "ｲﾝﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。"}},
    {Problem::NoExif, {kCaptionMessage, "開いているﾌｧｲﾙには、Exif情報がありません。"}},
    {Problem::InputOpenError, {kCaptionFileError, "入力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"}},
    {Problem::InputReadError, {kCaptionFileError, "入力ﾌｧｲﾙﾘｰﾄﾞｴﾗｰ。"}},
    {Problem::OutputOpenError, {kCaptionFileError, "出力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"}},
    {Problem::OutputWriteError, {kCaptionFileError, "出力ﾌｧｲﾙﾗｲﾄｴﾗｰ。"}},
    {Problem::TransferMemoryError, {kCaptionFileError, "ﾒﾓﾘ確保ｴﾗｰ。"}},
    {Problem::SideFileOpenError, {kCaptionFileError, "ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"}},
    {Problem::SideFileReadError, {kCaptionFileError, "ﾌｧｲﾙﾘｰﾄﾞｴﾗｰ。"}},
    {Problem::SideFileNotSupported, {kCaptionFileError, "対象外の形式です"}},
    {Problem::ExportTooLarge, {kCaptionFileError, "Exif情報が大きすぎるため、Export出来ません。"}},
    {Problem::ImportJpegOnly, {kCaptionFileError, "ImportはJPEGﾌｧｲﾙにだけ出来ます。"}},
    {Problem::Exported, {kCaptionMessage, "%sﾌｧｲﾙにExportしました。"}},
    {Problem::Imported, {kCaptionMessage, "%sﾌｧｲﾙにImportし、保存しました。"}},
    {Problem::BatchCompleted, {kCaptionMessage, "一括変換完了しました。"}},
    {Problem::BatchSummary,
     {kCaptionMessage, "%d 個のﾌｧｲﾙを変更しました。%d 個は変更しませんでした。"}},
    {Problem::SkippedNoChangeDate, {kCaptionSkipped, "no file-change date"}},
    {Problem::SkippedChangeDateInvalid, {kCaptionSkipped, "its file-change date is not a date"}},
    {Problem::SkippedNoSuchDate, {kCaptionSkipped, "no such date"}},
    {Problem::SkippedNoDateRows, {kCaptionSkipped, "no date rows"}},
    {Problem::SkippedNoSuchRow, {kCaptionSkipped, "no such row"}},
    {Problem::NoDateInName, {kCaptionMessage, "ﾌｧｲﾙ名から日付を読み取れません。"}},
    {Problem::RenameFailed, {kCaptionMessage, "ﾌｧｲﾙ名を変更できません。"}},
    {Problem::DateNotShifted, {kCaptionMessage, "日付をずらせません。(%s)"}},
    {Problem::ShiftForm,
     {kCaptionMessage, "ずらす時間は「[+|-][日数 ]HH:MM[:SS]」の形で入力して下さい。"}},
    {Problem::JournalWriteError, {kCaptionMessage, "変更の記録を書けないため、中止しました。"}},
    {Problem::JournalUnreadable, {kCaptionMessage, "変更の記録を読めません。"}},
    {Problem::NothingToUndo, {kCaptionMessage, "元に戻す操作がありません。"}},
    {Problem::ChangedSinceOperation,
     {kCaptionMessage, "ﾌｧｲﾙが変更されているため、元に戻せません。"}},
    {Problem::NameTakenForUndo, {kCaptionMessage, "元の名前のﾌｧｲﾙがあるため、名前を戻せません。"}},
    {Problem::CannotRecreate, {kCaptionMessage, "削除したﾌｧｲﾙは元に戻せません。"}},
    {Problem::Undone, {kCaptionMessage, "操作 %sを元に戻しました。"}},
    {Problem::Redone, {kCaptionMessage, "操作 %sをやり直しました。"}},
    {Problem::FileRestored, {kCaptionMessage, "元に戻しました。"}},
    {Problem::FileRedone, {kCaptionMessage, "やり直しました。"}},
    {Problem::NothingToRedo, {kCaptionMessage, "やり直す操作がありません。"}},
    {Problem::AlreadyUndone, {kCaptionMessage, "操作 %s は元に戻されています。"}},
};

}  // namespace

MessageText messageFor(Problem problem) {
    for (const auto& [each, message] : kMessages) {
        if (each == problem) return message;
    }
    return {kCaptionMessage, {}};
}

std::string withDetail(std::string_view text, std::string_view detail) {
    std::string result(text);
    for (std::string_view slot : {"%s", "%d"}) {
        if (const size_t at = result.find(slot); at != std::string::npos)
            result.replace(at, slot.size(), detail);
    }
    return result;
}

std::string batchQuestion(std::string_view operation, size_t files) {
    std::string text(kConfirmBatch);
    text.replace(text.find("%d"), 2, std::to_string(files));
    text.replace(text.find("%s"), 2, operation);
    return text;
}

std::string messageText(Problem problem, std::string_view detail) {
    return withDetail(messageFor(problem).text, detail);
}

std::string messageText(Problem problem, std::initializer_list<std::string_view> details) {
    const std::string_view text = messageFor(problem).text;
    std::string result;
    auto detail = details.begin();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'd') &&
            detail != details.end()) {
            result.append(*detail++);
            ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

}  // namespace brevino
