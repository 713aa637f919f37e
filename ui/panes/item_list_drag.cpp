// `ItemListCtrl`'s row drag: the selected rows are picked up together, a
// picture of them follows the mouse, a 2-pixel mark shows where they would
// land, the list scrolls by itself while the mouse is held beyond its top
// or bottom, and letting go reports the drop. A selected row is no place to
// land: the mouse shows the "no" cursor there.

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <algorithm>

#include "ui/panes/item_list_body.h"
#include "ui/panes/item_list_ctrl.h"

namespace listora {

namespace {

constexpr int kSlowScrollMs = 70;  // up to kSlowReach pixels beyond the edge
constexpr int kFastScrollMs = 10;
constexpr int kSlowReach = 50;
constexpr unsigned char kPictureAlpha = 160;

}  // namespace

// The selected rows in view as they are drawn, on a see-through ground.
wxBitmap ItemListCtrl::DragPicture(wxPoint& hotSpot, const wxPoint& bodyPoint) const {
  const int top = TopRow();
  const int end = std::min(GetItemCount(), top + VisibleRowCount() + 1);
  int first = -1, last = -1;
  for (int row = selection_.NextSelected(top - 1); row >= 0 && row < end;
       row = selection_.NextSelected(row)) {
    if (first < 0) first = row;
    last = row;
  }
  const int width = std::min(TotalWidth(), body_->GetClientSize().x);
  if (first < 0 || width <= 0) return wxBitmap();
  const int height = (last - first + 1) * rowHeight_;
  wxBitmap bitmap(width, height, 24);
  if (!bitmap.IsOk()) return wxBitmap();
  const wxColour clear(0, 255, 0);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(clear));
    dc.Clear();
    dc.SetFont(body_->GetFont());
    for (int row = first; row <= last; ++row) {
      if (!selection_.IsSelected(row)) continue;
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(background_));
      dc.DrawRectangle(0, (row - first) * rowHeight_, width, rowHeight_);
      DrawRow(dc, row, (row - first) * rowHeight_, ScrollX());
    }
  }
  wxImage image = bitmap.ConvertToImage();
  image.SetMaskColour(clear.Red(), clear.Green(), clear.Blue());
  image.InitAlpha();
  unsigned char* alpha = image.GetAlpha();
  for (int i = 0, n = width * height; i < n; ++i)
    alpha[i] = static_cast<unsigned char>(alpha[i] * kPictureAlpha / 255);
  hotSpot = wxPoint(bodyPoint.x, bodyPoint.y - (first - top) * rowHeight_);
  return wxBitmap(image);
}

bool ItemListCtrl::BeginRowDrag(const wxPoint& bodyPoint) {
  if (dragging_ || selection_.Count() == 0) return false;
  EndCellEdit(false);
  wxPoint hotSpot;
  dragPicture_ = DragPicture(hotSpot, bodyPoint);
  // Without a picture there is no drag.
  if (!dragPicture_.IsOk()) return false;
  dragHotSpot_ = hotSpot;
  draggedRows_ = selection_.Rows();
  dropIndex_ = -1;
  lastTarget_ = -1;
  scrollInterval_ = kSlowScrollMs;
  scrollDirection_ = 0;
  dragging_ = true;
  dragPoint_ = bodyPoint;
  if (!body_->HasCapture()) body_->CaptureMouse();
  return true;
}

void ItemListCtrl::DragTo(const wxPoint& bodyPoint) {
  if (!dragging_) return;
  dragPoint_ = bodyPoint;
  // Only the height counts: the row level with the mouse, wherever it is
  // sideways. Above or below the body nothing is found there.
  const int bottom = body_->GetClientSize().y;
  if (bodyPoint.y >= 0 && bodyPoint.y < bottom) SetDropRow(RowAt(bodyPoint.y));

  int direction = 0;
  int beyond = 0;
  if (bodyPoint.y < 0) {
    direction = -1;
    beyond = -bodyPoint.y;
  } else if (bodyPoint.y > bottom) {
    direction = 1;
    beyond = bodyPoint.y - bottom;
  }
  if (direction == 0) {
    scrollTimer_.Stop();
    scrollDirection_ = 0;
  } else {
    const int interval = beyond <= kSlowReach ? kSlowScrollMs : kFastScrollMs;
    if (!scrollTimer_.IsRunning() || interval != scrollInterval_ || direction != scrollDirection_)
      scrollTimer_.Start(interval);
    scrollDirection_ = direction;
    scrollInterval_ = interval;
  }
  body_->Refresh();
}

void ItemListCtrl::SetDropRow(int row) {
  const int count = GetItemCount();
  if (count == 0) return;
  bool afterLast = false;
  if (row < 0) {
    // Below the rows: the place after the last row, reached from it.
    if (lastTarget_ != count - 1) return;
    row = count - 1;
    afterLast = true;
  }
  if (row >= count) return;
  lastTarget_ = row;
  if (selection_.IsSelected(row)) {
    body_->SetCursor(wxCursor(wxCURSOR_NO_ENTRY));
    dropIndex_ = -1;
  } else {
    body_->SetCursor(wxCursor(wxCURSOR_HAND));
    dropIndex_ = afterLast ? row + 1 : row;
  }
  body_->Refresh();
}

void ItemListCtrl::OnScrollTimer(wxTimerEvent&) {
  if (!dragging_ || scrollDirection_ == 0) {
    scrollTimer_.Stop();
    return;
  }
  const int count = GetItemCount();
  if ((scrollDirection_ < 0 && dropIndex_ == 0) || (scrollDirection_ > 0 && dropIndex_ >= count)) {
    scrollTimer_.Stop();
    return;
  }
  // The mark moves one row with each line scrolled; over a selected row it
  // goes on from the row last found.
  const int from = dropIndex_ >= 0 ? dropIndex_ : lastTarget_;
  body_->Scroll(-1, std::max(TopRow() + scrollDirection_, 0));
  if (from >= 0) SetDropRow(from + scrollDirection_);
}

void ItemListCtrl::OnCaptureLost(wxMouseCaptureLostEvent&) { EndRowDrag(false); }

void ItemListCtrl::EndRowDrag(bool drop) {
  if (!dragging_) return;
  dragging_ = false;
  scrollTimer_.Stop();
  scrollDirection_ = 0;
  if (body_->HasCapture()) body_->ReleaseMouse();
  body_->SetCursor(wxNullCursor);
  dragPicture_ = wxBitmap();
  body_->Refresh();
  const int dropIndex = std::min(dropIndex_, GetItemCount());
  dropIndex_ = -1;
  if (drop && dropIndex >= 0) {
    wxCommandEvent dropped(EVT_ITEM_LIST_DROP, GetId());
    dropped.SetEventObject(this);
    dropped.SetInt(dropIndex);
    GetEventHandler()->ProcessEvent(dropped);
  }
  draggedRows_.clear();
}

}  // namespace listora
