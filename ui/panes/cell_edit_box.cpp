#include "ui/panes/cell_edit_box.h"

#include <utility>

namespace listora {

CellEditBox::CellEditBox(wxWindow* parent, const wxRect& cell, bool rightAligned,
                         const wxString& text, std::function<void(bool cancelled)> onEnd)
    : wxTextCtrl(parent, wxID_ANY, text, cell.GetPosition(), cell.GetSize(),
                 wxTE_PROCESS_ENTER | wxBORDER_SIMPLE | (rightAligned ? wxTE_RIGHT : 0)),
      onEnd_(std::move(onEnd)) {
  Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { End(false); });
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE)
      End(true);
    else
      event.Skip();
  });
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    event.Skip();
    // Leaving the box for another window of the program keeps what was
    // typed, as Enter does. The end waits for the focus change to finish:
    // when the program as a whole only lost the focus (another program, a
    // window of the desktop), the box gets it back and the edit goes on.
    CallAfter([this] {
      const wxWindow* focus = FindFocus();
      if (focus && focus != this) End(false);
    });
  });
}

void CellEditBox::Cover(const wxRect& cell) {
  if (GetRect() != cell) SetSize(cell);
}

void CellEditBox::End(bool cancelled) {
  if (!onEnd_) return;
  auto onEnd = std::move(onEnd_);
  onEnd_ = nullptr;
  onEnd(cancelled);
}

}  // namespace listora
