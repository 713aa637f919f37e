#include "core/doc/edit_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/doc/append_open.h"
#include "core/doc/columns.h"
#include "core/doc/table_import.h"
#include "core/panes/drag_move.h"
#include "core/panes/sort.h"
#include "core/text/fixed_text.h"
#include "core/tools/find_replace.h"
#include "core/tools/list_search.h"

namespace listora {
namespace {

// A document and its history, edited the way the desktop document edits:
// each edit one step through the core's rules.
struct Edited {
  Document doc;
  std::vector<int> order;
  EditHistory history{doc, order};
  SortFlags directions;

  std::string Stored() const {
    StoreOptions options;
    options.displayOrder = order;
    return StoreDocument(doc, options);
  }
};

std::string RandomText(std::mt19937& rng, std::size_t maxSize = 4) {
  static const char kLetters[] = "abcAB12 ,";
  std::string text(rng() % (maxSize + 1), ' ');
  for (char& c : text) c = kLetters[rng() % (sizeof(kLetters) - 1)];
  return text;
}

void FillRandom(Document& doc, std::mt19937& rng, int rows) {
  doc.settings.columns.count = static_cast<std::uint16_t>(3 + rng() % 3);
  for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(doc.settings.columns, c);
  for (int r = 0; r < rows; ++r) {
    ItemFields fields;
    for (int c = 1; c < doc.ColumnCount(); ++c) fields.columns[c] = RandomText(rng);
    if (rng() % 3 == 0) fields.memo = RandomText(rng, 8);
    fields.columns[0] = MakeIconIndex(fields.memo, fields.imagePath);
    doc.items.AppendRow(fields);
  }
}

std::vector<int> RandomRows(std::mt19937& rng, int count) {
  std::vector<int> rows;
  for (int r = 0; r < count; ++r)
    if (rng() % 3 == 0) rows.push_back(r);
  return rows;
}

// One random edit as one step (sometimes two edits in one step); true when
// it marks the document.
bool RandomEdit(Edited& e, std::mt19937& rng) {
  Document& doc = e.doc;
  ItemTable& items = doc.items;
  const int size = items.GetSize();
  const int userColumns = doc.ColumnCount() - 1;
  const int row = size > 0 ? static_cast<int>(rng() % size) : 0;
  const int column = 1 + static_cast<int>(rng() % userColumns);
  EditStep step(e.history, "edit");
  const bool marks = rng() % 4 != 0;
  if (marks) e.history.MarkEdit();
  switch (rng() % 19) {
    case 0:
      if (size > 0) items.SetCell(row, column, RandomText(rng));
      break;
    case 1:
      if (size > 0) {
        // Long memos make enough garbage for the table to reclaim it.
        items.SetMemo(row, rng() % 2 ? RandomText(rng) : std::string(300000, 'm'));
        items.UpdateIconIndex(row);
      }
      break;
    case 2:
      if (size > 0) {
        items.SetImagePath(row, RandomText(rng));
        items.UpdateIconIndex(row);
      }
      break;
    case 3: items.RemoveRows(RandomRows(rng, size)); break;
    case 4:
      if (auto moved = DropDraggedRows(items, RandomRows(rng, size), row)) e.history.Select(*moved);
      break;
    case 5: ClickColumn(items, doc.settings.columns, e.directions, column); break;
    case 6:
      if (auto found = ListSearch(items, userColumns, std::string(1, "abAB1"[rng() % 5]))) {
        std::vector<int> rows(static_cast<std::size_t>(found->found));
        for (int r = 0; r < found->found; ++r) rows[static_cast<std::size_t>(r)] = r;
        e.history.Select(std::move(rows));
      }
      break;
    case 7: {
      FindReplaceOptions options{std::string(1, "ab1 "[rng() % 4]), RandomText(rng, 2),
                                 rng() % 2 == 0, SearchDirection::kDown};
      FindReplaceSession(items, userColumns).ReplaceAll(options);
      break;
    }
    case 8: {
      ItemFields fields;
      fields.columns[1] = RandomText(rng);
      if (rng() % 2)
        items.AppendRow(fields);
      else
        items.InsertRow(row, fields);
      break;
    }
    case 9:
      if (AddColumn(doc.settings.columns) == ColumnChange::kDone) e.order.clear();
      break;
    case 10:
      if (DeleteColumn(doc.settings.columns, items, column) == ColumnChange::kDone) e.order.clear();
      break;
    case 11: {
      std::vector<ColumnSetting> settings = GetColumnSettings(doc.settings.columns);
      settings[rng() % settings.size()] = {RandomText(rng), static_cast<std::int32_t>(rng() % 300),
                                           true};
      SetColumnSettings(doc.settings.columns, settings);
      break;
    }
    case 12: {
      // Append-open of another document, whose records stay where the
      // loader read them.
      Document other;
      std::mt19937 otherRng(static_cast<unsigned>(rng()));
      FillRandom(other, otherRng, 1 + static_cast<int>(rng() % 4));
      LoadItemsForAppend(StoreDocument(other, {}), doc.ColumnCount(), {}, items);
      break;
    }
    case 13:
      // Two edits, one step.
      if (size > 1) {
        const int dragged[] = {row};
        DropDraggedRows(items, dragged, 0);
        items.SetCell(0, column, RandomText(rng));
        items.RemoveRow(size - 1);
      }
      break;
    case 14:
      if (rng() % 2 == 0) items.ClearRows();
      break;
    case 15:
      // A run of changes that comes back to a row: undone last first.
      if (size > 1) {
        items.SetCell(row, column, RandomText(rng));
        items.SetCell((row + 1) % size, column, RandomText(rng));
        items.SetCell(row, column, RandomText(rng));
      }
      break;
    case 16:
      // The settings dialog: fonts, panes and the insertion's folder.
      doc.settings.styles.pane[rng() % 4].fontSize = static_cast<std::int16_t>(rng() % 400);
      doc.settings.display.imageFit ^= 1;
      SetFixedText(doc.settings.autoInsert.folder, RandomText(rng));
      break;
    case 17:
      // A list search remembered in the search history.
      doc.history.insert(doc.history.begin(), RandomText(rng));
      if (doc.history.size() > 3) doc.history.pop_back();
      break;
    case 18: {
      // An import, into the document as it is or as a new one.
      const ImportedTable imported =
          ImportRecords(RandomText(rng) + "," + RandomText(rng) + "\n1,2,3,4,5\n", {});
      if (rng() % 2 == 0) {
        items.ClearRows();
        SetImportedColumns(imported, doc.settings.columns);
        e.order.clear();
      }
      imported.AppendTo(items);
      break;
    }
  }
  return marks;
}

TEST(EditHistory, UndoAllAndRedoAllGiveTheStoredDocumentBackByteForByte) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    Edited e;
    FillRandom(e.doc, rng, static_cast<int>(rng() % 30));
    std::vector<std::string> states{e.Stored()};
    const int edits = 5 + static_cast<int>(rng() % 25);
    for (int i = 0; i < edits; ++i) {
      RandomEdit(e, rng);
      if (e.history.StepCount() == states.size()) states.push_back(e.Stored());
      ASSERT_EQ(e.Stored(), states.back()) << "seed " << seed;
    }
    for (std::size_t n = states.size() - 1; n > 0; --n) {
      ASSERT_TRUE(e.history.Undo()) << "seed " << seed;
      ASSERT_EQ(e.Stored(), states[n - 1]) << "seed " << seed << " undo to " << n - 1;
    }
    EXPECT_FALSE(e.history.Undo());
    for (std::size_t n = 1; n < states.size(); ++n) {
      ASSERT_TRUE(e.history.Redo()) << "seed " << seed;
      ASSERT_EQ(e.Stored(), states[n]) << "seed " << seed << " redo to " << n;
    }
    EXPECT_FALSE(e.history.Redo());
  }
}

