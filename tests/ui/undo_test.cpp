// Undo and redo in the running program: every edit method of the document
// is one step that the frame's commands take back and make again, the
// modified mark follows the saved state, and a text field with the focus
// keeps the keys for its own undo.

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

ListoraDoc& Doc() { return CurrentDoc(); }
MainFrame& Frame() { return *App().Frame(); }
wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

std::string Stored() {
  StoreOptions options;
  options.displayOrder = Doc().DisplayOrder();
  return StoreDocument(Doc().Data(), options);
}

// The edit menu's entry as the menu shows it when opened.
struct EntryState {
  bool enabled;
  wxString prompt;
};
EntryState Entry(int id) {
  wxMenuBar* bar = Frame().GetMenuBar();
  wxMenu* menu = nullptr;
  wxMenuItem* item = bar->FindItem(id, &menu);
  wxUpdateUIEvent event(id);
  event.SetEventObject(menu);
  Frame().ProcessWindowEvent(event);
  return {event.GetEnabled(), item->GetHelp()};
}

void StartTable() {
  StartWithColumns(2);
  AddRows({{"c", "3"}, {"a", "1"}, {"b", "2"}, {"ab", "4"}});
}

TEST(Undo, EachEditIsOneStepThatCtrlZAndCtrlYTakeBackAndMakeAgain) {
  TempDir dir;
  const std::filesystem::path other = dir / "other.ltb";
  {
    Document doc;
    doc.settings.columns.count = 3;
    ItemFields item;
    item.columns[0] = "0";
    item.columns[1] = "appended";
    doc.items.AppendRow(item);
    WriteAll(other, StoreDocument(doc, {}));
  }
  WriteAll(dir / "dropped.txt", "x");

  struct Edit {
    const char* name;
    bool marks;
    std::function<void(ListoraDoc&)> run;
  };
  const Edit edits[] = {
      {"セルの編集", true, [](ListoraDoc& d) { d.SetCell(1, 2, "x"); }},
      {"メモの編集", true,
       [](ListoraDoc& d) {
         // Keys typed into the first item's memo: one step.
         for (const char* memo : {"m", "me", "memo"}) d.SetMemo(0, memo);
       }},
      {"画像の関連付け", true,
       [](ListoraDoc& d) {
         const int rows[] = {0, 3};
         d.AttachImage(rows, "/nowhere/picture.jpg");
       }},
      {"アイテムの追加", true,
       [](ListoraDoc& d) {
         d.AddItem({"new", "9"}, "");
       }},
      {"アイテムの修正", true,
       [](ListoraDoc& d) {
         d.ModifyItem(1, {"p", "q"}, nullptr);
       }},
      {"削除", true,
       [](ListoraDoc& d) {
         const int rows[] = {0, 2};
         d.DeleteRows(rows);
       }},
      {"移動", false,
       [](ListoraDoc& d) {
         const int rows[] = {0, 2};
         d.MoveRows(rows, 4);
       }},
      {"並べ替え", false,
       [](ListoraDoc& d) {
         SortFlags directions;
         d.SortByColumn(1, directions);
       }},
      {"検索", false, [](ListoraDoc& d) { d.ListSearch("b"); }},
      {"置換", true,
       [](ListoraDoc& d) {
         FindReplaceSession session = d.StartFindReplace();
         const FindReplaceOptions options{"a", "Z"};
         session.FindFromTop(options);
         d.ReplaceAndFindNext(session, options);
       }},
      {"すべて置換", true,
       [](ListoraDoc& d) {
         FindReplaceSession session = d.StartFindReplace();
         FindReplaceOptions options{"a", "Z"};
         d.ReplaceAll(session, options);
       }},
      {"ファイルの取り込み", true, [&dir](ListoraDoc& d) { d.InsertPaths({dir / "dropped.txt"}); }},
      {"追加で開く", true, [&other](ListoraDoc& d) { d.AppendDocuments({other}); }},
      {"カラムの追加", true, [](ListoraDoc& d) { d.AddColumn(); }},
      {"カラムの削除", true, [](ListoraDoc& d) { d.DeleteColumn(1); }},
      {"カラムの設定", true,
       [](ListoraDoc& d) {
         d.SetColumnSettings({{"name", 50, true}, {"other", 70, false}});
       }},
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.name);
    StartTable();
    EXPECT_FALSE(Entry(cmd::kUndo).enabled);
    const std::string before = Stored();
    edit.run(Doc());
    Pump();
    const std::string after = Stored();
    ASSERT_NE(before, after);
    ASSERT_EQ(Doc().History().StepCount(), 1u);
    EXPECT_EQ(Doc().IsModified(), edit.marks);
    const EntryState undo = Entry(cmd::kUndo);
    EXPECT_TRUE(undo.enabled);
    EXPECT_EQ(undo.prompt, U("元に戻す: ") + U(edit.name));
    EXPECT_FALSE(Entry(cmd::kRedo).enabled);

    SendCommand(cmd::kUndo);
    EXPECT_EQ(Stored(), before);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(TheList().GetItemCount(), Doc().Data().items.GetSize());
    EXPECT_EQ(Entry(cmd::kRedo).prompt, U("やり直し: ") + U(edit.name));

    SendCommand(cmd::kRedo);
    EXPECT_EQ(Stored(), after);
    EXPECT_EQ(Doc().IsModified(), edit.marks);
    EXPECT_EQ(TheList().GetItemCount(), Doc().Data().items.GetSize());
  }
}

