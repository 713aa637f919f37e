// The list view: header sorting, in-place editing, the clipboard commands,
// the header's column commands and the icon column's place.

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/headerctrl.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/base/progress_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/list_menus.h"
#include "ui/panes/text_pane.h"
#include "ui/support/clipboard.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }
Document& Data() { return TheData(); }
// Rows of user column texts; the document then has one column per field.
void Fill(const std::vector<std::vector<std::string>>& rows) {
  for (const auto& texts : rows) {
    ItemFields item;
    item.columns[0] = "0";
    for (std::size_t c = 0; c < texts.size(); ++c) item.columns[c + 1] = texts[c];
    Data().items.AppendRow(item);
  }
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();
}

void Select(std::initializer_list<long> rows) {
  List().ClearSelection();
  for (long row : rows) List().Select(row, true);
  Pump();
}

std::vector<std::string> ColumnTexts(int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < Data().items.GetSize(); ++row)
    texts.emplace_back(Data().items.Cell(row, column));
  return texts;
}

void ClickHeader(int column) {
  wxListEvent event(wxEVT_LIST_COL_CLICK, List().GetId());
  event.SetEventObject(&List());
  event.SetColumn(column);
  List().GetEventHandler()->ProcessEvent(event);
  Pump();
}

TEST(ListSort, HeaderClicksAlternateEachColumnsDirection) {
  StartWithColumns(2);
  ClickHeader(1);  // an empty list: the direction stays
  EXPECT_FALSE(List().SortDirections().descending[1]);
  Fill({{"b", "2"}, {"a", "10"}, {"B", "1,000"}});
  Data().settings.columns.formats[2] |= kFormatRight;

  ClickHeader(1);
  EXPECT_EQ(ColumnTexts(1), (std::vector<std::string>{"B", "a", "b"}));
  ClickHeader(1);
  EXPECT_EQ(ColumnTexts(1), (std::vector<std::string>{"b", "a", "B"}));
  EXPECT_EQ(List().GetItemText(0, 1), "b");
  // A numeric column has its own flag and starts with the largest number.
  ClickHeader(2);
  EXPECT_EQ(ColumnTexts(2), (std::vector<std::string>{"1,000", "10", "2"}));
  ClickHeader(2);
  EXPECT_EQ(ColumnTexts(2), (std::vector<std::string>{"2", "10", "1,000"}));
  EXPECT_FALSE(CurrentDoc().IsModified());

  // Cancelling a long sort's progress leaves the rows, the direction and
  // the history as they were.
  std::vector<std::vector<std::string>> many;
  for (int i = 0; i < 70000; ++i) many.push_back({std::to_string(i * 7919 % 70000), "0"});
  Fill(many);
  const std::vector<std::string> before = ColumnTexts(1);
  const bool descending = List().SortDirections().descending[1];
  const std::string lastStep(CurrentDoc().History().UndoName());
  const std::size_t steps = CurrentDoc().History().StepCount();
  ProgressRun::CancelNextRun();
  ClickHeader(1);
  EXPECT_FALSE(ProgressRun::CancelPending());
  EXPECT_EQ(ColumnTexts(1), before);
  EXPECT_EQ(List().SortDirections().descending[1], descending);
  EXPECT_EQ(CurrentDoc().History().UndoName(), lastStep);
  EXPECT_EQ(CurrentDoc().History().StepCount(), steps);
}

