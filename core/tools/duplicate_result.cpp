#include "core/tools/duplicate_result.h"

#include <algorithm>
#include <string_view>

#include "core/base/message_format.h"
#include "core/base/messages.h"

namespace listora {

namespace {}  // namespace

std::vector<int> ResultColumns(int searched, int userColumns) {
  std::vector<int> columns{searched};
  for (int c = 1; c <= userColumns; ++c) {
    if (c != searched) columns.push_back(c);
  }
  return columns;
}

void DuplicateTicks::Set(int row, bool ticked) {
  if (ticked_.at(row) == ticked) return;
  ticked_[row] = ticked;
  count_ += ticked ? 1 : -1;
}

std::vector<int> DuplicateTicks::TickedItems(const DuplicateGroups& groups) const {
  std::vector<int> items;
  items.reserve(static_cast<std::size_t>(count_));
  for (std::size_t row = 0; row < ticked_.size() && row < groups.items.size(); ++row) {
    if (ticked_[row]) items.push_back(groups.items[row]);
  }
  std::sort(items.begin(), items.end());
  return items;
}

std::string DuplicateRowsLabel(int rows) { return FormatMessage(msg::kDuplicateRowsFormat, rows); }

std::string DuplicateTickedLabel(int ticked) {
  return FormatMessage(msg::kDuplicateTickedFormat, ticked);
}

std::string DuplicateGroupsLabel(int groups) {
  return FormatMessage(msg::kDuplicateGroupsFormat, groups);
}

}  // namespace listora
