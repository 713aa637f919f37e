#pragma once
// `CMyVirtualListView`: the list pane, a virtual report list control that
// fetches every cell from the open document's item table when it paints.
// It knows nothing about commands; the list view (`CListoraView`) drives it.

#include <wx/listctrl.h>

#include <memory>
#include <vector>

#include "core/doc/document_file.h"

namespace listora {

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
  // The widths the user dragged the headers to.
  void CaptureColumnWidths(ColumnDescriptors& columns) const;

  std::vector<int> SelectedRows() const;
  void SelectAllRows();
  void InvertSelection();
  void ClearSelection();

 protected:
  wxString OnGetItemText(long item, long column) const override;
  int OnGetItemImage(long item) const override;
  wxItemAttr* OnGetItemAttr(long item) const override;

 private:
  void OnColumnRightClick(wxListEvent& event);
  void OnColumnBeginDrag(wxListEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);

  const Document* data_ = nullptr;
  std::unique_ptr<wxImageList> icons_;
  mutable wxItemAttr attr_;
  int currentHeaderColumn_ = 0;
  bool headerMenuShown_ = false;
};

}  // namespace listora