TEST(ListEdit, EditBoxCoversTheCellAndCommitsOrCancels) {
  StartWithColumns(3);
  Fill({{"a", "b", "c"}, {"d", "e", "f"}});
  Data().settings.columns.formats[3] |= kFormatRight;
  List().RebuildColumns();
  Select({1});

  EXPECT_FALSE(List().BeginCellEdit(1, 0));  // the icon column
  EXPECT_FALSE(List().BeginCellEdit(1, 4));
  EXPECT_FALSE(List().BeginCellEdit(2, 1));
  ASSERT_TRUE(List().BeginCellEdit(1, 2));
  EXPECT_EQ(List().EditColumn(), 2);
  wxTextCtrl* box = List().CellEditor();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetValue(), "e");
  EXPECT_FALSE(List().IsSelected(1));
  const wxRect cell = List().CellRect(1, 2);
  // Screen positions arrive from the X server in its own time.
  EXPECT_TRUE(PumpUntil([&] {
    return box->GetScreenPosition().x == List().Body()->ClientToScreen(cell.GetPosition()).x;
  }));
  EXPECT_EQ(box->GetSize().x, cell.width);
  EXPECT_EQ(List().ColumnAt(cell.x + 2), 2);
  EXPECT_EQ(List().ColumnAt(2), 0);

  box->ChangeValue(U("新しい"));
  wxCommandEvent enter(wxEVT_TEXT_ENTER, box->GetId());
  enter.SetEventObject(box);
  box->GetEventHandler()->ProcessEvent(enter);
  Pump();
  EXPECT_EQ(List().EditColumn(), -1);
  EXPECT_EQ(List().CellEditor(), nullptr);
  EXPECT_EQ(Data().items.Cell(1, 2), Sj("新しい"));
  EXPECT_EQ(List().GetItemText(1, 2), U("新しい"));
  EXPECT_TRUE(CurrentDoc().IsModified());

  // Esc leaves the cell as it was; so does an emptied box.
  CurrentDoc().Modify(false);
  ASSERT_TRUE(List().BeginCellEdit(0, 3));
  EXPECT_TRUE(List().CellEditor()->HasFlag(wxTE_RIGHT));
  List().CellEditor()->ChangeValue("x");
  wxKeyEvent escape(wxEVT_CHAR_HOOK);
  escape.m_keyCode = WXK_ESCAPE;
  List().CellEditor()->GetEventHandler()->ProcessEvent(escape);
  Pump();
  EXPECT_EQ(List().CellEditor(), nullptr);
  ASSERT_TRUE(List().BeginCellEdit(0, 1));
  List().CellEditor()->ChangeValue("");
  List().EndCellEdit(false);
  Pump();
  EXPECT_EQ(ColumnTexts(3), (std::vector<std::string>{"c", "f"}));
  EXPECT_EQ(ColumnTexts(1), (std::vector<std::string>{"a", "d"}));
  EXPECT_FALSE(CurrentDoc().IsModified());

  // A box the list closed itself must not close the next one when it
  // loses the focus afterwards.
  // The first box must really hold the focus before the second opens, or
  // the focus it is given late would pull the focus out of the second one.
  ASSERT_TRUE(List().BeginCellEdit(0, 1));
  ASSERT_TRUE(PumpUntil([] { return List().CellEditor() && List().CellEditor()->HasFocus(); }));
  ASSERT_TRUE(List().BeginCellEdit(0, 2));
  ASSERT_TRUE(PumpUntil([] { return List().CellEditor() && List().CellEditor()->HasFocus(); }));
  Pump();
  EXPECT_EQ(List().EditColumn(), 2);
  List().EndCellEdit(true);
}

TEST(ListEdit, MovingTheFocusToAnotherPaneKeepsWhatWasTyped) {
  StartWithColumns(2);
  Fill({{"a", "b"}});
  ASSERT_TRUE(List().BeginCellEdit(0, 2));
  ASSERT_TRUE(PumpUntil([] { return List().CellEditor() && List().CellEditor()->HasFocus(); }));
  List().CellEditor()->ChangeValue("typed");
  wxWindow& text = *App().Frame()->PaneWindows().text;
  // Asked again until it arrives: a busy display may drop the first request.
  ASSERT_TRUE(PumpUntil(
      [&text] {
        if (List().CellEditor() == nullptr) return true;
        text.SetFocus();
        return false;
      },
      10000));
  EXPECT_EQ(ColumnTexts(2), std::vector<std::string>{"typed"});
  EXPECT_TRUE(text.HasFocus());
}

