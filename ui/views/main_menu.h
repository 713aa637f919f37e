#pragma once
// The menus of the main window (menu 128) and the context menus built from
// the same texts.

#include <memory>

#include "core/app/settings.h"

class wxMenu;
class wxMenuBar;

namespace listora {

struct MainMenus {
  wxMenuBar* bar = nullptr;
  wxMenu* file = nullptr;          // "ファイル(&F)", with the recent files
  wxMenu* copyColumns = nullptr;   // "選択項目をコピー(&X)"
  wxMenu* pasteColumns = nullptr;  // "選択項目へ貼り付け(&V)"
};

MainMenus MakeMainMenuBar();
// The second menu ("編集(&E)"), which is also the list's context menu.
std::unique_ptr<wxMenu> MakeEditMenu(const ColumnDescriptors* columns);
// The column header's context menu ("COLUMN").
std::unique_ptr<wxMenu> MakeColumnMenu();

// One entry per user column in the copy and paste submenus, named after
// the column with its number as mnemonic.
void FillColumnMenus(wxMenu& copy, wxMenu& paste, const ColumnDescriptors& columns);

}  // namespace listora
