#include "core/panes/sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "panes_test_table.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::Columns;
using test::ColumnTexts;
using test::MakeTable;
using test::Memos;
using test::Sj;

// The straightforward row-swapping recursive quicksort, kept as the
// reference for the order of equal keys.
void ReferenceSort(ItemTable& t, Comparator cmp, int lo, int hi, int k, bool desc) {
  const std::string pivot(t.Cell(lo + (hi - lo) / 2, k));
  int i = lo;
  int j = hi;
  for (;;) {
    while (cmp(std::string(t.Cell(i, k)), pivot, desc) < 0) ++i;
    while (cmp(pivot, std::string(t.Cell(j, k)), desc) < 0) --j;
    if (j <= i) break;
    t.SwapRows(i, j);
    ++i;
    --j;
  }
  if (lo < i - 1) ReferenceSort(t, cmp, lo, i - 1, k, desc);
  if (j + 1 < hi) ReferenceSort(t, cmp, j + 1, hi, k, desc);
}

TEST(NumericCompare, ReadsNumbersAsTheRuntimeDoes) {
  EXPECT_LT(NumericCompare("1,000", "200", false), 0);  // larger first
  EXPECT_GT(NumericCompare("-5", "3", false), 0);
  EXPECT_LT(NumericCompare("-5", "3", true), 0);
  EXPECT_EQ(NumericCompare(" \t+12", "12", false), 0);
  EXPECT_EQ(NumericCompare(",-,5", "-5", false), 0);     // commas vanish before reading
  EXPECT_EQ(NumericCompare("12abc", "12 3", false), 0);  // reading stops at "a" and " "
  EXPECT_EQ(NumericCompare("abc", "", false), 0);
  EXPECT_EQ(NumericCompare("- 5", "0", false), 0);       // no blank after the sign
  EXPECT_EQ(NumericCompare(Sj("１２"), "0", false), 0);  // full-width digits are no number
  EXPECT_EQ(NumericCompare("99999999999999999999", "9223372036854775807", false), 0);
  EXPECT_EQ(NumericCompare("-99999999999999999999", "-9223372036854775808", false), 0);
  EXPECT_LT(NumericCompare("9223372036854775807", "-9223372036854775808", false), 0);
  // At the limits numbers still compare exactly; one past, they saturate.
  EXPECT_LT(NumericCompare("9223372036854775807", "9223372036854775806", false), 0);
  EXPECT_EQ(NumericCompare("9223372036854775808", "9223372036854775807", false), 0);
  EXPECT_GT(NumericCompare("-9223372036854775808", "-9223372036854775807", false), 0);
  EXPECT_EQ(NumericCompare("-9223372036854775809", "-9223372036854775808", false), 0);
}

TEST(TextCompare, UsesMultiByteCodeOrder) {
  EXPECT_LT(TextCompare("B", "a", false), 0);
  EXPECT_GT(TextCompare("B", "a", true), 0);
  // A half-width katakana byte (0xB1) is above the lead byte 0x88 but below
  // the double-byte character as a whole.
  EXPECT_LT(TextCompare(Sj("ｱ"), Sj("亜"), false), 0);
  EXPECT_LT(TextCompare("ab", "abc", false), 0);
}

