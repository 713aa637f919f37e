#include "core/tools/duplicates.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text/encoding.h"
#include "core/tools/duplicate_result.h"
#include "search_tables.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::MakeTable;
using test::Sj;

// The straightforward quadratic search: every ungrouped item against
// every later ungrouped one; `stopAfter` stops after that outer step.
struct Reference {
  std::vector<int> items;
  std::vector<int> groupStarts{0};
};
Reference ReferenceSearch(const ItemTable& table, int c, int stopAfter = -1) {
  const int count = table.GetSize();
  // Cells compare as the user sees them, letter case aside.
  std::vector<std::string> shown(count);
  for (int i = 0; i < count; ++i) shown[i] = test::FoldShown(Cp932ToUtf8(table.Cell(i, c)));
  std::vector<int> marks(count, -1);
  int groups = 0;
  for (int i = 0; i < count - 1; ++i) {
    if (marks[i] == -1) {
      for (int j = i + 1; j < count; ++j) {
        if (marks[j] == -1 && shown[j] == shown[i]) {
          if (marks[i] == -1) marks[i] = groups++;
          marks[j] = marks[i];
        }
      }
    }
    if (i == stopAfter) break;
  }
  Reference ref;
  for (int g = 0; g < groups; ++g) {
    for (int k = 0; k < count; ++k) {
      if (marks[k] == g) ref.items.push_back(k);
    }
    ref.groupStarts.push_back(static_cast<int>(ref.items.size()));
  }
  return ref;
}

// Random cells from pieces that collide under folding, pieces whose trail
// bytes look like letters or "\" and must not, and references and the
// pieces of their spelling.
ItemTable RandomTable(unsigned seed, int count) {
  // "\x83\x61" is ヂ, whose trail byte is "a".
  const std::vector<std::string> letters = {"a",  "A",        "z",        "Z",        "\\",
                                            "1",  "",         "\x83\x61", "&",        "&#x26;",
                                            "#x", "&#xd55c;", "x",        "&#xD55C;", "D55C;"};
  std::vector<std::string> pieces(letters);
  for (const char* kana : {"ａ", "Ａ", "ア", "ソ", "セ", "ホ", "ｱ", "한"})
    pieces.push_back(Sj(kana));
  std::mt19937 rng(seed);
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < count; ++r) {
    std::string cell;
    for (int n = static_cast<int>(rng() % 3); n > 0; --n) cell += pieces[rng() % pieces.size()];
    rows.push_back({"x", cell});
  }
  return MakeTable(rows);
}

TEST(Duplicates, MatchesTheQuadraticSearchOnRandomData) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    const auto table = RandomTable(seed, 400);
    const auto found = FindDuplicates(table, 2);
    const auto ref = ReferenceSearch(table, 2);
    ASSERT_EQ(found.items, ref.items) << "seed " << seed;
    ASSERT_EQ(found.groupStarts, ref.groupStarts) << "seed " << seed;
    EXPECT_FALSE(found.stopped);
  }
}

TEST(Duplicates, CaseAndCodePage) {
  const auto table = MakeTable({{"abc"},       // 0
                                {Sj("ア")},    // 1: trail byte 'A'
                                {"\x83\x61"},  // 2: ヂ, trail byte 'a'
                                {"ABC"},       // 3
                                {Sj("ａｂ")},  // 4
                                {""},          // 5
                                {Sj("ＡＢ")},  // 6
                                {"aBc"},       // 7
                                {""},          // 8
                                {Sj("ソ")},    // 9: trail byte '\'
                                {Sj("セ")},    // 10: trail byte 'Z'
                                {Sj("ホ")}});  // 11: trail byte 'z'
  const auto found = FindDuplicates(table, 1);
  ASSERT_EQ(found.GroupCount(), 3);
  // Three equal items are one group of three, not pairs.
  EXPECT_EQ(std::vector<int>(found.Group(0).begin(), found.Group(0).end()),
            (std::vector<int>{0, 3, 7}));
  EXPECT_EQ(std::vector<int>(found.Group(1).begin(), found.Group(1).end()),
            (std::vector<int>{4, 6}));
  // Empty cells form a group too.
  EXPECT_EQ(std::vector<int>(found.Group(2).begin(), found.Group(2).end()),
            (std::vector<int>{5, 8}));
  EXPECT_EQ(found.RowCount(), 7);
  EXPECT_EQ(found.GroupOfRow(0), 0);
  EXPECT_EQ(found.GroupOfRow(3), 1);
  EXPECT_EQ(found.GroupOfRow(6), 2);

  // Cells are the characters they show: a path's "&#x301C;" is a typed
  // "〜", a typed "&#xA" (stored "&#x26;#xA") is the text "&#xa" letter case
  // aside, and a reference is never folded into look-alike text.
  const auto shown = MakeTable({{PathToCp932("a〜b")},  // 0
                                {"&#xd55c;"},           // 1
                                {Sj("a〜B")},           // 2
                                {Sj("한")},             // 3
                                {"&#x26;#xA"},          // 4
                                {"&#xa"}});             // 5
  const auto alike = FindDuplicates(shown, 1);
  ASSERT_EQ(alike.GroupCount(), 2);
  EXPECT_EQ(alike.items, (std::vector<int>{0, 2, 4, 5}));

  EXPECT_EQ(FindDuplicates(MakeTable({{"only"}}), 1).GroupCount(), 0);
  EXPECT_EQ(FindDuplicates(MakeTable({{"a"}, {"b"}}), 1).GroupCount(), 0);
  EXPECT_THROW(FindDuplicates(table, 0), std::out_of_range);
  EXPECT_THROW(FindDuplicates(table, kMaxColumns), std::out_of_range);
}

