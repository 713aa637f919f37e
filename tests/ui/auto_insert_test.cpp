// Automatic insertion from its command: a folder tree with serial numbers
// and an input text, the attribute filter, the stored settings and the
// defaults, the checks, and runs cancelled from the progress dialog.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dnd.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdio>

#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/base/progress_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/auto_insert_dialog.h"

namespace listora::test {
namespace {

using D = AutoInsertDialog;
using Texts = std::vector<std::string>;
wxString Label(wxDialog& d, int id) { return Control<wxStaticText>(d, id)->GetLabel(); }

// a.jpg, b.txt, a read-only ro.jpg, a hidden .h.jpg and sub/c.JPG.
class AutoInsertTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWithColumns(3);
    WriteAll(dir / "a.jpg", "1");
    WriteAll(dir / "b.txt", "2");
    WriteAll(dir / "ro.jpg", "3");
    chmod((dir / "ro.jpg").c_str(), 0444);
    WriteAll(dir / ".h.jpg", "4");
    std::filesystem::create_directory(dir / "sub");
    WriteAll(dir / "sub" / "c.JPG", "5");
  }
  wxString Folder() const { return wxString::FromUTF8(dir.path().string()); }
  TempDir dir;
};

TEST_F(AutoInsertTest, InsertsATreeWithSerialNumbers) {
  const wxString folder = Folder();
  Script().folders.push_back(folder);
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(d.GetTitle(), U("アイテムの自動挿入"));
    EXPECT_TRUE(Control<wxButton>(d, D::kSerialButton)->IsShown() == false);
    Click(d, D::kBrowseButton);
    Type(d, D::kExtensionEdit, "jpg -txt");
    Tick(d, D::kSubFoldersCheck, true);
    Choose(d, D::kKindChoice, 2);  // column 1: the file name
    EXPECT_EQ(Label(d, D::kSample), U("例:　BBB.txt"));
    Choose(d, D::kColumnChoice, 1);
    Choose(d, D::kKindChoice, 10);  // column 2: the serial number
    EXPECT_TRUE(Control<wxButton>(d, D::kSerialButton)->IsShown());
    EXPECT_FALSE(Control<wxTextCtrl>(d, D::kInputEdit)->IsShown());
    OnNextDialog([](wxDialog& serial) {
      EXPECT_EQ(serial.GetTitle(), U("連番設定"));
      Type(serial, SerialNumberDialog::kTextEdit, "No.*");
      Type(serial, SerialNumberDialog::kStartEdit, "-8");
      Click(serial, wxID_OK);
      EXPECT_EQ(Script().asked.back().text, U("正の整数を入力してください。"));
      Type(serial, SerialNumberDialog::kStartEdit, "0");
      Click(serial, wxID_OK);
    });
    Click(d, D::kSerialButton);
    EXPECT_EQ(Label(d, D::kSample), U("例:　No.00"));
    OnNextDialog([](wxDialog& serial) {
      Type(serial, SerialNumberDialog::kStartEdit, "8");
      Choose(serial, SerialNumberDialog::kDigitsChoice, 2);
      Click(serial, wxID_OK);
    });
    Click(d, D::kSerialButton);
    EXPECT_EQ(Label(d, D::kSample), U("例:　No.008"));
    Choose(d, D::kColumnChoice, 2);
    Choose(d, D::kKindChoice, 9);  // column 3: the input text
    Type(d, D::kInputEdit, U("固定"));
    EXPECT_EQ(Label(d, D::kSample), U("例:　固定"));
    Click(d, wxID_OK);
  });
  SendCommand(cmd::kAutoInsert);
  EXPECT_EQ(PendingDialogSteps(), 0);
  // Read-only files are taken, hidden ones not; a folder's contents come
  // where the folder is met.
  EXPECT_EQ(ColumnOf(1), (Texts{"a.jpg", "ro.jpg", "c.JPG"}));
  EXPECT_EQ(ColumnOf(2), (Texts{"No.008", "No.009", "No.010"}));
  EXPECT_EQ(ColumnOf(3), (Texts{"固定", "固定", "固定"}));
  EXPECT_EQ(TheList().GetItemCount(), 3);
  EXPECT_TRUE(CurrentDoc().IsModified());
  // "取り込み" wrote the defaults of new documents.
  SettingsFile settingsFile(SettingsPath());
  EXPECT_EQ(settingsFile.GetString("Auto", "Kaku", ""), "jpg -txt");
  EXPECT_EQ(settingsFile.GetInt("Auto", "No.2", -1), 10);
  EXPECT_EQ(settingsFile.GetInt("Auto", "RenStart", -1), 8);

  // Without read-only files.
  OnNextDialog([](wxDialog& d) {
    OnNextDialog([](wxDialog& attributes) {
      EXPECT_FALSE(
          Control<wxCheckBox>(attributes, InsertAttributesDialog::kNormalCheck)->IsEnabled());
      Tick(attributes, InsertAttributesDialog::kReadOnlyCheck, false);
      Click(attributes, wxID_OK);
    });
    Click(d, D::kAttributesButton);
    Click(d, wxID_OK);
  });
  SendCommand(cmd::kAutoInsert);
  EXPECT_EQ(ColumnOf(1), (Texts{"a.jpg", "ro.jpg", "c.JPG", "a.jpg", "c.JPG"}));
  EXPECT_EQ(SettingsFile(SettingsPath()).GetInt("Attribute", "read", -1), 0);
  SettingsFile(SettingsPath()).WriteInt("Attribute", "read", 1);
  App().Program().ReadAttributeSkipMask();
}

