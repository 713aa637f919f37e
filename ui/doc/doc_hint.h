#pragma once
// What changed, passed to the views with UpdateAllViews so each refreshes
// only that. Every edit method of ListoraDoc sends exactly one, naming every
// kind of change the edit made (an undone import changes columns and rows).

#include <wx/object.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace listora {

class DocHint : public wxObject {
 public:
  enum class Kind {
    kNewDocument,     // a new document: everything, as at an initial update
    kOpenedDocument,  // an opened document: the same, and its search history
    kItems,           // rows were added, removed or reordered
    kColumns,         // the column descriptors changed
    kCells,           // texts or images of rows changed; the rows stay
    kSearchHistory,   // the search history changed
    kTexts,           // only column texts of rows changed; the rows stay
    kMemo,            // the memo (and so the icon) of one row changed
    kSettings,        // settings beyond the columns: styles, panes, bars
  };
  // `row`: for kItems the row to scroll into view, for kCells, kTexts and
  // kMemo the one row changed; -1 for none or any.
  explicit DocHint(Kind kind, long row = -1) : kind_(kind), kinds_(Bit(kind)), row_(row) {}
  // The first kind named.
  Kind GetKind() const { return kind_; }
  // The edit changed this as well.
  DocHint& Also(Kind kind) {
    kinds_ |= Bit(kind);
    return *this;
  }
  bool Has(Kind kind) const { return (kinds_ & Bit(kind)) != 0; }
  long Row() const { return row_; }

  // For kItems: rows first..last become the list's selection (none when
  // last < first), as after a list search or a drag move. Without it the
  // selection stays as it was.
  DocHint& Selecting(int first, int last) {
    selects_ = true;
    selectFirst_ = first;
    selectLast_ = last;
    return *this;
  }
  // For kItems: exactly `rows` (ascending) become the selection, as after
  // an undo or redo.
  DocHint& SelectingRows(std::vector<int> rows) {
    selects_ = true;
    rows_ = std::move(rows);
    listed_ = true;
    return *this;
  }
  bool Selects() const { return selects_; }
  // The rows of SelectingRows, when it was used.
  const std::vector<int>* SelectedRows() const { return listed_ ? &rows_ : nullptr; }
  int SelectFirst() const { return selectFirst_; }
  int SelectLast() const { return selectLast_; }

 private:
  static std::uint32_t Bit(Kind kind) { return std::uint32_t{1} << static_cast<int>(kind); }

  Kind kind_;
  std::uint32_t kinds_;
  long row_;
  bool selects_ = false;
  int selectFirst_ = 0;
  int selectLast_ = -1;
  bool listed_ = false;
  std::vector<int> rows_;
};

}  // namespace listora
