// The subcommands that search, change, merge and create documents.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "core/doc/document_file.h"
#include "run_tool.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::RunTool;
using test::Sj;
using test::TempDir;

// A document with two user columns; rows give columns 1 and 2.
Document Doc(const std::vector<std::pair<std::string, std::string>>& rows) {
  Document doc;
  doc.settings.columns.count = 3;
  SetFixedText(doc.settings.columns.names[1], Sj("名前"));
  doc.history = {"old"};
  for (const auto& [first, second] : rows) {
    ItemFields fields;
    fields.columns[0] = "0";
    fields.columns[1] = first;
    fields.columns[2] = second;
    doc.items.AppendRow(fields);
  }
  return doc;
}

std::string Write(const TempDir& dir, const std::string& name, const Document& doc,
                  ProtectionMode mode = ProtectionMode::kPlain, std::string_view password = {}) {
  StoreOptions options;
  options.mode = mode;
  options.password = password;
  test::WriteAll(dir / name, StoreDocument(doc, options));
  return (dir / name).string();
}

// Loads an output; `mode` is what its header must say.
Document Read(const std::string& file, ProtectionMode mode, std::string password = {}) {
  Document doc;
  LoadCallbacks callbacks;
  callbacks.askPassword = [&] { return password; };
  const LoadResult result = LoadDocument(test::ReadAll(file), callbacks, doc);
  EXPECT_EQ(result.status, LoadStatus::kLoaded) << file;
  EXPECT_EQ(result.header.mode, static_cast<std::uint8_t>(mode)) << file;
  return doc;
}

std::vector<std::string> Column(const Document& doc, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < doc.items.GetSize(); ++row)
    texts.emplace_back(doc.items.Cell(row, column));
  return texts;
}

std::string WithoutSpace(std::string text) {
  text.erase(
      std::remove_if(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); }),
      text.end());
  return text;
}

using Texts = std::vector<std::string>;

