#include "ui/panes/list_menus.h"

#include <wx/menu.h>

#include "core/base/translation.h"
#include "core/doc/columns.h"
#include "ui/base/command_ids.h"
#include "ui/base/menu_label.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

// The submenus hold the resource's placeholder entries until a document
// gives them column names.
void FillPlaceholders(wxMenu& copy, wxMenu& paste) {
  for (int k = 0; k < 10; ++k) {
    copy.Append(cmd::kCopyColumn1 + k, wxString::Format("%d", k));
    paste.Append(cmd::kPasteColumn1 + k, wxString::Format("%d", k));
  }
}

wxMenu* NewEditMenu(const ColumnDescriptors* columns, wxMenu*& copy, wxMenu*& paste) {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kUndo);
  AppendCommand(*menu, cmd::kRedo);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kAddItem, 'A');
  AppendCommand(*menu, cmd::kModifyItem);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kColumnSettings, 'S');
  AppendCommand(*menu, cmd::kAddColumn);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kCopyAllFields);
  copy = new wxMenu;
  AppendSubMenu(*menu, copy, Tx("選択項目をコピー(&X)"));
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kPasteAllFields);
  paste = new wxMenu;
  AppendSubMenu(*menu, paste, Tx("選択項目へ貼り付け(&V)"));
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kSelectAll);
  AppendCommand(*menu, cmd::kInvertSelection);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kAssociateImage);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kDeleteSelected);
  menu->AppendSeparator();
  AppendSubMenu(*menu, MakeMoveMenu(), Tx("移動(&M)"));
  if (columns)
    FillColumnMenus(*copy, *paste, *columns);
  else
    FillPlaceholders(*copy, *paste);
  return menu;
}

}  // namespace

wxMenu* MakeMainEditMenu(wxMenu*& copyColumns, wxMenu*& pasteColumns) {
  return NewEditMenu(nullptr, copyColumns, pasteColumns);
}

wxMenu* MakeMoveMenu() {
  auto* menu = new wxMenu;
  AppendCommand(*menu, cmd::kMoveFirst);
  AppendCommand(*menu, cmd::kMoveMiddle);
  AppendCommand(*menu, cmd::kMoveLast);
  return menu;
}

std::unique_ptr<wxMenu> MakeEditMenu(const ColumnDescriptors* columns) {
  wxMenu* copy = nullptr;
  wxMenu* paste = nullptr;
  return std::unique_ptr<wxMenu>(NewEditMenu(columns, copy, paste));
}

std::unique_ptr<wxMenu> MakeColumnMenu() {
  auto menu = std::make_unique<wxMenu>();
  AppendCommand(*menu, cmd::kDeleteColumn);
  AppendCommand(*menu, cmd::kColumnSettings, 'S');
  AppendCommand(*menu, cmd::kAddColumn, 'A');
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
