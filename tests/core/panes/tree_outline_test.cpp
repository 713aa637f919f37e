#include "core/panes/tree_outline.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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
  ASSERT_EQ(tree.NodeCount(), 15u);
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
  for (std::size_t k = 0; k < tree.NodeCount(); ++k) outline.SetOpen(k, true);
  EXPECT_EQ(outline.RowCount(), tree.NodeCount());

  outline.Reset(nullptr);
  EXPECT_EQ(outline.RowCount(), 0u);

  // A x 1 2: the leaf 1 has a sibling after it, not a child.
  const GroupingTree twoLeaves =
      *BuildGroupingTree(test::MakeTable({{"A", "a1", "x", "1"}, {"A", "a1", "x", "2"}}),
                         std::vector<int>{0, 1, 2, 3, 4}, 1);
  outline.Reset(&twoLeaves);
  ASSERT_EQ(twoLeaves.NodeCount(), 5u);
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

// Random opening and closing of a random tree: rows, their nodes and the
// node's rows as the straightforward list of every node whose ancestors are
// open gives them.
TEST(TreeOutline, RowsMatchTheListOfShownNodes) {
  std::mt19937 random(5);
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 300; ++i) {
    rows.push_back({std::to_string(random() % 6), std::to_string(random() % 4),
                    std::to_string(random() % 3), std::to_string(i)});
  }
  const GroupingTree tree =
      *BuildGroupingTree(test::MakeTable(rows), std::vector<int>{0, 1, 2, 3, 4}, 1);
  TreeOutline outline;
  outline.Reset(&tree);
  for (int round = 0; round < 200; ++round) {
    const std::size_t node = random() % tree.NodeCount();
    outline.SetOpen(node, random() % 3 != 0);
    std::vector<std::size_t> shown;
    std::vector<int> openDepths;  // depths of the open ancestors on the path
    for (std::size_t k = 0; k < tree.NodeCount(); ++k) {
      const int depth = tree.Depth(k);
      openDepths.resize(std::min<std::size_t>(openDepths.size(), static_cast<std::size_t>(depth)));
      if (openDepths.size() == static_cast<std::size_t>(depth)) {
        shown.push_back(k);
        if (outline.IsOpen(k)) openDepths.push_back(depth);
      }
    }
    ASSERT_EQ(Rows(outline), shown) << round;
    std::vector<std::size_t> rowOf(tree.NodeCount(), TreeOutline::kNone);
    for (std::size_t row = 0; row < shown.size(); ++row) rowOf[shown[row]] = row;
    for (std::size_t k = 0; k < tree.NodeCount(); ++k) ASSERT_EQ(outline.RowOf(k), rowOf[k]) << k;
    EXPECT_EQ(outline.NodeAt(shown.size()), TreeOutline::kNone);
  }
}

}  // namespace
}  // namespace listora