TEST(LtbtoolEdit, DupesListsGroupsInResultOrder) {
  TempDir dir;
  const std::string file = Write(
      dir, "d.ltb", Doc({{"a", "1"}, {"B", "2"}, {"A", "3"}, {"c", "4"}, {"b", "5"}, {"a", ""}}));
  auto run = RunTool({"dupes", file, "--column", "1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(WithoutSpace(run.out), R"({"column":1,"groups":[[0,2,5],[1,4]]})");
  run = RunTool({"dupes", file, "--column", "2"});
  EXPECT_EQ(WithoutSpace(run.out), R"({"column":2,"groups":[]})");
  EXPECT_EQ(RunTool({"dupes", file, "--column", "3"}).status, 1);
  EXPECT_EQ(RunTool({"dupes", file, "--column", "0"}).status, 1);
}

TEST(LtbtoolEdit, SearchMovesMatchesUpAndKeepsTheProtection) {
  TempDir dir;
  const std::string file = Write(
      dir, "s.ltb", Doc({{"a", ""}, {"b", ""}, {Sj("東京x"), ""}, {"c", ""}, {"d", ""}, {"", "x"}}),
      ProtectionMode::kEncrypted);
  const std::string out = (dir / "out.ltb").string();
  auto run = RunTool({"search", file, "--text", "x", "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "\"x\" を含むアイテムが 2 個見つかりました。\n");
  Document doc = Read(out, ProtectionMode::kEncrypted);
  EXPECT_EQ(Column(doc, 1), (Texts{Sj("東京x"), "", "a", "b", "c", "d"}));
  // The new entry heads the history; a save stores it bottom-up, so it reads back last.
  EXPECT_EQ(doc.history, (Texts{"old", "x"}));

  // Nothing happens for an empty text, but OUT is still written.
  run = RunTool({"search", file, "--text", "", "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  doc = Read(out, ProtectionMode::kEncrypted);
  EXPECT_EQ(Column(doc, 1)[2], Sj("東京x"));
  EXPECT_EQ(doc.history, Texts{"old"});
}

TEST(LtbtoolEdit, ReplaceAllHonoursTheCaseFlag) {
  TempDir dir;
  test::WriteAll(dir / "pw", "pw\n");
  const std::string file = Write(dir, "r.ltb", Doc({{"AxA a", Sj("ａＡ")}, {"b", "a"}}),
                                 ProtectionMode::kPassword, "pw");
  const std::string pw = (dir / "pw").string();
  const std::string out = (dir / "out.ltb").string();
  auto run =
      RunTool({"replace", file, "--find", "a", "--with", "-", "-o", out, "--password-file", pw});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "置換が終了しました\n2 cells replaced\n");
  Document doc = Read(out, ProtectionMode::kPassword, "pw");
  EXPECT_EQ(Column(doc, 1), (Texts{"-xA a", "b"}));  // the first match of each cell only
  EXPECT_EQ(Column(doc, 2), (Texts{Sj("ａＡ"), "-"}));

  run = RunTool({"replace", file, "--find", "A", "--with", "-", "--match-case", "-o", out,
                 "--password-file", pw});
  EXPECT_EQ(run.out, "置換が終了しました\n1 cell replaced\n");
  EXPECT_EQ(Column(Read(out, ProtectionMode::kPassword, "pw"), 1), (Texts{"-x- a", "b"}));
  EXPECT_EQ(RunTool({"replace", file, "--find", "", "--with", "-", "-o", out}).status, 1);
}

TEST(LtbtoolEdit, AppendReportsRefusedFilesButSucceeds) {
  TempDir dir;
  const std::string file = Write(dir, "base.ltb", Doc({{"base", ""}}));
  Document wide = Doc({{"w1", "w2"}});
  wide.settings.columns.count = 4;
  wide.items.SetCell(0, 3, "w3");
  const std::string other = Write(dir, "wide.ltb", wide);
  test::WriteAll(dir / "junk.ltb", "junk");
  const std::string out = (dir / "out.ltb").string();
  const auto run = RunTool({"append", file, (dir / "junk.ltb").string(),
                            (dir / "missing.ltb").string(), other, "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "ltbtool: " + (dir / "junk.ltb").string() + ": LTBファイルではありません。\n");
  EXPECT_EQ(run.out, "1 items appended, 2 in all\n");
  const Document doc = Read(out, ProtectionMode::kPlain);
  EXPECT_EQ(doc.ColumnCount(), 3);
  EXPECT_EQ(FixedText(doc.settings.columns.names[1]), Sj("名前"));
  EXPECT_EQ(Column(doc, 1), (Texts{"base", "w1"}));
  EXPECT_EQ(Column(doc, 2), (Texts{"", "w2"}));
}

TEST(LtbtoolEdit, SortClicksAlternateTheDirection) {
  TempDir dir;
  Document doc = Doc({{"b", "200"}, {"a", "abc"}, {"B", "1,000"}});
  doc.settings.columns.formats[2] = kFormatRight;
  const std::string file = Write(dir, "s.ltb", doc);
  const std::string out = (dir / "out.ltb").string();
  ASSERT_EQ(RunTool({"sort", file, "--column", "1", "-o", out}).status, 0);
  EXPECT_EQ(Column(Read(out, ProtectionMode::kPlain), 1), (Texts{"B", "a", "b"}));
  ASSERT_EQ(RunTool({"sort", file, "--column", "1", "--clicks", "2", "-o", out}).status, 0);
  EXPECT_EQ(Column(Read(out, ProtectionMode::kPlain), 1), (Texts{"b", "a", "B"}));
  // A right-aligned column sorts by number, the largest first.
  ASSERT_EQ(RunTool({"sort", file, "--column", "2", "-o", out}).status, 0);
  EXPECT_EQ(Column(Read(out, ProtectionMode::kPlain), 2), (Texts{"1,000", "200", "abc"}));
  EXPECT_EQ(RunTool({"sort", file, "--column", "3", "-o", out}).status, 1);
  // Each click is a full sort: a count no one would click is refused.
  EXPECT_EQ(RunTool({"sort", file, "--column", "1", "--clicks", "100", "-o", out}).status, 0);
  const auto many = RunTool({"sort", file, "--column", "1", "--clicks", "101", "-o", out});
  EXPECT_EQ(many.status, 1);
  EXPECT_NE(many.err.find("--clicks must be 1..100"), std::string::npos) << many.err;
}

TEST(LtbtoolEdit, TreePrintsTheClipboardText) {
  TempDir dir;
  const std::string file = Write(
      dir, "t.ltb", Doc({{Sj("東京"), Sj("渋谷")}, {"Osaka", "Umeda"}, {Sj("東京"), Sj("渋谷")}}));
  auto run = RunTool({"tree", file, "--position", "2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Umeda\r\n\tOsaka\r\n渋谷\r\n\t東京\r\n");
  run = RunTool({"tree", file, "--position", "3"});  // beyond two user columns
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(RunTool({"tree", file, "--position", "5"}).status, 1);
}

TEST(LtbtoolEdit, NewTakesTheSettingsFileAndInsertsPaths) {
  TempDir dir;
  test::WriteAll(dir / "Listora.ini",
                 "[Main]\r\nAngo=1\r\n[Column]\r\nCount=3\r\n[Auto]\r\nNo.1=2\r\n");
  test::ScopedEnv ini("LISTORA_INI", (dir / "Listora.ini").string());
  test::WriteAll(dir / "b.txt", "b");
  test::WriteAll(dir / "a.txt", "a");
  const std::string out = (dir / "new.ltb").string();
  const auto run = RunTool({"new", out, "--insert", (dir / "b.txt").string(),
                            (dir / "missing").string(), (dir / "a.txt").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "2 items inserted\n");
  EXPECT_NE(run.err.find((dir / "missing").string() + ": No such file or directory"),
            std::string::npos)
      << run.err;
  const Document doc = Read(out, ProtectionMode::kEncrypted);
  EXPECT_EQ(doc.ColumnCount(), 3);
  EXPECT_EQ(Column(doc, 1), (Texts{"b.txt", "a.txt"}));

  // Reading the user's settings makes no folder for them.
  test::ScopedEnv noIni("LISTORA_INI", std::nullopt);
  test::ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").string());
  ASSERT_EQ(RunTool({"new", (dir / "plain.ltb").string()}).status, 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "config"));
}

}  // namespace
}  // namespace listora
