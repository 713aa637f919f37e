#pragma once
// Every text the desktop program shows that the core does not produce:
// messages, questions, captions, file chooser titles and filters, progress
// and status texts; each command's menu text, status-bar prompt and tool
// tip are in its entry of the table of commands (ui/app/command_table.cpp). The
// core's texts are in core/base/messages.h, in the same namespace; a text
// lives in one of the two tables and never in both. Labels, menu texts and
// tool tips that belong to one dialog's or menu's layout stay where that
// layout is built. UTF-8.

#include <string_view>

namespace listora::msg {

// Message box captions and the message boxes' own buttons.
inline constexpr std::string_view kConfirmCaption = "確認";
inline constexpr std::string_view kSearchResultCaption = "検索結果";
inline constexpr std::string_view kPrintCaption = "印刷";
inline constexpr std::string_view kVersionCheckCaption = "バージョンチェック";
inline constexpr std::string_view kYesButton = "はい";
inline constexpr std::string_view kNoButton = "いいえ";
inline constexpr std::string_view kCancelButton = "キャンセル";

// Documents: opening, saving and the columns.
// Takes the document's name.
inline constexpr std::string_view kSaveChangesFormat = "%s への変更を保存しますか?";
// Asked before a save or an export replaces an existing file; %s is its name.
inline constexpr std::string_view kOverwriteQuestion = "%s は既に存在します。\n上書きしますか？";
// Asked before Save replaces a file that another program (or window) wrote
// after it was opened or last saved here; %s is its name.
inline constexpr std::string_view kChangedOnDiskQuestion =
    "%s は開いた後にほかのプログラムで変更されています。\n上書きしますか？";
inline constexpr std::string_view kPasswordsDiffer = "パスワードが違います";
inline constexpr std::string_view kColumnsAtMaximum = "カラム数が最大です";
// A save or another command that ran out of memory; the document is as it
// was before the command.
inline constexpr std::string_view kOutOfMemory = "メモリが不足しています。";
inline constexpr std::string_view kCannotDeleteColumn = "これ以上削除できません";
inline constexpr std::string_view kCannotWriteSettings = "設定ファイルに書き込めませんでした。";

// File choosers.
inline constexpr std::string_view kOpenTitle = "開く";
inline constexpr std::string_view kSaveAsTitle = "名前を付けて保存";
inline constexpr std::string_view kDocumentFilter = "Listoraファイル (*.ltb)|*.ltb";
inline constexpr std::string_view kTextFilter = "テキストファイル (*.txt)|*.txt";
inline constexpr std::string_view kHtmlFilter = "HTMLファイル (*.html, *.htm)|*.html;*.htm";
inline constexpr std::string_view kCsvFilter = "CSVファイル (*.csv)|*.csv";
// The UTF-8 file type each export offers after its code page 932 one.
inline constexpr std::string_view kTextUtf8Filter = "テキストファイル UTF-8 (*.txt)|*.txt";
inline constexpr std::string_view kHtmlUtf8Filter =
    "HTMLファイル UTF-8 (*.html, *.htm)|*.html;*.htm";
inline constexpr std::string_view kCsvUtf8Filter = "CSVファイル UTF-8 (*.csv)|*.csv";
inline constexpr std::string_view kXlsxFilter = "XLSXファイル (*.xlsx)|*.xlsx";
inline constexpr std::string_view kImageFilter =
    "画像ファイル (*.jpg, *.jpeg, *.bmp, *.gif)|*.jpg;*.jpeg;*.bmp;*.gif";

// Importing CSV and tab-separated text: the chooser's and dialog's title,
// the chooser's filter, and the dialog's line saying how the file is read
// (the encoding's name, then how the fields are separated), and the line
// naming the encodings that read a file the chosen one does not.
inline constexpr std::string_view kImportTitle = "インポート";
inline constexpr std::string_view kImportFilter =
    "CSV・テキストファイル (*.csv, *.tsv, *.tab, *.txt)|*.csv;*.tsv;*.tab;*.txt|"
    "すべてのファイル (*)|*";
inline constexpr std::string_view kImportReadAsFormat = "%s、%sで読み込みます。";
inline constexpr std::string_view kCommaSeparated = "カンマ区切り";
inline constexpr std::string_view kTabSeparated = "タブ区切り";
inline constexpr std::string_view kSemicolonSeparated = "セミコロン区切り";
inline constexpr std::string_view kSpaceSeparated = "スペース区切り";
// Takes the separating character.
inline constexpr std::string_view kOtherSeparatedFormat = "「%c」区切り";
inline constexpr std::string_view kOtherSeparator = "その他";
inline constexpr std::string_view kNoQuote = "なし";
inline constexpr std::string_view kImportOtherSeparatorMissing =
    "「その他」の区切り文字を1文字入力してください。";
inline constexpr std::string_view kImportReadersPrefix = "この文字コードで読めます: ";

// The progress dialog's status line.
inline constexpr std::string_view kWorking = "現在作業中です。";
inline constexpr std::string_view kCancelling = "現在処理を中止しています。";

// The count labels of the main tool bar and the tree's tool bar.
inline constexpr std::string_view kTotalCount = "　総アイテム数: %d";
inline constexpr std::string_view kSelectedCount = "　選択アイテム数: %d";
inline constexpr std::string_view kTreeParentCount = "　親アイテム数:　%d";

// The list and tree panes.
inline constexpr std::string_view kDeleteSelectedQuestion = "選択項目を削除しますか？";
inline constexpr std::string_view kPasteCountQuestion =
    "貼り付け項目数と現在の列数が違います。\nこのまま貼り付けますか?";
inline constexpr std::string_view kClearTreeQuestion =
    "ツリーコントロール内のアイテムをすべてクリアしますか？";

// The text and image panes.
inline constexpr std::string_view kNoAssociatedApplication =
    "関連付けられたアプリケーションがありません";
// Must name kMaxMemoFileBytes (core/panes/memo_file.h).
inline constexpr std::string_view kMemoFileTooLarge =
    "ファイルが大きすぎるため、メモにできません。\n"
    "メモにできるのは 1,048,576 バイトまでのファイルです。";
inline constexpr std::string_view kOverwriteImage =
    "コピー先に同名ファイルが存在します。\r\n上書きしますか？";

// Item entry.
inline constexpr std::string_view kTooManyFields = "カラム数より項目数が多いです";
inline constexpr std::string_view kBulkTextEmpty = "項目が未入力です";
inline constexpr std::string_view kAllFieldsEmpty =
    "すべての項目が未入力です\nどれかひとつは入力してください";

// Automatic insertion.
inline constexpr std::string_view kEnterFolderName = "フォルダ名を入力してください";
inline constexpr std::string_view kChooseInsertFolder = "取り込むフォルダを選択して下さい。";

// Duplicate search, find and replace.
inline constexpr std::string_view kNoDuplicates = "重複アイテムはありませんでした。";
inline constexpr std::string_view kFindFinished = "検索が終了しました";

// Printing: when margins and font size leave no room for a single row under
// the header and above the footer, the rows are printed one per page.
inline constexpr std::string_view kRowsDoNotFit =
    "余白とフォントサイズの設定では1ページに1行も入りません。\r\n1ページに1行ずつ印刷します。";
// Page ranges that all lie past the last page; takes the page count.
inline constexpr std::string_view kNoAskedPagesFormat =
    "指定されたページはありません。この文書は全 %d ページです。";

// Settings.
inline constexpr std::string_view kCannotHideEveryPane = "すべてのビューを非表示には出来ません";
inline constexpr std::string_view kAssociationCaption = "関連付け";
inline constexpr std::string_view kAssociated = "関連付けしました。";
inline constexpr std::string_view kDissociated = "関連付けをはずしました。";
inline constexpr std::string_view kShortcutsCreated = "ショートカットを作成しました。";
inline constexpr std::string_view kShortcutsDeleted = "ショートカットを削除しました。";

// Undo and redo: the status prompt naming the step (%s), and the names of
// the steps, one for each kind of edit.
inline constexpr std::string_view kUndoStepFormat = "元に戻す: %s";
inline constexpr std::string_view kRedoStepFormat = "やり直し: %s";
// Said once per document, in the status bar.
inline constexpr std::string_view kOldestStepsDropped =
    "元に戻せる操作の数が上限に達したため、古い操作から元に戻せなくなります";
inline constexpr std::string_view kStepCell = "セルの編集";
inline constexpr std::string_view kStepMemo = "メモの編集";
inline constexpr std::string_view kStepImage = "画像の関連付け";
inline constexpr std::string_view kStepAddItem = "アイテムの追加";
inline constexpr std::string_view kStepModifyItem = "アイテムの修正";
inline constexpr std::string_view kStepPaste = "貼り付け";
inline constexpr std::string_view kColumnNameCut =
    "カラム名は99バイトまでのため、超えた部分を切り詰めました。";
inline constexpr std::string_view kStepDelete = "削除";
inline constexpr std::string_view kStepMove = "移動";
inline constexpr std::string_view kStepSort = "並べ替え";
inline constexpr std::string_view kStepListSearch = "検索";
inline constexpr std::string_view kStepReplace = "置換";
inline constexpr std::string_view kStepReplaceAll = "すべて置換";
inline constexpr std::string_view kStepInsertFiles = "ファイルの取り込み";
inline constexpr std::string_view kStepAutoInsert = "自動挿入";
inline constexpr std::string_view kStepAppendOpen = "追加で開く";
inline constexpr std::string_view kStepAddColumn = "カラムの追加";
inline constexpr std::string_view kStepDeleteColumn = "カラムの削除";
inline constexpr std::string_view kStepColumnSettings = "カラムの設定";
inline constexpr std::string_view kStepSettings = "環境設定";

// The update check.
inline constexpr std::string_view kUpdateIdle = "アップデートの有無を調べます。";
inline constexpr std::string_view kUpdateChecking =
    "現在チェック中です。\nしばらくお待ちください。";
inline constexpr std::string_view kConnectionError = "接続エラー";
inline constexpr std::string_view kNoVersionInfo = "バージョン情報がありません";
inline constexpr std::string_view kNoNewerVersion = "バージョンアップはありません。";

}  // namespace listora::msg
