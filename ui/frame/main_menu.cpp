#include "ui/frame/main_menu.h"

#include <wx/menu.h>

#include "ui/base/command_help.h"
#include "ui/base/command_ids.h"
#include "ui/base/menu_label.h"
#include "ui/frame/recent_file_menu.h"
#include "ui/text/text_convert.h"
#include "ui/views/list_menus.h"

namespace listora {

namespace {

wxMenu* MakeFileMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kNew, "新規作成\tCtrl+N(&N)");
  AppendCommand(*menu, cmd::kOpen, "開く...\tCtrl+O(&O)");
  AppendCommand(*menu, cmd::kAppendOpen, "追加で開く\t\t\tCtrl+D(&D)");
  AppendCommand(*menu, cmd::kSave, "上書き保存\tCtrl+S(&S)");
  AppendCommand(*menu, cmd::kSaveAs, "名前を付けて保存(&A)...");
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kPrint, "印刷...\tCtrl+P(&P)");
  AppendCommand(*menu, cmd::kPrintPreview, "印刷プレビュー(&V)");
  AppendCommand(*menu, cmd::kPrintSetup, "プリンタの設定(&R)...");
  AppendCommand(*menu, cmd::kPrintLayout, "印刷レイアウト設定(&L)");
  menu->AppendSeparator();
  AppendRecentFilePlaceholder(*menu);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kExit, "アプリケーションの終了(&X)");
  return menu;
}

wxMenu* MakeSettingsMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kColumnSettings, "カラムの設定(&C)");
  AppendCommand(*menu, cmd::kSettings, "環境設定(&S)");
  return menu;
}

wxMenu* MakeSearchMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kDuplicateSearch, "重複検索(&S)");
  AppendCommand(*menu, cmd::kFindReplace, "検索と置換(&T)");
  return menu;
}

wxMenu* MakeViewMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kToggleToolBar, "ツール バー(&T)", wxITEM_CHECK);
  AppendCommand(*menu, cmd::kToggleStatusBar, "ステータス バー(&S)", wxITEM_CHECK);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kListView, "リストビュー(&L)", wxITEM_CHECK);
  AppendCommand(*menu, cmd::kTreeView, "ツリービュー(&R)", wxITEM_CHECK);
  AppendCommand(*menu, cmd::kTextView, "テキストビュー(&E)", wxITEM_CHECK);
  AppendCommand(*menu, cmd::kImageView, "イメージビュー(&I)", wxITEM_CHECK);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kTreeToolBar, "ツリービューのツールバー(&Y)", wxITEM_CHECK);
  return menu;
}

wxMenu* MakeToolsMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kAutoInsert, "自動挿入\t\tCtrl + J(&J)");
  AppendCommand(*menu, cmd::kAddItem, "アイテムの追加(&I)");
  auto* tree = new wxMenu;
  for (int n = 1; n <= 4; ++n) {
    const int id = cmd::kTreeGroup1 + n - 1;
    tree->Append(id, wxString::Format("No.&%d", n), HelpFor(id).prompt);
  }
  AppendSubMenu(*menu, tree, "ツリービュー(&T)");
  return menu;
}

wxMenu* MakeExportMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kExportText, "テキスト出力(&T)");
  AppendCommand(*menu, cmd::kExportHtml, "HTML出力(&H)");
  AppendCommand(*menu, cmd::kExportCsv, "CSV出力(&C)");
  return menu;
}

wxMenu* MakeHelpMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kHelp, "ヘルプ\t\tF1(&H)");
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kAbout, "バージョン情報(&A)...");
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kUpdateCheck, "アップデートチェック(&U)");
  return menu;
}

}  // namespace

MainMenus MakeMainMenuBar() {
  MainMenus menus;
  menus.bar = new wxMenuBar;
  menus.file = MakeFileMenu();
  menus.bar->Append(menus.file, Utf8("ファイル(&F)"));
  menus.bar->Append(MakeMainEditMenu(menus.copyColumns, menus.pasteColumns), Utf8("編集(&E)"));
  menus.bar->Append(MakeSettingsMenu(), Utf8("設定(&P)"));
  menus.bar->Append(MakeSearchMenu(), Utf8("検索(&S)"));
  menus.bar->Append(MakeViewMenu(), Utf8("表示(&V)"));
  menus.bar->Append(MakeMoveMenu(), Utf8("移動(&M)"));
  menus.bar->Append(MakeToolsMenu(), Utf8("ツール(&T)"));
  menus.bar->Append(MakeExportMenu(), Utf8("出力(&O)"));
  menus.bar->Append(MakeHelpMenu(), Utf8("ヘルプ(&H)"));
  return menus;
}

}  // namespace listora
