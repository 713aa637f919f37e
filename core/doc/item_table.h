#pragma once
// The item table: one row per item holding the eleven column texts (column 0
// is the icon index as text), the image path and the memo, plus the search
// mark of the list search.
//
// Each row is one record of bytes laid out as the document file stores an
// item: every column text followed by 0x07, then 0x0A, the memo and 0x08,
// the image path and 0x08. Records live in a few blocks: a loaded document's
// item text is used where it lies, and a changed row gets a new record in a
// block of the table's own (the old one is garbage until the blocks are
// compacted). A row is a small fixed-size entry pointing at its record, so
// sorting and moving rows never move text, a million rows cost a few dozen
// allocations, and dropping the table frees only the blocks.
//
// A view returned by a getter stays valid until the table next changes.
//
// While a journal is attached (core/doc/table_journal.h), every change of
// rows is written to it with what undoing it takes: the old record of a
// changed or removed row, a reordering's permutation. The journal keeps the
// blocks those records lie in, so reclaiming garbage never frees them.
//
// The table never holds the bytes the document file uses as separators: a
// column text never contains 0x07, 0x0A or NUL (a line break in a cell
// becomes one space, the other two a space as well); a memo or image path
// never contains 0x08 or NUL (replaced by a space; the memo keeps its line
// breaks). A saved document therefore always reads back as it was.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/document_settings.h"

namespace listora {

class TableJournal;

// Field indexes within a row: columns 0..10, then the image path and memo.
inline constexpr int kImageField = kMaxColumns;
inline constexpr int kMemoField = kMaxColumns + 1;
inline constexpr int kFieldCount = kMaxColumns + 2;

// `MakeIconIndex`: 1 for a memo, plus 2 for an image path, as decimal text.
std::string MakeIconIndex(std::string_view memo, std::string_view imagePath);

// The field setters' clean-up of separator bytes (see above).
std::string CleanColumnText(std::string_view text);
std::string CleanMemoText(std::string_view text);
// CleanColumnText appending to `out`, for writers of many cells.
void AppendCleanColumnText(std::string_view text, std::string& out);

// The texts of one item, for appending and inserting.
struct ItemFields {
  std::string columns[kMaxColumns];  // columns[0] is the icon index text
  std::string imagePath;
  std::string memo;
};

class ItemTable {
 public:
  int GetSize() const { return static_cast<int>(rows_.size()); }
  bool IsEmpty() const { return rows_.empty(); }

  std::string_view Cell(int row, int column) const;
  std::string_view ImagePath(int row) const;
  std::string_view Memo(int row) const;
  std::string_view IconIndex(int row) const { return Cell(row, 0); }
  bool Marked(int row) const { return rows_.at(row).mark; }

  void SetCell(int row, int column, std::string_view text);
  void SetImagePath(int row, std::string_view path);
  void SetMemo(int row, std::string_view memo);
  void SetMark(int row, bool mark) { rows_.at(row).mark = mark; }
  // Recomputes column 0 from the memo and image path.
  void UpdateIconIndex(int row);

  void AppendRow(const ItemFields& fields);
  void InsertRow(int row, const ItemFields& fields);
  void RemoveRow(int row);
  void ResizeRows(int count);
  void ClearRows();
  ItemFields GetRow(int row) const;
  // Replaces every field of a row at once (cheaper than field by field);
  // columns beyond the span are empty. Never reclaims garbage (which moves
  // every record), so the loader may use it between calls of AppendRecord.
  void SetRow(int row, std::span<const std::string_view> columns, std::string_view imagePath,
              std::string_view memo);

  // Whole-table operations, each one linear pass.
  // Removes the given rows (ascending, distinct).
  void RemoveRows(std::span<const int> ascendingRows);
  // Stable move of all marked rows to the top; returns how many there were.
  int MoveMarkedToTop();
  // Reorders rows so that new row i is old row order[i] (a permutation).
  void Permute(std::span<const int> order);
  void SwapRows(int a, int b);

  // Column `from` takes column `from + 1`'s texts for all later columns;
  // the last column (index lastUsed) is emptied. Used when a column is
  // deleted; column 0, memo and image path never move.
  void ShiftColumnsLeft(int from, int lastUsed);

