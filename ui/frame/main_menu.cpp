#include "ui/frame/main_menu.h"

#include <wx/menu.h>

#include "core/base/translation.h"
#include "ui/base/command_ids.h"
#include "ui/base/menu_label.h"
#include "ui/frame/recent_file_menu.h"
#include "ui/panes/list_menus.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

wxMenu* MakeFileMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kNew);
  AppendCommand(*menu, cmd::kOpen);
  AppendCommand(*menu, cmd::kAppendOpen);
  AppendCommand(*menu, cmd::kImport);
  AppendCommand(*menu, cmd::kSave);
  AppendCommand(*menu, cmd::kSaveAs);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kPrint);
  AppendCommand(*menu, cmd::kPrintPreview);
  AppendCommand(*menu, cmd::kPrintSetup);
  AppendCommand(*menu, cmd::kPrintLayout);
  menu->AppendSeparator();
  AppendRecentFilePlaceholder(*menu);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kExit);
  return menu;
}

wxMenu* MakeSettingsMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kColumnSettings);
  AppendCommand(*menu, cmd::kSettings);
  return menu;
}

wxMenu* MakeSearchMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kDuplicateSearch);
  AppendCommand(*menu, cmd::kFindReplace);
  return menu;
}

wxMenu* MakeViewMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kToggleToolBar);
  AppendCommand(*menu, cmd::kToggleStatusBar);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kListView);
  AppendCommand(*menu, cmd::kTreeView);
  AppendCommand(*menu, cmd::kTextView);
  AppendCommand(*menu, cmd::kImageView);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kTreeToolBar);
  return menu;
}

wxMenu* MakeToolsMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kAutoInsert);
  AppendCommand(*menu, cmd::kAddItem);
  auto* tree = new wxMenu;
  for (int id = cmd::kTreeGroup1; id <= cmd::kTreeGroup4; ++id) AppendCommand(*tree, id);
  AppendSubMenu(*menu, tree, Tx("ツリービュー(&T)"));
  return menu;
}

wxMenu* MakeExportMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kExportText);
  AppendCommand(*menu, cmd::kExportHtml);
  AppendCommand(*menu, cmd::kExportCsv);
  AppendCommand(*menu, cmd::kExportXlsx);
  return menu;
}

wxMenu* MakeHelpMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kHelp);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kAbout);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kUpdateCheck);
  return menu;
}

}  // namespace

MainMenus MakeMainMenuBar() {
  MainMenus menus;
  menus.bar = new wxMenuBar;
  menus.file = MakeFileMenu();
  menus.bar->Append(menus.file, Utf8(Tr("ファイル(&F)")));
  menus.bar->Append(MakeMainEditMenu(menus.copyColumns, menus.pasteColumns), Utf8(Tr("編集(&E)")));
  menus.bar->Append(MakeSettingsMenu(), Utf8(Tr("設定(&P)")));
  menus.bar->Append(MakeSearchMenu(), Utf8(Tr("検索(&S)")));
  menus.bar->Append(MakeViewMenu(), Utf8(Tr("表示(&V)")));
  menus.bar->Append(MakeMoveMenu(), Utf8(Tr("移動(&M)")));
  menus.bar->Append(MakeToolsMenu(), Utf8(Tr("ツール(&T)")));
  menus.bar->Append(MakeExportMenu(), Utf8(Tr("出力(&O)")));
  menus.bar->Append(MakeHelpMenu(), Utf8(Tr("ヘルプ(&H)")));
  return menus;
}

}  // namespace listora
