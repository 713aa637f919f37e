#pragma once
// Duplicate search: groups the items that show the same text in one column,
// letter case aside (ASCII and full-width letters; a trail byte is never
// folded, so two different double-byte characters never compare equal). A
// reference is one character (core/text/text_chars.h), so an inserted file
// name "a〜b" and a typed "a〜b" are one text.
//
// Groups are numbered in the order of their first item and list their items
// in ascending order, which is the order the result dialog shows. The search
// hashes each folded cell once, so it stays linear however many groups
// there are.

#include <functional>
#include <span>
#include <vector>

#include "core/doc/item_table.h"

namespace listora {

// Told how many items have been examined (the progress bar runs from 0 to
// the item count); returns true to stop the search.
using DuplicateProgress = std::function<bool(int examined)>;

struct DuplicateGroups {
  // The result rows in dialog order: the item index of each row.
  std::vector<int> items;
  // The first result row of each group, then the row count.
  std::vector<int> groupStarts{0};
  // The search was stopped; the groups are those whose first item had been
  // examined, each complete.
  bool stopped = false;

  int GroupCount() const { return static_cast<int>(groupStarts.size()) - 1; }
  int RowCount() const { return static_cast<int>(items.size()); }
  std::span<const int> Group(int group) const;
  // The group number of result row `row`.
  int GroupOfRow(int row) const;
};

// Searches column `column` (1..kMaxColumns-1; std::out_of_range otherwise).
// `progress` is called every few thousand items and after the last one.
DuplicateGroups FindDuplicates(const ItemTable& items, int column,
                               const DuplicateProgress& progress = {});

}  // namespace listora
