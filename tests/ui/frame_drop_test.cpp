// Files dropped on the main window, the "-D" start-up insertion and the
// search box's history.

#include <gtest/gtest.h>
#include <wx/stattext.h>
#include <wx/treectrl.h>
#include <wx/vlbox.h>

#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/app/path_insertion.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/file_drop.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/panes/tree_pane.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

MainFrame& Frame() { return *App().Frame(); }
ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }
wxString Path(const std::filesystem::path& file) { return wxString::FromUTF8(file.string()); }
wxString TotalLabel() { return Frame().TotalCountLabel()->GetLabel(); }
wxString Total(int count) {
  return wxString::Format(wxString::FromUTF8("　総アイテム数: %d"), count);
}

wxArrayString Dropped(std::initializer_list<std::filesystem::path> paths) {
  wxArrayString files;
  for (const std::filesystem::path& path : paths) files.Add(Path(path));
  return files;
}

// Column 3 of a new document holds the file name with its extension.
std::string NameAt(int row) { return std::string(CurrentDoc().Data().items.Cell(row, 3)); }

// folder/ a.txt, b.jpg, sub/c.txt; and loose.txt beside it.
struct Files {
  TempDir dir;
  std::filesystem::path folder = dir / "folder";
  std::filesystem::path loose = dir / "loose.txt";
  Files() {
    std::filesystem::create_directories(folder / "sub");
    WriteAll(folder / "a.txt", "a");
    WriteAll(folder / "b.jpg", "b");
    WriteAll(folder / "sub" / "c.txt", "c");
    WriteAll(loose, "loose");
  }
};

// The point in the middle of `window`, in the frame's client coordinates.
wxPoint MiddleOf(const wxWindow& window) {
  const wxRect rect = window.GetScreenRect();
  return Frame().ScreenToClient(rect.GetPosition() + rect.GetSize() / 2);
}

void DropOnFrame(const wxPoint& point, const wxArrayString& files) {
  MainWindowDrop drop(&Frame(), Frame().PaneWindows());
  drop.OnDropFiles(point.x, point.y, files);
  Pump();
}

TEST(FrameDrop, FolderAndFileOnTheListBecomeItemsAndCounts) {
  StartFresh();
  Files files;
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kList, Dropped({files.folder, files.loose}));

  // The folder's first level is taken although sub-folders are off; the
  // folder itself is no item while files are being taken.
  ASSERT_EQ(CurrentDoc().Data().items.GetSize(), 3);
  EXPECT_EQ(NameAt(0), "a.txt");
  EXPECT_EQ(NameAt(1), "b.jpg");
  EXPECT_EQ(NameAt(2), "loose.txt");
  EXPECT_EQ(List().GetItemCount(), 3);
  EXPECT_EQ(TotalLabel(), Total(3));
  EXPECT_TRUE(CurrentDoc().IsModified());
  EXPECT_TRUE(Frame().GetTitle().EndsWith("*"));

  // The drop point decides the pane: the middle of the list inserts.
  DropOnFrame(MiddleOf(List()), Dropped({files.loose}));
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 4);
  EXPECT_EQ(TotalLabel(), Total(4));
  EXPECT_TRUE(Script().asked.empty());
}

TEST(FrameDrop, NothingFoundLeavesTheDocumentUnmodified) {
  StartFresh();
  TempDir dir;
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kList, Dropped({dir / "missing.txt"}));
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 0);
  EXPECT_FALSE(CurrentDoc().IsModified());

  // An empty folder was still enumerated: that counts as a change.
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kList, Dropped({dir.path()}));
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 0);
  EXPECT_TRUE(CurrentDoc().IsModified());

  // Files dropped on the tree pane are ignored.
  StartFresh();
  Files files;
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kTree, Dropped({files.loose}));
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 0);
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(FrameDrop, TextAndImagePanesTakeOneFileForTheSelection) {
  StartFresh();
  Files files;
  const std::filesystem::path memo = files.dir / "memo.txt";
  WriteAll(memo, "dropped memo");
  const std::filesystem::path picture = files.dir / "photo.JPG";
  WriteAll(picture, "not really a picture");
  const std::filesystem::path png = files.dir / "photo.png";
  WriteAll(png, "png");
  ItemFields item;
  item.columns[0] = "0";
  item.columns[1] = "first";
  TheData().items.AppendRow(item);
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();
  const ItemTable& items = CurrentDoc().Data().items;

  // Nothing selected: both panes refuse.
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kText, Dropped({memo}));
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kImage, Dropped({picture}));
  EXPECT_EQ(items.Memo(0), "");
  EXPECT_EQ(items.ImagePath(0), "");

  List().ClickRow(0, false, false);
  Pump();
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kText,
             Dropped({memo, files.loose}));                                    // two files
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kImage, Dropped({png}));  // not a picture type
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kImage, Dropped({picture, png}));
  EXPECT_EQ(items.Memo(0), "");
  EXPECT_EQ(items.ImagePath(0), "");

  DropOnPane(App().Frame()->PaneWindows(), DropPane::kText, Dropped({memo}));
  EXPECT_EQ(items.Memo(0), "dropped memo");
  DropOnPane(App().Frame()->PaneWindows(), DropPane::kImage, Dropped({picture}));
  EXPECT_NE(items.ImagePath(0), "");
  EXPECT_EQ(items.GetSize(), 1);
  EXPECT_TRUE(Script().asked.empty());
}

