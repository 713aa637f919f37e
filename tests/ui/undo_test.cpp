// Undo and redo in the running program: every edit method of the document
// is one step that the frame's commands take back and make again, the
// modified mark follows the saved state, and a text field with the focus
// keeps the keys for its own undo.

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/app/settings_sets.h"
#include "core/doc/document_file.h"
#include "core/doc/table_import.h"
#include "core/text/fixed_text.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/search_box.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/item_entry_dialog.h"

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
  const ImportedTable imported = ImportRecords("k,v,w\nl,u,t\n", {});
  AutoInsertSettings insertion{};
  SetFixedText(insertion.folder, dir.path().string());
  SetFixedText(insertion.pattern, "txt");
  insertion.kinds[1] = 2;  // the file name

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
      {"検索", false, [](ListoraDoc& d) { d.ListSearch("b", true); }},
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
      {"環境設定", true,
       [](ListoraDoc& d) {
         SettingsSet set = DocumentSet(d.Data().settings);
         set.list.fontSize = 150;
         set.userColumns = 3;
         d.ApplySettings(set);
       }},
      {"インポート", true, [&imported](ListoraDoc& d) { d.ImportTable(imported, true); }},
      {"インポート", true, [&imported](ListoraDoc& d) { d.ImportTable(imported, false); }},
      {"自動挿入", true, [&insertion](ListoraDoc& d) { d.RunAutoInsert(insertion); }},
  };
  // The title ends in "*" exactly while the document is modified.
  const auto marked = [] {
    EXPECT_EQ(Frame().GetTitle().EndsWith("*"), Doc().IsModified());
    return Doc().IsModified();
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
    EXPECT_EQ(marked(), edit.marks);
    const EntryState undo = Entry(cmd::kUndo);
    EXPECT_TRUE(undo.enabled);
    EXPECT_EQ(undo.prompt, U("元に戻す: ") + U(edit.name));
    EXPECT_FALSE(Entry(cmd::kRedo).enabled);

    SendCommand(cmd::kUndo);
    EXPECT_EQ(Stored(), before);
    EXPECT_FALSE(marked());
    EXPECT_EQ(TheList().GetItemCount(), Doc().Data().items.GetSize());
    EXPECT_EQ(Frame().TotalCountLabel()->GetLabel(),
              wxString::Format(U("　総アイテム数: %d"), Doc().Data().items.GetSize()));
    EXPECT_EQ(Entry(cmd::kRedo).prompt, U("やり直し: ") + U(edit.name));

    SendCommand(cmd::kRedo);
    EXPECT_EQ(Stored(), after);
    EXPECT_EQ(marked(), edit.marks);
    EXPECT_EQ(TheList().GetItemCount(), Doc().Data().items.GetSize());
    // A later edit undone leaves the mark as the step left it.
    Doc().SetCell(0, 1, "later");
    SendCommand(cmd::kUndo);
    EXPECT_EQ(Stored(), after);
    EXPECT_EQ(marked(), edit.marks);
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

// A key as the focused window gets it; true when something took it.
bool PressKey(wxWindow& window, int code, int modifiers) {
  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.SetEventObject(&window);
  key.m_keyCode = code;
  key.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
  key.m_shiftDown = (modifiers & wxMOD_SHIFT) != 0;
  key.m_altDown = (modifiers & wxMOD_ALT) != 0;
  return window.GetEventHandler()->ProcessEvent(key);
}

// "abc" typed into `field` a key at a time after what it holds, then "!!"
// pasted: two steps, which the field's keys undo and redo. `follower`, when
// given, is what follows the field's text (the memo stored).
void TypeUndoAndRedo(wxTextCtrl& field, const std::function<wxString()>& follower = {}) {
  field.SetFocus();
  ASSERT_TRUE(PumpUntil([&field] {
    const wxWindow* focus = wxWindow::FindFocus();
    return focus == &field || (focus && focus == field.GetParent());
  }));
  const wxString start = field.GetValue();
  PressKey(field, WXK_END, wxMOD_NONE);
  const auto shows = [&](const char* added) {
    EXPECT_EQ(field.GetValue(), start + added);
    if (follower) EXPECT_EQ(follower(), start + added);
  };
  field.SetInsertionPointEnd();
  for (const char* typed : {"a", "b", "c", "!!"}) field.WriteText(typed);
  shows("abc!!");
  EXPECT_TRUE(PressKey(field, 'Z', wxMOD_CONTROL));
  shows("abc");
  EXPECT_TRUE(PressKey(field, WXK_BACK, wxMOD_ALT));
  shows("");
  EXPECT_TRUE(PressKey(field, 'Y', wxMOD_CONTROL));
  shows("abc");
  EXPECT_TRUE(PressKey(field, 'Z', wxMOD_CONTROL | wxMOD_SHIFT));
  shows("abc!!");
  // Undone to the start again, the field has no step left to take.
  PressKey(field, 'Z', wxMOD_CONTROL);
  PressKey(field, 'Z', wxMOD_CONTROL);
  shows("");
}

TEST(Undo, TextFieldsUndoTheirTypingThenCtrlZReachesTheDocument) {
  const wxAcceleratorTable* keys = Frame().GetAcceleratorTable();
  ASSERT_NE(keys, nullptr);
  wxKeyEvent redo(wxEVT_KEY_DOWN);
  redo.m_keyCode = 'Z';
  redo.m_controlDown = redo.m_shiftDown = true;
  EXPECT_EQ(keys->GetCommand(redo), cmd::kRedo);
  // The edit menu shows its keys as the file menu does.
  for (const auto& [id, shown] : {std::pair{cmd::kUndo, "Ctrl+Z"}, std::pair{cmd::kRedo, "Ctrl+Y"}})
    EXPECT_EQ(Frame().GetMenuBar()->FindItem(id)->GetItemLabel().AfterFirst('\t'), shown);

  StartTable();
  Doc().SetCell(0, 1, "edited");
  // The search box, then the document's step once the box has none left.
  // Earlier tests typed into the box: a text set by the program starts
  // its history again.
  wxTextCtrl& search = *Frame().SearchField()->GetTextCtrl();
  search.ChangeValue("set");
  PressKey(search, WXK_END, wxMOD_NONE);
  search.ChangeValue(wxString());
  TypeUndoAndRedo(search);
  // The menu serves the field with the focus, which waits for it.
  search.SetFocus();
  ASSERT_TRUE(PumpUntil([&search] {
    const wxWindow* focus = wxWindow::FindFocus();
    return focus == &search || (focus && focus == search.GetParent());
  }));
  EXPECT_EQ(Entry(cmd::kUndo).prompt, U("元に戻す: セルの編集"));
  SendCommand(cmd::kUndo);
  EXPECT_EQ(RowOf(0)[0], "c");
  // The edit menu takes the field's steps first.
  SendCommand(cmd::kRedo);
  EXPECT_EQ(search.GetValue(), "abc");
  search.WriteText("x");
  EXPECT_EQ(Entry(cmd::kUndo).prompt, U("直前の操作を元に戻します"));
  SendCommand(cmd::kUndo);
  EXPECT_EQ(search.GetValue(), "abc");
  EXPECT_EQ(RowOf(0)[0], "c");

  // The memo: what the field gives back is the memo's again.
  SelectRows({2});
  TheList().SetFocusedRow(2);
  Pump();
  TextPane& memo = *Frame().PaneWindows().text;
  ASSERT_EQ(memo.CurrentRow(), 2);
  TypeUndoAndRedo(memo, [] { return wxString(std::string(TheData().items.Memo(2))); });

  // A cell being edited.
  ASSERT_TRUE(TheList().BeginCellEdit(1, 1));
  ASSERT_NE(TheList().CellEditor(), nullptr);
  TypeUndoAndRedo(*TheList().CellEditor());
  TheList().EndCellEdit(true);

  // A dialog's field, which no menu serves.
  OnNextDialog([](wxDialog& d) {
    TypeUndoAndRedo(*Control<wxTextCtrl>(d, ItemEntryDialog::kFieldEdit));
    d.EndModal(wxID_CANCEL);
  });
  SendCommand(cmd::kAddItem);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

// Commands that end with nothing changed record no step and keep the redo.
TEST(Undo, ACommandThatChangesNothingKeepsTheRedo) {
  TempDir dir;
  StoreOptions locked;
  locked.mode = ProtectionMode::kPassword;
  locked.password = "secret";
  Document other;
  other.settings.columns.count = 3;
  other.items.AppendRow({});
  WriteAll(dir / "locked.ltb", StoreDocument(other, locked));
  AutoInsertSettings nothing{};
  SetFixedText(nothing.folder, dir.path().string());
  SetFixedText(nothing.pattern, "jpg");

  const std::function<void(ListoraDoc&)> commands[] = {
      [&dir](ListoraDoc& d) {
        Script().passwords = {"wrong"};
        d.AppendDocuments({dir / "locked.ltb"});
      },
      [&nothing](ListoraDoc& d) { d.RunAutoInsert(nothing); },
      [](ListoraDoc& d) { d.ListSearch("zzz", true); },
      [](ListoraDoc& d) {
        FindReplaceSession session = d.StartFindReplace();
        FindReplaceOptions options{"zzz", "y"};
        d.ReplaceAll(session, options);
      },
  };
  for (const auto& command : commands) {
    StartTable();
    Doc().SetCell(0, 1, "edited");
    SendCommand(cmd::kUndo);
    command(Doc());
    Pump();
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(Frame().GetTitle().EndsWith("*"));
    EXPECT_FALSE(Doc().History().CanUndo());
    EXPECT_EQ(Entry(cmd::kRedo).prompt, U("やり直し: セルの編集"));
  }
  // What the automatic insertion's dialog chose is kept all the same.
  Doc().RunAutoInsert(nothing);
  EXPECT_EQ(FixedText(Doc().Data().settings.autoInsert.pattern), "jpg");
}

// A long command's progress dialog gives the focus back where it was, so
// Ctrl+Z reaches the list at once.
TEST(Undo, TheFocusComesBackAfterTheProgressDialog) {
  StartTable();
  TheList().Body()->SetFocus();
  ASSERT_TRUE(PumpUntil([] { return TheList().Body()->HasFocus(); }, 10000));
  FindReplaceSession session = Doc().StartFindReplace();
  FindReplaceOptions options{"a", "Z"};
  Doc().ReplaceAll(session, options);
  EXPECT_TRUE(PumpUntil([] { return TheList().Body()->HasFocus(); }));
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
