#include "core/panes/drag_move.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "panes_test_table.h"

namespace listora {
namespace {

using test::MakeTable;
using test::Memos;

struct Outcome {
  std::vector<int> order;
  std::vector<int> selected;
};

// The row-by-row move: one insert and one remove per
// dragged row, adjusting the rows still to come and the drop index.
Outcome ReferenceDrop(int count, std::vector<int> dragged, int drop) {
  std::vector<int> rows(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) rows[i] = i;
  if (drop > count) drop = count;
  for (std::size_t d = 0; d < dragged.size(); ++d) {
    int k = dragged[d];
    const int value = rows[k];
    rows.insert(rows.begin() + drop, value);
    if (drop < k) ++k;
    rows.erase(rows.begin() + k);
    for (std::size_t later = d + 1; later < dragged.size(); ++later) {
      int& row = dragged[later];
      if (k < row && row < drop) {
        --row;
      } else if (drop < row && row < k) {
        ++row;
      }
    }
    if (drop < k) ++drop;
  }
  Outcome out{rows, {}};
  for (int i = drop - static_cast<int>(dragged.size()); i < drop; ++i) out.selected.push_back(i);
  return out;
}

Outcome Plan(int count, std::vector<int> dragged, int drop) {
  const std::optional<DragMove> move = PlanDragMove(dragged, drop, count);
  return move ? Outcome{move->order, move->selected} : Outcome{};
}

TEST(PlanDragMove, LandsTheRowsTogetherInFrontOfTheDropRow) {
  Outcome out = Plan(6, {2, 3}, 0);
  EXPECT_EQ(out.order, (std::vector<int>{2, 3, 0, 1, 4, 5}));
  EXPECT_EQ(out.selected, (std::vector<int>{0, 1}));
  out = Plan(6, {0}, 1);
  EXPECT_EQ(out.order, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(out.selected, (std::vector<int>{0}));
  out = Plan(5, {1, 3}, 2);
  EXPECT_EQ(out.order, (std::vector<int>{0, 1, 3, 2, 4}));
  EXPECT_EQ(out.selected, (std::vector<int>{1, 2}));
  out = Plan(5, {0, 2}, 99);  // after the last row
  EXPECT_EQ(out.order, (std::vector<int>{1, 3, 4, 0, 2}));
  EXPECT_EQ(out.selected, (std::vector<int>{3, 4}));

  EXPECT_FALSE(PlanDragMove(std::vector<int>{1}, -1, 5));
  EXPECT_FALSE(PlanDragMove(std::vector<int>{}, 2, 5));
  EXPECT_FALSE(PlanDragMove(std::vector<int>{7}, 2, 5));
  // Rows outside the table, repeats and disorder do not disturb the move.
  EXPECT_EQ(Plan(5, {9, 3, -1, 1, 3}, 5).order, (std::vector<int>{0, 2, 4, 1, 3}));
  // A row named twice moves once, wherever the drop is.
  out = Plan(5, {1, 1}, 3);
  EXPECT_EQ(out.order, (std::vector<int>{0, 2, 1, 3, 4}));
  EXPECT_EQ(out.selected, (std::vector<int>{2}));
  out = Plan(5, {3, 3}, 1);
  EXPECT_EQ(out.order, (std::vector<int>{0, 3, 1, 2, 4}));
  EXPECT_EQ(out.selected, (std::vector<int>{1}));
  // Dropped onto a dragged row, the rows gather there and stay selected.
  out = Plan(5, {1, 3}, 3);
  EXPECT_EQ(out.order, (std::vector<int>{0, 2, 1, 3, 4}));
  EXPECT_EQ(out.selected, (std::vector<int>{2, 3}));
}

TEST(PlanDragMove, MatchesTheInsertAndRemoveLoop) {
  std::mt19937 random(5);
  for (int round = 0; round < 500; ++round) {
    const int count = 1 + static_cast<int>(random() % 12);
    std::vector<int> dragged;
    for (int row = 0; row < count; ++row) {
      if (random() % 3 == 0) dragged.push_back(row);
    }
    std::vector<int> places;  // the drop row is never a dragged one
    for (int row = 0; row <= count + 1; ++row) {
      if (!std::binary_search(dragged.begin(), dragged.end(), row)) places.push_back(row);
    }
    if (dragged.empty()) continue;
    const int drop = places[random() % places.size()];
    const Outcome expected = ReferenceDrop(count, dragged, drop);
    const Outcome actual = Plan(count, dragged, drop);
    ASSERT_EQ(actual.order, expected.order) << "round " << round;
    ASSERT_EQ(actual.selected, expected.selected) << "round " << round;
  }
}

TEST(DropDraggedRows, MovesWholeRows) {
  ItemTable items = MakeTable({{"a"}, {"b"}, {"c"}, {"d"}});
  items.SetImagePath(2, "c.jpg");
  const std::optional<std::vector<int>> selected = DropDraggedRows(items, std::vector<int>{2}, 0);
  ASSERT_TRUE(selected);
  EXPECT_EQ(*selected, std::vector<int>{0});
  EXPECT_EQ(Memos(items), (std::vector<std::string>{"#2", "#0", "#1", "#3"}));
  EXPECT_EQ(items.Cell(0, 1), "c");
  EXPECT_EQ(items.ImagePath(0), "c.jpg");
  EXPECT_FALSE(DropDraggedRows(items, std::vector<int>{1}, -1));
  EXPECT_EQ(Memos(items), (std::vector<std::string>{"#2", "#0", "#1", "#3"}));
}

}  // namespace
}  // namespace listora
