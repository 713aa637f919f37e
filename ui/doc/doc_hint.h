#pragma once
// What changed, passed to the views with UpdateAllViews so each refreshes
// only that.

#include <wx/object.h>

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
    kFinishEdits,     // a save or close comes next: commit edits in progress
  };
  // `row`: for kItems the row to scroll into view, for kCells the one row
  // changed; -1 for none or any.
  explicit DocHint(Kind kind, long row = -1) : kind_(kind), row_(row) {}
  Kind GetKind() const { return kind_; }
  long Row() const { return row_; }

 private:
  Kind kind_;
  long row_;
};

}  // namespace listora
