// Files whose names code page 932 cannot hold, inserted, saved and read back.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/base/stored_paths.h"
#include "core/doc/document_file.h"
#include "core/text/encoding.h"
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
  // The last one spells a reference: its name must not read back as "😀.txt".
  const std::set<std::string> names{"한국어.txt", "emoji😀.txt", "Café.mp3", "a〜b.jpg",
                                    "&#x1F600;.txt"};
  for (const std::string& name : names) test::WriteAll(folder / name, name);

  const std::string file = (dir / "kept.ltb").string();
  auto run = RunTool({"new", file, "--insert", folder.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "5 items inserted\n");
  // Saving again goes through a load and a store of what was written.
  const std::string saved = (dir / "saved.ltb").string();
  run = RunTool({"save", file, "-o", saved});
  ASSERT_EQ(run.status, 0) << run.err;

  Document doc;
  ASSERT_EQ(LoadDocument(test::ReadAll(saved), {}, doc).status, LoadStatus::kLoaded);
  ASSERT_EQ(doc.items.GetSize(), 5);
  std::set<std::string> shownNames;
  for (int row = 0; row < doc.items.GetSize(); ++row) {
    shownNames.insert(Cp932ToUtf8(doc.items.Cell(row, 1)));
    const std::filesystem::path path = PathFromText(doc.items.Cell(row, 2));
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    EXPECT_EQ(PathFromText(doc.items.Cell(row, 3)), folder.filename());
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
  EXPECT_EQ(run.out.find("&#x26;"), std::string::npos);

  // A search typed with such a character finds the item.
  const std::string found = (dir / "found.ltb").string();
  run = RunTool({"search", saved, "--text", "😀", "-o", found});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "\"😀\" を含むアイテムが 1 個見つかりました。\n");
  Document searched;
  ASSERT_EQ(LoadDocument(test::ReadAll(found), {}, searched).status, LoadStatus::kLoaded);
  EXPECT_EQ(Cp932ToUtf8(searched.items.Cell(0, 1)), "emoji😀.txt");
  // And a typed "〜" finds the file name that holds it.
  run = RunTool({"search", saved, "--text", "〜b", "-o", found});
  ASSERT_EQ(run.status, 0) << run.err;
  // The typed text is text: its "〜" shows as the sign its form reads back as.
  EXPECT_EQ(run.out, "\"\uFF5Eb\" を含むアイテムが 1 個見つかりました。\n");
  ASSERT_EQ(LoadDocument(test::ReadAll(found), {}, searched).status, LoadStatus::kLoaded);
  EXPECT_EQ(Cp932ToUtf8(searched.items.Cell(0, 1)), "a〜b.jpg");
}

TEST(LtbtoolKeptNames, SearchAndReplaceSeeTheCharactersShown) {
  TempDir dir;
  Document doc;
  doc.settings.columns.count = 2;
  for (const std::string text : {"한국어😀", "a&b", "&#x1F600;", "plain"}) {
    ItemFields fields;
    fields.columns[0] = "0";
    fields.columns[1] = TextToCp932(text);
    doc.items.AppendRow(fields);
  }
  const std::string file = (dir / "shown.ltb").string();
  test::WriteAll(file, StoreDocument(doc, {}));
  const std::string out = (dir / "out.ltb").string();
  const auto shown = [&] {
    Document read;
    EXPECT_EQ(LoadDocument(test::ReadAll(out), {}, read).status, LoadStatus::kLoaded);
    std::vector<std::string> texts;
    for (int row = 0; row < read.items.GetSize(); ++row)
      texts.push_back(Cp932ToUtf8(read.items.Cell(row, 1)));
    return texts;
  };

  // Nothing of a reference's spelling is found in the cells that hold one.
  for (const std::string find : {"#x", "D55C", "&", "1F600;"}) {
    SCOPED_TRACE(find);
    const auto run = RunTool({"replace", file, "--find", find, "--with", "Z", "-o", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(shown()[0], "한국어😀");
  }
  // "&" is found only where it is shown.
  auto run = RunTool({"search", file, "--text", "&", "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "\"&\" を含むアイテムが 2 個見つかりました。\n");
  EXPECT_EQ(shown(), (std::vector<std::string>{"a&b", "&#x1F600;", "한국어😀", "plain"}));
  run = RunTool({"search", file, "--text", "😀", "-o", out});
  EXPECT_EQ(run.out, "\"😀\" を含むアイテムが 1 個見つかりました。\n");

  // A replacement that spells a reference is stored as typed.
  run = RunTool({"replace", file, "--find", "plain", "--with", "&#x1F600;", "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(shown()[3], "&#x1F600;");
  run = RunTool({"dump", out});
  EXPECT_NE(run.out.find("\"&#x1F600;\""), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("&#x26;"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace listora
