#include "core/panes/grouping_nodes.h"

#include <limits>

namespace listora {

namespace {
inline constexpr int kLevelsBelow = 2;
}

NodeSpan NodesToOpenOrClose(const GroupingTree& tree, std::size_t start) {
  if (start >= tree.NodeCount()) return {};
  return {start, tree.SubtreeEnd(start), tree.Depth(start) + kLevelsBelow};
}

NodeSpan OneNode(const GroupingTree& tree, std::size_t node) {
  if (node >= tree.NodeCount()) return {};
  return {node, node + 1, tree.Depth(node)};
}

NodeSpan WholeSubtree(const GroupingTree& tree, std::size_t node) {
  if (node >= tree.NodeCount()) return {};
  return {node, tree.SubtreeEnd(node), std::numeric_limits<int>::max()};
}

NodeSpan AllNodesToOpenOrClose(const GroupingTree& tree) {
  return {0, tree.NodeCount(), kLevelsBelow};
}

}  // namespace listora
