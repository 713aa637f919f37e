#pragma once
// `ItemListCtrl`: the list pane's control. A header (click sorts, drag
// reorders with the icon column pinned first, border drag resizes) over a
// body that draws only the visible rows, fetching each cell from the open
// document's item table. It keeps its own selection (ranges), focus row and
// keyboard rules, the in-place edit box and the highlighted cell, and moves
// dragged rows by reporting the drop. It changes no data itself: what the
// user did is reported as events to whoever owns the document.
//
// Events, all with the control as their object:
// - wxEVT_LIST_ITEM_FOCUSED (index: the new focused row);
// - EVT_ITEM_LIST_SELECTION: the selection changed, once per change however
//   it was made (sent after the change, coalesced);
// - wxEVT_LIST_KEY_DOWN (key code) for every key the body gets;
// - wxEVT_LIST_COL_CLICK (column index) for a header click;
// - wxEVT_LIST_END_LABEL_EDIT (row, column, text, cancelled) when an
//   in-place edit ends;
// - EVT_ITEM_LIST_COLUMNS: the user reordered or resized columns;
// - EVT_ITEM_LIST_DROP (int: drop index): dragged rows were let go over a
//   valid place; `DraggedRows()` holds them during the event.

#include <wx/bitmap.h>
#include <wx/event.h>
#include <wx/listbase.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <memory>
#include <vector>

#include "core/doc/document_file.h"
#include "core/panes/row_selection.h"
#include "core/panes/sort.h"

class wxHeaderCtrl;
class wxHeaderCtrlEvent;
class wxImageList;
class wxTextCtrl;

namespace listora {

class ItemListBody;
class ItemListHeader;
class CellEditBox;

wxDECLARE_EVENT(EVT_ITEM_LIST_SELECTION, wxCommandEvent);
wxDECLARE_EVENT(EVT_ITEM_LIST_COLUMNS, wxCommandEvent);
wxDECLARE_EVENT(EVT_ITEM_LIST_DROP, wxCommandEvent);

class ItemListCtrl : public wxWindow {
 public:
  explicit ItemListCtrl(wxWindow* parent);
  ~ItemListCtrl() override;

  // The document shown; null shows an empty list.
  void Attach(const Document* data);
  // Columns (names, widths, formats) from the document's descriptors, in
  // the natural order; font and colours from its style.
  void RebuildColumns();
  void ApplyStyle();
  // After rows changed: the row count, then a repaint.
  void SyncItemCount();

  int GetItemCount() const { return selection_.RowCount(); }
  int GetColumnCount() const { return static_cast<int>(widths_.size()); }
  wxString GetItemText(int row, int column) const;
  wxString ColumnTitle(int column) const;
  bool RightAligned(int column) const;
  int GetColumnWidth(int column) const;
  // Display position -> column index; the icon column is always first.
  std::vector<int> DisplayOrder() const { return order_; }
  // Takes an order as the user would leave it (column 0 is put first).
  void SetDisplayOrder(const std::vector<int>& order);

  // The column whose header was right-clicked last; 0 for none.
  int CurrentHeaderColumn() const { return currentHeaderColumn_; }
  // A right click on header `column` makes it the current header column;
  // true when the column menu is due (a user column was hit).
  bool ChooseHeaderColumn(int column);
  // The direction flags of header-click sorting; they outlive documents.
  SortFlags& SortDirections() { return sortFlags_; }

  // Selection and focus. Every change is reported (EVT_ITEM_LIST_SELECTION,
  // wxEVT_LIST_ITEM_FOCUSED), whoever made it.
  int GetSelectedItemCount() const { return selection_.Count(); }
  bool IsSelected(int row) const { return selection_.IsSelected(row); }
  std::vector<int> SelectedRows() const { return selection_.Rows(); }
  const RowSelection& Selection() const { return selection_; }
  void Select(int row, bool selected);
  // `rows` ascending become the selection.
  void SelectRows(const std::vector<int>& rows);
  // Rows first..last become the selection (none when last < first).
  void SelectRowRange(int first, int last);
  void SelectAllRows();
  void InvertSelection();
  void ClearSelection();
  int FocusedRow() const { return selection_.Focus(); }
  void SetFocusedRow(int row);
  // The gestures as the mouse and keys make them (for the keys, `ctrl`
  // moves only the focus).
  void ClickRow(int row, bool ctrl, bool shift);
  void MoveFocusTo(int row, bool ctrl, bool shift);

  void EnsureVisible(int row);
  void RefreshItem(int row);
  // The first row shown at the top.
  int TopRow() const;
  // The window that draws the rows and takes the keys and the mouse, and
  // the header above it.
  wxWindow* Body() const;
  wxHeaderCtrl* Header() const;
  // The row at height y of the body, -1 for none.
  int RowAt(int y) const;
  // The column whose cell holds x (body coordinates): 0 for the icon
  // column, -1 for none.
  int ColumnAt(int x) const;
  // The cell's rectangle in the body's coordinates.
  wxRect CellRect(int row, int column) const;
  int RowHeight() const { return rowHeight_; }

