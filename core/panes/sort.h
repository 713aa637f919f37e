#pragma once
// The column sort: the two comparators, the quicksort that orders whole rows
// of the item table by one column, and the per-column direction flags that a
// header click uses and flips.

#include <array>
#include <functional>
#include <string_view>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

// A comparator returns a negative, zero or positive result; `descending`
// negates it.
using Comparator = int (*)(std::string_view a, std::string_view b, bool descending);

// Numbers as the runtime's _atoi64 reads them once every "," is removed
// (leading white space, optional sign, digits up to the first other byte; no
// number reads as 0; out-of-range values saturate). The smaller value
// compares greater, so an ascending sort puts the largest number first.
int NumericCompare(std::string_view a, std::string_view b, bool descending);
// Multi-byte code order (cp932::MbsCompare).
int TextCompare(std::string_view a, std::string_view b, bool descending);

// The comparator a header click on `column` uses: numeric for a right-aligned
// column other than column 0, text otherwise.
Comparator ColumnComparator(const ColumnDescriptors& columns, int column);

// Called now and then during a sort with the number of rows whose place is
// settled (out of the rows sorted); returning true stops the sort, which
// then leaves the table as it was.
using SortProgress = std::function<bool(long long rowsPlaced)>;

// Sorts rows lo..hi (inclusive) of the table by the texts of `column`, moving
// whole rows; false when stopped. Out-of-range arguments sort nothing. A Hoare-partition quicksort
// with a middle pivot: rows with equal keys end up in a fixed (not stable)
// order that the rest of the program and stored documents see, so the
// partition steps must not change; only the recursion is bounded (the
// smaller part first, then a loop on the larger).
bool SortRows(ItemTable& items, Comparator cmp, int lo, int hi, int column, bool descending,
              const SortProgress& progress = {});

// The list view's sort direction flags: flag k is the `descending` argument
// of the next sort by column k.
struct SortFlags {
  std::array<bool, kMaxColumns> descending{};
};

// A header click on `column`: sorts the whole table by it and inverts the
// column's flag. Returns false, changing nothing, for an empty table, a
// column the list does not show or a sort stopped by `progress`.
bool ClickColumn(ItemTable& items, const ColumnDescriptors& columns, SortFlags& flags, int column,
                 const SortProgress& progress = {});

}  // namespace listora
