#include "core/panes/grouping_nodes.h"

#include <gtest/gtest.h>

#include "panes_test_table.h"

namespace listora {
namespace {

// A a1 x a2 y B b1 z C c1 w (indices 0..10), or with a fourth level
// below every third-level node.
GroupingTree Grouped(bool fourLevels) {
  const ItemTable items = test::MakeTable(
      {{"A", "a1", "x", "1"}, {"A", "a2", "y", "2"}, {"B", "b1", "z", "3"}, {"C", "c1", "w", "4"}});
  const std::vector<int> order =
      fourLevels ? std::vector<int>{0, 1, 2, 3, 4} : std::vector<int>{0, 1, 2, 3};
  return *BuildGroupingTree(items, order, 1);
}

std::vector<std::size_t> Nodes(const GroupingTree& tree, const NodeSpan& span) {
  std::vector<std::size_t> nodes;
  span.ForEach(tree, [&](std::size_t node) { nodes.push_back(node); });
  return nodes;
}

TEST(GroupingNodes, OpenOrCloseReachesTwoLevelsBelowTheStart) {
  const GroupingTree tree = Grouped(true);
  // A a1 x 1 a2 y 2 B b1 z 3 C c1 w 4
  ASSERT_EQ(tree.NodeCount(), 15u);
  EXPECT_EQ(Nodes(tree, NodesToOpenOrClose(tree, 0)), (std::vector<std::size_t>{0, 1, 2, 4, 5}));
  EXPECT_EQ(Nodes(tree, NodesToOpenOrClose(tree, 1)), (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_EQ(Nodes(tree, NodesToOpenOrClose(tree, 14)), (std::vector<std::size_t>{14}));
  EXPECT_TRUE(Nodes(tree, NodesToOpenOrClose(tree, 15)).empty());
  EXPECT_EQ(Nodes(tree, AllNodesToOpenOrClose(tree)),
            (std::vector<std::size_t>{0, 1, 2, 4, 5, 7, 8, 9, 11, 12, 13}));
  EXPECT_EQ(Nodes(tree, OneNode(tree, 4)), (std::vector<std::size_t>{4}));
  EXPECT_EQ(Nodes(tree, WholeSubtree(tree, 4)), (std::vector<std::size_t>{4, 5, 6}));
  EXPECT_TRUE(Nodes(tree, OneNode(tree, 15)).empty());
  EXPECT_TRUE(Nodes(tree, WholeSubtree(tree, 15)).empty());
}

}  // namespace
}  // namespace listora
