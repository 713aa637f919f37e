#include "core/doc/item_table.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace listora {

namespace {

constexpr char kSeparator = '\0';

// Replaces the bytes a field may not hold. CR LF counts as one line break.
// None of these bytes can be a CP932 trail byte, so a byte-wise pass is safe.
std::string Clean(std::string_view text, bool keepLineBreaks) {
  const auto forbidden = [&](unsigned char c) {
    if (c == '\0') return true;
    return keepLineBreaks ? c == 0x08 : (c == 0x07 || c == '\n' || c == '\r');
  };
  if (std::none_of(text.begin(), text.end(), forbidden)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!forbidden(c)) {
      out += static_cast<char>(c);
      continue;
    }
    out += ' ';
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}

void CheckIndex(int index, std::size_t size) {
  if (index < 0 || static_cast<std::size_t>(index) >= size)
    throw std::out_of_range("item row index out of range");
}

// Appends `fields` (already clean) separated by NUL, leaving out the empty
// ones at the end.
template <typename Get>
std::string PackFields(Get get) {
  int last = kFieldCount - 1;
  while (last >= 0 && get(last).empty()) --last;
  std::size_t size = 0;
  for (int f = 0; f <= last; ++f) size += get(f).size() + 1;
  std::string packed;
  packed.reserve(size);
  for (int f = 0; f <= last; ++f) {
    if (f > 0) packed += kSeparator;
    packed += get(f);
  }
  return packed;
}

}  // namespace

std::string MakeIconIndex(std::string_view memo, std::string_view imagePath) {
  const int index = (memo.empty() ? 0 : 1) + (imagePath.empty() ? 0 : 2);
  return std::string(1, static_cast<char>('0' + index));
}

std::string CleanColumnText(std::string_view text) { return Clean(text, false); }
std::string CleanMemoText(std::string_view text) { return Clean(text, true); }

std::string CMySortStringArray::Pack(const ItemFields& fields) {
  std::string cleaned[kFieldCount];
  for (int c = 0; c < kMaxColumns; ++c) cleaned[c] = CleanColumnText(fields.columns[c]);
  cleaned[kImageField] = CleanMemoText(fields.imagePath);
  cleaned[kMemoField] = CleanMemoText(fields.memo);
  return PackFields([&](int f) -> std::string_view { return cleaned[f]; });
}

