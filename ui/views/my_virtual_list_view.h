#pragma once
// `CMyVirtualListView`: the list pane, a virtual report list control that
// fetches every cell from the open document's item table when it paints.
// It knows nothing about commands; the list view (`CListoraView`) drives it.

#include <wx/listctrl.h>
#include <wx/timer.h>

#include <memory>
#include <vector>

#include "core/doc/document_file.h"
#include "core/views/sort.h"

namespace listora {

class CListHighlight;
class CMyEdit;

class CMyVirtualListView : public wxListCtrl {
 public:
  explicit CMyVirtualListView(wxWindow* parent);
  ~CMyVirtualListView() override;

  // The document shown; null shows an empty list.
  void Attach(const Document* data);
  // Columns, font and colours from the document's descriptors and style.
  void RebuildColumns();
  void ApplyStyle();
  // After rows changed: the virtual item count, then a repaint.
  void SyncItemCount();

  // The column whose header was right-clicked last; 0 for none.
  int CurrentHeaderColumn() const { return currentHeaderColumn_; }
  // A right click on header `column` makes it the current header column;
  // true when the column menu is due (a user column was hit).
  bool ChooseHeaderColumn(int column);
  // The widths the user dragged the headers to.
  void CaptureColumnWidths(ColumnDescriptors& columns) const;
  // Display position -> column index, the icon column always first.
  std::vector<int> DisplayOrder() const;

  // The direction flags of header-click sorting; they outlive documents.
  SortFlags& SortDirections() { return sortFlags_; }

  std::vector<int> SelectedRows() const;
  void SelectAllRows();
  void InvertSelection();
  void ClearSelection();

  // In-place editing of one user cell. The end is reported as
  // wxEVT_LIST_END_LABEL_EDIT with the row, the column, the text and
  // whether it was cancelled; the list itself stores nothing.
  bool BeginCellEdit(long row, int column);
  void EndCellEdit(bool cancelled);
  // The column being edited, -1 for none; the edit box while it is open.
  int EditColumn() const { return editColumn_; }
  wxTextCtrl* CellEditor() const;
  // The column whose cell in `row` holds x (in the list's coordinates):
  // 0 for the icon column, -1 for none.
  int ColumnAt(long row, int x) const;

  // The one cell drawn in swapped colours; -1, -1 for none. The next
  // change of the current item or the selection clears it.
  void SetHighlightedCell(long row, int column);
  long HighlightedRow() const { return highlightRow_; }
  int HighlightedColumn() const { return highlightColumn_; }

 protected:
  wxString OnGetItemText(long item, long column) const override;
  int OnGetItemImage(long item) const override;
  wxItemAttr* OnGetItemAttr(long item) const override;

 private:
  wxWindow* ItemArea() const;
  // The cell's rectangle in the item area's coordinates.
  wxRect CellRect(long row, int column) const;
  bool RightAligned(int column) const;
  // Keeps the edit box and the highlighted cell over their cells.
  void PlaceCellWindows();

  void OnColumnRightClick(wxListEvent& event);
  void OnColumnBeginDrag(wxListEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnItemChanged(wxListEvent& event);
  void OnItemAreaLeftDown(wxMouseEvent& event);
  void OnItemAreaLeftUp(wxMouseEvent& event);
  void OnItemAreaDoubleClick(wxMouseEvent& event);
  void OnItemAreaPaint(wxPaintEvent& event);
  void OnEditTimer(wxTimerEvent& event);

  const Document* data_ = nullptr;
  std::unique_ptr<wxImageList> icons_;
  mutable wxItemAttr attr_;
  SortFlags sortFlags_;
  int currentHeaderColumn_ = 0;
  bool headerMenuShown_ = false;

  // A click on the selected, focused item starts an edit of the clicked
  // cell once the double-click time has passed without a second click.
  wxTimer editTimer_;
  long pendingEditRow_ = -1;
  int pendingEditColumn_ = -1;
  CMyEdit* editor_ = nullptr;
  long editRow_ = -1;
  int editColumn_ = -1;

  CListHighlight* highlight_ = nullptr;
  long highlightRow_ = -1;
  int highlightColumn_ = -1;
  bool placePending_ = false;
};

}  // namespace listora
