#include "ui/frame/main_menu.h"

#include <wx/menu.h>

#include "ui/base/command_ids.h"
#include "ui/base/command_menu.h"
#include "ui/frame/recent_file_menu.h"

namespace listora {

MainMenus MakeMainMenuBar() {
  MainMenus menus;
  menus.bar = BuildMenuBar([](wxMenu& menu, const Command&) { AppendRecentFilePlaceholder(menu); });
  menus.bar->FindItem(cmd::kRecentFile1, &menus.file);
  menus.bar->FindItem(cmd::kCopyColumn1, &menus.copyColumns);
  menus.bar->FindItem(cmd::kPasteColumn1, &menus.pasteColumns);
  return menus;
}

}  // namespace listora
