#include "ui/views/item_list_ctrl.h"

#include <wx/app.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "ui/text/text_convert.h"
#include "ui/views/cell_edit_box.h"
#include "ui/views/item_list_body.h"
#include "ui/views/item_list_header.h"
#include "ui/views/list_icons.h"
#include "ui/views/list_menus.h"
#include "ui/views/pane_style.h"

namespace listora {

wxDEFINE_EVENT(EVT_ITEM_LIST_SELECTION, wxCommandEvent);
wxDEFINE_EVENT(EVT_ITEM_LIST_COLUMNS, wxCommandEvent);
wxDEFINE_EVENT(EVT_ITEM_LIST_DROP, wxCommandEvent);

namespace {
constexpr int kIconColumnWidth = 30;
constexpr int kIconSize = 16;
constexpr int kRowPadding = 4;
}  // namespace

CItemListCtrl::CItemListCtrl(wxWindow* parent)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN),
      icons_(MakeListIcons()),
      editTimer_(this),
      scrollTimer_(this) {
  header_ = new CItemListHeader(this);
  body_ = new CItemListBody(this, header_);
  textColour_ = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT);
  background_ = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX);

  header_->Bind(wxEVT_LEFT_DOWN, &CItemListCtrl::OnHeaderMouse, this);
  header_->Bind(wxEVT_MOTION, &CItemListCtrl::OnHeaderMouse, this);
  header_->Bind(wxEVT_LEFT_UP, &CItemListCtrl::OnHeaderMouse, this);
  header_->Bind(wxEVT_HEADER_CLICK, &CItemListCtrl::OnHeaderClick, this);
  header_->Bind(wxEVT_HEADER_RIGHT_CLICK, &CItemListCtrl::OnHeaderRightClick, this);
  header_->Bind(wxEVT_HEADER_RESIZING, &CItemListCtrl::OnHeaderResizing, this);
  header_->Bind(wxEVT_HEADER_END_RESIZE, &CItemListCtrl::OnHeaderEndResize, this);
  header_->Bind(wxEVT_HEADER_END_REORDER, &CItemListCtrl::OnHeaderReorder, this);
  // A double click on a border would fit the column to its title.
  header_->Bind(wxEVT_HEADER_SEPARATOR_DCLICK, [](wxHeaderCtrlEvent&) {});

  body_->Bind(wxEVT_PAINT, &CItemListCtrl::OnPaint, this);
  body_->Bind(wxEVT_LEFT_DOWN, &CItemListCtrl::OnLeftDown, this);
  body_->Bind(wxEVT_LEFT_UP, &CItemListCtrl::OnLeftUp, this);
  body_->Bind(wxEVT_LEFT_DCLICK, &CItemListCtrl::OnLeftDoubleClick, this);
  body_->Bind(wxEVT_RIGHT_DOWN, &CItemListCtrl::OnRightDown, this);
  body_->Bind(wxEVT_MOTION, &CItemListCtrl::OnMotion, this);
  body_->Bind(wxEVT_KEY_DOWN, &CItemListCtrl::OnKeyDown, this);
  body_->Bind(wxEVT_SET_FOCUS, &CItemListCtrl::OnFocusChange, this);
  body_->Bind(wxEVT_KILL_FOCUS, &CItemListCtrl::OnFocusChange, this);
  body_->Bind(wxEVT_MOUSE_CAPTURE_LOST, &CItemListCtrl::OnCaptureLost, this);
  body_->Bind(wxEVT_CONTEXT_MENU, &CItemListCtrl::OnContextMenu, this);
  Bind(wxEVT_SIZE, &CItemListCtrl::OnSize, this);
  Bind(wxEVT_TIMER, &CItemListCtrl::OnEditTimer, this, editTimer_.GetId());
  Bind(wxEVT_TIMER, &CItemListCtrl::OnScrollTimer, this, scrollTimer_.GetId());
}

CItemListCtrl::~CItemListCtrl() {
  editTimer_.Stop();
  scrollTimer_.Stop();
}

wxWindow* CItemListCtrl::Body() const { return body_; }
wxHeaderCtrl* CItemListCtrl::Header() const { return header_; }

void CItemListCtrl::SetFocus() { body_->SetFocus(); }

void CItemListCtrl::OnSize(wxSizeEvent& event) {
  event.Skip();
  LayoutParts();
}

void CItemListCtrl::LayoutParts() {
  const wxSize size = GetClientSize();
  const int headerHeight = header_->GetBestSize().y;
  header_->SetSize(0, 0, size.x, headerHeight);
  body_->SetSize(0, headerHeight, size.x, std::max(size.y - headerHeight, 0));
}

void CItemListCtrl::UpdateVirtualSize() {
  body_->SetScrollRate(kIconSize / 2, rowHeight_);
  body_->SetVirtualSize(TotalWidth(), GetItemCount() * rowHeight_);
  body_->Refresh();
}

void CItemListCtrl::Attach(const Document* data) {
  EndRowDrag(false);
  EndCellEdit(true);
  SetHighlightedCell(-1, -1);
  data_ = data;
  // A new document starts without a selection or focus.
  selection_.SetRowCount(0);
  SyncItemCount();
  SelectionChanged();
}

