// The text and image panes: the memo of the focused item and its edits, the
// picture at actual size or fitted, panning, the context menu, the image
// information, and files dropped on either pane.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/image.h>
#include <wx/menu.h>

#include "core/base/stored_paths.h"
#include "core/panes/memo_file.h"
#include "core/text/number_text.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/image_info_dialog.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/text/text_convert.h"

namespace listora::test {
namespace {

namespace fs = std::filesystem;

TextPane& Text() { return *App().Frame()->PaneWindows().text; }
ImagePane& Image() { return *App().Frame()->PaneWindows().image; }
ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }
ItemTable& Items() { return TheData().items; }
wxString Path(const fs::path& file) { return wxString::FromUTF8(file.string()); }

void AddItem(const std::string& memo, const std::string& imagePath = {}) {
  ItemFields item;
  item.columns[1] = "item" + std::to_string(Items().GetSize());
  item.memo = memo;
  item.imagePath = imagePath;
  item.columns[0] = MakeIconIndex(item.memo, item.imagePath);
  Items().AppendRow(item);
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();
}

// The list's current item becomes `row`, alone in the selection.
void Focus(int row) {
  List().ClearSelection();
  List().ClickRow(row, false, false);
  Pump();
}

void TypeAtEnd(const wxString& text) {
  Text().SetInsertionPointEnd();
  Text().WriteText(text);
  Pump();
}

fs::path SavePicture(const fs::path& file, int width, int height, wxBitmapType type) {
  wxImage picture(width, height);
  picture.SetRGB(wxRect(0, 0, width, height), 200, 40, 40);
  EXPECT_TRUE(picture.SaveFile(Path(file), type));
  return file;
}

void PaneCommand(int id) { SendCommand(id, &Image()); }

void Mouse(wxEventType type, int x, int y) {
  wxMouseEvent event(type);
  event.SetPosition(wxPoint(x, y));
  event.SetEventObject(&Image());
  Image().ProcessWindowEvent(event);
}

bool TitleMarked() { return App().Frame()->GetTitle().EndsWith("*"); }

TEST(TextView, ShowsTheFocusedMemoAndStoresEditsWithCrLf) {
  StartFresh();
  AddItem(Sj("一行目\r\n二行目"));
  AddItem("", "/nowhere/x.jpg");
  Focus(0);
  EXPECT_EQ(Text().GetValue(), U("一行目\n二行目"));
  EXPECT_EQ(Text().CurrentRow(), 0);
  EXPECT_FALSE(CurrentDoc().IsModified());  // showing is not editing

  TypeAtEnd(U("\n三"));
  EXPECT_EQ(Items().Memo(0), Sj("一行目\r\n二行目\r\n三"));
  EXPECT_EQ(Items().IconIndex(0), "1");
  EXPECT_TRUE(CurrentDoc().IsModified());
  EXPECT_TRUE(TitleMarked());

  Focus(1);
  EXPECT_EQ(Text().GetValue(), "");
  TypeAtEnd("m");
  EXPECT_EQ(Items().Memo(1), "m");
  EXPECT_EQ(Items().IconIndex(1), "3");
  Text().Clear();
  Pump();
  EXPECT_EQ(Items().Memo(1), "");
  EXPECT_EQ(Items().IconIndex(1), "2");

  // With a second item selected an edit is shown but not stored.
  List().Select(0, true);
  TypeAtEnd("zzz");
  EXPECT_EQ(Text().GetValue(), "zzz");
  EXPECT_EQ(Items().Memo(1), "");
  EXPECT_EQ(Items().IconIndex(1), "2");

  // Rows reordered under the pane: the edit is not stored into the item
  // that now sits in the row; the pane shows that item's memo instead.
  Focus(0);
  Items().SwapRows(0, 1);
  TypeAtEnd("x");
  EXPECT_EQ(Items().Memo(0), "");
  EXPECT_EQ(Items().Memo(1), Sj("一行目\r\n二行目\r\n三"));
  EXPECT_EQ(Text().GetValue(), "");
  TypeAtEnd("y");
  EXPECT_EQ(Items().Memo(0), "y");

  // A new document empties the pane.
  StartFresh();
  EXPECT_EQ(Text().GetValue(), "");
  EXPECT_EQ(Text().CurrentRow(), -1);
}

TEST(TextView, DroppedFileBecomesTheMemoUnlessTooLarge) {
  StartFresh();
  TempDir dir;
  AddItem("");
  AddItem(Sj("元"));
  Focus(1);

  const std::string bytes = Sj("メモ\r\n二行目\n表");
  WriteAll(dir / "memo.txt", bytes + std::string("\0tail", 5));
  EXPECT_TRUE(Text().DropFile(Path(dir / "memo.txt")));
  EXPECT_EQ(Items().Memo(1), bytes);
  EXPECT_EQ(Items().IconIndex(1), "1");
  EXPECT_EQ(Text().GetValue(), U("メモ\n二行目\n表"));
  EXPECT_TRUE(TitleMarked());
  EXPECT_TRUE(Script().asked.empty());

  // What editors here write: UTF-8, stored as the document's CP932.
  WriteAll(dir / "utf8.txt", "メモ\n表");
  EXPECT_TRUE(Text().DropFile(Path(dir / "utf8.txt")));
  EXPECT_EQ(Items().Memo(1), Sj("メモ\n表"));
  EXPECT_EQ(Text().GetValue(), U("メモ\n表"));
  EXPECT_TRUE(Text().DropFile(Path(dir / "memo.txt")));

  WriteAll(dir / "big.txt", std::string(kMaxMemoFileBytes + 1, 'a'));
  EXPECT_FALSE(Text().DropFile(Path(dir / "big.txt")));
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_EQ(Script().asked[0].text, Utf8(msg::kMemoFileTooLarge));
  EXPECT_EQ(Items().Memo(1), bytes);

  Script().Reset();
  EXPECT_FALSE(Text().DropFile(Path(dir / "missing.txt")));
  EXPECT_TRUE(Script().asked.empty());

  List().ClearSelection();
  Pump();
  EXPECT_FALSE(Text().DropFile(Path(dir / "memo.txt")));
  EXPECT_EQ(Items().Memo(0), "");
}

TEST(ImageView, ActualSizeFittedPanningAndMissingFiles) {
  StartFresh();
  TempDir dir;
  const fs::path small = SavePicture(dir / "small.png", 400, 300, wxBITMAP_TYPE_PNG);
  const fs::path big = SavePicture(dir / "big.jpg", 1000, 800, wxBITMAP_TYPE_JPEG);
  WriteAll(dir / "junk.jpg", "not a picture");
  AddItem("", PathText(small));
  AddItem("", PathText(big));
  AddItem("", PathText(dir / "gone.jpg"));
  AddItem("", PathText(dir / "junk.jpg"));
  ASSERT_EQ(mkfifo((dir / "fifo.jpg").c_str(), 0600), 0);
  AddItem("", PathText(dir / "fifo.jpg"));

  EXPECT_EQ(Image().ContextMenu(), nullptr);  // no menu over an empty pane
  Focus(0);
  ASSERT_TRUE(Image().HasImage());
  EXPECT_EQ(Image().PictureSize(), wxSize(400, 300));
  EXPECT_EQ(Image().CurrentPath(), small);
  // A new document fits pictures to the pane.
  EXPECT_TRUE(Image().FitsToPane());
  EXPECT_EQ(Image().DrawnRect(wxSize(200, 200)), (PixelRect{0, 25, 200, 150}));

  const std::unique_ptr<wxMenu> menu = Image().ContextMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->GetLabel(cmd::kImageActualSize), U("実物大表示(&A)"));
  EXPECT_EQ(menu->GetLabel(cmd::kImageFit), U("ウインドウに合わせる(&F)"));
  EXPECT_EQ(menu->GetLabel(cmd::kImageEdit), U("画像の編集(&E)"));
  EXPECT_EQ(menu->GetLabel(cmd::kImageInfo), U("画像情報(&I)"));
  EXPECT_EQ(menu->GetLabel(cmd::kImageChange), U("画像の変更(&C)"));
  EXPECT_TRUE(menu->IsChecked(cmd::kImageFit));
  EXPECT_FALSE(menu->IsChecked(cmd::kImageActualSize));

