#pragma once
// Building small item tables for the view tests.

#include <string>
#include <vector>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora::test {

// Row i gets the given texts in columns 1.. and the memo "#i", so the memo
// identifies the row after it has moved.
inline ItemTable MakeTable(const std::vector<std::vector<std::string>>& rows) {
  ItemTable items;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ItemFields fields;
    for (std::size_t c = 0; c < rows[i].size(); ++c) fields.columns[c + 1] = rows[i][c];
    fields.memo = "#" + std::to_string(i);
    fields.columns[0] = MakeIconIndex(fields.memo, fields.imagePath);
    items.AppendRow(fields);
  }
  return items;
}

inline std::vector<std::string> ColumnTexts(const ItemTable& items, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < items.GetSize(); ++row) texts.emplace_back(items.Cell(row, column));
  return texts;
}

inline std::vector<std::string> Memos(const ItemTable& items) {
  std::vector<std::string> memos;
  for (int row = 0; row < items.GetSize(); ++row) memos.emplace_back(items.Memo(row));
  return memos;
}

inline ColumnDescriptors Columns(int count, std::vector<int> numeric = {}) {
  ColumnDescriptors columns{};
  columns.count = static_cast<std::uint16_t>(count);
  columns.formats[0] = kFormatRight;
  for (int k : numeric) columns.formats[k] = kFormatRight | kFormatImage;
  return columns;
}

}  // namespace listora::test
