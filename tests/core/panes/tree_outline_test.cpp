#include "core/panes/tree_outline.h"

#include <gtest/gtest.h>

#include "panes_test_table.h"

namespace listora {
namespace {

// A a1 x 1 a2 y 2 B b1 z 3 C c1 w 4 (indices 0..14).
GroupingTree Grouped() {
  const ItemTable items = test::MakeTable(
      {{"A", "a1", "x", "1"}, {"A", "a2", "y", "2"}, {"B", "b1", "z", "3"}, {"C", "c1", "w", "4"}});
  return *BuildGroupingTree(items, std::vector<int>{0, 1, 2, 3, 4}, 1);
}

std::vector<std::size_t> Rows(const TreeOutline& outline) {
  std::vector<std::size_t> rows;
  for (std::size_t row = 0; row < outline.RowCount(); ++row) rows.push_back(outline.NodeAt(row));
  return rows;
}

TEST(TreeOutline, RowsFollowOpeningAndClosing) {
  const GroupingTree tree = Grouped();
  ASSERT_EQ(tree.nodes.size(), 15u);
  TreeOutline outline;
  outline.Reset(&tree);
  EXPECT_EQ(Rows(outline), (std::vector<std::size_t>{0, 7, 11}));

  outline.SetOpen(0, true);
  outline.SetOpen(1, true);  // a1 open: x shows, its child 1 does not
  EXPECT_EQ(Rows(outline), (std::vector<std::size_t>{0, 1, 2, 4, 7, 11}));
  EXPECT_EQ(outline.RowOf(4), 3u);
  EXPECT_EQ(outline.RowOf(3), TreeOutline::kNone);

  // Closing a parent hides its subtree but remembers what is open below.
  outline.SetOpen(0, false);
  EXPECT_EQ(Rows(outline), (std::vector<std::size_t>{0, 7, 11}));
  EXPECT_TRUE(outline.IsOpen(1));
  outline.SetOpen(0, true);
  EXPECT_EQ(outline.RowCount(), 6u);

  // Leaves never open; past the end nothing happens.
  outline.SetOpen(3, true);
  outline.SetOpen(99, true);
  EXPECT_FALSE(outline.IsOpen(3));
  EXPECT_EQ(outline.NodeAt(6), TreeOutline::kNone);

  // Everything open: every node is a row.
  for (std::size_t k = 0; k < tree.nodes.size(); ++k) outline.SetOpen(k, true);
  EXPECT_EQ(outline.RowCount(), tree.nodes.size());

  outline.Reset(nullptr);
  EXPECT_EQ(outline.RowCount(), 0u);

  // A x 1 2: the leaf 1 has a sibling after it, not a child.
  const GroupingTree twoLeaves =
      *BuildGroupingTree(test::MakeTable({{"A", "a1", "x", "1"}, {"A", "a1", "x", "2"}}),
                         std::vector<int>{0, 1, 2, 3, 4}, 1);
  outline.Reset(&twoLeaves);
  ASSERT_EQ(twoLeaves.nodes.size(), 5u);
  EXPECT_TRUE(outline.HasChildren(2));
  EXPECT_FALSE(outline.HasChildren(3));
  EXPECT_FALSE(outline.HasChildren(4));
}

TEST(TreeOutline, AncestorsRevealAndStandInForHiddenNodes) {
  const GroupingTree tree = Grouped();
  TreeOutline outline;
  outline.Reset(&tree);
  EXPECT_EQ(outline.Parent(3), 2u);
  EXPECT_EQ(outline.Parent(4), 0u);  // a2's parent lies behind a1's subtree
  EXPECT_EQ(outline.Parent(7), TreeOutline::kNone);
  EXPECT_EQ(outline.SubtreeEnd(0), 7u);
  EXPECT_EQ(outline.SubtreeEnd(11), 15u);
  EXPECT_EQ(outline.SubtreeEnd(14), 15u);

  // Hidden under B: the shallowest closed ancestor is the row it hides in.
  EXPECT_EQ(outline.ShownAncestor(10), 7u);
  outline.SetOpen(7, true);
  EXPECT_EQ(outline.ShownAncestor(10), 8u);
  EXPECT_EQ(outline.ShownAncestor(8), 8u);

  outline.Reveal(6);
  EXPECT_TRUE(outline.IsShown(6));
  EXPECT_TRUE(outline.IsOpen(0) && outline.IsOpen(4) && outline.IsOpen(5));
  EXPECT_FALSE(outline.IsOpen(1));
}

}  // namespace
}  // namespace listora