  PaneCommand(cmd::kImageActualSize);
  EXPECT_FALSE(Image().FitsToPane());
  EXPECT_EQ(CurrentDoc().Data().settings.display.imageFit, 0);
  EXPECT_FALSE(CurrentDoc().IsModified());
  EXPECT_TRUE(Image().ContextMenu()->IsChecked(cmd::kImageActualSize));
  EXPECT_EQ(Image().DrawnRect(wxSize(200, 200)), (PixelRect{0, 0, 200, 200}));
  EXPECT_EQ(Image().DrawnRect(wxSize(500, 500)), (PixelRect{0, 0, 400, 300}));

  // Dragging stops where the far edges meet, and goes back no further than 0.
  Focus(1);
  ASSERT_EQ(Image().PictureSize(), wxSize(1000, 800));
  const wxSize pane = Image().GetClientSize();
  ASSERT_LT(pane.x, 1000);
  ASSERT_LT(pane.y, 800);
  Mouse(wxEVT_LEFT_DOWN, 10, 10);
  Mouse(wxEVT_MOTION, -40, -20);
  EXPECT_EQ(Image().PanOffset(), wxPoint(-50, -30));
  Mouse(wxEVT_MOTION, -3000, -3000);
  EXPECT_EQ(Image().PanOffset(), wxPoint(pane.x - 1000, pane.y - 800));
  Mouse(wxEVT_MOTION, 5000, -3000);
  EXPECT_EQ(Image().PanOffset(), wxPoint(0, pane.y - 800));
  Mouse(wxEVT_LEFT_UP, 5000, -3000);
  Mouse(wxEVT_MOTION, 0, 0);
  EXPECT_EQ(Image().PanOffset(), wxPoint(0, pane.y - 800));
  EXPECT_FALSE(Image().HasCapture());

