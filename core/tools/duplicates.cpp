#include "core/tools/duplicates.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/base/huge_pages.h"
#include "core/text/text_chars.h"

namespace listora {

namespace {

// Items examined between two progress calls: a call may repaint and
// dispatch a window message, which costs far more than hashing one cell.
constexpr int kProgressInterval = 4096;

}  // namespace

std::span<const int> DuplicateGroups::Group(int group) const {
  const auto first = static_cast<std::size_t>(groupStarts.at(group));
  const auto last = static_cast<std::size_t>(groupStarts.at(group + 1));
  return std::span<const int>(items).subspan(first, last - first);
}

int DuplicateGroups::GroupOfRow(int row) const {
  if (row < 0 || row >= RowCount()) throw std::out_of_range("duplicate result row");
  const auto next = std::upper_bound(groupStarts.begin(), groupStarts.end(), row);
  return static_cast<int>(next - groupStarts.begin()) - 1;
}

DuplicateGroups FindDuplicates(const ItemTable& items, int column,
                               const DuplicateProgress& progress) {
  if (column < 1 || column >= kMaxColumns) throw std::out_of_range("duplicate search column");
  DuplicateGroups result;
  const int count = items.GetSize();
  if (count < 2) return result;

  // Equal keys mean equal cells under the case-blind comparison of the
  // characters the user sees, and it is an equivalence: every class of
  // equal cells with two or more items is one group. The keys lie one
  // after another in one text.
  std::string keyText;
  std::vector<std::size_t> keyEnds;
  ReserveLarge(keyEnds, static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    keyText += FoldedTextKey(items.Cell(i, column));
    keyEnds.push_back(keyText.size());
  }
  const auto key = [&](int i) {
    const std::size_t begin = i == 0 ? 0 : keyEnds[static_cast<std::size_t>(i) - 1];
    return std::string_view(keyText).substr(begin, keyEnds[static_cast<std::size_t>(i)] - begin);
  };

  // Classes are numbered by first item, which is the order in which a scan
  // that pairs each ungrouped item with all later equal ones finds them.
  // Open addressing: each slot holds a class's first item, or -1.
  std::size_t slotCount = 1;
  while (slotCount < 2 * static_cast<std::size_t>(count)) slotCount *= 2;
  std::vector<int> slots;
  ReserveLarge(slots, slotCount);
  slots.assign(slotCount, -1);
  std::vector<int> classOf(count, -1);
  std::vector<int> classSize;
  // Once stopped, items only join classes opened before the stop, so the
  // groups found so far are still complete.
  int openLimit = count;
  const std::hash<std::string_view> hash;
  for (int i = 0; i < count; ++i) {
    const std::string_view text = key(i);
    std::size_t slot = hash(text) & (slotCount - 1);
    while (slots[slot] >= 0 && key(slots[slot]) != text) slot = (slot + 1) & (slotCount - 1);
    int cls;
    if (slots[slot] >= 0) {
      cls = classOf[slots[slot]];
    } else if (i < openLimit) {
      slots[slot] = i;
      cls = static_cast<int>(classSize.size());
      classSize.push_back(0);
    } else {
      continue;
    }
    classOf[i] = cls;
    ++classSize[cls];
    const int examined = i + 1;
    if (i < openLimit && progress && (examined % kProgressInterval == 0 || examined == count) &&
        progress(examined)) {
      result.stopped = true;
      openLimit = examined;
    }
  }

  // Group numbers and each group's first row, then the rows by counting
  // sort, which keeps items ascending within a group.
  std::vector<int> nextRow(classSize.size(), -1);
  int rows = 0;
  for (std::size_t cls = 0; cls < classSize.size(); ++cls) {
    if (classSize[cls] < 2) continue;
    nextRow[cls] = rows;
    rows += classSize[cls];
    result.groupStarts.push_back(rows);
  }
  result.items.resize(rows);
  for (int i = 0; i < count; ++i) {
    const int cls = classOf[i];
    if (cls >= 0 && nextRow[cls] >= 0) result.items[nextRow[cls]++] = i;
  }
  return result;
}

}  // namespace listora
