#include "core/panes/grouping_nodes.h"

namespace listora {

namespace {
inline constexpr int kLevelsBelow = 2;
}

NodeSpan NodesToOpenOrClose(const GroupingTree& tree, std::size_t start) {
  if (start >= tree.NodeCount()) return {};
  const int base = tree.Depth(start);
  std::size_t end = start + 1;
  while (end < tree.NodeCount() && tree.Depth(end) > base) ++end;
  return {start, end, base + kLevelsBelow};
}

NodeSpan AllNodesToOpenOrClose(const GroupingTree& tree) {
  return {0, tree.NodeCount(), kLevelsBelow};
}

}  // namespace listora
