#include "core/tools/image_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/stored_paths.h"
#include "support/test_support.h"

namespace listora {
namespace {

namespace fs = std::filesystem;

DisplayOptions Policy(int mode, std::string_view subPath, bool copy) {
  DisplayOptions d{};
  d.imagePathMode = static_cast<std::uint8_t>(mode);
  SetFixedText(d.imageSubPath, subPath);
  d.copyImages = copy ? 1 : 0;
  return d;
}

ItemTable TwoItems() {
  ItemTable table;
  ItemFields plain;
  plain.columns[0] = "0";
  table.AppendRow(plain);
  ItemFields memo = plain;
  memo.memo = "note";
  memo.columns[0] = "1";
  table.AppendRow(memo);
  return table;
}

TEST(ImageFolderTest, FollowsTheModeAndBase) {
  const fs::path doc = "/data/list.ltb";
  const fs::path exe = "/opt/listora";
  EXPECT_EQ(ComputeImageFolder(Policy(0, "img\\", true), doc, exe), fs::path());
  EXPECT_EQ(ComputeImageFolder(Policy(1, "img\\", true), doc, exe), fs::path("/data/img"));
  EXPECT_EQ(ComputeImageFolder(Policy(1, "img\\", true), {}, exe), fs::path());
  EXPECT_EQ(ComputeImageFolder(Policy(2, "\\a\\b\\", true), doc, exe),
            fs::path("/opt/listora/a/b"));
  EXPECT_EQ(ComputeImageFolder(Policy(2, "/", true), doc, exe), fs::path("/opt/listora"));
}

TEST(AttachImageTest, CopiesIntoTheDocumentsImageFolder) {
  test::TempDir dir;
  fs::create_directories(dir / "pics");
  test::WriteAll(dir / "pics" / "a.jpg", "new");
  const DisplayOptions policy = Policy(1, "img\\", true);
  const fs::path folder = ComputeImageFolder(policy, dir / "list.ltb", {});
  ItemTable table = TwoItems();
  int asked = 0;
  const OverwritePrompt refuse = [&](const fs::path&) { return ++asked, false; };
  const std::vector<int> both = {0, 1};

  AttachedImage r =
      AttachImage(table, both, PathText(dir / "pics" / "a.jpg"), policy, folder, refuse);
  EXPECT_EQ(r.storedPath, PathText(dir / "img" / "a.jpg"));
  EXPECT_TRUE(r.error.empty());
  EXPECT_EQ(test::ReadAll(dir / "img" / "a.jpg"), "new");
  EXPECT_EQ(table.ImagePath(1), r.storedPath);
  EXPECT_EQ(table.IconIndex(0), "2");
  EXPECT_EQ(table.IconIndex(1), "3");
  EXPECT_EQ(asked, 0);

  // An existing target: refused keeps it and still stores the target path;
  // accepted replaces it.
  test::WriteAll(dir / "img" / "a.jpg", "old");
  r = AttachImage(table, both, PathText(dir / "pics" / "a.jpg"), policy, folder, refuse);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(test::ReadAll(dir / "img" / "a.jpg"), "old");
  EXPECT_EQ(r.storedPath, PathText(dir / "img" / "a.jpg"));
  const OverwritePrompt accept = [](const fs::path&) { return true; };
  AttachImage(table, both, PathText(dir / "pics" / "a.jpg"), policy, folder, accept);
  EXPECT_EQ(test::ReadAll(dir / "img" / "a.jpg"), "new");

  // Choosing the image folder's own file: no question, the file stays whole.
  r = AttachImage(table, both, PathText(dir / "img" / "a.jpg"), policy, folder, refuse);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(test::ReadAll(dir / "img" / "a.jpg"), "new");

  // A source that is not there is reported, not asked about.
  r = AttachImage(table, both, PathText(dir / "pics" / "gone.jpg"), policy, folder, refuse);
  EXPECT_FALSE(r.error.empty());
  EXPECT_EQ(asked, 1);

  // Clearing the path brings the icons back.
  AttachImage(table, both, "", policy, folder, refuse);
  EXPECT_EQ(table.IconIndex(0), "0");
  EXPECT_EQ(table.IconIndex(1), "1");
}

TEST(AttachImageTest, FullPathModeNeverCopies) {
  test::TempDir dir;
  test::WriteAll(dir / "a.jpg", "x");
  ItemTable table = TwoItems();
  const std::vector<int> first = {0};
  const AttachedImage r =
      AttachImage(table, first, PathText(dir / "a.jpg"), Policy(0, "img\\", true), dir / "img", {});
  EXPECT_EQ(r.storedPath, PathText(dir / "a.jpg"));
  EXPECT_FALSE(fs::exists(dir / "img"));
  // Copying off: the path is stored as given.
  AttachImage(table, first, PathText(dir / "a.jpg"), Policy(1, "img\\", false), dir / "img", {});
  EXPECT_FALSE(fs::exists(dir / "img"));
}

TEST(ResolveImagePathTest, OnlyTheFileNameCountsUnderRelativeModes) {
  const fs::path folder = "/moved/img";
  EXPECT_EQ(ResolveImagePath("D:\\data\\img\\a.jpg", Policy(1, "img\\", true), folder),
            fs::path("/moved/img/a.jpg"));
  EXPECT_EQ(ResolveImagePath("/old/place/b.jpg", Policy(2, "img/", false), folder),
            fs::path("/moved/img/b.jpg"));
  // "表" ends in the byte of "\": it is not a separator.
  EXPECT_EQ(ResolveImagePath(test::Sj("C:\\x\\表.jpg"), Policy(1, "img\\", true), folder),
            fs::path("/moved/img/表.jpg"));
  EXPECT_EQ(ResolveImagePath("C:\\pics\\a.jpg", Policy(0, "", true), folder),
            fs::path("C:/pics/a.jpg"));
  EXPECT_EQ(ResolveImagePath("/p/a.jpg", Policy(1, "img\\", true), fs::path()),
            fs::path("/p/a.jpg"));
}

TEST(ResolveImagePathTest, NamesCp932CannotHoldFindTheirFile) {
  test::TempDir dir;
  const fs::path pics = dir / "写真";
  fs::create_directories(pics);
  for (const char* name : {"한국어.jpg", "a〜b.jpg", "Café.jpg", "c～d.jpg"})
    test::WriteAll(pics / name, name);
  const DisplayOptions fullPath = Policy(0, "", false);
  for (const char* name : {"한국어.jpg", "a〜b.jpg", "Café.jpg", "c～d.jpg"}) {
    SCOPED_TRACE(name);
    ItemTable table = TwoItems();
    const std::vector<int> rows = {0};
    const AttachedImage r = AttachImage(table, rows, PathText(pics / name), fullPath, {}, {});
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(ResolveImagePath(table.ImagePath(0), fullPath, {}), pics / name);
    // Copied into an image folder, the copy is found the same way.
    const DisplayOptions copying = Policy(1, "img/", true);
    const fs::path folder = ComputeImageFolder(copying, dir / "list.ltb", {});
    const AttachedImage copied =
        AttachImage(table, rows, PathText(pics / name), copying, folder, {});
    EXPECT_EQ(copied.error, "");
    EXPECT_EQ(ResolveImagePath(copied.storedPath, copying, folder), folder / name);
    EXPECT_TRUE(fs::is_regular_file(folder / name));
  }
}

TEST(ResolveImagePathTest, TriesThePartnersOfOneWayCharacters) {
  test::TempDir dir;
  test::WriteAll(dir / "a〜b‖c.jpg", "x");
  test::WriteAll(dir / "d～e.jpg", "x");
  const DisplayOptions fullPath = Policy(0, "", false);
  // As a document made on Windows holds them: the full-width forms.
  EXPECT_EQ(ResolveImagePath(PathText(dir.path()) + test::Sj("/a～b∥c.jpg"), fullPath, {}),
            dir / "a〜b‖c.jpg");
  EXPECT_EQ(ResolveImagePath(PathText(dir.path()) + test::Sj("/a～b‖c.jpg"), fullPath, {}),
            dir / "a〜b‖c.jpg");
  // The reverse: a reference to "〜" where the file holds "～".
  EXPECT_EQ(ResolveImagePath(PathText(dir.path()) + "/d&#x301C;e.jpg", fullPath, {}),
            dir / "d～e.jpg");
  // Nothing matches: the stored path itself.
  EXPECT_EQ(ResolveImagePath(PathText(dir.path()) + test::Sj("/x～y.jpg"), fullPath, {}),
            dir / "x～y.jpg");
  EXPECT_EQ(ExistingSpelling(dir / "a～b.jpg"), dir / "a～b.jpg");
}

TEST(ImageSettingsPageTest, SubPathAndExample) {
  EXPECT_EQ(NormaliseSubPath("\\img\\sub\\\\"), "img\\sub/");
  EXPECT_EQ(NormaliseSubPath(""), "/");
  EXPECT_EQ(NormaliseSubPath(test::Sj("表")), test::Sj("表") + "/");
  const fs::path doc = "/data/list.ltb";
  EXPECT_EQ(ImagePathExample(0, "img\\", doc, "/opt"), "/img/123.JPG");
  EXPECT_EQ(ImagePathExample(1, "\\img\\", doc, "/opt"), "/data/img/123.JPG");
  EXPECT_EQ(ImagePathExample(1, "img", {}, "/opt"), test::Sj("無題/123.JPG"));
  EXPECT_EQ(ImagePathExample(2, "", doc, "/opt/"), "/opt/123.JPG");
  // The example names the folder the images really go to.
  DisplayOptions options{};
  options.imagePathMode = kImageBesideDocument;
  SetFixedText(options.imageSubPath, "photos\\2024\\");
  EXPECT_EQ(ImagePathExample(1, "photos\\2024\\", doc, "/opt"), "/data/photos/2024/123.JPG");
  EXPECT_EQ(ComputeImageFolder(options, doc, "/opt") / "123.JPG",
            fs::path("/data/photos/2024/123.JPG"));
  // A trail byte equal to "\" is part of its character, not a separator.
  EXPECT_EQ(ImagePathExample(2, test::Sj("表\\"), doc, "/opt"), test::Sj("/opt/表/123.JPG"));
}

}  // namespace
}  // namespace listora
