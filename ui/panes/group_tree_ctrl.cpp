#include "ui/panes/group_tree_ctrl.h"

#include <wx/dcbuffer.h>
#include <wx/imaglist.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <algorithm>
#include <climits>

#include "ui/panes/list_icons.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {
constexpr int kButtonSize = 16;  // the open/close button's square
constexpr int kLevelIndent = 18;
constexpr int kIconGap = 3;
constexpr int kTextMargin = 3;
constexpr int kRowPadding = 4;
constexpr int kScrollStepX = 8;
}  // namespace

GroupTreeCtrl::GroupTreeCtrl(wxWindow* parent, wxWindowID id)
    : wxScrolled<wxWindow>(parent, id, wxDefaultPosition, wxDefaultSize,
                           wxVSCROLL | wxHSCROLL | wxWANTS_CHARS | wxBORDER_SUNKEN) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  // Rows are placed from the top row, never through a scrolled origin,
  // which keeps coordinates small for millions of rows.
  EnableScrolling(true, true);
  outline_.Reset(&grouping_);
  SetFont(GetFont());
  Bind(wxEVT_PAINT, &GroupTreeCtrl::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &GroupTreeCtrl::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &GroupTreeCtrl::OnLeftDoubleClick, this);
  Bind(wxEVT_RIGHT_DOWN, &GroupTreeCtrl::OnRightDown, this);
  Bind(wxEVT_KEY_DOWN, &GroupTreeCtrl::OnKeyDown, this);
  Bind(wxEVT_CHAR, &GroupTreeCtrl::OnChar, this);
  Bind(wxEVT_SET_FOCUS, &GroupTreeCtrl::OnFocusChange, this);
  Bind(wxEVT_KILL_FOCUS, &GroupTreeCtrl::OnFocusChange, this);
}

void GroupTreeCtrl::ShowGrouping(GroupingTree tree) {
  grouping_ = std::move(tree);
  outline_.Reset(&grouping_);
  selection_ = kNone;
  widest_ = 0;
  Scroll(0, 0);
  UpdateVirtualSize();
}

bool GroupTreeCtrl::SetFont(const wxFont& font) {
  const bool changed = wxScrolled<wxWindow>::SetFont(font);
  rowHeight_ = std::max(GetCharHeight(), kButtonSize) + kRowPadding;
  widest_ = 0;
  UpdateVirtualSize();
  return changed;
}

void GroupTreeCtrl::SetImageList(wxImageList* icons) {
  icons_ = icons;
  widest_ = 0;
  UpdateVirtualSize();
}

wxString GroupTreeCtrl::GetItemText(std::size_t node) const {
  return node < grouping_.NodeCount() ? ToWx(grouping_.Text(node)) : wxString();
}

int GroupTreeCtrl::GetItemImage(std::size_t node) const {
  if (!icons_ || node >= grouping_.NodeCount()) return -1;
  return HeaderIcon(grouping_.Column(node));
}

void GroupTreeCtrl::SetExpanded(const NodeSpan& nodes, bool expanded) {
  nodes.ForEach(grouping_, [&](std::size_t node) { outline_.SetOpen(node, expanded); });
  if (!expanded && selection_ != kNone) selection_ = outline_.ShownAncestor(selection_);
  UpdateVirtualSize();
}

void GroupTreeCtrl::SelectItem(std::size_t node) {
  selection_ = node < grouping_.NodeCount() ? node : kNone;
  ShowRow(outline_.RowOf(selection_));
  Refresh();
}

void GroupTreeCtrl::EnsureVisible(std::size_t node) {
  if (node >= grouping_.NodeCount()) return;
  if (!outline_.IsShown(node)) {
    outline_.Reveal(node);
    UpdateVirtualSize();
  }
  ShowRow(outline_.RowOf(node));
}

void GroupTreeCtrl::ShowRow(std::size_t row) {
  if (row == kNone) return;
  const std::size_t top = TopRow();
  const auto shown = static_cast<std::size_t>(VisibleRowCount());
  if (row < top)
    Scroll(-1, static_cast<int>(row));
  else if (row >= top + shown)
    Scroll(-1, static_cast<int>(row - shown + 1));
}

void GroupTreeCtrl::ScrollTo(std::size_t node) {
  if (const std::size_t row = outline_.RowOf(node); row != kNone) Scroll(-1, static_cast<int>(row));
}

std::size_t GroupTreeCtrl::TopRow() const {
  return static_cast<std::size_t>(std::max(GetViewStart().y, 0));
}

