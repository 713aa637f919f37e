// `GroupTreeCtrl`'s mouse and keys: selecting, opening and closing nodes
// and moving through the rows.

#include <algorithm>

#include "ui/panes/group_tree_ctrl.h"

namespace listora {

void GroupTreeCtrl::Toggle(std::size_t node) {
  if (node != kNone) SetExpanded(OneNode(grouping_, node), !IsExpanded(node));
}

void GroupTreeCtrl::MoveToRow(long row) {
  const long count = static_cast<long>(RowCount());
  if (count == 0) return;
  SelectItem(NodeAtRow(static_cast<std::size_t>(std::clamp(row, 0L, count - 1))));
}

void GroupTreeCtrl::OnLeftDown(wxMouseEvent& event) {
  SetFocus();
  bool onButton = false;
  const std::size_t node = HitTest(event.GetPosition(), &onButton);
  if (node == kNone) return;
  if (onButton)
    Toggle(node);
  else
    SelectItem(node);
}

void GroupTreeCtrl::OnLeftDoubleClick(wxMouseEvent& event) {
  bool onButton = false;
  const std::size_t node = HitTest(event.GetPosition(), &onButton);
  // The press before it toggled a button already.
  if (node != kNone && !onButton) Toggle(node);
}

void GroupTreeCtrl::OnRightDown(wxMouseEvent& event) {
  SetFocus();
  // The context menu that follows picks the node under the mouse itself.
  event.Skip();
}

void GroupTreeCtrl::OnFocusChange(wxFocusEvent& event) {
  event.Skip();
  // The selection's colours follow the focus.
  Refresh();
}

void GroupTreeCtrl::OnKeyDown(wxKeyEvent& event) {
  // A selection hidden under a closed node moves from the row it is in.
  const std::size_t selected =
      GetSelection() == kNone ? kNone : outline_.ShownAncestor(GetSelection());
  const long row = selected == kNone ? -1 : static_cast<long>(outline_.RowOf(selected));
  const long page = std::max(VisibleRowCount() - 1, 1);
  switch (event.GetKeyCode()) {
    case WXK_UP: MoveToRow(row < 0 ? 0 : row - 1); return;
    case WXK_DOWN: MoveToRow(row + 1); return;
    case WXK_PAGEUP: MoveToRow(row - page); return;
    case WXK_PAGEDOWN: MoveToRow(row < 0 ? 0 : row + page); return;
    case WXK_HOME: MoveToRow(0); return;
    case WXK_END: MoveToRow(static_cast<long>(RowCount()) - 1); return;
    case WXK_LEFT:
      if (selected == kNone) return;
      if (IsExpanded(selected))
        Collapse(selected);
      else if (const std::size_t parent = outline_.Parent(selected); parent != kNone)
        SelectItem(parent);
      return;
    case WXK_RIGHT:
      if (selected == kNone || !outline_.HasChildren(selected)) return;
      if (!IsExpanded(selected))
        Expand(selected);
      else
        SelectItem(selected + 1);  // the first child
      return;
    case WXK_TAB:
      Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                 : wxNavigationKeyEvent::IsForward);
      return;
    default: event.Skip();
  }
}

void GroupTreeCtrl::OnChar(wxKeyEvent& event) {
  const std::size_t selected = GetSelection();
  switch (event.GetKeyCode()) {
    case '+':
    case WXK_NUMPAD_ADD:
      if (selected != kNone) Expand(selected);
      return;
    case '-':
    case WXK_NUMPAD_SUBTRACT:
      if (selected != kNone) Collapse(selected);
      return;
    case '*':
    case WXK_NUMPAD_MULTIPLY:
      // The node and everything below it.
      if (selected != kNone) SetExpanded(WholeSubtree(grouping_, selected), true);
      return;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
    case WXK_SPACE: Toggle(selected); return;
    default: event.Skip();
  }
}

}  // namespace listora
