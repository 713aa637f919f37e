// ltbtool import: files as spreadsheets and other programs write them, each
// with the cells it must give, and the files it must refuse.

#include <gtest/gtest.h>

#include "core/doc/document_file.h"
#include "run_tool.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::RunTool;
using test::Sj;
using test::TempDir;
using Rows = std::vector<std::vector<std::string>>;

// UTF-8 text as UTF-16 code units with a byte order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

Document Load(const std::filesystem::path& file) {
  Document doc;
  EXPECT_EQ(LoadDocument(test::ReadAll(file), {}, doc).status, LoadStatus::kLoaded) << file;
  return doc;
}

// The names of user columns 1..C-1 and the rows' cells, in UTF-8 given as
// the CP932 the document holds.
std::vector<std::string> Names(const Document& doc) {
  std::vector<std::string> names;
  for (int c = 1; c < doc.ColumnCount(); ++c)
    names.emplace_back(FixedText(doc.settings.columns.names[c]));
  return names;
}

Rows Cells(const Document& doc) {
  Rows rows;
  for (int row = 0; row < doc.items.GetSize(); ++row) {
    auto& cells = rows.emplace_back();
    for (int c = 1; c < doc.ColumnCount(); ++c) cells.emplace_back(doc.items.Cell(row, c));
  }
  return rows;
}

std::vector<std::string> SjAll(const std::vector<std::string>& texts) {
  std::vector<std::string> out;
  for (const auto& text : texts) out.push_back(Sj(text));
  return out;
}

Rows SjAll(const Rows& rows) {
  Rows out;
  for (const auto& row : rows) out.push_back(SjAll(row));
  return out;
}

std::vector<std::string> Defaults(int from, int to) {
  std::vector<std::string> names;
  for (int c = from; c <= to; ++c) names.push_back("No." + std::to_string(c));
  return names;
}

struct File {
  const char* what;
  std::string name;
  std::string bytes;
  std::vector<std::string> options;
  std::vector<std::string> names;  // UTF-8
  Rows cells;                      // UTF-8
  std::string warning;             // expected on standard error
};

