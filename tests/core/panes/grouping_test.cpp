#include "core/panes/grouping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/panes/sort.h"
#include "core/text/cp932.h"
#include "panes_test_table.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::MakeTable;
using test::Sj;

const std::vector<int> kFourLevels = {0, 1, 2, 3, 4};

std::string Text(const ItemTable& items, int position, std::vector<int> order = kFourLevels) {
  const std::optional<GroupingTree> tree = BuildGroupingTree(items, order, position);
  return tree ? TreeClipboardText(*tree) : "<none>";
}

// The grouping as the tree control saw it: node by node, each inserted in
// sorted position among its siblings, after a key sort of a table copy.
struct RefNode {
  std::string text;
  int column;
  std::vector<RefNode> children;
};

RefNode& InsertSorted(std::vector<RefNode>& siblings, std::string text, int column) {
  auto at = std::find_if(siblings.begin(), siblings.end(),
                         [&](const RefNode& s) { return cp932::MbsCompare(text, s.text) < 0; });
  return *siblings.insert(at, RefNode{std::move(text), column, {}});
}

void InsertChain(std::vector<RefNode>& siblings, const ItemTable& t, int row,
                 const std::vector<int>& levels, std::size_t from) {
  std::vector<RefNode>* at = &siblings;
  for (std::size_t k = from; k < levels.size(); ++k) {
    at = &InsertSorted(*at, std::string(t.Cell(row, levels[k])), levels[k]).children;
  }
}

RefNode* FindChild(std::vector<RefNode>& children, std::string_view text) {
  for (RefNode& c : children) {
    if (c.text == text) return &c;
  }
  return nullptr;
}

std::vector<RefNode> ReferenceTree(ItemTable t, const std::vector<int>& levels) {
  const int n = t.GetSize();
  const std::size_t l = levels.size();
  SortRows(t, TextCompare, 0, n - 1, levels[0], false);
  std::vector<RefNode> roots;
  for (int u = 0; u < n;) {
    const std::string key(t.Cell(u, levels[0]));
    InsertChain(roots, t, u, levels, 0);
    const auto top =
        std::find_if(roots.begin(), roots.end(), [&](const RefNode& r) { return r.text == key; });
    int j = u + 1;
    for (; j < n && t.Cell(j, levels[0]) == key; ++j) {
      if (l < 2) continue;
      RefNode* n1 = FindChild(top->children, t.Cell(j, levels[1]));
      if (!n1) {
        InsertChain(top->children, t, j, levels, 1);
      } else if (!n1->children.empty()) {
        RefNode* n2 = FindChild(n1->children, t.Cell(j, levels[2]));
        if (!n2) {
          InsertChain(n1->children, t, j, levels, 2);
        } else if (l == 4) {
          InsertSorted(n2->children, std::string(t.Cell(j, levels[3])), levels[3]);
        }
      }
    }
    u = j;
  }
  return roots;
}

struct FlatNode {
  std::string_view text;
  int column;
  int depth;
};

void Flatten(const std::vector<RefNode>& nodes, int depth, std::vector<FlatNode>& out) {
  for (const RefNode& node : nodes) {
    out.push_back({node.text, node.column, depth});
    Flatten(node.children, depth + 1, out);
  }
}

TEST(GroupingLevels, FollowsTheDisplayOrderRoundFromThePosition) {
  EXPECT_EQ(GroupingLevels(kFourLevels, 3), (std::vector<int>{3, 4, 1, 2}));
  EXPECT_EQ(GroupingLevels(std::vector<int>{0, 3, 1, 2, 4}, 1), (std::vector<int>{3, 1, 2, 4}));
  EXPECT_EQ(GroupingLevels(std::vector<int>{0, 1, 2, 3, 4, 5, 6}, 2),
            (std::vector<int>{2, 3, 4, 1}));  // never more than four levels
  EXPECT_EQ(GroupingLevels(std::vector<int>{0, 2, 1}, 2), (std::vector<int>{1, 2}));
  EXPECT_TRUE(GroupingLevels(std::vector<int>{0, 1, 2}, 3).empty());
  EXPECT_TRUE(GroupingLevels(kFourLevels, 0).empty());
  EXPECT_TRUE(GroupingLevels(std::vector<int>{0, 1, 11}, 1).empty());
}

