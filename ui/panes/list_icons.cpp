#include "ui/panes/list_icons.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include "core/doc/document_settings.h"

namespace listora {

namespace {

constexpr int kSize = 16;

// A sheet of paper; a memo adds lines of text, an image a small picture.
wxBitmap ItemIcon(bool memo, bool image) {
  wxBitmap bitmap(kSize, kSize);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(wxBrush(wxColour(250, 250, 230)));
  dc.DrawRectangle(2, 1, 12, 14);
  if (memo) {
    dc.SetPen(wxPen(wxColour(40, 40, 160)));
    for (int y = 4; y <= 12; y += 3) dc.DrawLine(4, y, image ? 8 : 12, y);
  }
  if (image) {
    dc.SetPen(wxPen(wxColour(0, 110, 0)));
    dc.SetBrush(wxBrush(wxColour(90, 170, 230)));
    dc.DrawRectangle(8, 8, 6, 6);
  }
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

// The column's number, so a header shows which array it is.
wxBitmap HeaderIconBitmap(int column) {
  wxBitmap bitmap(kSize, kSize);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetFont(wxFontInfo(7));
  dc.SetTextForeground(wxColour(0, 0, 128));
  const wxString text = column == 0 ? wxString("#") : wxString::Format("%d", column);
  const wxSize extent = dc.GetTextExtent(text);
  dc.DrawText(text, (kSize - extent.x) / 2, (kSize - extent.y) / 2);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

}  // namespace

int ColumnHeaderImage(const ColumnDescriptors& columns, int column) {
  return column == 0 || columns.headerIcons != 0 ? HeaderIcon(column) : -1;
}

std::unique_ptr<wxImageList> MakeListIcons() {
  auto icons = std::make_unique<wxImageList>(kSize, kSize, true, kItemIconCount + kMaxColumns);
  for (int index = 0; index < kItemIconCount; ++index)
    icons->Add(ItemIcon((index & 1) != 0, (index & 2) != 0), *wxWHITE);
  for (int column = 0; column < kMaxColumns; ++column)
    icons->Add(HeaderIconBitmap(column), *wxWHITE);
  return icons;
}

}  // namespace listora