TEST(EditHistory, UndoRedoAndNewEditsInAnyOrderFollowTheStraightforwardStackOfCopies) {
  for (unsigned seed = 100; seed < 130; ++seed) {
    std::mt19937 rng(seed);
    Edited e;
    FillRandom(e.doc, rng, 1 + static_cast<int>(rng() % 20));
    // Every state stored, and how far the edits stand in it; whether the
    // step to each state marked, and the state last saved.
    std::vector<std::string> states{e.Stored()};
    std::vector<bool> marked{false};
    std::size_t at = 0;
    std::size_t saved = 0;
    bool savedLost = false;
    const auto marksBetween = [&marked](std::size_t a, std::size_t b) {
      for (std::size_t s = std::min(a, b) + 1; s <= std::max(a, b); ++s)
        if (marked[s]) return true;
      return false;
    };
    for (int i = 0; i < 60; ++i) {
      const unsigned what = rng() % 5;
      if (what == 4) {
        e.history.MarkSaved();
        saved = at;
        savedLost = false;
      } else if (what == 0) {
        ASSERT_EQ(e.history.Undo().has_value(), at > 0);
        if (at > 0) --at;
      } else if (what == 1) {
        ASSERT_EQ(e.history.Redo().has_value(), at + 1 < states.size());
        if (at + 1 < states.size()) ++at;
      } else {
        const std::size_t before = e.history.StepCount();
        const bool couldRedo = e.history.CanRedo();
        const bool marks = RandomEdit(e, rng);
        // An edit that changed nothing and does not mark leaves no step.
        if ((couldRedo && !e.history.CanRedo()) || e.history.StepCount() > before) {
          // A saved state among the redo steps dropped is out of reach: as
          // the state shown unless a marking step lay between.
          if (!savedLost && saved > at) {
            savedLost = marksBetween(at, saved);
            saved = at;
          }
          states.resize(at + 1);
          marked.resize(at + 1);
          states.push_back(e.Stored());
          marked.push_back(marks);
          ++at;
        }
      }
      ASSERT_EQ(e.Stored(), states[at]) << "seed " << seed << " action " << i;
      // Modified exactly while a marking step lies between the state shown
      // and the one saved.
      ASSERT_EQ(e.history.Modified(), savedLost || marksBetween(at, saved))
          << "seed " << seed << " action " << i;
    }
  }
}