TEST(BuildGroupingTree, SharesUpperLevelsAndRepeatsLeaves) {
  const std::string tokyo = Sj("東京"), shibuya = Sj("渋谷");
  EXPECT_EQ(Text(MakeTable({{tokyo, shibuya, "A", "x"}, {tokyo, shibuya, "A", "y"}}), 1),
            tokyo + "\r\n\t" + shibuya + "\r\n\t\tA\r\n\t\t\tx\r\n\t\t\ty");
  EXPECT_EQ(Text(MakeTable({{"T", "S", "A", "x"}, {"T", "S", "A", "x"}}), 1),
            "T\r\n\tS\r\n\t\tA\r\n\t\t\tx\r\n\t\t\tx");
  const ItemTable same = MakeTable({{"T", "S", "A"}, {"T", "S", "A"}});
  EXPECT_EQ(Text(same, 1, {0, 1, 2, 3}), "T\r\n\tS\r\n\t\tA");
  EXPECT_EQ(Text(same, 2, {0, 1, 2}), "S\r\n\tT");
  EXPECT_EQ(Text(same, 1, {0, 1}), "T");
  EXPECT_EQ(Text(same, 2, {0, 1}), "<none>");
  EXPECT_EQ(Text(ItemTable{}, 1), "<none>");

  // Siblings in code order: half-width kana before kanji, though its byte is
  // above the kanji's lead byte; empty texts group like any other.
  const ItemTable mixed =
      MakeTable({{Sj("亜"), "b"}, {"z", ""}, {Sj("ｱ"), "a"}, {Sj("亜"), "a"}, {"y", ""}});
  const std::optional<GroupingTree> tree = BuildGroupingTree(mixed, std::vector<int>{0, 2, 1}, 1);
  ASSERT_TRUE(tree);
  EXPECT_EQ(tree->parentCount, 3);
  EXPECT_EQ(TreeClipboardText(*tree),
            "\r\n\ty\r\n\tz\r\na\r\n\t" + Sj("ｱ") + "\r\n\t" + Sj("亜") + "\r\nb\r\n\t" + Sj("亜"));
  EXPECT_EQ(tree->Column(0), 2);
  EXPECT_EQ(tree->Column(1), 1);
  EXPECT_EQ(tree->Depth(1), 1);
}

TEST(BuildGroupingTree, MatchesNodeByNodeInsertion) {
  std::mt19937 random(11);
  const std::vector<std::string> words = {"", "a", "b", "B", Sj("ｱ"), Sj("亜"), Sj("ソ")};
  for (int round = 0; round < 150; ++round) {
    const int columns = 2 + round % 5;
    std::vector<int> order(static_cast<std::size_t>(columns));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    const int levelCount = std::min(4, columns - 1);
    const int position = 1 + static_cast<int>(random() % levelCount);
    std::vector<std::vector<std::string>> rows(1 + random() % 40);
    for (auto& row : rows) {
      for (int c = 1; c < columns; ++c) row.push_back(words[random() % (round % 3 + 3)]);
    }
    const ItemTable items = MakeTable(rows);
    const std::vector<int> levels = GroupingLevels(order, position);
    const std::vector<RefNode> reference = ReferenceTree(items, levels);
    std::vector<FlatNode> expected;  // views of `reference`'s texts
    Flatten(reference, 0, expected);
    const std::optional<GroupingTree> tree = BuildGroupingTree(items, order, position);
    ASSERT_TRUE(tree);
    ASSERT_EQ(tree->NodeCount(), expected.size()) << "round " << round;
    for (std::size_t k = 0; k < expected.size(); ++k) {
      ASSERT_EQ(tree->Text(k), expected[k].text) << "round " << round << " node " << k;
      ASSERT_EQ(tree->Column(k), expected[k].column);
      ASSERT_EQ(tree->Depth(k), expected[k].depth);
    }
  }
}

TEST(BuildGroupingTree, ReportsProgressPerGroupAndStopsWhenAsked) {
  ItemTable items = MakeTable({{"b", "1"}, {"a", "2"}, {"b", "3"}, {"c", "4"}});
  std::vector<int> calls;
  const auto all = BuildGroupingTree(items, kFourLevels, 1, [&](int done) {
    calls.push_back(done);
    return false;
  });
  EXPECT_EQ(calls, (std::vector<int>{1, 3, 4}));
  EXPECT_FALSE(all->cancelled);
  const auto one = BuildGroupingTree(MakeTable({{"a", "1"}, {"a", "2"}}), kFourLevels, 1,
                                     [](int) { return false; });
  ASSERT_TRUE(one);
  EXPECT_FALSE(one->cancelled);
  EXPECT_EQ(one->parentCount, 1);
  // Asked to stop only once every row is done, the tree is whole.
  const auto late = BuildGroupingTree(items, kFourLevels, 1, [](int done) { return done == 4; });
  ASSERT_TRUE(late);
  EXPECT_FALSE(late->cancelled);
  EXPECT_EQ(late->parentCount, 3);

  // Stopping keeps the groups done; the table may change under the
  // callback without harm, as the build reads the records as they were.
  const auto part = BuildGroupingTree(items, kFourLevels, 1, [&](int done) {
    items.ClearRows();
    return done >= 3;
  });
  ASSERT_TRUE(part);
  EXPECT_TRUE(part->cancelled);
  EXPECT_EQ(part->parentCount, 2);
  EXPECT_EQ(TreeClipboardText(*part),
            "a\r\n\t2\r\n\t\t\r\n\t\t\t\r\nb\r\n\t1\r\n\t\t\r\n\t\t\t\r\n\t3");
}

