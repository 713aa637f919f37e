#include "ui/tools/item_tool_commands.h"

#include <wx/event.h>

#include "ui/base/command_ids.h"
#include "ui/tools/auto_insert_dlg.h"
#include "ui/tools/columns_dlg.h"
#include "ui/tools/duplicates_dlg.h"
#include "ui/tools/find_replace_dlg.h"
#include "ui/tools/item_entry_dlg.h"

namespace listora {

void BindItemToolCommands(wxEvtHandler& handler, std::function<ToolContext()> context) {
  const auto bind = [&handler, context](int id, void (*run)(const ToolContext&)) {
    handler.Bind(
        wxEVT_MENU,
        [context, run](wxCommandEvent&) {
          if (const ToolContext tools = context()) run(tools);
        },
        id);
  };
  bind(cmd::kAddItem, &RunAddItem);
  bind(cmd::kModifyItem, &RunModifyItems);
  bind(cmd::kColumnSettings, &RunColumnSettings);
  bind(cmd::kAutoInsert, &RunAutoInsert);
  bind(cmd::kDuplicateSearch, &RunDuplicateSearch);
  bind(cmd::kFindReplace, &RunFindReplace);
}

}  // namespace listora
