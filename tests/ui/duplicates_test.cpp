// The duplicate search from its command: the column chooser, the result
// dialog's groups, shading and ticks, and what leaving it does to the
// list's selection, and a search cancelled in its middle.

#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

#include "core/doc/document_file.h"
#include "ui/base/command_ids.h"
#include "ui/base/progress_dialog.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/list_icons.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/duplicates_dialog.h"

namespace listora::test {
namespace {

using R = DuplicateResultDialog;
wxString Label(wxDialog& d, int id) { return Control<wxStaticText>(d, id)->GetLabel(); }

std::vector<int> HeaderImages(wxListCtrl& list) {
  std::vector<int> images;
  for (int column = 0; column < list.GetColumnCount(); ++column) {
    wxListItem header;
    header.SetMask(wxLIST_MASK_IMAGE);
    list.GetColumn(column, header);
    images.push_back(header.GetImage());
  }
  return images;
}

// Column 2: "x" three times in any case, two empty cells, one "y".
void FillTable() {
  StartWithColumns(3);
  AddRows({{"0", "x"}, {"1", "X"}, {"2", "y"}, {"3", ""}, {"4", ""}, {"5", "x"}});
}

// Chooses column 2 in the column chooser.
void ChooseSecondColumn() {
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(d.GetTitle(), U("列の選択"));
    Choose(d, DuplicateColumnDialog::kColumnChoice, 1);
    Click(d, wxID_OK);
  });
}

TEST(DuplicateSearch, GroupsTicksAndTheSelectionLeftBehind) {
  FillTable();
  SelectRows({2});
  TheList().SetFocusedRow(2);
  ChooseSecondColumn();
  OnNextDialog([](wxDialog& d) {
    auto& result = dynamic_cast<R&>(d);
    EXPECT_EQ(d.GetTitle(), U("重複検索結果"));
    EXPECT_EQ(Label(d, R::kRowsLabel), U("総アイテム数:    5"));
    EXPECT_EQ(Label(d, R::kGroupsLabel), U("重複数:    2 組"));
    EXPECT_EQ(Label(d, R::kTickedLabel), U("チェックアイテム数:    0"));
    auto* list = Control<wxListCtrl>(d, R::kResultList);
    ASSERT_EQ(list->GetItemCount(), 5);
    // The searched column first, each header with its column's icon.
    EXPECT_EQ(HeaderImages(*list), (std::vector<int>{HeaderIcon(2), HeaderIcon(1), HeaderIcon(3)}));
    // The three "x" as one group, then the empties.
    EXPECT_EQ(list->GetItemText(0, 0), "x");
    EXPECT_EQ(list->GetItemText(1, 0), "X");
    EXPECT_EQ(list->GetItemText(2, 1), "5");
    EXPECT_EQ(list->GetItemText(3, 0), "");
    EXPECT_EQ(list->GetItemText(3, 1), "3");
    result.TickRow(0, true);
    result.TickRow(2, true);
    result.TickRow(4, true);
    result.TickRow(4, false);
    result.TickRow(0, true);  // already ticked
    EXPECT_EQ(Label(d, R::kTickedLabel), U("チェックアイテム数:    2"));
    EXPECT_TRUE(list->IsItemChecked(2));
    Click(d, R::kSelectButton);
  });
  SendCommand(cmd::kDuplicateSearch);
  EXPECT_EQ(PendingDialogSteps(), 0);
  EXPECT_EQ(TheList().SelectedRows(), (std::vector<int>{0, 5}));
  EXPECT_EQ(TheList().FocusedRow(), -1);

  // "終　了" leaves the selection as it was. Without column icons the
  // headers have none. A column too wide for the screen leaves the dialog
  // on it.
  TheData().settings.columns.headerIcons = 0;
  TheData().settings.columns.widths[2] = 4000;
  ChooseSecondColumn();
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(HeaderImages(*Control<wxListCtrl>(d, R::kResultList)),
              (std::vector<int>{-1, -1, -1}));
    EXPECT_TRUE(wxDisplay(0u).GetClientArea().Contains(wxRect(wxPoint(), d.GetSize())));
    dynamic_cast<R&>(d).TickRow(1, true);
    Click(d, R::kCloseButton);
  });
  SendCommand(cmd::kDuplicateSearch);
  EXPECT_EQ(TheList().SelectedRows(), (std::vector<int>{0, 5}));
  EXPECT_TRUE(Script().asked.empty());
}

TEST(DuplicateSearch, NothingFoundCancelledAndEmpty) {
  FillTable();
  OnNextDialog([](wxDialog& d) { Click(d, wxID_OK); });  // column 1: all different
  SendCommand(cmd::kDuplicateSearch);
  ASSERT_EQ(Script().asked.size(), 1u);
  EXPECT_EQ(Script().asked[0].text, U("重複アイテムはありませんでした。"));

  OnNextDialog([](wxDialog& d) { Click(d, wxID_CANCEL); });
  SendCommand(cmd::kDuplicateSearch);
  EXPECT_EQ(Script().asked.size(), 1u);
  EXPECT_EQ(PendingDialogSteps(), 0);

  StartWithColumns(2);
  OnNextDialog([](wxDialog&) {});
  SendCommand(cmd::kDuplicateSearch);  // an empty list: no dialog at all
  EXPECT_EQ(PendingDialogSteps(), 1);
  ForgetDialogSteps();
}

// More grouped items than a fixed table of group numbers would hold: every
// one is listed, the later groups shaded as well.
TEST(DuplicateSearch, ListsEveryGroupedItemOfALargeTable) {
  StartWithColumns(1);
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 12000; ++i) rows.push_back({std::to_string(i % 6000)});
  AddRows(rows);
  OnNextDialog([](wxDialog& d) { Click(d, wxID_OK); });
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(Label(d, R::kRowsLabel), U("総アイテム数: 12000"));
    EXPECT_EQ(Label(d, R::kGroupsLabel), U("重複数: 6000 組"));
    auto* list = Control<wxListCtrl>(d, R::kResultList);
    ASSERT_EQ(list->GetItemCount(), 12000);
    EXPECT_EQ(list->GetItemText(11999, 0), "5999");
  });
  SendCommand(cmd::kDuplicateSearch);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

// A search stopped by the progress dialog's cancel button in its middle
// shows the groups of the items examined before the stop, complete.
TEST(DuplicateSearch, CancelledMidRunShowsTheGroupsFoundSoFar) {
  StartWithColumns(1);
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 10000; ++i) rows.push_back({std::to_string(i % 5000)});
  AddRows(rows);
  bool pressed = false;
  CancelNextRunAtStep(1, pressed);
  OnNextDialog([](wxDialog& d) { Click(d, wxID_OK); });
  OnNextDialog([](wxDialog& d) {
    auto* list = Control<wxListCtrl>(d, R::kResultList);
    const int groups = list->GetItemCount() / 2;
    EXPECT_GT(groups, 0);
    EXPECT_LT(groups, 5000);
    EXPECT_EQ(Label(d, R::kGroupsLabel), wxString::Format(U("重複数: %4d 組"), groups));
    // Each group whole: its first item and the later one with its value.
    EXPECT_EQ(list->GetItemText(0, 0), "0");
    EXPECT_EQ(list->GetItemText(1, 0), "0");
    EXPECT_EQ(list->GetItemText(2 * groups - 1, 0), std::to_string(groups - 1));
  });
  SendCommand(cmd::kDuplicateSearch);
  EXPECT_TRUE(pressed);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

}  // namespace
}  // namespace listora::test
