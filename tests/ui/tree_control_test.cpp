// The tree pane's own control: the mouse and keys open, close and select
// nodes; closing hides the selection under its ancestor; a large open tree
// scrolls to any row; the context menu takes the node under the mouse.

#include <gtest/gtest.h>
#include <wx/menu.h>

#include <string>
#include <vector>

#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/tree_pane.h"
#include "ui/support/gui_app.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

TreePane& Pane() { return *App().Frame()->PaneWindows().tree; }
GroupTreeCtrl& Tree() { return *Pane().Tree(); }
constexpr std::size_t kNone = GroupTreeCtrl::kNone;

void GroupRows(const std::vector<std::vector<std::string>>& rows) {
  AddRows(rows);
  SendCommand(cmd::kTreeGroup1);
}

// 0 a, 1 a1, 2 x, 3 1, 4 a2, 5 y, 6 2, 7 b, 8 b1, 9 z, 10 3
void GroupSmall() {
  StartFresh();
  GroupRows({{"a", "a1", "x", "1"}, {"a", "a2", "y", "2"}, {"b", "b1", "z", "3"}});
  ASSERT_EQ(Pane().Grouping().NodeCount(), 11u);
}

void Mouse(wxEventType type, const wxPoint& point) {
  wxMouseEvent event(type);
  event.SetEventObject(&Tree());
  event.SetPosition(point);
  Tree().GetEventHandler()->ProcessEvent(event);
  Pump();
}

wxPoint TextPoint(std::size_t node) {
  const wxRect button = Tree().ButtonRect(node);
  const wxRect row = Tree().RowRect(node);
  return wxPoint(button.GetRight() + 30, row.y + row.height / 2);
}

wxPoint ButtonPoint(std::size_t node) {
  const wxRect button = Tree().ButtonRect(node);
  return wxPoint(button.x + button.width / 2, button.y + button.height / 2);
}

void Key(wxEventType type, int code) {
  wxKeyEvent event(type);
  event.SetEventObject(&Tree());
  event.m_keyCode = code;
  Tree().GetEventHandler()->ProcessEvent(event);
  Pump();
}

TEST(TreeControl, MouseOpensClosesAndSelects) {
  GroupSmall();
  // A click on the button opens and closes without selecting.
  Mouse(wxEVT_LEFT_DOWN, ButtonPoint(0));
  EXPECT_TRUE(Tree().IsExpanded(0));
  EXPECT_EQ(Tree().GetSelection(), kNone);
  EXPECT_EQ(Tree().RowCount(), 4u);             // a a1 a2 b
  EXPECT_TRUE(Tree().ButtonRect(3).IsEmpty());  // hidden below a1

  Mouse(wxEVT_LEFT_DOWN, TextPoint(4));
  EXPECT_EQ(Tree().GetSelection(), 4u);
  EXPECT_FALSE(Tree().IsExpanded(4));
  // A double click on the text opens, another closes.
  Mouse(wxEVT_LEFT_DCLICK, TextPoint(4));
  EXPECT_TRUE(Tree().IsExpanded(4));
  EXPECT_EQ(Tree().NodeAtRow(3), 5u);
  Mouse(wxEVT_LEFT_DCLICK, TextPoint(4));
  EXPECT_FALSE(Tree().IsExpanded(4));

  // Below the last row nothing is hit and the selection stays.
  Mouse(wxEVT_LEFT_DOWN, wxPoint(30, Tree().RowHeight() * 10));
  EXPECT_EQ(Tree().GetSelection(), 4u);
  Mouse(wxEVT_LEFT_DOWN, ButtonPoint(0));
  EXPECT_FALSE(Tree().IsExpanded(0));
  EXPECT_EQ(Tree().RowCount(), 2u);
}

TEST(TreeControl, KeysMoveOpenAndClose) {
  GroupSmall();
  Key(wxEVT_KEY_DOWN, WXK_DOWN);  // nothing selected: the first row
  EXPECT_EQ(Tree().GetSelection(), 0u);
  Key(wxEVT_KEY_DOWN, WXK_RIGHT);  // opens
  EXPECT_TRUE(Tree().IsExpanded(0));
  EXPECT_EQ(Tree().GetSelection(), 0u);
  Key(wxEVT_KEY_DOWN, WXK_RIGHT);  // then goes to the first child
  EXPECT_EQ(Tree().GetSelection(), 1u);
  Key(wxEVT_KEY_DOWN, WXK_DOWN);
  EXPECT_EQ(Tree().GetSelection(), 4u);
  Key(wxEVT_KEY_DOWN, WXK_LEFT);  // closed: goes to the parent
  EXPECT_EQ(Tree().GetSelection(), 0u);

  // '*' opens the node and everything below it; '-' and '+' close and open
  // the node alone.
  Key(wxEVT_CHAR, '*');
  for (std::size_t k : {0u, 1u, 2u, 4u, 5u}) EXPECT_TRUE(Tree().IsExpanded(k)) << k;
  EXPECT_FALSE(Tree().IsExpanded(7));
  Key(wxEVT_CHAR, '-');
  EXPECT_EQ(Tree().RowCount(), 2u);
  Key(wxEVT_CHAR, '+');
  EXPECT_EQ(Tree().RowCount(), 8u);  // what was open below stays open

  Key(wxEVT_KEY_DOWN, WXK_END);
  EXPECT_EQ(Tree().GetSelection(), 7u);
  Key(wxEVT_KEY_DOWN, WXK_UP);
  EXPECT_EQ(Tree().GetSelection(), 6u);
  Key(wxEVT_KEY_DOWN, WXK_HOME);
  EXPECT_EQ(Tree().GetSelection(), 0u);
  Key(wxEVT_KEY_DOWN, WXK_UP);  // stays at the top
  EXPECT_EQ(Tree().GetSelection(), 0u);
}

