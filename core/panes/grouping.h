#pragma once
// The tree view's grouping: a snapshot of the items grouped by the column at
// one display position, the columns after it (in display order, wrapping
// round) as lower levels; and the tree as indented clipboard text.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

// One node. The nodes of a tree are listed in pre-order: a node's children
// follow it (depth + 1), in sibling order, before its next sibling.
struct TreeNode {
  std::string_view text;  // held by the tree (GroupingTree::texts) when built
  int column = 0;         // the table column the text came from; also its icon number
  int depth = 0;          // 0 for a parent item
};

struct GroupingTree {
  std::vector<TreeNode> nodes;
  // The texts the nodes of a built tree view, copied from the table once, so
  // that a node costs no allocation of its own and the tree outlives changes
  // of the table.
  std::shared_ptr<const std::string> texts;
  int parentCount = 0;     // depth-0 nodes
  bool cancelled = false;  // stopped before the last group; the nodes so far stay
};

// Called after each group of rows with one key, with the number of sorted rows
// done so far (out of the item count); returns true to stop building.
using GroupingProgress = std::function<bool(int rowsDone)>;

// The table columns used as levels 0..L-1 when grouping at display position
// `position` (1..4): the columns shown at positions position..L, then 1..
// position-1, where L = min(4, displayOrder.size() - 1). `displayOrder[p]` is
// the column shown p-th from the left, column 0 included. Empty when the
// position is not available or the order names a column outside 0..10.
std::vector<int> GroupingLevels(std::span<const int> displayOrder, int position);

// The display order of freshly loaded columns: 0..C-1.
std::vector<int> StoredDisplayOrder(const ColumnDescriptors& columns);

// Groups all items. Siblings are in code order (cp932::MbsCompare); nodes of
// the first three levels are shared by all rows with the same texts along the
// path, while fourth-level nodes come one per row. nullopt, meaning "leave
// the tree as it is", for an empty table or an unavailable position. The
// table is only read, and only before the first progress call.
std::optional<GroupingTree> BuildGroupingTree(const ItemTable& items,
                                              std::span<const int> displayOrder, int position,
                                              const GroupingProgress& progress = {});

// The tree as CP932 text: one line per node ending in "\r\n", indented by one
// tab per level, with trailing white space removed from the whole text.
std::string TreeClipboardText(const GroupingTree& tree);

}  // namespace listora
