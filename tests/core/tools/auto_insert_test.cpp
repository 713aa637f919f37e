#include "core/tools/auto_insert.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/base/file_entry.h"
#include "core/text/encoding.h"
#include "core/text/number_text.h"
#include "core/tools/auto_insert_filter.h"
#include "core/tools/auto_insert_item.h"
#include "core/tools/auto_insert_settings.h"
#include "support/test_support.h"

namespace listora {
namespace {

namespace fs = std::filesystem;

// Column 1 gets the file name, column 2 the folder name; five columns.
InsertOptions Options(const fs::path& folder, std::string_view pattern, bool subFolders) {
  InsertOptions o;
  SetFixedText(o.settings.folder, folder.string());
  SetFixedText(o.settings.pattern, pattern);
  o.settings.patternWasEmpty = pattern.empty() ? 1 : 0;
  o.settings.subFolders = subFolders ? 1 : 0;
  o.settings.kinds[1] = kKindFileName;
  o.settings.kinds[2] = kKindFolderName;
  o.columnCount = 3;
  o.skipMask = kAttrSystem | kAttrHidden;
  return o;
}

std::vector<std::string> Column(const ItemTable& table, int column) {
  std::vector<std::string> out;
  for (int r = 0; r < table.GetSize(); ++r) out.emplace_back(table.Cell(r, column));
  return out;
}

using Names = std::vector<std::string>;

TEST(ExtensionFilterTest, IncludeExcludeAndCase) {
  const ExtensionFilter jpg = ParseExtensionFilter(".JPG -tmp", false);
  EXPECT_TRUE(jpg.TakesFile("jpg"));
  EXPECT_TRUE(jpg.TakesFile("Jpg"));
  EXPECT_FALSE(jpg.TakesFile("tmp"));
  EXPECT_FALSE(jpg.TakesFile("png"));
  EXPECT_FALSE(ParseExtensionFilter("-tmp", false).TakesFile("txt"));
  const ExtensionFilter all = ParseExtensionFilter("* -tmp", false);
  EXPECT_TRUE(all.TakesFile("txt"));
  EXPECT_FALSE(all.TakesFile("TMP"));
  EXPECT_TRUE(ParseExtensionFilter("readme", false).TakesFile(ExtensionOf("README")));
  // A full-width space separates; runs of spaces make no empty pattern.
  const ExtensionFilter two = ParseExtensionFilter(test::Sj("jpg　gif  "), false);
  EXPECT_EQ(two.include, (Names{"jpg", "gif"}));
  EXPECT_FALSE(two.TakesFile(""));
  // "ア" (83 41) and "ヂ" (83 61) differ only by a trail byte's "case".
  EXPECT_FALSE(ParseExtensionFilter(test::Sj("ア"), false).TakesFile(test::Sj("ヂ")));
  // Full-width Latin letters fold like ASCII ones, as in the duplicate search.
  EXPECT_TRUE(ParseExtensionFilter(test::Sj("ｊｐｇ"), false).TakesFile(test::Sj("ＪＰＧ")));
  EXPECT_FALSE(ParseExtensionFilter(test::Sj("* -ｔｍｐ"), false).TakesFile(test::Sj("ＴＭＰ")));
  EXPECT_FALSE(ParseExtensionFilter(test::Sj("ｊｐｇ"), false).TakesFile("JPG"));
  EXPECT_TRUE(ParseExtensionFilter("", true).include.empty());
  std::string many;
  for (int i = 0; i < 12; ++i) many += "e" + std::to_string(i) + " -x" + std::to_string(i) + " ";
  const ExtensionFilter capped = ParseExtensionFilter(many, false);
  EXPECT_EQ(capped.include.size(), kMaxFilterPatterns);
  EXPECT_EQ(capped.exclude.size(), kMaxFilterPatterns);
  EXPECT_EQ(ExtensionOf("a.tar.gz"), "gz");
  EXPECT_EQ(NameWithoutExtension("a.tar.gz"), "a.tar");
  EXPECT_EQ(ExtensionOf("x."), "");
}

TEST(ExtensionFilterTest, TypedOneWayCharacterAlsoMatchesTheStoredName) {
  const ExtensionFilter wave = ParseExtensionFilter(test::Sj("〜 -a〜b"), false);
  EXPECT_TRUE(wave.TakesFile(test::Sj("～")));
  EXPECT_TRUE(wave.TakesFile(PathToCp932("〜")));
  EXPECT_FALSE(wave.TakesFile(PathToCp932("a〜b")));
  EXPECT_FALSE(wave.TakesFile(test::Sj("a～b")));
  // A reference is one character, never folded into look-alike text.
  const ExtensionFilter hangul = ParseExtensionFilter(test::Sj("한 &#xa"), false);
  EXPECT_TRUE(hangul.TakesFile(PathToCp932("한")));
  EXPECT_FALSE(hangul.TakesFile("&#xd55c;"));
  EXPECT_TRUE(hangul.TakesFile(PathToCp932("&#xA")));
}

TEST(SerialTextTest, PaddingAndPlacement) {
  EXPECT_EQ(SerialText("No.*", 8, 3), "No.008");
  EXPECT_EQ(SerialText("No.*", 1234, 3), "No.1234");
  EXPECT_EQ(SerialText("Sample", 5, 2), "Sample05");
  EXPECT_EQ(SerialText("*-*", 7, 1), "7-7");
  EXPECT_EQ(SerialText("*", 5, 9), "000000005");
  EXPECT_EQ(SerialText("*", 5, 10), "000000005");
  EXPECT_EQ(SerialText("*", 5, 0), "5");
  EXPECT_EQ(SerialText(test::Sj("表*"), 1, 0), test::Sj("表1"));
  AutoInsertSettings s{};
  SetFixedText(s.serialText, "No.*");
  s.serialStart = -1;  // an unsigned start stored in the signed field
  s.serialDigits = 2;
  EXPECT_EQ(SerialTextFor(s, 1), "No.4294967296");
}

TEST(FillItemTest, EveryKind) {
  FileEntry e;
  e.path = "/AAA/BBB.txt";
  e.name = "BBB.txt";
  e.folderName = "AAA";
  e.size = 12345;
  e.created = 1000;
  e.written = 2000;
  AutoInsertSettings s{};
  SetFixedText(s.fixedTexts[9], test::Sj("入力"));
  SetFixedText(s.serialText, "S*");
  s.serialStart = 8;
  s.serialDigits = 3;
  const std::string expected[kItemKindCount] = {"AAA",
                                                "/AAA/BBB.txt",
                                                "BBB.txt",
                                                "BBB",
                                                "txt",
                                                "12,345",
                                                DateTimeText(1000),
                                                DateTimeText(2000),
                                                DateTimeText(3000),
                                                test::Sj("入力"),
                                                "S010"};
  for (int kind = 0; kind < kItemKindCount; ++kind) {
    s.kinds[9] = static_cast<std::uint8_t>(kind);
    EXPECT_EQ(KindValue(s, 9, e, 2, 3000), expected[kind]) << kind;
  }
  s.kinds[9] = 11;
  EXPECT_EQ(KindValue(s, 9, e, 2, 3000), "");

  for (int c = 1; c < kMaxColumns; ++c) s.kinds[c] = kKindFileName;
  const ItemFields f = FillItem(s, 4, e, 0, 0);
  EXPECT_EQ(f.columns[0], "0");
  EXPECT_EQ(f.columns[3], "BBB.txt");
  EXPECT_EQ(f.columns[4], "");
  EXPECT_EQ(KindSampleText(s, 1, kKindSerial), test::Sj("例:　S008"));
}

class FolderTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"b.JPG", "a.txt", "A.txt", "c.tmp", "README", ".hidden.jpg", "sub/d.jpg",
                          "sub/deeper/e.jpg", ".cache/f.jpg"}) {
      fs::create_directories((dir / f).parent_path());
      test::WriteAll(dir / f, "x");
    }
    fs::create_directory_symlink(dir.path(), dir / "sub" / "loop");
  }
  test::TempDir dir;
  ItemTable table;
};

