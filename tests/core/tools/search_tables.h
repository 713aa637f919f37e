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

// UTF-8 text with letters folded as the case-blind comparisons fold them:
// ASCII and full-width Latin letters, which keep their UTF-8 length.
inline std::string FoldShown(std::string shown) {
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] >= 'a' && shown[i] <= 'z') shown[i] = static_cast<char>(shown[i] - 'a' + 'A');
    if (shown.compare(i, 2, "\xEF\xBD") == 0 && i + 2 < shown.size()) {
      const auto c = static_cast<unsigned char>(shown[i + 2]);
      if (c >= 0x81 && c <= 0x9A) {  // ａ-ｚ (EF BD 81..9A) to Ａ-Ｚ (EF BC A1..BA)
        shown[i + 1] = '\xBC';
        shown[i + 2] = static_cast<char>(c + 0x20);
      }
    }
  }
  return shown;
}

// Column `column` of every row, top to bottom.
inline std::vector<std::string> ColumnTexts(const ItemTable& table, int column) {
  std::vector<std::string> texts;
  for (int r = 0; r < table.GetSize(); ++r) texts.emplace_back(table.Cell(r, column));
  return texts;
}

}  // namespace listora::test
