#include "core/doc/item_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/doc/columns.h"
#include "support/test_support.h"

namespace listora {
namespace {

ItemFields Item(std::string first, std::string memo = {}, std::string image = {}) {
  ItemFields f;
  f.columns[0] = MakeIconIndex(memo, image);
  f.columns[1] = std::move(first);
  f.memo = std::move(memo);
  f.imagePath = std::move(image);
  return f;
}

std::vector<std::string> FirstColumn(const ItemTable& t) {
  std::vector<std::string> out;
  for (int r = 0; r < t.GetSize(); ++r) out.emplace_back(t.Cell(r, 1));
  return out;
}

ItemTable Letters(std::string_view letters) {
  ItemTable t;
  for (char c : letters) t.AppendRow(Item(std::string(1, c), std::string(1, c) + "-memo"));
  return t;
}

TEST(ItemTable, RowOperationsKeepEveryFieldTogether) {
  ItemTable t;
  t.AppendRow(Item("a"));
  t.AppendRow(Item("c", "m", "i.jpg"));
  t.InsertRow(1, Item("b", "memo"));
  t.InsertRow(3, Item("d"));
  EXPECT_EQ(FirstColumn(t), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(t.Memo(1), "memo");
  EXPECT_EQ(t.ImagePath(2), "i.jpg");
  EXPECT_EQ(t.IconIndex(2), "3");
  EXPECT_FALSE(t.Marked(1));
  t.RemoveRow(0);
  EXPECT_EQ(t.Cell(0, 1), "b");
  EXPECT_EQ(t.Memo(0), "memo");
  t.ResizeRows(5);
  EXPECT_EQ(t.GetSize(), 5);
  EXPECT_EQ(t.Cell(4, 1), "");
  EXPECT_EQ(t.Cell(4, 10), "");
  t.ResizeRows(2);
  EXPECT_EQ(FirstColumn(t), (std::vector<std::string>{"b", "c"}));
  EXPECT_THROW(t.Cell(2, 1), std::out_of_range);
  EXPECT_THROW(t.InsertRow(4, Item("x")), std::out_of_range);
  t.ClearRows();
  EXPECT_TRUE(t.IsEmpty());
}

TEST(ItemTable, FieldsAreSetIndependentlyIncludingEmptyOnes) {
  ItemTable t;
  t.AppendRow({});
  t.SetCell(0, 10, "last");
  t.SetCell(0, 3, test::Sj("表"));
  t.SetMemo(0, "memo");
  EXPECT_EQ(t.Cell(0, 10), "last");
  EXPECT_EQ(t.Cell(0, 3), test::Sj("表"));
  EXPECT_EQ(t.Cell(0, 4), "");
  t.SetCell(0, 10, "");
  t.SetCell(0, 3, "");
  EXPECT_EQ(t.Cell(0, 10), "");
  EXPECT_EQ(t.Memo(0), "memo");
  EXPECT_EQ(t.ImagePath(0), "");
  t.UpdateIconIndex(0);
  EXPECT_EQ(t.IconIndex(0), "1");
  t.SetMemo(0, "");
  t.UpdateIconIndex(0);
  EXPECT_EQ(t.IconIndex(0), "0");
  t.SetImagePath(0, "x.png");
  t.SetMemo(0, "m");
  t.UpdateIconIndex(0);
  EXPECT_EQ(t.IconIndex(0), "3");
}

TEST(ItemTable, SeparatorBytesNeverReachAField) {
  ItemTable t;
  ItemFields f;
  f.columns[1] = "one\r\ntwo\nthree\rfour\afive";
  f.columns[2] = std::string("nul\0byte", 8);
  f.memo = "line\r\nbreaks\nkept\bbackspace";
  f.imagePath = "a\bb";
  t.AppendRow(f);
  EXPECT_EQ(t.Cell(0, 1), "one two three four five");
  EXPECT_EQ(t.Cell(0, 2), "nul byte");
  EXPECT_EQ(t.Memo(0), "line\r\nbreaks\nkept backspace");
  EXPECT_EQ(t.ImagePath(0), "a b");
  t.SetCell(0, 1, "x\ny");
  EXPECT_EQ(t.Cell(0, 1), "x y");
  // Trail bytes of CP932 characters are left alone.
  t.SetCell(0, 1, test::Sj("ソ表"));
  EXPECT_EQ(t.Cell(0, 1), test::Sj("ソ表"));
}

TEST(ItemTable, WholeTableMoves) {
  ItemTable t = Letters("abcdef");
  const int picked[] = {1, 4};
  t.RemoveRows(picked);
  EXPECT_EQ(FirstColumn(t), (std::vector<std::string>{"a", "c", "d", "f"}));

  t = Letters("abcdef");
  t.SetMark(2, true);
  t.SetMark(5, true);
  t.SetMark(3, true);
  EXPECT_EQ(t.MoveMarkedToTop(), 3);
  EXPECT_EQ(FirstColumn(t), (std::vector<std::string>{"c", "d", "f", "a", "b", "e"}));
  EXPECT_TRUE(t.Marked(0));
  EXPECT_FALSE(t.Marked(3));

  t = Letters("abc");
  const int order[] = {2, 0, 1};
  t.Permute(order);
  EXPECT_EQ(FirstColumn(t), (std::vector<std::string>{"c", "a", "b"}));
  EXPECT_EQ(t.Memo(0), "c-memo");
  const int notAPermutation[] = {0, 0, 1};
  EXPECT_THROW(t.Permute(notAPermutation), std::invalid_argument);
  EXPECT_EQ(FirstColumn(t), (std::vector<std::string>{"c", "a", "b"}));
}

ColumnDescriptors FourUserColumns() {
  ColumnDescriptors c{};
  c.count = 5;
  for (int i = 0; i < kMaxColumns; ++i) SetDefaultColumn(c, i);
  return c;
}

// Changed rows get new records and old ones become garbage that is
// reclaimed now and then; copies share records but never see each other's
// changes.
TEST(ItemTable, ChangesAndCopiesStayApartThroughReclaiming) {
  ItemTable t = Letters("abc");
  const ItemTable before = t;
  const std::string big(300000, 'x');
  for (int round = 0; round < 20; ++round) {
    t.SetMemo(round % 3, big + std::to_string(round));
    t.SetCell(1, 2, std::to_string(round));
  }
  ItemTable copy = t;
  copy.SetCell(0, 1, "copy");
  t.SetCell(0, 1, "first");
  copy.AppendRow(Item("d"));
  t.AppendRow(Item("e"));
  EXPECT_EQ(FirstColumn(t), (std::vector<std::string>{"first", "b", "c", "e"}));
  EXPECT_EQ(FirstColumn(copy), (std::vector<std::string>{"copy", "b", "c", "d"}));
  EXPECT_EQ(t.Memo(0), big + "18");
  EXPECT_EQ(t.Memo(1), big + "19");
  EXPECT_EQ(t.Memo(2), big + "17");
  EXPECT_EQ(t.Cell(1, 2), "19");
  EXPECT_EQ(FirstColumn(before), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(before.Memo(1), "b-memo");
  t.ClearRows();
  EXPECT_EQ(copy.Memo(2), big + "17");
}

// A row loaded in place, then one cell edited over and over: the old
// records are garbage, and reclaiming it lets go of the loaded bytes too.
TEST(ItemTable, RepeatedEditsOfOneCellAreReclaimed) {
  ItemTable t;
  auto loaded = std::make_shared<std::string>("0\x07loaded\x07\n\x08\x08");
  const std::weak_ptr<std::string> watch = loaded;
  t.HoldBytes(loaded, loaded->size());
  t.AppendRecord(loaded->data(), 9, 2, 0, 0);
  loaded.reset();
  ASSERT_EQ(t.Cell(0, 1), "loaded");
  const std::string text(40, 'x');
  for (int i = 0; i < 100'000; ++i) t.SetCell(0, 1, text + std::to_string(i % 10));
  EXPECT_EQ(t.Cell(0, 1), text + "9");
  EXPECT_TRUE(watch.expired());
}

// A row's record gives every column, in any order asked, as Column does
// (columns past the last text empty), and pinned records stay readable
// through changes, reclaiming and clearing of the table.
TEST(ItemTable, PinnedRecordsReadColumnsWhateverBecomesOfTheTable) {
  ItemTable t = Letters("ab");
  t.SetCell(0, 3, "third");
  t.SetCell(1, 9, "ninth");
  t.AppendRow(ItemFields{});
  const std::vector<int> columns = {9, 1, 3, 10, 0, 2};
  std::vector<std::vector<std::string_view>> read(3, std::vector<std::string_view>(6));
  std::vector<std::vector<std::string>> texts(3);
  std::vector<const char*> records;
  for (int row = 0; row < t.GetSize(); ++row) {
    records.push_back(t.RecordOf(row));
    ItemTable::ColumnTexts(records.back(), columns, read[row]);
    for (std::size_t k = 0; k < columns.size(); ++k) {
      texts[row].emplace_back(t.Cell(row, columns[k]));
      EXPECT_EQ(read[row][k], texts[row][k]) << row << " " << k;
    }
  }
  EXPECT_EQ(texts[1][0], "ninth");
  const std::shared_ptr<const void> pin = t.PinRecords();
  const std::string big(300000, 'x');
  for (int round = 0; round < 20; ++round) t.SetMemo(round % 2, big);
  t.SetCell(0, 1, "changed");
  t.ClearRows();
  for (std::size_t row = 0; row < texts.size(); ++row) {
    ItemTable::ColumnTexts(records[row], columns, read[row]);
    for (std::size_t k = 0; k < columns.size(); ++k) EXPECT_EQ(read[row][k], texts[row][k]);
  }
}

TEST(Columns, AddAndDeleteRespectTheLimits) {
  ColumnDescriptors c = FourUserColumns();
  ItemTable t;
  for (int i = 0; i < 6; ++i) ASSERT_EQ(AddColumn(c), ColumnChange::kDone);
  EXPECT_EQ(c.count, 11);
  EXPECT_EQ(FixedText(c.names[10]), "No.10");
  EXPECT_EQ(AddColumn(c), ColumnChange::kAtMaximum);
  EXPECT_EQ(c.count, 11);

  c.count = 2;
  EXPECT_EQ(DeleteColumn(c, t, 1), ColumnChange::kAtMinimum);
  EXPECT_EQ(c.count, 2);
  c.count = 5;
  EXPECT_EQ(DeleteColumn(c, t, 0), ColumnChange::kNoColumn);
  EXPECT_EQ(DeleteColumn(c, t, 5), ColumnChange::kNoColumn);
  EXPECT_EQ(c.count, 5);
}

TEST(Columns, DeletingAColumnShiftsTextsAndDescriptors) {
  ColumnDescriptors c = FourUserColumns();
  c.widths[3] = 140;
  c.formats[3] = kFormatRight;
  SetFixedText(c.names[3], "Three");
  ItemTable t;
  ItemFields f;
  for (int k = 1; k <= 4; ++k) f.columns[k] = "v" + std::to_string(k);
  f.memo = "memo";
  t.AppendRow(f);

  ASSERT_EQ(DeleteColumn(c, t, 2), ColumnChange::kDone);
  EXPECT_EQ(c.count, 4);
  EXPECT_EQ(FixedText(c.names[2]), "Three");
  EXPECT_EQ(c.widths[2], 140);
  EXPECT_EQ(c.formats[2], kFormatRight);
  EXPECT_EQ(FixedText(c.names[3]), "No.4");
  EXPECT_EQ(t.Cell(0, 1), "v1");
  EXPECT_EQ(t.Cell(0, 2), "v3");
  EXPECT_EQ(t.Cell(0, 3), "v4");
  EXPECT_EQ(t.Cell(0, 4), "");
  EXPECT_EQ(t.Memo(0), "memo");

  ASSERT_EQ(AddColumn(c), ColumnChange::kDone);
  EXPECT_EQ(FixedText(c.names[4]), "No.4");
  EXPECT_EQ(c.widths[4], 100);
  EXPECT_EQ(t.Cell(0, 4), "");

  // The last user column: nothing moves, its texts go.
  t.SetCell(0, 4, "last");
  ASSERT_EQ(DeleteColumn(c, t, 4), ColumnChange::kDone);
  EXPECT_EQ(c.count, 4);
  EXPECT_EQ(t.Cell(0, 3), "v4");
  EXPECT_EQ(t.Cell(0, 4), "");
}

}  // namespace
}  // namespace listora
