#include "ui/panes/item_list_ctrl.h"

#include <wx/app.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "ui/panes/cell_edit_box.h"
#include "ui/panes/item_list_body.h"
#include "ui/panes/item_list_header.h"
#include "ui/panes/list_icons.h"
#include "ui/panes/list_menus.h"
#include "ui/panes/pane_style.h"
#include "ui/text/text_convert.h"

namespace listora {

wxDEFINE_EVENT(EVT_ITEM_LIST_SELECTION, wxCommandEvent);
wxDEFINE_EVENT(EVT_ITEM_LIST_COLUMNS, wxCommandEvent);
wxDEFINE_EVENT(EVT_ITEM_LIST_DROP, wxCommandEvent);

namespace {
constexpr int kIconColumnWidth = 30;
constexpr int kIconSize = 16;
constexpr int kRowPadding = 4;
}  // namespace

ItemListCtrl::ItemListCtrl(wxWindow* parent)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN),
      icons_(MakeListIcons()),
      editTimer_(this),
      scrollTimer_(this) {
  header_ = new ItemListHeader(this);
  body_ = new ItemListBody(this, header_);
  textColour_ = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT);
  background_ = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX);

  header_->Bind(wxEVT_LEFT_DOWN, &ItemListCtrl::OnHeaderMouse, this);
  header_->Bind(wxEVT_MOTION, &ItemListCtrl::OnHeaderMouse, this);
  header_->Bind(wxEVT_LEFT_UP, &ItemListCtrl::OnHeaderMouse, this);
  header_->Bind(wxEVT_HEADER_CLICK, &ItemListCtrl::OnHeaderClick, this);
  header_->Bind(wxEVT_HEADER_BEGIN_REORDER, [this](wxHeaderCtrlEvent& event) {
    event.Skip();
    headerPress_.reordering = true;
  });
  header_->Bind(wxEVT_HEADER_RIGHT_CLICK, &ItemListCtrl::OnHeaderRightClick, this);
  header_->Bind(wxEVT_HEADER_RESIZING, &ItemListCtrl::OnHeaderResizing, this);
  header_->Bind(wxEVT_HEADER_END_RESIZE, &ItemListCtrl::OnHeaderEndResize, this);
  header_->Bind(wxEVT_HEADER_END_REORDER, &ItemListCtrl::OnHeaderReorder, this);
  // A double click on a border would fit the column to its title.
  header_->Bind(wxEVT_HEADER_SEPARATOR_DCLICK, [](wxHeaderCtrlEvent&) {});

  body_->Bind(wxEVT_PAINT, &ItemListCtrl::OnPaint, this);
  body_->Bind(wxEVT_LEFT_DOWN, &ItemListCtrl::OnLeftDown, this);
  body_->Bind(wxEVT_LEFT_UP, &ItemListCtrl::OnLeftUp, this);
  body_->Bind(wxEVT_LEFT_DCLICK, &ItemListCtrl::OnLeftDoubleClick, this);
  body_->Bind(wxEVT_RIGHT_DOWN, &ItemListCtrl::OnRightDown, this);
  body_->Bind(wxEVT_MOTION, &ItemListCtrl::OnMotion, this);
  body_->Bind(wxEVT_KEY_DOWN, &ItemListCtrl::OnKeyDown, this);
  body_->Bind(wxEVT_SET_FOCUS, &ItemListCtrl::OnFocusChange, this);
  body_->Bind(wxEVT_KILL_FOCUS, &ItemListCtrl::OnFocusChange, this);
  body_->Bind(wxEVT_MOUSE_CAPTURE_LOST, &ItemListCtrl::OnCaptureLost, this);
  body_->Bind(wxEVT_CONTEXT_MENU, &ItemListCtrl::OnContextMenu, this);
  Bind(wxEVT_SIZE, &ItemListCtrl::OnSize, this);
  Bind(wxEVT_TIMER, &ItemListCtrl::OnEditTimer, this, editTimer_.GetId());
  Bind(wxEVT_TIMER, &ItemListCtrl::OnScrollTimer, this, scrollTimer_.GetId());
}

ItemListCtrl::~ItemListCtrl() {
  editTimer_.Stop();
  scrollTimer_.Stop();
}

