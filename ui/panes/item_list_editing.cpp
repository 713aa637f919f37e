// `ItemListCtrl`'s in-place edit box and highlighted cell.

#include <wx/app.h>

#include "ui/panes/cell_edit_box.h"
#include "ui/panes/item_list_body.h"
#include "ui/panes/item_list_ctrl.h"

namespace listora {

wxTextCtrl* ItemListCtrl::CellEditor() const { return editor_; }

bool ItemListCtrl::BeginCellEdit(int row, int column) {
  EndCellEdit(false);
  if (!data_ || row < 0 || row >= GetItemCount() || column < 1 || column >= GetColumnCount())
    return false;
  EnsureVisible(row);
  // The selection colour would show around the box.
  Select(row, false);
  editRow_ = row;
  editColumn_ = column;
  editor_ =
      new CellEditBox(body_, CellRect(row, column), RightAligned(column), GetItemText(row, column),
                      [this](bool cancelled) { EndCellEdit(cancelled); });
  editor_->SetFocus();
  editor_->SelectAll();
  return true;
}

void ItemListCtrl::EndCellEdit(bool cancelled) {
  if (!editor_) return;
  CellEditBox* editor = editor_;
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
  if (editor->HasFocus()) body_->SetFocus();
  editor->Hide();
  // The box may be ending from one of its own handlers.
  wxTheApp->ScheduleForDestruction(editor);
  GetEventHandler()->ProcessEvent(event);
}

void ItemListCtrl::SetHighlightedCell(int row, int column) {
  const bool valid = row >= 0 && row < GetItemCount() && column >= 1 && column < GetColumnCount();
  const int oldRow = highlightRow_;
  highlightRow_ = valid ? row : -1;
  highlightColumn_ = valid ? column : -1;
  if (oldRow >= 0) RefreshItem(oldRow);
  if (valid) RefreshItem(row);
}

}  // namespace listora
