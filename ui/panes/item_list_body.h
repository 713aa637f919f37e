#pragma once
// The scrolled part of `ItemListCtrl` under its header: it scrolls by pixels
// sideways and by rows up and down, takes the keyboard focus and the
// mouse, and leaves all drawing and handling to the list.

#include <wx/scrolwin.h>

namespace listora {

class ItemListCtrl;

class ItemListBody : public wxScrolled<wxWindow> {
 public:
  ItemListBody(ItemListCtrl* list, wxWindow* header);

  // The header follows sideways scrolling.
  void ScrollWindow(int dx, int dy, const wxRect* rect = nullptr) override;

 protected:
  // Dragging rows scrolls on its own timer, not the toolkit's.
  bool SendAutoScrollEvents(wxScrollWinEvent&) const override { return false; }

 private:
  wxWindow* header_;
};

}  // namespace listora
