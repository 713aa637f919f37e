// What the screen shows and the document stores (split positions, shown
// panes, the image display mode, the search history, column widths): the
// document holds it as the user changes it, without being marked modified,
// and a save writes what the document holds.

#include <gtest/gtest.h>
#include <wx/splitter.h>

#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/pane_splitter.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

MainFrame& Frame() { return *App().Frame(); }
const DocumentSettings& Settings() { return CurrentDoc().Data().settings; }
wxString Path(const std::filesystem::path& file) { return wxString::FromUTF8(file.string()); }

// The user lets go of the bar of `splitter` at `pixels`.
void ReleaseSash(PaneSplitter& splitter, int pixels) {
  splitter.SetSashPosition(pixels);
  wxSplitterEvent released(wxEVT_SPLITTER_SASH_POS_CHANGED, &splitter);
  released.SetEventObject(&splitter);
  released.SetSashPosition(pixels);
  splitter.ProcessWindowEvent(released);
  Pump();
}

void Search(const char* text) {
  Frame().SearchField()->SetValue(text);
  SendCommand(cmd::kSearch);
}

Document Reread(const std::filesystem::path& file) {
  Document reread;
  EXPECT_EQ(LoadDocument(ReadAll(file), {}, reread).status, LoadStatus::kLoaded);
  return reread;
}

TEST(ShownState, EachChangeReachesTheDocumentAtOnceAndTheSaveKeepsIt) {
  StartWithColumns(2);
  AddRows({{"apple", "1"}, {"pear", "2"}, {"plum", "3"}});
  CurrentDoc().SetSearchHistory({});
  ListoraDoc& doc = CurrentDoc();

  PaneGrid& grid = Frame().Panes();
  const int width = grid.Main().GetClientSize().x;
  ReleaseSash(grid.Main(), width / 4);
  const std::int32_t split1 = SplitFromSize(grid.Main().FirstSize(), width);
  EXPECT_EQ(Settings().layout.split1, split1);
  EXPECT_NE(split1, 7000);  // not the new document's

  SendCommand(cmd::kTreeView);
  EXPECT_EQ(Settings().layout.showTree, 0);
  const bool fitted = Settings().display.imageFit != 0;
  SendCommand(fitted ? cmd::kImageActualSize : cmd::kImageFit, App().Frame()->PaneWindows().image);
  EXPECT_EQ(Settings().display.imageFit != 0, !fitted);

  Search("p");
  Search("zzz");
  Search("a");
  EXPECT_EQ(doc.SearchHistory(), (std::vector<std::string>{"a", "zzz", "p"}));
  Frame().SearchField()->RemoveHistoryEntry(1);  // the user's Delete in the open list
  EXPECT_EQ(doc.SearchHistory(), (std::vector<std::string>{"a", "p"}));

  DragColumnBorder(2, 155);
  EXPECT_EQ(Settings().columns.widths[2], 155);
  EXPECT_FALSE(doc.IsModified());

  // The window growing keeps the stored percentages.
  const wxSize before = Frame().GetSize();
  Frame().SetSize(before + wxSize(60, 40));
  Pump();
  EXPECT_EQ(Settings().layout.split1, split1);

  TempDir dir;
  const std::filesystem::path file = dir / "shown.ltb";
  ASSERT_TRUE(doc.OnSaveDocument(Path(file)));
  const Document stored = Reread(file);
  EXPECT_EQ(stored.settings.layout.split1, split1);
  EXPECT_EQ(stored.settings.layout.showTree, 0);
  EXPECT_EQ(stored.settings.display.imageFit != 0, !fitted);
  EXPECT_EQ(stored.settings.columns.widths[2], 155);
  // The file holds the history oldest first.
  EXPECT_EQ(stored.history, (std::vector<std::string>{"p", "a"}));

  // Reopened, the screen shows it again.
  Frame().SetSize(before);
  CurrentDoc().SetSearchHistory({"other"});
  ASSERT_TRUE(CurrentDoc().OnOpenDocument(Path(file)));
  Pump();
  EXPECT_EQ(Frame().SearchField()->History(), (std::vector<wxString>{"p", "a"}));
  EXPECT_EQ(TheList().GetColumnWidth(2), 155);
  EXPECT_FALSE(grid.IsVisible(PaneId::kTree));
  EXPECT_EQ(App().Frame()->PaneWindows().image->FitsToPane(), !fitted);
  SendCommand(cmd::kTreeView);
  EXPECT_EQ(Settings().layout.showTree, 1);
}

TEST(ShownState, ANewDocumentTakesTheHistoryTheBoxStillShows) {
  StartWithColumns(1);
  AddRows({{"x1"}, {"y1"}});
  CurrentDoc().SetSearchHistory({});
  Search("x");
  Search("1");
  App().DocManager()->CreateDocument(wxString(), wxDOC_NEW);
  Pump();
  EXPECT_EQ(CurrentDoc().SearchHistory(), (std::vector<std::string>{"1", "x"}));
  EXPECT_EQ(Frame().SearchField()->History(), (std::vector<wxString>{"1", "x"}));

  TempDir dir;
  ASSERT_TRUE(CurrentDoc().OnSaveDocument(Path(dir / "new.ltb")));
  EXPECT_EQ(Reread(dir / "new.ltb").history, (std::vector<std::string>{"x", "1"}));
  CurrentDoc().SetSearchHistory({});
  EXPECT_EQ(Frame().SearchField()->GetCount(), 0u);
}

TEST(ShownState, ExportAndAppendOpenReadTheDocument) {
  StartWithColumns(2);
  AddRows({{"a", "1"}, {"b", "2"}});
  DragColumnBorder(1, 77);
  TempDir dir;
  Script().saveFiles = {Path(dir / "out.htm")};
  SendCommand(cmd::kExportHtml);
  EXPECT_NE(ReadAll(dir / "out.htm").find("<col width=\"77\">"), std::string::npos);

  // Appended items come after ours and the last one is scrolled to.
  Document other;
  other.settings.columns.count = 3;
  for (int i = 0; i < 40; ++i) {
    ItemFields item;
    item.columns[0] = "0";
    item.columns[1] = "more" + std::to_string(i);
    other.items.AppendRow(item);
  }
  WriteAll(dir / "other.ltb", StoreDocument(other, {}));
  Script().Reset();
  Script().openFileLists = {wxArrayString(1, Path(dir / "other.ltb"))};
  SendCommand(cmd::kAppendOpen);
  ASSERT_EQ(TheList().GetItemCount(), 42);
  EXPECT_TRUE(PumpUntil([] {
    const wxRect last = TheList().CellRect(41, 1);
    return last.y >= 0 && last.GetBottom() < TheList().Body()->GetClientSize().y;
  }));
  EXPECT_TRUE(CurrentDoc().IsModified());
}

}  // namespace
}  // namespace listora::test
