#pragma once
// The menus and the menu bar built from the table of commands: each menu
// holds the commands and submenus placed in it, in their order, with their
// texts, keys, kinds and status-bar prompts.

#include <functional>
#include <vector>

#include "ui/base/command.h"

class wxMenu;
class wxMenuBar;

namespace listora {

// Adds the entries of a run that has no menu text (the recent files) where
// the run stands.
using RunEntries = std::function<void(wxMenu& menu, const Command& run)>;

// A run with a menu text becomes a submenu of numbered placeholder entries
// until the program names them.
wxMenu* BuildMenu(MenuId menu, const RunEntries& runEntries = {});
wxMenuBar* BuildMenuBar(const RunEntries& runEntries = {});

// True when the menu bar holds the command, so its menu entry handles the
// first of its keys.
bool OnMenuBar(const Command& command);

// The commands on `bar`, in their order.
std::vector<const Command*> ToolBarCommands(ToolBarId bar);

}  // namespace listora
