#include "ui/panes/list_menus.h"

#include <wx/menu.h>

#include "core/doc/columns.h"
#include "ui/base/command_ids.h"
#include "ui/base/command_menu.h"
#include "ui/text/text_convert.h"

namespace listora {

std::unique_ptr<wxMenu> MakeEditMenu(const ColumnDescriptors* columns) {
  std::unique_ptr<wxMenu> menu(BuildMenu(MenuId::kEdit));
  wxMenu* copy = nullptr;
  wxMenu* paste = nullptr;
  menu->FindItem(cmd::kCopyColumn1, &copy);
  menu->FindItem(cmd::kPasteColumn1, &paste);
  if (columns && copy && paste) FillColumnMenus(*copy, *paste, *columns);
  return menu;
}

std::unique_ptr<wxMenu> MakeColumnMenu() {
  return std::unique_ptr<wxMenu>(BuildMenu(MenuId::kColumn));
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
