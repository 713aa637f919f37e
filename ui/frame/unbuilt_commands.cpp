#include "ui/frame/unbuilt_commands.h"

#include <wx/event.h>

#include <array>

#include "ui/app/command_ids.h"

namespace listora {

namespace {

struct Range {
  int first;
  int last;
};

constexpr std::array<Range, 0> kUnbuilt{};

}  // namespace

void DisableUnbuiltCommands(wxEvtHandler& handler) {
  for (const Range& range : kUnbuilt) {
    handler.Bind(
        wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, range.first,
        range.last);
  }
}

}  // namespace listora
