#pragma once
// The part of a grouping tree that the tree view's expand and collapse
// commands open or close.

#include <cstddef>

#include "core/panes/grouping.h"

namespace listora {

// The nodes of [begin, end) no deeper than `deepest`, in tree order.
struct NodeSpan {
  NodeSpan() = default;
  NodeSpan(std::size_t from, std::size_t to, int deepestDepth)
      : begin(from), end(to), deepest(deepestDepth) {}

  std::size_t begin = 0;
  std::size_t end = 0;
  int deepest = -1;

  template <typename Visit>
  void ForEach(const GroupingTree& tree, Visit visit) const {
    for (std::size_t k = begin; k < end; ++k)
      if (tree.Depth(k) <= deepest) visit(k);
  }
};

// Node `start` and the nodes one and two levels below it. Nodes deeper than
// that are left alone. Empty when `start` is past the last node.
NodeSpan NodesToOpenOrClose(const GroupingTree& tree, std::size_t start);
// The same for every parent item at once: the top three levels.
NodeSpan AllNodesToOpenOrClose(const GroupingTree& tree);
// The node alone, and the node with every node below it; empty for a node
// past the last.
NodeSpan OneNode(const GroupingTree& tree, std::size_t node);
NodeSpan WholeSubtree(const GroupingTree& tree, std::size_t node);

}  // namespace listora
