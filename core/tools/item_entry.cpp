#include "core/tools/item_entry.h"

#include <algorithm>

#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/text/cp932.h"

namespace listora {

int BulkFieldCount(std::string_view bulk) {
  // "/" is never the trail byte of a double-byte character.
  if (bulk.empty()) return 0;
  return static_cast<int>(std::count(bulk.begin(), bulk.end(), '/')) + 1;
}

std::string JoinFields(std::span<const std::string> texts) {
  std::string line;
  for (const std::string& text : texts) {
    line += text;
    line.push_back('/');
  }
  while (!line.empty() && line.back() == '/') line.pop_back();
  return line;
}

std::string FieldCountLabel(int count) { return FormatMessage(msg::kFieldCountFormat, count); }

BulkEdit CheckBulkEdit(std::string_view edited, std::string_view previous, int columns) {
  BulkEdit edit{std::string(edited), BulkFieldCount(edited), false};
  if (edit.fieldCount > columns) {
    edit.text = std::string(previous);
    edit.fieldCount = BulkFieldCount(previous);
    edit.refused = true;
  }
  return edit;
}

void SplitBulkText(std::string_view bulk, std::vector<std::string>& values) {
  std::size_t column = 0;
  std::size_t start = 0;
  while (column < values.size()) {
    const std::size_t slash = cp932::Find(bulk, '/', start);
    if (slash == cp932::npos) {
      // The text after the last "/" is a field too (OK appends a "/").
      values[column] = std::string(bulk.substr(start));
      return;
    }
    values[column++] = std::string(bulk.substr(start, slash - start));
    start = slash + 1;
  }
}

EntryProblem CheckEntry(bool bulkEntry, std::string_view bulk,
                        std::span<const std::string> values) {
  if (bulkEntry) return bulk.empty() ? EntryProblem::kBulkEmpty : EntryProblem::kNone;
  const bool allEmpty =
      std::all_of(values.begin(), values.end(), [](const std::string& v) { return v.empty(); });
  return allEmpty ? EntryProblem::kAllFieldsEmpty : EntryProblem::kNone;
}

LoadedItem LoadItem(const ItemTable& table, int row, int columns) {
  LoadedItem item;
  for (int column = 1; column <= columns; ++column)
    item.values.emplace_back(table.Cell(row, column));
  item.bulk = JoinFields(item.values);
  item.imagePath = std::string(table.ImagePath(row));
  return item;
}

}  // namespace listora
