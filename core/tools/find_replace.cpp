#include "core/tools/find_replace.h"

#include <algorithm>

namespace listora {

namespace {

int ClampColumns(int userColumns) { return std::clamp(userColumns, 0, kMaxColumns - 1); }

// Replaces in one cell; false when the cell (no longer) matches.
bool ReplaceInCell(ItemTable& items, CellPos cell, const CellMatcher& matcher,
                   std::string_view replacement) {
  auto changed = matcher.Replace(items.Cell(cell.row, cell.column), replacement);
  if (!changed) return false;
  items.SetCell(cell.row, cell.column, *changed);
  return true;
}

}  // namespace

CellPos FindStep(const ItemTable& items, int userColumns, CellPos current,
                 SearchDirection direction, const CellMatcher& matcher) {
  const int columns = ClampColumns(userColumns);
  const int count = items.GetSize();
  if (columns == 0 || count == 0) return {};

  if (direction == SearchDirection::kDown) {
    int row = 0;
    int column = 1;
    if (!current.IsNone()) {
      row = current.row;
      column = current.column + 1;
      if (column > columns) {
        ++row;
        column = 1;
      }
    }
    for (; row < count; ++row, column = 1) {
      for (; column <= columns; ++column) {
        if (matcher.Matches(items.Cell(row, column))) return {row, column};
      }
    }
    return {};
  }

  int row = 0;
  int column = columns;
  if (!current.IsNone()) {
    row = current.row;
    column = std::min(current.column, columns + 1) - 1;
    if (column < 1) {
      --row;
      column = columns;
    }
  }
  if (row >= count) {
    row = count - 1;
    column = columns;
  }
  for (; row >= 0; --row, column = columns) {
    for (; column >= 1; --column) {
      if (matcher.Matches(items.Cell(row, column))) return {row, column};
    }
  }
  return {};
}

ReplaceAllResult ReplaceAll(ItemTable& items, int userColumns, const FindReplaceOptions& options,
                            const ReplaceProgress& progress) {
  // The same cells, in the same order, as find steps down from the top.
  constexpr int kRowsPerReport = 4096;
  const CellMatcher matcher(options.findText, options.matchCase);
  const int columns = ClampColumns(userColumns);
  const int count = items.GetSize();
  ReplaceAllResult result;
  for (int row = 0; row < count; ++row) {
    for (int column = 1; column <= columns; ++column) {
      if (ReplaceInCell(items, {row, column}, matcher, options.replaceText)) {
        ++result.cells;
        result.last = {row, column};
      }
    }
    if (progress && ((row + 1) % kRowsPerReport == 0 || row + 1 == count) && progress(row + 1) &&
        row + 1 < count) {
      result.stopped = true;
      break;
    }
  }
  return result;
}

FindStepResult FindReplaceSession::Step(const FindReplaceOptions& options, bool replaced) {
  const CellMatcher matcher(options.findText, options.matchCase);
  current_ = FindStep(items_, userColumns_, current_, options.direction, matcher);
  return {current_, replaced};
}

FindStepResult FindReplaceSession::FindFromTop(const FindReplaceOptions& options) {
  current_ = {};
  return Step(options, false);
}

FindStepResult FindReplaceSession::FindNext(const FindReplaceOptions& options) {
  return Step(options, false);
}

FindStepResult FindReplaceSession::ReplaceAndFindNext(const FindReplaceOptions& options) {
  bool replaced = false;
  if (!current_.IsNone() && current_.row < items_.GetSize()) {
    const CellMatcher matcher(options.findText, options.matchCase);
    replaced = ReplaceInCell(items_, current_, matcher, options.replaceText);
  }
  return Step(options, replaced);
}

ReplaceAllResult FindReplaceSession::ReplaceAll(FindReplaceOptions& options,
                                                const ReplaceProgress& progress) {
  options.direction = SearchDirection::kDown;
  current_ = {};
  return listora::ReplaceAll(items_, userColumns_, options, progress);
}

}  // namespace listora
