// The find and replace dialog from its command: find steps both ways, the
// end of the table, replacing one cell and all of them, with and without
// case matching, on text whose double-byte characters end in bytes equal
// to ASCII letters; a replacement of every cell cancelled in its middle.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/radiobut.h>

#include "core/doc/document_file.h"
#include "ui/base/command_ids.h"
#include "ui/base/progress_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/find_replace_dialog.h"

namespace listora::test {
namespace {

using D = FindReplaceDialog;
using Texts = std::vector<std::string>;
struct Cell {
  long row;
  int column;
  friend bool operator==(const Cell&, const Cell&) = default;
};
Cell Highlighted() { return {TheList().HighlightedRow(), TheList().HighlightedColumn()}; }

// "ア" is 83 41 and "ヂ" 83 61: their trail bytes are "A" and "a".
void FillTable() {
  StartWithColumns(3);
  AddRows({{"abc", "ア", "x"}, {"ABC", "ヂa", "abc"}, {"q", "ａｂｃ", "w"}});
}

TEST(FindReplaceDialog, FindsBothWaysAndStopsAtTheEnd) {
  FillTable();
  SelectRows({2});
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(d.GetTitle(), U("検索と置換"));
    EXPECT_FALSE(Control<wxButton>(d, D::kNextButton)->IsEnabled());
    Type(d, D::kFindEdit, "abc");
    for (int id : {D::kFromTopButton, D::kNextButton, D::kReplaceNextButton, D::kReplaceAllButton})
      EXPECT_TRUE(Control<wxButton>(d, id)->IsEnabled());
    // Case matched (the initial state): the lower-case cells only.
    Click(d, D::kNextButton);
    EXPECT_EQ(TheList().GetSelectedItemCount(), 0);
    EXPECT_EQ(Highlighted(), (Cell{0, 1}));
    Click(d, D::kNextButton);
    EXPECT_EQ(Highlighted(), (Cell{1, 3}));
    Click(d, D::kNextButton);
    EXPECT_EQ(Script().asked.back().text, U("検索が終了しました"));
    EXPECT_EQ(Highlighted(), (Cell{1, 3}));  // the last match stays highlighted
    // After the end the next step starts again at the first cell.
    Click(d, D::kNextButton);
    EXPECT_EQ(Highlighted(), (Cell{0, 1}));

    // Without case: upper case too, but never the trail byte of "ア".
    Tick(d, D::kCaseCheck, false);
    Type(d, D::kFindEdit, "a");
    Click(d, D::kFromTopButton);
    EXPECT_EQ(Highlighted(), (Cell{0, 1}));
    Click(d, D::kNextButton);
    EXPECT_EQ(Highlighted(), (Cell{1, 1}));
    Click(d, D::kNextButton);
    EXPECT_EQ(Highlighted(), (Cell{1, 2}));  // the "a" after "ヂ"
    Click(d, D::kNextButton);
    EXPECT_EQ(Highlighted(), (Cell{1, 3}));
    // Full-width letters fold among themselves.
    Type(d, D::kFindEdit, U("ＡＢＣ"));
    Click(d, D::kNextButton);
    EXPECT_EQ(Highlighted(), (Cell{2, 2}));

    // Up: from the current match backwards; from nothing, the first row only.
    Type(d, D::kFindEdit, "abc");
    Pick(d, D::kUpRadio);
    Click(d, D::kNextButton);
    EXPECT_EQ(Highlighted(), (Cell{1, 3}));
    Click(d, D::kNextButton);
    EXPECT_EQ(Highlighted(), (Cell{1, 1}));
    Type(d, D::kFindEdit, "x");
    Click(d, D::kFromTopButton);
    EXPECT_EQ(Highlighted(), (Cell{0, 3}));
    Type(d, D::kFindEdit, "q");
    Click(d, D::kFromTopButton);
    EXPECT_EQ(Script().asked.back().text, U("検索が終了しました"));
    // Replacing every match of a text found nowhere changes nothing.
    Type(d, D::kFindEdit, "zzz");
    Click(d, D::kReplaceAllButton);
    EXPECT_EQ(Script().asked.back().text, U("置換が終了しました"));
  });
  SendCommand(cmd::kFindReplace);
  EXPECT_EQ(PendingDialogSteps(), 0);
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(FindReplaceDialog, ReplacesOneCellAndAll) {
  FillTable();
  OnNextDialog([](wxDialog& d) {
    Type(d, D::kFindEdit, "abc");
    Type(d, D::kReplaceEdit, "Z");
    // Nothing to replace before a match: a find step only.
    Click(d, D::kReplaceNextButton);
    EXPECT_EQ(Highlighted(), (Cell{0, 1}));
    Click(d, D::kReplaceNextButton);
    EXPECT_EQ(Highlighted(), (Cell{1, 3}));
  });
  SendCommand(cmd::kFindReplace);
  EXPECT_EQ(ColumnOf(1), (Texts{"Z", "ABC", "q"}));
  EXPECT_TRUE(CurrentDoc().IsModified());

  // Without case, the first occurrence in each cell; a trail byte equal to
  // the letter stays as it is.
  FillTable();
  AddRows({{"aXa", "アa", ""}});
  OnNextDialog([](wxDialog& d) {
    Tick(d, D::kCaseCheck, false);
    Pick(d, D::kUpRadio);
    Type(d, D::kFindEdit, "a");
    Type(d, D::kReplaceEdit, "-");
    Click(d, D::kReplaceAllButton);
    EXPECT_EQ(Script().asked.back().text, U("置換が終了しました"));
    EXPECT_TRUE(Control<wxRadioButton>(d, D::kDownRadio)->GetValue());
  });
  SendCommand(cmd::kFindReplace);
  EXPECT_EQ(ColumnOf(1), (Texts{"-bc", "-BC", "q", "-Xa"}));
  EXPECT_EQ(ColumnOf(2), (Texts{"ア", "ヂ-", "ａｂｃ", "ア-"}));
  EXPECT_TRUE(CurrentDoc().IsModified());

  // With case, every occurrence in each cell.
  FillTable();
  AddRows({{"aXa"}});
  OnNextDialog([](wxDialog& d) {
    Type(d, D::kFindEdit, "a");
    Type(d, D::kReplaceEdit, "aa");
    Click(d, D::kReplaceAllButton);
  });
  SendCommand(cmd::kFindReplace);
  EXPECT_EQ(ColumnOf(1), (Texts{"aabc", "ABC", "q", "aaXaa"}));
}

// "すべて置換" stopped by the progress dialog's cancel button keeps the
// replacements made before the stop and leaves the later cells untouched.
TEST(FindReplaceDialog, ReplaceAllCancelledMidRunKeepsWhatWasReplaced) {
  StartWithColumns(2);
  constexpr int kRows = 20000;
  AddRows(std::vector<std::vector<std::string>>(kRows, {"aa", "ヂa"}));
  bool pressed = false;
  CancelNextRunAtStep(1, pressed);
  OnNextDialog([](wxDialog& d) {
    Type(d, D::kFindEdit, "a");
    Type(d, D::kReplaceEdit, "b");
    Click(d, D::kReplaceAllButton);
    EXPECT_EQ(Script().asked.back().text, U("置換が終了しました"));
  });
  SendCommand(cmd::kFindReplace);
  ASSERT_TRUE(pressed);
  int replaced = 0;
  while (replaced < kRows && RowOf(replaced) == Texts{"bb", "ヂb"}) ++replaced;
  EXPECT_GT(replaced, 0);
  EXPECT_LT(replaced, kRows);
  for (int row = replaced; row < kRows; ++row) ASSERT_EQ(RowOf(row), (Texts{"aa", "ヂa"})) << row;
  EXPECT_TRUE(CurrentDoc().IsModified());
}

}  // namespace
}  // namespace listora::test
