#include "ui/views/tree_snapshot.h"

#include <wx/treectrl.h>

#include <algorithm>
#include <array>
#include <climits>

#include "ui/app/text_convert.h"
#include "ui/views/list_icons.h"

namespace listora {

namespace {
constexpr std::size_t kMaxDepth = 4;
// Item layouts that collapsing one by one may cost before the nodes are
// appended anew instead (about a second's work).
constexpr std::size_t kCollapseLayoutBudget = 20'000'000;
}  // namespace

void TreeSnapshot::Fill(GroupingTree built, const StopAsk& stop) {
  const wxTreeItemId root = tree_.GetRootItem();
  std::array<wxTreeItemId, kMaxDepth> parents;
  ids_.reserve(built.nodes.size());
  int parentCount = 0;
  std::size_t k = 0;
  for (; k < built.nodes.size(); ++k) {
    const TreeNode& node = built.nodes[k];
    const auto depth = static_cast<std::size_t>(node.depth);
    if (depth == 0) {
      if (stop && stop(k)) break;
      ++parentCount;
    }
    const int image = HeaderIcon(node.column);
    parents[depth] =
        tree_.AppendItem(depth == 0 ? root : parents[depth - 1], ToWx(node.text), image, image);
    ids_.push_back(parents[depth]);
  }
  if (k < built.nodes.size()) {
    built.nodes.resize(k);
    built.cancelled = true;
  }
  built.parentCount = parentCount;
  grouping_ = std::move(built);
}

void TreeSnapshot::Clear() {
  tree_.DeleteChildren(tree_.GetRootItem());
  ids_.clear();
  grouping_ = GroupingTree{};
}

std::size_t TreeSnapshot::IndexOf(const wxTreeItemId& item) const {
  if (!item.IsOk()) return kNone;
  const auto at = std::find(ids_.begin(), ids_.end(), item);
  return at == ids_.end() ? kNone : static_cast<std::size_t>(at - ids_.begin());
}

void TreeSnapshot::Expand(const std::vector<std::size_t>& nodes) {
  for (const std::size_t k : nodes) tree_.Expand(ids_[k]);
}

void TreeSnapshot::Collapse(const std::vector<std::size_t>& nodes) {
  std::vector<std::size_t> open;
  for (const std::size_t k : nodes) {
    if (tree_.IsExpanded(ids_[k])) open.push_back(k);
  }
  if (open.empty()) return;
  if (open.size() <= kCollapseLayoutBudget / std::max<std::size_t>(VisibleCount(), 1)) {
    for (const std::size_t k : open) tree_.Collapse(ids_[k]);
    return;
  }
  // Fresh items are collapsed; the ones that stay open are opened again.
  std::vector<char> keepOpen(ids_.size());
  for (std::size_t k = 0; k < ids_.size(); ++k) keepOpen[k] = tree_.IsExpanded(ids_[k]);
  for (const std::size_t k : open) keepOpen[k] = 0;
  const std::size_t selected = IndexOf(tree_.GetSelection());
  GroupingTree grouping = std::move(grouping_);
  Clear();
  Fill(std::move(grouping), {});
  for (std::size_t k = 0; k < ids_.size(); ++k) {
    if (keepOpen[k]) tree_.Expand(ids_[k]);
  }
  if (selected != kNone) tree_.SelectItem(ids_[selected]);
}

std::size_t TreeSnapshot::VisibleCount() const {
  // Nodes in pre-order: a node is in sight unless an ancestor is collapsed.
  std::size_t visible = 0;
  int closedDepth = INT_MAX;  // depth of the collapsed ancestor, if any
  for (std::size_t k = 0; k < ids_.size(); ++k) {
    const int depth = grouping_.nodes[k].depth;
    if (depth <= closedDepth) closedDepth = INT_MAX;
    if (closedDepth != INT_MAX) continue;
    ++visible;
    if (!tree_.IsExpanded(ids_[k])) closedDepth = depth;
  }
  return visible;
}

}  // namespace listora