TEST(ListClipboardCommands, CopyAllFieldsAndOneColumn) {
  StartWithColumns(2);
  SendCommand(cmd::kCopyAllFields);  // nothing selected: the clipboard is left alone
  Fill({{"a", "b"}, {"c", ""}, {Sj("日本"), "x"}, {"d", "e"}});
  SetClipboardText("before");
  SendCommand(cmd::kCopyAllFields);
  EXPECT_EQ(ClipboardText(), "before");

  Select({0, 1, 2});
  SendCommand(cmd::kCopyAllFields);
  EXPECT_TRUE(ClipboardHolds(U("a/b\r\nc/\r\n日本/x")));
  SendCommand(cmd::kCopyColumn1 + 1);
  EXPECT_TRUE(ClipboardHolds("b\r\n\r\nx"));
  SendCommand(cmd::kCopyColumn1 + 5);  // a column the document does not have
  EXPECT_EQ(ClipboardText(), "b\r\n\r\nx");
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(ListClipboardCommands, PasteAsksWhenTheFieldCountDiffers) {
  StartWithColumns(2);
  Fill({{"a", "b"}, {"c", "d"}});
  SetClipboardText("x/y");
  SendCommand(cmd::kPasteAllFields);  // no item selected
  Select({0, 1});
  SendCommand(cmd::kPasteAllFields);  // two selected
  EXPECT_EQ(ColumnTexts(1), (std::vector<std::string>{"a", "c"}));

  // Set just before the paste that reads it, once the selection is made.
  Select({1});
  SetClipboardText("x/y");
  SendCommand(cmd::kPasteAllFields);
  EXPECT_TRUE(Script().asked.empty());
  EXPECT_EQ(ColumnTexts(1), (std::vector<std::string>{"a", "x"}));
  EXPECT_EQ(ColumnTexts(2), (std::vector<std::string>{"b", "y"}));
  EXPECT_TRUE(CurrentDoc().IsModified());

  SetClipboardText("p/q/r");
  Script().yesNo = {false};
  SendCommand(cmd::kPasteAllFields);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"yesno"});
  EXPECT_EQ(Script().asked[0].text,
            U("貼り付け項目数と現在の列数が違います。\nこのまま貼り付けますか?"));
  EXPECT_EQ(ColumnTexts(1), (std::vector<std::string>{"a", "x"}));
  Script().yesNo = {true};
  SendCommand(cmd::kPasteAllFields);
  EXPECT_EQ(ColumnTexts(1), (std::vector<std::string>{"a", "p"}));
  EXPECT_EQ(ColumnTexts(2), (std::vector<std::string>{"b", "q"}));

  SetClipboardText("solo");
  Script().yesNo = {true};
  SendCommand(cmd::kPasteAllFields);
  EXPECT_EQ(ColumnTexts(1), (std::vector<std::string>{"a", "solo"}));
  EXPECT_EQ(ColumnTexts(2), (std::vector<std::string>{"b", ""}));
  EXPECT_EQ(List().GetItemText(1, 1), "solo");
}

TEST(ListClipboardCommands, PasteIntoOneColumnTakesTheWholeText) {
  StartWithColumns(3);
  Fill({{"a", "b", "c"}});
  Select({0});
  SetClipboardText(U("全部/そのまま"));
  SendCommand(cmd::kPasteColumn1 + 2);
  EXPECT_EQ(ColumnTexts(3), std::vector<std::string>{Sj("全部/そのまま")});
  EXPECT_TRUE(Script().asked.empty());
  SendCommand(cmd::kPasteColumn1 + 3);  // beyond the document's columns
  EXPECT_EQ(Data().items.Cell(0, 4), "");

  wxTheClipboard->Open();
  wxTheClipboard->Clear();
  wxTheClipboard->Close();
  ASSERT_TRUE(ClipboardHolds(""));
  SendCommand(cmd::kPasteColumn1);
  EXPECT_EQ(ColumnTexts(1), std::vector<std::string>{""});
}