  // In-place editing of one user cell; the end is reported as
  // wxEVT_LIST_END_LABEL_EDIT and the list itself stores nothing.
  bool BeginCellEdit(int row, int column);
  void EndCellEdit(bool cancelled);
  int EditColumn() const { return editColumn_; }
  wxTextCtrl* CellEditor() const;

  // The one cell drawn in swapped colours; -1, -1 for none. The next change
  // of the focus or the selection clears it.
  void SetHighlightedCell(int row, int column);
  int HighlightedRow() const { return highlightRow_; }
  int HighlightedColumn() const { return highlightColumn_; }

  // Moving rows by dragging them (item_list_drag.cpp). The drag starts
  // from a press on a selected row; the drop index is the row the dragged
  // rows land in front of (the row count: after the last row), -1 where
  // they cannot land.
  bool Dragging() const { return dragging_; }
  const std::vector<int>& DraggedRows() const { return draggedRows_; }
  int DropIndex() const { return dropIndex_; }
  // The auto-scroll interval now running, 0 for none.
  int ScrollInterval() const { return scrollTimer_.IsRunning() ? scrollInterval_ : 0; }
  bool BeginRowDrag(const wxPoint& bodyPoint);
  void DragTo(const wxPoint& bodyPoint);
  void EndRowDrag(bool drop);

  bool AcceptsFocus() const override { return false; }
  void SetFocus() override;

 private:
  // item_list.cpp
  void OnHeaderMouse(wxMouseEvent& event);
  void OnHeaderClick(wxHeaderCtrlEvent& event);
  void SendColumnClick(int column);
  void OnHeaderRightClick(wxHeaderCtrlEvent& event);
  void OnHeaderResizing(wxHeaderCtrlEvent& event);
  void OnHeaderEndResize(wxHeaderCtrlEvent& event);
  void OnHeaderReorder(wxHeaderCtrlEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnSize(wxSizeEvent& event);
  void LayoutParts();
  void UpdateVirtualSize();
  void ColumnsChangedByUser();
  void SelectionChanged();
  void FocusChanged();

  // item_list_paint.cpp
  void OnPaint(wxPaintEvent& event);
  void DrawRow(wxDC& dc, int row, int y, int scrollX) const;
  int ColumnLeft(int column) const;
  int TotalWidth() const;
  int ScrollX() const;
  int VisibleRowCount() const;

  // item_list_input.cpp
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDoubleClick(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnFocusChange(wxFocusEvent& event);
  void OnEditTimer(wxTimerEvent& event);
  bool MoveByKey(int key, bool ctrl, bool shift);

  // item_list_drag.cpp
  void SetDropRow(int row);
  void OnScrollTimer(wxTimerEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  wxBitmap DragPicture(wxPoint& hotSpot, const wxPoint& bodyPoint) const;

  ItemListHeader* header_ = nullptr;
  ItemListBody* body_ = nullptr;
  const Document* data_ = nullptr;
  std::unique_ptr<wxImageList> icons_;
  wxColour textColour_;
  wxColour background_;
  int rowHeight_ = 18;

  std::vector<int> widths_;  // per column index
  std::vector<int> order_;   // display position -> column index
  SortFlags sortFlags_;
  int currentHeaderColumn_ = 0;
  bool headerMenuShown_ = false;
  // The last left press on the header: its column and x, whether the
  // mouse has since moved far enough to make it a drag, and whether the
  // header began to reorder the column.
  struct HeaderPress {
    int column = -1;
    int x = 0;
    bool dragged = false;
    bool reordering = false;
  } headerPress_;

  RowSelection selection_;
  bool selectionNoticePending_ = false;

  // A click on the selected, focused row starts an edit of the clicked
  // cell once the double-click time has passed without a second click.
  // A press on a selected row leaves the selection until the release, so
  // the rows can be dragged together.
  wxTimer editTimer_;
  int pendingEditRow_ = -1;
  int pendingEditColumn_ = -1;
  int pressedRow_ = -1;
  wxPoint pressPoint_;
  CellEditBox* editor_ = nullptr;
  int editRow_ = -1;
  int editColumn_ = -1;

  int highlightRow_ = -1;
  int highlightColumn_ = -1;

  bool dragging_ = false;
  std::vector<int> draggedRows_;
  int dropIndex_ = -1;
  int lastTarget_ = -1;
  wxPoint dragPoint_;
  wxPoint dragHotSpot_;
  wxBitmap dragPicture_;
  wxTimer scrollTimer_;
  int scrollDirection_ = 0;  // -1 up, 1 down
  int scrollInterval_ = 0;
};

}  // namespace listora