TEST(EditHistory, StepsReportTheRowsTheyTouchedAndMarkOnlyAsTheEditsDo) {
  Edited e;
  std::mt19937 rng(7);
  FillRandom(e.doc, rng, 6);
  ItemTable& items = e.doc.items;
  EXPECT_FALSE(e.history.Modified());

  {
    EditStep step(e.history, "sort");
    ClickColumn(items, e.doc.settings.columns, e.directions, 1);
  }
  EXPECT_FALSE(e.history.Modified());
  {
    EditStep step(e.history, "cells");
    e.history.MarkEdit();
    items.SetCell(4, 1, "x");
    items.SetCell(1, 2, "y");
  }
  EXPECT_TRUE(e.history.Modified());
  EXPECT_EQ(e.history.UndoName(), "cells");
  std::optional<StepReport> undone = e.history.Undo();
  ASSERT_TRUE(undone);
  EXPECT_EQ(undone->rows, (std::vector<int>{1, 4}));
  EXPECT_TRUE(undone->rowsChanged);
  EXPECT_FALSE(undone->columnsChanged);
  EXPECT_FALSE(e.history.Modified());
  EXPECT_EQ(e.history.RedoName(), "cells");
  e.history.MarkSaved();
  ASSERT_TRUE(e.history.Redo());
  EXPECT_TRUE(e.history.Modified());
  ASSERT_TRUE(e.history.Undo());
  EXPECT_FALSE(e.history.Modified());

  // A removal: undo puts the rows back selected; a move selects where they land.
  {
    EditStep step(e.history, "delete");
    e.history.MarkEdit();
    const int rows[] = {0, 5};
    items.RemoveRows(rows);
  }
  EXPECT_FALSE(e.history.CanRedo());
  EXPECT_TRUE(e.history.Undo()->rows == (std::vector<int>{0, 5}));
  EXPECT_TRUE(e.history.Redo()->rows.empty());
  ASSERT_TRUE(e.history.Undo());
  {
    EditStep step(e.history, "move");
    const int dragged[] = {1, 3};
    e.history.Select(*DropDraggedRows(items, dragged, 6));
  }
  EXPECT_EQ(e.history.Undo()->rows, (std::vector<int>{1, 3}));
  EXPECT_EQ(e.history.Redo()->rows, (std::vector<int>{4, 5}));

  // A saved state dropped with the redo steps it lay behind stays modified.
  {
    EditStep step(e.history, "cell");
    e.history.MarkEdit();
    items.SetCell(0, 1, "z");
  }
  e.history.MarkSaved();
  ASSERT_TRUE(e.history.Undo());
  {
    EditStep step(e.history, "sort");
    ClickColumn(items, e.doc.settings.columns, e.directions, 2);
  }
  EXPECT_TRUE(e.history.Modified());
  ASSERT_TRUE(e.history.Undo());
  EXPECT_TRUE(e.history.Modified());

  // Column changes report as such; an edit that changes nothing and does
  // not mark leaves no step.
  {
    EditStep step(e.history, "column");
    e.history.MarkEdit();
    AddColumn(e.doc.settings.columns);
  }
  EXPECT_TRUE(e.history.Undo()->columnsChanged);
  const std::size_t steps = e.history.StepCount();
  { EditStep step(e.history, "nothing"); }
  EXPECT_EQ(e.history.StepCount(), steps);
  // One that marks without changing anything is a step all the same.
  e.history.MarkSaved();
  {
    EditStep step(e.history, "marked");
    e.history.MarkEdit();
  }
  EXPECT_TRUE(e.history.Modified());
  EXPECT_EQ(e.history.UndoName(), "marked");
  ASSERT_TRUE(e.history.Undo());
  EXPECT_FALSE(e.history.Modified());
}

