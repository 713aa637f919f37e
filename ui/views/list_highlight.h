#pragma once
// The highlighted cell of the list (set by find and replace): a small window
// over the cell that shows its text in the list's colours swapped. The list
// control draws whole rows in one style, so a single cell is drawn on top.

#include <wx/window.h>

namespace listora {

class CListHighlight : public wxWindow {
 public:
  explicit CListHighlight(wxWindow* parent);

  // The text and style to show, and where.
  void Show(const wxRect& cell, const wxString& text, bool rightAligned, const wxColour& textColour,
            const wxColour& background, const wxFont& font);
  using wxWindow::Show;

 private:
  void OnPaint(wxPaintEvent& event);
  // A click on the cell is a click on the list below it.
  void OnMouse(wxMouseEvent& event);

  wxString text_;
  bool rightAligned_ = false;
};

}  // namespace listora
