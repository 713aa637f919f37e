// The list pane's control: header drags and the stored column order, the
// selection gestures and the count label, moving rows by dragging them.

#include <gtest/gtest.h>
#include <wx/headerctrl.h>
#include <wx/stattext.h>

#include <string>
#include <vector>

#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/panes/tree_pane.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }
MainFrame& Frame() { return *App().Frame(); }
Document& Data() { return TheData(); }
wxString SelectedLabel() { return Frame().SelectedCountLabel()->GetLabel(); }

// Rows named "r0", "r1", … in column 1, each with its own memo and image.
void FillRows(int count) {
  for (int i = 0; i < count; ++i) {
    ItemFields item;
    item.columns[1] = "r" + std::to_string(i);
    item.memo = "memo" + std::to_string(i);
    item.imagePath = "pic" + std::to_string(i) + ".jpg";
    item.columns[0] = MakeIconIndex(item.memo, item.imagePath);
    Data().items.AppendRow(item);
  }
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();
}

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (int row = 0; row < Data().items.GetSize(); ++row)
    names.emplace_back(Data().items.Cell(row, 1));
  return names;
}

void DragHeader(int column, int position) {
  wxHeaderCtrl* header = List().Header();
  wxHeaderCtrlEvent event(wxEVT_HEADER_END_REORDER, header->GetId());
  event.SetEventObject(header);
  event.SetColumn(column);
  event.SetNewOrder(position);
  header->GetEventHandler()->ProcessEvent(event);
  Pump();
}

wxPoint RowPoint(int row) {
  const wxRect cell = List().CellRect(row, 1);
  return wxPoint(cell.x + 5, cell.y + cell.height / 2);
}

struct Keys {
  bool ctrl = false;
  bool shift = false;
  bool left = false;  // the left button held
};

void Mouse(wxEventType type, const wxPoint& point, Keys keys = {}) {
  wxWindow* body = List().Body();
  wxMouseEvent event(type);
  event.SetEventObject(body);
  event.SetPosition(point);
  event.m_controlDown = keys.ctrl;
  event.m_shiftDown = keys.shift;
  event.m_leftDown = keys.left;
  body->GetEventHandler()->ProcessEvent(event);
}

void Click(int row, Keys keys = {}) {
  Mouse(wxEVT_LEFT_DOWN, RowPoint(row), keys);
  Mouse(wxEVT_LEFT_UP, RowPoint(row), keys);
  Pump();
}

void Key(int code, Keys keys = {}) {
  wxWindow* body = List().Body();
  wxKeyEvent event(wxEVT_KEY_DOWN);
  event.SetEventObject(body);
  event.m_keyCode = code;
  event.m_controlDown = keys.ctrl;
  event.m_shiftDown = keys.shift;
  body->GetEventHandler()->ProcessEvent(event);
  Pump();
}

// Presses on `from`, moves to `to` with the button held, lets go there.
void DragRows(int from, const wxPoint& to) {
  Mouse(wxEVT_LEFT_DOWN, RowPoint(from));
  Mouse(wxEVT_MOTION, to, {.left = true});
  Mouse(wxEVT_MOTION, to, {.left = true});
  Mouse(wxEVT_LEFT_UP, to);
  Pump();
}

TEST(ItemListHeader, DragReordersBehindTheIconColumnAndTheSaveKeepsTheOrder) {
  StartWithColumns(3);
  const std::vector<int> natural = {0, 1, 2, 3};
  ASSERT_EQ(List().DisplayOrder(), natural);
  // Column 2 to each place; in front of the icon column it lands behind it.
  DragHeader(2, 3);
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 1, 3, 2}));
  DragHeader(2, 1);
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 2, 1, 3}));
  DragHeader(2, 2);
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 1, 2, 3}));
  DragHeader(3, 0);
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 3, 1, 2}));
  DragHeader(0, 2);  // the icon column itself does not move
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 3, 1, 2}));
  EXPECT_EQ(CurrentDoc().DisplayOrder(), List().DisplayOrder());
  // Redrawing the columns keeps the document's order.
  CurrentDoc().Changed(DocHint::Kind::kColumns);
  Pump();
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 3, 1, 2}));

  // A border drag sets the width the document keeps; the icon column's
  // width stays.
  wxHeaderCtrlEvent resize(wxEVT_HEADER_END_RESIZE, List().Header()->GetId());
  resize.SetEventObject(List().Header());
  resize.SetColumn(1);
  resize.SetWidth(150);
  List().Header()->GetEventHandler()->ProcessEvent(resize);
  resize.SetColumn(0);
  List().Header()->GetEventHandler()->ProcessEvent(resize);
  EXPECT_EQ(Data().settings.columns.widths[1], 150);
  EXPECT_EQ(List().GetColumnWidth(1), 150);
  EXPECT_EQ(List().GetColumnWidth(0), 30);

  // The tree groups by the columns in the order shown.
  ItemFields item;
  item.columns[0] = "0";
  item.columns[1] = "a";
  item.columns[2] = "b";
  item.columns[3] = "c";
  Data().items.AppendRow(item);
  item.columns[1] = "x";
  Data().items.AppendRow(item);
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();
  SendCommand(cmd::kTreeGroup1);
  EXPECT_EQ(App().Frame()->PaneWindows().tree->Grouping().parentCount,
            1);  // column 3 first: "c"

  // Stored in the order shown: reopened, the columns come in that order.
  const wxString name3 = List().ColumnTitle(3);
  TempDir dir;
  const wxString path = wxString::FromUTF8((dir / "order.ltb").string());
  ASSERT_TRUE(CurrentDoc().OnSaveDocument(path));
  ASSERT_TRUE(CurrentDoc().OnOpenDocument(path));
  Pump();
  EXPECT_EQ(List().DisplayOrder(), natural);
  EXPECT_EQ(List().ColumnTitle(1), name3);
  EXPECT_EQ(List().GetItemText(0, 1), "c");
  EXPECT_EQ(List().GetItemText(1, 2), "x");
  EXPECT_EQ(List().GetColumnWidth(2), 150);

  // A new column starts over from the natural order.
  DragHeader(3, 1);
  SendCommand(cmd::kAddColumn);
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_TRUE(CurrentDoc().DisplayOrder().empty());
}

