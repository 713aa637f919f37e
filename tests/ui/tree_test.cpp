// The tree pane: grouping from the menu and its own tool bar, expanding and
// collapsing, copying, clearing, searching the list for a node, cancelling.

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/stattext.h>

#include <string>
#include <vector>

#include "core/base/settings_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/base/progress_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/list_icons.h"
#include "ui/panes/tree_pane.h"
#include "ui/support/clipboard.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/text/text_convert.h"

namespace listora::test {
namespace {

TreePane& Pane() { return *App().Frame()->PaneWindows().tree; }
GroupTreeCtrl& Tree() { return *Pane().Tree(); }
ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }
wxString ParentLabel() { return Pane().ParentCountLabel()->GetLabel(); }

// Menu-bar commands go to the frame; the tool bar and the context menu
// send theirs to the pane.
void PaneCommand(int id) { SendCommand(id, &Pane()); }

const std::vector<std::vector<std::string>> kCities = {
    {"大阪", "北区", "B", "z"},
    {"東京", "渋谷", "A", "x"},
    {"東京", "新宿", "C", "w"},
    {"東京", "渋谷", "A", "y"},
};

struct Shown {
  int depth;
  wxString text;
  int image;
};

std::vector<Shown> ShownNodes() {
  std::vector<Shown> out;
  for (std::size_t k = 0; k < Pane().Grouping().NodeCount(); ++k)
    out.push_back({Pane().Grouping().Depth(k), Tree().GetItemText(k), Tree().GetItemImage(k)});
  return out;
}

// The first node in tree order with the text.
std::size_t Find(const char* utf8) {
  for (std::size_t k = 0; k < Pane().Grouping().NodeCount(); ++k) {
    if (Tree().GetItemText(k) == U(utf8)) return k;
  }
  return GroupTreeCtrl::kNone;
}

TEST(TreeView, GroupsByPositionFromMenuAndToolBar) {
  StartFresh();
  AddRows(kCities);

  // Position 1 from the menu bar: four levels, fourth-level nodes one per
  // row, siblings in code order.
  SendCommand(cmd::kTreeGroup1);
  const std::vector<Shown> nodes = ShownNodes();
  const char* expected[][2] = {{"0", "大阪"}, {"1", "北区"}, {"2", "B"}, {"3", "z"},
                               {"0", "東京"}, {"1", "渋谷"}, {"2", "A"}, {"3", "x"},
                               {"3", "y"},    {"1", "新宿"}, {"2", "C"}, {"3", "w"}};
  ASSERT_EQ(nodes.size(), std::size(expected));
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    EXPECT_EQ(nodes[k].depth, std::stoi(expected[k][0])) << k;
    EXPECT_EQ(nodes[k].text, U(expected[k][1])) << k;
    // The icon is the one of the column the text came from.
    EXPECT_EQ(nodes[k].image, HeaderIcon(nodes[k].depth + 1)) << k;
  }
  EXPECT_EQ(ParentLabel(), U("　親アイテム数:　2"));
  EXPECT_TRUE(Tree().GetImageList() != nullptr);
  EXPECT_TRUE(Script().asked.empty());

  // Position 2 from the tree's tool bar: columns 2, 3, 4, 1 as levels.
  PaneCommand(cmd::kTreeGroup1 + 1);
  const std::vector<Shown> byWard = ShownNodes();
  ASSERT_EQ(byWard.size(), 14u);
  EXPECT_EQ(byWard[0].text, U("渋谷"));  // first in code order
  EXPECT_EQ(byWard[3].text, U("東京"));
  EXPECT_EQ(byWard[3].image, HeaderIcon(1));
  EXPECT_EQ(ParentLabel(), U("　親アイテム数:　3"));

  // Switching the icons off at the next initial update detaches them.
  TheData().settings.display.treeIcons = 0;
  Pane().ApplyStyle(CurrentDoc().Data().settings.styles.pane[PaneStyles::kTree], false);
  EXPECT_TRUE(Tree().GetImageList() == nullptr);

