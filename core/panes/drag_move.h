#pragma once
// The row move that ends a drag in the list view: the dragged rows, in their
// old order, land together in front of the drop row.

#include <optional>
#include <span>
#include <vector>

#include "core/doc/item_table.h"

namespace listora {

struct DragMove {
  std::vector<int> order;     // new row i is old row order[i]
  std::vector<int> selected;  // the moved rows' new indexes, ascending
};

// `draggedRows` are the selected rows when the drag began; rows outside the
// table are ignored. `dropIndex` is the row in front of which they land
// (beyond the last row: at the end; negative: no valid place). A drop onto
// one of the dragged rows leaves them together around it. nullopt when
// nothing moves, in which case the selection stays as it was.
std::optional<DragMove> PlanDragMove(std::span<const int> draggedRows, int dropIndex,
                                     int itemCount);

// Plans the move and applies it to the table; returns the rows to select.
std::optional<std::vector<int>> DropDraggedRows(ItemTable& items, std::span<const int> draggedRows,
                                                int dropIndex);

}  // namespace listora