TEST_F(FolderTreeTest, RunFiltersRecursesAndSurvivesLinkLoops) {
  InsertOptions o = Options(dir.path(), "* -tmp", true);
  const InsertResult r = RunAutoInsert(table, o);
  // Name order (names equal but for case in byte order), a sub-folder's
  // contents where the folder stands; the link to the top folder is not
  // entered again; hidden entries are skipped.
  EXPECT_EQ(Column(table, 1), (Names{"A.txt", "a.txt", "b.JPG", "README", "d.jpg", "e.jpg"}));
  const std::string top = dir.path().filename().string();
  EXPECT_EQ(Column(table, 2), (Names{top, top, top, top, "sub", "deeper"}));
  EXPECT_EQ(r.inserted, 6);
  EXPECT_EQ(table.Cell(0, 3), "");

  table.ClearRows();
  o = Options(dir.path(), "jpg", false);
  EXPECT_EQ(RunAutoInsert(table, o).inserted, 1);  // b.JPG only
  table.ClearRows();
  o.skipMask = kAttrSystem;
  o.settings.subFolders = 1;
  RunAutoInsert(table, o);
  EXPECT_EQ(Column(table, 1), (Names{"f.jpg", ".hidden.jpg", "b.JPG", "d.jpg", "e.jpg"}));
}

