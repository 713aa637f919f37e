#include "core/panes/sort.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <span>
#include <utility>
#include <vector>

#include "core/base/huge_pages.h"
#include "core/doc/columns.h"
#include "core/text/cp932.h"

namespace listora {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Reads the number in place, stepping over every "," as if it had been
// removed, so no comparison allocates.
std::int64_t ReadNumber(std::string_view s) {
  std::size_t i = 0;
  const auto skipCommas = [&] {
    while (i < s.size() && s[i] == ',') ++i;
  };
  skipCommas();
  while (i < s.size() && IsSpace(s[i])) {
    ++i;
    skipCommas();
  }
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
    skipCommas();
  }
  const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
  std::uint64_t value = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
    const auto digit = static_cast<std::uint64_t>(s[i] - '0');
    if (value > (limit - digit) / 10) {
      value = limit;
      break;
    }
    value = value * 10 + digit;
    ++i;
    skipCommas();
  }
  return static_cast<std::int64_t>(negative ? 0 - value : value);
}

// A text with its order prefix (cp932::OrderPrefix): most comparisons end
// at the prefixes.
struct TextKey {
  std::uint64_t prefix;
  std::string_view text;
};

TextKey MakeTextKey(std::string_view text) { return {cp932::OrderPrefix(text), text}; }

int CompareTextKeys(const TextKey& a, const TextKey& b, bool descending) {
  // Equal texts (frequent among a column's values) are told by one memcmp.
  const int result = a.prefix != b.prefix ? (a.prefix < b.prefix ? -1 : 1)
                     : a.text == b.text   ? 0
                                          : cp932::MbsCompare(a.text, b.text);
  return descending ? -result : result;
}

int CompareNumbers(std::int64_t x, std::int64_t y, bool descending) {
  const int result = x < y ? 1 : (x > y ? -1 : 0);
  return descending ? -result : result;
}

constexpr long long kRowsBetweenReports = 4096;

// Counts the rows whose place is settled and reports them every so many.
class PlacedRows {
 public:
  explicit PlacedRows(const SortProgress& progress) : progress_(progress) {}

  void Add(std::ptrdiff_t rows) {
    placed_ += rows;
    if (progress_ && placed_ >= nextReport_) {
      stopped_ = progress_(placed_);
      nextReport_ = placed_ + kRowsBetweenReports;
    }
  }
  bool Stopped() const { return stopped_; }

 private:
  const SortProgress& progress_;
  long long placed_ = 0;
  long long nextReport_ = kRowsBetweenReports;
  bool stopped_ = false;
};

// Entries lo..hi, each with a `key` that `cmp` compares three-way. The scans
// are also bounded by lo..hi; with a consistent comparator they never reach
// those bounds, so the order is the unguarded algorithm's.
template <typename Entry, typename Compare>
void SortRange(std::span<Entry> e, std::ptrdiff_t lo, std::ptrdiff_t hi, const Compare& cmp,
               PlacedRows& placed) {
  while (lo < hi) {
    if (placed.Stopped()) return;
    const auto pivot = e[lo + (hi - lo) / 2].key;
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    for (;;) {
      while (i < hi && cmp(e[i].key, pivot) < 0) ++i;
      while (j > lo && cmp(pivot, e[j].key) < 0) --j;
      if (j <= i) break;
      std::swap(e[i], e[j]);
      ++i;
      --j;
    }
    // The parts lo..i-1 and j+1..hi do not overlap, so sorting the smaller one
    // first keeps the depth logarithmic without changing the result. A row
    // between them is in its place.
    placed.Add(std::max<std::ptrdiff_t>(j - i + 1, 0));
    if (i - lo < hi - j) {
      SortRange(e, lo, i - 1, cmp, placed);
      lo = j + 1;
    } else {
      SortRange(e, j + 1, hi, cmp, placed);
      hi = i - 1;
    }
  }
  if (lo == hi) placed.Add(1);
}

