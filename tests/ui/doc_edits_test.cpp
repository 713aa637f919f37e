// The document's edit methods: each sends exactly one hint saying what
// changed, marks the document modified unless it only reorders rows, and
// leaves everything alone for a row or column outside the table. Also the
// text pane's echo: a memo stored from the pane comes back to it without
// moving the caret.

#include <gtest/gtest.h>
#include <wx/docview.h>

#include <vector>

#include "core/doc/document_file.h"
#include "ui/app/listora_app.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

// A second view of the document that records every hint it is sent.
class HintLog : public wxView {
 public:
  struct Entry {
    DocHint::Kind kind;
    long row;
    bool selects;
    int first;
    int last;
  };

  explicit HintLog(ListoraDoc& doc) : doc_(doc) { doc_.AddView(this); }
  ~HintLog() override { doc_.RemoveView(this); }

  void OnDraw(wxDC*) override {}
  void OnUpdate(wxView*, wxObject* hint) override {
    if (const auto* h = dynamic_cast<const DocHint*>(hint))
      entries.push_back({h->GetKind(), h->Row(), h->Selects(), h->SelectFirst(), h->SelectLast()});
  }

  std::vector<Entry> entries;

 private:
  ListoraDoc& doc_;
};

ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }

TEST(DocumentEdits, EachSendsOneHintAndMarksTheDocumentAsItsKindSays) {
  StartWithColumns(2);
  AddRows({{"a", "1"}, {"b", "2"}, {"c", "3"}});
  ListoraDoc& doc = CurrentDoc();
  HintLog log(doc);

  // Outside the table: nothing at all.
  doc.SetCell(3, 1, "x");
  doc.SetCell(0, 3, "x");
  doc.SetCell(0, 0, "x");
  doc.SetMemo(-1, "x");
  doc.DeleteRows({});
  EXPECT_TRUE(log.entries.empty());
  EXPECT_FALSE(doc.IsModified());

  // Moving and sorting reorder rows without an edit.
  const int dragged[] = {2};
  ASSERT_TRUE(doc.MoveRows(dragged, 0));
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].kind, DocHint::Kind::kItems);
  EXPECT_TRUE(log.entries[0].selects);
  EXPECT_EQ(log.entries[0].first, 0);
  EXPECT_EQ(log.entries[0].last, 0);
  EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"c", "a", "b"}));
  EXPECT_TRUE(List().IsSelected(0));
  EXPECT_EQ(List().GetSelectedItemCount(), 1);
  // The list's own directions outlive documents: leave them to other tests.
  SortFlags directions;
  ASSERT_TRUE(doc.SortByColumn(1, directions));
  EXPECT_EQ(log.entries.size(), 2u);
  EXPECT_FALSE(doc.IsModified());

  log.entries.clear();
  doc.SetCell(1, 2, "new");
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].kind, DocHint::Kind::kTexts);
  EXPECT_EQ(log.entries[0].row, 1);
  EXPECT_EQ(doc.Data().items.Cell(1, 2), "new");
  EXPECT_TRUE(doc.IsModified());

  log.entries.clear();
  doc.SetMemo(2, "memo");
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].kind, DocHint::Kind::kMemo);
  EXPECT_EQ(doc.Data().items.IconIndex(2), "1");

  // Only an item's image changed: the hint that makes the image pane show it.
  log.entries.clear();
  const std::string picture = "picture.jpg";
  doc.ModifyItem(1, {}, &picture);
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].kind, DocHint::Kind::kCells);
  EXPECT_EQ(log.entries[0].row, 1);
  EXPECT_EQ(doc.Data().items.ImagePath(1), "picture.jpg");

  // An item added with its image is one change, not two.
  log.entries.clear();
  const int row = doc.AddItem({"d", "4"}, "");
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].kind, DocHint::Kind::kItems);
  EXPECT_EQ(log.entries[0].row, row);

  log.entries.clear();
  const int rows[] = {0, 3};
  doc.DeleteRows(rows);
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].kind, DocHint::Kind::kItems);
  EXPECT_EQ(List().GetItemCount(), 2);
}

TEST(DocumentEdits, ListSearchSelectsTheMatchesAndLeavesTheDocumentUnmarked) {
  StartWithColumns(1);
  AddRows({{"x"}, {"ab"}, {"y"}, {"b"}});
  HintLog log(CurrentDoc());
  const auto result = CurrentDoc().ListSearch("b");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->found, 2);
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].first, 0);
  EXPECT_EQ(log.entries[0].last, 1);
  EXPECT_EQ(List().SelectedRows(), (std::vector<int>{0, 1}));
  EXPECT_FALSE(CurrentDoc().IsModified());
  EXPECT_EQ(Script().Kinds(), (std::vector<std::string>{"info"}));

  // Nothing found: the selection empties.
  ASSERT_TRUE(CurrentDoc().ListSearch("zzz"));
  EXPECT_EQ(List().GetSelectedItemCount(), 0);
}

TEST(DocumentEdits, AMemoTypedInTheMiddleKeepsTheCaretWhereItWas) {
  StartWithColumns(1);
  AddRows({{"a"}});
  List().ClickRow(0, false, false);
  Pump();
  TextPane& text = *App().Frame()->PaneWindows().text;
  text.ChangeValue("abcd");
  text.SetInsertionPoint(2);
  text.WriteText("X");
  Pump();
  EXPECT_EQ(CurrentDoc().Data().items.Memo(0), "abXcd");
  EXPECT_EQ(text.GetValue(), "abXcd");
  EXPECT_EQ(text.GetInsertionPoint(), 3);
}

}  // namespace
}  // namespace listora::test
