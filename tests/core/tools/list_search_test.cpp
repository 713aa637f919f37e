#include "core/tools/list_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text/encoding.h"
#include "search_tables.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::ColumnTexts;
using test::MakeTable;
using test::Sj;

TEST(ListSearch, MovesMatchesToTopInOrder) {
  auto table =
      MakeTable({{"p", "-"}, {"q", "-"}, {"r", "x key"}, {"s", "-"}, {"t", "-"}, {"key", "-"}});
  // Column 0 holds the icon index text, which is never searched.
  table.SetMemo(0, "memo with key");
  table.UpdateIconIndex(0);
  const auto result = ListSearch(table, 2, "key");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->found, 2);
  EXPECT_EQ(result->text, "key");
  EXPECT_EQ(ColumnTexts(table, 1), (std::vector<std::string>{"r", "key", "p", "q", "s", "t"}));
  EXPECT_EQ(result->message, "\"key\" を含むアイテムが 2 個見つかりました。");
  for (int r = 0; r < table.GetSize(); ++r) EXPECT_FALSE(table.Marked(r)) << r;
  EXPECT_EQ(table.IconIndex(2), "1");
  EXPECT_FALSE(ListSearch(table, 2, "1")->found);
}

TEST(ListSearch, CaseAsTypedAndNothingFound) {
  auto table = MakeTable({{"ABC"}, {Sj("ア")}, {Sj("ソ")}});
  const auto result = ListSearch(table, 1, "abc");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->found, 0);
  EXPECT_EQ(result->message, "\"abc\" を含むアイテムは見つかりませんでした");
  EXPECT_EQ(ListSearch(table, 1, "A")->found, 1);
  EXPECT_EQ(ListSearch(table, 1, "\\")->found, 0);
  const auto kana = ListSearch(table, 1, Sj("ソ"));
  EXPECT_EQ(kana->found, 1);
  EXPECT_EQ(kana->message, "\"ソ\" を含むアイテムが 1 個見つかりました。");
  EXPECT_EQ(ColumnTexts(table, 1).front(), Sj("ソ"));

  EXPECT_FALSE(ListSearch(table, 1, ""));
  ItemTable empty;
  EXPECT_FALSE(ListSearch(empty, 1, "a"));

  // The search box hands over 259 bytes at most, never half a character.
  std::string longText;
  for (int i = 0; i < 150; ++i) longText += Sj("あ");
  EXPECT_EQ(ListSearch(table, 1, longText)->text.size(), 258u);
}

TEST(ListSearch, TextCp932CannotHoldFindsItsItems) {
  auto table = MakeTable(
      {{"a"}, {Sj("한국어.txt")}, {Sj("emoji😀.txt")}, {Sj("a〜b.jpg")}, {PathToCp932("c〜d.jpg")}});
  const auto hangul = ListSearch(table, 1, Sj("국어"));
  EXPECT_EQ(hangul->found, 1);
  EXPECT_EQ(hangul->message, "\"국어\" を含むアイテムが 1 個見つかりました。");
  EXPECT_EQ(ColumnTexts(table, 1).front(), Sj("한국어.txt"));
  EXPECT_EQ(ListSearch(table, 1, Sj("😀"))->found, 1);
  // Nothing of a reference's spelling is on the screen.
  for (const std::string text : {"&", "#x", "D55C", "1F600;"})
    EXPECT_EQ(ListSearch(table, 1, text)->found, 0) << text;
  // Typed "〜" and "～" both find the text form and an inserted file name.
  EXPECT_EQ(ListSearch(table, 1, Sj("〜b"))->found, 1);
  EXPECT_EQ(ListSearch(table, 1, Sj("～b"))->found, 1);
  const auto wave = ListSearch(table, 1, Sj("〜"));
  EXPECT_EQ(wave->found, 2);
  EXPECT_EQ(wave->text, Sj("〜"));
  EXPECT_EQ(ListSearch(table, 1, Sj("～d"))->found, 1);

  // Cut to 259 bytes, the text keeps no part of a reference.
  std::string longText(255, 'x');
  longText += Sj("한");
  EXPECT_EQ(ListSearch(table, 1, longText)->text, std::string(255, 'x'));
}

// The row-by-row move: from the last row up, a marked row goes to row 0 with
// its mark cleared, and the same position is looked at again.
void ReferenceMove(ItemTable& table) {
  for (int r = table.GetSize() - 1; r >= 0;) {
    if (table.Marked(r)) {
      ItemFields fields = table.GetRow(r);
      table.RemoveRow(r);
      table.InsertRow(0, fields);
    } else {
      --r;
    }
  }
}

TEST(ListSearch, SameOrderAsTheRowByRowMove) {
  std::mt19937 rng(5);
  for (int round = 0; round < 20; ++round) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 60; ++r) {
      rows.push_back({std::to_string(r), rng() % 3 ? "-" : "hit"});
    }
    auto table = MakeTable(rows);
    auto expected = MakeTable(rows);
    for (int r = 0; r < expected.GetSize(); ++r) {
      expected.SetMark(r, expected.Cell(r, 2) == "hit");
    }
    ReferenceMove(expected);
    ListSearch(table, 2, "hit");
    EXPECT_EQ(ColumnTexts(table, 1), ColumnTexts(expected, 1)) << "round " << round;
  }
}

TEST(ListSearch, LargeTableInOnePass) {
  constexpr int kRows = 200000;
  ItemTable table;
  table.ResizeRows(kRows);
  for (int r = 0; r < kRows; ++r) table.SetCell(r, 1, std::to_string(r % 3 ? -r : r));
  const auto result = ListSearch(table, 1, "-");
  EXPECT_EQ(result->found, kRows - (kRows + 2) / 3);
  EXPECT_EQ(table.Cell(0, 1), "-1");
  EXPECT_EQ(table.Cell(result->found, 1), "0");
  EXPECT_EQ(table.Cell(kRows - 1, 1), std::to_string(kRows - 2));
}

}  // namespace
}  // namespace listora
