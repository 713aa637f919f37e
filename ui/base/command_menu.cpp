#include "ui/base/command_menu.h"

#include <wx/accel.h>
#include <wx/menu.h>

#include <algorithm>

#include "ui/base/menu_label.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

// One entry of a menu: a command or a submenu.
struct Entry {
  const MenuPlace* place = nullptr;
  const Command* command = nullptr;
  const SubmenuPlace* submenu = nullptr;
};

std::vector<Entry> EntriesOf(MenuId menu) {
  std::vector<Entry> entries;
  for (const Command& command : TheCommands())
    for (const MenuPlace& place : command.menus)
      if (place.menu == menu) entries.push_back({&place, &command, nullptr});
  for (const SubmenuPlace& submenu : TheSubmenus())
    if (submenu.place.menu == menu) entries.push_back({&submenu.place, nullptr, &submenu});
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.place->at < b.place->at; });
  return entries;
}

wxString LabelOf(const Command& command, char mnemonic) {
  wxString text = Utf8(command.menuText);
  const size_t marker = text.find("(&");
  if (mnemonic != 0 && marker != wxString::npos && marker + 2 < text.length())
    text[marker + 2] = mnemonic;
  const KeyStroke& key = command.keys[0];
  if (key.key == 0) return text;
  return WxMenuLabel(text + "\t" + wxAcceleratorEntry(key.flags, key.key).ToRawString());
}

// The resource's placeholder entries ("0", "1", ...) of a run's submenu.
wxMenu* RunSubmenu(const Command& run) {
  auto* menu = new wxMenu;
  for (int id = run.id; id <= run.lastId; ++id)
    menu->Append(id, wxString::Format("%d", id - run.id));
  return menu;
}

void AppendEntry(wxMenu& menu, const Entry& entry, const RunEntries& runEntries) {
  if (entry.submenu) {
    menu.AppendSubMenu(BuildMenu(entry.submenu->menu, runEntries), Utf8(entry.submenu->text));
    return;
  }
  const Command& command = *entry.command;
  if (command.lastId == 0)
    menu.Append(command.id, LabelOf(command, entry.place->mnemonic), Utf8(command.prompt),
                command.kind);
  else if (!command.menuText.empty())
    menu.AppendSubMenu(RunSubmenu(command), LabelOf(command, entry.place->mnemonic));
  else if (runEntries)
    runEntries(menu, command);
}

bool ReachesBar(MenuId menu) {
  if (menu == MenuId::kBar) return true;
  for (const SubmenuPlace& submenu : TheSubmenus())
    if (submenu.menu == menu && ReachesBar(submenu.place.menu)) return true;
  return false;
}

}  // namespace

wxMenu* BuildMenu(MenuId id, const RunEntries& runEntries) {
  auto* menu = new wxMenu;
  const std::vector<Entry> entries = EntriesOf(id);
  for (const Entry& entry : entries) {
    if (entry.place->line && menu->GetMenuItemCount() > 0) menu->AppendSeparator();
    AppendEntry(*menu, entry, runEntries);
  }
  return menu;
}

wxMenuBar* BuildMenuBar(const RunEntries& runEntries) {
  auto* bar = new wxMenuBar;
  for (const Entry& entry : EntriesOf(MenuId::kBar))
    if (entry.submenu)
      bar->Append(BuildMenu(entry.submenu->menu, runEntries), Utf8(entry.submenu->text));
  return bar;
}

bool OnMenuBar(const Command& command) {
  return std::any_of(command.menus.begin(), command.menus.end(), [](const MenuPlace& place) {
    return place.menu != MenuId::kNone && ReachesBar(place.menu);
  });
}

std::vector<const Command*> ToolBarCommands(ToolBarId bar) {
  std::vector<const Command*> commands;
  for (const Command& command : TheCommands())
    if (command.tool.bar == bar) commands.push_back(&command);
  std::stable_sort(commands.begin(), commands.end(),
                   [](const Command* a, const Command* b) { return a->tool.at < b->tool.at; });
  return commands;
}

}  // namespace listora