TEST(FrameDrop, OneDocumentFileOpensAndTwoAreInserted) {
  StartFresh();
  TempDir dir;
  Document stored;
  ResetDocumentSettings(SettingsFile(SettingsPath()), stored.settings);
  ItemFields item;
  item.columns[0] = "0";
  item.columns[1] = "stored";
  stored.items.AppendRow(item);
  const std::filesystem::path file = dir / "Sample.LTB";
  WriteAll(file, StoreDocument(stored, {}));
  const std::filesystem::path second = dir / "other.ltb";
  WriteAll(second, StoreDocument(stored, {}));

  // Two document files are not opened but taken as any other files.
  DropOnFrame(MiddleOf(List()), Dropped({file, second}));
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 2);
  EXPECT_EQ(CurrentDoc().GetFilename(), wxString::FromUTF8("無題"));

  // One, in capitals, opens wherever it lands, after the modified document
  // was offered for saving.
  Script().saveChanges.push_back(SaveAnswer::kNo);
  DropOnFrame(wxPoint(1, 1), Dropped({file}));
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"save-changes"});
  EXPECT_EQ(CurrentDoc().GetFilename(), Path(file));
  ASSERT_EQ(CurrentDoc().Data().items.GetSize(), 1);
  EXPECT_EQ(CurrentDoc().Data().items.Cell(0, 1), "stored");
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(CommandLineInsertion, InsertsOnceAndMarksTheNewDocument) {
  StartFresh();
  Files files;
  App().CommandLineInsertFlag() = true;
  App().CommandLineInsertPaths() = {files.folder.string(), (files.dir / "missing").string(),
                                    files.loose.string()};
  App().DocManager()->CreateDocument(wxString(), wxDOC_NEW);
  RunCommandLineInsertion(CurrentDoc());
  Pump();

  EXPECT_FALSE(App().CommandLineInsertFlag());
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 3);
  EXPECT_EQ(TotalLabel(), Total(3));
  EXPECT_TRUE(CurrentDoc().IsModified());
  EXPECT_TRUE(Frame().GetTitle().EndsWith("*"));
  EXPECT_TRUE(Script().asked.empty());

  // Only once per process.
  Script().saveChanges.push_back(SaveAnswer::kNo);
  App().DocManager()->CreateDocument(wxString(), wxDOC_NEW);
  RunCommandLineInsertion(CurrentDoc());
  Pump();
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 0);
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(CommandLineInsertion, NothingToInsertLeavesTheDocumentUnmodified) {
  StartFresh();
  TempDir dir;
  App().CommandLineInsertFlag() = true;
  App().CommandLineInsertPaths() = {(dir / "missing.txt").string()};
  RunCommandLineInsertion(CurrentDoc());
  EXPECT_FALSE(App().CommandLineInsertFlag());
  EXPECT_EQ(CurrentDoc().Data().items.GetSize(), 0);
  EXPECT_FALSE(CurrentDoc().IsModified());
}

class SearchHistory : public ::testing::Test {
 protected:
  void SetUp() override {
    StartFresh();
    box_ = Frame().SearchField();
    CurrentDoc().SetSearchHistory({"one", "two", "three"});
    box_->ChangeValue("typed");
  }
  void TearDown() override {
    if (box_->IsPopupShown()) box_->Dismiss();
    CurrentDoc().SetSearchHistory({});
    Pump();
  }

  // Opens the list with `entry` highlighted.
  wxVListBox& OpenWith(int entry) {
    box_->Popup();
    Pump();
    auto* list = dynamic_cast<wxVListBox*>(box_->GetPopupControl()->GetControl());
    list->SetSelection(entry);
    return *list;
  }

  static void Key(wxWindow& window, int code) {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = code;
    window.ProcessWindowEvent(event);
    Pump();
  }

  static void Mouse(wxWindow& window, wxEventType type, wxPoint at) {
    wxMouseEvent event(type);
    event.SetPosition(at);
    window.ProcessWindowEvent(event);
    Pump();
  }

  std::vector<wxString> Entries() const {
    std::vector<wxString> entries;
    for (unsigned int i = 0; i < box_->GetCount(); ++i) entries.push_back(box_->GetString(i));
    return entries;
  }

