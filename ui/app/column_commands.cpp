#include "ui/app/column_commands.h"

#include "ui/app/command_scope.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"

namespace listora {

void RunAddColumn(CommandScope& scope, wxCommandEvent&) {
  if (ListoraDoc* doc = scope.Doc()) doc->AddColumn();
}

void RunDeleteColumn(CommandScope& scope, wxCommandEvent&) {
  if (const ToolContext context = scope.Tools())
    context.doc->DeleteColumn(context.list->CurrentHeaderColumn());
}

}  // namespace listora
