#include "ui/views/list_highlight.h"

#include <wx/dcclient.h>

namespace listora {

namespace {
constexpr int kTextMargin = 4;
}

CListHighlight::CListHighlight(wxWindow* parent)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE) {
  wxWindow::Show(false);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CListHighlight::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CListHighlight::OnMouse, this);
  Bind(wxEVT_LEFT_DCLICK, &CListHighlight::OnMouse, this);
  Bind(wxEVT_RIGHT_DOWN, &CListHighlight::OnMouse, this);
  Bind(wxEVT_RIGHT_UP, &CListHighlight::OnMouse, this);
}

void CListHighlight::Show(const wxRect& cell, const wxString& text, bool rightAligned,
                          const wxColour& textColour, const wxColour& background,
                          const wxFont& font) {
  text_ = text;
  rightAligned_ = rightAligned;
  SetForegroundColour(textColour);
  SetBackgroundColour(background);
  SetFont(font);
  // Sized once shown: GTK does not place hidden windows.
  wxWindow::Show(true);
  if (GetRect() != cell) SetSize(cell);
  Refresh();
}

void CListHighlight::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(GetFont());
  dc.SetTextForeground(GetForegroundColour());
  dc.SetClippingRegion(wxRect(size).Deflate(kTextMargin / 2, 0));
  const wxSize extent = dc.GetTextExtent(text_);
  const int x = rightAligned_ ? size.x - kTextMargin - extent.x : kTextMargin;
  dc.DrawText(text_, x, (size.y - extent.y) / 2);
}

void CListHighlight::OnMouse(wxMouseEvent& event) {
  wxWindow* list = GetParent();
  wxMouseEvent forwarded(event);
  forwarded.SetPosition(event.GetPosition() + GetPosition());
  forwarded.SetEventObject(list);
  forwarded.SetId(list->GetId());
  list->GetEventHandler()->ProcessEvent(forwarded);
}

}  // namespace listora
