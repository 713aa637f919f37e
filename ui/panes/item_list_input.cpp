// `ItemListCtrl`'s mouse and keys: the selection gestures, the focused row,
// the click that starts an in-place edit and the press that starts a drag.

#include <wx/settings.h>

#include <algorithm>
#include <cstdlib>

#include "ui/panes/item_list_body.h"
#include "ui/panes/item_list_ctrl.h"

namespace listora {

namespace {

constexpr int kDefaultDoubleClickMs = 500;

int DoubleClickTime() {
  const int ms = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
  return ms > 0 ? ms : kDefaultDoubleClickMs;
}

// How far the mouse moves with the button held before a drag starts.
wxSize DragThreshold() {
  const int x = wxSystemSettings::GetMetric(wxSYS_DRAG_X);
  const int y = wxSystemSettings::GetMetric(wxSYS_DRAG_Y);
  return wxSize(x > 0 ? x : 4, y > 0 ? y : 4);
}

}  // namespace

void ItemListCtrl::OnLeftDown(wxMouseEvent& event) {
  body_->SetFocus();
  editTimer_.Stop();
  pendingEditRow_ = -1;
  pressedRow_ = -1;
  const int row = RowAt(event.GetY());
  const bool ctrl = event.ControlDown();
  const bool shift = event.ShiftDown();
  if (row < 0) {
    if (!ctrl && !shift) ClearSelection();
    return;
  }
  if (!ctrl && !shift && selection_.IsSelected(row)) {
    // The selection stays until the release, so it can be dragged whole.
    pressedRow_ = row;
    pressPoint_ = event.GetPosition();
    const int column = ColumnAt(event.GetX());
    if (row == FocusedRow() && column >= 1) {
      pendingEditRow_ = row;
      pendingEditColumn_ = column;
    }
    if (row != FocusedRow()) SetFocusedRow(row);
    return;
  }
  ClickRow(row, ctrl, shift);
  if (!ctrl && !shift) {
    pressedRow_ = row;
    pressPoint_ = event.GetPosition();
  }
}

void ItemListCtrl::OnMotion(wxMouseEvent& event) {
  if (dragging_) {
    DragTo(event.GetPosition());
    return;
  }
  if (pressedRow_ < 0 || !event.LeftIsDown()) return;
  const wxPoint moved = event.GetPosition() - pressPoint_;
  const wxSize threshold = DragThreshold();
  if (std::abs(moved.x) < threshold.x && std::abs(moved.y) < threshold.y) return;
  pendingEditRow_ = -1;
  pressedRow_ = -1;
  if (BeginRowDrag(pressPoint_)) DragTo(event.GetPosition());
}

void ItemListCtrl::OnLeftUp(wxMouseEvent& event) {
  if (dragging_) {
    EndRowDrag(true);
    return;
  }
  const int pressed = pressedRow_;
  pressedRow_ = -1;
  const int row = RowAt(event.GetY());
  if (pressed >= 0 && row == pressed && selection_.Count() > 1) ClickRow(row, false, false);
  if (pendingEditRow_ < 0 || row != pendingEditRow_ ||
      ColumnAt(event.GetX()) != pendingEditColumn_) {
    pendingEditRow_ = -1;
    return;
  }
  editTimer_.StartOnce(DoubleClickTime());
}

void ItemListCtrl::OnLeftDoubleClick(wxMouseEvent& event) {
  editTimer_.Stop();
  pendingEditRow_ = -1;
  pressedRow_ = -1;
  const int row = RowAt(event.GetY());
  if (row >= 0 && !selection_.IsSelected(row))
    ClickRow(row, event.ControlDown(), event.ShiftDown());
}

void ItemListCtrl::OnRightDown(wxMouseEvent& event) {
  body_->SetFocus();
  // The context menu acts on the row under the mouse when it is not part
  // of the selection.
  const int row = RowAt(event.GetY());
  if (row >= 0 && !selection_.IsSelected(row)) ClickRow(row, false, false);
  event.Skip();
}

void ItemListCtrl::OnEditTimer(wxTimerEvent&) {
  const int row = pendingEditRow_;
  pendingEditRow_ = -1;
  if (row >= 0) BeginCellEdit(row, pendingEditColumn_);
}

void ItemListCtrl::OnFocusChange(wxFocusEvent& event) {
  event.Skip();
  // The selection's colour and the focus rectangle follow the focus.
  body_->Refresh();
}

bool ItemListCtrl::MoveByKey(int key, bool ctrl, bool shift) {
  const int count = GetItemCount();
  if (count == 0) return false;
  const int focus = FocusedRow();
  const int page = std::max(VisibleRowCount() - 1, 1);
  int row = -1;
  switch (key) {
    case WXK_UP: row = focus < 0 ? 0 : focus - 1; break;
    case WXK_DOWN: row = focus < 0 ? 0 : focus + 1; break;
    case WXK_PAGEUP: row = focus < 0 ? 0 : focus - page; break;
    case WXK_PAGEDOWN: row = focus < 0 ? 0 : focus + page; break;
    case WXK_HOME: row = 0; break;
    case WXK_END: row = count - 1; break;
    default: return false;
  }
  MoveFocusTo(std::clamp(row, 0, count - 1), ctrl, shift);
  return true;
}

void ItemListCtrl::OnKeyDown(wxKeyEvent& event) {
  wxListEvent key(wxEVT_LIST_KEY_DOWN, GetId());
  key.SetEventObject(this);
  key.m_code = event.GetKeyCode();  // the event offers no setter
  key.SetIndex(FocusedRow());
  GetEventHandler()->ProcessEvent(key);

  const int code = event.GetKeyCode();
  const bool ctrl = event.ControlDown();
  const bool shift = event.ShiftDown();
  if (dragging_ && code == WXK_ESCAPE) {
    EndRowDrag(false);
    return;
  }
  if (MoveByKey(code, ctrl, shift)) return;
  const int focus = FocusedRow();
  switch (code) {
    case 'A':
      if (ctrl && !shift) {
        SelectAllRows();
        return;
      }
      break;
    case WXK_SPACE:
      if (focus >= 0) {
        Select(focus, ctrl ? !IsSelected(focus) : true);
        return;
      }
      break;
    case WXK_F2:
      if (focus >= 0 && IsSelected(focus)) {
        // The cell under the mouse when it is over the focused row, else
        // the first user column shown.
        const wxPoint mouse = body_->ScreenToClient(wxGetMousePosition());
        int column = RowAt(mouse.y) == focus ? ColumnAt(mouse.x) : -1;
        if (column < 1 && order_.size() > 1) column = order_[1];
        BeginCellEdit(focus, column);
        return;
      }
      break;
    case WXK_LEFT:
    case WXK_RIGHT: {
      const int step = code == WXK_LEFT ? -2 : 2;
      body_->Scroll(std::max(body_->GetViewStart().x + step, 0), -1);
      return;
    }
    case WXK_TAB:
      body_->Navigate(shift ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
      return;
    default: break;
  }
  event.Skip();
}

}  // namespace listora
