#include "core/panes/drag_move.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <utility>

namespace listora {

std::optional<DragMove> PlanDragMove(std::span<const int> draggedRows, int dropIndex,
                                     int itemCount) {
  if (dropIndex < 0 || itemCount <= 0) return std::nullopt;
  const int drop = std::min(dropIndex, itemCount);
  const auto count = static_cast<std::size_t>(itemCount);

  std::vector<bool> dragged(count, false);
  std::size_t moved = 0;
  int movedAbove = 0;  // dragged rows in front of the drop row
  for (const int row : draggedRows) {
    if (row < 0 || row >= itemCount || dragged[static_cast<std::size_t>(row)]) continue;
    dragged[static_cast<std::size_t>(row)] = true;
    ++moved;
    if (row < drop) ++movedAbove;
  }
  if (moved == 0) return std::nullopt;

  DragMove move;
  move.order.reserve(count);
  for (int row = 0; row < drop; ++row) {
    if (!dragged[static_cast<std::size_t>(row)]) move.order.push_back(row);
  }
  for (int row = 0; row < itemCount; ++row) {
    if (dragged[static_cast<std::size_t>(row)]) move.order.push_back(row);
  }
  for (int row = drop; row < itemCount; ++row) {
    if (!dragged[static_cast<std::size_t>(row)]) move.order.push_back(row);
  }
  move.selected.resize(moved);
  std::iota(move.selected.begin(), move.selected.end(), drop - movedAbove);
  return move;
}

std::optional<std::vector<int>> DropDraggedRows(ItemTable& items, std::span<const int> draggedRows,
                                                int dropIndex) {
  std::optional<DragMove> move = PlanDragMove(draggedRows, dropIndex, items.GetSize());
  if (!move) return std::nullopt;
  items.Permute(move->order);
  return std::move(move->selected);
}

}  // namespace listora
