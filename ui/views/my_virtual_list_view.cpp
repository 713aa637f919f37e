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
      icons_(MakeListIcons()),
      editTimer_(this) {
  SetImageList(icons_.get(), wxIMAGE_LIST_SMALL);
  Bind(wxEVT_LIST_COL_RIGHT_CLICK, &CMyVirtualListView::OnColumnRightClick, this);
  Bind(wxEVT_LIST_COL_BEGIN_DRAG, &CMyVirtualListView::OnColumnBeginDrag, this);
  Bind(wxEVT_CONTEXT_MENU, &CMyVirtualListView::OnContextMenu, this);
  Bind(wxEVT_LIST_ITEM_SELECTED, &CMyVirtualListView::OnItemChanged, this);
  Bind(wxEVT_LIST_ITEM_DESELECTED, &CMyVirtualListView::OnItemChanged, this);
  Bind(wxEVT_LIST_ITEM_FOCUSED, &CMyVirtualListView::OnItemChanged, this);
  Bind(wxEVT_TIMER, &CMyVirtualListView::OnEditTimer, this, editTimer_.GetId());
  if (wxWindow* area = ItemArea()) {
    area->Bind(wxEVT_LEFT_DOWN, &CMyVirtualListView::OnItemAreaLeftDown, this);
    area->Bind(wxEVT_LEFT_UP, &CMyVirtualListView::OnItemAreaLeftUp, this);
    area->Bind(wxEVT_LEFT_DCLICK, &CMyVirtualListView::OnItemAreaDoubleClick, this);
    area->Bind(wxEVT_PAINT, &CMyVirtualListView::OnItemAreaPaint, this);
  }
}

CMyVirtualListView::~CMyVirtualListView() {
  editTimer_.Stop();
  SetImageList(nullptr, wxIMAGE_LIST_SMALL);
}

wxWindow* CMyVirtualListView::ItemArea() const {
  // The report list is a header window above the window that shows the
  // items; the cell windows and the click-to-edit rule belong to the latter.
  for (wxWindow* child : GetChildren())
    if (static_cast<void*>(child) == static_cast<void*>(m_mainWin)) return child;
  return nullptr;
}

void CMyVirtualListView::Attach(const Document* data) {
  // The control keeps selection states across item counts, so a document
  // would otherwise inherit the last one's selection.
  EndCellEdit(true);
  ClearSelection();
  SetHighlightedCell(-1, -1);
  data_ = data;
  SyncItemCount();
}

void CMyVirtualListView::RebuildColumns() {
  EndCellEdit(true);
  SetHighlightedCell(-1, -1);
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
  // The rows under an open edit box may have moved.
  EndCellEdit(true);
  SetItemCount(data_ ? data_->items.GetSize() : 0);
  Refresh();
}

bool CMyVirtualListView::ChooseHeaderColumn(int column) {
  currentHeaderColumn_ = column > 0 && column < GetColumnCount() ? column : 0;
  return currentHeaderColumn_ != 0;
}

void CMyVirtualListView::CaptureColumnWidths(ColumnDescriptors& columns) const {
  const int count = std::min(GetColumnCount(), kMaxColumns);
  for (int i = 1; i < count; ++i) columns.widths[i] = GetColumnWidth(i);
}

std::vector<int> CMyVirtualListView::DisplayOrder() const {
  const int count = GetColumnCount();
  std::vector<int> order;
  order.reserve(count);
  order.push_back(0);
  // Controls that cannot reorder columns report no order: the natural one.
  const wxArrayInt shown = GetColumnsOrder();
  if (shown.size() == static_cast<size_t>(count)) {
    for (int column : shown)
      if (column != 0) order.push_back(column);
  } else {
    for (int column = 1; column < count; ++column) order.push_back(column);
  }
  if (count == 0) order.clear();
  return order;
}

std::vector<int> CMyVirtualListView::SelectedRows() const {
  std::vector<int> rows;
  const int selected = GetSelectedItemCount();
  rows.reserve(selected);
  // Asking the control row by row costs time with every row selected or
  // deselected singly; a whole selection needs no asking.
  if (selected == GetItemCount()) {
    for (int row = 0; row < selected; ++row) rows.push_back(row);
    return rows;
  }
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
  // One whole-list request, then single changes for the smaller part, in
  // ascending order, so a million rows invert without a row-by-row pass.
  const long count = GetItemCount();
  const long selectedCount = GetSelectedItemCount();
  if (selectedCount == 0 || selectedCount == count) {
    if (selectedCount == 0)
      SelectAllRows();
    else
      ClearSelection();
    return;
  }
  const std::vector<int> selected = SelectedRows();
  if (static_cast<long>(selected.size()) * 2 <= count) {
    SelectAllRows();
    for (int row : selected) SetItemState(row, 0, wxLIST_STATE_SELECTED);
    return;
  }
  ClearSelection();
  auto next = selected.begin();
  for (long row = 0; row < count; ++row) {
    if (next != selected.end() && *next == row)
      ++next;
    else
      SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
  }
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
  headerMenuShown_ = true;
  CallAfter([this] { headerMenuShown_ = false; });
  if (!ChooseHeaderColumn(event.GetColumn())) return;
  std::unique_ptr<wxMenu> menu = MakeColumnMenu();
  PopupMenu(menu.get(), ScreenToClient(wxGetMousePosition()) + wxPoint(5, 5));
}

void CMyVirtualListView::OnColumnBeginDrag(wxListEvent& event) {
  // The icon column keeps its width. (Header drags here resize columns:
  // this control cannot reorder them, so the icon column always stays
  // first.)
  if (event.GetColumn() == 0) event.Veto();
}

void CMyVirtualListView::OnContextMenu(wxContextMenuEvent& event) {
  if (headerMenuShown_ || GetItemCount() == 0) return;
  wxPoint point =
      event.GetPosition() == wxDefaultPosition ? wxGetMousePosition() : event.GetPosition();
  std::unique_ptr<wxMenu> menu = MakeEditMenu(data_ ? &data_->settings.columns : nullptr);
  PopupMenu(menu.get(), ScreenToClient(point) + wxPoint(5, 5));
}

void CMyVirtualListView::OnItemChanged(wxListEvent& event) {
  event.Skip();
  SetHighlightedCell(-1, -1);
}

}  // namespace listora