std::string_view CMySortStringArray::Field(int row, int field) const {
  CheckIndex(row, rows_.size());
  std::string_view packed = rows_[row].packed;
  std::size_t start = 0;
  for (int f = 0; f < field; ++f) {
    const std::size_t next = packed.find(kSeparator, start);
    if (next == std::string_view::npos) return {};
    start = next + 1;
  }
  const std::size_t end = packed.find(kSeparator, start);
  return packed.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

void CMySortStringArray::SetField(int row, int field, std::string_view cleanText) {
  CheckIndex(row, rows_.size());
  std::string_view old[kFieldCount];
  for (int f = 0; f < kFieldCount; ++f) old[f] = Field(row, f);
  old[field] = cleanText;
  rows_[row].packed = PackFields([&](int f) { return old[f]; });
}

void CMySortStringArray::SetColumn(int column, int row, std::string_view text) {
  if (column < 0 || column >= kMaxColumns) throw std::out_of_range("column index out of range");
  SetField(row, column, CleanColumnText(text));
}

void CMySortStringArray::SetImagePath(int row, std::string_view path) {
  SetField(row, kImageField, CleanMemoText(path));
}

void CMySortStringArray::SetMemo(int row, std::string_view memo) {
  SetField(row, kMemoField, CleanMemoText(memo));
}

void CMySortStringArray::UpdateIconIndex(int row) {
  SetField(row, 0, MakeIconIndex(Memo(row), ImagePath(row)));
}

void CMySortStringArray::AppendRow(const ItemFields& fields) { rows_.push_back({Pack(fields)}); }

void CMySortStringArray::InsertRow(int row, const ItemFields& fields) {
  CheckIndex(row, rows_.size() + 1);
  rows_.insert(rows_.begin() + row, Row{Pack(fields)});
}

void CMySortStringArray::RemoveRow(int row) {
  CheckIndex(row, rows_.size());
  rows_.erase(rows_.begin() + row);
}

void CMySortStringArray::ResizeRows(int count) {
  if (count < 0) throw std::out_of_range("negative row count");
  rows_.resize(static_cast<std::size_t>(count));
}

void CMySortStringArray::ClearRows() {
  rows_.clear();
  rows_.shrink_to_fit();
}

ItemFields CMySortStringArray::GetRow(int row) const {
  ItemFields fields;
  for (int c = 0; c < kMaxColumns; ++c) fields.columns[c] = std::string(Column(c, row));
  fields.imagePath = std::string(ImagePath(row));
  fields.memo = std::string(Memo(row));
  return fields;
}

void CMySortStringArray::SetRow(int row, std::span<const std::string_view> columns,
                                std::string_view imagePath, std::string_view memo) {
  CheckIndex(row, rows_.size());
  if (columns.size() > static_cast<std::size_t>(kMaxColumns))
    throw std::out_of_range("too many columns");
  // Text read from a document never holds separators, so cleaning only
  // copies when something needs replacing.
  std::string cleanedColumns[kMaxColumns];
  std::string_view views[kFieldCount];
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (std::string_view(columns[c]).find_first_of(std::string_view("\0\a\n\r", 4)) ==
        std::string_view::npos) {
      views[c] = columns[c];
    } else {
      cleanedColumns[c] = CleanColumnText(columns[c]);
      views[c] = cleanedColumns[c];
    }
  }
  const std::string image = CleanMemoText(imagePath);
  const std::string cleanMemo = CleanMemoText(memo);
  views[kImageField] = image;
  views[kMemoField] = cleanMemo;
  rows_[row].packed = PackFields([&](int f) { return views[f]; });
  rows_[row].mark = false;
}

void CMySortStringArray::RemoveRows(std::span<const int> ascendingRows) {
  std::size_t next = 0;
  std::size_t write = 0;
  for (std::size_t read = 0; read < rows_.size(); ++read) {
    if (next < ascendingRows.size() && static_cast<std::size_t>(ascendingRows[next]) == read) {
      ++next;
      continue;
    }
    if (write != read) rows_[write] = std::move(rows_[read]);
    ++write;
  }
  rows_.resize(write);
}

int CMySortStringArray::MoveMarkedToTop() {
  const auto middle =
      std::stable_partition(rows_.begin(), rows_.end(), [](const Row& r) { return r.mark; });
  return static_cast<int>(middle - rows_.begin());
}

void CMySortStringArray::Permute(std::span<const int> order) {
  if (order.size() != rows_.size()) throw std::invalid_argument("permutation size mismatch");
  // Checked in full before any row moves, so a bad order leaves the table whole.
  std::vector<bool> used(rows_.size(), false);
  for (int from : order) {
    CheckIndex(from, rows_.size());
    if (used[from]) throw std::invalid_argument("not a permutation");
    used[from] = true;
  }
  std::vector<Row> reordered;
  reordered.reserve(rows_.size());
  for (int from : order) reordered.push_back(std::move(rows_[from]));
  rows_ = std::move(reordered);
}

void CMySortStringArray::ShiftColumnsLeft(int from, int lastUsed) {
  if (from < 1 || lastUsed >= kMaxColumns || from > lastUsed)
    throw std::out_of_range("column shift out of range");
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const int row = static_cast<int>(r);
    std::string_view fields[kFieldCount];
    for (int f = 0; f < kFieldCount; ++f) fields[f] = Field(row, f);
    for (int c = from; c < lastUsed; ++c) fields[c] = fields[c + 1];
    fields[lastUsed] = {};
    rows_[r].packed = PackFields([&](int f) { return fields[f]; });
  }
}

}  // namespace listora
