#include "ui/views/main_menu.h"

#include <wx/menu.h>

#include "ui/app/command_ids.h"
#include "ui/app/string_table.h"
#include "ui/app/text_convert.h"
#include "ui/views/menu_label.h"
#include "ui/views/recent_file_menu.h"

namespace listora {

namespace {

void Add(wxMenu& menu, int id, const char* text, wxItemKind kind = wxITEM_NORMAL) {
  menu.Append(id, WxMenuLabel(wxString::FromUTF8(text)), HelpFor(id).prompt, kind);
}

void AddSubMenu(wxMenu& menu, wxMenu* sub, const char* text) {
  menu.AppendSubMenu(sub, wxString::FromUTF8(text));
}

wxMenu* MakeMoveMenu() {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kMoveFirst, "先頭へ移動(&T)");
  Add(*menu, cmd::kMoveMiddle, "中間へ移動(&M)");
  Add(*menu, cmd::kMoveLast, "下へ移動(&B)");
  return menu;
}

// The submenus hold the resource's placeholder entries until a document
// gives them column names.
void FillPlaceholders(wxMenu& copy, wxMenu& paste) {
  for (int k = 0; k < 10; ++k) {
    copy.Append(cmd::kCopyColumn1 + k, wxString::Format("%d", k));
    paste.Append(cmd::kPasteColumn1 + k, wxString::Format("%d", k));
  }
}

wxMenu* MakeEditMenu(const ColumnDescriptors* columns, wxMenu*& copy, wxMenu*& paste) {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kAddItem, "アイテムの追加(&A)");
  Add(*menu, cmd::kModifyItem, "アイテムの修正(&C)");
  menu->AppendSeparator();
  Add(*menu, cmd::kColumnSettings, "カラムの設定(&S)");
  Add(*menu, cmd::kAddColumn, "カラムを追加(&I)");
  menu->AppendSeparator();
  Add(*menu, cmd::kCopyAllFields, "すべての項目をコピー(&K)");
  copy = new wxMenu;
  AddSubMenu(*menu, copy, "選択項目をコピー(&X)");
  menu->AppendSeparator();
  Add(*menu, cmd::kPasteAllFields, "すべての項目に貼り付け(&P)");
  paste = new wxMenu;
  AddSubMenu(*menu, paste, "選択項目へ貼り付け(&V)");
  menu->AppendSeparator();
  Add(*menu, cmd::kSelectAll, "すべて選択(&F)");
  Add(*menu, cmd::kInvertSelection, "選択の切り替え(&J)");
  menu->AppendSeparator();
  Add(*menu, cmd::kAssociateImage, "画像の関連付け(&G)");
  menu->AppendSeparator();
  Add(*menu, cmd::kDeleteSelected, "選択アイテムを削除(&D)");
  menu->AppendSeparator();
  AddSubMenu(*menu, MakeMoveMenu(), "移動(&M)");
  if (columns)
    FillColumnMenus(*copy, *paste, *columns);
  else
    FillPlaceholders(*copy, *paste);
  return menu;
}

wxMenu* MakeFileMenu() {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kNew, "新規作成\tCtrl+N(&N)");
  Add(*menu, cmd::kOpen, "開く...\tCtrl+O(&O)");
  Add(*menu, cmd::kAppendOpen, "追加で開く\t\t\tCtrl+D(&D)");
  Add(*menu, cmd::kSave, "上書き保存\tCtrl+S(&S)");
  Add(*menu, cmd::kSaveAs, "名前を付けて保存(&A)...");
  menu->AppendSeparator();
  Add(*menu, cmd::kPrint, "印刷...\tCtrl+P(&P)");
  Add(*menu, cmd::kPrintPreview, "印刷プレビュー(&V)");
  Add(*menu, cmd::kPrintSetup, "プリンタの設定(&R)...");
  Add(*menu, cmd::kPrintLayout, "印刷レイアウト設定(&L)");
  menu->AppendSeparator();
  AppendRecentFilePlaceholder(*menu);
  menu->AppendSeparator();
  Add(*menu, cmd::kExit, "アプリケーションの終了(&X)");
  return menu;
}

wxMenu* MakeSettingsMenu() {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kColumnSettings, "カラムの設定(&C)");
  Add(*menu, cmd::kSettings, "環境設定(&S)");
  return menu;
}

wxMenu* MakeSearchMenu() {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kDuplicateSearch, "重複検索(&S)");
  Add(*menu, cmd::kFindReplace, "検索と置換(&T)");
  return menu;
}

