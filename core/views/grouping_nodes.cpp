#include "core/views/grouping_nodes.h"

namespace listora {

namespace {
inline constexpr int kLevelsBelow = 2;
}

GroupingTree SiblingsFrom(const GroupingTree& tree, std::size_t first) {
  GroupingTree part;
  if (first >= tree.nodes.size()) return part;
  const int base = tree.nodes[first].depth;
  for (std::size_t k = first; k < tree.nodes.size() && tree.nodes[k].depth >= base; ++k) {
    TreeNode node = tree.nodes[k];
    node.depth -= base;
    if (node.depth == 0) ++part.parentCount;
    part.nodes.push_back(std::move(node));
  }
  return part;
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