TEST(ItemListHeader, AnotherColumnCountFromTheSettingsForgetsTheOrder) {
  StartWithColumns(3);
  DragHeader(3, 1);
  ASSERT_EQ(CurrentDoc().DisplayOrder(), (std::vector<int>{0, 3, 1, 2}));

  // The kept order named column 3, which two columns no longer have.
  SettingsSet set = DocumentSet(Data().settings);
  set.userColumns = 2;
  CurrentDoc().ApplySettings(set);
  Pump();
  EXPECT_TRUE(CurrentDoc().DisplayOrder().empty());
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 1, 2}));

  // Back to three columns, the third is a fresh one in its natural place,
  // not where the forgotten order had put the old column 3.
  set.userColumns = 3;
  CurrentDoc().ApplySettings(set);
  Pump();
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 1, 2, 3}));

  // The same count keeps the order the user made.
  DragHeader(3, 1);
  CurrentDoc().ApplySettings(DocumentSet(Data().settings));
  Pump();
  EXPECT_EQ(List().DisplayOrder(), (std::vector<int>{0, 3, 1, 2}));
}

TEST(ItemListSelection, EveryGestureUpdatesTheCountLabel) {
  StartWithColumns(1);
  FillRows(10);
  Click(2);
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 1"));
  Click(5, {.shift = true});
  EXPECT_EQ(List().SelectedRows(), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 4"));

  // Several rows selected: a memo typed now is shown but not stored.
  TextPane& text = *App().Frame()->PaneWindows().text;
  text.SetValue("typed");
  Pump();
  EXPECT_EQ(Data().items.Memo(5), "memo5");

  Click(8, {.ctrl = true});
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 5"));
  Key(WXK_END, {.shift = true});  // from the anchor, row 8, to the end
  EXPECT_EQ(List().SelectedRows(), (std::vector<int>{8, 9}));
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 2"));
  Key(WXK_UP, {.shift = true});
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 1"));
  Key(WXK_HOME);
  EXPECT_EQ(List().SelectedRows(), std::vector<int>{0});
  EXPECT_EQ(List().FocusedRow(), 0);
  // The list must hold the focus first: a focus change still on its way
  // would take the focus from the edit box and close it.
  List().Body()->SetFocus();
  ASSERT_TRUE(PumpUntil([] { return List().Body()->HasFocus(); }, 10000));
  Key(WXK_F2);  // edits the focused row's first user column
  ASSERT_TRUE(
      PumpUntil([] { return List().CellEditor() && List().CellEditor()->HasFocus(); }, 10000));
  EXPECT_EQ(List().EditColumn(), 1);
  List().EndCellEdit(true);
  Click(0);
  Key('A', {.ctrl = true});
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 10"));
  SendCommand(cmd::kInvertSelection);
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 0"));
  // A click beside the rows clears the selection.
  Click(1);
  Mouse(wxEVT_LEFT_DOWN, wxPoint(5, List().RowHeight() * 10 + 5));
  Pump();
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 0"));
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(ItemListSelection, PageKeysMoveByTheRowsInViewLessOne) {
  StartWithColumns(1);
  FillRows(200);
  Click(0);
  // Measured once the click's events have laid the list out.
  const int page = List().Body()->GetClientSize().y / List().RowHeight() - 1;
  ASSERT_GT(page, 1);
  Key(WXK_PAGEDOWN);
  EXPECT_EQ(List().FocusedRow(), page);
  Key(WXK_PAGEDOWN, {.shift = true});
  EXPECT_EQ(List().FocusedRow(), 2 * page);
  EXPECT_EQ(List().GetSelectedItemCount(), page + 1);
  Key(WXK_PAGEUP);
  EXPECT_EQ(List().SelectedRows(), std::vector<int>{page});
}

TEST(ItemListDrag, MovesTheSelectedRowsInFrontOfTheMarkedRow) {
  StartWithColumns(1);
  FillRows(6);
  // Rows 2 and 3 onto row 0.
  Click(2);
  Click(3, {.shift = true});
  DragRows(2, RowPoint(0));
  EXPECT_EQ(Names(), (std::vector<std::string>{"r2", "r3", "r0", "r1", "r4", "r5"}));
  EXPECT_EQ(List().SelectedRows(), (std::vector<int>{0, 1}));
  EXPECT_EQ(SelectedLabel(), U("　選択アイテム数: 2"));
  EXPECT_EQ(Data().items.Memo(0), "memo2");
  EXPECT_EQ(Data().items.ImagePath(1), "pic3.jpg");
  EXPECT_FALSE(CurrentDoc().IsModified());
  EXPECT_FALSE(List().Dragging());

  // Rows 1 and 3 of five onto row 2.
  StartWithColumns(1);
  FillRows(5);
  Click(1);
  Click(3, {.ctrl = true});
  DragRows(3, RowPoint(2));
  EXPECT_EQ(Names(), (std::vector<std::string>{"r0", "r1", "r3", "r2", "r4"}));
  EXPECT_EQ(List().SelectedRows(), (std::vector<int>{1, 2}));

  // Over a selected row: the "no" place, and letting go moves nothing.
  Mouse(wxEVT_LEFT_DOWN, RowPoint(1));
  Mouse(wxEVT_MOTION, RowPoint(3), {.left = true});
  Mouse(wxEVT_MOTION, RowPoint(2), {.left = true});
  ASSERT_TRUE(List().Dragging());
  EXPECT_EQ(List().DropIndex(), -1);
  EXPECT_EQ(List().DraggedRows(), (std::vector<int>{1, 2}));
  Mouse(wxEVT_LEFT_UP, RowPoint(2));
  Pump();
  EXPECT_EQ(Names(), (std::vector<std::string>{"r0", "r1", "r3", "r2", "r4"}));
  EXPECT_EQ(List().SelectedRows(), (std::vector<int>{1, 2}));

  // Below the rows, reached from the last row: after the last row.
  Mouse(wxEVT_LEFT_DOWN, RowPoint(1));
  Mouse(wxEVT_MOTION, RowPoint(4), {.left = true});
  Mouse(wxEVT_MOTION, RowPoint(4), {.left = true});
  EXPECT_EQ(List().DropIndex(), 4);
  Mouse(wxEVT_MOTION, RowPoint(4) + wxPoint(0, List().RowHeight() * 2), {.left = true});
  EXPECT_EQ(List().DropIndex(), 5);
  Mouse(wxEVT_LEFT_UP, RowPoint(4));
  Pump();
  EXPECT_EQ(Names(), (std::vector<std::string>{"r0", "r2", "r4", "r1", "r3"}));
  EXPECT_EQ(List().SelectedRows(), (std::vector<int>{3, 4}));
  EXPECT_EQ(Data().items.Memo(4), "memo3");
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(ItemListDrag, HeldAboveTheRowsScrollsUpUntilRowZeroIsMarked) {
  StartWithColumns(1);
  FillRows(120);
  List().EnsureVisible(119);
  Pump();
  const int top = List().TopRow();
  ASSERT_GT(top, 20);
  List().ClickRow(top + 3, false, false);
  Mouse(wxEVT_LEFT_DOWN, RowPoint(top + 3));
  Mouse(wxEVT_MOTION, RowPoint(top), {.left = true});
  Mouse(wxEVT_MOTION, RowPoint(top), {.left = true});
  ASSERT_EQ(List().DropIndex(), top);
  // 20 pixels above the header's lower edge: one line every 70 ms.
  Mouse(wxEVT_MOTION, wxPoint(5, -20), {.left = true});
  EXPECT_EQ(List().ScrollInterval(), 70);
  EXPECT_TRUE(PumpUntil([&] { return List().TopRow() < top; }));
  EXPECT_EQ(List().DropIndex(), List().TopRow());
  // 100 pixels above it: every 10 ms, and the scrolling ends at row 0.
  Mouse(wxEVT_MOTION, wxPoint(5, -100), {.left = true});
  EXPECT_EQ(List().ScrollInterval(), 10);
  for (int i = 0; i < 5 && List().ScrollInterval() != 0; ++i)
    PumpUntil([] { return List().ScrollInterval() == 0; });
  EXPECT_EQ(List().ScrollInterval(), 0);
  EXPECT_EQ(List().TopRow(), 0);
  EXPECT_EQ(List().DropIndex(), 0);
  Mouse(wxEVT_LEFT_UP, wxPoint(5, -100));
  Pump();
  EXPECT_EQ(Data().items.Cell(0, 1), "r" + std::to_string(top + 3));
}

}  // namespace
}  // namespace listora::test
