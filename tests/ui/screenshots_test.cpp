// Pictures of the item tools' dialogs for the documentation, taken when
// LISTORA_SCREENSHOTS names a folder (scripts/screenshots.sh does); skipped
// otherwise.

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/doc/document_file.h"
#include "ui/base/command_ids.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/auto_insert_dialog.h"
#include "ui/tools/find_replace_dialog.h"
#include "ui/tools/item_entry_dialog.h"

namespace listora::test {
namespace {

std::filesystem::path Folder() {
  const char* folder = std::getenv("LISTORA_SCREENSHOTS");
  return folder ? std::filesystem::path(folder) : std::filesystem::path();
}

// Saves what the screen shows of `window` as `name`.png, once the window
// has been painted where it stays.
void Capture(wxWindow& window, const std::string& name) {
  window.Raise();
  EXPECT_TRUE(PumpUntil([&] { return window.IsShownOnScreen(); }));
  int paints = 0;
  window.Bind(wxEVT_PAINT, [&paints](wxPaintEvent& event) {
    ++paints;
    event.Skip();
  });
  window.Refresh();
  wxRect rect;
  int steady = 0;
  PumpUntil([&] {
    wxMilliSleep(20);
    const wxRect now = window.GetScreenRect();
    steady = now == rect ? steady + 1 : 0;
    rect = now;
    return paints > 0 && steady >= 5;
  });
  wxBitmap bitmap(rect.width, rect.height);
  {
    wxScreenDC screen;
    wxMemoryDC memory(bitmap);
    memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
  }
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  EXPECT_TRUE(bitmap.SaveFile(wxString::FromUTF8((Folder() / (name + ".png")).string()),
                              wxBITMAP_TYPE_PNG));
}

// Opens the dialog of `command`, lets `prepare` fill it, and captures it.
void Shoot(int command, const std::string& name, const DialogStep& prepare = {}) {
  OnNextDialog([name, prepare](wxDialog& d) {
    if (prepare) prepare(d);
    Capture(d, name);
  });
  SendCommand(command);
}

// The table every picture shows.
void FillSampleTable() {
  StartWithColumns(4);
  AddRows({{"吾輩は猫である", "夏目漱石", "1905", "小説"},
           {"こころ", "夏目漱石", "1914", "小説"},
           {"こゝろ", "夏目漱石", "1914", "小説"},
           {"銀河鉄道の夜", "宮沢賢治", "1934", "童話"}});
}

// One dialog per test: the screen is read reliably once per process, so
// the script runs each test on its own.
class Screenshots : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Folder().empty()) GTEST_SKIP() << "LISTORA_SCREENSHOTS is not set";
    FillSampleTable();
  }
  void TearDown() override { EXPECT_EQ(PendingDialogSteps(), 0); }
};

TEST_F(Screenshots, ItemEntry) {
  Shoot(cmd::kAddItem, "item_entry", [](wxDialog& d) {
    Type(d, ItemEntryDialog::kFieldEdit, wxString::FromUTF8("坊っちゃん"));
  });
}

TEST_F(Screenshots, ColumnSettings) { Shoot(cmd::kColumnSettings, "column_settings"); }

TEST_F(Screenshots, AutoInsert) { Shoot(cmd::kAutoInsert, "auto_insert"); }

TEST_F(Screenshots, FindReplace) {
  Shoot(cmd::kFindReplace, "find_replace", [](wxDialog& d) {
    Type(d, FindReplaceDialog::kFindEdit, wxString::FromUTF8("夏目"));
    Type(d, FindReplaceDialog::kReplaceEdit, wxString::FromUTF8("なつめ"));
  });
}

TEST_F(Screenshots, DuplicateColumn) { Shoot(cmd::kDuplicateSearch, "duplicate_column"); }

TEST_F(Screenshots, DuplicateResult) {
  OnNextDialog([](wxDialog& d) {
    Choose(d, 1031, 1);
    Click(d, wxID_OK);
  });
  Shoot(cmd::kDuplicateSearch, "duplicate_result");
}

TEST_F(Screenshots, SerialNumber) {
  OnNextDialog([](wxDialog& d) {
    OnNextDialog([](wxDialog& serial) { Capture(serial, "serial_number"); });
    Click(d, AutoInsertDialog::kSerialButton);
  });
  SendCommand(cmd::kAutoInsert);
}

TEST_F(Screenshots, InsertAttributes) {
  OnNextDialog([](wxDialog& d) {
    OnNextDialog([](wxDialog& attributes) { Capture(attributes, "insert_attributes"); });
    Click(d, AutoInsertDialog::kAttributesButton);
  });
  SendCommand(cmd::kAutoInsert);
}

}  // namespace
}  // namespace listora::test