TEST(ListHeader, ColumnMenuAddsAndDeletesColumns) {
  StartWithColumns(3);
  Fill({{"a", "b", "c"}});
  EXPECT_FALSE(List().ChooseHeaderColumn(0));
  EXPECT_FALSE(List().ChooseHeaderColumn(7));
  EXPECT_EQ(List().CurrentHeaderColumn(), 0);

  std::unique_ptr<wxMenu> menu = MakeColumnMenu();
  ASSERT_EQ(menu->GetMenuItemCount(), 3u);
  EXPECT_EQ(menu->FindItemByPosition(0)->GetItemLabel(), U("このカラムを削除(&D)"));
  EXPECT_EQ(menu->FindItemByPosition(2)->GetItemLabel(), U("カラムを追加(&A)"));
  menu->UpdateUI(&List());
  EXPECT_TRUE(menu->FindItem(cmd::kDeleteColumn)->IsEnabled());
  EXPECT_TRUE(menu->FindItem(cmd::kAddColumn)->IsEnabled());
  EXPECT_TRUE(menu->FindItem(cmd::kColumnSettings)->IsEnabled());

  // The menu's commands go to the list and on to the view and document.
  auto menuCommand = [](int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&List());
    List().ProcessWindowEvent(event);
    Pump();
  };
  ASSERT_TRUE(List().ChooseHeaderColumn(2));
  menuCommand(cmd::kDeleteColumn);
  ASSERT_EQ(List().GetColumnCount(), 3);
  EXPECT_EQ(List().GetItemText(0, 2), "c");
  menuCommand(cmd::kAddColumn);
  ASSERT_EQ(List().GetColumnCount(), 4);
  EXPECT_EQ(List().ColumnTitle(3), "No.3");
  EXPECT_EQ(List().GetItemText(0, 3), "");
  EXPECT_TRUE(CurrentDoc().IsModified());
}

TEST(ListHeader, IconColumnStaysFirstAndKeepsItsWidth) {
  StartWithColumns(3);
  const std::vector<int> order = List().DisplayOrder();
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));

  // Neither a border drag nor a header drag moves the icon column.
  wxHeaderCtrl* header = List().Header();
  wxHeaderCtrlEvent drag(wxEVT_HEADER_END_RESIZE, header->GetId());
  drag.SetEventObject(header);
  drag.SetColumn(0);
  drag.SetWidth(80);
  header->GetEventHandler()->ProcessEvent(drag);
  EXPECT_EQ(List().GetColumnWidth(0), 30);
  drag.SetEventType(wxEVT_HEADER_END_REORDER);
  drag.SetNewOrder(2);
  header->GetEventHandler()->ProcessEvent(drag);
  EXPECT_EQ(List().DisplayOrder(), order);

  // The save writes the columns in the order shown.
  Fill({{"a", "b", "c"}});
  TempDir dir;
  const wxString path = wxString::FromUTF8((dir / "order.ltb").string());
  ASSERT_TRUE(CurrentDoc().OnSaveDocument(path));
  ASSERT_TRUE(CurrentDoc().OnOpenDocument(path));
  Pump();
  EXPECT_EQ(List().GetColumnCount(), 4);
  EXPECT_EQ(ColumnTexts(1), std::vector<std::string>{"a"});
  EXPECT_EQ(ColumnTexts(3), std::vector<std::string>{"c"});
}

// A left press at header x `from`, the mouse moved to `to` and let go there,
// as the header sees them.
void HeaderGesture(int from, int to) {
  wxHeaderCtrl* header = List().Header();
  const int y = header->GetSize().y / 2;
  const auto send = [&](wxEventType type, int x, bool down) {
    wxMouseEvent event(type);
    event.SetEventObject(header);
    event.SetPosition(wxPoint(x, y));
    event.m_leftDown = down;
    header->GetEventHandler()->ProcessEvent(event);
  };
  send(wxEVT_LEFT_DOWN, from, true);
  for (int step = 1; step <= 4; ++step) send(wxEVT_MOTION, from + (to - from) * step / 4, true);
  send(wxEVT_LEFT_UP, to, false);
  Pump();
}

