#include "ui/panes/tree_menu.h"

#include <wx/menu.h>

#include "ui/base/command_ids.h"
#include "ui/base/menu_label.h"

namespace listora {

std::unique_ptr<wxMenu> MakeTreeMenu() {
  auto menu = std::make_unique<wxMenu>();
  AppendCommand(*menu, cmd::kTreeExpandBelow);
  AppendCommand(*menu, cmd::kTreeCollapseBelow);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kTreeExpandAll);
  AppendCommand(*menu, cmd::kTreeCollapseAll);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kTreeSearchInList);
  menu->AppendSeparator();
  AppendCommand(*menu, cmd::kTreeCopy);
  AppendCommand(*menu, cmd::kTreeClear);
  return menu;
}

}  // namespace listora