TEST(Duplicates, StopKeepsCompleteGroupsFoundSoFar) {
  const auto table = RandomTable(7, 10000);
  int calls = 0;
  const auto found = FindDuplicates(table, 2, [&](int examined) {
    ++calls;
    return examined >= 4096;
  });
  EXPECT_TRUE(found.stopped);
  EXPECT_EQ(calls, 1);
  const auto ref = ReferenceSearch(table, 2, 4095);
  EXPECT_EQ(found.items, ref.items);
  EXPECT_EQ(found.groupStarts, ref.groupStarts);
  // Stopped after 4,096 distinct items, two equal ones after them are no group.
  std::vector<std::vector<std::string>> distinct;
  for (int i = 0; i < 4096; ++i) distinct.push_back({"x", std::to_string(i)});
  distinct.push_back({"x", "same"});
  distinct.push_back({"x", "same"});
  const auto late =
      FindDuplicates(MakeTable(distinct), 2, [](int examined) { return examined >= 4096; });
  EXPECT_TRUE(late.stopped);
  EXPECT_TRUE(late.items.empty());

  // Without a stop the last call reports every item examined.
  int last = 0;
  FindDuplicates(table, 2, [&](int examined) {
    last = examined;
    return false;
  });
  EXPECT_EQ(last, 10000);
}

TEST(Duplicates, MillionItemsInManyGroups) {
  // Pairs "kN" / "KN" plus unique items: half a million groups, which the
  // pairwise search would need about 10^11 comparisons for.
  constexpr int kCount = 1000000;
  ItemTable table;
  table.ResizeRows(kCount);
  for (int i = 0; i < kCount; ++i) {
    const int n = i % 500000;
    table.SetCell(i, 1, (i < 500000 ? "k" : "K") + std::to_string(n * 2));
  }
  table.SetCell(kCount - 1, 1, "unique");
  const auto found = FindDuplicates(table, 1);
  ASSERT_EQ(found.GroupCount(), 499999);
  EXPECT_EQ(found.RowCount(), 999998);
  const auto first = found.Group(0);
  EXPECT_EQ(std::vector<int>(first.begin(), first.end()), (std::vector<int>{0, 500000}));
  const auto last = found.Group(499998);
  EXPECT_EQ(std::vector<int>(last.begin(), last.end()), (std::vector<int>{499998, 999998}));
}

TEST(DuplicateResult, ColumnsTicksAndLabels) {
  EXPECT_EQ(ResultColumns(3, 4), (std::vector<int>{3, 1, 2, 4}));
  EXPECT_EQ(ResultColumns(1, 1), (std::vector<int>{1}));
  EXPECT_FALSE(IsShadedGroup(0));
  EXPECT_TRUE(IsShadedGroup(1));

  const auto found = FindDuplicates(MakeTable({{"b"}, {"a"}, {"B"}, {"A"}}), 1);
  DuplicateTicks ticks(found.RowCount());
  ticks.Set(3, true);
  ticks.Set(0, true);
  ticks.Set(0, true);
  EXPECT_EQ(ticks.Count(), 2);
  ticks.Set(1, true);
  ticks.Set(1, false);
  ticks.Set(2, false);
  EXPECT_EQ(ticks.Count(), 2);
  // Rows 0 and 3 hold items 0 ("b") and 3 ("A").
  EXPECT_EQ(ticks.TickedItems(found), (std::vector<int>{0, 3}));

  EXPECT_EQ(DuplicateRowsLabel(0), "総アイテム数:    0");
  EXPECT_EQ(DuplicateTickedLabel(12), "チェックアイテム数:   12");
  EXPECT_EQ(DuplicateGroupsLabel(3), "重複数:    3 組");
}

}  // namespace
}  // namespace listora
