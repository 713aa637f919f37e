#pragma once
// One edit's changes to an item table, written by the table as they happen
// (ItemTable::AttachJournal) and undone or redone as a whole. A row that
// leaves the table (removed, or the version a change replaced) is kept as
// the table's own row entry, and the journal holds the blocks its record
// lies in: undo and redo pass over the rows once and copy no text.

#include <cstddef>
#include <span>
#include <vector>

#include "core/doc/item_table.h"

namespace listora {

class TableJournal {
 public:
  bool Empty() const { return changes_.empty(); }

  // Undoes the changes, last first, on the table they were made to.
  // Returns the rows they touched as the rows now lie (ascending): rows
  // changed back or put back, and `selected`, rows of the state after the
  // edit, followed back to where they were before it.
  std::vector<int> Undo(ItemTable& table, std::span<const int> selected);
  // Makes the changes again after an undo. Returns the rows changed or
  // inserted and `selected`.
  std::vector<int> Redo(ItemTable& table, std::span<const int> selected);

  // What the journal keeps beside the table: its arrays and the records of
  // the rows it holds.
  std::size_t MemoryBytes() const;

 private:
  friend class ItemTable;
  using Row = ItemTable::Row;
  using Hold = ItemTable::Hold;

  enum class Kind {
    kChanged,   // rows[i] held entries[i] before; undo and redo exchange them
    kRemoved,   // rows (ascending, as they were) left with entries
    kInserted,  // rows (ascending, as they are); entries while undone
    kPermuted,  // new row i was old row rows[i]
  };
  struct Change {
    Kind kind;
    std::vector<int> rows;
    std::vector<Row> entries;
  };

  // Written by the table.
  void Changed(int row, const Row& old);
  void Inserted(int row);
  void Removed(std::vector<int> rows, std::vector<Row> entries);
  void Permuted(std::span<const int> order);
  // Keeps the table's blocks alive for the entries taken from them.
  void Keep(const std::vector<Hold>& holds);
  static bool HoldsBlock(const std::vector<Hold>& holds, const void* owner);

  void Exchange(ItemTable& table, Change& change, bool backwards);
  void PutBack(ItemTable& table, Change& change);
  void TakeOut(ItemTable& table, Change& change);
  static void Reorder(ItemTable& table, const Change& change, bool backwards);
  // The table gets the journal's blocks before its entries go back in.
  void Lend(ItemTable& table) const;
  static void Mark(ItemTable& table, std::span<const int> rows);
  static std::vector<int> CollectMarked(ItemTable& table);

  std::vector<Change> changes_;
  std::vector<Hold> holds_;
};

}  // namespace listora
