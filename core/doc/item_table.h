#pragma once
// The item table: one row per item holding the eleven column texts (column 0
// is the icon index as text), the image path and the memo, plus the search
// mark of the list search.
//
// Rows are stored row-major, each as one packed string, so an item costs one
// allocation plus its text however many columns the table has, and whole-row
// moves (sorting, dragging, the list search) move one string per row.
//
// The table never holds the bytes the document file uses as separators: a
// column text never contains 0x07, 0x0A or NUL (a line break in a cell
// becomes one space, the other two a space as well); a memo or image path
// never contains 0x08 or NUL (replaced by a space; the memo keeps its line
// breaks). A saved document therefore always reads back as it was.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/settings.h"

namespace listora {

// Field indexes within a row: columns 0..10, then the image path and memo.
inline constexpr int kImageField = kMaxColumns;
inline constexpr int kMemoField = kMaxColumns + 1;
inline constexpr int kFieldCount = kMaxColumns + 2;

// `MakeIconIndex`: 1 for a memo, plus 2 for an image path, as decimal text.
std::string MakeIconIndex(std::string_view memo, std::string_view imagePath);

// The field setters' clean-up of separator bytes (see above).
std::string CleanColumnText(std::string_view text);
std::string CleanMemoText(std::string_view text);

// The texts of one item, for appending and inserting.
struct ItemFields {
  std::string columns[kMaxColumns];  // columns[0] is the icon index text
  std::string imagePath;
  std::string memo;
};

class CMySortStringArray {
 public:
  int GetSize() const { return static_cast<int>(rows_.size()); }
  bool IsEmpty() const { return rows_.empty(); }

  std::string_view Column(int column, int row) const { return Field(row, column); }
  std::string_view ImagePath(int row) const { return Field(row, kImageField); }
  std::string_view Memo(int row) const { return Field(row, kMemoField); }
  std::string_view IconIndex(int row) const { return Field(row, 0); }
  bool Marked(int row) const { return rows_.at(row).mark; }

  void SetColumn(int column, int row, std::string_view text);
  void SetImagePath(int row, std::string_view path);
  void SetMemo(int row, std::string_view memo);
  void SetMark(int row, bool mark) { rows_.at(row).mark = mark; }
  // Recomputes column 0 from the memo and image path.
  void UpdateIconIndex(int row);

  void AppendRow(const ItemFields& fields);
  void InsertRow(int row, const ItemFields& fields);
  void RemoveRow(int row);
  void ResizeRows(int count);
  void ClearRows();
  ItemFields GetRow(int row) const;
  // Replaces every field of a row at once (cheaper than field by field);
  // columns beyond the span are empty.
  void SetRow(int row, std::span<const std::string_view> columns, std::string_view imagePath,
              std::string_view memo);

  // Whole-table operations, each one linear pass.
  // Removes the given rows (ascending, distinct).
  void RemoveRows(std::span<const int> ascendingRows);
  // Stable move of all marked rows to the top; returns how many there were.
  int MoveMarkedToTop();
  // Reorders rows so that new row i is old row order[i] (a permutation).
  void Permute(std::span<const int> order);
  void SwapRows(int a, int b) { std::swap(rows_.at(a), rows_.at(b)); }

  // Column `from` takes column `from + 1`'s texts for all later columns;
  // the last column (index lastUsed) is emptied. Used when a column is
  // deleted; column 0, memo and image path never move.
  void ShiftColumnsLeft(int from, int lastUsed);

 private:
  struct Row {
    // Fields 0..12 separated by NUL; trailing empty fields are omitted.
    std::string packed;
    bool mark = false;
  };

  std::string_view Field(int row, int field) const;
  void SetField(int row, int field, std::string_view cleanText);
  static std::string Pack(const ItemFields& fields);

  std::vector<Row> rows_;
};

}  // namespace listora
