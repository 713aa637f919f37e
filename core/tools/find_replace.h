#pragma once
// The find and replace dialog's work: a find step walks the user columns
// cell by cell from the cell after the current match, down (columns left to
// right, rows increasing) or up (columns right to left, rows decreasing),
// and stops at the end of the table; it never wraps. Column 0 is never
// searched.

#include <functional>
#include <string>

#include "core/doc/item_table.h"
#include "core/tools/cell_matcher.h"

namespace listora {

enum class SearchDirection { kDown, kUp };

// A cell of the table; row and column -1 mean none.
struct CellPos {
  int row = -1;
  int column = -1;

  bool IsNone() const { return row < 0; }
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

// The dialog's controls. Texts are CP932.
struct FindReplaceOptions {
  std::string findText;
  std::string replaceText;
  bool matchCase = true;
  SearchDirection direction = SearchDirection::kDown;
};

// One find step over user columns 1..userColumns, starting after `current`
// (with none: down from row 0, column 1; up from row 0, last column, which
// searches the first row only). Returns the first matching cell or none.
CellPos FindStep(const ItemTable& items, int userColumns, CellPos current,
                 SearchDirection direction, const CellMatcher& matcher);

struct ReplaceAllResult {
  int cells = 0;         // cells changed; any change marks the document modified
  CellPos last;          // the last cell changed (the list view's highlighted cell)
  bool stopped = false;  // the progress asked to stop; earlier rows stay replaced
};

// Told how many rows have been done (of the row count); true stops.
using ReplaceProgress = std::function<bool(int rowsDone)>;

// "すべて置換": every matching cell from the first one down, each replaced
// once (a replacement that holds the search text is not searched again).
// The direction in `options` is not used. Ends with msg::kReplaceFinished.
// `progress` is called every few thousand rows and after the last one.
ReplaceAllResult ReplaceAll(ItemTable& items, int userColumns, const FindReplaceOptions& options,
                            const ReplaceProgress& progress = {});

struct FindStepResult {
  CellPos match;          // none: show msg::kFindFinished
  bool replaced = false;  // a cell was changed: mark the document modified
};

// The state of one opening of the dialog: the current match.
class FindReplaceSession {
 public:
  FindReplaceSession(ItemTable& items, int userColumns)
      : items_(items), userColumns_(userColumns) {}

  CellPos Current() const { return current_; }

  // "先頭から検索": forgets the current match, then a find step.
  FindStepResult FindFromTop(const FindReplaceOptions& options);
  // "次を検索".
  FindStepResult FindNext(const FindReplaceOptions& options);
  // "置換して次に": replaces in the current match's cell, then a find step.
  FindStepResult ReplaceAndFindNext(const FindReplaceOptions& options);
  // "すべて置換": sets the direction in `options` to down (the dialog shows
  // it), replaces from the first cell and forgets the current match.
  ReplaceAllResult ReplaceAll(FindReplaceOptions& options, const ReplaceProgress& progress = {});

 private:
  FindStepResult Step(const FindReplaceOptions& options, bool replaced);

  ItemTable& items_;
  int userColumns_;
  CellPos current_;
};

}  // namespace listora
