#include <gtest/gtest.h>

#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "core/doc/export.h"
#include "run_tool.h"
#include "support/test_support.h"
#include "support/zip_entry.h"

namespace listora {
namespace {

using test::ReadAll;
using test::RunTool;
using test::Sj;
using test::TempDir;
using test::WriteAll;

Document SampleDocument() {
  Document doc;
  doc.settings.columns.count = 3;
  doc.settings.columns.headerIcons = 1;
  for (int i = 0; i < kMaxColumns; ++i) SetDefaultColumn(doc.settings.columns, i);
  NormaliseShownColumns(doc.settings.columns);
  SetFixedText(doc.settings.columns.names[1], Sj("名前"));
  doc.history = {Sj("検索"), "two"};
  ItemFields f;
  f.columns[1] = Sj("表");
  f.columns[2] = "say \"hi\"\x01";
  f.memo = "m\r\nemo";
  f.columns[0] = MakeIconIndex(f.memo, f.imagePath);
  doc.items.AppendRow(f);
  return doc;
}

std::string Store(const Document& doc, ProtectionMode mode = ProtectionMode::kPlain,
                  std::string_view password = {}) {
  StoreOptions options;
  options.mode = mode;
  options.password = password;
  return StoreDocument(doc, options);
}

TEST(Ltbtool, DumpShowsTheDocumentAsJson) {
  TempDir dir;
  WriteAll(dir / "a.ltb", Store(SampleDocument()));
  const auto run = RunTool({"dump", (dir / "a.ltb").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* expected :
       {"\"mode\": 0", "\"column_count\": 3", "\"header_icons\": 1", "\"name\": \"名前\"",
        "\"name\": \"No.2\"", "\"cells\": [\n        \"表\",\n        \"say \\\"hi\\\"\\u0001\"",
        "\"memo\": \"m\\r\\nemo\"", "\"icon\": 1", "\"history\": [\n    \"two\",\n    \"検索\""})
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
  EXPECT_TRUE(run.out.ends_with("}\n"));
}

TEST(Ltbtool, PasswordsComeFromAFileOrStandardInput) {
  TempDir dir;
  WriteAll(dir / "p.ltb", Store(SampleDocument(), ProtectionMode::kPassword, Sj("秘密")));
  WriteAll(dir / "pw", "秘密\n");
  WriteAll(dir / "crlf", "秘密\r\n");
  WriteAll(dir / "bad", "nope\r\n");
  const std::string file = (dir / "p.ltb").string();

  // One line break, either kind, ends the password.
  for (const char* pw : {"pw", "crlf"})
    EXPECT_EQ(RunTool({"info", file, "--password-file", (dir / pw).string()}).status, 0) << pw;
  for (const char* typed : {"秘密\n", "秘密\r\n"})
    EXPECT_EQ(RunTool({"info", file, "--password-stdin"}, typed).status, 0);
  // A file and standard input take the same bytes: the same bound (with
  // the line end) and the same stripping.
  const std::string pw = "秘密";
  for (const std::string& bytes :
       {pw, pw + "\r", pw + "\n\n", pw + "\nmore\n", pw + "\r\r\n", std::string(4095, 'p') + "\n",
        std::string(4095, 'p') + "\r\n", std::string(4096, 'p')}) {
    WriteAll(dir / "given", bytes);
    const auto fromFile = RunTool({"info", file, "--password-file", (dir / "given").string()});
    const auto fromStdin = RunTool({"info", file, "--password-stdin"}, bytes);
    EXPECT_EQ(fromFile.status, fromStdin.status) << bytes.size();
    EXPECT_EQ(fromFile.err.find("larger than") == std::string::npos,
              fromStdin.err.find("larger than") == std::string::npos)
        << bytes.size();
  }
  const auto wrong = RunTool({"info", file, "--password-file", (dir / "bad").string()});
  EXPECT_EQ(wrong.status, 3);
  EXPECT_NE(wrong.err.find("パスワードが違います。"), std::string::npos);
  EXPECT_EQ(RunTool({"dump", file}).status, 3);  // no terminal to ask on
}

TEST(Ltbtool, RefusedFilesAndUsageErrors) {
  TempDir dir;
  WriteAll(dir / "x.ltb", "not a document at all");
  std::string wrongVersion = Store(SampleDocument());
  wrongVersion[2] = 9;
  WriteAll(dir / "v.ltb", wrongVersion);

  auto run = RunTool({"info", (dir / "x.ltb").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("LTBファィルではありません。"), std::string::npos);
  run = RunTool({"dump", (dir / "v.ltb").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("ファイルのバージョンが違います。"), std::string::npos);
  EXPECT_EQ(RunTool({"info", (dir / "missing.ltb").string()}).status, 2);
  // On an English desktop the same refusals, in English, with the same status.
  for (const char* name : {"missing.ltb", "x.ltb"}) {
    run = RunTool({"info", (dir / name).string()}, {}, {}, "en_US.UTF-8");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.find("could not be read: no such file or folder") != std::string::npos ||
                run.err.find("Not an LTB file.") != std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("ファイル"), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunTool({}).status, 1);
  EXPECT_EQ(RunTool({"frobnicate"}).status, 1);
  EXPECT_EQ(RunTool({"export", (dir / "v.ltb").string(), "--format", "pdf", "-o", "x"}).status, 1);
  EXPECT_EQ(RunTool({"info", "--bogus", "x"}).status, 1);
  run = RunTool({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Usage: ltbtool"), std::string::npos);
  EXPECT_EQ(RunTool({"--version"}).status, 0);
}

TEST(Ltbtool, ExportWritesTheProgramsBytes) {
  TempDir dir;
  const Document doc = SampleDocument();
  WriteAll(dir / "doc.v1.ltb", Store(doc));
  const std::string file = (dir / "doc.v1.ltb").string();
  const auto& columns = doc.settings.columns;
  const auto& style = doc.settings.styles.pane[0];
  constexpr auto kUtf8 = ExportEncoding::kUtf8;
  const struct {
    std::vector<std::string> options;
    std::string expected;
  } cases[] = {
      {{"--format", "txt"}, ExportText(columns, doc.items)},
      {{"--format", "csv", "--encoding", "cp932"}, ExportCsv(columns, doc.items)},
      {{"--format", "html"}, ExportHtml(columns, style, doc.items, "doc.v1.ltb")},
      {{"--format", "txt", "--encoding", "utf-8"}, ExportText(columns, doc.items, kUtf8)},
      {{"--format", "csv", "--encoding", "utf-8"}, ExportCsv(columns, doc.items, kUtf8)},
      {{"--format", "html", "--encoding", "utf-8"},
       ExportHtml(columns, style, doc.items, "doc.v1.ltb", kUtf8)},
  };
  for (const auto& c : cases) {
    const auto out = dir / "out";
    std::vector<std::string> args = {"export", file, "-o", out.string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto run = RunTool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadAll(out), c.expected) << c.options[1] << " " << c.options.size();
  }
  const std::string out = (dir / "no").string();
  EXPECT_EQ(RunTool({"export", file, "--format", "csv", "--encoding", "utf-16", "-o", out}).status,
            1);
  EXPECT_EQ(RunTool({"export", file, "--format", "xlsx", "--encoding", "utf-8", "-o", out}).status,
            1);
}

// What a user types reaches a spreadsheet as shown, and a UTF-8 CSV comes
// back in as the same document.
TEST(Ltbtool, Utf8CsvAndWorkbookCarryEveryCharacter) {
  TempDir dir;
  Document doc = SampleDocument();
  const std::vector<std::string> typed = {"한국어😀", "Café", "¥100", "‾", "007", "&#x41;"};
  doc.items = ItemTable();
  for (std::size_t i = 0; i + 1 < typed.size(); i += 2) {
    ItemFields f;
    f.columns[0] = "0";
    f.columns[1] = Sj(typed[i]);
    f.columns[2] = Sj(typed[i + 1]);
    doc.items.AppendRow(f);
  }
  WriteAll(dir / "doc.ltb", Store(doc));
  const std::string file = (dir / "doc.ltb").string();
  const auto csv = dir / "doc.csv";
  ASSERT_EQ(RunTool({"export", file, "--format", "csv", "--encoding", "utf-8", "-o", csv.string()})
                .status,
            0);
  EXPECT_EQ(ReadAll(csv),
            "\xEF\xBB\xBF\"名前\",\"No.2\"\r\n\r\n\"한국어😀\",\"Café\"\r\n"
            "\"¥100\",\"‾\"\r\n\"007\",\"&#x41;\"\r\n");
  const auto back = dir / "back.ltb";
  ASSERT_EQ(RunTool({"import", csv.string(), "-o", back.string()}).status, 0);
  Document imported;
  ASSERT_EQ(LoadDocument(ReadAll(back), {}, imported).status, LoadStatus::kLoaded);
  ASSERT_EQ(imported.ColumnCount(), 3);
  EXPECT_EQ(FixedText(imported.settings.columns.names[1]), Sj("名前"));
  ASSERT_EQ(imported.items.GetSize(), doc.items.GetSize());
  for (int row = 0; row < doc.items.GetSize(); ++row)
    for (int c = 1; c < 3; ++c) EXPECT_EQ(imported.items.Cell(row, c), doc.items.Cell(row, c));

  const auto book = dir / "doc.xlsx";
  ASSERT_EQ(RunTool({"export", file, "--format", "xlsx", "-o", book.string()}).status, 0);
  const std::optional<std::string> sheet =
      test::ZipEntry(ReadAll(book), "xl/worksheets/sheet1.xml");
  ASSERT_TRUE(sheet);
  for (const std::string& text : typed)
    EXPECT_NE(sheet->find("<t>" + (text == "&#x41;" ? "&amp;#x41;" : text) + "</t>"),
              std::string::npos)
        << text;
}

TEST(Ltbtool, SaveKeepsOrChangesTheProtection) {
  TempDir dir;
  const Document doc = SampleDocument();
  const std::string stored = Store(doc, ProtectionMode::kPassword, "pw");
  WriteAll(dir / "p.ltb", stored);
  WriteAll(dir / "pw", "pw");
  WriteAll(dir / "new", "fresh\n");
  const std::string in = (dir / "p.ltb").string(), pw = (dir / "pw").string();

  // Saved as the program saves it: the same bytes, protection kept.
  ASSERT_EQ(RunTool({"save", in, "--password-file", pw, "-o", (dir / "same.ltb").string()}).status,
            0);
  EXPECT_EQ(ReadAll(dir / "same.ltb").substr(0, 18), stored.substr(0, 18));
  Document back;
  LoadCallbacks callbacks;
  callbacks.askPassword = [] { return std::string("pw"); };
  ASSERT_EQ(LoadDocument(ReadAll(dir / "same.ltb"), callbacks, back).status, LoadStatus::kLoaded);
  EXPECT_EQ(back.items.Cell(0, 1), Sj("表"));

  ASSERT_EQ(RunTool({"save", in, "--password-file", pw, "--mode", "plain", "-o",
                     (dir / "plain.ltb").string()})
                .status,
            0);
  EXPECT_EQ(ReadAll(dir / "plain.ltb")[17], 0);

  ASSERT_EQ(RunTool({"save", in, "--password-file", pw, "--mode", "password", "--new-password-file",
                     (dir / "new").string(), "-o", (dir / "new.ltb").string()})
                .status,
            0);
  callbacks.askPassword = [] { return std::string("fresh"); };
  EXPECT_EQ(LoadDocument(ReadAll(dir / "new.ltb"), callbacks, back).status, LoadStatus::kLoaded);

  // An output that cannot be written leaves nothing half-written.
  WriteAll(dir / "keep.ltb", "old");
  const auto blocked = RunTool(
      {"save", in, "--password-file", pw, "-o", (dir / "keep.ltb" / "under-a-file.ltb").string()});
  EXPECT_EQ(blocked.status, 4);
  EXPECT_EQ(ReadAll(dir / "keep.ltb"), "old");
  EXPECT_EQ(RunTool({"save", in, "--password-file", pw, "--mode", "password", "-o",
                     (dir / "x.ltb").string()})
                .status,
            0);  // keeps the file's own password
  EXPECT_EQ(RunTool({"save", (dir / "plain.ltb").string(), "--mode", "password", "-o",
                     (dir / "y.ltb").string()})
                .status,
            1);
  // A new password for a file that will hold none is a mistake of the command.
  EXPECT_EQ(RunTool({"save", in, "--password-file", pw, "--mode", "plain", "--new-password-file",
                     (dir / "new").string(), "-o", (dir / "z.ltb").string()})
                .status,
            1);
  EXPECT_FALSE(std::filesystem::exists(dir / "z.ltb"));
}

}  // namespace
}  // namespace listora
