#include "workspace/messages.h"

#include <utility>

#include "platform/language.h"

namespace brevino {
namespace {

// A message's caption and its text in each language.
struct MessageTexts {
    std::string_view caption;
    std::string_view japanese;
    std::string_view english;
};

constexpr std::pair<Problem, MessageTexts> kMessages[] = {
    {Problem::NotAnalyzable,
     {kCaptionMessage, "解析対象のﾌｧｲﾙではありません。", "This file cannot be analysed."}},
    {Problem::AnalysisOpenError,
     {kCaptionMessage, "解析ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。", "Cannot open the file to analyse it."}},
    {Problem::HeaderReadError,
     {kCaptionMessage, "ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。", "Cannot read the file's header."}},
    {Problem::NotSupported, {kCaptionMessage, "対象外の形式です", "Not a supported format"}},
    {Problem::NoExifSegment,
     {kCaptionMessage, "Exif情報がありません。", "The file holds no Exif data."}},
    {Problem::MemoryError, {kCaptionMessage, "ﾒﾓﾘ確保ｴﾗｰ。", "Out of memory."}},
    {Problem::App1ReadError, {kCaptionMessage, "APP1ﾘｰﾄﾞｴﾗｰ。", "Cannot read the APP1 segment."}},
    {Problem::NotEditable,
     {kCaptionMessage, "編集出来ない[type]です。", "This [type] cannot be edited."}},
    {Problem::NotEditableHeading,
     {kCaptionReason, "a heading, not an entry", "a heading, not an entry"}},
    {Problem::NotEditableUnknownTag,
     {kCaptionReason, "no dictionary names its tag", "no dictionary names its tag"}},
    {Problem::NotEditableType,
     {kCaptionReason, "its type is not edited", "its type is not edited"}},
    {Problem::NotEditableUtf16,
     {kCaptionReason, "its text is stored as UTF-16", "its text is stored as UTF-16"}},
    {Problem::NotEditableOutside,
     {kCaptionReason, "its value lies outside the Exif segment",
      "its value lies outside the Exif segment"}},
    {Problem::NotEditableStructure,
     {kCaptionReason, "it holds where other parts of the file lie",
      "it holds where other parts of the file lie"}},
    {Problem::NotEditableFields,
     {kCaptionReason, "its values are edited one by one", "its values are edited one by one"}},
    {Problem::NotEditableCompressed,
     {kCaptionReason, "its bytes are stored compressed", "its bytes are stored compressed"}},
    {Problem::NotEditableOverlap,
     {kCaptionReason, "its value overlaps the file's structure or another entry's value",
      "its value overlaps the file's structure or another entry's value"}},
    {Problem::SlashRequired, {kCaptionMessage, "[/]を必ず入れて下さい。", "Enter a [/]."}},
    {Problem::ValueCount,
     {kCaptionMessage, "空白の数が合いません。", "The number of spaces does not match."}},
    {Problem::NotNumber, {kCaptionMessage, "数値を入力して下さい。", "Enter a number."}},
    {Problem::OutOfRange,
     {kCaptionMessage, "値が範囲外です。(%s)", "The value is out of range. (%s)"}},
    {Problem::ZeroDenominator,
     {kCaptionMessage, "分母に0は使えません。", "The denominator cannot be 0."}},
    {Problem::DateForm,
     {kCaptionMessage, "日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。",
      "Enter the date as \"YYYY:MM:DD HH:MM:SS\"."}},
    {Problem::TooLong,
     {kCaptionMessage, "値が長すぎます。(%d ﾊﾞｲﾄまで)", "The value is too long. (up to %d bytes)"}},
    {Problem::AddJpegOnly,
     {kCaptionMessage, "ﾀｸﾞの追加はJPEGﾌｧｲﾙにだけ出来ます。",
      "Tags can be added to JPEG files only."}},
    {Problem::SegmentTooLarge,
     {kCaptionMessage, "Exif情報が 65533 ﾊﾞｲﾄを超えるため、追加出来ません。",
      "Cannot add: the Exif data would exceed 65533 bytes."}},
    {Problem::RewriteCheckFailed,
     {kCaptionMessage, "書き直したﾌｧｲﾙを確かめられなかったため、元のﾌｧｲﾙのままにしました。",
      "The rewritten file could not be verified, so the original file was kept."}},
    {Problem::NotRemovable,
     {kCaptionMessage, "削除出来ないﾀｸﾞです。", "This tag cannot be deleted."}},
    {Problem::OffsetForm,
     {kCaptionMessage, "時差は「±HH:MM」の形で入力して下さい。",
      "Enter the time offset as \"±HH:MM\"."}},
    {Problem::SkippedNoGps, {kCaptionSkipped, "no GPS position", "no GPS position"}},
    {Problem::EntryAdded, {kCaptionMessage, "%s を追加しました。", "Added %s."}},
    {Problem::EntryRemoved, {kCaptionMessage, "%s を削除しました。", "Deleted %s."}},
    {Problem::OpenFirstToSave,
     {kCaptionMessage, "ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。",
      "Open a file, then choose Overwrite."}},
    {Problem::TimesWriteError,
     {kCaptionMessage, "ﾌｧｲﾙｽﾀﾝﾌﾟ設定に失敗しました。", "Could not set the file's time stamps."}},
    {Problem::CannotOpen, {kCaptionMessage, "ﾌｧｲﾙを開けません。", "Cannot open the file."}},
    {Problem::WriteFailed,
     {kCaptionMessage, "ﾌｧｲﾙの書き込みに失敗しました。", "Could not write the file."}},
    {Problem::Saved,
     {kCaptionSaved, "Exif情報を上書きしました。", "The Exif data was overwritten."}},
    {Problem::OpenFirstToExport,
     {kCaptionMessage, "ｴｸｽﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。", "Open the file to export."}},
    {Problem::OpenFirstToImport,
     {kCaptionMessage, "ｲﾝﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。", "Open the file to import into."}},
    {Problem::NoExif,
     {kCaptionMessage, "開いているﾌｧｲﾙには、Exif情報がありません。",
      "The open file holds no Exif data."}},
    {Problem::InputOpenError,
     {kCaptionFileError, "入力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。", "Cannot open the input file."}},
    {Problem::InputReadError,
     {kCaptionFileError, "入力ﾌｧｲﾙﾘｰﾄﾞｴﾗｰ。", "Cannot read the input file."}},
    {Problem::OutputOpenError,
     {kCaptionFileError, "出力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。", "Cannot open the output file."}},
    {Problem::OutputWriteError,
     {kCaptionFileError, "出力ﾌｧｲﾙﾗｲﾄｴﾗｰ。", "Cannot write the output file."}},
    {Problem::TransferMemoryError, {kCaptionFileError, "ﾒﾓﾘ確保ｴﾗｰ。", "Out of memory."}},
    {Problem::SideFileOpenError, {kCaptionFileError, "ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。", "Cannot open the file."}},
    {Problem::SideFileReadError, {kCaptionFileError, "ﾌｧｲﾙﾘｰﾄﾞｴﾗｰ。", "Cannot read the file."}},
    {Problem::SideFileNotSupported,
     {kCaptionFileError, "対象外の形式です", "Not a supported format"}},
    {Problem::ExportTooLarge,
     {kCaptionFileError, "Exif情報が大きすぎるため、Export出来ません。",
      "The Exif data is too large to export."}},
    {Problem::ImportJpegOnly,
     {kCaptionFileError, "ImportはJPEGﾌｧｲﾙにだけ出来ます。", "Import works on JPEG files only."}},
    {Problem::Exported, {kCaptionMessage, "%sﾌｧｲﾙにExportしました。", "Exported to %s."}},
    {Problem::Imported,
     {kCaptionMessage, "%sﾌｧｲﾙにImportし、保存しました。", "Imported into %s and saved."}},
    {Problem::BatchCompleted,
     {kCaptionMessage, "一括変換完了しました。", "The batch run is complete."}},
    {Problem::BatchSummary,
     {kCaptionMessage, "%d 個のﾌｧｲﾙを変更しました。%d 個は変更しませんでした。",
      "Changed %d file(s). Left %d file(s) unchanged."}},
    {Problem::SkippedNoChangeDate, {kCaptionSkipped, "no file-change date", "no file-change date"}},
    {Problem::SkippedChangeDateInvalid,
     {kCaptionSkipped, "its file-change date is not a date", "its file-change date is not a date"}},
    {Problem::SkippedNoSuchDate, {kCaptionSkipped, "no such date", "no such date"}},
    {Problem::SkippedNoDateRows, {kCaptionSkipped, "no date rows", "no date rows"}},
    {Problem::SkippedNoSuchRow, {kCaptionSkipped, "no such row", "no such row"}},
    {Problem::NoDateInName,
     {kCaptionMessage, "ﾌｧｲﾙ名から日付を読み取れません。",
      "Cannot read a date from the file name."}},
    {Problem::RenameFailed,
     {kCaptionMessage, "ﾌｧｲﾙ名を変更できません。", "Cannot rename the file."}},
    {Problem::DateNotShifted,
     {kCaptionMessage, "日付をずらせません。(%s)", "Cannot shift the date. (%s)"}},
    {Problem::ShiftForm,
     {kCaptionMessage, "ずらす時間は「[+|-][日数 ]HH:MM[:SS]」の形で入力して下さい。",
      "Enter the time to shift by as \"[+|-][days ]HH:MM[:SS]\"."}},
    {Problem::JournalWriteError,
     {kCaptionMessage, "変更の記録を書けないため、中止しました。",
      "Stopped: the record of changes cannot be written."}},
    {Problem::JournalUnreadable,
     {kCaptionMessage, "変更の記録を読めません。", "Cannot read the record of changes."}},
    {Problem::NothingToUndo,
     {kCaptionMessage, "元に戻す操作がありません。", "There is no operation to undo."}},
    {Problem::ChangedSinceOperation,
     {kCaptionMessage, "ﾌｧｲﾙが変更されているため、元に戻せません。",
      "The file has changed since, so it cannot be undone."}},
    {Problem::NameTakenForUndo,
     {kCaptionMessage, "元の名前のﾌｧｲﾙがあるため、名前を戻せません。",
      "A file has the original name, so the name cannot be restored."}},
    {Problem::CannotRecreate,
     {kCaptionMessage, "削除したﾌｧｲﾙは元に戻せません。", "A deleted file cannot be restored."}},
    {Problem::Undone, {kCaptionMessage, "操作 %sを元に戻しました。", "Undid operation %s."}},
    {Problem::Redone, {kCaptionMessage, "操作 %sをやり直しました。", "Redid operation %s."}},
    {Problem::FileRestored, {kCaptionMessage, "元に戻しました。", "Restored."}},
    {Problem::FileRedone, {kCaptionMessage, "やり直しました。", "Redone."}},
    {Problem::NothingToRedo,
     {kCaptionMessage, "やり直す操作がありません。", "There is no operation to redo."}},
    {Problem::AlreadyUndone,
     {kCaptionMessage, "操作 %s は元に戻されています。", "Operation %s has been undone already."}},
};

struct QuestionTexts {
    Question question;
    std::string_view japanese;
    std::string_view english;
};

constexpr QuestionTexts kQuestions[] = {
    {Question::UnsavedEdits, "変更が保存されていません。保存しますか？",
     "The changes have not been saved. Save them?"},
    {Question::ConfirmBatch, "「%s」で %d 個のﾌｧｲﾙを変更します。よろしいですか？",
     "\"%s\" will change %d file(s). Go ahead?"},
    {Question::Undo, "操作 %sを元に戻しますか？", "Undo operation %s?"},
    {Question::Redo, "操作 %sをやり直しますか？", "Redo operation %s?"},
    {Question::Remove, "選択したﾀｸﾞをﾌｧｲﾙから削除しますか？",
     "Delete the selected tags from the file?"},
};

bool inJapanese() {
    return textLanguage() == Language::Japanese;
}

// The captions written in Japanese read "message" in English, as the others do.
std::string_view captionText(std::string_view caption) {
    if (inJapanese() || (caption != kCaptionSaved && caption != kCaptionFileError)) return caption;
    return kCaptionMessage;
}

}  // namespace

MessageText messageFor(Problem problem) {
    for (const auto& [each, message] : kMessages) {
        if (each == problem)
            return {captionText(message.caption),
                    inJapanese() ? message.japanese : message.english};
    }
    return {kCaptionMessage, {}};
}

std::string_view questionText(Question question) {
    for (const QuestionTexts& each : kQuestions) {
        if (each.question == question) return inJapanese() ? each.japanese : each.english;
    }
    return {};
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
    std::string text(questionText(Question::ConfirmBatch));
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
