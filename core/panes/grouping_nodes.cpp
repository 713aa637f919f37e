#include "core/panes/grouping_nodes.h"

namespace listora {

namespace {
inline constexpr int kLevelsBelow = 2;
}

std::vector<std::size_t> NodesToOpenOrClose(const GroupingTree& tree, std::size_t start) {
  std::vector<std::size_t> nodes;
  if (start >= tree.NodeCount()) return nodes;
  const int base = tree.Depth(start);
  nodes.push_back(start);
  for (std::size_t k = start + 1; k < tree.NodeCount() && tree.Depth(k) > base; ++k) {
    if (tree.Depth(k) <= base + kLevelsBelow) nodes.push_back(k);
  }
  return nodes;
}

}  // namespace listora
