#pragma once
// What the duplicate search's result dialog shows and keeps: its columns,
// the shading of every other group, the ticked rows and the label texts.

#include <cstdint>
#include <string>
#include <vector>

#include "core/tools/duplicates.h"

namespace listora {

// Background of the rows of odd-numbered groups, RGB(255, 220, 220) as
// 0x00BBGGRR; even-numbered groups keep the list's own background.
inline constexpr std::uint32_t kShadedGroupBackground = 0x00DCDCFF;
constexpr bool IsShadedGroup(int group) { return group % 2 == 1; }

// The result list's columns: the searched column first, then the other
// user columns 1..userColumns in ascending order.
std::vector<int> ResultColumns(int searched, int userColumns);

// The ticks of the result rows and their count.
class DuplicateTicks {
 public:
  explicit DuplicateTicks(int rowCount) : ticked_(static_cast<std::size_t>(rowCount), false) {}

  // Setting a row to the state it has already leaves the count as it is.
  void Set(int row, bool ticked);
  bool IsTicked(int row) const { return ticked_.at(row); }
  int Count() const { return count_; }
  // The items of the ticked rows, ascending: the list view's new selection.
  std::vector<int> TickedItems(const DuplicateGroups& groups) const;

 private:
  std::vector<bool> ticked_;
  int count_ = 0;
};

// UTF-8 label texts of the result dialog.
std::string DuplicateRowsLabel(int rows);
std::string DuplicateTickedLabel(int ticked);
std::string DuplicateGroupsLabel(int groups);

}  // namespace listora
