#pragma once
// The tree view's grouping: a snapshot of the items grouped by the column at
// one display position, the columns after it (in display order, wrapping
// round) as lower levels; and the tree as indented clipboard text.

#include <cstddef>
#include <cstdint>
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

// The nodes of a tree are listed in pre-order: a node's children follow it
// (depth + 1), in sibling order, before its next sibling. Every node was
// added by the first row of the table (in tree order) that lies below it,
// and the nodes one row added form a chain, each one level below the last:
// so a node is its depth alone, and its text is read from its chain's row
// at its depth's column. A chain starts wherever the depth does not grow.
// The tree takes about one byte per node and eight per row.
struct GroupingTree {
  std::vector<std::uint8_t> depths;
  // The record (ItemTable::RecordOf) each chain's texts are read from.
  std::vector<const char*> chainRecords;
  // Chains starting before node kBlock * b, for each b: finding a node's
  // chain then takes counting starts within one block.
  static constexpr std::size_t kBlock = 64;
  std::vector<std::uint32_t> chainsBefore;
  std::vector<int> levels;  // the table column of each depth
  // Keeps the records the chains point into, so that the tree outlives
  // changes of the table.
  std::shared_ptr<const void> recordOwners;
  int parentCount = 0;     // depth-0 nodes
  bool cancelled = false;  // stopped before the last group; the nodes so far stay

  std::size_t NodeCount() const { return depths.size(); }
  int Depth(std::size_t node) const { return depths[node]; }
  bool StartsChain(std::size_t node) const { return node == 0 || depths[node] <= depths[node - 1]; }
  std::string_view Text(std::size_t node) const;
  // One past the last node below `node`; NodeCount() for a node past it.
  std::size_t SubtreeEnd(std::size_t node) const;
  // The table column the node's text came from; also its icon number.
  int Column(std::size_t node) const { return levels[depths[node]]; }
};

// Called after each group of rows with one key, with the number of sorted rows
// done so far (out of the item count), and with 0 now and then while the
// rows are first read; returns true to stop building.
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
// The same text handed to `sink` in pieces of about a megabyte, each but
// the last ending with a line, so that a piece converts on its own and a
// tree of any size is written without holding its whole text.
void WriteTreeText(const GroupingTree& tree, const std::function<void(std::string_view)>& sink);

}  // namespace listora
