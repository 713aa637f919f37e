#include "ui/frame/unbuilt_commands.h"

#include <wx/event.h>

#include "ui/app/command_ids.h"

namespace listora {

namespace {

struct Range {
  int first;
  int last;
};

constexpr Range kUnbuilt[] = {
    {cmd::kAutoInsert, cmd::kAutoInsert},
    {cmd::kColumnSettings, cmd::kColumnSettings},
    {cmd::kDuplicateSearch, cmd::kFindReplace},
};

}  // namespace

void DisableUnbuiltCommands(wxEvtHandler& handler) {
  for (const Range& range : kUnbuilt) {
    handler.Bind(
        wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, range.first,
        range.last);
  }
}

}  // namespace listora
