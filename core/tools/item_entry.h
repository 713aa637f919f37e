#pragma once
// The item entry dialog's rules: the bulk text, in which the fields of an
// item are typed on one line separated by "/", its field count and split,
// the checks on OK, and the walk through the selected items when they are
// modified one after another. Texts are CP932.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/item_table.h"

namespace listora {

// The number of fields of a bulk text: the number of "/" plus one, and 0
// for an empty text.
int BulkFieldCount(std::string_view bulk);

// The texts joined by "/", without the whole run of "/" at the end (so
// trailing empty texts leave no separators): the column-name line, and the
// bulk text of a loaded item.
std::string JoinFields(std::span<const std::string> texts);

// The field-count line (UTF-8).
std::string FieldCountLabel(int count);

// The bulk text after an edit: when the edited text has more fields than
// there are columns it is refused and the previous text stays.
struct BulkEdit {
  std::string text;
  int fieldCount = 0;
  bool refused = false;  // show msg::kTooManyFields
};
BulkEdit CheckBulkEdit(std::string_view edited, std::string_view previous, int columns);

// Splits a bulk text into `values` (index 0 = column 1) at each "/"; fields
// between two "/" give empty values, and columns after the last field keep
// the values they had. Fields beyond values.size() are dropped.
void SplitBulkText(std::string_view bulk, std::vector<std::string>& values);

enum class EntryProblem {
  kNone,
  kBulkEmpty,       // msg::kBulkTextEmpty
  kAllFieldsEmpty,  // msg::kAllFieldsEmpty
};
EntryProblem CheckEntry(bool bulkEntry, std::string_view bulk, std::span<const std::string> values);

// Column values 1..columns of `row`, and its bulk text.
struct LoadedItem {
  std::vector<std::string> values;
  std::string bulk;
  std::string imagePath;
};
LoadedItem LoadItem(const ItemTable& table, int row, int columns);

// Modify mode re-attaches the image only when the user changed its path: the
// stored path of a document made elsewhere need not resolve to a file that
// can be copied, and copying it again on every OK would report an error.
inline bool ImagePathChanged(std::string_view loaded, std::string_view current) {
  return loaded != current;
}

// The selected items that modify mode rewrites, in list order.
class SelectionWalk {
 public:
  explicit SelectionWalk(std::vector<int> ascendingRows) : rows_(std::move(ascendingRows)) {}
  bool Done() const { return next_ >= rows_.size(); }
  int Current() const { return rows_.at(next_); }
  // Selected items still to be edited after the current one.
  int Remaining() const { return static_cast<int>(rows_.size() - next_) - 1; }
  void Advance() { ++next_; }

 private:
  std::vector<int> rows_;
  std::size_t next_ = 0;
};

}  // namespace listora