TEST(ClickColumn, SortsByTheColumnKindAndFlipsItsFlag) {
  SortFlags flags;
  const ColumnDescriptors columns = Columns(4, {2});

  ItemTable empty;
  EXPECT_FALSE(ClickColumn(empty, columns, flags, 1));
  EXPECT_FALSE(flags.descending[1]);

  ItemTable one = MakeTable({{"x"}});
  EXPECT_TRUE(ClickColumn(one, columns, flags, 1));
  EXPECT_TRUE(flags.descending[1]);
  flags = {};

  ItemTable items =
      MakeTable({{"b", "abc", "-5"}, {"a", "1,000", "3"}, {"B", "", "x"}, {"c", "200", "y"}});
  ASSERT_TRUE(ClickColumn(items, columns, flags, 2));
  std::vector<std::string> numbers = ColumnTexts(items, 2);
  EXPECT_EQ(numbers[0], "1,000");
  EXPECT_EQ(numbers[1], "200");
  ASSERT_TRUE(ClickColumn(items, columns, flags, 2));
  numbers = ColumnTexts(items, 2);
  EXPECT_EQ(numbers[2], "200");
  EXPECT_EQ(numbers[3], "1,000");

  // Column 3 is not numeric, and its flag is its own.
  ASSERT_TRUE(ClickColumn(items, columns, flags, 3));
  EXPECT_EQ(ColumnTexts(items, 3), (std::vector<std::string>{"-5", "3", "x", "y"}));
  ASSERT_TRUE(ClickColumn(items, columns, flags, 1));
  EXPECT_EQ(ColumnTexts(items, 1), (std::vector<std::string>{"B", "a", "b", "c"}));
  // Rows stay whole.
  EXPECT_EQ(Memos(items), (std::vector<std::string>{"#2", "#1", "#0", "#3"}));
  EXPECT_EQ(ColumnTexts(items, 2), (std::vector<std::string>{"", "1,000", "abc", "200"}));

  // Column 0 sorts as text although it is right-aligned; a column the list
  // does not show is refused.
  ItemTable icons = MakeTable({{"a"}, {"b"}});
  icons.SetImagePath(0, "p.jpg");
  icons.UpdateIconIndex(0);
  ASSERT_TRUE(ClickColumn(icons, columns, flags, 0));
  EXPECT_EQ(ColumnTexts(icons, 0), (std::vector<std::string>{"1", "3"}));
  EXPECT_FALSE(ClickColumn(icons, columns, flags, 4));
  EXPECT_FALSE(flags.descending[4]);
}

TEST(SortRows, OrdersEqualKeysAsTheRecursiveSort) {
  std::mt19937 random(7);
  const std::vector<std::string> keys = {"",    "1",   "1,0", "10",    " 10",    "-3",
                                         "abc", "ABC", "b",   Sj("ｱ"), Sj("亜"), Sj("ソ")};
  for (int round = 0; round < 200; ++round) {
    const int n = 1 + static_cast<int>(random() % 60);
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < n; ++i) rows.push_back({keys[random() % keys.size()]});
    ItemTable actual = MakeTable(rows);
    ItemTable expected = MakeTable(rows);
    const Comparator cmp = round % 2 ? NumericCompare : TextCompare;
    const bool desc = round % 4 >= 2;
    const int lo = round % 3 == 0 ? static_cast<int>(random() % n) : 0;
    const int hi = round % 5 == 0 ? lo + static_cast<int>(random() % (n - lo)) : n - 1;
    if (lo < hi) ReferenceSort(expected, cmp, lo, hi, 1, desc);
    SortRows(actual, cmp, lo, hi, 1, desc);
    ASSERT_EQ(Memos(actual), Memos(expected)) << "round " << round;
  }
}

// Also the progress: rising counts of settled rows, the last within one
// report's step of all of them.
TEST(SortRows, LargeInputsInCommonShapes) {
  const int n = 200000;
  const auto check = [&](auto makeKey, Comparator cmp) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < n; ++i) rows.push_back({makeKey(i)});
    ItemTable items = MakeTable(rows);
    std::vector<long long> reports;
    EXPECT_TRUE(SortRows(items, cmp, 0, n - 1, 1, false, [&](long long placed) {
      reports.push_back(placed);
      return false;
    }));
    for (int row = 1; row < n; ++row) {
      ASSERT_LE(cmp(items.Cell(row - 1, 1), items.Cell(row, 1), false), 0) << row;
    }
    ASSERT_GT(reports.size(), 10u);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_LE(reports.back(), n);
    EXPECT_GT(reports.back(), n - 4096);
  };
  check([](int i) { return std::to_string(i); }, NumericCompare);
  check([&](int i) { return std::to_string(n - i); }, NumericCompare);
  check([](int) { return std::string("same"); }, TextCompare);
  check([](int i) { return std::to_string(i % 3); }, TextCompare);
}

// A stopped sort changes neither the rows nor the column's flag.
TEST(ClickColumn, StoppedSortLeavesTheTableAsItWas) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 100000; ++i) rows.push_back({std::to_string(i * 7919 % 100000)});
  ItemTable items = MakeTable(rows);
  const ItemTable before = items;
  const ColumnDescriptors columns = Columns(1);
  SortFlags flags;
  int calls = 0;
  EXPECT_FALSE(ClickColumn(items, columns, flags, 1, [&](long long) { return ++calls == 3; }));
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(Memos(items), Memos(before));
  EXPECT_FALSE(flags.descending[1]);
}

}  // namespace
}  // namespace listora
