// Files whose names code page 932 cannot hold, inserted, saved and read back.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/doc/document_file.h"
#include "core/text/encoding.h"
#include "core/tools/stored_paths.h"
#include "run_tool.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::RunTool;
using test::TempDir;

TEST(LtbtoolKeptNames, InsertedNamesAndPathsSurviveSaveAndReopen) {
  TempDir dir;
  // Columns: file name, full path, folder name.
  test::WriteAll(dir / "Listora.ini",
                 "[Column]\r\nCount=4\r\n[Auto]\r\nNo.1=2\r\nNo.2=1\r\nNo.3=0\r\n");
  test::ScopedEnv ini("LISTORA_INI", (dir / "Listora.ini").string());
  const std::filesystem::path folder = dir / "写真〜한";
  std::filesystem::create_directory(folder);
  const std::set<std::string> names{"한국어.txt", "emoji😀.txt", "Café.mp3", "a〜b.jpg"};
  for (const std::string& name : names) test::WriteAll(folder / name, name);

  const std::string file = (dir / "kept.ltb").string();
  auto run = RunTool({"new", file, "--insert", folder.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "4 items inserted\n");
  // Saving again goes through a load and a store of what was written.
  const std::string saved = (dir / "saved.ltb").string();
  run = RunTool({"save", file, "-o", saved});
  ASSERT_EQ(run.status, 0) << run.err;

  Document doc;
  ASSERT_EQ(LoadDocument(test::ReadAll(saved), {}, doc).status, LoadStatus::kLoaded);
  ASSERT_EQ(doc.items.GetSize(), 4);
  std::set<std::string> shownNames;
  for (int row = 0; row < doc.items.GetSize(); ++row) {
    shownNames.insert(Cp932ToUtf8(doc.items.Column(1, row)));
    const std::filesystem::path path = PathFromText(doc.items.Column(2, row));
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    EXPECT_EQ(PathFromText(doc.items.Column(3, row)), folder.filename());
  }
  // Every name reads back as the file's true name, "〜" included.
  EXPECT_EQ(shownNames, names);

  run = RunTool({"dump", saved});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const std::string& name : names) {
    EXPECT_NE(run.out.find("\"" + (folder / name).string() + "\""), std::string::npos)
        << name << "\n"
        << run.out;
  }
  for (const std::string& name : names)
    EXPECT_NE(run.out.find("\"" + name + "\""), std::string::npos) << name;
  EXPECT_EQ(run.out.find("\uFF5E"), std::string::npos);
  EXPECT_EQ(run.out.find("&#x"), std::string::npos);

  // A search typed with such a character finds the item.
  const std::string found = (dir / "found.ltb").string();
  run = RunTool({"search", saved, "--text", "😀", "-o", found});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "\"😀\" を含むアイテムが 1 個見つかりました。\n");
  Document searched;
  ASSERT_EQ(LoadDocument(test::ReadAll(found), {}, searched).status, LoadStatus::kLoaded);
  EXPECT_EQ(Cp932ToUtf8(searched.items.Column(1, 0)), "emoji😀.txt");
  // And a typed "〜" finds the file name that holds it.
  run = RunTool({"search", saved, "--text", "〜b", "-o", found});
  ASSERT_EQ(run.status, 0) << run.err;
  // The typed text is text: its "〜" shows as the sign its form reads back as.
  EXPECT_EQ(run.out, "\"\uFF5Eb\" を含むアイテムが 1 個見つかりました。\n");
  ASSERT_EQ(LoadDocument(test::ReadAll(found), {}, searched).status, LoadStatus::kLoaded);
  EXPECT_EQ(Cp932ToUtf8(searched.items.Column(1, 0)), "a〜b.jpg");
}

}  // namespace
}  // namespace listora
