// The text pane follows the item in the list's focused row when rows move
// or go without the focus moving, so a memo edit lands in the item shown.

#include <gtest/gtest.h>
#include <wx/listbase.h>

#include <string>

#include "core/doc/document_file.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

TEST(PanesFollowFocusedRow, AfterSortDeleteAndListSearch) {
  StartFresh();
  ItemListCtrl& list = *App().Frame()->PaneWindows().list;
  const TextPane& text = *App().Frame()->PaneWindows().text;
  ItemTable& items = TheData().items;
  for (const char* name : {"z", "a", "m"}) {
    ItemFields item;
    item.columns[1] = name;
    item.memo = std::string(name) + name;
    item.columns[0] = MakeIconIndex(item.memo, item.imagePath);
    items.AppendRow(item);
  }
  CurrentDoc().Changed(DocHint::Kind::kItems);
  list.ClickRow(0, false, false);
  Pump();
  ASSERT_EQ(text.GetValue(), "zz");

  wxListEvent click(wxEVT_LIST_COL_CLICK, list.GetId());
  click.SetColumn(1);
  list.GetEventHandler()->ProcessEvent(click);
  Pump();
  EXPECT_EQ(items.Cell(0, 1), "a");
  EXPECT_EQ(text.GetValue(), "aa");

  Script().yesNo = {true};
  SendCommand(cmd::kDeleteSelected);
  ASSERT_EQ(items.GetSize(), 2);
  EXPECT_EQ(text.GetValue(), std::string(items.Memo(0)));

  App().Frame()->SearchField()->SetValue("z");
  SendCommand(cmd::kSearch);
  EXPECT_EQ(items.Cell(0, 1), "z");
  EXPECT_EQ(text.GetValue(), "zz");
}

}  // namespace
}  // namespace listora::test
