#pragma once
// What the commands of the table work on: the main window, the document
// manager and the program-wide state, and through them the open document
// and the panes.

#include <wx/event.h>
#include <wx/weakref.h>

#include <span>

#include "ui/base/command.h"
#include "ui/frame/main_frame.h"
#include "ui/tools/tool_context.h"

class wxEvtHandler;

namespace listora {

class ListoraDoc;
class ListoraDocManager;
struct ProgramState;

struct CommandScope {
  wxWeakRef<MainFrame> frame;  // null once the window has gone
  ListoraDocManager& docs;
  ProgramState& program;

  // Null while there is none.
  ListoraDoc* Doc() const;
  // None once the window has gone.
  PaneSet Panes() const;
  // The open document, its list and the window, for an item tool.
  ToolContext Tools() const;
};

// Binds every command of `commands` that has a handler or an enabling rule
// to `scope`, on the document manager: the main window hands it every
// command before its own handlers, and the manager's bound handlers run
// before its built-in ones.
void BindCommands(std::span<const Command> commands, CommandScope& scope);

}  // namespace listora
