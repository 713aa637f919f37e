#pragma once
// `GroupTreeCtrl`: the tree pane's control. It shows a grouping tree of any
// size by drawing only the rows in view of the nodes whose ancestors are
// open; nodes are indices into the grouping, so showing, opening or closing
// a million of them creates no window object per node. One node may be
// selected; the mouse and keys open, close and move as in a tree control
// (button click or double click toggles, arrows, +, -, *, Home, End, pages).

#include <wx/scrolwin.h>

#include <cstddef>
#include <vector>

#include "core/panes/grouping.h"
#include "core/panes/grouping_nodes.h"
#include "core/panes/tree_outline.h"

class wxImageList;

namespace listora {

class GroupTreeCtrl : public wxScrolled<wxWindow> {
 public:
  static constexpr std::size_t kNone = TreeOutline::kNone;

  GroupTreeCtrl(wxWindow* parent, wxWindowID id);

  // The tree shown, every node closed and none selected.
  void ShowGrouping(GroupingTree tree);
  void Clear() { ShowGrouping(GroupingTree{}); }
  const GroupingTree& Grouping() const { return grouping_; }
  bool Empty() const { return grouping_.NodeCount() == 0; }

  // Node texts and their icons (HeaderIcon of the node's column); no icons
  // without an image list. The list is not owned.
  void SetImageList(wxImageList* icons);
  wxImageList* GetImageList() const { return icons_; }
  wxString GetItemText(std::size_t node) const;
  int GetItemImage(std::size_t node) const;

  bool IsExpanded(std::size_t node) const { return outline_.IsOpen(node); }
  void Expand(std::size_t node) { SetExpanded(OneNode(grouping_, node), true); }
  void Collapse(std::size_t node) { SetExpanded(OneNode(grouping_, node), false); }
  // Opens or closes the nodes given; a selection that closing hides moves
  // to the node it is hidden under.
  void SetExpanded(const NodeSpan& nodes, bool expanded);

  std::size_t GetSelection() const { return selection_; }
  // Selects `node` (kNone: nothing) and scrolls it into view if it is shown.
  void SelectItem(std::size_t node);
  // Opens the ancestors of `node` and scrolls it into view.
  void EnsureVisible(std::size_t node);
  // Puts `node` at the top of the view if it is shown.
  void ScrollTo(std::size_t node);

  // The rows: nodes whose ancestors are open, in tree order.
  std::size_t RowCount() const { return outline_.RowCount(); }
  std::size_t NodeAtRow(std::size_t row) const { return outline_.NodeAt(row); }
  std::size_t TopRow() const;
  // The node at a client point, and whether the point is on its button.
  std::size_t HitTest(const wxPoint& point, bool* onButton = nullptr) const;
  // The row of `node` across the window, and its open/close button (empty
  // for a node without children); client coordinates, empty when hidden.
  wxRect RowRect(std::size_t node) const;
  wxRect ButtonRect(std::size_t node) const;
  int RowHeight() const { return rowHeight_; }

  bool AcceptsFocus() const override { return true; }
  bool SetFont(const wxFont& font) override;

 private:
  // group_tree_ctrl.cpp
  void UpdateVirtualSize();
  void OnPaint(wxPaintEvent& event);
  void DrawRow(wxDC& dc, std::size_t node, int y);
  // The left of the node's button, its level's indent, in client terms.
  int Indent(std::size_t node) const;
  // Scrolls so that `row` is in view; nothing for kNone.
  void ShowRow(std::size_t row);
  int VisibleRowCount() const;
  int ScrollX() const;

  // group_tree_input.cpp
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftDoubleClick(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnFocusChange(wxFocusEvent& event);
  void MoveToRow(long row);
  void Toggle(std::size_t node);

  GroupingTree grouping_;
  TreeOutline outline_;
  std::size_t selection_ = kNone;
  wxImageList* icons_ = nullptr;
  int rowHeight_ = 18;
  // The widest row drawn so far: rows are measured only when drawn.
  int widest_ = 0;
};

}  // namespace listora
