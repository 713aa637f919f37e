#pragma once
// Every text the desktop program shows that the core does not produce:
// messages, questions, captions, file chooser titles and filters, progress
// and status texts; each command's menu text, status-bar prompt and tool
// tip are in its entry of the table of commands (ui/app/command_table.cpp). The
// core's texts are in core/base/messages.h, in the same namespace; a text
// lives in one of the two tables and never in both. Labels, menu texts and
// tool tips that belong to one dialog's or menu's layout stay where that
// layout is built, marked there for translation (Tr, Tx). UTF-8; each text
// is a Text, translated when read (core/base/translation.h).

#include <string_view>

#include "core/base/translation.h"

namespace listora::msg {

// Message box captions and the message boxes' own buttons.
inline constexpr Text kConfirmCaption = Tx("確認");
inline constexpr Text kSearchResultCaption = Tx("検索結果");
inline constexpr Text kPrintCaption = Tx("印刷");
inline constexpr Text kVersionCheckCaption = Tx("バージョンチェック");
inline constexpr Text kYesButton = Tx("はい");
inline constexpr Text kNoButton = Tx("いいえ");
inline constexpr Text kCancelButton = Tx("キャンセル");

// Documents: opening, saving and the columns.
// Takes the document's name.
inline constexpr Text kSaveChangesFormat = Tx("%s への変更を保存しますか?");
// Asked before a save or an export replaces an existing file; %s is its name.
inline constexpr Text kOverwriteQuestion = Tx("%s は既に存在します。\n上書きしますか？");
// Asked before Save replaces a file that another program (or window) wrote
// after it was opened or last saved here; %s is its name.
inline constexpr Text kChangedOnDiskQuestion =
    Tx("%s は開いた後にほかのプログラムで変更されています。\n上書きしますか？");
inline constexpr Text kPasswordsDiffer = Tx("パスワードが違います");
inline constexpr Text kColumnsAtMaximum = Tx("カラム数が最大です");
// A save or another command that ran out of memory; the document is as it
// was before the command.
inline constexpr Text kOutOfMemory = Tx("メモリが不足しています。");
inline constexpr Text kCannotDeleteColumn = Tx("これ以上削除できません");
inline constexpr Text kCannotWriteSettings = Tx("設定ファイルに書き込めませんでした。");

// File choosers.
inline constexpr Text kOpenTitle = Tx("開く");
inline constexpr Text kSaveAsTitle = Tx("名前を付けて保存");
inline constexpr Text kDocumentFilter = Tx("Listoraファイル (*.ltb)|*.ltb");
inline constexpr Text kTextFilter = Tx("テキストファイル (*.txt)|*.txt");
inline constexpr Text kHtmlFilter = Tx("HTMLファイル (*.html, *.htm)|*.html;*.htm");
inline constexpr Text kCsvFilter = Tx("CSVファイル (*.csv)|*.csv");
// The UTF-8 file type each export offers after its code page 932 one.
inline constexpr Text kTextUtf8Filter = Tx("テキストファイル UTF-8 (*.txt)|*.txt");
inline constexpr Text kHtmlUtf8Filter = Tx("HTMLファイル UTF-8 (*.html, *.htm)|*.html;*.htm");
inline constexpr Text kCsvUtf8Filter = Tx("CSVファイル UTF-8 (*.csv)|*.csv");
inline constexpr Text kXlsxFilter = Tx("XLSXファイル (*.xlsx)|*.xlsx");
inline constexpr Text kImageFilter =
    Tx("画像ファイル (*.jpg, *.jpeg, *.bmp, *.gif)|*.jpg;*.jpeg;*.bmp;*.gif");

// Importing CSV and tab-separated text: the chooser's and dialog's title,
// the chooser's filter, and the dialog's line saying how the file is read
// (the encoding's name, then how the fields are separated), and the line
// naming the encodings that read a file the chosen one does not.
inline constexpr Text kImportTitle = Tx("インポート");
inline constexpr Text kImportFilter =
    Tx("CSV・テキストファイル (*.csv, *.tsv, *.tab, *.txt)|*.csv;*.tsv;*.tab;*.txt|"
       "すべてのファイル (*)|*");
inline constexpr Text kImportReadAsFormat = Tx("%s、%sで読み込みます。");
inline constexpr Text kCommaSeparated = Tx("カンマ区切り");
inline constexpr Text kTabSeparated = Tx("タブ区切り");
inline constexpr Text kSemicolonSeparated = Tx("セミコロン区切り");
inline constexpr Text kSpaceSeparated = Tx("スペース区切り");
// Takes the separating character.
inline constexpr Text kOtherSeparatedFormat = Tx("「%c」区切り");
inline constexpr Text kOtherSeparator = Tx("その他");
inline constexpr Text kNoQuote = Tx("なし");
inline constexpr Text kImportOtherSeparatorMissing =
    Tx("「その他」の区切り文字を1文字入力してください。");
inline constexpr Text kImportReadersFormat = Tx("この文字コードで読めます: %s");

// The progress dialog's status line.
inline constexpr Text kWorking = Tx("現在作業中です。");
inline constexpr Text kCancelling = Tx("現在処理を中止しています。");

// The count labels of the main tool bar and the tree's tool bar.
inline constexpr Text kTotalCount = Tx("　総アイテム数: %d");
inline constexpr Text kSelectedCount = Tx("　選択アイテム数: %d");
inline constexpr Text kTreeParentCount = Tx("　親アイテム数:　%d");

// The list and tree panes.
inline constexpr Text kDeleteSelectedQuestion = Tx("選択項目を削除しますか？");
inline constexpr Text kPasteCountQuestion =
    Tx("貼り付け項目数と現在の列数が違います。\nこのまま貼り付けますか?");
inline constexpr Text kClearTreeQuestion =
    Tx("ツリーコントロール内のアイテムをすべてクリアしますか？");

// The text and image panes.
inline constexpr Text kNoAssociatedApplication = Tx("関連付けられたアプリケーションがありません");
// Must name kMaxMemoFileBytes (core/panes/memo_file.h).
inline constexpr Text kMemoFileTooLarge =
    Tx("ファイルが大きすぎるため、メモにできません。\n"
       "メモにできるのは 1,048,576 バイトまでのファイルです。");
inline constexpr Text kOverwriteImage =
    Tx("コピー先に同名ファイルが存在します。\r\n上書きしますか？");

// Item entry.
inline constexpr Text kTooManyFields = Tx("カラム数より項目数が多いです");
inline constexpr Text kBulkTextEmpty = Tx("項目が未入力です");
inline constexpr Text kAllFieldsEmpty =
    Tx("すべての項目が未入力です\nどれかひとつは入力してください");

// Automatic insertion.
inline constexpr Text kEnterFolderName = Tx("フォルダ名を入力してください");
inline constexpr Text kChooseInsertFolder = Tx("取り込むフォルダを選択して下さい。");

// Duplicate search, find and replace.
inline constexpr Text kNoDuplicates = Tx("重複アイテムはありませんでした。");
inline constexpr Text kFindFinished = Tx("検索が終了しました");

// Printing: when margins and font size leave no room for a single row under
// the header and above the footer, the rows are printed one per page.
inline constexpr Text kRowsDoNotFit =
    Tx("余白とフォントサイズの設定では1ページに1行も入りません。\r\n1ページに1行ずつ印刷します。");
// Page ranges that all lie past the last page; takes the page count.
inline constexpr Text kNoAskedPagesFormat =
    Tx("指定されたページはありません。この文書は全 %d ページです。");

// Settings.
inline constexpr Text kCannotHideEveryPane = Tx("すべてのビューを非表示には出来ません");
inline constexpr Text kAssociationCaption = Tx("関連付け");
inline constexpr Text kAssociated = Tx("関連付けしました。");
inline constexpr Text kDissociated = Tx("関連付けをはずしました。");
inline constexpr Text kShortcutsCreated = Tx("ショートカットを作成しました。");
inline constexpr Text kShortcutsDeleted = Tx("ショートカットを削除しました。");

// Undo and redo: the status prompt naming the step (%s), and the names of
// the steps, one for each kind of edit.
inline constexpr Text kUndoStepFormat = Tx("元に戻す: %s");
inline constexpr Text kRedoStepFormat = Tx("やり直し: %s");
// Said once per document, in the status bar.
inline constexpr Text kOldestStepsDropped =
    Tx("元に戻せる操作の数が上限に達したため、古い操作から元に戻せなくなります");
inline constexpr Text kStepCell = Tx("セルの編集");
inline constexpr Text kStepMemo = Tx("メモの編集");
inline constexpr Text kStepImage = Tx("画像の関連付け");
inline constexpr Text kStepAddItem = Tx("アイテムの追加");
inline constexpr Text kStepModifyItem = Tx("アイテムの修正");
inline constexpr Text kStepPaste = Tx("貼り付け");
inline constexpr Text kColumnNameCut =
    Tx("カラム名は99バイトまでのため、超えた部分を切り詰めました。");
inline constexpr Text kStepDelete = Tx("削除");
inline constexpr Text kStepMove = Tx("移動");
inline constexpr Text kStepSort = Tx("並べ替え");
inline constexpr Text kStepListSearch = Tx("検索");
inline constexpr Text kStepReplace = Tx("置換");
inline constexpr Text kStepReplaceAll = Tx("すべて置換");
inline constexpr Text kStepInsertFiles = Tx("ファイルの取り込み");
inline constexpr Text kStepAutoInsert = Tx("自動挿入");
inline constexpr Text kStepAppendOpen = Tx("追加で開く");
inline constexpr Text kStepAddColumn = Tx("カラムの追加");
inline constexpr Text kStepDeleteColumn = Tx("カラムの削除");
inline constexpr Text kStepColumnSettings = Tx("カラムの設定");
inline constexpr Text kStepSettings = Tx("環境設定");

// The update check.
inline constexpr Text kUpdateIdle = Tx("アップデートの有無を調べます。");
inline constexpr Text kUpdateChecking = Tx("現在チェック中です。\nしばらくお待ちください。");
inline constexpr Text kConnectionError = Tx("接続エラー");
inline constexpr Text kNoVersionInfo = Tx("バージョン情報がありません");
inline constexpr Text kNoNewerVersion = Tx("バージョンアップはありません。");

}  // namespace listora::msg
