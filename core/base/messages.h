#pragma once
// Every text the core produces for the user: messages, captions, error
// texts and the texts the core composes for a dialog. ltbtool prints some of
// them; its own usage and error lines are in English, in ltbtool. They are
// only ever shown, so they are kept in UTF-8, the edges' encoding; a text the
// core hands on in code page 932 is converted where it is composed. Texts
// only the desktop program shows are in ui/base/messages.h, in the same
// namespace, so a text lives in one of the two tables and never in both.

#include <string_view>

namespace listora::msg {

// Message box captions.
inline constexpr std::string_view kAppTitle = "Listora";
inline constexpr std::string_view kErrorCaption = "エラー";

// The name of a document that has no file yet.
inline constexpr std::string_view kUntitled = "無題";

// Loading a document.
inline constexpr std::string_view kNotLtb = "LTBファィルではありません。";
// Append-open spells it with the ordinary small "イ".
inline constexpr std::string_view kNotLtbAppend = "LTBファイルではありません。";
inline constexpr std::string_view kBadVersion = "ファイルのバージョンが違います。";
inline constexpr std::string_view kWrongPassword = "パスワードが違います。";
// A document that ends before its items begin is refused with the first;
// one whose item section ends before its stored item count is opened and
// told of with both, the second taking the stored count, then the items
// read whole.
inline constexpr std::string_view kEndedEarly = "ファイルが途中で終わっています。";
inline constexpr std::string_view kEndedEarlyCountFormat =
    "%u 個のアイテムのうち、最後まで読み込めたのは %d 個です。";

// Reading and writing files: "「file」" + one of these + ": " + the reason.
inline constexpr std::string_view kCannotRead = "を読み込めませんでした";
inline constexpr std::string_view kCannotWrite = "に書き込めませんでした";
// The reason given for a file above the size limit; takes the limit.
inline constexpr std::string_view kFileTooLargeFormat = "larger than %zu bytes";
// The reason given for a FIFO, device or socket where a file is wanted.
inline constexpr std::string_view kNotRegularFile = "通常のファイルではありません";
// The reason given for a file written to while it was read more than once.
inline constexpr std::string_view kChangedWhileRead = "読み込み中に変更されました";
// The reasons for the failures users meet most (core/base/error_reason.h).
inline constexpr std::string_view kReasonNoSuchFile = "ファイルまたはフォルダがありません";
inline constexpr std::string_view kReasonPermission = "アクセスが許可されていません";
inline constexpr std::string_view kReasonNoSpace = "ディスクの空き容量が足りません";
inline constexpr std::string_view kReasonReadOnly = "読み取り専用のファイルシステムです";
inline constexpr std::string_view kReasonFolder = "フォルダです";
inline constexpr std::string_view kReasonNameTooLong = "名前が長すぎます";
// Said once before a file is overwritten in place because its folder takes
// no new file: "「file」" + this.
inline constexpr std::string_view kInPlaceSave =
    "のフォルダには新しいファイルを作れないため、安全に保存できません。ファイルを直接書き換えます"
    "。";
// Follows the reason of a failed in-place write.
inline constexpr std::string_view kMayBeIncomplete =
    "ファイルが不完全になっている可能性があります。";
// Warnings after a save that replaced the file: "「file」" + one of these +
// ": " + the attribute names or the system's reason.
inline constexpr std::string_view kAttributesNotKept = "の次の属性を引き継げませんでした";
inline constexpr std::string_view kFolderNotSynced =
    "を保存しましたが、フォルダの変更をディスクに書き出せませんでした";

// Numbers typed into a dialog field.
inline constexpr std::string_view kNumberRangeFormat = "%d から %d までの整数を入力してください。";
inline constexpr std::string_view kPositiveNumberWanted = "正の整数を入力してください。";
inline constexpr std::string_view kNumberWanted = "整数を入力してください。";

// The update check's question is these two around the new version's display text.
inline constexpr std::string_view kNewerVersionBefore = "\"Version ";
inline constexpr std::string_view kNewerVersionAfter =
    "\" にバージョンアップしています。\r\nwebページを開きますか？";

// Importing CSV and tab-separated text: the encodings by name, and what is
// said of a file refused or cut; each format takes one int.
inline constexpr std::string_view kEncodingCp932 = "Shift_JIS";
inline constexpr std::string_view kEncodingUtf8 = "UTF-8";
inline constexpr std::string_view kEncodingUtf16 = "UTF-16";
inline constexpr std::string_view kEncodingEucJp = "EUC-JP";
inline constexpr std::string_view kEncodingWindows1252 = "Windows-1252";
// Takes the line, then the encoding's name.
inline constexpr std::string_view kImportBadBytesFormat =
    "%d 行目に %s として読めない文字があります。";
inline constexpr std::string_view kImportOpenQuoteFormat =
    "%d 行目で始まる \" が閉じられていません。";
// Takes the line of the bytes that tell the possible encodings apart.
inline constexpr std::string_view kImportUndecidedFormat =
    "%d 行目から文字コードを判別できません。文字コードを選んでください。";
// Takes the line of the opening quote, then that of the closing one.
inline constexpr std::string_view kImportStrayQuoteFormat =
    "%d 行目で始まる \" が %d 行目で閉じた後に、区切り文字でない文字があります。";
inline constexpr std::string_view kImportNamesLineFormat = "%d 行目をカラム名にしました。";
inline constexpr std::string_view kImportNamesCutFormat =
    "%d 個のカラム名が長すぎるため、文字の切れ目で切り詰めました。";
inline constexpr std::string_view kImportFieldsLeftOutFormat =
    "フィールド数がカラム数を超えているため、%d 列分のフィールドを取り込みませんでした。";

// Item entry: the count line under the one-line entry; takes one int.
inline constexpr std::string_view kFieldCountFormat = "現在の項目数: %d";

// Labels of the duplicate search's result dialog; each takes one int.
inline constexpr std::string_view kDuplicateRowsFormat = "総アイテム数: %4d";
inline constexpr std::string_view kDuplicateTickedFormat = "チェックアイテム数: %4d";
inline constexpr std::string_view kDuplicateGroupsFormat = "重複数: %4d 組";

// The end of "すべて置換".
inline constexpr std::string_view kReplaceFinished = "置換が終了しました";

// List search: the quoted search text, then one of these (the first with the
// count between its two halves).
inline constexpr std::string_view kListSearchFoundHead = " を含むアイテムが ";
inline constexpr std::string_view kListSearchFoundTail = " 個見つかりました。";
inline constexpr std::string_view kListSearchNotFound = " を含むアイテムは見つかりませんでした";

// Attaching an image; followed by the target path and the system's reason.
inline constexpr std::string_view kImageCopyFailed = "画像ファイルをコピーできませんでした: ";

// Automatic insertion's sample line: the prefix, and the times shown for
// the time kinds.
inline constexpr std::string_view kSamplePrefix = "例:　";
inline constexpr std::string_view kSampleCreatedTime = "2006年5月1日、1:23:46";
inline constexpr std::string_view kSampleWrittenTime = "2006年5月1日、1:23:45";

// The image information text, in half-width katakana, the dialog's own
// wording: each label is followed by its value.
inline constexpr std::string_view kImageInfoFileName = " ﾌｧｲﾙ名\t";
inline constexpr std::string_view kImageInfoFileSize = "\n ﾌｧｲﾙｻｲｽﾞ\t";
inline constexpr std::string_view kImageInfoImageSize = " ﾊﾞｲﾄ\n 画像ｻｲｽﾞ\t";
inline constexpr std::string_view kImageInfoCreated =
    " ﾋﾟｸｾﾙ\n----------------------------------\n 作成日時\t";
inline constexpr std::string_view kImageInfoWritten = "\n 更新日時\t";
inline constexpr std::string_view kImageInfoAccessed = "\n ｱｸｾｽ日時\t";

// The .xlsx export.
inline constexpr std::string_view kXlsxTooManyRows =
    "アイテムが多すぎるため、XLSXファイルに出力できません。"
    "1つのシートに入るのは、列名の行を含めて1,048,576行までです。";
inline constexpr std::string_view kXlsxNotWritten = "XLSXファイルを作成できませんでした。";
// The item's number, then the column's.
inline constexpr std::string_view kXlsxCellTooLongFormat =
    "%d 番目のアイテムの %d 列目が長すぎるため、XLSXファイルに出力できません。"
    "セルに入るのは32,767文字までです。";

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
