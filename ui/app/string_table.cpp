#include "ui/app/string_table.h"

#include <string_view>

#include "ui/app/command_ids.h"
#include "ui/app/text_convert.h"

namespace listora {

namespace {

struct Entry {
  int id;
  std::string_view text;  // prompt "\n" tip
};

constexpr Entry kEntries[] = {
    {cmd::kTreeGroup1, "1列目を親アイテムにしてツリービューに挿入\n1列目から挿入"},
    {cmd::kTreeGroup1 + 1, "2列目を親アイテムにしてツリービューに挿入\n2列目から挿入"},
    {cmd::kTreeGroup1 + 2, "3列目を親アイテムにしてツリービューに挿入\n3列目から挿入"},
    {cmd::kTreeGroup4, "4列目を親アイテムにしてツリービューに挿入\n4列目から挿入"},
    {cmd::kSearch, "入力文字列を検索\n検索"},
    {cmd::kAddItem, "アイテムを追加します"},
    {cmd::kModifyItem, "選択アイテムを修正します"},
    {cmd::kAutoInsert, "アイテムをまとめて追加します\n自動挿入"},
    {cmd::kAssociateImage, "アイテムに画像を関連付けます\n画像の関連付け"},
    {cmd::kColumnSettings, "カラムを設定します\nカラム設定"},
    {cmd::kDuplicateSearch, "重複しているアイテムを検索します\n重複検索"},
    {cmd::kSettings, "Listoraの設定をします\n環境設定"},
    {cmd::kFindReplace, "検索と置換をします\n検索と置換"},
    {cmd::kAppendOpen, "現在のアイテムに追加でファイルを開きます\n追加で開く"},
    {cmd::kExportText, "テキスト形式でファイル作成\nテキストへ出力"},
    {cmd::kExportHtml, "HTML形式でファイル作成\nHTMLへ出力"},
    {cmd::kExportCsv, "CSV形式でファイル作成\nCSVへ出力"},
    {cmd::kUpdateCheck, "オンラインアップデートチェックをします。\nアップデートチェック"},
    {cmd::kAbout, "プログラム情報、バージョン、著作権を表示します。\nバージョン情報"},
    // The framework's commands and the window's own.
    {cmd::kNew, "新しいファイルを作成します\n新規作成"},
    {cmd::kOpen, "既存のファイルを開きます\n開く"},
    {cmd::kSave, "ファイルを上書き保存します\n上書き保存"},
    {cmd::kSaveAs, "ファイルに名前を付けて保存します\n名前を付けて保存"},
    {cmd::kPrint, "アイテムを印刷します\n印刷"},
    {cmd::kPrintPreview, "印刷イメージを表示します\n印刷プレビュー"},
    {cmd::kPrintSetup, "プリンタと印刷の設定を変更します\nプリンタの設定"},
    {cmd::kExit, "Listoraを終了します\n終了"},
    {cmd::kListView, "リストビューの表示と非表示を切り替えます\nリストビュー"},
    {cmd::kTreeView, "ツリービューの表示と非表示を切り替えます\nツリービュー"},
    {cmd::kTextView, "テキストビューの表示と非表示を切り替えます\nテキストビュー"},
    {cmd::kImageView, "イメージビューの表示と非表示を切り替えます\nイメージビュー"},
    {cmd::kTreeToolBar, "ツリービューのツールバーの表示と非表示を切り替えます"},
    {cmd::kToggleToolBar, "ツール バーの表示と非表示を切り替えます"},
    {cmd::kToggleStatusBar, "ステータス バーの表示と非表示を切り替えます"},
    {cmd::kMoveFirst, "先頭のアイテムを表示します\n先頭へ移動"},
    {cmd::kMoveMiddle, "中間のアイテムを表示します\n中間へ移動"},
    {cmd::kMoveLast, "最後のアイテムを表示します\n下へ移動"},
    {cmd::kAddColumn, "カラムを追加します\nカラムを追加"},
};

}  // namespace

CommandHelp HelpFor(int id) {
  for (const Entry& entry : kEntries) {
    if (entry.id != id) continue;
    const std::string_view::size_type split = entry.text.find('\n');
    if (split == std::string_view::npos) return {Utf8(entry.text), wxString()};
    return {Utf8(entry.text.substr(0, split)), Utf8(entry.text.substr(split + 1))};
  }
  return {};
}

}  // namespace listora