void CItemListCtrl::RebuildColumns() {
  EndCellEdit(true);
  SetHighlightedCell(-1, -1);
  std::vector<wxHeaderColumnSimple> headers;
  widths_.clear();
  order_.clear();
  if (data_) {
    const ColumnDescriptors& columns = data_->settings.columns;
    const int count = data_->ColumnCount();
    for (int i = 0; i < count; ++i) {
      const int width = i == 0 ? kIconColumnWidth : columns.widths[i];
      const bool right = i == 0 || (columns.formats[i] & kFormatRight) != 0;
      // The icon column keeps its width and its place.
      wxHeaderColumnSimple column(ToWx(FixedText(columns.names[i])), width,
                                  right ? wxALIGN_RIGHT : wxALIGN_LEFT,
                                  i == 0 ? 0 : wxCOL_RESIZABLE | wxCOL_REORDERABLE);
      if (const int image = ColumnHeaderImage(columns, i); image >= 0)
        column.SetBitmap(icons_->GetBitmap(image));
      headers.push_back(column);
      widths_.push_back(width);
      order_.push_back(i);
    }
  }
  header_->SetColumns(std::move(headers));
  header_->SetColumnsOrder(wxArrayInt(order_.begin(), order_.end()));
  LayoutParts();
  UpdateVirtualSize();
}

void CItemListCtrl::ApplyStyle() {
  if (!data_) return;
  const ViewStyle& style = data_->settings.styles.pane[ViewStyles::kList];
  textColour_ = FromColorRef(style.text);
  background_ = FromColorRef(style.background);
  body_->SetFont(PaneFont(style));
  body_->SetBackgroundColour(background_);
  body_->SetForegroundColour(textColour_);
  rowHeight_ = std::max(body_->GetCharHeight(), kIconSize) + kRowPadding;
  UpdateVirtualSize();
}

void CItemListCtrl::SyncItemCount() {
  // The rows under an open edit box may have moved.
  EndCellEdit(true);
  const int count = data_ ? data_->items.GetSize() : 0;
  const int selected = selection_.Count();
  const int focus = selection_.Focus();
  selection_.SetRowCount(count);
  if (highlightRow_ >= count) SetHighlightedCell(-1, -1);
  UpdateVirtualSize();
  if (selection_.Count() != selected) SelectionChanged();
  if (selection_.Focus() != focus) FocusChanged();
}

wxString CItemListCtrl::GetItemText(int row, int column) const {
  if (!data_ || column <= 0 || column >= GetColumnCount() || row < 0 ||
      row >= data_->items.GetSize())
    return wxString();
  return ToWx(data_->items.Column(column, row));
}

wxString CItemListCtrl::ColumnTitle(int column) const {
  if (column < 0 || column >= GetColumnCount()) return wxString();
  return header_->Column(column).GetTitle();
}

bool CItemListCtrl::RightAligned(int column) const {
  return column >= 0 && column < GetColumnCount() &&
         header_->Column(column).GetAlignment() == wxALIGN_RIGHT;
}

int CItemListCtrl::GetColumnWidth(int column) const {
  return column >= 0 && column < GetColumnCount() ? widths_[column] : 0;
}

void CItemListCtrl::SetDisplayOrder(const std::vector<int>& order) {
  // Anything but an arrangement of every column is no order.
  if (order.size() != widths_.size()) return;
  std::vector<int> sorted = order;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < static_cast<int>(sorted.size()); ++i)
    if (sorted[i] != i) return;
  order_.assign(1, 0);
  for (int column : order)
    if (column != 0) order_.push_back(column);
  header_->SetColumnsOrder(wxArrayInt(order_.begin(), order_.end()));
  body_->Refresh();
}

bool CItemListCtrl::ChooseHeaderColumn(int column) {
  currentHeaderColumn_ = column > 0 && column < GetColumnCount() ? column : 0;
  return currentHeaderColumn_ != 0;
}

void CItemListCtrl::OnHeaderMouse(wxMouseEvent& event) {
  // Seen before the header acts on the event, so a click it reports on the
  // release can be told from the end of a drag.
  event.Skip();
  if (event.LeftDown()) {
    headerPress_ = {ColumnAt(event.GetX()), event.GetX(), false};
    return;
  }
  if (!event.LeftIsDown() && !event.LeftUp()) return;
  const int threshold = std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_X, header_), 1);
  if (std::abs(event.GetX() - headerPress_.x) >= threshold) headerPress_.dragged = true;
}

void CItemListCtrl::OnHeaderClick(wxHeaderCtrlEvent& event) {
  // A sort comes from a click: a header let go of after a drag, or over
  // another column than the one pressed, is no click.
  if (headerPress_.dragged || event.GetColumn() != headerPress_.column) return;
  wxListEvent click(wxEVT_LIST_COL_CLICK, GetId());
  click.SetEventObject(this);
  click.SetColumn(event.GetColumn());
  GetEventHandler()->ProcessEvent(click);
}

