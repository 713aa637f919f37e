// While an item tool's dialog or a long run's progress dialog is open, the
// main window refuses every drop at once, as it refuses data of a type it
// does not take, so nothing dropped reaches a document; the dialog's own
// drop fields still take theirs. A dialog whose document closes under it
// ends and edits nothing.

#include <gtest/gtest.h>
#include <wx/dnd.h>
#include <wx/textctrl.h>

#include <filesystem>

#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/base/progress_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/panes/tree_pane.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/duplicates_dialog.h"
#include "ui/tools/item_entry_dialog.h"

namespace listora::test {
namespace {

MainFrame& Frame() { return *App().Frame(); }
wxString Path(const std::filesystem::path& file) { return wxString::FromUTF8(file.string()); }
using Texts = std::vector<std::string>;

// A loose file for the list, and a second document "other.ltb" of one row.
struct DropFiles {
  TempDir dir;
  wxString loose = Path(dir / "loose.txt");
  wxString document = Path(dir / "other.ltb");
  DropFiles() {
    WriteAll(dir / "loose.txt", "loose");
    Document other;
    ResetDocumentSettings(SettingsFile(SettingsPath()), other.settings);
    ItemFields item;
    item.columns[0] = "0";
    item.columns[1] = "other";
    other.items.AppendRow(item);
    WriteAll(dir / "other.ltb", StoreDocument(other, {}));
  }
};

// Every drop target of the main window (the frame, for the list, tree and
// image panes under it, and the text pane) refuses `file` wherever it lands.
void ExpectDropsRefused(const wxString& file) {
  const PaneSet& panes = Frame().PaneWindows();
  const wxArrayString files(1, &file);
  for (wxWindow* window : {static_cast<wxWindow*>(&Frame()), static_cast<wxWindow*>(panes.text)}) {
    auto* drop = dynamic_cast<wxFileDropTarget*>(window->GetDropTarget());
    ASSERT_NE(drop, nullptr);
    for (wxWindow* pane :
         {static_cast<wxWindow*>(panes.list), static_cast<wxWindow*>(panes.tree),
          static_cast<wxWindow*>(panes.text), static_cast<wxWindow*>(panes.image)}) {
      const wxRect rect = pane->GetScreenRect();
      const wxPoint at = window->ScreenToClient(rect.GetPosition() + rect.GetSize() / 2);
      EXPECT_FALSE(drop->OnDropFiles(at.x, at.y, files));
    }
  }
}

// Rows "a x", "b x", "c y" in a new document; row 1 selected.
void StartWithRows() {
  StartWithColumns(2);
  AddRows({{"a", "x"}, {"b", "x"}, {"c", "y"}});
  SelectRows({1});
}

void ExpectUntouched() {
  Pump();
  EXPECT_EQ(PendingDialogSteps(), 0);
  EXPECT_EQ(ColumnOf(1), (Texts{"a", "b", "c"}));
  EXPECT_EQ(ColumnOf(2), (Texts{"x", "x", "y"}));
  EXPECT_FALSE(CurrentDoc().IsModified());
  EXPECT_EQ(CurrentDoc().GetFilename(), wxString::FromUTF8("無題"));
  EXPECT_TRUE(Script().asked.empty());
}

TEST(DialogDrop, EveryItemToolDialogKeepsDropsOffTheMainWindow) {
  DropFiles files;
  for (int command : {cmd::kAddItem, cmd::kModifyItem, cmd::kColumnSettings, cmd::kAutoInsert,
                      cmd::kFindReplace}) {
    SCOPED_TRACE(command);
    StartWithRows();
    OnNextDialog([&files](wxDialog&) {
      ExpectDropsRefused(files.loose);
      ExpectDropsRefused(files.document);
    });
    SendCommand(command);
    ExpectUntouched();
  }

  // The duplicate search: its column chooser, its run and its result.
  StartWithRows();
  int runSteps = 0;
  ProgressRun::WatchNextRun([&files, &runSteps](ProgressDialog*, int) {
    if (++runSteps == 1) ExpectDropsRefused(files.loose);
  });
  OnNextDialog([&files](wxDialog& d) {
    ExpectDropsRefused(files.document);
    Choose(d, DuplicateColumnDialog::kColumnChoice, 1);
    Click(d, wxID_OK);
  });
  OnNextDialog([&files](wxDialog&) { ExpectDropsRefused(files.loose); });
  SendCommand(cmd::kDuplicateSearch);
  EXPECT_GT(runSteps, 0);
  ExpectUntouched();

  // Closed, the main window takes drops again.
  auto* drop = dynamic_cast<wxFileDropTarget*>(Frame().GetDropTarget());
  const wxRect list = Frame().PaneWindows().list->GetScreenRect();
  const wxPoint at = Frame().ScreenToClient(list.GetPosition() + list.GetSize() / 2);
  EXPECT_TRUE(drop->OnDropFiles(at.x, at.y, wxArrayString(1, &files.loose)));
  Pump();
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 4);
}

TEST(DialogDrop, TheDialogsOwnFieldTakesItsDrop) {
  DropFiles files;
  StartWithRows();
  OnNextDialog([&files](wxDialog& d) {
    ExpectDropsRefused(files.loose);
    auto* field = Control<wxTextCtrl>(d, ItemEntryDialog::kImageEdit);
    auto* drop = dynamic_cast<wxFileDropTarget*>(field->GetDropTarget());
    ASSERT_NE(drop, nullptr);
    EXPECT_TRUE(drop->OnDropFiles(1, 1, wxArrayString(1, &files.loose)));
    EXPECT_EQ(field->GetValue(), files.loose);
  });
  SendCommand(cmd::kModifyItem);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

// Another document opened while "アイテムの修正" is open on row 1: the dialog
// ends, and its OK writes nowhere.
TEST(DialogDrop, ADialogWhoseDocumentClosesEditsNothing) {
  DropFiles files;
  StartWithRows();
  OnNextDialog([&files](wxDialog& d) {
    Type(d, ItemEntryDialog::kBulkEdit, "changed/changed");
    Pick(d, ItemEntryDialog::kBulkRadio);
    ASSERT_NE(App().DocManager()->CreateDocument(files.document, wxDOC_SILENT), nullptr);
    EXPECT_FALSE(d.IsModal());
    Click(d, wxID_OK);
  });
  SendCommand(cmd::kModifyItem);
  Pump();
  EXPECT_EQ(PendingDialogSteps(), 0);
  EXPECT_EQ(CurrentDoc().GetFilename(), files.document);
  EXPECT_EQ(ColumnOf(1), Texts{"other"});
  EXPECT_EQ(ColumnOf(2), Texts{""});
  EXPECT_FALSE(CurrentDoc().IsModified());
}

}  // namespace
}  // namespace listora::test
