#pragma once
// A command as the table of commands holds it: its IDs, texts, keys,
// handler and enabling rule. The table is the program's top
// (ui/app/command_table.cpp), which installs it at start; the menus, tool
// bars, accelerators and status prompts on every floor are built from it.

#include <wx/defs.h>

#include <array>
#include <span>
#include <string_view>

#include "core/base/translation.h"

class wxCommandEvent;
class wxUpdateUIEvent;

namespace listora {

// What handlers work on (the frame, the open document, ...): the program's
// top defines it.
struct CommandScope;

struct KeyStroke {
  int flags = 0;  // wxACCEL_CTRL, ...; wxACCEL_NORMAL with a key
  int key = 0;    // 0: none
};

struct Command {
  int id = 0;
  int lastId = 0;  // the last of a run of IDs handled alike; 0 for one ID
  // Exactly as written for the menu: the shortcut after a tab, the mnemonic
  // "(&X)" after it; empty for a command no menu shows.
  Text menuText;
  Text prompt;  // the status bar's text while the entry is pointed at
  Text tip;     // the tool bar button's tool tip; may be empty
  wxItemKind kind = wxITEM_NORMAL;
  std::array<KeyStroke, 2> keys{};  // keys the menu text does not carry
  // Null: the toolkit's document manager handles the command itself.
  void (*run)(CommandScope& scope, wxCommandEvent& event) = nullptr;
  // Enables and ticks the entry; null: always enabled (or as the toolkit's
  // document manager decides).
  void (*update)(CommandScope& scope, wxUpdateUIEvent& event) = nullptr;
};

// The table the program runs with; installed once at start.
void InstallCommands(std::span<const Command> commands);
std::span<const Command> TheCommands();
// The entry of command `id` (within its run); null for none.
const Command* FindCommand(int id);

}  // namespace listora
