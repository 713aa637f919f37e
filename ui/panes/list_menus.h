#pragma once
// The list's menus: the edit menu ("編集(&E)") as the list's context menu and
// the column header's context menu, and the column submenus of the edit
// menu, which the menu bar's edit menu shares.

#include <memory>

#include "core/doc/document_settings.h"

class wxMenu;

namespace listora {

// The edit menu as the list's context menu, its column submenus named
// after `columns` (placeholders for none).
std::unique_ptr<wxMenu> MakeEditMenu(const ColumnDescriptors* columns);
// The column header's context menu ("COLUMN").
std::unique_ptr<wxMenu> MakeColumnMenu();

// One entry per user column in the copy and paste submenus, named after
// the column with its number as mnemonic.
void FillColumnMenus(wxMenu& copy, wxMenu& paste, const ColumnDescriptors& columns);

}  // namespace listora