TEST(Undo, TheStepsRowsAreSelectedAfterUndoAndRedo) {
  StartTable();
  const int rows[] = {0, 2};
  Doc().MoveRows(rows, 4);
  EXPECT_EQ(TheList().SelectedRows(), (std::vector<int>{2, 3}));
  SendCommand(cmd::kUndo);
  EXPECT_EQ(TheList().SelectedRows(), (std::vector<int>{0, 2}));
  SendCommand(cmd::kRedo);
  EXPECT_EQ(TheList().SelectedRows(), (std::vector<int>{2, 3}));

  Doc().DeleteRows(rows);
  SendCommand(cmd::kUndo);
  EXPECT_EQ(TheList().SelectedRows(), (std::vector<int>{0, 2}));
  Doc().SetCell(3, 1, "x");
  SendCommand(cmd::kUndo);
  EXPECT_EQ(TheList().SelectedRows(), (std::vector<int>{3}));
}

TEST(Undo, ASortAndADeletionUndoneGiveTheSavedDocumentBackWithoutTheMark) {
  TempDir dir;
  StartTable();
  Script().saveFiles = {wxString::FromUTF8((dir / "kept").string())};
  ASSERT_TRUE(Doc().Save());
  const std::filesystem::path file = dir / "kept.ltb";
  const std::string saved = ReadAll(file);
  const std::vector<std::string> order = ColumnOf(1);

  SortFlags directions;
  ASSERT_TRUE(Doc().SortByColumn(1, directions));
  const int all[] = {0, 1, 2, 3};
  Doc().DeleteRows(all);
  EXPECT_TRUE(Frame().GetTitle().EndsWith("*"));

  SendCommand(cmd::kUndo);
  SendCommand(cmd::kUndo);
  EXPECT_EQ(ColumnOf(1), order);
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_FALSE(Frame().GetTitle().EndsWith("*"));
  EXPECT_FALSE(Entry(cmd::kUndo).enabled);

  SendCommand(cmd::kRedo);
  SendCommand(cmd::kRedo);
  EXPECT_EQ(TheList().GetItemCount(), 0);
  EXPECT_TRUE(Frame().GetTitle().EndsWith("*"));

  // A save keeps the history; undoing past it sets the mark again.
  ASSERT_TRUE(Doc().Save());
  EXPECT_FALSE(Frame().GetTitle().EndsWith("*"));
  SendCommand(cmd::kUndo);
  EXPECT_TRUE(Frame().GetTitle().EndsWith("*"));
  SendCommand(cmd::kUndo);
  ASSERT_TRUE(Doc().Save());
  EXPECT_EQ(ReadAll(file), saved);
}

