#include "core/panes/tree_outline.h"

#include <algorithm>

namespace listora {

void TreeOutline::Reset(const GroupingTree* tree) {
  tree_ = tree;
  open_.assign(tree ? tree->nodes.size() : 0, 0);
  rows_.clear();
  rows_.shrink_to_fit();
  rowsStale_ = true;
}

bool TreeOutline::HasChildren(std::size_t node) const {
  return node + 1 < open_.size() && Depth(node + 1) > Depth(node);
}

void TreeOutline::SetOpen(std::size_t node, bool open) {
  if (!HasChildren(node) || (open_[node] != 0) == open) return;
  open_[node] = open ? 1 : 0;
  rowsStale_ = true;
}

std::size_t TreeOutline::Parent(std::size_t node) const {
  if (node >= open_.size() || Depth(node) == 0) return kNone;
  const int depth = Depth(node);
  // Earlier siblings and their subtrees lie between a node and its parent.
  for (std::size_t k = node; k-- > 0;) {
    if (Depth(k) < depth) return k;
  }
  return kNone;
}

std::size_t TreeOutline::SubtreeEnd(std::size_t node) const {
  if (node >= open_.size()) return open_.size();
  const int depth = Depth(node);
  std::size_t end = node + 1;
  while (end < open_.size() && Depth(end) > depth) ++end;
  return end;
}

void TreeOutline::Reveal(std::size_t node) {
  for (std::size_t up = Parent(node); up != kNone; up = Parent(up)) SetOpen(up, true);
}

std::size_t TreeOutline::ShownAncestor(std::size_t node) const {
  if (node >= open_.size()) return kNone;
  std::size_t shown = node;
  for (std::size_t up = Parent(node); up != kNone; up = Parent(up)) {
    if (!IsOpen(up)) shown = up;
  }
  return shown;
}

std::size_t TreeOutline::NodeAt(std::size_t row) const {
  const std::vector<std::size_t>& rows = Rows();
  return row < rows.size() ? rows[row] : kNone;
}

std::size_t TreeOutline::RowOf(std::size_t node) const {
  const std::vector<std::size_t>& rows = Rows();
  const auto at = std::lower_bound(rows.begin(), rows.end(), node);
  return at != rows.end() && *at == node ? static_cast<std::size_t>(at - rows.begin()) : kNone;
}

const std::vector<std::size_t>& TreeOutline::Rows() const {
  if (!rowsStale_) return rows_;
  rows_.clear();
  const std::size_t count = open_.size();
  for (std::size_t k = 0; k < count;) {
    rows_.push_back(k);
    if (open_[k] != 0) {
      ++k;
      continue;
    }
    const int depth = Depth(k);
    for (++k; k < count && Depth(k) > depth;) ++k;
  }
  rowsStale_ = false;
  return rows_;
}

}  // namespace listora
