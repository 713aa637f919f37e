#pragma once
// `CellEditBox`: the edit box of in-place editing. It lies over the one cell
// being edited. Enter and leaving the box end the edit, Esc cancels it.

#include <wx/textctrl.h>

#include <functional>

namespace listora {

class CellEditBox : public wxTextCtrl {
 public:
  // `onEnd(cancelled)` is called once, when the edit ends.
  CellEditBox(wxWindow* parent, const wxRect& cell, bool rightAligned, const wxString& text,
              std::function<void(bool cancelled)> onEnd);

  // Keeps the box over its cell after the list scrolled or resized.
  void Cover(const wxRect& cell);
  // The list ended the edit itself: nothing more is reported, not even
  // the focus loss that follows.
  void Dismiss() { onEnd_ = nullptr; }

 private:
  void End(bool cancelled);

  std::function<void(bool)> onEnd_;
};

}  // namespace listora
