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
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/views/item_list_ctrl.h"
#include "ui/views/text_pane.h"

namespace listora::test {
namespace {

TEST(PanesFollowFocusedRow, AfterSortDeleteAndListSearch) {
  StartFresh();
  CItemListCtrl& list = *App().MainFrame()->PaneWindows().list;
  const CTextPane& text = *App().MainFrame()->PaneWindows().text;
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
  EXPECT_EQ(items.Column(1, 0), "a");
  EXPECT_EQ(text.GetValue(), "aa");

  Script().yesNo = {true};
  SendCommand(cmd::kDeleteSelected);
  ASSERT_EQ(items.GetSize(), 2);
  EXPECT_EQ(text.GetValue(), std::string(items.Memo(0)));

  App().MainFrame()->SearchBox()->SetValue("z");
  SendCommand(cmd::kSearch);
  EXPECT_EQ(items.Column(1, 0), "z");
  EXPECT_EQ(text.GetValue(), "zz");
}

}  // namespace
}  // namespace listora::test