TEST_F(AutoInsertTest, StoresSettingsChecksAndCancels) {
  const wxString folder = Folder();
  OnNextDialog([folder](wxDialog& d) {
    Type(d, D::kFolderEdit, "");
    Click(d, D::kStoreOnlyButton);
    EXPECT_EQ(Script().asked.back().text, U("フォルダ名を入力してください"));
    EXPECT_TRUE(d.IsModal());
    Type(d, D::kFolderEdit, folder);
    Type(d, D::kExtensionEdit, "");  // folders only
    Choose(d, D::kColumnChoice, 1);
    Choose(d, D::kKindChoice, 4);
    Click(d, D::kStoreOnlyButton);
  });
  SendCommand(cmd::kAutoInsert);
  EXPECT_EQ(TheData().items.GetSize(), 0);
  // The command again shows what was stored.
  OnNextDialog([folder](wxDialog& d) {
    EXPECT_EQ(Control<wxTextCtrl>(d, D::kFolderEdit)->GetValue(), folder);
    EXPECT_EQ(Control<wxChoice>(d, D::kColumnChoice)->GetSelection(), 1);
    EXPECT_EQ(Control<wxChoice>(d, D::kKindChoice)->GetSelection(), 4);
    Choose(d, D::kKindChoice, 0);
    Click(d, D::kDefaultsButton);
    EXPECT_TRUE(d.IsModal());
    // A stop from the progress dialog keeps what was made before it.
    ProgressRun::CancelNextRun();
    Click(d, wxID_OK);
  });
  SendCommand(cmd::kAutoInsert);
  EXPECT_EQ(PendingDialogSteps(), 0);
  EXPECT_FALSE(ProgressRun::CancelPending());
  EXPECT_LE(TheData().items.GetSize(), 1);
  EXPECT_EQ(SettingsFile(SettingsPath()).GetString("Auto", "FolName", ""), folder.utf8_string());
}

// One dropped folder becomes the folder text; a file or several folders
// are ignored.
TEST_F(AutoInsertTest, FolderFieldTakesOneDroppedFolder) {
  const wxString folder = Folder();
  const wxString sub = wxString::FromUTF8((dir / "sub").string());
  const wxString file = wxString::FromUTF8((dir / "a.jpg").string());
  OnNextDialog([&](wxDialog& d) {
    auto* field = Control<wxTextCtrl>(d, D::kFolderEdit);
    auto* drop = dynamic_cast<wxFileDropTarget*>(field->GetDropTarget());
    ASSERT_TRUE(drop);
    const wxString before = field->GetValue();
    wxArrayString two;
    two.Add(folder);
    two.Add(sub);
    EXPECT_FALSE(drop->OnDropFiles(0, 0, two));
    EXPECT_FALSE(drop->OnDropFiles(0, 0, wxArrayString(1, &file)));
    EXPECT_EQ(field->GetValue(), before);
    EXPECT_TRUE(drop->OnDropFiles(0, 0, wxArrayString(1, &sub)));
    EXPECT_EQ(field->GetValue(), sub);
  });
  SendCommand(cmd::kAutoInsert);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

// A run stopped by the progress dialog's cancel button in its middle keeps
// the items made before the stop, numbered as the whole run numbers them;
// the next run is not stopped.
TEST_F(AutoInsertTest, CancelledMidRunKeepsWhatWasMade) {
  TempDir tree;
  std::vector<std::string> paths;  // in the order a whole run takes them
  for (const char* folder : {"d0", "d1", "d2"}) {
    std::filesystem::create_directory(tree / folder);
    for (int i = 0; i < 10; ++i) {
      const std::filesystem::path file = tree / folder / ("f" + std::to_string(i) + ".txt");
      WriteAll(file, "x");
      paths.push_back(file.string());
    }
  }
  const wxString folder = wxString::FromUTF8(tree.path().string());
  OnNextDialog([folder](wxDialog& d) {
    Type(d, D::kFolderEdit, folder);
    Type(d, D::kExtensionEdit, "txt");
    Tick(d, D::kSubFoldersCheck, true);
    Choose(d, D::kKindChoice, 10);  // column 1: "Sample *", from 1, two digits
    Choose(d, D::kColumnChoice, 1);
    Choose(d, D::kKindChoice, 1);  // column 2: the full path
    Click(d, wxID_OK);
  });
  bool pressed = false;
  // Half way through the second folder.
  CancelNextRunAtStep(15, pressed);
  SendCommand(cmd::kAutoInsert);
  ASSERT_TRUE(pressed);
  const int made = TheData().items.GetSize();
  EXPECT_GT(made, 10);
  EXPECT_LT(made, 20);
  Texts serials;
  for (int i = 1; i <= made; ++i) {
    char serial[16];
    std::snprintf(serial, sizeof serial, "Sample %02d", i);
    serials.push_back(serial);
  }
  EXPECT_EQ(ColumnOf(1), serials);
  EXPECT_EQ(ColumnOf(2), Texts(paths.begin(), paths.begin() + made));
  EXPECT_EQ(TheList().GetItemCount(), made);
  EXPECT_TRUE(CurrentDoc().IsModified());

  OnNextDialog([](wxDialog& d) { Click(d, wxID_OK); });
  SendCommand(cmd::kAutoInsert);
  EXPECT_EQ(TheData().items.GetSize(), made + 30);
  EXPECT_EQ(RowOf(made + 29)[1], paths.back());
}

}  // namespace
}  // namespace listora::test