TEST(Undo, CtrlYAndCtrlShiftZRedoAndAFocusedTextFieldKeepsItsOwnUndo) {
  const wxAcceleratorTable* keys = Frame().GetAcceleratorTable();
  ASSERT_NE(keys, nullptr);
  const auto command = [keys](int code, bool shift) {
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = code;
    key.m_controlDown = true;
    key.m_shiftDown = shift;
    return keys->GetCommand(key);
  };
  EXPECT_EQ(command('Z', false), cmd::kUndo);
  EXPECT_EQ(command('Y', false), cmd::kRedo);
  EXPECT_EQ(command('Z', true), cmd::kRedo);

  StartTable();
  Doc().SetCell(0, 1, "edited");
  ASSERT_TRUE(TheList().BeginCellEdit(1, 1));
  wxTextCtrl* box = TheList().CellEditor();
  ASSERT_NE(box, nullptr);
  box->SetFocus();
  ASSERT_TRUE(PumpUntil([box] { return wxWindow::FindFocus() == box; }));
  // The field's: the document's step stays.
  EXPECT_EQ(Entry(cmd::kUndo).prompt, U("直前の操作を元に戻します"));
  SendCommand(cmd::kUndo);
  EXPECT_EQ(RowOf(0)[0], "edited");
  EXPECT_TRUE(Doc().History().CanUndo());
  TheList().EndCellEdit(true);
  TheList().SetFocus();
  ASSERT_TRUE(PumpUntil([] { return wxWindow::FindFocus() != TheList().CellEditor(); }));
  SendCommand(cmd::kUndo);
  EXPECT_EQ(RowOf(0)[0], "c");
}

TEST(Undo, RandomEditsThroughTheDocumentUndoneAndRedoneAreByteIdentical) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed);
    StartTable();
    std::vector<std::string> states{Stored()};
    for (int i = 0; i < 25; ++i) {
      ListoraDoc& d = Doc();
      const int size = d.Data().items.GetSize();
      const int row = size > 0 ? static_cast<int>(rng() % size) : 0;
      const int column = 1 + static_cast<int>(rng() % (d.Data().ColumnCount() - 1));
      const std::string text(1, "abZ"[rng() % 3]);
      const std::size_t steps = d.History().StepCount();
      switch (rng() % 10) {
        case 0: d.SetCell(row, column, text); break;
        case 1: d.SetMemo(row, text); break;
        case 2: {
          const int rows[] = {row};
          if (size > 1) d.DeleteRows(rows);
          break;
        }
        case 3: {
          const int rows[] = {row};
          d.MoveRows(rows, static_cast<int>(rng() % (size + 1)));
          break;
        }
        case 4: {
          SortFlags directions;
          directions.descending[column] = rng() % 2 == 0;
          d.SortByColumn(column, directions);
          break;
        }
        case 5: d.ListSearch(text); break;
        case 6: {
          FindReplaceSession session = d.StartFindReplace();
          FindReplaceOptions options{text, "b"};
          d.ReplaceAll(session, options);
          break;
        }
        case 7: d.AddItem({text, text}, ""); break;
        case 8: d.AddColumn(); break;
        case 9: d.DeleteColumn(column); break;
      }
      Pump();
      if (d.History().StepCount() > steps) states.push_back(Stored());
      ASSERT_EQ(Stored(), states.back()) << "seed " << seed << " edit " << i;
    }
    for (std::size_t n = states.size() - 1; n > 0; --n) {
      SendCommand(cmd::kUndo);
      ASSERT_EQ(Stored(), states[n - 1]) << "seed " << seed << " undo to " << n - 1;
    }
    for (std::size_t n = 1; n < states.size(); ++n) {
      SendCommand(cmd::kRedo);
      ASSERT_EQ(Stored(), states[n]) << "seed " << seed << " redo to " << n;
    }
  }
}

}  // namespace
}  // namespace listora::test
