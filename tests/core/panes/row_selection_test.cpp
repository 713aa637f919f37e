#include "core/panes/row_selection.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace listora {
namespace {

using Range = RowSelection::Range;

// A row-by-row model: one flag per row.
std::vector<int> FlaggedRows(const std::vector<bool>& flags) {
  std::vector<int> rows;
  for (int row = 0; row < static_cast<int>(flags.size()); ++row)
    if (flags[row]) rows.push_back(row);
  return rows;
}

TEST(RowSelection, RandomEditsMatchAFlagPerRow) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    const int count = static_cast<int>(random() % 40);
    RowSelection selection;
    selection.SetRowCount(count);
    std::vector<bool> flags(count, false);
    for (int step = 0; step < 30; ++step) {
      const int a = static_cast<int>(random() % (count + 4)) - 2;
      const int b = static_cast<int>(random() % (count + 4)) - 2;
      switch (random() % 6) {
        case 0:
        case 1:
        case 2: {
          const bool on = random() % 2 == 0;
          selection.SetRange(a, b, on);
          for (int row = std::max(std::min(a, b), 0); row <= std::min(std::max(a, b), count - 1);
               ++row)
            flags[row] = on;
          break;
        }
        case 3:
          selection.Invert();
          flags.flip();
          break;
        case 4:
          selection.SelectAll();
          flags.assign(count, true);
          break;
        case 5: {
          const int shorter = std::max(count - static_cast<int>(random() % 5), 0);
          selection.SetRowCount(shorter);
          flags.resize(shorter);
          selection.SetRowCount(count);
          flags.resize(count, false);
          break;
        }
      }
      ASSERT_EQ(selection.Rows(), FlaggedRows(flags)) << "round " << round << " step " << step;
      ASSERT_EQ(selection.Count(), static_cast<int>(FlaggedRows(flags).size()));
      for (int row = -1; row <= count; ++row)
        ASSERT_EQ(selection.IsSelected(row), row >= 0 && row < count && flags[row]) << row;
      // Ranges stay sorted, disjoint and never touching.
      for (std::size_t i = 1; i < selection.Ranges().size(); ++i)
        ASSERT_GT(selection.Ranges()[i].first, selection.Ranges()[i - 1].last + 1);
      const int probe = static_cast<int>(random() % (count + 1)) - 1;
      int expectedNext = -1;
      for (int row = probe + 1; row < count && expectedNext < 0; ++row)
        if (flags[row]) expectedNext = row;
      ASSERT_EQ(selection.NextSelected(probe), expectedNext);
    }
  }
}

TEST(RowSelection, WholeTableOperationsAreOneRange) {
  RowSelection selection;
  selection.SetRowCount(1'000'000);
  selection.SelectAll();
  EXPECT_EQ(selection.Ranges(), (std::vector<Range>{{0, 999'999}}));
  EXPECT_EQ(selection.Count(), 1'000'000);
  selection.Set(500'000, false);
  selection.Invert();
  EXPECT_EQ(selection.Ranges(), (std::vector<Range>{{500'000, 500'000}}));
  EXPECT_EQ(selection.Count(), 1);
  // Rows selected one by one in ascending order grow one range.
  selection.Clear();
  for (int row = 10; row < 20; ++row) selection.Set(row, true);
  EXPECT_EQ(selection.Ranges(), (std::vector<Range>{{10, 19}}));
}

TEST(RowSelection, ClickGestures) {
  RowSelection selection;
  selection.SetRowCount(10);
  selection.Click(2, false, false);
  EXPECT_EQ(selection.Rows(), (std::vector<int>{2}));
  selection.Click(5, false, true);  // Shift: anchor 2 to 5
  EXPECT_EQ(selection.Rows(), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(selection.Focus(), 5);
  EXPECT_EQ(selection.Anchor(), 2);
  selection.Click(0, false, true);  // from the same anchor, the other way
  EXPECT_EQ(selection.Rows(), (std::vector<int>{0, 1, 2}));
  selection.Click(8, true, false);  // Ctrl adds and becomes the anchor
  selection.Click(1, true, false);  // Ctrl toggles off
  EXPECT_EQ(selection.Rows(), (std::vector<int>{0, 2, 8}));
  selection.Click(9, true, true);  // Ctrl+Shift adds anchor 1 to 9
  EXPECT_EQ(selection.Count(), 10 - 0);
  selection.Click(10, false, false);  // beyond the table: nothing
  EXPECT_EQ(selection.Count(), 10);
  // Row 0 is an anchor like any other.
  selection.Click(0, false, false);
  selection.Click(3, false, true);
  EXPECT_EQ(selection.Rows(), (std::vector<int>{0, 1, 2, 3}));
}

TEST(RowSelection, KeyGesturesAndShrinkingTable) {
  RowSelection selection;
  selection.SetRowCount(10);
  selection.MoveFocus(3, false, false);
  selection.MoveFocus(6, false, true);  // Shift+Down three times, or Shift+PgDn
  EXPECT_EQ(selection.Rows(), (std::vector<int>{3, 4, 5, 6}));
  selection.MoveFocus(9, true, false);  // Ctrl moves only the focus
  EXPECT_EQ(selection.Count(), 4);
  EXPECT_EQ(selection.Focus(), 9);
  selection.MoveFocus(9, false, true);  // Shift+End extends from the anchor
  EXPECT_EQ(selection.Rows(), (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
  selection.SetRowCount(5);
  EXPECT_EQ(selection.Rows(), (std::vector<int>{3, 4}));
  EXPECT_EQ(selection.Focus(), -1);
  EXPECT_EQ(selection.Anchor(), 3);
  // Without a focus or anchor, Shift starts from the row itself.
  selection.SetRowCount(0);
  selection.SetRowCount(5);
  selection.MoveFocus(2, false, true);
  EXPECT_EQ(selection.Rows(), (std::vector<int>{2}));
}

}  // namespace
}  // namespace listora