TEST(TreeControl, ClosingAnAncestorMovesTheSelectionToTheRowItHidesIn) {
  GroupSmall();
  SendCommand(cmd::kTreeExpandAll, &Pane());
  Tree().SelectItem(3);  // "1", below a > a1 > x
  ASSERT_NE(Tree().RowRect(3).height, 0);
  Tree().Collapse(1);
  EXPECT_EQ(Tree().GetSelection(), 1u);
  SendCommand(cmd::kTreeCollapseAll, &Pane());
  EXPECT_EQ(Tree().GetSelection(), 0u);
  EXPECT_EQ(Tree().RowCount(), 2u);
  // Opening again keeps what was open below.
  Tree().Expand(0);
  EXPECT_EQ(Tree().RowCount(), 4u);
  Tree().EnsureVisible(3);
  EXPECT_TRUE(Tree().IsExpanded(1) && Tree().IsExpanded(2));

  // A selection hidden under a closed node moves by key from the row it
  // is hidden in.
  Tree().Collapse(0);
  Tree().SelectItem(9);  // z, under b
  Key(wxEVT_KEY_DOWN, WXK_UP);
  EXPECT_EQ(Tree().GetSelection(), 0u);
}

TEST(TreeControl, ALargeOpenTreeScrollsToAnyRow) {
  StartFresh();
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 20000; ++i)
    rows.push_back({"k" + std::to_string(100000 + i / 4), "m" + std::to_string(i % 4), "n", "o"});
  GroupRows(rows);
  const std::size_t nodes = Pane().Grouping().NodeCount();
  ASSERT_EQ(nodes, 5000u + 20000u * 3);
  SendCommand(cmd::kTreeExpandAll, &Pane());
  EXPECT_EQ(Tree().RowCount(), nodes);

  Tree().SetFocus();
  Key(wxEVT_KEY_DOWN, WXK_END);
  EXPECT_EQ(Tree().GetSelection(), nodes - 1);
  const wxRect last = Tree().RowRect(nodes - 1);
  EXPECT_GE(last.y, 0);
  EXPECT_LE(last.GetBottom(), Tree().GetClientSize().y);
  // The hit test agrees with where the row is drawn.
  EXPECT_EQ(Tree().HitTest(wxPoint(40, last.y + 1)), nodes - 1);

  SendCommand(cmd::kTreeCollapseAll, &Pane());
  EXPECT_EQ(Tree().RowCount(), 5000u);
  EXPECT_EQ(Tree().GetItemText(Tree().GetSelection()), "k104999");
  EXPECT_EQ(Tree().HitTest(wxPoint(40, Tree().RowRect(Tree().GetSelection()).y + 1)),
            Tree().GetSelection());
}

TEST(TreeControl, ContextMenuTakesTheNodeUnderTheMouse) {
  StartFresh();
  EXPECT_EQ(Pane().ContextMenuAt(Tree().GetScreenPosition() + wxPoint(20, 5)), nullptr);

  GroupSmall();
  const wxPoint screen = Tree().GetScreenPosition();
  std::unique_ptr<wxMenu> menu = Pane().ContextMenuAt(screen + TextPoint(7));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Tree().GetSelection(), 7u);
  EXPECT_NE(menu->FindItem(cmd::kTreeCollapseAll), nullptr);

  // Below the rows the selected node is taken; outside the control, or from
  // the keyboard, no menu.
  EXPECT_NE(Pane().ContextMenuAt(screen + wxPoint(20, Tree().RowHeight() * 5)), nullptr);
  EXPECT_EQ(Tree().GetSelection(), 7u);
  EXPECT_EQ(Pane().ContextMenuAt(screen - wxPoint(5, 5)), nullptr);
  EXPECT_EQ(Pane().ContextMenuAt(wxDefaultPosition), nullptr);
}

}  // namespace
}  // namespace listora::test
