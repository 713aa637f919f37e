#include "core/views/grouping_nodes.h"

#include <gtest/gtest.h>

#include "views_test_table.h"

namespace listora {
namespace {

// A a1 x a2 y B b1 z C c1 w (indices 0..10), or with a fourth level
// below every third-level node.
GroupingTree Grouped(bool fourLevels) {
  const CMySortStringArray items = test::MakeTable(
      {{"A", "a1", "x", "1"}, {"A", "a2", "y", "2"}, {"B", "b1", "z", "3"}, {"C", "c1", "w", "4"}});
  const std::vector<int> order =
      fourLevels ? std::vector<int>{0, 1, 2, 3, 4} : std::vector<int>{0, 1, 2, 3};
  return *BuildGroupingTree(items, order, 1);
}

TEST(GroupingNodes, CopyRangeIsTheNodeItsLaterSiblingsAndTheirDescendants) {
  const GroupingTree tree = Grouped(false);
  ASSERT_EQ(tree.nodes.size(), 11u);
  EXPECT_EQ(TreeClipboardText(SiblingsFrom(tree, 0)), TreeClipboardText(tree));

  // From "a2": its subtree only; the later siblings of its parent stay out.
  const GroupingTree a2 = SiblingsFrom(tree, 3);
  EXPECT_EQ(TreeClipboardText(a2), "a2\r\n\ty");
  EXPECT_EQ(a2.parentCount, 1);

  const GroupingTree fromB = SiblingsFrom(tree, 5);
  EXPECT_EQ(TreeClipboardText(fromB), "B\r\n\tb1\r\n\t\tz\r\nC\r\n\tc1\r\n\t\tw");
  EXPECT_EQ(fromB.parentCount, 2);

  EXPECT_EQ(TreeClipboardText(SiblingsFrom(tree, 10)), "w");
  EXPECT_TRUE(SiblingsFrom(tree, 11).nodes.empty());
}

TEST(GroupingNodes, OpenOrCloseReachesTwoLevelsBelowTheStart) {
  const GroupingTree tree = Grouped(true);
  // A a1 x 1 a2 y 2 B b1 z 3 C c1 w 4
  ASSERT_EQ(tree.nodes.size(), 15u);
  EXPECT_EQ(NodesToOpenOrClose(tree, 0), (std::vector<std::size_t>{0, 1, 2, 4, 5}));
  EXPECT_EQ(NodesToOpenOrClose(tree, 1), (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_EQ(NodesToOpenOrClose(tree, 14), (std::vector<std::size_t>{14}));
  EXPECT_TRUE(NodesToOpenOrClose(tree, 15).empty());
}

}  // namespace
}  // namespace listora