int GroupTreeCtrl::VisibleRowCount() const { return std::max(GetClientSize().y / rowHeight_, 1); }

int GroupTreeCtrl::ScrollX() const {
  int unitX = 0, unitY = 0;
  GetScrollPixelsPerUnit(&unitX, &unitY);
  return GetViewStart().x * unitX;
}

int GroupTreeCtrl::Indent(std::size_t node) const {
  return grouping_.Depth(node) * kLevelIndent - ScrollX();
}

std::size_t GroupTreeCtrl::HitTest(const wxPoint& point, bool* onButton) const {
  if (onButton) *onButton = false;
  if (point.y < 0 || point.x < 0 || point.x >= GetClientSize().x) return kNone;
  const std::size_t node =
      outline_.NodeAt(TopRow() + static_cast<std::size_t>(point.y / rowHeight_));
  if (node != kNone && onButton) *onButton = ButtonRect(node).Contains(point);
  return node;
}

wxRect GroupTreeCtrl::RowRect(std::size_t node) const {
  const std::size_t row = outline_.RowOf(node);
  if (row == kNone) return wxRect();
  const long offset = static_cast<long>(row) - static_cast<long>(TopRow());
  return wxRect(0, static_cast<int>(offset * rowHeight_), GetClientSize().x, rowHeight_);
}

wxRect GroupTreeCtrl::ButtonRect(std::size_t node) const {
  const wxRect row = RowRect(node);
  if (row.IsEmpty() || !outline_.HasChildren(node)) return wxRect();
  return wxRect(Indent(node), row.y + (rowHeight_ - kButtonSize) / 2, kButtonSize, kButtonSize);
}

void GroupTreeCtrl::UpdateVirtualSize() {
  SetScrollRate(kScrollStepX, rowHeight_);
  // Past what a window's size can hold the last rows cannot be scrolled
  // to; that takes some hundred million open nodes.
  const long long height = static_cast<long long>(outline_.RowCount()) * rowHeight_;
  SetVirtualSize(widest_, static_cast<int>(std::min<long long>(height, INT_MAX)));
  Refresh();
}

void GroupTreeCtrl::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(GetFont());
  const std::size_t top = TopRow();
  const std::size_t end = std::min(outline_.RowCount(), top + VisibleRowCount() + 1);
  const int widest = widest_;
  for (std::size_t row = top; row < end; ++row)
    DrawRow(dc, outline_.NodeAt(row), static_cast<int>(row - top) * rowHeight_);
  // Wider rows than before came into view: the scroll range follows.
  if (widest_ > widest) CallAfter([this] { UpdateVirtualSize(); });
}

void GroupTreeCtrl::DrawRow(wxDC& dc, std::size_t node, int y) {
  int x = Indent(node);
  if (const wxRect button = ButtonRect(node); !button.IsEmpty())
    wxRendererNative::Get().DrawTreeItemButton(this, dc, button,
                                               outline_.IsOpen(node) ? int{wxCONTROL_EXPANDED} : 0);
  x += kButtonSize + kIconGap;
  if (const int image = GetItemImage(node); image >= 0 && image < icons_->GetImageCount()) {
    icons_->Draw(image, dc, x, y + (rowHeight_ - icons_->GetSize().y) / 2,
                 wxIMAGELIST_DRAW_TRANSPARENT);
    x += icons_->GetSize().x + kIconGap;
  }
  const wxString text = GetItemText(node);
  const wxSize extent = dc.GetTextExtent(text);
  const wxRect label(x, y, extent.x + 2 * kTextMargin, rowHeight_);
  widest_ = std::max(widest_, label.GetRight() + ScrollX() + 1);
  const bool selected = node == selection_;
  if (selected) {
    const bool active = HasFocus();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(active ? wxSYS_COLOUR_HIGHLIGHT
                                                           : wxSYS_COLOUR_INACTIVECAPTION)));
    dc.DrawRectangle(label);
    dc.SetTextForeground(wxSystemSettings::GetColour(active ? wxSYS_COLOUR_HIGHLIGHTTEXT
                                                            : wxSYS_COLOUR_INACTIVECAPTIONTEXT));
    if (active) wxRendererNative::Get().DrawFocusRect(this, dc, label);
  } else {
    dc.SetTextForeground(GetForegroundColour());
  }
  dc.DrawText(text, x + kTextMargin, y + (rowHeight_ - extent.y) / 2);
}

}  // namespace listora
