#include "core/doc/table_journal.h"

#include <algorithm>
#include <utility>

namespace listora {

bool TableJournal::HoldsBlock(const std::vector<Hold>& holds, const void* owner) {
  return std::any_of(holds.begin(), holds.end(),
                     [owner](const Hold& h) { return h.owner.get() == owner; });
}

void TableJournal::Changed(int row, const Row& old) {
  if (!changes_.empty()) {
    const Change& last = changes_.back();
    // In a run of changes to one row only the first version is restored.
    if (last.kind == Kind::kChanged && last.rows.back() == row) return;
    // A row this edit inserted leaves as a whole on undo.
    if (last.kind == Kind::kInserted && row >= last.rows.front() && row <= last.rows.back()) return;
  }
  if (changes_.empty() || changes_.back().kind != Kind::kChanged)
    changes_.push_back({Kind::kChanged, {}, {}});
  changes_.back().rows.push_back(row);
  changes_.back().entries.push_back(old);
}

void TableJournal::Inserted(int row) {
  // Inserted rows stay one contiguous run while each lands within or
  // right after it.
  if (!changes_.empty()) {
    Change& last = changes_.back();
    if (last.kind == Kind::kInserted && row >= last.rows.front() && row <= last.rows.back() + 1) {
      last.rows.push_back(last.rows.back() + 1);
      return;
    }
  }
  changes_.push_back({Kind::kInserted, {row}, {}});
}

void TableJournal::Removed(std::vector<int> rows, std::vector<Row> entries) {
  changes_.push_back({Kind::kRemoved, std::move(rows), std::move(entries)});
}

void TableJournal::Permuted(std::span<const int> order) {
  // A sort of sorted rows, or a search that found none, moves nothing.
  bool moves = false;
  for (std::size_t i = 0; i < order.size() && !moves; ++i) moves = order[i] != static_cast<int>(i);
  if (!moves) return;
  changes_.push_back({Kind::kPermuted, std::vector<int>(order.begin(), order.end()), {}});
}

void TableJournal::Keep(const std::vector<Hold>& holds) {
  for (const Hold& hold : holds)
    if (!HoldsBlock(holds_, hold.owner.get())) holds_.push_back(hold);
}

void TableJournal::Lend(ItemTable& table) const {
  for (const Hold& hold : holds_) {
    if (HoldsBlock(table.holds_, hold.owner.get())) continue;
    table.holds_.push_back(hold);
    table.heldBytes_ += hold.size;
  }
}

void TableJournal::Exchange(ItemTable& table, Change& change, bool backwards) {
  const std::size_t count = change.rows.size();
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t i = backwards ? count - 1 - k : k;
    Row& slot = table.rows_[static_cast<std::size_t>(change.rows[i])];
    Row& kept = change.entries[i];
    table.Forget(slot);
    if (kept.record != ItemTable::EmptyRow().record) table.liveBytes_ += kept.RecordSize();
    std::swap(slot, kept);
    slot.mark = true;
    kept.mark = false;
  }
}

void TableJournal::PutBack(ItemTable& table, Change& change) {
  std::vector<Row>& rows = table.rows_;
  std::vector<Row> merged;
  merged.reserve(rows.size() + change.rows.size());
  std::size_t from = 0;
  std::size_t next = 0;
  while (from < rows.size() || next < change.rows.size()) {
    if (next < change.rows.size() && static_cast<std::size_t>(change.rows[next]) == merged.size()) {
      Row r = change.entries[next++];
      if (r.record != ItemTable::EmptyRow().record) table.liveBytes_ += r.RecordSize();
      r.mark = true;
      merged.push_back(r);
    } else {
      merged.push_back(rows[from++]);
    }
  }
  rows = std::move(merged);
  change.entries = {};
}

void TableJournal::TakeOut(ItemTable& table, Change& change) {
  std::vector<Row>& rows = table.rows_;
  change.entries.clear();
  change.entries.reserve(change.rows.size());
  std::size_t next = 0;
  std::size_t write = 0;
  for (std::size_t read = 0; read < rows.size(); ++read) {
    if (next < change.rows.size() && static_cast<std::size_t>(change.rows[next]) == read) {
      ++next;
      table.Forget(rows[read]);
      change.entries.push_back(rows[read]);
      change.entries.back().mark = false;
      continue;
    }
    rows[write++] = rows[read];
  }
  rows.resize(write);
}

void TableJournal::Reorder(ItemTable& table, const Change& change, bool backwards) {
  std::vector<Row>& rows = table.rows_;
  std::vector<Row> reordered(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto other = static_cast<std::size_t>(change.rows[i]);
    if (backwards)
      reordered[other] = rows[i];
    else
      reordered[i] = rows[other];
  }
  rows = std::move(reordered);
}

void TableJournal::Mark(ItemTable& table, std::span<const int> rows) {
  for (ItemTable::Row& r : table.rows_) r.mark = false;
  for (int row : rows)
    if (row >= 0 && row < table.GetSize()) table.rows_[static_cast<std::size_t>(row)].mark = true;
}

std::vector<int> TableJournal::CollectMarked(ItemTable& table) {
  std::vector<int> marked;
  for (std::size_t r = 0; r < table.rows_.size(); ++r) {
    if (!table.rows_[r].mark) continue;
    marked.push_back(static_cast<int>(r));
    table.rows_[r].mark = false;
  }
  return marked;
}

std::vector<int> TableJournal::Undo(ItemTable& table, std::span<const int> selected) {
  Mark(table, selected);
  Keep(table.holds_);
  Lend(table);
  for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
    switch (change->kind) {
      case Kind::kChanged: Exchange(table, *change, true); break;
      case Kind::kRemoved: PutBack(table, *change); break;
      case Kind::kInserted: TakeOut(table, *change); break;
      case Kind::kPermuted: Reorder(table, *change, true); break;
    }
  }
  return CollectMarked(table);
}

std::vector<int> TableJournal::Redo(ItemTable& table, std::span<const int> selected) {
  Mark(table, {});
  Keep(table.holds_);
  Lend(table);
  for (Change& change : changes_) {
    switch (change.kind) {
      case Kind::kChanged: Exchange(table, change, false); break;
      case Kind::kRemoved: TakeOut(table, change); break;
      case Kind::kInserted: PutBack(table, change); break;
      case Kind::kPermuted: Reorder(table, change, false); break;
    }
  }
  for (int row : selected)
    if (row >= 0 && row < table.GetSize()) table.rows_[static_cast<std::size_t>(row)].mark = true;
  return CollectMarked(table);
}

std::size_t TableJournal::MemoryBytes() const {
  std::size_t bytes = holds_.capacity() * sizeof(Hold);
  for (const Change& change : changes_) {
    bytes += change.rows.capacity() * sizeof(int) + change.entries.capacity() * sizeof(Row);
    for (const Row& r : change.entries)
      if (r.record != ItemTable::EmptyRow().record) bytes += r.RecordSize();
  }
  return bytes;
}

}  // namespace listora
