#include "core/doc/item_table.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "core/base/huge_pages.h"
#include "core/doc/table_journal.h"

namespace listora {

namespace {

// Replaces the bytes a field may not hold. CR LF counts as one line break.
// None of these bytes can be a CP932 trail byte, so a byte-wise pass is safe.
bool Forbidden(unsigned char c, bool keepLineBreaks) {
  if (c == '\0') return true;
  return keepLineBreaks ? c == 0x08 : (c == 0x07 || c == '\n' || c == '\r');
}

void AppendClean(std::string_view text, bool keepLineBreaks, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t j = i;
    while (j < text.size() && !Forbidden(static_cast<unsigned char>(text[j]), keepLineBreaks)) ++j;
    out.append(text, i, j - i);
    if (j == text.size()) break;
    out += ' ';
    if (text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') ++j;
    i = j + 1;
  }
}

std::string Clean(std::string_view text, bool keepLineBreaks) {
  std::string out;
  out.reserve(text.size());
  AppendClean(text, keepLineBreaks, out);
  return out;
}

void CheckIndex(int index, std::size_t size) {
  if (index < 0 || static_cast<std::size_t>(index) >= size)
    throw std::out_of_range("item row index out of range");
}

constexpr char kFieldEnd = 0x07;
constexpr char kLineEnd = 0x0A;
constexpr char kTextEnd = 0x08;

// The record of a row with no text at all.
constexpr char kEmptyRecord[] = {kLineEnd, kTextEnd, kTextEnd};

// Where a column a record does not hold begins: an empty text.
constexpr char kNoText[] = {kFieldEnd, '\0'};

std::uint32_t Size32(std::size_t size) {
  if (size > UINT32_MAX) throw std::bad_alloc();
  return static_cast<std::uint32_t>(size);
}

}  // namespace

std::string MakeIconIndex(std::string_view memo, std::string_view imagePath) {
  const int index = (memo.empty() ? 0 : 1) + (imagePath.empty() ? 0 : 2);
  return std::string(1, static_cast<char>('0' + index));
}

std::string CleanColumnText(std::string_view text) { return Clean(text, false); }
void AppendCleanColumnText(std::string_view text, std::string& out) {
  AppendClean(text, false, out);
}
std::string CleanMemoText(std::string_view text) { return Clean(text, true); }

ItemTable::ItemTable(const ItemTable& other)
    : rows_(other.rows_),
      holds_(other.holds_),
      heldBytes_(other.heldBytes_),
      liveBytes_(other.liveBytes_) {}

ItemTable& ItemTable::operator=(const ItemTable& other) {
  if (this != &other) *this = ItemTable(other);
  return *this;
}

ItemTable::ItemTable(ItemTable&& other) noexcept
    : rows_(std::move(other.rows_)),
      holds_(std::move(other.holds_)),
      heldBytes_(std::exchange(other.heldBytes_, 0)),
      liveBytes_(std::exchange(other.liveBytes_, 0)),
      writeBlock_(std::exchange(other.writeBlock_, nullptr)),
      writeUsed_(std::exchange(other.writeUsed_, 0)),
      writeSize_(std::exchange(other.writeSize_, 0)),
      nextBlockSize_(std::exchange(other.nextBlockSize_, kFirstBlockSize)) {
  other.rows_.clear();
  other.holds_.clear();
}

ItemTable& ItemTable::operator=(ItemTable&& other) noexcept {
  if (this == &other) return *this;
  rows_ = std::move(other.rows_);
  holds_ = std::move(other.holds_);
  heldBytes_ = std::exchange(other.heldBytes_, 0);
  liveBytes_ = std::exchange(other.liveBytes_, 0);
  writeBlock_ = std::exchange(other.writeBlock_, nullptr);
  writeUsed_ = std::exchange(other.writeUsed_, 0);
  writeSize_ = std::exchange(other.writeSize_, 0);
  nextBlockSize_ = std::exchange(other.nextBlockSize_, kFirstBlockSize);
  other.rows_.clear();
  other.holds_.clear();
  return *this;
}

// Memo and image path hold neither 0x08 nor NUL, so their text ends at the
// first 0x08.
const char* ItemTable::Row::ImageStart() const { return std::strchr(MemoStart(), kTextEnd) + 1; }

std::size_t ItemTable::Row::RecordSize() const {
  return static_cast<std::size_t>(std::strchr(ImageStart(), kTextEnd) + 1 - record);
}

ItemTable::Row ItemTable::EmptyRow() { return Row{kEmptyRecord, 0, 0, false}; }

const ItemTable::Row& ItemTable::At(int row) const {
  CheckIndex(row, rows_.size());
  return rows_[static_cast<std::size_t>(row)];
}

std::string_view ItemTable::Field(const Row& r, int field) {
  if (field >= r.fields) return {};
  const char* p = r.record;
  const char* const end = r.record + r.lineSize;
  for (int f = 0; f < field; ++f)
    p = static_cast<const char*>(std::memchr(p, kFieldEnd, static_cast<std::size_t>(end - p))) + 1;
  const char* const stop =
      static_cast<const char*>(std::memchr(p, kFieldEnd, static_cast<std::size_t>(end - p)));
  return std::string_view(p, static_cast<std::size_t>(stop - p));
}

std::string_view ItemTable::Cell(int row, int column) const {
  if (column < 0 || column >= kMaxColumns) throw std::out_of_range("column index out of range");
  return Field(At(row), column);
}

std::string_view ItemTable::Memo(int row) const {
  const Row& r = At(row);
  const char* const memo = r.MemoStart();
  return std::string_view(memo, static_cast<std::size_t>(r.ImageStart() - 1 - memo));
}

std::string_view ItemTable::ImagePath(int row) const {
  const char* const image = At(row).ImageStart();
  return std::string_view(image, static_cast<std::size_t>(std::strchr(image, kTextEnd) - image));
}

char* ItemTable::Allocate(std::size_t size) {
  if (writeBlock_ == nullptr || writeSize_ - writeUsed_ < size) {
    const bool own = size * 2 > nextBlockSize_;
    const std::size_t blockSize = own ? size : nextBlockSize_;
    std::shared_ptr<char[]> block(new char[blockSize]);
    // A record that fills a block of its own leaves the current one open.
    if (!own || writeBlock_ == nullptr) {
      writeBlock_ = block.get();
      writeUsed_ = size;
      writeSize_ = blockSize;
    }
    nextBlockSize_ = std::min(nextBlockSize_ * 2, kLargestBlockSize);
    char* const out = block.get();
    holds_.push_back({std::move(block), blockSize});
    heldBytes_ += blockSize;
    return out;
  }
  char* const out = writeBlock_ + writeUsed_;
  writeUsed_ += size;
  return out;
}

ItemTable::Row ItemTable::MakeRow(std::span<const std::string_view> columns,
                                  std::string_view imagePath, std::string_view memo) {
  std::size_t fields = columns.size();
  while (fields > 0 && columns[fields - 1].empty()) --fields;
  std::size_t lineSize = 0;
  for (std::size_t c = 0; c < fields; ++c) lineSize += columns[c].size() + 1;
  Row r{nullptr, Size32(lineSize), static_cast<std::uint8_t>(fields), false};
  const std::size_t recordSize = lineSize + memo.size() + imagePath.size() + 3;
  char* out = Allocate(recordSize);
  r.record = out;
  const auto put = [&](std::string_view text, char end) {
    if (!text.empty()) std::memcpy(out, text.data(), text.size());
    out += text.size();
    *out++ = end;
  };
  for (std::size_t c = 0; c < fields; ++c) put(columns[c], kFieldEnd);
  *out++ = kLineEnd;
  put(memo, kTextEnd);
  put(imagePath, kTextEnd);
  liveBytes_ += recordSize;
  return r;
}

ItemTable::Row ItemTable::MakeRow(const ItemFields& fields) {
  std::string cleaned[kFieldCount];
  std::string_view views[kMaxColumns];
  for (int c = 0; c < kMaxColumns; ++c) {
    cleaned[c] = CleanColumnText(fields.columns[c]);
    views[c] = cleaned[c];
  }
  cleaned[kImageField] = CleanMemoText(fields.imagePath);
  cleaned[kMemoField] = CleanMemoText(fields.memo);
  return MakeRow(views, cleaned[kImageField], cleaned[kMemoField]);
}

void ItemTable::Replace(std::size_t row, const Row& by) {
  Row& r = rows_[row];
  if (journal_) journal_->Changed(static_cast<int>(row), r);
  const bool mark = r.mark;
  Forget(r);
  r = by;
  r.mark = mark;
}

void ItemTable::Forget(const Row& r) {
  if (r.record != kEmptyRecord) liveBytes_ -= r.RecordSize();
}

void ItemTable::ReclaimIfWasteful() {
  // The unwritten rest of the current block is room, not waste.
  const std::size_t waste = heldBytes_ - liveBytes_ - (writeSize_ - writeUsed_);
  if (waste <= std::max(liveBytes_, kFirstBlockSize)) return;
  if (journal_) journal_->Keep(holds_);
  std::shared_ptr<char[]> block(new char[std::max<std::size_t>(liveBytes_, 1)]);
  char* out = block.get();
  for (Row& r : rows_) {
    if (r.record == kEmptyRecord) continue;
    const std::size_t size = r.RecordSize();
    std::memcpy(out, r.record, size);
    r.record = out;
    out += size;
  }
  holds_.clear();
  holds_.push_back({block, liveBytes_});
  heldBytes_ = liveBytes_;
  // The compacted block is full; the next record opens a new one, sized
  // after what is live, so that a small table edited over and over keeps
  // to small blocks.
  writeBlock_ = nullptr;
  writeUsed_ = writeSize_ = 0;
  nextBlockSize_ = std::clamp(liveBytes_, kFirstBlockSize, kLargestBlockSize);
}

void ItemTable::SetField(int row, int field, std::string_view cleanText) {
  Row& r = rows_[static_cast<std::size_t>(row)];
  std::string_view columns[kMaxColumns];
  for (int c = 0; c < kMaxColumns; ++c) columns[c] = Field(r, c);
  std::string_view image = ImagePath(row);
  std::string_view memo = Memo(row);
  if (field == kImageField) {
    image = cleanText;
  } else if (field == kMemoField) {
    memo = cleanText;
  } else {
    columns[field] = cleanText;
  }
  // The old record stays readable until the new one is written.
  Replace(static_cast<std::size_t>(row), MakeRow(columns, image, memo));
  ReclaimIfWasteful();
}

void ItemTable::SetCell(int row, int column, std::string_view text) {
  if (column < 0 || column >= kMaxColumns) throw std::out_of_range("column index out of range");
  CheckIndex(row, rows_.size());
  SetField(row, column, CleanColumnText(text));
}

void ItemTable::SetImagePath(int row, std::string_view path) {
  CheckIndex(row, rows_.size());
  SetField(row, kImageField, CleanMemoText(path));
}

void ItemTable::SetMemo(int row, std::string_view memo) {
  CheckIndex(row, rows_.size());
  SetField(row, kMemoField, CleanMemoText(memo));
}

void ItemTable::UpdateIconIndex(int row) {
  const std::string icon = MakeIconIndex(Memo(row), ImagePath(row));
  if (IconIndex(row) != icon) SetField(row, 0, icon);
}

void ItemTable::AppendRow(const ItemFields& fields) {
  rows_.push_back(MakeRow(fields));
  if (journal_) journal_->Inserted(GetSize() - 1);
  ReclaimIfWasteful();
}

void ItemTable::InsertRow(int row, const ItemFields& fields) {
  CheckIndex(row, rows_.size() + 1);
  rows_.insert(rows_.begin() + row, MakeRow(fields));
  if (journal_) journal_->Inserted(row);
  ReclaimIfWasteful();
}

void ItemTable::RemoveRow(int row) {
  CheckIndex(row, rows_.size());
  const Row& r = rows_[static_cast<std::size_t>(row)];
  if (journal_) journal_->Removed({row}, {r});
  Forget(r);
  rows_.erase(rows_.begin() + row);
}

void ItemTable::ResizeRows(int count) {
  if (count < 0) throw std::out_of_range("negative row count");
  const auto size = static_cast<std::size_t>(count);
  const std::size_t before = rows_.size();
  if (journal_ && size < before) {
    std::vector<int> removed(before - size);
    std::iota(removed.begin(), removed.end(), count);
    journal_->Removed(std::move(removed), std::vector<Row>(rows_.begin() + count, rows_.end()));
  }
  for (std::size_t r = size; r < rows_.size(); ++r) Forget(rows_[r]);
  rows_.resize(size, EmptyRow());
  if (journal_)
    for (std::size_t r = before; r < size; ++r) journal_->Inserted(static_cast<int>(r));
}

void ItemTable::ClearRows() {
  TableJournal* const journal = journal_;
  if (journal) {
    ResizeRows(0);
    journal->Keep(holds_);
  }
  *this = ItemTable();
  journal_ = journal;
}

ItemFields ItemTable::GetRow(int row) const {
  ItemFields fields;
  for (int c = 0; c < kMaxColumns; ++c) fields.columns[c] = std::string(Cell(row, c));
  fields.imagePath = std::string(ImagePath(row));
  fields.memo = std::string(Memo(row));
  return fields;
}

void ItemTable::SetRow(int row, std::span<const std::string_view> columns,
                       std::string_view imagePath, std::string_view memo) {
  CheckIndex(row, rows_.size());
  if (columns.size() > static_cast<std::size_t>(kMaxColumns))
    throw std::out_of_range("too many columns");
  std::string cleaned[kFieldCount];
  std::string_view views[kMaxColumns];
  for (std::size_t c = 0; c < columns.size(); ++c) {
    cleaned[c] = CleanColumnText(columns[c]);
    views[c] = cleaned[c];
  }
  cleaned[kImageField] = CleanMemoText(imagePath);
  cleaned[kMemoField] = CleanMemoText(memo);
  Replace(static_cast<std::size_t>(row),
          MakeRow(std::span(views, columns.size()), cleaned[kImageField], cleaned[kMemoField]));
  rows_[static_cast<std::size_t>(row)].mark = false;
}

void ItemTable::HoldBytes(std::shared_ptr<const void> owner, std::size_t size) {
  holds_.push_back({std::move(owner), size});
  heldBytes_ += size;
}

void ItemTable::Reserve(int rows) { ReserveLarge(rows_, static_cast<std::size_t>(rows)); }

void ItemTable::AppendRecord(const char* record, std::size_t lineSize, int fields,
                             std::size_t memoSize, std::size_t imageSize) {
  rows_.push_back(Row{record, Size32(lineSize), static_cast<std::uint8_t>(fields), false});
  liveBytes_ += lineSize + memoSize + imageSize + 3;
  if (journal_) journal_->Inserted(GetSize() - 1);
}

void ItemTable::ColumnTexts(const char* record, std::span<const int> columns,
                            std::span<std::string_view> texts) {
  int wanted = 0;
  for (const int column : columns) wanted = std::max(wanted, column + 1);
  std::string_view found[kMaxColumns];
  int known = 0;
  // Column texts hold neither 0x0A nor NUL, so the line ends at the first
  // 0x0A and every text at the first 0x07 after it.
  for (const char* p = record; known < wanted && *p != kLineEnd;) {
    const char* const end = std::strchr(p, kFieldEnd);
    found[known++] = std::string_view(p, static_cast<std::size_t>(end - p));
    p = end + 1;
  }
  for (std::size_t k = 0; k < columns.size(); ++k)
    texts[k] = columns[k] < known ? found[columns[k]] : std::string_view(kNoText, 0);
}

std::shared_ptr<const void> ItemTable::PinRecords() const {
  auto pinned = std::make_shared<std::vector<std::shared_ptr<const void>>>();
  pinned->reserve(holds_.size());
  for (const Hold& hold : holds_) pinned->push_back(hold.owner);
  return pinned;
}

std::string_view ItemTable::StoredRecord(int row, int columns) const {
  const Row& r = At(row);
  if (r.fields != columns) return {};
  return std::string_view(r.record, r.RecordSize());
}

void ItemTable::RemoveRows(std::span<const int> ascendingRows) {
  std::size_t next = 0;
  std::size_t write = 0;
  std::vector<int> removed;
  std::vector<Row> removedRows;
  for (std::size_t read = 0; read < rows_.size(); ++read) {
    if (next < ascendingRows.size() && static_cast<std::size_t>(ascendingRows[next]) == read) {
      ++next;
      if (journal_) {
        removed.push_back(static_cast<int>(read));
        removedRows.push_back(rows_[read]);
      }
      Forget(rows_[read]);
      continue;
    }
    rows_[write++] = rows_[read];
  }
  rows_.resize(write);
  if (journal_ && !removed.empty()) journal_->Removed(std::move(removed), std::move(removedRows));
}

int ItemTable::MoveMarkedToTop() {
  std::vector<int> order;
  order.reserve(rows_.size());
  for (std::size_t r = 0; r < rows_.size(); ++r)
    if (rows_[r].mark) order.push_back(static_cast<int>(r));
  const int marked = static_cast<int>(order.size());
  for (std::size_t r = 0; r < rows_.size(); ++r)
    if (!rows_[r].mark) order.push_back(static_cast<int>(r));
  Reorder(order);
  return marked;
}

void ItemTable::Permute(std::span<const int> order) {
  if (order.size() != rows_.size()) throw std::invalid_argument("permutation size mismatch");
  // Checked in full before any row moves, so a bad order leaves the table whole.
  std::vector<bool> used(rows_.size(), false);
  for (int from : order) {
    CheckIndex(from, rows_.size());
    if (used[from]) throw std::invalid_argument("not a permutation");
    used[from] = true;
  }
  Reorder(order);
}

void ItemTable::SwapRows(int a, int b) {
  CheckIndex(a, rows_.size());
  CheckIndex(b, rows_.size());
  if (a == b) return;
  if (journal_) {
    journal_->Changed(a, rows_[static_cast<std::size_t>(a)]);
    journal_->Changed(b, rows_[static_cast<std::size_t>(b)]);
  }
  std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
}

void ItemTable::Reorder(std::span<const int> order) {
  if (journal_) journal_->Permuted(order);
  std::vector<Row> reordered;
  ReserveLarge(reordered, rows_.size());
  for (int from : order) reordered.push_back(rows_[static_cast<std::size_t>(from)]);
  rows_ = std::move(reordered);
}

void ItemTable::AttachJournal(TableJournal* journal) {
  if (journal_) journal_->Keep(holds_);
  journal_ = journal;
  if (journal_) journal_->Keep(holds_);
}

std::size_t ItemTable::MemoryBytes() const { return rows_.size() * sizeof(Row) + liveBytes_; }

void ItemTable::ShiftColumnsLeft(int from, int lastUsed) {
  if (from < 1 || lastUsed >= kMaxColumns || from > lastUsed)
    throw std::out_of_range("column shift out of range");
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const Row& r = rows_[row];
    // Rows with no text from `from` on have nothing to shift.
    if (r.fields <= from) continue;
    std::string_view columns[kMaxColumns];
    for (int c = 0; c < kMaxColumns; ++c) columns[c] = Field(r, c);
    for (int c = from; c < lastUsed; ++c) columns[c] = columns[c + 1];
    columns[lastUsed] = {};
    const std::string_view memo = Memo(static_cast<int>(row));
    const std::string_view image = ImagePath(static_cast<int>(row));
    Replace(row, MakeRow(columns, image, memo));
  }
  ReclaimIfWasteful();
}

}  // namespace listora