  // A new document empties the tree.
  App().DocManager()->CreateDocument(wxString(), wxDOC_NEW);
  Pump();
  EXPECT_TRUE(Tree().Empty());
  EXPECT_EQ(ParentLabel(), U("　親アイテム数:　0"));
}

TEST(TreeView, GroupingBeyondTheColumnsOrOnAnEmptyListDoesNothing) {
  StartFresh();
  SendCommand(cmd::kTreeGroup1);
  EXPECT_TRUE(Tree().Empty());

  SettingsFile(SettingsPath()).WriteInt("Column", "Count", 3);
  App().DocManager()->CreateDocument(wxString(), wxDOC_NEW);
  Pump();
  AddRows({{"a", "b"}, {"a", "b"}});
  SendCommand(cmd::kTreeGroup1 + 1);
  ASSERT_EQ(ShownNodes().size(), 2u);  // two levels: one path shown once
  SendCommand(cmd::kTreeGroup4 - 1);   // position 3 of two levels
  EXPECT_EQ(ShownNodes().size(), 2u);
  EXPECT_EQ(ShownNodes()[0].text, "b");
  EXPECT_EQ(ParentLabel(), U("　親アイテム数:　1"));
  EXPECT_TRUE(Script().asked.empty());
}

TEST(TreeView, ExpandAndCollapseReachTwoLevelsBelow) {
  StartFresh();
  AddRows(kCities);
  SendCommand(cmd::kTreeGroup1);
  const std::size_t tokyo = Find("東京");
  Tree().SelectItem(tokyo);

  PaneCommand(cmd::kTreeExpandBelow);
  EXPECT_TRUE(Tree().IsExpanded(tokyo));
  EXPECT_TRUE(Tree().IsExpanded(Find("渋谷")));
  EXPECT_TRUE(Tree().IsExpanded(Find("A")));
  EXPECT_TRUE(Tree().IsExpanded(Find("C")));
  EXPECT_FALSE(Tree().IsExpanded(Find("大阪")));

  PaneCommand(cmd::kTreeExpandAll);
  EXPECT_TRUE(Tree().IsExpanded(Find("大阪")) && Tree().IsExpanded(Find("B")));

  PaneCommand(cmd::kTreeCollapseBelow);
  EXPECT_FALSE(Tree().IsExpanded(tokyo));
  EXPECT_FALSE(Tree().IsExpanded(Find("渋谷")));
  EXPECT_FALSE(Tree().IsExpanded(Find("A")));
  EXPECT_TRUE(Tree().IsExpanded(Find("大阪")));

  PaneCommand(cmd::kTreeCollapseAll);
  EXPECT_FALSE(Tree().IsExpanded(Find("大阪")) || Tree().IsExpanded(Find("B")));
}

TEST(TreeView, CollapsingAWideOpenTreeKeepsTheRestAndTheSelection) {
  StartFresh();
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 6000; ++i) {
    const std::string key = "k" + std::to_string(10000 + i);
    rows.push_back({key, "m", "n", "o"});
  }
  AddRows(rows);
  SendCommand(cmd::kTreeGroup1);
  ASSERT_EQ(ParentLabel(), U("　親アイテム数:　6000"));
  PaneCommand(cmd::kTreeExpandAll);
  const std::size_t middle = Find("k13000");
  Tree().SelectItem(middle);
  PaneCommand(cmd::kTreeCollapseBelow);
  EXPECT_FALSE(Tree().IsExpanded(middle));
  EXPECT_TRUE(Tree().IsExpanded(Find("k13001")));

  // Closing them all keeps the selected parent item selected.
  PaneCommand(cmd::kTreeCollapseAll);
  std::size_t open = 0;
  for (std::size_t k = 0; k < Pane().Grouping().NodeCount(); ++k)
    open += Pane().Grouping().Depth(k) == 0 && Tree().IsExpanded(k) ? 1 : 0;
  EXPECT_EQ(open, 0u);
  EXPECT_EQ(Pane().Grouping().NodeCount(), 24000u);
  ASSERT_NE(Tree().GetSelection(), GroupTreeCtrl::kNone);
  EXPECT_EQ(Tree().GetItemText(Tree().GetSelection()), "k13000");
}

