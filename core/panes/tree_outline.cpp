#include "core/panes/tree_outline.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace listora {

void TreeOutline::Reset(const GroupingTree* tree) {
  const std::size_t count = tree ? tree->NodeCount() : 0;
  if (count > UINT32_MAX) throw std::bad_alloc();
  tree_ = tree;
  open_.assign(count, false);
  runs_.clear();
  runs_.shrink_to_fit();
  rowsStale_ = true;
}

bool TreeOutline::HasChildren(std::size_t node) const {
  return node + 1 < open_.size() && Depth(node + 1) > Depth(node);
}

void TreeOutline::SetOpen(std::size_t node, bool open) {
  if (!HasChildren(node) || open_[node] == open) return;
  open_[node] = open;
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
  return node >= open_.size() ? open_.size() : tree_->SubtreeEnd(node);
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
  const std::vector<Run>& runs = Runs();
  if (row >= rowCount_) return kNone;
  const auto after = std::upper_bound(runs.begin(), runs.end(), row,
                                      [](std::size_t r, const Run& run) { return r < run.row; });
  const Run& run = *(after - 1);
  return run.node + (row - run.row);
}

std::size_t TreeOutline::RowOf(std::size_t node) const {
  const std::vector<Run>& runs = Runs();
  const auto after = std::upper_bound(runs.begin(), runs.end(), node,
                                      [](std::size_t n, const Run& run) { return n < run.node; });
  if (after == runs.begin()) return kNone;
  const Run& run = *(after - 1);
  const std::size_t row = run.row + (node - run.node);
  const std::size_t runEnd = after == runs.end() ? rowCount_ : after->row;
  return row < runEnd ? row : kNone;
}

const std::vector<TreeOutline::Run>& TreeOutline::Runs() const {
  if (!rowsStale_) return runs_;
  runs_.clear();
  rowCount_ = 0;
  const std::size_t count = open_.size();
  for (std::size_t k = 0; k < count;) {
    // A node right after the last row's node continues its run.
    if (runs_.empty() || runs_.back().node + (rowCount_ - runs_.back().row) != k)
      runs_.push_back({static_cast<std::uint32_t>(rowCount_), static_cast<std::uint32_t>(k)});
    ++rowCount_;
    if (open_[k]) {
      ++k;
      continue;
    }
    const int depth = Depth(k);
    for (++k; k < count && Depth(k) > depth;) ++k;
  }
  rowsStale_ = false;
  return runs_;
}

}  // namespace listora
