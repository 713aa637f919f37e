#pragma once
// A command as the table of commands holds it: its IDs, texts, where it
// appears (menus, context menus, tool bars), its keys, handler and enabling
// rule. The table is the program's top (ui/app/command_table.cpp), which
// installs it at start; the menus, tool bars, accelerators and status
// prompts on every floor are built from it.

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

// The menus built from the table: the menu bar, its menus and submenus and
// the panes' context menus.
enum class MenuId {
  kNone,
  kBar,
  kFile,
  kEdit,  // also the list's context menu
  kSettings,
  kSearch,
  kView,
  kMove,
  kTools,
  kTreeGroups,  // "ツリービュー(&T)" of the tools menu
  kExport,
  kHelp,
  kColumn,  // the list's column header
  kTree,
  kImage,
};

// One appearance of a command in a menu. A menu's entries run in ascending
// `at`; an entry with `line` has a separator in front of it.
struct MenuPlace {
  MenuId menu = MenuId::kNone;
  int at = 0;
  bool line = false;
  char mnemonic = 0;  // another letter for the text's "(&X)" in this menu
};

enum class ToolBarId { kNone, kMain, kTree };

// A command's button on a tool bar, in ascending `at`.
struct ToolSlot {
  ToolBarId bar = ToolBarId::kNone;
  int at = 0;
  bool line = false;
  // The desktop theme's icon (a wxArtProvider ID such as "wxART_NEW") and
  // the letter drawn instead where the theme has none.
  const char* art = nullptr;
  char letter = 0;
};

struct Command {
  int id = 0;
  int lastId = 0;  // the last of a run of IDs handled alike; 0 for one ID
  // The menu text with its mnemonic ("(&X)"); empty for a command no menu
  // shows. A run with a text is a submenu of one entry per ID, named by the
  // program (the document's columns).
  Text menuText{};
  Text prompt{};  // the status bar's text while the entry is pointed at
  Text tip{};     // the tool bar button's tool tip; may be empty
  wxItemKind kind = wxITEM_NORMAL;
  std::array<MenuPlace, 3> menus{};
  ToolSlot tool{};
  // Its keys. The menu bar shows and handles the first of a command it
  // holds; the frame's accelerators take all others.
  std::array<KeyStroke, 2> keys{};
  // Null: the toolkit's document manager handles the command itself.
  void (*run)(CommandScope& scope, wxCommandEvent& event) = nullptr;
  // Enables and ticks the entry; null: always enabled (or as the toolkit's
  // document manager decides).
  void (*update)(CommandScope& scope, wxUpdateUIEvent& event) = nullptr;
};

// A menu inside another (or on the menu bar) at a place among its entries.
struct SubmenuPlace {
  MenuId menu = MenuId::kNone;
  Text text;
  MenuPlace place;
};

// The table the program runs with; installed once at start.
void InstallCommands(std::span<const Command> commands, std::span<const SubmenuPlace> submenus);
std::span<const Command> TheCommands();
std::span<const SubmenuPlace> TheSubmenus();
// The entry of command `id` (within its run); null for none.
const Command* FindCommand(int id);

}  // namespace listora