TEST(TreeView, CopyPutsTheCoreTextOnTheClipboard) {
  StartFresh();
  AddRows(kCities);
  SendCommand(cmd::kTreeGroup1);
  PaneCommand(cmd::kTreeCopy);
  const wxString text = ToWx(TreeClipboardText(Pane().Grouping()));
  ASSERT_TRUE(ClipboardHolds(text));
  EXPECT_TRUE(text.StartsWith(U("大阪\r\n\t北区\r\n\t\tB\r\n\t\t\tz\r\n東京")));
  EXPECT_TRUE(text.EndsWith(U("\t\t\tw")));

  // Scrolled down, the copy still holds the whole tree.
  Tree().ScrollTo(Find("東京"));
  PaneCommand(cmd::kTreeCopy);
  EXPECT_EQ(ClipboardText(), text);

  Script().yesNo = {true};
  PaneCommand(cmd::kTreeClear);
  PaneCommand(cmd::kTreeCopy);
  EXPECT_TRUE(ClipboardHolds(""));
}

TEST(TreeView, ClearAsksFirst) {
  StartFresh();
  AddRows(kCities);
  SendCommand(cmd::kTreeGroup1);

  Script().yesNo = {false};
  PaneCommand(cmd::kTreeClear);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"yesno"});
  EXPECT_EQ(Script().asked[0].text, U("ツリーコントロール内のアイテムをすべてクリアしますか？"));
  EXPECT_EQ(ShownNodes().size(), 12u);
  EXPECT_EQ(ParentLabel(), U("　親アイテム数:　2"));

  Script().yesNo = {true};
  PaneCommand(cmd::kTreeClear);
  EXPECT_TRUE(ShownNodes().empty());
  EXPECT_EQ(ParentLabel(), U("　親アイテム数:　0"));
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(TreeView, SearchInListMovesTheNodesRowsToTheTopAndSelectsThem) {
  StartFresh();
  AddRows(kCities);
  SendCommand(cmd::kTreeGroup1);
  Tree().SelectItem(Find("渋谷"));
  PaneCommand(cmd::kTreeSearchInList);
  EXPECT_EQ(List().SelectedRows(), (std::vector<int>{0, 1}));
  EXPECT_EQ(List().GetItemText(0, 4), "x");
  EXPECT_EQ(List().GetItemText(1, 4), "y");
  EXPECT_EQ(List().GetItemText(2, 1), U("大阪"));
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"info"});
  EXPECT_EQ(Script().asked[0].text, U("\"渋谷\" を含むアイテムが 2 個見つかりました。"));
  EXPECT_EQ(App().Frame()->SelectedCountLabel()->GetLabel(), U("　選択アイテム数: 2"));
  // The tree is a snapshot: the list moving does not change it.
  EXPECT_EQ(ShownNodes()[0].text, U("大阪"));
}

TEST(TreeView, CancelKeepsTheGroupsBuiltSoFar) {
  StartFresh();
  AddRows(kCities);
  // The cancel button was pressed by the time the first group was done.
  ProgressRun::CancelNextRun();
  SendCommand(cmd::kTreeGroup1);
  EXPECT_FALSE(ProgressRun::CancelPending());
  const std::vector<Shown> nodes = ShownNodes();
  ASSERT_EQ(nodes.size(), 4u);
  EXPECT_EQ(nodes[0].text, U("大阪"));
  EXPECT_EQ(ParentLabel(), U("　親アイテム数:　1"));
}

}  // namespace
}  // namespace listora::test