// The clipboard text of a tree of the given nodes (depth, text): each chain
// (nodes one level deeper each) read from a record of its own, the text of
// depth d in column d + 1.
std::string ClipboardTextOf(const std::vector<std::pair<int, std::string>>& nodes) {
  GroupingTree tree;
  tree.levels = {1, 2, 3};
  std::vector<std::vector<std::string>> chains;
  for (const auto& [depth, text] : nodes) {
    tree.depths.push_back(static_cast<std::uint8_t>(depth));
    if (tree.StartsChain(tree.depths.size() - 1)) chains.emplace_back(4);
    chains.back()[static_cast<std::size_t>(depth) + 1] = text;
  }
  std::vector<std::string> records;
  for (const auto& columns : chains) {
    std::string& record = records.emplace_back();
    for (const std::string& text : columns) record += text + "\x07";
    record += "\n\x08\x08";
  }
  for (const std::string& record : records) tree.chainRecords.push_back(record.data());
  tree.chainsBefore = {0};
  return TreeClipboardText(tree);
}

TEST(TreeClipboardText, TrimsTrailingWhiteSpaceByCharacter) {
  EXPECT_EQ(TreeClipboardText({}), "");
  EXPECT_EQ(ClipboardTextOf({{0, " "}, {1, "\t"}}), "");
  const std::string wideSpace = Sj("　");
  EXPECT_EQ(ClipboardTextOf({{0, "a "}, {1, ""}, {0, wideSpace}, {1, " "}, {2, ""}}),
            "a \r\n\t\r\n" + wideSpace);  // full-width space stays
  // A lead byte ending the last text pairs with the "\r" after it.
  EXPECT_EQ(ClipboardTextOf({{0, "x"}, {1, "a\x81"}}), "x\r\n\ta\x81\r");
}

TEST(BuildGroupingTree, LargeTablesInOneGroupOrManyGroups) {
  const int n = 200000;
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < n; ++i) {
    rows.push_back({"k", std::to_string(n - i), std::to_string(i % 7), std::to_string(i)});
  }
  const ItemTable items = MakeTable(rows);
  const auto one = BuildGroupingTree(items, kFourLevels, 1);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->parentCount, 1);
  EXPECT_EQ(one->NodeCount(), 1 + 3 * static_cast<std::size_t>(n));
  EXPECT_EQ(one->Text(1), "1");  // children in text order
  const auto many = BuildGroupingTree(items, kFourLevels, 2);
  ASSERT_TRUE(many);
  EXPECT_EQ(many->parentCount, n);
  EXPECT_EQ(many->NodeCount(), 4 * static_cast<std::size_t>(n));

  // A text of megabytes comes in pieces that end with a line, the same text.
  std::vector<std::string> pieces;
  WriteTreeText(*many, [&](std::string_view piece) { pieces.emplace_back(piece); });
  ASSERT_GT(pieces.size(), 1u);
  std::string joined;
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    if (k + 1 < pieces.size()) EXPECT_EQ(pieces[k].back(), '\n');
    joined += pieces[k];
  }
  EXPECT_TRUE(joined == TreeClipboardText(*many));
  EXPECT_EQ(joined.substr(joined.size() - 6), "\r\n\t\t\tk");

  // Stopped while the rows are first read: no node, and the table may
  // change under the callback.
  ItemTable changing = items;
  const auto none = BuildGroupingTree(changing, kFourLevels, 2, [&](int done) {
    EXPECT_EQ(done, 0);
    changing.ClearRows();
    return true;
  });
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->cancelled);
  EXPECT_EQ(none->NodeCount(), 0u);
  EXPECT_EQ(none->parentCount, 0);
}

}  // namespace
}  // namespace listora