TEST_F(FolderTreeTest, FoldersOnlyPutsContentsFirstAndSerialsRunOn) {
  InsertOptions o = Options(dir.path(), "", true);
  o.settings.kinds[2] = kKindSerial;
  SetFixedText(o.settings.serialText, "No.*");
  o.settings.serialStart = 8;
  o.settings.serialDigits = 3;
  RunAutoInsert(table, o);
  EXPECT_EQ(Column(table, 1), (Names{"deeper", "loop", "sub"}));
  EXPECT_EQ(Column(table, 2), (Names{"No.008", "No.009", "No.010"}));
}

TEST_F(FolderTreeTest, AttributesDecideWhatIsTaken) {
  fs::create_directory(dir / "attr");
  test::WriteAll(dir / "attr" / "ro.txt", "x");
  fs::permissions(dir / "attr" / "ro.txt", fs::perms::owner_read | fs::perms::group_read);
  ASSERT_EQ(mkfifo((dir / "attr" / "pipe.txt").c_str(), 0600), 0);
  fs::create_symlink(dir / "gone", dir / "attr" / "dangling.txt");
  InsertOptions o = Options(dir / "attr", "txt", false);
  RunAutoInsert(table, o);
  EXPECT_EQ(Column(table, 1), (Names{"ro.txt"}));
  table.ClearRows();
  o.skipMask = kAttrReadOnly;
  RunAutoInsert(table, o);
  EXPECT_EQ(Column(table, 1), (Names{"dangling.txt", "pipe.txt"}));

  // Without a birth time (some file systems report 0 for files of a
  // system's image) the creation time is the modification time.
  for (const fs::path& path : {dir / "attr" / "ro.txt", fs::path("/usr/bin"), fs::path("/")}) {
    const std::optional<FileEntry> entry = LookUpEntry(path);
    ASSERT_TRUE(entry) << path;
    EXPECT_GT(entry->created, 0) << path;
  }
}

TEST_F(FolderTreeTest, DroppedPaths) {
  InsertOptions o = Options("/nowhere", "jpg", false);
  o.settings.kinds[1] = kKindFullPath;
  fs::create_directory(dir / "pics.jpg");
  test::WriteAll(dir / "pics.jpg" / "notes", "x");
  const std::vector<fs::path> paths = {dir / "sub/", dir / "missing.jpg", dir / "b.JPG",
                                       dir / "pics.jpg" / "notes", dir / ".hidden.jpg"};
  InsertResult r = InsertPaths(table, o, paths);
  // The first level of a dropped folder always; the extension comes from
  // the entry's own name, not from a folder of its path.
  EXPECT_EQ(Column(table, 1), (Names{(dir / "sub" / "d.jpg").string(), (dir / "b.JPG").string()}));
  EXPECT_TRUE(r.enumerated);
  EXPECT_EQ(r.inserted, 2);

  table.ClearRows();
  o = Options("/nowhere", "", false);
  const std::vector<fs::path> folder = {dir / "sub"};
  InsertPaths(table, o, folder);
  EXPECT_EQ(Column(table, 1), (Names{"deeper", "loop", "sub"}));

  table.ClearRows();
  int polls = 0;
  o = Options("/nowhere", "*", true);
  o.cancelled = [&] { return ++polls > 3; };
  r = InsertPaths(table, o, folder);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(r.inserted, 1);
}

TEST_F(FolderTreeTest, NamesReadBackAsTheFilesTrueNames) {
  const fs::path wave = dir / "wave";
  fs::create_directory(wave);
  for (const char* name : {"a〜b.jpg", "c.〜", "d.png"}) test::WriteAll(wave / name, "x");
  InsertOptions o = Options("/nowhere", test::Sj("jpg 〜"), false);
  o.settings.kinds[2] = kKindBaseName;
  o.settings.kinds[3] = kKindExtension;
  o.columnCount = 4;
  InsertPaths(table, o, std::vector<fs::path>{wave});
  ASSERT_EQ(table.GetSize(), 2);
  std::vector<Names> rows;
  for (int r = 0; r < table.GetSize(); ++r) {
    rows.emplace_back();
    for (int column = 1; column <= 3; ++column)
      rows.back().push_back(Cp932ToUtf8(table.Cell(r, column)));
  }
  std::sort(rows.begin(), rows.end());
  EXPECT_EQ(rows, (std::vector<Names>{{"a〜b.jpg", "a〜b", "jpg"}, {"c.〜", "c", "〜"}}));
}

}  // namespace
}  // namespace listora