// Sorts the keys of rows lo..hi with their row numbers, then moves every row
// once: the same order as swapping rows during the partitions.
template <typename Key, typename ReadKey, typename Compare>
bool SortRowsByKeys(ItemTable& items, int lo, int hi, const ReadKey& readKey, const Compare& cmp,
                    const SortProgress& progress) {
  struct Entry {
    Key key;
    int row;
  };
  std::vector<Entry> entries;
  ReserveLarge(entries, static_cast<std::size_t>(hi - lo) + 1);
  for (int row = lo; row <= hi; ++row) {
    // Reading the keys settles no row, but may be stopped as well.
    if ((row - lo) % kRowsBetweenReports == kRowsBetweenReports - 1 && progress && progress(0))
      return false;
    entries.push_back({readKey(row), row});
  }
  PlacedRows placed(progress);
  SortRange(std::span<Entry>(entries), 0, static_cast<std::ptrdiff_t>(entries.size()) - 1, cmp,
            placed);
  if (placed.Stopped()) return false;

  std::vector<int> order;
  ReserveLarge(order, static_cast<std::size_t>(items.GetSize()));
  order.resize(static_cast<std::size_t>(items.GetSize()));
  std::iota(order.begin(), order.end(), 0);
  for (std::size_t k = 0; k < entries.size(); ++k) order[lo + k] = entries[k].row;
  // Gone before the move, which needs a copy of the rows of its own.
  std::vector<Entry>().swap(entries);
  items.Permute(order);
  return true;
}

}  // namespace

int NumericCompare(std::string_view a, std::string_view b, bool descending) {
  return CompareNumbers(ReadNumber(a), ReadNumber(b), descending);
}

int TextCompare(std::string_view a, std::string_view b, bool descending) {
  const int result = cp932::MbsCompare(a, b);
  return descending ? -result : result;
}

Comparator ColumnComparator(const ColumnDescriptors& columns, int column) {
  if (column > 0 && column < kMaxColumns && (columns.formats[column] & kFormatRight) != 0) {
    return NumericCompare;
  }
  return TextCompare;
}

bool SortRows(ItemTable& items, Comparator cmp, int lo, int hi, int column, bool descending,
              const SortProgress& progress) {
  if (column < 0 || column >= kMaxColumns || lo < 0 || hi >= items.GetSize() || lo >= hi)
    return true;
  if (cmp == NumericCompare) {
    // The comparison depends only on the two numbers, so each text is read
    // once rather than at every comparison.
    return SortRowsByKeys<std::int64_t>(
        items, lo, hi, [&](int row) { return ReadNumber(items.Cell(row, column)); },
        [&](std::int64_t x, std::int64_t y) { return CompareNumbers(x, y, descending); }, progress);
  }
  if (cmp == TextCompare) {
    // The keys stay valid because the table is untouched until the final move.
    return SortRowsByKeys<TextKey>(
        items, lo, hi, [&](int row) { return MakeTextKey(items.Cell(row, column)); },
        [&](const TextKey& a, const TextKey& b) { return CompareTextKeys(a, b, descending); },
        progress);
  }
  return SortRowsByKeys<std::string_view>(
      items, lo, hi, [&](int row) { return items.Cell(row, column); },
      [&](std::string_view a, std::string_view b) { return cmp(a, b, descending); }, progress);
}

bool ClickColumn(ItemTable& items, const ColumnDescriptors& columns, SortFlags& flags, int column,
                 const SortProgress& progress) {
  if (items.IsEmpty() || column < 0 || column >= ClampColumnCount(columns.count)) return false;
  bool& descending = flags.descending[static_cast<std::size_t>(column)];
  if (!SortRows(items, ColumnComparator(columns, column), 0, items.GetSize() - 1, column,
                descending, progress))
    return false;
  descending = !descending;
  return true;
}

}  // namespace listora
