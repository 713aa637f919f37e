// The program on an English desktop: run by the CTest entry ui_english
// (LANG=en_US.UTF-8), skipped in a Japanese run.

#include <gtest/gtest.h>
#include <wx/docview.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/stockitem.h>

#include "core/base/language.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/base/program_language.h"
#include "ui/frame/main_frame.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"

namespace listora::test {
namespace {

class English : public ::testing::Test {
 protected:
  void SetUp() override {
    if (DesktopLanguage() != Language::kEnglish) GTEST_SKIP() << "not an English desktop";
    StartFresh();
  }
};

TEST_F(English, MenusTitleMessagesAndDialogs) {
  MainFrame& frame = *App().Frame();
  EXPECT_EQ(frame.GetTitle(), "Untitled - Listora");
  wxMenuBar* bar = frame.GetMenuBar();
  EXPECT_EQ(bar->GetMenuLabel(0), "&File");
  EXPECT_EQ(bar->FindItem(wxID_NEW)->GetItemLabel(), "&New\tCtrl+N");
  EXPECT_EQ(bar->FindItem(cmd::kImport)->GetItemLabel(), U("&Import…"));
  EXPECT_EQ(bar->FindItem(cmd::kAutoInsert)->GetHelp(), "Add many items at once");

  // A message: a file that is no document.
  TempDir dir;
  WriteAll(dir / "damaged.ltb", std::string(200, 'X'));
  App().DocManager()->CreateDocument(wxString::FromUTF8((dir / "damaged.ltb").string()),
                                     wxDOC_SILENT);
  Pump();
  ASSERT_EQ(Script().asked.size(), 1u);
  EXPECT_EQ(Script().asked[0].text, "Not an LTB file.");

  // A dialog of the item tools, and the import dialog.
  OnNextDialog([](wxDialog& d) { EXPECT_EQ(d.GetTitle(), "Column Settings"); });
  SendCommand(cmd::kColumnSettings);
  WriteAll(dir / "fruit.csv", "name,count\r\napple,3\r\n");
  Script().openFiles = {wxString::FromUTF8((dir / "fruit.csv").string())};
  OnNextDialog([](wxDialog& d) { EXPECT_EQ(d.GetTitle(), "Import"); });
  SendCommand(cmd::kImport);
  EXPECT_EQ(PendingDialogSteps(), 0);

  // The toolkit's own texts and the message boxes' buttons.
  EXPECT_TRUE(wxGetStockLabel(wxID_CANCEL, wxSTOCK_NOFLAGS).StartsWith("Cancel"));
  wxMessageDialog box(&frame, "text", "caption", wxYES_NO | wxCANCEL);
  SetButtonLabels(box);
  EXPECT_EQ(box.GetYesLabel(), "Yes");
  EXPECT_EQ(box.GetNoLabel(), "No");
  EXPECT_EQ(box.GetCancelLabel(), "Cancel");
}

}  // namespace
}  // namespace listora::test
