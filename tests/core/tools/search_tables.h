#pragma once
// Item tables for the search tests, built from rows of user-column texts.

#include <string>
#include <vector>

#include "core/doc/item_table.h"

namespace listora::test {

// Row r gets columns 1.. from rows[r]; the icon index is "0".
inline ItemTable MakeTable(const std::vector<std::vector<std::string>>& rows) {
  ItemTable table;
  for (const auto& texts : rows) {
    ItemFields fields;
    fields.columns[0] = "0";
    for (std::size_t c = 0; c < texts.size(); ++c) fields.columns[c + 1] = texts[c];
    table.AppendRow(fields);
  }
  return table;
}

// Column `column` of every row, top to bottom.
inline std::vector<std::string> ColumnTexts(const ItemTable& table, int column) {
  std::vector<std::string> texts;
  for (int r = 0; r < table.GetSize(); ++r) texts.emplace_back(table.Column(column, r));
  return texts;
}

}  // namespace listora::test