void CItemListCtrl::OnHeaderRightClick(wxHeaderCtrlEvent& event) {
  headerMenuShown_ = true;
  CallAfter([this] { headerMenuShown_ = false; });
  if (!ChooseHeaderColumn(event.GetColumn())) return;
  std::unique_ptr<wxMenu> menu = MakeColumnMenu();
  PopupMenu(menu.get(), ScreenToClient(wxGetMousePosition()) + wxPoint(5, 5));
}

void CItemListCtrl::OnHeaderResizing(wxHeaderCtrlEvent& event) {
  const int column = event.GetColumn();
  if (column <= 0 || column >= GetColumnCount()) return;
  widths_[column] = event.GetWidth();
  header_->SetColumnWidth(column, event.GetWidth());
  UpdateVirtualSize();
  if (editor_) editor_->Cover(CellRect(editRow_, editColumn_));
}

void CItemListCtrl::OnHeaderEndResize(wxHeaderCtrlEvent& event) {
  OnHeaderResizing(event);
  ColumnsChangedByUser();
}

void CItemListCtrl::OnHeaderReorder(wxHeaderCtrlEvent& event) {
  // Nothing goes in front of the icon column: a column dropped there
  // lands just behind it.
  event.Veto();
  const int column = event.GetColumn();
  if (column <= 0 || column >= GetColumnCount()) return;
  std::vector<int> order = order_;
  order.erase(std::find(order.begin(), order.end(), column));
  const int position =
      std::clamp(static_cast<int>(event.GetNewOrder()), 1, static_cast<int>(order.size()));
  order.insert(order.begin() + position, column);
  if (order == order_) return;
  EndCellEdit(false);
  SetDisplayOrder(order);
  ColumnsChangedByUser();
}

void CItemListCtrl::ColumnsChangedByUser() {
  wxCommandEvent changed(EVT_ITEM_LIST_COLUMNS, GetId());
  changed.SetEventObject(this);
  GetEventHandler()->ProcessEvent(changed);
}

void CItemListCtrl::OnContextMenu(wxContextMenuEvent& event) {
  if (headerMenuShown_ || GetItemCount() == 0) return;
  const wxPoint point =
      event.GetPosition() == wxDefaultPosition ? wxGetMousePosition() : event.GetPosition();
  std::unique_ptr<wxMenu> menu = MakeEditMenu(data_ ? &data_->settings.columns : nullptr);
  PopupMenu(menu.get(), ScreenToClient(point) + wxPoint(5, 5));
}

// Selection and focus.

void CItemListCtrl::SelectionChanged() {
  SetHighlightedCell(-1, -1);
  body_->Refresh();
  // One notice for however many rows a gesture or a caller changed.
  if (selectionNoticePending_) return;
  selectionNoticePending_ = true;
  CallAfter([this] {
    selectionNoticePending_ = false;
    wxCommandEvent changed(EVT_ITEM_LIST_SELECTION, GetId());
    changed.SetEventObject(this);
    changed.SetInt(selection_.Count());
    GetEventHandler()->ProcessEvent(changed);
  });
}

void CItemListCtrl::FocusChanged() {
  SetHighlightedCell(-1, -1);
  body_->Refresh();
  wxListEvent focused(wxEVT_LIST_ITEM_FOCUSED, GetId());
  focused.SetEventObject(this);
  focused.SetIndex(selection_.Focus());
  GetEventHandler()->ProcessEvent(focused);
}

void CItemListCtrl::Select(int row, bool selected) {
  if (row < 0 || row >= GetItemCount() || selection_.IsSelected(row) == selected) return;
  selection_.Set(row, selected);
  SelectionChanged();
}

void CItemListCtrl::SelectRows(const std::vector<int>& rows) {
  selection_.Clear();
  for (int row : rows) selection_.Set(row, true);
  SelectionChanged();
}

void CItemListCtrl::SelectRowRange(int first, int last) {
  selection_.Clear();
  if (first <= last) selection_.SetRange(first, last, true);
  SelectionChanged();
}

void CItemListCtrl::SelectAllRows() {
  selection_.SelectAll();
  SelectionChanged();
}

void CItemListCtrl::InvertSelection() {
  selection_.Invert();
  SelectionChanged();
}

void CItemListCtrl::ClearSelection() {
  if (selection_.Count() == 0) return;
  selection_.Clear();
  SelectionChanged();
}

void CItemListCtrl::SetFocusedRow(int row) {
  if (row == selection_.Focus()) return;
  selection_.SetFocus(row);
  selection_.SetAnchor(row);
  FocusChanged();
}

void CItemListCtrl::ClickRow(int row, bool ctrl, bool shift) {
  const int focus = selection_.Focus();
  selection_.Click(row, ctrl, shift);
  SelectionChanged();
  if (selection_.Focus() != focus) FocusChanged();
}

void CItemListCtrl::MoveFocusTo(int row, bool ctrl, bool shift) {
  const int focus = selection_.Focus();
  selection_.MoveFocus(row, ctrl, shift);
  if (!ctrl) SelectionChanged();
  if (selection_.Focus() != focus) FocusChanged();
  EnsureVisible(row);
}

}  // namespace listora
