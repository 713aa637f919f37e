#pragma once
// Every text the core produces for the user: messages, captions, error
// texts and the texts the core composes for a dialog. ltbtool prints some of
// them; its own usage and error lines are in English, in ltbtool. They are
// only ever shown, so they are kept in UTF-8, the edges' encoding; a text the
// core hands on in code page 932 is converted where it is composed. Each
// shown text is a Text (core/base/translation.h): its Japanese words are its
// message id, translated when read. A text composed at run time is one format
// taking its values (core/base/message_format.h), never pieces glued. Texts
// only the desktop program shows are in ui/base/messages.h, in the same
// namespace, so a text lives in one of the two tables and never in both.

#include <string_view>

#include "core/base/translation.h"

namespace listora::msg {

// Message box captions.
inline constexpr std::string_view kAppTitle = "Listora";
inline constexpr Text kErrorCaption = Tx("エラー");

// The name of a document that has no file yet.
inline constexpr Text kUntitled = Tx("無題");

// Loading a document.
inline constexpr Text kNotLtb = Tx("LTBファィルではありません。");
// Append-open spells it with the ordinary small "イ".
inline constexpr Text kNotLtbAppend = Tx("LTBファイルではありません。");
inline constexpr Text kBadVersion = Tx("ファイルのバージョンが違います。");
inline constexpr Text kWrongPassword = Tx("パスワードが違います。");
// A document that ends before its items begin is refused with the first;
// one whose item section ends before its stored item count is opened and
// told of with both, the second taking the stored count, then the items
// read whole.
inline constexpr Text kEndedEarly = Tx("ファイルが途中で終わっています。");
inline constexpr Text kEndedEarlyCountFormat =
    Tx("ファイルが途中で終わっています。%u 個のアイテムのうち、最後まで読み込めたのは %d 個です。");

// Reading and writing files; each takes the file, then the reason.
inline constexpr Text kCannotRead = Tx("「%s」を読み込めませんでした: %s");
inline constexpr Text kCannotWrite = Tx("「%s」に書き込めませんでした: %s");
// The reason given for a file above the size limit; takes the limit.
inline constexpr Text kFileTooLargeFormat = Tx("larger than %zu bytes");
// The reason given for a FIFO, device or socket where a file is wanted.
inline constexpr Text kNotRegularFile = Tx("通常のファイルではありません");
// The reason given for a file written to while it was read more than once.
inline constexpr Text kChangedWhileRead = Tx("読み込み中に変更されました");
// The reasons for the failures users meet most (core/base/error_reason.h).
inline constexpr Text kReasonNoSuchFile = Tx("ファイルまたはフォルダがありません");
inline constexpr Text kReasonPermission = Tx("アクセスが許可されていません");
inline constexpr Text kReasonNoSpace = Tx("ディスクの空き容量が足りません");
inline constexpr Text kReasonReadOnly = Tx("読み取り専用のファイルシステムです");
inline constexpr Text kReasonFolder = Tx("フォルダです");
inline constexpr Text kReasonNameTooLong = Tx("名前が長すぎます");
// Said once before a file is overwritten in place because its folder takes
// no new file; takes the file.
inline constexpr Text kInPlaceSave =
    Tx("「%"
       "s」のフォルダには新しいファイルを作れないため、安全に保存できません。ファイルを直接書き換え"
       "ます"
       "。");
// Follows the reason of a failed in-place write.
inline constexpr Text kMayBeIncomplete = Tx("ファイルが不完全になっている可能性があります。");
// Warnings after a save that replaced the file; each takes the file, then
// the attribute names or the system's reason.
inline constexpr Text kAttributesNotKept = Tx("「%s」の次の属性を引き継げませんでした: %s");
inline constexpr Text kFolderNotSynced =
    Tx("「%s」を保存しましたが、フォルダの変更をディスクに書き出せませんでした: %s");

// Numbers typed into a dialog field.
inline constexpr Text kNumberRangeFormat = Tx("%d から %d までの整数を入力してください。");
inline constexpr Text kPositiveNumberWanted = Tx("正の整数を入力してください。");
inline constexpr Text kNumberWanted = Tx("整数を入力してください。");

// The update check's question; takes the new version's display text.
inline constexpr Text kNewerVersionFormat =
    Tx("\"Version %s\" にバージョンアップしています。\r\nwebページを開きますか？");

// Importing CSV and tab-separated text: the encodings by name, and what is
// said of a file refused or cut; each format takes one int.
inline constexpr std::string_view kEncodingCp932 = "Shift_JIS";
inline constexpr std::string_view kEncodingUtf8 = "UTF-8";
inline constexpr std::string_view kEncodingUtf16 = "UTF-16";
inline constexpr std::string_view kEncodingEucJp = "EUC-JP";
inline constexpr std::string_view kEncodingWindows1252 = "Windows-1252";
// Takes the line, then the encoding's name.
inline constexpr Text kImportBadBytesFormat = Tx("%d 行目に %s として読めない文字があります。");
inline constexpr Text kImportOpenQuoteFormat = Tx("%d 行目で始まる \" が閉じられていません。");
// Takes the line of the bytes that tell the possible encodings apart.
inline constexpr Text kImportUndecidedFormat =
    Tx("%d 行目から文字コードを判別できません。文字コードを選んでください。");
// Takes the line of the opening quote, then that of the closing one.
inline constexpr Text kImportStrayQuoteFormat =
    Tx("%d 行目で始まる \" が %d 行目で閉じた後に、区切り文字でない文字があります。");
inline constexpr Text kImportNamesLineFormat = Tx("%d 行目をカラム名にしました。");
inline constexpr Text kImportNamesCutFormat =
    Tx("%d 個のカラム名が長すぎるため、文字の切れ目で切り詰めました。");
inline constexpr Text kImportFieldsLeftOutFormat =
    Tx("フィールド数がカラム数を超えているため、%d 列分のフィールドを取り込みませんでした。");

// Item entry: the count line under the one-line entry; takes one int.
inline constexpr Text kFieldCountFormat = Tx("現在の項目数: %d");

// Labels of the duplicate search's result dialog; each takes one int.
inline constexpr Text kDuplicateRowsFormat = Tx("総アイテム数: %4d");
inline constexpr Text kDuplicateTickedFormat = Tx("チェックアイテム数: %4d");
inline constexpr Text kDuplicateGroupsFormat = Tx("重複数: %4d 組");

// The end of "すべて置換".
inline constexpr Text kReplaceFinished = Tx("置換が終了しました");

// List search; each takes the quoted search text, the first then the count.
inline constexpr PluralText kListSearchFound = TxPlural(
    "%s を含むアイテムが %d 個見つかりました。", "%s を含むアイテムが %d 個見つかりました。");
inline constexpr Text kListSearchNotFound = Tx("%s を含むアイテムは見つかりませんでした");

// Attaching an image; takes the target path, then the system's reason.
inline constexpr Text kImageCopyFailed = Tx("画像ファイルをコピーできませんでした: %s: %s");

// Automatic insertion's sample line, taking the sample, and the times shown
// for the time kinds.
inline constexpr Text kSampleFormat = Tx("例:　%s");
inline constexpr Text kSampleCreatedTime = Tx("2006年5月1日、1:23:46");
inline constexpr Text kSampleWrittenTime = Tx("2006年5月1日、1:23:45");

// The image information text, in half-width katakana, the dialog's own
// wording; takes the file name, its size, the width and height, then the
// three times.
inline constexpr Text kImageInfoFormat =
    Tx(" ﾌｧｲﾙ名\t%s\n ﾌｧｲﾙｻｲｽﾞ\t%s ﾊﾞｲﾄ\n 画像ｻｲｽﾞ\t%s x %s ﾋﾟｸｾﾙ\n"
       "----------------------------------\n 作成日時\t%s\n 更新日時\t%s\n ｱｸｾｽ日時\t%s");

// The .xlsx export.
inline constexpr Text kXlsxTooManyRows =
    Tx("アイテムが多すぎるため、XLSXファイルに出力できません。"
       "1つのシートに入るのは、列名の行を含めて1,048,576行までです。");
inline constexpr Text kXlsxNotWritten = Tx("XLSXファイルを作成できませんでした。");
// The item's number, then the column's.
inline constexpr Text kXlsxCellTooLongFormat =
    Tx("%d 番目のアイテムの %d 列目が長すぎるため、XLSXファイルに出力できません。"
       "セルに入るのは32,767文字までです。");

// Texts written into the files the program makes: the document type's name
// (also the desktop program's name for it), the desktop entries, and the
// HTML export's table summary and column abbreviation.
inline constexpr std::string_view kDocumentKind = "Listoraファイル";
// A desktop entry speaks English by default and Japanese as its translation.
inline constexpr std::string_view kAppEntryComment = "データを管理します。";
inline constexpr std::string_view kAppEntryCommentEnglish =
    "Keep a table of items with memos and pictures";
inline constexpr std::string_view kAppEntryKeywords = "table;list;items;memo;pictures;catalogue;";
inline constexpr std::string_view kAppEntryKeywordsJapanese =
    "表;リスト;アイテム;メモ;画像;データ;";
inline constexpr std::string_view kImportEntryName = "Listora(取り込み)";
inline constexpr std::string_view kImportEntryComment = "Listoraへデータを取り込みます。";
inline constexpr std::string_view kExportTableSummary = "データ";
inline constexpr std::string_view kExportColumnAbbr = "カラム名";

}  // namespace listora::msg
