#include "core/panes/list_clipboard.h"

#include "core/text/cp932.h"

namespace listora {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

void TrimTrailingSpace(std::string& text) {
  const std::size_t end = text.find_last_not_of(" \t\r\n\v\f");
  text.erase(end == std::string::npos ? 0 : end + 1);
}

bool RowInTable(const ItemTable& items, int row) { return row >= 0 && row < items.GetSize(); }

}  // namespace

std::string CopyFieldsText(const ItemTable& items, std::span<const int> rows, int columnCount) {
  std::string text;
  for (int row : rows) {
    if (!RowInTable(items, row)) continue;
    for (int column = 1; column < columnCount && column < kMaxColumns; ++column) {
      if (column > 1) text += '/';
      text += items.Cell(row, column);
    }
    text += kLineBreak;
  }
  TrimTrailingSpace(text);
  return text;
}

std::string CopyColumnText(const ItemTable& items, std::span<const int> rows, int column) {
  std::string text;
  if (column < 0 || column >= kMaxColumns) return text;
  for (int row : rows) {
    if (!RowInTable(items, row)) continue;
    text += items.Cell(row, column);
    text += kLineBreak;
  }
  TrimTrailingSpace(text);
  return text;
}

bool PasteFieldCountDiffers(std::string_view text, int userColumns) {
  int fields = 1;
  for (std::size_t p = cp932::Find(text, '/'); p != cp932::npos; p = cp932::Find(text, '/', p + 1))
    ++fields;
  return fields != userColumns;
}

std::vector<std::string> SplitPastedFields(std::string_view text, int userColumns) {
  std::vector<std::string> fields;
  if (userColumns <= 0) return fields;
  fields.reserve(static_cast<std::size_t>(userColumns));
  std::size_t start = 0;
  bool more = true;
  while (static_cast<int>(fields.size()) < userColumns) {
    if (!more) {
      fields.emplace_back();
      continue;
    }
    const std::size_t slash = cp932::Find(text, '/', start);
    if (slash == cp932::npos) {
      fields.emplace_back(text.substr(start));
      more = false;
    } else {
      fields.emplace_back(text.substr(start, slash - start));
      start = slash + 1;
    }
  }
  return fields;
}

}  // namespace listora
