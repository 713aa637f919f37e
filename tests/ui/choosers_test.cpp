// The platform's choosers behind the prompt, opened from the item tools'
// buttons with the program's own prompt installed: the picture chooser's
// preview follows the highlighted picture, and the folder chooser of
// automatic insertion opens at the folder text.

#include <gtest/gtest.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <memory>

#include "support/test_support.h"
#include "ui/base/command_ids.h"
#include "ui/base/wx_prompt.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/auto_insert_dialog.h"
#include "ui/tools/item_entry_dialog.h"

namespace listora::test {
namespace {

// The chooser reads its folder in the background; a loaded machine may
// take a while.
constexpr int kChooserWaitMs = 30000;

// Clicks button `id` of `dialog` with the program's own prompt installed,
// so the click opens the platform's chooser; the script comes back after.
void ClickWithRealPrompt(wxDialog& dialog, int id) {
  std::unique_ptr<Prompt> script = InstallPrompt(std::make_unique<WxPrompt>());
  Click(dialog, id);
  InstallPrompt(std::move(script));
}

wxStaticBitmap* FindPicture(wxWindow& window) {
  for (wxWindow* child : window.GetChildren()) {
    if (auto* picture = dynamic_cast<wxStaticBitmap*>(child)) return picture;
    if (wxStaticBitmap* picture = FindPicture(*child)) return picture;
  }
  return nullptr;
}

TEST(Choosers, PicturePreviewFollowsTheHighlightedFile) {
  StartWithColumns(2);
  TempDir dir;
  // A JPEG picture four times as wide as high and wider than the preview.
  const wxString picture = wxString::FromUTF8((dir / "wide.jpg").string());
  wxImage wide(320, 80);
  wide.SetRGB(wxRect(0, 0, 320, 80), 40, 160, 40);
  ASSERT_TRUE(wide.SaveFile(picture, wxBITMAP_TYPE_JPEG));

  OnNextDialog([picture](wxDialog& entry) {
    OnNextDialog([picture](wxDialog& d) {
      auto* chooser = dynamic_cast<wxFileDialog*>(&d);
      ASSERT_NE(chooser, nullptr);
      EXPECT_EQ(chooser->GetWildcard(),
                U("画像ファイル (*.jpg, *.jpeg, *.bmp, *.gif)|*.jpg;*.jpeg;*.bmp;*.gif"));
      ASSERT_NE(chooser->GetExtraControl(), nullptr);
      wxStaticBitmap* preview = FindPicture(*chooser->GetExtraControl());
      ASSERT_NE(preview, nullptr);
      // Nothing highlighted: an empty frame.
      const wxSize empty = preview->GetBitmap().GetSize();
      EXPECT_EQ(empty.x, empty.y);
      chooser->SetPath(picture);
      // The picture scaled into the frame, its proportions kept.
      const auto thumbnail = [&] {
        const wxSize shown = preview->GetBitmap().GetSize();
        return shown.x == empty.x && shown.y == empty.x / 4;
      };
      EXPECT_TRUE(PumpUntil(thumbnail, kChooserWaitMs));
      d.EndModal(wxID_OK);
    });
    ClickWithRealPrompt(entry, ItemEntryDialog::kImageButton);
    EXPECT_EQ(Control<wxTextCtrl>(entry, ItemEntryDialog::kImageEdit)->GetValue(), picture);
  });
  SendCommand(cmd::kAddItem);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

TEST(Choosers, FolderChooserOpensAtTheFolderText) {
  StartWithColumns(2);
  TempDir dir;
  std::filesystem::create_directory(dir / "sub");
  const wxString folder = wxString::FromUTF8(dir.path().string());
  const wxString sub = wxString::FromUTF8((dir / "sub").string());
  OnNextDialog([folder, sub](wxDialog& insert) {
    // A spelling of the folder that only the chooser turns into its plain
    // path: accepted at once, the chooser gives the folder it opened at.
    Type(insert, AutoInsertDialog::kFolderEdit, sub + "/..");
    OnNextDialog([](wxDialog& d) {
      auto* chooser = dynamic_cast<wxDirDialog*>(&d);
      ASSERT_NE(chooser, nullptr);
      EXPECT_EQ(chooser->GetMessage(), U("取り込むフォルダを選択して下さい。"));
      chooser->GTKOnAccept();  // as its accept button does
    });
    ClickWithRealPrompt(insert, AutoInsertDialog::kBrowseButton);
    EXPECT_EQ(Control<wxTextCtrl>(insert, AutoInsertDialog::kFolderEdit)->GetValue(), folder);
    // A cancel leaves the text.
    OnNextDialog([](wxDialog& d) { d.EndModal(wxID_CANCEL); });
    ClickWithRealPrompt(insert, AutoInsertDialog::kBrowseButton);
    EXPECT_EQ(Control<wxTextCtrl>(insert, AutoInsertDialog::kFolderEdit)->GetValue(), folder);
  });
  SendCommand(cmd::kAutoInsert);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

}  // namespace
}  // namespace listora::test
