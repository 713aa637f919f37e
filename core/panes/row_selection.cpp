#include "core/panes/row_selection.h"

#include <algorithm>
#include <utility>

namespace listora {

void RowSelection::SetRowCount(int count) {
  rowCount_ = std::max(count, 0);
  while (!ranges_.empty() && ranges_.back().first >= rowCount_) {
    count_ -= ranges_.back().last - ranges_.back().first + 1;
    ranges_.pop_back();
  }
  if (!ranges_.empty() && ranges_.back().last >= rowCount_) {
    count_ -= ranges_.back().last - (rowCount_ - 1);
    ranges_.back().last = rowCount_ - 1;
  }
  focus_ = ValidRow(focus_);
  anchor_ = ValidRow(anchor_);
}

std::size_t RowSelection::FirstEndingFrom(int row) const {
  return static_cast<std::size_t>(
      std::partition_point(ranges_.begin(), ranges_.end(),
                           [row](const Range& range) { return range.last < row; }) -
      ranges_.begin());
}

bool RowSelection::IsSelected(int row) const {
  const std::size_t i = FirstEndingFrom(row);
  return i < ranges_.size() && ranges_[i].first <= row;
}

std::vector<int> RowSelection::Rows() const {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(count_));
  for (const Range& range : ranges_)
    for (int row = range.first; row <= range.last; ++row) rows.push_back(row);
  return rows;
}

int RowSelection::NextSelected(int row) const {
  const int from = std::max(row + 1, 0);
  const std::size_t i = FirstEndingFrom(from);
  if (i == ranges_.size()) return -1;
  return std::max(ranges_[i].first, from);
}

void RowSelection::SetRange(int first, int last, bool selected) {
  if (first > last) std::swap(first, last);
  first = std::max(first, 0);
  last = std::min(last, rowCount_ - 1);
  if (first > last) return;
  // The ranges touching first..last (or adjacent to it, when selecting)
  // are replaced by what remains of them.
  const int reach = selected ? 1 : 0;
  auto begin = ranges_.begin() + static_cast<std::ptrdiff_t>(FirstEndingFrom(first - reach));
  auto end = begin;
  std::vector<Range> replacement;
  if (selected) {
    Range merged{first, last};
    while (end != ranges_.end() && end->first <= last + 1) {
      merged.first = std::min(merged.first, end->first);
      merged.last = std::max(merged.last, end->last);
      count_ -= end->last - end->first + 1;
      ++end;
    }
    count_ += merged.last - merged.first + 1;
    replacement.push_back(merged);
  } else {
    while (end != ranges_.end() && end->first <= last) {
      count_ -= end->last - end->first + 1;
      if (end->first < first) replacement.push_back({end->first, first - 1});
      if (end->last > last) replacement.push_back({last + 1, end->last});
      ++end;
    }
    for (const Range& range : replacement) count_ += range.last - range.first + 1;
  }
  // Overwrite in place where the sizes allow, so appending a row after the
  // last range or growing one stays cheap.
  const auto removed = end - begin;
  const auto added = static_cast<std::ptrdiff_t>(replacement.size());
  const auto shared = std::min(removed, added);
  std::copy_n(replacement.begin(), shared, begin);
  if (added > removed)
    ranges_.insert(begin + shared, replacement.begin() + shared, replacement.end());
  else
    ranges_.erase(begin + shared, end);
}

void RowSelection::SelectAll() {
  ranges_.clear();
  count_ = 0;
  SetRange(0, rowCount_ - 1, true);
}

void RowSelection::Clear() {
  ranges_.clear();
  count_ = 0;
}

void RowSelection::Invert() {
  std::vector<Range> gaps;
  gaps.reserve(ranges_.size() + 1);
  int next = 0;
  for (const Range& range : ranges_) {
    if (range.first > next) gaps.push_back({next, range.first - 1});
    next = range.last + 1;
  }
  if (next < rowCount_) gaps.push_back({next, rowCount_ - 1});
  ranges_ = std::move(gaps);
  count_ = rowCount_ - count_;
}

void RowSelection::SetFocus(int row) { focus_ = ValidRow(row); }
void RowSelection::SetAnchor(int row) { anchor_ = ValidRow(row); }

void RowSelection::Click(int row, bool ctrl, bool shift) {
  if (ValidRow(row) < 0) return;
  const int anchor = anchor_ >= 0 ? anchor_ : row;
  if (shift) {
    if (!ctrl) Clear();
    SetRange(anchor, row, true);
  } else if (ctrl) {
    Set(row, !IsSelected(row));
  } else {
    Clear();
    Set(row, true);
  }
  focus_ = row;
  anchor_ = shift ? anchor : row;
}

void RowSelection::MoveFocus(int row, bool ctrl, bool shift) {
  if (ValidRow(row) < 0) return;
  if (shift) {
    const int anchor = anchor_ >= 0 ? anchor_ : (focus_ >= 0 ? focus_ : row);
    Clear();
    SetRange(anchor, row, true);
    anchor_ = anchor;
  } else if (!ctrl) {
    Clear();
    Set(row, true);
    anchor_ = row;
  }
  focus_ = row;
}

}  // namespace listora