TEST(LtbtoolImport, FilesAsOtherProgramsWriteThem) {
  std::vector<std::string> eleven;
  std::string elevenLine;
  for (int i = 1; i <= 12; ++i) {
    elevenLine += (i > 1 ? "," : "") + std::to_string(i);
    if (i <= 10) eleven.push_back(std::to_string(i));
  }
  const std::vector<File> files = {
      {"unquoted, CR LF, header named",
       "plain.csv",
       "name,qty\r\napple,3\r\npear,10\r\n",
       {"--header"},
       {"name", "qty"},
       {{"apple", "3"}, {"pear", "10"}},
       "1 行目をカラム名にしました。"},
      {"quoted: doubled quotes, separators and line breaks inside, no final line end",
       "quoted.csv",
       "\"a \"\"b\"\"\",\"x,y\"\r\n\"two\r\nlines\",\"\"\r\n\"cr\rlf\nend\",last",
       {},
       Defaults(1, 2),
       {{"a \"b\"", "x,y"}, {"two lines", ""}, {"cr lf end", "last"}}},
      {"UTF-8 with a byte order mark: characters the code page lacks come in as shown",
       "bom.csv",
       "\xEF\xBB\xBF\xE5\x90\x8D\xE5\x89\x8D,\xED\x95\x9C\r\n"
       "caf\xC3\xA9,\xF0\x9F\x98\x80\r\n",
       {"--header"},
       {"名前", "한"},
       {{"café", "😀"}},
       "1 行目をカラム名にしました。"},
      {"UTF-8 without a mark, LF lines",
       "plain-utf8.csv",
       "あ,い\n う ,\n",
       {},
       Defaults(1, 2),
       {{"あ", "い"}, {" う ", ""}}},
      {"UTF-16 LE tab-separated text (a spreadsheet's Unicode text)",
       "unicode.txt",
       Utf16(u"品名\t数\r\n\"りんご\"\t3\r\n한국\t\r\n", false),
       {"--header"},
       {"品名", "数"},
       {{"りんご", "3"}, {"한국", ""}},
       "1 行目をカラム名にしました。"},
      {"UTF-16 BE, separator chosen",
       "be.csv",
       Utf16(u"a\tb,c\r\n", true),
       {"--separator", "tab"},
       Defaults(1, 2),
       {{"a", "b,c"}}},
      {"code page 932 with half-width katakana and a trail byte that is a backslash",
       "sjis.csv",
       Sj("ｶﾀｶﾅ,表示\r\n\"ﾃｽﾄ\",予定\r\n"),
       {},
       Defaults(1, 2),
       {{"ｶﾀｶﾅ", "表示"}, {"ﾃｽﾄ", "予定"}}},
      {"CR-only lines, an empty row between records, empty lines at the end dropped",
       "mac.csv",
       "a,b\r\rc,d\r\r\r",
       {},
       Defaults(1, 2),
       {{"a", "b"}, {"", ""}, {"c", "d"}}},
      {"empty fields at the end of a record, and a shorter record",
       "ragged.csv",
       "a,b,,\r\nc\r\n",
       {},
       Defaults(1, 4),
       {{"a", "b", "", ""}, {"c", "", "", ""}}},
      {"more than ten fields: the first ten are kept",
       "wide.csv",
       elevenLine + "\r\n",
       {},
       Defaults(1, 10),
       {eleven},
       "フィールド数がカラム数を超えているため、2 列分のフィールドを取り込みませんでした。"},
      {"the program's own export: names, an empty line, the rows",
       "export.csv",
       Sj("\"名前\",\"\"\r\n\r\n\"x\",\"\"\r\n"),
       {},
       {"名前", ""},
       {{"x", ""}},
       "1 行目をカラム名にしました。"},
      {"a title that looks like the export layout, not taken as names when told",
       "title.csv",
       Sj("\"2024年 売上\"\r\n\r\n\"a\",\"b\"\r\n"),
       {"--no-header"},
       Defaults(1, 2),
       {{"2024年 売上", ""}, {"", ""}, {"a", "b"}}},
      {"semicolons with decimal commas",
       "preise.csv",
       "Name;Preis\r\nApfel;1,50\r\nBirne;2,00\r\n",
       {"--header"},
       {"Name", "Preis"},
       {{"Apfel", "1,50"}, {"Birne", "2,00"}},
       "1 行目をカラム名にしました。"},
      {"a .tab file with comment lines, comma lists inside its fields",
       "zone.tab",
       "# tz zone descriptions, with commas\n#\n#code\tcoordinates\tTZ\n"
       "AD\t+4230+00131\tEurope/Andorra\nAE,OM,RE\t+2518+05518\tAsia/Dubai\n"
       "AQ\t-6617+11031\tAntarctica/Casey\tCasey\n",
       {},
       Defaults(1, 4),
       {{"AD", "+4230+00131", "Europe/Andorra", ""},
        {"AE,OM,RE", "+2518+05518", "Asia/Dubai", ""},
        {"AQ", "-6617+11031", "Antarctica/Casey", "Casey"}}},
      {"EUC-JP, lines skipped, any separator, quotes as text",
       "euc.txt",
       "skip me\n\"\xA4\xA2|\xB4\xC1\xBB\xFA\n",
       {"--encoding", "euc-jp", "--skip", "1", "--separator", "|", "--quote", "none"},
       Defaults(1, 2),
       {{"\"あ", "漢字"}}},
      {"Windows-1252 and Latin-1, space-separated",
       "latin.txt",
       "Caf\xE9 \x80\r\n",
       {"--encoding", "windows-1252", "--separator", "space"},
       Defaults(1, 2),
       {{"Café", "€"}}},
      {"tab-separated by its extension",
       "list.tsv",
       "a,b\tc\r\n",
       {},
       Defaults(1, 2),
       {{"a,b", "c"}}},
  };
  TempDir dir;
  test::ScopedEnv ini("LISTORA_INI", (dir / "Listora.ini").string());
  for (const File& file : files) {
    SCOPED_TRACE(file.what);
    test::WriteAll(dir / file.name, file.bytes);
    const auto out = dir / (file.name + ".ltb");
    std::vector<std::string> args = {"import", (dir / file.name).string(), "-o", out.string()};
    args.insert(args.end(), file.options.begin(), file.options.end());
    const auto run = RunTool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::to_string(file.cells.size()) + " items imported, " +
                           std::to_string(file.cells.size()) + " in all\n");
    if (file.warning.empty())
      EXPECT_EQ(run.err, "");
    else
      EXPECT_NE(run.err.find(file.warning), std::string::npos) << run.err;
    const Document doc = Load(out);
    EXPECT_EQ(Names(doc), SjAll(file.names));
    EXPECT_EQ(Cells(doc), SjAll(file.cells));
  }
}

