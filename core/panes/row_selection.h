#pragma once
// The list's selection: the selected rows kept as sorted, disjoint ranges,
// so selecting every one of a million rows, inverting that or reading it
// back costs time in the number of ranges (or of rows read), never rows
// times rows. Also the focused row and the anchor a Shift gesture extends
// from, with the gestures of a multiple-selection list.

#include <cstddef>
#include <vector>

namespace listora {

class RowSelection {
 public:
  struct Range {
    int first;
    int last;  // inclusive
    bool operator==(const Range&) const = default;
  };

  int RowCount() const { return rowCount_; }
  // A new row count drops what lies beyond it, focus and anchor included.
  void SetRowCount(int count);

  bool IsSelected(int row) const;
  // Selected rows, kept up to date.
  int Count() const { return count_; }
  // Every selected row, ascending.
  std::vector<int> Rows() const;
  const std::vector<Range>& Ranges() const { return ranges_; }
  // The first selected row after `row` (pass -1 for the first); -1 if none.
  int NextSelected(int row) const;

  // Rows first..last (either order, clipped to the table) become
  // selected or not.
  void SetRange(int first, int last, bool selected);
  void Set(int row, bool selected) { SetRange(row, row, selected); }
  void SelectAll();
  void Clear();
  void Invert();

  // The focused row, -1 for none; the anchor of range gestures.
  int Focus() const { return focus_; }
  int Anchor() const { return anchor_; }
  void SetFocus(int row);
  void SetAnchor(int row);

  // A click on `row`: alone selects it; Ctrl toggles it; Shift selects the
  // rows from the anchor to it instead of the selection; Ctrl+Shift adds
  // those rows. The row becomes the focus; the anchor moves unless Shift.
  void Click(int row, bool ctrl, bool shift);
  // The focus moves to `row` by a key: alone the row becomes the selection;
  // Shift selects the rows from the anchor to it; Ctrl only moves the focus.
  void MoveFocus(int row, bool ctrl, bool shift);

 private:
  int ValidRow(int row) const { return row >= 0 && row < rowCount_ ? row : -1; }
  // The index of the first range that ends at or after `row`.
  std::size_t FirstEndingFrom(int row) const;

  int rowCount_ = 0;
  std::vector<Range> ranges_;
  int count_ = 0;
  int focus_ = -1;
  int anchor_ = -1;
};

}  // namespace listora
