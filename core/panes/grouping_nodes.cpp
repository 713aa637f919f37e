#include "core/panes/grouping_nodes.h"

namespace listora {

namespace {
inline constexpr int kLevelsBelow = 2;
}

std::vector<std::size_t> NodesToOpenOrClose(const GroupingTree& tree, std::size_t start) {
  std::vector<std::size_t> nodes;
  if (start >= tree.nodes.size()) return nodes;
  const int base = tree.nodes[start].depth;
  nodes.push_back(start);
  for (std::size_t k = start + 1; k < tree.nodes.size() && tree.nodes[k].depth > base; ++k) {
    if (tree.nodes[k].depth <= base + kLevelsBelow) nodes.push_back(k);
  }
  return nodes;
}

}  // namespace listora