  SearchBox* box_ = nullptr;
};

TEST_F(SearchHistory, DeleteRemovesTheHighlightedEntryOnly) {
  wxVListBox& list = OpenWith(1);
  ASSERT_TRUE(box_->IsPopupShown());
  Key(list, WXK_DELETE);
  EXPECT_EQ(Entries(), (std::vector<wxString>{"one", "three"}));
  EXPECT_EQ(box_->GetValue(), "typed");

  // Other keys, and Delete with nothing highlighted, remove nothing.
  list.SetSelection(wxNOT_FOUND);
  Key(list, WXK_DELETE);
  list.SetSelection(0);
  Key(list, 'A');
  EXPECT_EQ(Entries(), (std::vector<wxString>{"one", "three"}));
}

TEST_F(SearchHistory, TheOpenListIsRedrawnWithoutTheRemovedEntry) {
  wxVListBox& list = OpenWith(1);
  ASSERT_TRUE(box_->IsPopupShown());
  int paints = 0;
  list.Bind(wxEVT_PAINT, [&paints](wxPaintEvent& event) {
    ++paints;
    event.Skip();
  });
  Pump();
  paints = 0;
  Key(list, WXK_DELETE);
  EXPECT_EQ(list.GetItemCount(), 2u);
  EXPECT_TRUE(PumpUntil([&paints] { return paints > 0; }));
}

TEST_F(SearchHistory, RightClickInsideTheListRemovesTheHighlightedEntry) {
  wxVListBox& list = OpenWith(1);
  ASSERT_TRUE(box_->IsPopupShown());
  // The pointer moved onto the first entry highlights it.
  Mouse(list, wxEVT_MOTION, wxPoint(2, 2));
  Mouse(list, wxEVT_RIGHT_DOWN, wxPoint(-5, -5));  // outside the list
  EXPECT_EQ(Entries().size(), 3u);
  Mouse(list, wxEVT_RIGHT_DOWN, wxPoint(2, 2));
  EXPECT_EQ(Entries(), (std::vector<wxString>{"two", "three"}));
  EXPECT_EQ(box_->GetValue(), "typed");
}

TEST_F(SearchHistory, ClosedListKeepsEveryEntryAndEnterSearches) {
  wxVListBox& list = OpenWith(2);
  box_->Dismiss();
  Pump();
  list.SetSelection(2);
  Key(list, WXK_DELETE);
  EXPECT_EQ(Entries().size(), 3u);

  // Enter in the box runs the list search, which puts the text on top.
  ItemFields item;
  item.columns[0] = "0";
  item.columns[1] = "typed here";
  TheData().items.AppendRow(item);
  CurrentDoc().Changed(DocHint::Kind::kItems);
  wxCommandEvent enter(wxEVT_TEXT_ENTER, box_->GetId());
  enter.SetEventObject(box_);
  box_->ProcessWindowEvent(enter);
  Pump();
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"info"});
  ASSERT_EQ(Entries().size(), 4u);
  EXPECT_EQ(Entries()[0], "typed");
  EXPECT_EQ(List().GetSelectedItemCount(), 1);
}

}  // namespace
}  // namespace listora::test

namespace listora::test {
namespace {

wxWindow* Focused() { return wxWindow::FindFocus(); }

void FrameCommand(int id) {
  wxCommandEvent event(wxEVT_MENU, id);
  Frame().ProcessWindowEvent(event);
  Pump();
}

TEST(PaneKeys, F6GoesToTheNextVisiblePaneAndShiftF6Back) {
  StartFresh();
  const PaneSet& panes = App().Frame()->PaneWindows();
  const auto focusReaches = [](wxWindow* pane) {
    return PumpUntil([pane] { return Focused() == pane; });
  };
  Frame().Raise();
  panes.list->SetFocus();
  ASSERT_TRUE(focusReaches(panes.list->Body()));
  FrameCommand(cmd::kNextPane);
  EXPECT_TRUE(focusReaches(panes.tree->Tree()));
  FrameCommand(cmd::kNextPane);
  EXPECT_TRUE(focusReaches(panes.text));

  // A hidden pane is passed over; going back from the list wraps round.
  // Hiding a pane relays the splitters out, which may move the focus in the
  // server's own time: start again from the text pane once it holds it.
  FrameCommand(cmd::kImageView);
  panes.text->SetFocus();
  ASSERT_TRUE(focusReaches(panes.text));
  FrameCommand(cmd::kNextPane);
  EXPECT_TRUE(focusReaches(panes.list->Body()));
  FrameCommand(cmd::kPreviousPane);
  EXPECT_TRUE(focusReaches(panes.text));
  FrameCommand(cmd::kImageView);
}

}  // namespace
}  // namespace listora::test