TEST(ListHeader, ADragSortsNothingAClickSorts) {
  StartWithColumns(3);
  Fill({{"b", "2", "y"}, {"c", "1", "x"}, {"a", "3", "z"}});
  const auto middle = [](int column) {
    const wxRect cell = List().CellRect(0, column);
    return cell.x + cell.width / 2;
  };
  const std::vector<std::string> order = ColumnTexts(1);
  // The icon column "#" pressed and let go over each other header, and a
  // user column dragged over the others: nothing is sorted.
  for (int target = 1; target <= 3; ++target) {
    HeaderGesture(middle(0), middle(target));
    EXPECT_EQ(ColumnTexts(1), order) << "# to " << target;
  }
  HeaderGesture(middle(2), middle(3) + 20);
  HeaderGesture(middle(1), middle(0));
  EXPECT_EQ(ColumnTexts(1), order);
  // A press and release in one place, or with a slip within the drag
  // threshold, is a click on every header, and sorts once.
  const int column = List().DisplayOrder()[1];
  HeaderGesture(middle(column), middle(column));
  const std::vector<std::string> ascending = ColumnTexts(1);
  EXPECT_NE(ascending, order);
  HeaderGesture(middle(column), middle(column) + 2);
  const std::vector<std::string> descending(ascending.rbegin(), ascending.rend());
  EXPECT_EQ(ColumnTexts(1), descending);
  HeaderGesture(middle(column), middle(column) - 1);
  EXPECT_EQ(ColumnTexts(1), ascending);
  int clicks = 0;
  const auto count = [&clicks](wxListEvent& event) {
    ++clicks;
    event.Skip();
  };
  List().Bind(wxEVT_LIST_COL_CLICK, count);
  HeaderGesture(middle(0), middle(0) + 2);
  HeaderGesture(middle(column), middle(column) + 1);
  List().Unbind(wxEVT_LIST_COL_CLICK, count);
  EXPECT_EQ(clicks, 2);
}

TEST(ListHighlight, NextItemChangeClearsTheHighlightedCell) {
  StartWithColumns(2);
  Fill({{"a", "b"}, {"c", "d"}});
  List().SetHighlightedCell(1, 0);  // not a user column
  EXPECT_EQ(List().HighlightedRow(), -1);
  List().SetHighlightedCell(1, 2);
  Pump();
  EXPECT_EQ(List().HighlightedRow(), 1);
  EXPECT_EQ(List().HighlightedColumn(), 2);
  Select({0});
  EXPECT_EQ(List().HighlightedRow(), -1);
  EXPECT_EQ(List().HighlightedColumn(), -1);
  // Selecting a row already selected is no change.
  List().SetHighlightedCell(1, 2);
  List().Select(0, true);
  Pump();
  EXPECT_EQ(List().HighlightedRow(), 1);
}

}  // namespace
}  // namespace listora::test

namespace listora::test {
namespace {

// A block of most rows plus scattered ones in a large list: the selection
// is read back and inverted row for row (a linear lookup per row would
// make this take minutes).
TEST(ListSelection, LargeScatteredSelectionsReadBackAndInvert) {
  StartWithColumns(1);
  const int count = 1'000'000;
  Data().items.ResizeRows(count);
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();
  for (int row = 0; row < count; row += 2) List().Select(row, true);
  std::vector<int> rows = List().SelectedRows();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(count / 2));
  EXPECT_EQ(rows[1], 2);
  EXPECT_EQ(rows.back(), count - 2);

  List().InvertSelection();
  rows = List().SelectedRows();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(count / 2));
  EXPECT_EQ(rows.front(), 1);
  EXPECT_EQ(rows.back(), count - 1);
  EXPECT_FALSE(List().IsSelected(0));
  EXPECT_TRUE(List().IsSelected(3));
  List().ClearSelection();
}

}  // namespace
}  // namespace listora::test
