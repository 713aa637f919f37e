// The item entry dialog from its two commands: one column at a time, in
// bulk, several items in a row, the selected items in turn, and the image
// path.

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dnd.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/base/stored_paths.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/item_entry_dialog.h"

namespace listora::test {
namespace {

using D = ItemEntryDialog;
using Texts = std::vector<std::string>;
wxString Text(wxDialog& dialog, int id) {
  if (auto* edit = Control<wxTextCtrl>(dialog, id)) return edit->GetValue();
  if (auto* label = Control<wxStaticText>(dialog, id)) return label->GetLabel();
  return "?";
}

TEST(ItemEntryDialog, AddsColumnByColumnAndRefusesAnEmptyItem) {
  StartWithColumns(3);
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(d.GetTitle(), U("アイテムの追加"));
    EXPECT_EQ(Text(d, D::kNameLine), "No.1/No.2/No.3");
    EXPECT_EQ(Text(d, D::kCountLine), U("現在の項目数: 0"));
    EXPECT_TRUE(Control<wxTextCtrl>(d, D::kFieldEdit)->IsEnabled());
    EXPECT_FALSE(Control<wxTextCtrl>(d, D::kBulkEdit)->IsEnabled());
    EXPECT_TRUE(Control<wxCheckBox>(d, D::kContinueCheck)->IsShown());
    Click(d, wxID_OK);
    EXPECT_EQ(Script().asked.back().text,
              U("すべての項目が未入力です\nどれかひとつは入力してください"));
    EXPECT_TRUE(d.IsModal());
    Type(d, D::kFieldEdit, "a");
    Choose(d, D::kColumnChoice, 2);
    EXPECT_EQ(Text(d, D::kFieldEdit), "");
    Type(d, D::kFieldEdit, U("表示"));
    Choose(d, D::kColumnChoice, 0);
    EXPECT_EQ(Text(d, D::kFieldEdit), "a");
    Click(d, wxID_OK);
    EXPECT_FALSE(d.IsModal());
  });
  SendCommand(cmd::kAddItem);
  EXPECT_EQ(PendingDialogSteps(), 0);
  EXPECT_EQ(RowOf(0), (Texts{"a", "", "表示"}));
  EXPECT_EQ(TheData().items.IconIndex(0), "0");
  EXPECT_EQ(TheList().GetItemCount(), 1);
  EXPECT_TRUE(CurrentDoc().IsModified());
}

TEST(ItemEntryDialog, BulkEntrySplitsAndUndoesAnOverLongEntry) {
  StartWithColumns(3);
  OnNextDialog([](wxDialog& d) {
    Type(d, D::kFieldEdit, "typed before switching");
    Pick(d, D::kBulkRadio);
    EXPECT_FALSE(Control<wxTextCtrl>(d, D::kFieldEdit)->IsEnabled());
    EXPECT_FALSE(Control<wxChoice>(d, D::kColumnChoice)->IsEnabled());
    EXPECT_TRUE(Control<wxTextCtrl>(d, D::kBulkEdit)->IsEnabled());
    Click(d, wxID_OK);
    EXPECT_EQ(Script().asked.back().text, U("項目が未入力です"));
    Type(d, D::kBulkEdit, "a//b");
    EXPECT_EQ(Text(d, D::kCountLine), U("現在の項目数: 3"));
    // A paste with one field too many is refused as a whole.
    Type(d, D::kBulkEdit, "a//b/c");
    EXPECT_EQ(Script().asked.back().text, U("カラム数より項目数が多いです"));
    EXPECT_EQ(Text(d, D::kBulkEdit), "a//b");
    EXPECT_EQ(Text(d, D::kCountLine), U("現在の項目数: 3"));
    Click(d, wxID_OK);
  });
  SendCommand(cmd::kAddItem);
  ASSERT_EQ(TheData().items.GetSize(), 1);
  EXPECT_EQ(RowOf(0), (Texts{"a", "", "b"}));
  // A single field leaves the later columns at their dialog values.
  OnNextDialog([](wxDialog& d) {
    Type(d, D::kFieldEdit, "keep1");
    Choose(d, D::kColumnChoice, 1);
    Type(d, D::kFieldEdit, "keep2");
    Choose(d, D::kColumnChoice, 2);  // stores "keep2"
    Pick(d, D::kBulkRadio);
    Type(d, D::kBulkEdit, U("ソ"));
    Click(d, wxID_OK);
  });
  SendCommand(cmd::kAddItem);
  EXPECT_EQ(RowOf(1), (Texts{"ソ", "keep2", ""}));
}

TEST(ItemEntryDialog, ContinueAddsSeveralAndEnterDoesNotClose) {
  StartWithColumns(2);
  OnNextDialog([](wxDialog& d) {
    Tick(d, D::kContinueCheck, true);
    Type(d, D::kFieldEdit, "one");
    Click(d, wxID_OK);
    EXPECT_TRUE(d.IsModal());
    EXPECT_EQ(Text(d, D::kFieldEdit), "");
    EXPECT_EQ(Text(d, D::kCountLine), U("現在の項目数: 0"));
    Type(d, D::kFieldEdit, "two");
    Click(d, wxID_OK);
    wxKeyEvent enter(wxEVT_CHAR_HOOK);
    enter.m_keyCode = WXK_RETURN;
    d.ProcessWindowEvent(enter);
    EXPECT_TRUE(d.IsModal());
    Type(d, D::kFieldEdit, "dropped by cancel");
    Click(d, wxID_CANCEL);
  });
  SendCommand(cmd::kAddItem);
  EXPECT_EQ(ColumnOf(1), (Texts{"one", "two"}));
  EXPECT_EQ(TheList().GetItemCount(), 2);
}