  // For the document loader, which hands over records lying in its own
  // bytes rather than copying them.
  // Keeps `owner` (holding `size` bytes) alive while rows refer to it.
  void HoldBytes(std::shared_ptr<const void> owner, std::size_t size);
  // Appends a row whose record starts at `record` in held bytes: `fields`
  // clean column texts each followed by 0x07 (`lineSize` bytes), then 0x0A,
  // the memo, 0x08, the image path and 0x08. Throws std::bad_alloc for
  // column texts of 4 GiB or more.
  void AppendRecord(const char* record, std::size_t lineSize, int fields, std::size_t memoSize,
                    std::size_t imageSize);
  void Reserve(int rows);

  // For the grouping, which keeps one pointer per row where a view or a
  // copy of the texts would cost more: a row's record stands for its column
  // texts, and ColumnTexts reads them from it in one pass. Records are never
  // written over, so what PinRecords returns keeps them readable whatever
  // becomes of the table.
  const char* RecordOf(int row) const { return At(row).record; }
  static void ColumnTexts(const char* record, std::span<const int> columns,
                          std::span<std::string_view> texts);
  std::shared_ptr<const void> PinRecords() const;

  // The row's bytes as the document file stores an item, when the row holds
  // exactly `columns` column texts (fewer or more need writing field by
  // field); empty otherwise.
  std::string_view StoredRecord(int row, int columns) const;

  // Starts writing every change to `journal`, or stops with nullptr; a
  // copy of the table is never journaled.
  void AttachJournal(TableJournal* journal);
  // What the rows and their records occupy, garbage left out.
  std::size_t MemoryBytes() const;

  ItemTable() = default;
  ItemTable(const ItemTable& other);
  ItemTable& operator=(const ItemTable& other);
  ItemTable(ItemTable&&) noexcept;
  ItemTable& operator=(ItemTable&&) noexcept;
  ~ItemTable() = default;

 private:
  friend class TableJournal;
  // Sixteen bytes: the memo and the image path are found by their 0x08
  // ends, which neither of them holds, rather than by sizes kept here.
  struct Row {
    const char* record;      // the first column text
    std::uint32_t lineSize;  // the column texts with their 0x07 ends
    std::uint8_t fields;     // column texts in the record; later ones are empty
    bool mark;
    const char* MemoStart() const { return record + lineSize + 1; }
    const char* ImageStart() const;  // one past the memo's end
    std::size_t RecordSize() const;
  };
  static_assert(sizeof(Row) == 16 || sizeof(void*) != 8);
  struct Hold {
    std::shared_ptr<const void> owner;
    std::size_t size;
  };

  static Row EmptyRow();
  void SetField(int row, int field, std::string_view cleanText);
  const Row& At(int row) const;
  static std::string_view Field(const Row& r, int field);
  // Writes a record for clean texts (columns[0..] then image path and memo)
  // into the table's own block.
  Row MakeRow(std::span<const std::string_view> columns, std::string_view imagePath,
              std::string_view memo);
  Row MakeRow(const ItemFields& fields);
  char* Allocate(std::size_t size);
  void Replace(std::size_t row, const Row& by);
  // Reorders rows so that new row i is old row order[i], unchecked.
  void Reorder(std::span<const int> order);
  // Drops a record from the live count (the shared empty record is not in it).
  void Forget(const Row& r);
  // Copies the live records into one block once garbage outweighs them.
  void ReclaimIfWasteful();

  std::vector<Row> rows_;
  std::vector<Hold> holds_;
  std::size_t heldBytes_ = 0;
  std::size_t liveBytes_ = 0;
  // The block new records go to; only this table writes to it, and only
  // past `writeUsed_`, so copies of the table may share its written part.
  char* writeBlock_ = nullptr;
  std::size_t writeUsed_ = 0;
  std::size_t writeSize_ = 0;
  // Each new block is twice the size of the last, up to a megabyte, so a
  // small table holds kilobytes and a million rows still take few blocks;
  // a record larger than half the next block gets one of its own.
  static constexpr std::size_t kFirstBlockSize = std::size_t{4} << 10;
  static constexpr std::size_t kLargestBlockSize = std::size_t{1} << 20;
  std::size_t nextBlockSize_ = kFirstBlockSize;
  TableJournal* journal_ = nullptr;
};

}  // namespace listora
