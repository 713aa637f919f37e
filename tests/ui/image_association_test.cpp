// Image association from its command for several selected items, under each
// of the three path modes, and the question before a copy overwrites.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/base/messages.h"
#include "core/base/stored_paths.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/text/text_convert.h"

namespace listora::test {
namespace {

namespace fs = std::filesystem;

class ImageAssociationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWithColumns(2);
    AddRows({{"a"}, {"b"}, {"c"}});
    TheData().items.SetMemo(2, "memo");
    WriteAll(dir / "pic.jpg", "new");
  }
  void TearDown() override { TheImageFolder().clear(); }

  // Associates pic.jpg with rows 0 and 2 under `mode`.
  void Associate(int mode, const fs::path& imageFolder) {
    TheData().settings.display.imagePathMode = static_cast<std::uint8_t>(mode);
    TheData().settings.display.copyImages = 1;
    TheImageFolder() = imageFolder;
    SelectRows({0, 2});
    Script().openFiles.push_back(wxString::FromUTF8((dir / "pic.jpg").string()));
    SendCommand(cmd::kAssociateImage);
  }
  TempDir dir;
};

TEST_F(ImageAssociationTest, EachPathModeForEverySelectedItem) {
  SendCommand(cmd::kAssociateImage);  // nothing selected: no chooser
  EXPECT_TRUE(Script().asked.empty());

  // Full path: stored as chosen, never copied.
  Associate(0, {});
  EXPECT_EQ(Script().Kinds(), (std::vector<std::string>{"open-image"}));
  const std::string chosen = PathText(dir / "pic.jpg");
  EXPECT_EQ(TheData().items.ImagePath(0), chosen);
  EXPECT_EQ(TheData().items.ImagePath(1), "");
  EXPECT_EQ(TheData().items.ImagePath(2), chosen);
  EXPECT_EQ(TheData().items.IconIndex(0), "2");
  EXPECT_EQ(TheData().items.IconIndex(2), "3");  // memo and image
  EXPECT_TRUE(CurrentDoc().IsModified());

  // Beside the document, and beside the program: copied into the image
  // folder, which is made when missing.
  for (int mode : {1, 2}) {
    const fs::path folder = dir / (mode == 1 ? "doc" : "prog") / "img";
    Script().Reset();
    Associate(mode, folder);
    EXPECT_TRUE(fs::exists(folder / "pic.jpg")) << mode;
    EXPECT_EQ(TheData().items.ImagePath(0), PathText(folder / "pic.jpg"));
    EXPECT_EQ(TheData().items.ImagePath(2), PathText(folder / "pic.jpg"));
    EXPECT_TRUE(Script().asked.size() == 1) << mode;
  }

  // A file of that name in the folder: asked first; No keeps it and still
  // stores the target.
  const fs::path folder = dir / "prog" / "img";
  WriteAll(folder / "pic.jpg", "old");
  Script().Reset();
  Script().yesNo.push_back(false);
  Associate(2, folder);
  EXPECT_EQ(Script().Kinds(), (std::vector<std::string>{"open-image", "yesno"}));
  EXPECT_EQ(ReadAll(folder / "pic.jpg"), "old");
  EXPECT_EQ(TheData().items.ImagePath(0), PathText(folder / "pic.jpg"));
  Script().Reset();
  Script().yesNo.push_back(true);
  Associate(2, folder);
  EXPECT_EQ(ReadAll(folder / "pic.jpg"), "new");

  // Yes over a FIFO of that name: refused at once instead of waiting for a
  // reader, with the copy's message.
  fs::remove(folder / "pic.jpg");
  ASSERT_EQ(mkfifo((folder / "pic.jpg").c_str(), 0600), 0);
  Script().Reset();
  Script().yesNo.push_back(true);
  Associate(2, folder);
  ASSERT_EQ(Script().Kinds(), (std::vector<std::string>{"open-image", "yesno", "error"}));
  EXPECT_NE(Script().asked[2].text.Find(Utf8(msg::kNotRegularFile)), wxNOT_FOUND);
  EXPECT_TRUE(fs::is_fifo(folder / "pic.jpg"));
}

}  // namespace
}  // namespace listora::test