wxMenu* MakeViewMenu() {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kToggleToolBar, "ツール バー(&T)", wxITEM_CHECK);
  Add(*menu, cmd::kToggleStatusBar, "ステータス バー(&S)", wxITEM_CHECK);
  menu->AppendSeparator();
  Add(*menu, cmd::kListView, "リストビュー(&L)", wxITEM_CHECK);
  Add(*menu, cmd::kTreeView, "ツリービュー(&R)", wxITEM_CHECK);
  Add(*menu, cmd::kTextView, "テキストビュー(&E)", wxITEM_CHECK);
  Add(*menu, cmd::kImageView, "イメージビュー(&I)", wxITEM_CHECK);
  menu->AppendSeparator();
  Add(*menu, cmd::kTreeToolBar, "ツリービューのツールバー(&Y)", wxITEM_CHECK);
  return menu;
}

wxMenu* MakeToolsMenu() {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kAutoInsert, "自動挿入\t\tCtrl + J(&J)");
  Add(*menu, cmd::kAddItem, "アイテムの追加(&I)");
  auto* tree = new wxMenu;
  for (int n = 1; n <= 4; ++n) {
    const int id = cmd::kTreeGroup1 + n - 1;
    tree->Append(id, wxString::Format("No.&%d", n), HelpFor(id).prompt);
  }
  AddSubMenu(*menu, tree, "ツリービュー(&T)");
  return menu;
}

wxMenu* MakeExportMenu() {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kExportText, "テキスト出力(&T)");
  Add(*menu, cmd::kExportHtml, "HTML出力(&H)");
  Add(*menu, cmd::kExportCsv, "CSV出力(&C)");
  return menu;
}

wxMenu* MakeHelpMenu() {
  auto* menu = new wxMenu;
  Add(*menu, cmd::kHelp, "ヘルプ\t\tF1(&H)");
  menu->AppendSeparator();
  Add(*menu, cmd::kAbout, "バージョン情報(&A)...");
  menu->AppendSeparator();
  Add(*menu, cmd::kUpdateCheck, "アップデートチェック(&U)");
  return menu;
}

}  // namespace

MainMenus MakeMainMenuBar() {
  MainMenus menus;
  menus.bar = new wxMenuBar;
  menus.file = MakeFileMenu();
  menus.bar->Append(menus.file, wxString::FromUTF8("ファイル(&F)"));
  menus.bar->Append(MakeEditMenu(nullptr, menus.copyColumns, menus.pasteColumns),
                    wxString::FromUTF8("編集(&E)"));
  menus.bar->Append(MakeSettingsMenu(), wxString::FromUTF8("設定(&P)"));
  menus.bar->Append(MakeSearchMenu(), wxString::FromUTF8("検索(&S)"));
  menus.bar->Append(MakeViewMenu(), wxString::FromUTF8("表示(&V)"));
  menus.bar->Append(MakeMoveMenu(), wxString::FromUTF8("移動(&M)"));
  menus.bar->Append(MakeToolsMenu(), wxString::FromUTF8("ツール(&T)"));
  menus.bar->Append(MakeExportMenu(), wxString::FromUTF8("出力(&O)"));
  menus.bar->Append(MakeHelpMenu(), wxString::FromUTF8("ヘルプ(&H)"));
  return menus;
}

std::unique_ptr<wxMenu> MakeEditMenu(const ColumnDescriptors* columns) {
  wxMenu* copy = nullptr;
  wxMenu* paste = nullptr;
  return std::unique_ptr<wxMenu>(MakeEditMenu(columns, copy, paste));
}

std::unique_ptr<wxMenu> MakeColumnMenu() {
  auto menu = std::make_unique<wxMenu>();
  Add(*menu, cmd::kDeleteColumn, "このカラムを削除(&D)");
  Add(*menu, cmd::kColumnSettings, "カラムの設定(&S)");
  Add(*menu, cmd::kAddColumn, "カラムを追加(&A)");
  return menu;
}

void FillColumnMenus(wxMenu& copy, wxMenu& paste, const ColumnDescriptors& columns) {
  while (copy.GetMenuItemCount() > 0) copy.Destroy(copy.FindItemByPosition(0));
  while (paste.GetMenuItemCount() > 0) paste.Destroy(paste.FindItemByPosition(0));
  const int count = ClampColumnCount(columns.count);
  for (int n = 1; n < count; ++n) {
    const wxString label = ToWx(FixedText(columns.names[n])) + wxString::Format("(&%d)", n);
    copy.Append(cmd::kCopyColumn1 + n - 1, label);
    paste.Append(cmd::kPasteColumn1 + n - 1, label);
  }
}

}  // namespace listora