TEST(ItemEntryDialog, ModifiesTheSelectedItemsInTurn) {
  StartWithColumns(3);
  AddRows({{"r0"}, {"r1", "x"}, {"r2"}, {"r3", "", "z"}, {"r4"}});
  SendCommand(cmd::kModifyItem);  // no selection: nothing at all
  EXPECT_TRUE(Script().asked.empty());

  SelectRows({1, 3, 4});
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(d.GetTitle(), U("アイテムの修正"));
    EXPECT_FALSE(Control<wxCheckBox>(d, D::kContinueCheck)->IsShown());
    EXPECT_EQ(Text(d, D::kFieldEdit), "r1");
    EXPECT_EQ(Text(d, D::kBulkEdit), "r1/x");
    EXPECT_EQ(Text(d, D::kCountLine), U("現在の項目数: 3"));
    Type(d, D::kFieldEdit, "R1");
    Click(d, wxID_OK);
    EXPECT_EQ(Text(d, D::kBulkEdit), "r3//z");
    // A value holding "/" is split at it in bulk entry.
    Pick(d, D::kBulkRadio);
    Type(d, D::kBulkEdit, "a/b");
    Click(d, wxID_OK);
    EXPECT_EQ(Text(d, D::kFieldEdit), "r4");
    Click(d, wxID_CANCEL);
  });
  SendCommand(cmd::kModifyItem);
  EXPECT_EQ(RowOf(1), (Texts{"R1", "x", ""}));
  EXPECT_EQ(RowOf(3), (Texts{"a", "b", "z"}));
  EXPECT_EQ(RowOf(4), (Texts{"r4", "", ""}));
  // The rewritten items left the selection; the one cancelled keeps it.
  EXPECT_EQ(TheList().SelectedRows(), (std::vector<int>{4}));
  EXPECT_TRUE(CurrentDoc().IsModified());
}

// An image path loaded with the item is attached again only when changed:
// the stored path of a document made elsewhere need not exist here.
TEST(ItemEntryDialog, ImagePathReattachedOnlyWhenChanged) {
  StartWithColumns(2);
  TempDir dir;
  WriteAll(dir / "a.jpg", "picture");
  DisplayOptions& display = TheData().settings.display;
  display.imagePathMode = 1;
  display.copyImages = 1;
  TheImageFolder() = dir / "img";
  AddRows({{"x"}});
  TheData().items.SetImagePath(0, "C:\\elsewhere\\old.jpg");
  SelectRows({0});
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(Text(d, D::kImageEdit), "C:\\elsewhere\\old.jpg");
    Type(d, D::kFieldEdit, "y");
    Click(d, wxID_OK);
  });
  SendCommand(cmd::kModifyItem);
  EXPECT_TRUE(Script().asked.empty());
  EXPECT_EQ(TheData().items.ImagePath(0), "C:\\elsewhere\\old.jpg");

  SelectRows({0});
  Script().openFiles.push_back(wxString::FromUTF8((dir / "a.jpg").string()));
  OnNextDialog([](wxDialog& d) {
    Click(d, D::kImageButton);
    Click(d, wxID_OK);
  });
  SendCommand(cmd::kModifyItem);
  EXPECT_EQ(Script().Kinds(), (std::vector<std::string>{"open-image"}));
  EXPECT_EQ(TheData().items.ImagePath(0), PathText(dir / "img" / "a.jpg"));
  EXPECT_TRUE(std::filesystem::exists(dir / "img" / "a.jpg"));
  EXPECT_EQ(TheData().items.IconIndex(0), "2");
  TheImageFolder().clear();
}

// One dropped file becomes the image path; several files or a folder are
// ignored.
TEST(ItemEntryDialog, ImageFieldTakesOneDroppedFile) {
  StartWithColumns(1);
  TempDir dir;
  WriteAll(dir / "a.jpg", "1");
  WriteAll(dir / "b.jpg", "2");
  const wxString a = wxString::FromUTF8((dir / "a.jpg").string());
  const wxString b = wxString::FromUTF8((dir / "b.jpg").string());
  const wxString folder = wxString::FromUTF8(dir.path().string());
  OnNextDialog([&](wxDialog& d) {
    auto* field = Control<wxTextCtrl>(d, D::kImageEdit);
    auto* drop = dynamic_cast<wxFileDropTarget*>(field->GetDropTarget());
    ASSERT_TRUE(drop);
    wxArrayString two;
    two.Add(a);
    two.Add(b);
    EXPECT_FALSE(drop->OnDropFiles(0, 0, two));
    EXPECT_FALSE(drop->OnDropFiles(0, 0, wxArrayString(1, &folder)));
    EXPECT_EQ(field->GetValue(), "");
    EXPECT_TRUE(drop->OnDropFiles(0, 0, wxArrayString(1, &a)));
    EXPECT_EQ(field->GetValue(), a);
  });
  SendCommand(cmd::kAddItem);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

}  // namespace
}  // namespace listora::test