  PaneCommand(cmd::kImageFit);
  EXPECT_EQ(CurrentDoc().Data().settings.display.imageFit, 1);

  // A missing file empties the pane and keeps the last path; a damaged one
  // shows nothing. Neither is reported.
  Focus(2);
  EXPECT_FALSE(Image().HasImage());
  EXPECT_EQ(Image().CurrentPath(), big);
  Focus(3);
  EXPECT_FALSE(Image().HasImage());
  EXPECT_EQ(Image().CurrentPath(), dir / "junk.jpg");
  // A FIFO without a writer is shown as nothing at once, not waited for.
  Focus(4);
  EXPECT_FALSE(Image().HasImage());
  EXPECT_TRUE(Script().asked.empty());
  Focus(0);
  EXPECT_TRUE(Image().HasImage());
}

TEST(ImageView, InformationTextAndDialog) {
  StartFresh();
  TempDir dir;
  const fs::path file = SavePicture(dir / "big.bmp", 1000, 800, wxBITMAP_TYPE_BMP);
  AddItem("", PathText(file));
  AddItem("");
  Focus(1);
  Focus(0);
  ASSERT_TRUE(Image().HasImage());
  const std::uintmax_t size = fs::file_size(file);
  const wxString text = Image().InfoText();
  EXPECT_TRUE(text.StartsWith(U(" ﾌｧｲﾙ名\tbig.bmp\n ﾌｧｲﾙｻｲｽﾞ\t") + Utf8(GroupedNumberText(size)) +
                              U(" ﾊﾞｲﾄ\n 画像ｻｲｽﾞ\t1,000 x 800 ﾋﾟｸｾﾙ\n") + wxString('-', 34) +
                              U("\n 作成日時\t")))
      << text;
  EXPECT_NE(text.Find(U("\n 更新日時\t")), wxNOT_FOUND);
  EXPECT_NE(text.Find(U("\n ｱｸｾｽ日時\t")), wxNOT_FOUND);

  auto* dialog = new ImageInfoDialog(App().Frame(), text);
  EXPECT_EQ(dialog->GetTitle(), U("画像情報"));
  EXPECT_EQ(dialog->Text(), text);
  dialog->Destroy();
  Pump();
}