TEST(EditHistory, KeysTypedIntoOneMemoMakeOneStepUntilMergingEnds) {
  Edited e;
  std::mt19937 rng(3);
  FillRandom(e.doc, rng, 3);
  const std::string before = e.Stored();
  for (const char* memo : {"a", "ab", "abc"}) {
    EditStep step(e.history, "memo", 2);
    e.history.MarkEdit();
    e.doc.items.SetMemo(1, memo);
    e.doc.items.UpdateIconIndex(1);
  }
  EXPECT_EQ(e.history.StepCount(), 1u);
  {
    // Another row's memo is a step of its own.
    EditStep step(e.history, "memo", 1);
    e.history.MarkEdit();
    e.doc.items.SetMemo(0, "z");
  }
  EXPECT_EQ(e.history.StepCount(), 2u);
  e.history.EndMerging();
  {
    EditStep step(e.history, "memo", 1);
    e.history.MarkEdit();
    e.doc.items.SetMemo(0, "zz");
  }
  EXPECT_EQ(e.history.StepCount(), 3u);
  while (e.history.Undo()) {
  }
  EXPECT_EQ(e.Stored(), before);
  ASSERT_TRUE(e.history.Redo());
  EXPECT_EQ(e.doc.items.Memo(1), "abc");
  EXPECT_EQ(e.doc.items.IconIndex(1), "1");
}

TEST(EditHistory, OldestStepsGoFirstBeyondTheStepCountOrTheBudget) {
  Document doc;
  std::vector<int> order;
  std::mt19937 rng(5);
  FillRandom(doc, rng, 10);
  EditHistory history(doc, order, HistoryLimits{3, std::size_t{1} << 40});
  for (int i = 0; i < 5; ++i) {
    EditStep step(history, "cell " + std::to_string(i));
    history.MarkEdit();
    doc.items.SetCell(i, 1, "x");
    if (i == 2) EXPECT_FALSE(history.TakeFirstDrop());
  }
  // Said once, however many go.
  EXPECT_TRUE(history.TakeFirstDrop());
  EXPECT_FALSE(history.TakeFirstDrop());
  EXPECT_EQ(history.StepCount(), 3u);
  EXPECT_EQ(history.UndoName(), "cell 4");
  while (history.Undo()) {
  }
  EXPECT_EQ(history.RedoName(), "cell 2");
  // The saved state went with the oldest steps.
  EXPECT_TRUE(history.Modified());

  // A budget smaller than one step keeps only the newest.
  EditHistory small(doc, order, HistoryLimits{100, 1});
  for (int i = 0; i < 3; ++i) {
    EditStep step(small, "delete");
    small.MarkEdit();
    doc.items.RemoveRow(0);
  }
  EXPECT_EQ(small.StepCount(), 1u);
  EXPECT_GT(small.MemoryBytes(), 0u);
  small.Clear();
  EXPECT_EQ(small.StepCount(), 0u);
  EXPECT_FALSE(small.Modified());

  // The budget, twice the largest the document has been, keeps as many
  // steps as the records they replaced fit in: no more, and no fewer.
  constexpr std::size_t kRecord = 100000;
  Document big;
  FillRandom(big, rng, 10);
  for (int r = 0; r < 10; ++r) big.items.SetMemo(r, std::string(kRecord, 'm'));
  EditHistory budgeted(big, order, HistoryLimits{100, 1});
  std::size_t largest = 0;
  for (int i = 0; i < 30; ++i) {
    largest = std::max(largest, big.items.MemoryBytes());
    EditStep step(budgeted, "memo");
    budgeted.MarkEdit();
    big.items.SetMemo(i % 10, std::string(kRecord, static_cast<char>('a' + i % 26)));
  }
  const std::size_t kept = budgeted.StepCount();
  EXPECT_GE(budgeted.MemoryBytes(), kept * kRecord);
  EXPECT_LE(budgeted.MemoryBytes(), 2 * largest);
  EXPECT_GT(budgeted.MemoryBytes() + budgeted.MemoryBytes() / kept, 2 * largest) << kept;
}

TEST(EditHistory, RecordsAStepReplacedStayReadableWhenTheTableCompacts) {
  // Forty long texts in one cell make the table reclaim its garbage within
  // the step; the first version, the one undo restores, lies in a block
  // only the step keeps. Undo, then an edit that drops the redo step, then
  // a read of the row (under the sanitizers, freed memory is reported).
  Document doc;
  std::vector<int> order;
  std::mt19937 rng(11);
  FillRandom(doc, rng, 3);
  const std::string first(doc.items.Cell(0, 1));
  EditHistory history(doc, order);
  {
    EditStep step(history, "cells");
    history.MarkEdit();
    for (int i = 0; i < 40; ++i)
      doc.items.SetCell(0, 1, std::string(100000, static_cast<char>('a' + i % 26)));
  }
  ASSERT_TRUE(history.Undo());
  {
    EditStep step(history, "cell");
    history.MarkEdit();
    doc.items.SetCell(2, 1, "x");
  }
  EXPECT_EQ(doc.items.Cell(0, 1), first);
}

}  // namespace
}  // namespace listora
