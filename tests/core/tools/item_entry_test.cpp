#include "core/tools/item_entry.h"

#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "support/test_support.h"

namespace listora {
namespace {

using Values = std::vector<std::string>;

TEST(ItemEntryTest, FieldCountAndOverLongUndo) {
  EXPECT_EQ(BulkFieldCount(""), 0);
  EXPECT_EQ(BulkFieldCount("a"), 1);
  EXPECT_EQ(BulkFieldCount("/"), 2);
  EXPECT_EQ(BulkFieldCount("a//b"), 3);
  // "ソ" ends in the byte of "\", never in that of "/".
  EXPECT_EQ(BulkFieldCount(test::Sj("ソ/表")), 2);
  EXPECT_EQ(FieldCountLabel(3), "現在の項目数: 3");

  BulkEdit edit = CheckBulkEdit("a/b/c", "a/b", 3);
  EXPECT_FALSE(edit.refused);
  EXPECT_EQ(edit.fieldCount, 3);
  // A paste with more fields than columns is refused as a whole.
  edit = CheckBulkEdit("a/b/c/d/e", "a/b", 3);
  EXPECT_TRUE(edit.refused);
  EXPECT_EQ(edit.text, "a/b");
  EXPECT_EQ(edit.fieldCount, 2);
  EXPECT_EQ(CheckBulkEdit("", "a", 1).fieldCount, 0);
}

TEST(ItemEntryTest, BulkSplitKeepsLaterColumns) {
  Values values{"x", "y", "z"};
  SplitBulkText("a//b", values);
  EXPECT_EQ(values, (Values{"a", "", "b"}));
  values = {"x", "y", "z"};
  SplitBulkText("a", values);
  EXPECT_EQ(values, (Values{"a", "y", "z"}));
  values = {"x", "y", "z"};
  SplitBulkText("a/", values);
  EXPECT_EQ(values, (Values{"a", "", "z"}));
  // A double-byte character whose trail byte is 0x5C stays whole.
  values = {"x", "y"};
  SplitBulkText(test::Sj("表示/能"), values);
  EXPECT_EQ(values, (Values{test::Sj("表示"), test::Sj("能")}));
}

TEST(ItemEntryTest, JoinedLinesLoseTheWholeTrailingRun) {
  EXPECT_EQ(JoinFields(Values{"No.1", "No.2", "No.3"}), "No.1/No.2/No.3");
  EXPECT_EQ(JoinFields(Values{"a", "", ""}), "a");
  EXPECT_EQ(JoinFields(Values{"", "b", ""}), "/b");
  // A value ending in "/" loses it too: the whole run goes.
  EXPECT_EQ(JoinFields(Values{"a/", ""}), "a");
  EXPECT_EQ(JoinFields(Values{}), "");

  ItemTable table;
  ItemFields fields;
  fields.columns[1] = "one";
  fields.columns[3] = "three";
  fields.imagePath = "/p/a.jpg";
  table.AppendRow(fields);
  const LoadedItem item = LoadItem(table, 0, 4);
  EXPECT_EQ(item.values, (Values{"one", "", "three", ""}));
  EXPECT_EQ(item.bulk, "one//three");
  EXPECT_EQ(item.imagePath, "/p/a.jpg");
}

TEST(ItemEntryTest, ChecksOnOk) {
  const Values empty{"", ""};
  EXPECT_EQ(CheckEntry(false, "", empty), EntryProblem::kAllFieldsEmpty);
  EXPECT_EQ(CheckEntry(false, "", Values{"", "b"}), EntryProblem::kNone);
  // Bulk entry looks at the bulk text only, whatever was typed per field.
  EXPECT_EQ(CheckEntry(true, "", Values{"a", "b"}), EntryProblem::kBulkEmpty);
  EXPECT_EQ(CheckEntry(true, "/", empty), EntryProblem::kNone);
}

TEST(ItemEntryTest, SelectionWalkStepsInListOrder) {
  SelectionWalk walk({1, 4, 6});
  EXPECT_EQ(walk.Current(), 1);
  EXPECT_EQ(walk.Remaining(), 2);
  walk.Advance();
  EXPECT_EQ(walk.Current(), 4);
  walk.Advance();
  EXPECT_EQ(walk.Remaining(), 0);
  walk.Advance();
  EXPECT_TRUE(walk.Done());
  EXPECT_TRUE(SelectionWalk({}).Done());
}

}  // namespace
}  // namespace listora
