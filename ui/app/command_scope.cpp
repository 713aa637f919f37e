#include "ui/app/command_scope.h"

#include "ui/app/listora_doc_manager.h"
#include "ui/doc/listora_doc.h"

namespace listora {

ListoraDoc* CommandScope::Doc() const {
  return dynamic_cast<ListoraDoc*>(docs.GetCurrentDocument());
}

PaneSet CommandScope::Panes() const { return frame ? frame->PaneWindows() : PaneSet{}; }

ToolContext CommandScope::Tools() const { return ToolContext{Doc(), Panes().list, frame.get()}; }

void BindCommands(std::span<const Command> commands, CommandScope& scope) {
  for (const Command& command : commands) {
    const int last = command.lastId != 0 ? command.lastId : command.id;
    if (const auto run = command.run) {
      scope.docs.Bind(
          wxEVT_MENU, [&scope, run](wxCommandEvent& event) { run(scope, event); }, command.id,
          last);
    }
    if (const auto update = command.update) {
      scope.docs.Bind(
          wxEVT_UPDATE_UI, [&scope, update](wxUpdateUIEvent& event) { update(scope, event); },
          command.id, last);
    }
  }
}

}  // namespace listora
