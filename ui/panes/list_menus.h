#pragma once
// The list's menus: the edit menu, which is both the menu bar's second menu
// and the list's context menu, the move menu, and the column header's
// context menu.

#include <memory>

#include "core/doc/document_settings.h"

class wxMenu;

namespace listora {

// The edit menu ("編集(&E)") as the list's context menu, its column
// submenus named after `columns` (placeholders for none).
std::unique_ptr<wxMenu> MakeEditMenu(const ColumnDescriptors* columns);
// The same for the menu bar, which keeps its column submenus to refill them
// for every document.
wxMenu* MakeMainEditMenu(wxMenu*& copyColumns, wxMenu*& pasteColumns);
// "先頭へ移動", "中間へ移動", "下へ移動".
wxMenu* MakeMoveMenu();
// The column header's context menu ("COLUMN").
std::unique_ptr<wxMenu> MakeColumnMenu();

// One entry per user column in the copy and paste submenus, named after
// the column with its number as mnemonic.
void FillColumnMenus(wxMenu& copy, wxMenu& paste, const ColumnDescriptors& columns);

}  // namespace listora
