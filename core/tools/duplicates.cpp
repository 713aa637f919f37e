#include "core/tools/duplicates.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

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
  // equal cells with two or more items is one group.
  std::vector<std::string> keys(count);
  for (int i = 0; i < count; ++i) keys[i] = FoldedTextKey(items.Cell(i, column));

  // Classes are numbered by first item, which is the order in which a scan
  // that pairs each ungrouped item with all later equal ones finds them.
  std::unordered_map<std::string_view, int> classOfKey;
  classOfKey.reserve(count);
  std::vector<int> classOf(count, -1);
  std::vector<int> classSize;
  // Once stopped, items only join classes opened before the stop, so the
  // groups found so far are still complete.
  int openLimit = count;
  for (int i = 0; i < count; ++i) {
    int cls;
    if (i < openLimit) {
      const auto [it, added] = classOfKey.try_emplace(keys[i], static_cast<int>(classSize.size()));
      if (added) classSize.push_back(0);
      cls = it->second;
    } else {
      const auto it = classOfKey.find(keys[i]);
      if (it == classOfKey.end()) continue;
      cls = it->second;
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