TEST(LtbtoolImport, MalformedFilesAreRefusedWithTheirLineAndNoOutput) {
  struct Bad {
    std::string bytes;
    std::vector<std::string> options;
    std::string message;
  };
  const std::vector<Bad> files = {
      {"a,b\r\n\"x\r\ny\",z\r\nc,\"open\r\nd,e\r\n",
       {},
       "4 行目で始まる \" が閉じられていません。"},
      {"a\r\nb\r\n\x82\r\n", {}, "3 行目に Shift_JIS として読めない文字があります。"},
      {Sj("あ\r\n"), {"--encoding", "utf-8"}, "1 行目に UTF-8 として読めない文字があります。"},
      {Utf16(u"a\r\n\xD800", false),
       {"--encoding", "utf-16"},
       "2 行目に UTF-16 として読めない文字があります。"},
      {"\xE5\x90\x8D,\xE5\x89\x8D\r\nCaf\xE9s,x\r\n",
       {},
       "2 行目に UTF-8 として読めない文字があります。 --encoding windows-1252 で読めます。"},
      {Utf16(u"a,b\r\nc,d\r\n", false).substr(2),
       {},
       "1 行目から文字コードを判別できません。文字コードを選んでください。 --encoding utf-16 "
       "で読めます。"},
      {"a,\"b\r\nc,d\r\ne,\"f\"\r\n",
       {},
       "1 行目で始まる \" が 3 行目で閉じた後に、区切り文字でない文字があります。"},
  };
  TempDir dir;
  test::ScopedEnv ini("LISTORA_INI", (dir / "Listora.ini").string());
  for (const Bad& bad : files) {
    SCOPED_TRACE(bad.message);
    test::WriteAll(dir / "bad.csv", bad.bytes);
    std::vector<std::string> args = {"import", (dir / "bad.csv").string(), "-o",
                                     (dir / "out.ltb").string()};
    args.insert(args.end(), bad.options.begin(), bad.options.end());
    const auto run = RunTool(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(bad.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.ltb"));
  }
  for (const std::vector<std::string>& options : {std::vector<std::string>{"--encoding", "latin-1"},
                                                  {"--separator", "ab"},
                                                  {"--quote", "'"},
                                                  {"--skip", "-1"},
                                                  {"--header", "--no-header"}}) {
    std::vector<std::string> args = {"import", (dir / "bad.csv").string(), "-o",
                                     (dir / "out.ltb").string()};
    args.insert(args.end(), options.begin(), options.end());
    EXPECT_EQ(RunTool(args).status, 1) << options[0];
  }
  // A write that fails says nothing of items imported.
  test::WriteAll(dir / "good.csv", "a\r\n");
  const auto unwritten = RunTool(
      {"import", (dir / "good.csv").string(), "-o", (dir / "missing" / "out.ltb").string()});
  EXPECT_EQ(unwritten.status, 4);
  EXPECT_EQ(unwritten.out, "");
  EXPECT_EQ(
      RunTool({"import", (dir / "bad.csv").string(), "-o", (dir / "bad.csv").string()}).status, 1);
}

TEST(LtbtoolImport, AppendsToADocumentKeepingItsColumns) {
  TempDir dir;
  Document doc;
  doc.settings.columns.count = 3;
  SetFixedText(doc.settings.columns.names[1], "first");
  SetFixedText(doc.settings.columns.names[2], "second");
  ItemFields fields;
  fields.columns[0] = "0";
  fields.columns[1] = "kept";
  doc.items.AppendRow(fields);
  test::WriteAll(dir / "doc.ltb", StoreDocument(doc, {}));
  test::WriteAll(dir / "more.csv", "h1,h2,h3\r\na,b,c\r\nd\r\n");
  const auto run = RunTool({"import", (dir / "more.csv").string(), "--header", "--append-to",
                            (dir / "doc.ltb").string(), "-o", (dir / "doc.ltb").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "2 items imported, 3 in all\n");
  EXPECT_NE(run.err.find("1 列分"), std::string::npos) << run.err;
  const Document appended = Load(dir / "doc.ltb");
  EXPECT_EQ(Names(appended), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(Cells(appended), (Rows{{"kept", ""}, {"a", "b"}, {"d", ""}}));
}

}  // namespace
}  // namespace listora
