#pragma once
// Which nodes of a grouping tree are open, and the rows that makes: every
// node whose ancestors are all open, in tree order. The rows are worked out
// again only when asked for after a change, in one pass over the nodes, so
// opening or closing any number of nodes costs time linear in the tree at
// worst, and nothing is kept per row beyond the node's index.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/panes/grouping.h"

namespace listora {

class TreeOutline {
 public:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  // The tree shown, every node closed. It must outlive its use here.
  void Reset(const GroupingTree* tree);

  bool HasChildren(std::size_t node) const;
  bool IsOpen(std::size_t node) const { return node < open_.size() && open_[node] != 0; }
  // Nodes without children stay closed.
  void SetOpen(std::size_t node, bool open);
  // The parent of `node`; kNone for a parent item or an unknown node.
  std::size_t Parent(std::size_t node) const;
  // One past the last node below `node`.
  std::size_t SubtreeEnd(std::size_t node) const;
  // Every ancestor of `node` is open.
  bool IsShown(std::size_t node) const { return RowOf(node) != kNone; }
  // Opens every ancestor of `node`.
  void Reveal(std::size_t node);
  // The shallowest closed ancestor of `node`, which is the node itself when
  // it is shown: the row it is hidden under.
  std::size_t ShownAncestor(std::size_t node) const;

  std::size_t RowCount() const { return Rows().size(); }
  std::size_t NodeAt(std::size_t row) const;
  // The row of `node`; kNone when it is hidden or unknown.
  std::size_t RowOf(std::size_t node) const;

 private:
  const std::vector<std::size_t>& Rows() const;
  int Depth(std::size_t node) const { return tree_->nodes[node].depth; }

  const GroupingTree* tree_ = nullptr;
  std::vector<std::uint8_t> open_;
  // Node indices of the rows, ascending (tree order is index order).
  mutable std::vector<std::size_t> rows_;
  mutable bool rowsStale_ = false;
};

}  // namespace listora
