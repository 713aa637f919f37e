#pragma once
// Which nodes of a grouping tree are open, and the rows that makes: every
// node whose ancestors are all open, in tree order. The rows are worked out
// again only when asked for after a change, in one pass over the nodes, so
// opening or closing any number of nodes costs time linear in the tree at
// worst. They are kept as runs of consecutive nodes: a fully open tree is
// one run, and no layout of open nodes costs more than eight bytes a row.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/panes/grouping.h"

namespace listora {

class TreeOutline {
 public:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  // The tree shown, every node closed. It must outlive its use here.
  // Throws std::bad_alloc for a tree of 2^32 nodes or more.
  void Reset(const GroupingTree* tree);

  bool HasChildren(std::size_t node) const;
  bool IsOpen(std::size_t node) const { return node < open_.size() && open_[node]; }
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

  std::size_t RowCount() const {
    Runs();
    return rowCount_;
  }
  std::size_t NodeAt(std::size_t row) const;
  // The row of `node`; kNone when it is hidden or unknown.
  std::size_t RowOf(std::size_t node) const;

 private:
  // Rows row.. of the run show nodes node.., one each, up to the next run.
  struct Run {
    std::uint32_t row;
    std::uint32_t node;
  };

  // The runs, worked out again if stale.
  const std::vector<Run>& Runs() const;
  int Depth(std::size_t node) const { return tree_->Depth(node); }

  const GroupingTree* tree_ = nullptr;
  std::vector<bool> open_;
  mutable std::vector<Run> runs_;  // ascending in both row and node
  mutable std::size_t rowCount_ = 0;
  mutable bool rowsStale_ = false;
};

}  // namespace listora
