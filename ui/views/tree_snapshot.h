#pragma once
// The grouping the tree control shows: the core's nodes and the control's
// item for each, index for index, so commands can go from an item back to
// the exact CP932 text and position it came from.

#include <wx/treebase.h>

#include <cstddef>
#include <functional>
#include <vector>

#include "core/views/grouping.h"

class wxTreeCtrl;

namespace listora {

class TreeSnapshot {
 public:
  // Asked before each parent item with the number of nodes appended so far;
  // true stops the appending there.
  using StopAsk = std::function<bool(std::size_t appended)>;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  explicit TreeSnapshot(wxTreeCtrl& tree) : tree_(tree) {}

  // Appends the nodes of `built` below the control's hidden root, each with
  // the header icon of its column. What a stop leaves out is dropped from
  // the snapshot too, so its parent count is what the control shows.
  void Fill(GroupingTree built, const StopAsk& stop);
  // Deletes every node.
  void Clear();

  const GroupingTree& Grouping() const { return grouping_; }
  bool Empty() const { return ids_.empty(); }
  // The node index of `item`; kNone for the root or an invalid item.
  std::size_t IndexOf(const wxTreeItemId& item) const;

  // Expands or collapses the nodes given by index. Each collapse makes the
  // control lay out every item in sight again; when that would be too much
  // work, the nodes are appended anew with the same open nodes less these.
  void Expand(const std::vector<std::size_t>& nodes);
  void Collapse(const std::vector<std::size_t>& nodes);

 private:
  std::size_t VisibleCount() const;

  wxTreeCtrl& tree_;
  GroupingTree grouping_;
  std::vector<wxTreeItemId> ids_;
};

}  // namespace listora
