// Text and file names code page 932 cannot hold, typed, searched, dropped,
// saved and reopened in the running program.

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/textctrl.h>

#include <set>

#include "core/base/stored_paths.h"
#include "core/text/encoding.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/file_drop.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/search_box.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

namespace fs = std::filesystem;

ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }
ItemTable& Items() { return TheData().items; }
wxString U(const std::string& utf8) { return wxString::FromUTF8(utf8); }

void Focus(int row) {
  List().ClearSelection();
  List().ClickRow(row, false, false);
  Pump();
}

int RowNamed(int column, const std::string& cp932) {
  for (int row = 0; row < Items().GetSize(); ++row)
    if (Items().Cell(row, column) == cp932) return row;
  return -1;
}

TEST(KeptText, TypedIntoACellAndFoundByTheListSearch) {
  StartFresh();
  for (const char* text : {"a", "b", "c"}) {
    ItemFields item;
    item.columns[0] = "0";
    item.columns[1] = text;
    Items().AppendRow(item);
  }
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();

  ASSERT_TRUE(List().BeginCellEdit(2, 1));
  wxTextCtrl* box = List().CellEditor();
  ASSERT_NE(box, nullptr);
  box->ChangeValue(U("한국어 😀 Café a〜b ¥100"));
  wxCommandEvent enter(wxEVT_TEXT_ENTER, box->GetId());
  enter.SetEventObject(box);
  box->GetEventHandler()->ProcessEvent(enter);
  Pump();
  EXPECT_EQ(Items().Cell(2, 1),
            "&#xD55C;&#xAD6D;&#xC5B4; &#x1F600; Caf&#xE9; a\x81\x60"
            "b &#xA5;100");
  // "〜" is text here: it shows as the sign its stored form reads back as;
  // "¥" has no such sign and is kept.
  EXPECT_EQ(List().GetItemText(2, 1), U("한국어 😀 Café a～b ¥100"));

  SearchBox* search = App().Frame()->SearchField();
  search->SetValue(U("😀"));
  SendCommand(cmd::kSearch);
  EXPECT_EQ(List().GetItemText(0, 1), U("한국어 😀 Café a～b ¥100"));
  ASSERT_GE(search->GetCount(), 1u);
  EXPECT_EQ(search->GetString(0), U("😀"));
  search->SetValue(U("a〜b"));
  SendCommand(cmd::kSearch);
  EXPECT_EQ(List().GetItemText(0, 1), U("한국어 😀 Café a～b ¥100"));
  ASSERT_EQ(Script().asked.size(), 2u);
  EXPECT_EQ(Script().asked[0].text, U("\"😀\" を含むアイテムが 1 個見つかりました。"));
  EXPECT_EQ(Script().asked[1].text, U("\"a～b\" を含むアイテムが 1 個見つかりました。"));
}

TEST(KeptText, DroppedNamesAndAnImageSurviveSaveAndReopen) {
  StartFresh();
  TempDir dir;
  const fs::path folder = dir / "写真〜한";
  fs::create_directory(folder);
  const std::vector<std::string> names{"한국어.txt", "emoji😀.txt", "Café.mp3", "a〜b.jpg"};
  for (const std::string& name : names) WriteAll(folder / name, name);
  wxImage picture(8, 8);
  ASSERT_TRUE(picture.SaveFile(U((folder / "a〜b.jpg").string()), wxBITMAP_TYPE_JPEG));

  wxArrayString dropped;
  dropped.Add(U(folder.string()));
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kList, dropped);
  ASSERT_EQ(Items().GetSize(), 4);
  // Columns of a new document: folder name, full path, file name.
  const int jpg = RowNamed(3, PathText("a〜b.jpg"));
  ASSERT_GE(jpg, 0);
  Focus(jpg);
  wxArrayString image;
  image.Add(U((folder / "a〜b.jpg").string()));
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kImage, image);
  ASSERT_EQ(Items().ImagePath(jpg), PathText(folder / "a〜b.jpg"));

  const wxString file = U((dir / "kept.ltb").string());
  ASSERT_TRUE(CurrentDoc().OnSaveDocument(file));
  ASSERT_TRUE(CurrentDoc().OnOpenDocument(file));
  Pump();
  ASSERT_EQ(Items().GetSize(), 4);
  std::set<wxString> shown;
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(List().GetItemText(row, 1), U(folder.filename().string()));
    EXPECT_TRUE(fs::is_regular_file(PathFromText(Items().Cell(row, 2))));
    shown.insert(List().GetItemText(row, 2));
    shown.insert(List().GetItemText(row, 3));
  }
  for (const std::string& name : names) EXPECT_EQ(shown.count(U((folder / name).string())), 1u);
  for (const std::string& name : names) EXPECT_EQ(shown.count(U(name)), 1u) << name;

  // The image pane follows a change of the focused row.
  const int reopened = RowNamed(3, PathText("a〜b.jpg"));
  Focus(reopened == 0 ? 1 : 0);
  Focus(reopened);
  EXPECT_TRUE(App().Frame()->PaneWindows().image->HasImage());
  EXPECT_EQ(App().Frame()->PaneWindows().image->CurrentPath(), folder / "a〜b.jpg");

  // A typed "〜" finds the name that holds it.
  App().Frame()->SearchField()->SetValue(U("〜b"));
  SendCommand(cmd::kSearch);
  EXPECT_EQ(List().GetItemText(0, 3), U("a〜b.jpg"));
  ASSERT_FALSE(Script().asked.empty());
  EXPECT_EQ(Script().asked.back().text, U("\"～b\" を含むアイテムが 1 個見つかりました。"));
}

}  // namespace
}  // namespace listora::test
