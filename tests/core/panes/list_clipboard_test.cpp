#include "core/panes/list_clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panes_test_table.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::MakeTable;
using test::Sj;
using Fields = std::vector<std::string>;

TEST(ListClipboard, CopyJoinsFieldsAndLinesWithoutATrailingBreak) {
  const ItemTable items =
      MakeTable({{"a", "b"}, {"c", ""}, {Sj("表/示"), "x y  "}, {"skip", "me"}});
  const std::vector<int> rows = {0, 1, 2};
  // Three columns: the icon column and two user columns.
  EXPECT_EQ(CopyFieldsText(items, rows, 3), "a/b\r\nc/\r\n" + Sj("表/示") + "/x y");
  EXPECT_EQ(CopyColumnText(items, rows, 2), "b\r\n\r\nx y");
  EXPECT_EQ(CopyColumnText(items, std::vector<int>{1}, 2), "");
  // Rows the table does not hold are left out.
  EXPECT_EQ(CopyFieldsText(items, std::vector<int>{3, 9, -1}, 3), "skip/me");
  EXPECT_EQ(CopyFieldsText(items, {}, 3), "");
}

TEST(ListClipboard, PasteSplitsIntoExactlyTheUserColumns) {
  EXPECT_FALSE(PasteFieldCountDiffers("a/b", 2));
  EXPECT_TRUE(PasteFieldCountDiffers("a/b/c", 2));
  EXPECT_TRUE(PasteFieldCountDiffers("abc", 3));
  EXPECT_FALSE(PasteFieldCountDiffers("", 1));

  EXPECT_EQ(SplitPastedFields("a/b/c", 2), (Fields{"a", "b"}));
  EXPECT_EQ(SplitPastedFields("abc", 3), (Fields{"abc", "", ""}));
  EXPECT_EQ(SplitPastedFields("a//c/", 4), (Fields{"a", "", "c", ""}));
  EXPECT_EQ(SplitPastedFields("", 2), (Fields{"", ""}));
  EXPECT_EQ(SplitPastedFields("one\r\ntwo/x", 2), (Fields{"one\r\ntwo", "x"}));
  // A double-byte character is never split, and "/" is only a byte of its own.
  EXPECT_EQ(SplitPastedFields(Sj("ソ/表"), 2), (Fields{Sj("ソ"), Sj("表")}));
}

}  // namespace
}  // namespace listora