TEST(ImageView, DroppedImageGoesToEverySelectedItem) {
  StartFresh();
  TempDir dir;
  const fs::path bmp = SavePicture(dir / "pic.bmp", 30, 20, wxBITMAP_TYPE_BMP);
  const fs::path png = SavePicture(dir / "pic.png", 30, 20, wxBITMAP_TYPE_PNG);
  AddItem("");
  AddItem("");
  AddItem("m");
  EXPECT_FALSE(Image().DropImage(Path(bmp)));  // nothing selected
  Focus(0);
  List().Select(2, true);
  Pump();

  EXPECT_FALSE(Image().DropImage(Path(png)));
  EXPECT_FALSE(CurrentDoc().IsModified());

  EXPECT_TRUE(Image().DropImage(Path(bmp)));
  EXPECT_EQ(Items().ImagePath(0), PathText(bmp));
  EXPECT_EQ(Items().ImagePath(1), "");
  EXPECT_EQ(Items().ImagePath(2), PathText(bmp));
  EXPECT_EQ(Items().IconIndex(0), "2");
  EXPECT_EQ(Items().IconIndex(1), "0");
  EXPECT_EQ(Items().IconIndex(2), "3");
  EXPECT_TRUE(TitleMarked());
  EXPECT_TRUE(Image().HasImage());
  EXPECT_EQ(Image().CurrentPath(), bmp);
  EXPECT_TRUE(Script().asked.empty());

  // Copied into the image folder, asking before a file there is replaced.
  fs::create_directories(dir / "img");
  WriteAll(dir / "img" / "pic.bmp", "old");
  TheData().settings.display.imagePathMode = 1;
  TheData().settings.display.copyImages = 1;
  TheImageFolder() = dir / "img";
  Script().yesNo.push_back(true);
  Focus(1);
  EXPECT_TRUE(Image().DropImage(Path(bmp)));
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"yesno"});
  EXPECT_EQ(Script().asked[0].text, Utf8(msg::kOverwriteImage));
  EXPECT_EQ(ReadAll(dir / "img" / "pic.bmp"), ReadAll(bmp));
  EXPECT_EQ(Items().ImagePath(1), PathText(dir / "img" / "pic.bmp"));
  EXPECT_EQ(Image().CurrentPath(), dir / "img" / "pic.bmp");
  TheImageFolder().clear();
}

TEST(ImageView, ChangeCommandAndEditorWithoutApplication) {
  StartFresh();
  TempDir dir;
  const fs::path jpg = SavePicture(dir / "new.jpg", 10, 10, wxBITMAP_TYPE_JPEG);
  // A picture whose type no application is known for.
  const fs::path odd = SavePicture(dir / "odd.qqzx", 10, 10, wxBITMAP_TYPE_PNG);
  AddItem("", PathText(odd));
  AddItem("");
  Focus(1);
  Focus(0);
  ASSERT_TRUE(Image().HasImage());

  {
    ScopedEnv path("PATH", "");
    PaneCommand(cmd::kImageEdit);
  }
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_EQ(Script().asked[0].text, Utf8(msg::kNoAssociatedApplication));

  Script().Reset();
  Script().openFiles.push_back(Path(jpg));
  PaneCommand(cmd::kImageChange);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"open-image"});
  EXPECT_EQ(Items().ImagePath(0), PathText(jpg));
  EXPECT_EQ(Image().CurrentPath(), jpg);
  EXPECT_TRUE(TitleMarked());

  // The menu bar's and tool bar's image association is the same operation.
  Script().openFiles.push_back(Path(odd));
  SendCommand(cmd::kAssociateImage);
  EXPECT_EQ(Items().ImagePath(0), PathText(odd));

  // Nothing selected: no chooser.
  Script().Reset();
  List().ClearSelection();
  PaneCommand(cmd::kImageChange);
  EXPECT_TRUE(Script().asked.empty());
}

}  // namespace
}  // namespace listora::test
