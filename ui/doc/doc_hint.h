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
  };
  explicit DocHint(Kind kind) : kind_(kind) {}
  Kind GetKind() const { return kind_; }

 private:
  Kind kind_;
};

}  // namespace listora
