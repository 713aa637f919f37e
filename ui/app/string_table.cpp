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
