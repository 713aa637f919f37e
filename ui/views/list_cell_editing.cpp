// `CMyVirtualListView`'s cell windows: the in-place edit box and the
// highlighted cell, and the click that starts an edit.

#include <wx/app.h>
#include <wx/settings.h>

#include "ui/views/list_cell_edit.h"
#include "ui/views/list_highlight.h"
#include "ui/views/my_virtual_list_view.h"

namespace listora {

namespace {

constexpr int kDefaultDoubleClickMs = 500;

int DoubleClickTime() {
  const int ms = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
  return ms > 0 ? ms : kDefaultDoubleClickMs;
}

}  // namespace

wxRect CMyVirtualListView::CellRect(long row, int column) const {
  wxRect cell;
  if (!GetSubItemRect(row, column, cell)) return wxRect();
  if (const wxWindow* area = ItemArea()) cell.Offset(-area->GetPosition());
  return cell;
}

bool CMyVirtualListView::RightAligned(int column) const {
  wxListItem item;
  item.SetMask(wxLIST_MASK_FORMAT);
  return GetColumn(column, item) && item.GetAlign() == wxLIST_FORMAT_RIGHT;
}

int CMyVirtualListView::ColumnAt(long row, int x) const {
  if (row < 0 || row >= GetItemCount()) return -1;
  for (int column = 0; column < GetColumnCount(); ++column) {
    wxRect cell;
    if (GetSubItemRect(row, column, cell) && x >= cell.GetLeft() && x <= cell.GetRight())
      return column;
  }
  return -1;
}

wxTextCtrl* CMyVirtualListView::CellEditor() const { return editor_; }

bool CMyVirtualListView::BeginCellEdit(long row, int column) {
  EndCellEdit(false);
  wxWindow* area = ItemArea();
  if (!data_ || !area || row < 0 || row >= GetItemCount() || column < 1 ||
      column >= GetColumnCount())
    return false;
  // The selection colour would show around the box.
  SetItemState(row, 0, wxLIST_STATE_SELECTED);
  editRow_ = row;
  editColumn_ = column;
  editor_ =
      new CMyEdit(area, CellRect(row, column), RightAligned(column), OnGetItemText(row, column),
                  [this](bool cancelled) { EndCellEdit(cancelled); });
  editor_->SetFocus();
  editor_->SelectAll();
  return true;
}

void CMyVirtualListView::EndCellEdit(bool cancelled) {
  if (!editor_) return;
  CMyEdit* editor = editor_;
  editor_ = nullptr;
  editor->Dismiss();
  wxListEvent event(wxEVT_LIST_END_LABEL_EDIT, GetId());
  event.SetEventObject(this);
  event.SetIndex(editRow_);
  event.SetColumn(editColumn_);
  wxListItem item;
  item.SetText(cancelled ? wxString() : editor->GetValue());
  event.SetItem(item);
  event.SetEditCanceled(cancelled);
  editRow_ = -1;
  editColumn_ = -1;
  if (editor->HasFocus()) SetFocus();
  editor->Hide();
  // The box may be ending from one of its own handlers.
  wxTheApp->ScheduleForDestruction(editor);
  GetEventHandler()->ProcessEvent(event);
}

void CMyVirtualListView::SetHighlightedCell(long row, int column) {
  const bool valid = row >= 0 && row < GetItemCount() && column >= 1 && column < GetColumnCount();
  highlightRow_ = valid ? row : -1;
  highlightColumn_ = valid ? column : -1;
  if (!valid) {
    // Not kept hidden: GTK warns about hidden children when the list
    // scrolls. The clearing click may come from the window itself.
    if (highlight_) {
      highlight_->Hide();
      wxTheApp->ScheduleForDestruction(highlight_);
      highlight_ = nullptr;
    }
    return;
  }
  if (!highlight_) {
    wxWindow* area = ItemArea();
    if (!area) return;
    highlight_ = new CListHighlight(area);
  }
  PlaceCellWindows();
}

void CMyVirtualListView::PlaceCellWindows() {
  if (editor_) editor_->Cover(CellRect(editRow_, editColumn_));
  if (highlight_ && highlightRow_ >= 0) {
    // Swapped colours: the list's text colour becomes the background.
    highlight_->Show(CellRect(highlightRow_, highlightColumn_),
                     OnGetItemText(highlightRow_, highlightColumn_), RightAligned(highlightColumn_),
                     attr_.GetBackgroundColour(), attr_.GetTextColour(), attr_.GetFont());
  }
}

void CMyVirtualListView::OnItemAreaPaint(wxPaintEvent& event) {
  event.Skip();
  // Scrolling and column widths move the cells; the windows follow after
  // the paint.
  if (placePending_ || (!editor_ && highlightRow_ < 0)) return;
  placePending_ = true;
  CallAfter([this] {
    placePending_ = false;
    PlaceCellWindows();
  });
}

void CMyVirtualListView::OnItemAreaLeftDown(wxMouseEvent& event) {
  event.Skip();
  editTimer_.Stop();
  pendingEditRow_ = -1;
  if (event.HasAnyModifiers()) return;
  int flags = 0;
  const long row = HitTest(event.GetPosition(), flags);
  const long wanted = wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED;
  if (row < 0 || GetItemState(row, wanted) != wanted) return;
  const int column = ColumnAt(row, event.GetX());
  if (column < 1) return;
  pendingEditRow_ = row;
  pendingEditColumn_ = column;
}

void CMyVirtualListView::OnItemAreaLeftUp(wxMouseEvent& event) {
  event.Skip();
  int flags = 0;
  if (pendingEditRow_ < 0 || HitTest(event.GetPosition(), flags) != pendingEditRow_ ||
      ColumnAt(pendingEditRow_, event.GetX()) != pendingEditColumn_) {
    pendingEditRow_ = -1;
    return;
  }
  editTimer_.StartOnce(DoubleClickTime());
}

void CMyVirtualListView::OnItemAreaDoubleClick(wxMouseEvent& event) {
  event.Skip();
  editTimer_.Stop();
  pendingEditRow_ = -1;
}

void CMyVirtualListView::OnEditTimer(wxTimerEvent&) {
  const long row = pendingEditRow_;
  pendingEditRow_ = -1;
  if (row >= 0) BeginCellEdit(row, pendingEditColumn_);
}

}  // namespace listora
