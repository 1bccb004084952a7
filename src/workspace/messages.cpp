#include "workspace/messages.h"

#include <utility>

namespace brevino {
namespace {

constexpr std::pair<Problem, MessageText> kMessages[] = {
    {Problem::NotAnalyzable, {kCaptionMessage, "解析対象のﾌｧｲﾙではありません。"}},
    {Problem::AnalysisOpenError, {kCaptionMessage, "解析ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"}},
    {Problem::HeaderReadError, {kCaptionMessage, "ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。"}},
    {Problem::NotSupported, {kCaptionMessage, "対象外の形式です"}},
    {Problem::MemoryError, {kCaptionMessage, "ﾒﾓﾘ確保ｴﾗｰ。"}},
    {Problem::App1ReadError, {kCaptionMessage, "APP1ﾘｰﾄﾞｴﾗｰ。"}},
    {Problem::NotEditable, {kCaptionMessage, "編集出来ない[type]です。"}},
    {Problem::SlashRequired, {kCaptionMessage, "[/]を必ず入れて下さい。"}},
    {Problem::ValueCount, {kCaptionMessage, "空白の数が合いません。"}},
    {Problem::NotNumber, {kCaptionMessage, "数値を入力して下さい。"}},
    {Problem::OutOfRange, {kCaptionMessage, "値が範囲外です。(%s)"}},
    {Problem::ZeroDenominator, {kCaptionMessage, "分母に0は使えません。"}},
    {Problem::DateForm, {kCaptionMessage, "日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。"}},
    {Problem::TooLong, {kCaptionMessage, "値が長すぎます。(%d ﾊﾞｲﾄまで)"}},
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
    {Problem::Exported, {kCaptionMessage, "%sﾌｧｲﾙにExportしました。"}},
    {Problem::Imported, {kCaptionMessage, "%sﾌｧｲﾙにImportし、保存しました。"}},
    {Problem::BatchCompleted, {kCaptionMessage, "一括変換完了しました。"}},
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
    {Problem::Undone, {kCaptionMessage, "操作 %s を元に戻しました。"}},
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

}  // namespace brevino
