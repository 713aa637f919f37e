// `ItemListCtrl`'s drawing: only the rows in view, each from the item table,
// placed from the top row so coordinates stay small however long the list.

#include <wx/dcbuffer.h>
#include <wx/imaglist.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "ui/panes/cell_edit_box.h"
#include "ui/panes/item_list_body.h"
#include "ui/panes/item_list_ctrl.h"

namespace listora {

namespace {
constexpr int kTextMargin = 4;
constexpr int kMarkHeight = 2;
}  // namespace

int ItemListCtrl::ColumnLeft(int column) const {
  int left = 0;
  for (int shown : order_) {
    if (shown == column) return left;
    left += widths_[shown];
  }
  return left;
}

int ItemListCtrl::TotalWidth() const {
  int total = 0;
  for (int width : widths_) total += width;
  return total;
}

int ItemListCtrl::ScrollX() const {
  int unitX = 0, unitY = 0;
  body_->GetScrollPixelsPerUnit(&unitX, &unitY);
  return body_->GetViewStart().x * unitX;
}

int ItemListCtrl::TopRow() const { return body_->GetViewStart().y; }

int ItemListCtrl::VisibleRowCount() const {
  return std::max(body_->GetClientSize().y / rowHeight_, 1);
}

int ItemListCtrl::RowAt(int y) const {
  if (y < 0) return -1;
  const int row = TopRow() + y / rowHeight_;
  return row < GetItemCount() ? row : -1;
}

int ItemListCtrl::ColumnAt(int x) const {
  int left = -ScrollX();
  for (int column : order_) {
    if (x >= left && x < left + widths_[column]) return column;
    left += widths_[column];
  }
  return -1;
}

wxRect ItemListCtrl::CellRect(int row, int column) const {
  if (column < 0 || column >= GetColumnCount()) return wxRect();
  return wxRect(ColumnLeft(column) - ScrollX(), (row - TopRow()) * rowHeight_, widths_[column],
                rowHeight_);
}

void ItemListCtrl::EnsureVisible(int row) {
  if (row < 0 || row >= GetItemCount()) return;
  const int top = TopRow();
  const int shown = VisibleRowCount();
  if (row < top)
    body_->Scroll(-1, row);
  else if (row >= top + shown)
    body_->Scroll(-1, row - shown + 1);
}

void ItemListCtrl::RefreshItem(int row) {
  const int top = TopRow();
  if (row < top || row > top + VisibleRowCount()) return;
  body_->RefreshRect(wxRect(0, (row - top) * rowHeight_, body_->GetClientSize().x, rowHeight_));
}

void ItemListCtrl::OnPaint(wxPaintEvent&) {
  // Scrolling and column widths move the cells; the edit box follows
  // after the paint.
  if (editor_)
    CallAfter([this] {
      if (editor_) editor_->Cover(CellRect(editRow_, editColumn_));
    });
  wxAutoBufferedPaintDC dc(body_);
  dc.SetBackground(wxBrush(background_));
  dc.Clear();
  dc.SetFont(body_->GetFont());
  const int top = TopRow();
  const int scrollX = ScrollX();
  // The table may have lost rows the list has not yet been told of.
  const int rows = data_ ? std::min(GetItemCount(), data_->items.GetSize()) : 0;
  const int end = std::min(rows, top + VisibleRowCount() + 1);
  for (int row = top; row < end; ++row) DrawRow(dc, row, (row - top) * rowHeight_, scrollX);

  const int focus = FocusedRow();
  if (focus >= top && focus < end && body_->HasFocus()) {
    const wxRect rect(-scrollX, (focus - top) * rowHeight_, TotalWidth(), rowHeight_);
    wxRendererNative::Get().DrawFocusRect(body_, dc, rect);
  }
  if (dragging_) {
    if (dropIndex_ >= 0) {
      // The insertion mark: a line in front of the row the rows land before.
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(textColour_));
      dc.DrawRectangle(-scrollX, (dropIndex_ - top) * rowHeight_ - kMarkHeight / 2,
                       TotalWidth() - 1, kMarkHeight);
    }
    if (dragPicture_.IsOk()) dc.DrawBitmap(dragPicture_, dragPoint_ - dragHotSpot_, true);
  }
}

void ItemListCtrl::DrawRow(wxDC& dc, int row, int y, int scrollX) const {
  const bool selected = selection_.IsSelected(row);
  const bool active = body_->HasFocus() || dragging_;
  const wxColour rowBack = selected
                               ? wxSystemSettings::GetColour(active ? wxSYS_COLOUR_HIGHLIGHT
                                                                    : wxSYS_COLOUR_INACTIVECAPTION)
                               : background_;
  const wxColour rowText =
      selected ? wxSystemSettings::GetColour(active ? wxSYS_COLOUR_HIGHLIGHTTEXT
                                                    : wxSYS_COLOUR_INACTIVECAPTIONTEXT)
               : textColour_;
  dc.SetPen(*wxTRANSPARENT_PEN);
  if (selected) {
    dc.SetBrush(wxBrush(rowBack));
    dc.DrawRectangle(-scrollX, y, TotalWidth(), rowHeight_);
  }
  const int clientWidth = body_->GetClientSize().x;
  int left = -scrollX;
  for (int column : order_) {
    const int width = widths_[column];
    const wxRect cell(left, y, width, rowHeight_);
    left += width;
    if (cell.GetRight() < 0 || cell.x >= clientWidth) continue;
    wxDCClipper clip(dc, cell);
    if (column == 0) {
      const int image = std::atoi(std::string(data_->items.IconIndex(row)).c_str());
      if (image >= 0 && image < icons_->GetImageCount())
        icons_->Draw(image, dc, cell.GetRight() - icons_->GetSize().x - kTextMargin / 2,
                     y + (rowHeight_ - icons_->GetSize().y) / 2, wxIMAGELIST_DRAW_TRANSPARENT);
      continue;
    }
    // The highlighted cell swaps the list's colours.
    const bool highlighted = row == highlightRow_ && column == highlightColumn_;
    if (highlighted) {
      dc.SetBrush(wxBrush(textColour_));
      dc.DrawRectangle(cell);
    }
    dc.SetTextForeground(highlighted ? background_ : rowText);
    const wxString text = GetItemText(row, column);
    const wxSize extent = dc.GetTextExtent(text);
    const int x =
        RightAligned(column) ? cell.GetRight() - kTextMargin - extent.x : cell.x + kTextMargin;
    dc.DrawText(text, x, y + (rowHeight_ - extent.y) / 2);
  }
}

}  // namespace listora