wxWindow* ItemListCtrl::Body() const { return body_; }
wxHeaderCtrl* ItemListCtrl::Header() const { return header_; }

void ItemListCtrl::SetFocus() { body_->SetFocus(); }

void ItemListCtrl::OnSize(wxSizeEvent& event) {
  event.Skip();
  LayoutParts();
}

void ItemListCtrl::LayoutParts() {
  const wxSize size = GetClientSize();
  const int headerHeight = header_->GetBestSize().y;
  header_->SetSize(0, 0, size.x, headerHeight);
  body_->SetSize(0, headerHeight, size.x, std::max(size.y - headerHeight, 0));
}

void ItemListCtrl::UpdateVirtualSize() {
  body_->SetScrollRate(kIconSize / 2, rowHeight_);
  body_->SetVirtualSize(TotalWidth(), GetItemCount() * rowHeight_);
  body_->Refresh();
}

void ItemListCtrl::Attach(const Document* data) {
  EndRowDrag(false);
  EndCellEdit(true);
  SetHighlightedCell(-1, -1);
  data_ = data;
  // A new document starts without a selection or focus.
  selection_.SetRowCount(0);
  SyncItemCount();
  SelectionChanged();
}

void ItemListCtrl::RebuildColumns() {
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

void ItemListCtrl::ApplyStyle() {
  if (!data_) return;
  const StoredPaneStyle& style = data_->settings.styles.pane[PaneStyles::kList];
  textColour_ = FromColorRef(style.text);
  background_ = FromColorRef(style.background);
  body_->SetFont(PaneFont(style));
  body_->SetBackgroundColour(background_);
  body_->SetForegroundColour(textColour_);
  rowHeight_ = std::max(body_->GetCharHeight(), kIconSize) + kRowPadding;
  UpdateVirtualSize();
}

void ItemListCtrl::SyncItemCount() {
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

wxString ItemListCtrl::GetItemText(int row, int column) const {
  if (!data_ || column <= 0 || column >= GetColumnCount() || row < 0 ||
      row >= data_->items.GetSize())
    return wxString();
  return ToWx(data_->items.Cell(row, column));
}

wxString ItemListCtrl::ColumnTitle(int column) const {
  if (column < 0 || column >= GetColumnCount()) return wxString();
  return header_->Column(column).GetTitle();
}

bool ItemListCtrl::RightAligned(int column) const {
  return column >= 0 && column < GetColumnCount() &&
         header_->Column(column).GetAlignment() == wxALIGN_RIGHT;
}

int ItemListCtrl::GetColumnWidth(int column) const {
  return column >= 0 && column < GetColumnCount() ? widths_[column] : 0;
}

void ItemListCtrl::SetDisplayOrder(const std::vector<int>& order) {
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

bool ItemListCtrl::ChooseHeaderColumn(int column) {
  currentHeaderColumn_ = column > 0 && column < GetColumnCount() ? column : 0;
  return currentHeaderColumn_ != 0;
}

void ItemListCtrl::OnHeaderMouse(wxMouseEvent& event) {
  // Seen before the header acts on the event, so a click it reports on the
  // release can be told from the end of a drag.
  event.Skip();
  if (event.LeftDown()) {
    headerPress_ = {ColumnAt(event.GetX()), event.GetX()};
    return;
  }
  if (!event.LeftIsDown() && !event.LeftUp()) return;
  const int threshold = std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_X, header_), 1);
  if (std::abs(event.GetX() - headerPress_.x) >= threshold) headerPress_.dragged = true;
  // The header takes any move of a column that can be reordered for the
  // start of a drag and then reports no click; within the threshold it is
  // one, on every header. Sent once the header has let the mouse go.
  const int column = headerPress_.column;
  if (event.LeftUp() && headerPress_.reordering && !headerPress_.dragged &&
      event.GetX() != headerPress_.x && ColumnAt(event.GetX()) == column)
    CallAfter([this, column] { SendColumnClick(column); });
}

void ItemListCtrl::OnHeaderClick(wxHeaderCtrlEvent& event) {
  // A sort comes from a click: a header let go of after a drag, or over
  // another column than the one pressed, is no click.
  if (headerPress_.dragged || event.GetColumn() != headerPress_.column) return;
  SendColumnClick(event.GetColumn());
}

void ItemListCtrl::SendColumnClick(int column) {
  wxListEvent click(wxEVT_LIST_COL_CLICK, GetId());
  click.SetEventObject(this);
  click.SetColumn(column);
  GetEventHandler()->ProcessEvent(click);
}

void ItemListCtrl::OnHeaderRightClick(wxHeaderCtrlEvent& event) {
  headerMenuShown_ = true;
  CallAfter([this] { headerMenuShown_ = false; });
  if (!ChooseHeaderColumn(event.GetColumn())) return;
  std::unique_ptr<wxMenu> menu = MakeColumnMenu();
  PopupMenu(menu.get(), ScreenToClient(wxGetMousePosition()) + wxPoint(5, 5));
}

void ItemListCtrl::OnHeaderResizing(wxHeaderCtrlEvent& event) {
  const int column = event.GetColumn();
  if (column <= 0 || column >= GetColumnCount()) return;
  widths_[column] = event.GetWidth();
  header_->SetColumnWidth(column, event.GetWidth());
  UpdateVirtualSize();
  if (editor_) editor_->Cover(CellRect(editRow_, editColumn_));
}

void ItemListCtrl::OnHeaderEndResize(wxHeaderCtrlEvent& event) {
  OnHeaderResizing(event);
  ColumnsChangedByUser();
}

void ItemListCtrl::OnHeaderReorder(wxHeaderCtrlEvent& event) {
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

void ItemListCtrl::ColumnsChangedByUser() {
  wxCommandEvent changed(EVT_ITEM_LIST_COLUMNS, GetId());
  changed.SetEventObject(this);
  GetEventHandler()->ProcessEvent(changed);
}

void ItemListCtrl::OnContextMenu(wxContextMenuEvent& event) {
  if (headerMenuShown_ || GetItemCount() == 0) return;
  const wxPoint point =
      event.GetPosition() == wxDefaultPosition ? wxGetMousePosition() : event.GetPosition();
  std::unique_ptr<wxMenu> menu = MakeEditMenu(data_ ? &data_->settings.columns : nullptr);
  PopupMenu(menu.get(), ScreenToClient(point) + wxPoint(5, 5));
}

// Selection and focus.

void ItemListCtrl::SelectionChanged() {
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

void ItemListCtrl::FocusChanged() {
  SetHighlightedCell(-1, -1);
  body_->Refresh();
  wxListEvent focused(wxEVT_LIST_ITEM_FOCUSED, GetId());
  focused.SetEventObject(this);
  focused.SetIndex(selection_.Focus());
  GetEventHandler()->ProcessEvent(focused);
}

void ItemListCtrl::Select(int row, bool selected) {
  if (row < 0 || row >= GetItemCount() || selection_.IsSelected(row) == selected) return;
  selection_.Set(row, selected);
  SelectionChanged();
}

void ItemListCtrl::SelectRows(const std::vector<int>& rows) {
  selection_.Clear();
  for (int row : rows) selection_.Set(row, true);
  SelectionChanged();
}

void ItemListCtrl::SelectRowRange(int first, int last) {
  selection_.Clear();
  if (first <= last) selection_.SetRange(first, last, true);
  SelectionChanged();
}

void ItemListCtrl::SelectAllRows() {
  selection_.SelectAll();
  SelectionChanged();
}

void ItemListCtrl::InvertSelection() {
  selection_.Invert();
  SelectionChanged();
}

void ItemListCtrl::ClearSelection() {
  if (selection_.Count() == 0) return;
  selection_.Clear();
  SelectionChanged();
}

void ItemListCtrl::SetFocusedRow(int row) {
  if (row == selection_.Focus()) return;
  selection_.SetFocus(row);
  selection_.SetAnchor(row);
  FocusChanged();
}

void ItemListCtrl::ClickRow(int row, bool ctrl, bool shift) {
  const int focus = selection_.Focus();
  selection_.Click(row, ctrl, shift);
  SelectionChanged();
  if (selection_.Focus() != focus) FocusChanged();
}

void ItemListCtrl::MoveFocusTo(int row, bool ctrl, bool shift) {
  const int focus = selection_.Focus();
  selection_.MoveFocus(row, ctrl, shift);
  if (!ctrl) SelectionChanged();
  if (selection_.Focus() != focus) FocusChanged();
  EnsureVisible(row);
}

}  // namespace listora
