#include "ui/views/my_virtual_list_view.h"

#include <wx/menu.h>

#include <cstdlib>
#include <string>

#include "ui/app/text_convert.h"
#include "ui/views/list_icons.h"
#include "ui/views/main_menu.h"
#include "ui/views/pane_style.h"

namespace listora {

namespace {
constexpr int kIconColumnWidth = 30;
}

CMyVirtualListView::CMyVirtualListView(wxWindow* parent)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_VIRTUAL | wxBORDER_SUNKEN),
      icons_(MakeListIcons()) {
  SetImageList(icons_.get(), wxIMAGE_LIST_SMALL);
  Bind(wxEVT_LIST_COL_RIGHT_CLICK, &CMyVirtualListView::OnColumnRightClick, this);
  Bind(wxEVT_LIST_COL_BEGIN_DRAG, &CMyVirtualListView::OnColumnBeginDrag, this);
  Bind(wxEVT_CONTEXT_MENU, &CMyVirtualListView::OnContextMenu, this);
}

CMyVirtualListView::~CMyVirtualListView() { SetImageList(nullptr, wxIMAGE_LIST_SMALL); }

void CMyVirtualListView::Attach(const Document* data) {
  // The control keeps selection states across item counts, so a document
  // would otherwise inherit the last one's selection.
  ClearSelection();
  data_ = data;
  SyncItemCount();
}

void CMyVirtualListView::RebuildColumns() {
  DeleteAllColumns();
  if (!data_) return;
  const ColumnDescriptors& columns = data_->settings.columns;
  const int count = data_->ColumnCount();
  for (int i = 0; i < count; ++i) {
    wxListItem column;
    column.SetText(ToWx(FixedText(columns.names[i])));
    column.SetWidth(i == 0 ? kIconColumnWidth : columns.widths[i]);
    column.SetAlign(i == 0 || (columns.formats[i] & kFormatRight) != 0 ? wxLIST_FORMAT_RIGHT
                                                                       : wxLIST_FORMAT_LEFT);
    if (i == 0 || columns.headerIcons != 0) column.SetImage(HeaderIcon(i));
    InsertColumn(i, column);
  }
}

void CMyVirtualListView::ApplyStyle() {
  if (!data_) return;
  const ViewStyle& style = data_->settings.styles.pane[ViewStyles::kList];
  ApplyPaneStyle(*this, style);
  attr_.SetBackgroundColour(FromColorRef(style.background));
  attr_.SetTextColour(FromColorRef(style.text));
  attr_.SetFont(PaneFont(style));
}

void CMyVirtualListView::SyncItemCount() {
  SetItemCount(data_ ? data_->items.GetSize() : 0);
  Refresh();
}

void CMyVirtualListView::CaptureColumnWidths(ColumnDescriptors& columns) const {
  const int count = std::min(GetColumnCount(), kMaxColumns);
  for (int i = 1; i < count; ++i) columns.widths[i] = GetColumnWidth(i);
}

std::vector<int> CMyVirtualListView::SelectedRows() const {
  std::vector<int> rows;
  rows.reserve(GetSelectedItemCount());
  for (long row = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row != -1;
       row = GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
    rows.push_back(static_cast<int>(row));
  return rows;
}

void CMyVirtualListView::SelectAllRows() {
  if (GetItemCount() > 0) SetItemState(-1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

void CMyVirtualListView::ClearSelection() {
  if (GetItemCount() > 0) SetItemState(-1, 0, wxLIST_STATE_SELECTED);
}

void CMyVirtualListView::InvertSelection() {
  const long count = GetItemCount();
  for (long row = 0; row < count; ++row)
    SetItemState(row, GetItemState(row, wxLIST_STATE_SELECTED) != 0 ? 0 : wxLIST_STATE_SELECTED,
                 wxLIST_STATE_SELECTED);
}

wxString CMyVirtualListView::OnGetItemText(long item, long column) const {
  if (!data_ || column == 0 || item >= data_->items.GetSize()) return wxString();
  return ToWx(data_->items.Column(static_cast<int>(column), static_cast<int>(item)));
}

int CMyVirtualListView::OnGetItemImage(long item) const {
  if (!data_ || item >= data_->items.GetSize()) return -1;
  return std::atoi(std::string(data_->items.IconIndex(static_cast<int>(item))).c_str());
}

wxItemAttr* CMyVirtualListView::OnGetItemAttr(long) const { return data_ ? &attr_ : nullptr; }

void CMyVirtualListView::OnColumnRightClick(wxListEvent& event) {
  const int column = event.GetColumn();
  currentHeaderColumn_ = column > 0 && column < GetColumnCount() ? column : 0;
  headerMenuShown_ = true;
  CallAfter([this] { headerMenuShown_ = false; });
  if (currentHeaderColumn_ == 0) return;
  std::unique_ptr<wxMenu> menu = MakeColumnMenu();
  PopupMenu(menu.get(), ScreenToClient(wxGetMousePosition()) + wxPoint(5, 5));
}

void CMyVirtualListView::OnColumnBeginDrag(wxListEvent& event) {
  // The icon column keeps its width.
  if (event.GetColumn() == 0) event.Veto();
}

void CMyVirtualListView::OnContextMenu(wxContextMenuEvent& event) {
  if (headerMenuShown_ || GetItemCount() == 0) return;
  wxPoint point =
      event.GetPosition() == wxDefaultPosition ? wxGetMousePosition() : event.GetPosition();
  std::unique_ptr<wxMenu> menu = MakeEditMenu(data_ ? &data_->settings.columns : nullptr);
  PopupMenu(menu.get(), ScreenToClient(point) + wxPoint(5, 5));
}

}  // namespace listora
