#include "core/doc/table_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "core/doc/columns.h"
#include "core/doc/csv_reader.h"
#include "core/doc/export.h"
#include "core/doc/file_import.h"
#include "core/text/encoding.h"
#include "core/text/text_file.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::Sj;
using Rows = std::vector<std::vector<std::string>>;

// Every record of the text, fields resolved; an empty line as "<blank>".
Rows ReadAll(std::string_view text, const CsvDialect& dialect) {
  CsvReader reader(text, dialect, 100);
  std::vector<CsvField> fields;
  Rows rows;
  for (;;) {
    const CsvReader::Next next = reader.Read(fields);
    if (next != CsvReader::Next::kRecord && next != CsvReader::Next::kBlankLine) break;
    auto& row = rows.emplace_back();
    if (next == CsvReader::Next::kBlankLine) row.push_back("<blank>");
    for (const CsvField& field : fields) AppendFieldText(field, row.emplace_back());
  }
  return rows;
}

Rows Cells(const ItemTable& items, int columns) {
  Rows rows;
  for (int row = 0; row < items.GetSize(); ++row) {
    auto& cells = rows.emplace_back();
    for (int c = 1; c <= columns; ++c) cells.emplace_back(items.Cell(row, c));
  }
  return rows;
}

// The same import from the text cut after every CR and LF, as the text of
// a file read a piece at a time comes.
ImportedTable ImportInPieces(std::string_view text, const ImportOptions& options) {
  std::size_t at = 0;
  const auto more = [&](std::string& piece) {
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    const std::size_t next = std::min(end + 1, text.size());
    piece += text.substr(at, next - at);
    at = next;
    return at < text.size();
  };
  return ImportRecords(more, text.size(), 1, options);
}

// All an import tells, its cells included.
std::string Summary(const ImportedTable& table) {
  ItemTable items;
  table.AppendTo(items);
  std::string summary = std::to_string(static_cast<int>(table.status));
  for (int n : {table.errorLine, table.closingLine, table.namesLine, table.cutNames, table.widest,
                table.leftOut})
    summary += " " + std::to_string(n);
  for (const std::string& name : table.names) summary += "|" + name;
  for (const auto& row : Cells(items, table.widest)) {
    summary += "\n";
    for (const std::string& cell : row) summary += cell + "|";
  }
  return summary;
}

// Imports the whole text, and in pieces with the same result.
ImportedTable ImportBothWays(std::string_view text, const ImportOptions& options) {
  ImportedTable whole = ImportRecords(text, options);
  EXPECT_EQ(Summary(ImportInPieces(text, options)), Summary(whole)) << text;
  return whole;
}

TEST(TableImport, ReaderTakesWhatSpreadsheetsWrite) {
  struct Case {
    std::string text;
    CsvDialect dialect;
    Rows records;
  };
  const std::vector<Case> cases = {
      {"a\"b,c", {','}, {{"a\"b", "c"}}},  // a quote inside an unquoted field
      {"x\n\"ab\"c,d", {','}, {{"x"}}},    // text after the closing quote: refused
      {"#a,\"b\n#\nc;d\n#e", {';', true, true}, {{"c", "d"}}},         // comment lines
      {"\"a;b\";\"c\"\"", {';', false}, {{"\"a", "b\"", "\"c\"\""}}},  // quotes as text
      {"a b  c", {' '}, {{"a", "b", "", "c"}}},
      {Sj("ポ|a"), {'|'}, {{Sj("ポ"), "a"}}},            // a separator that is ポ's trail byte
      {"\"a\"\"b\",\"\"\"\"", {','}, {{"a\"b", "\""}}},  // doubled quotes
      {",", {','}, {{"", ""}}},
      {"a,", {','}, {{"a", ""}}},
      {"\"\",\"\"\r\n", {','}, {{"", ""}}},
      {"a\r\n\r\n\nb\r", {','}, {{"a"}, {"<blank>"}, {"<blank>"}, {"b"}}},
      {"\"x\ny\"\r\"z\"", {','}, {{"x\ny"}, {"z"}}},
      {"\"a,b\"\t\"c\td\"\ta,b", {'\t'}, {{"a,b", "c\td", "a,b"}}},
      {Sj("表,\"ソ\"\r\n"), {','}, {{Sj("表"), Sj("ソ")}}},  // trail bytes 0x5C and 0x83
  };
  for (const Case& c : cases) EXPECT_EQ(ReadAll(c.text, c.dialect), c.records) << c.text;

  CsvReader reader("a,\"b\r\nc", ',', 1);
  std::vector<CsvField> fields;
  EXPECT_EQ(reader.Read(fields), CsvReader::Next::kUnterminatedQuote);
  EXPECT_EQ(reader.RecordStart(), 2u);
  CsvReader stray("a,\"b\nc,d\ne,\"f\"", ',', 2);
  EXPECT_EQ(stray.Read(fields), CsvReader::Next::kStrayQuote);
  EXPECT_EQ(stray.RecordStart(), 2u);
  EXPECT_EQ(stray.ClosingQuote(), 11u);
  CsvReader skipping("x\r\n\"y\n\nz", ',', 2);
  skipping.SkipLines(3);
  EXPECT_EQ(skipping.Read(fields), CsvReader::Next::kRecord);
  EXPECT_EQ(fields[0].text, "z");
  CsvReader wide("1,2,3\r\n4", ',', 2);
  EXPECT_EQ(wide.Read(fields), CsvReader::Next::kRecord);
  EXPECT_EQ(fields.size(), 2u);
  EXPECT_EQ(wide.FieldCount(), 3u);
}

TEST(TableImport, SeparatorCommentsAndHeaderFromTheFileOrAsChosen) {
  struct Case {
    std::string text;
    const char* file;
    ImportChoices choices;
    char separator;
    bool header = false;
  };
  const auto with = [](auto set) {
    ImportChoices choices;
    set(choices);
    return choices;
  };
  const std::string exported = "\"a\tb\"\r\n\r\n\"c\"";
  const std::string zone =
      "# comment, with, commas\n#\nAD\t+4230+00131\tEurope/Andorra\n"
      "AE,OM\t+2518+05518\tAsia/Dubai\nAF\t+3431+06912\tAsia/Kabul\tnote\n"
      "AG,AI,VG\t+1703-06148\tAmerica/Antigua\n";
  const std::vector<Case> cases = {
      {"a,b\tc", "x.tsv", {}, '\t'},
      {"a,b\tc", "x.TXT", {}, '\t'},
      {"a,b\tc", "x.csv", {}, ','},
      {"a\tb\r\nc,d", "x.csv", {}, '\t'},
      {"a\r\n\tb", "x.txt", {}, ','},
      {"a\r\n\tb\r\n\tc", "x.txt", {}, '\t'},  // the most lines agree
      {exported, "x.txt", {}, ',', true},
      {exported, "x.txt", with([](auto& c) { c.header = false; }), ',', false},
      {"Name;Preis\r\nApfel;1,50\r\nBirne;2,00\r\n", "p.csv", {}, ';'},
      {zone, "zone.tab", {}, '\t'},
      {zone, "zone.txt", with([](auto& c) { c.comments = true; }), '\t'},
      {"title\r\nx;y\r\n1;2\r\n", "t.csv", with([](auto& c) { c.skip = 1; }), ';'},
      {"a,b\tc", "x.tsv", with([](auto& c) { c.separator = ImportSeparator::kComma; }), ','},
      {"a,b", "x.csv", with([](auto& c) { c.separator = ImportSeparator::kSemicolon; }), ';'},
      {"a,b", "x.csv", with([](auto& c) { c.separator = ImportSeparator::kSpace; }), ' '},
      {"a,b", "x.csv", with([](auto& c) {
         c.separator = ImportSeparator::kOther;
         c.other = '|';
       }),
       '|'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " " + c.file);
    const ImportOptions options = ResolveImport(c.text, c.file, c.choices);
    // A start of the text that ends after a line end tells the same or
    // nothing.
    for (std::size_t end = 0; end < c.text.size(); ++end) {
      if (c.text[end] != '\n' && c.text[end] != '\r') continue;
      const auto fromStart = ResolveImportFromStart(c.text.substr(0, end + 1), c.file, c.choices);
      if (!fromStart) continue;
      EXPECT_EQ(fromStart->separator, c.separator) << end;
      EXPECT_EQ(fromStart->header, c.header) << end;
    }
    EXPECT_EQ(options.separator, c.separator);
    EXPECT_EQ(options.header, c.header);
    EXPECT_EQ(options.comments,
              c.choices.comments.value_or(std::string_view(c.file) == "zone.tab"));
  }
  EXPECT_TRUE(IsExportLayout("\"a\",\"b\"\r\n\r\n\"1\",\"2\"\r\n", ','));
  EXPECT_FALSE(IsExportLayout("a,\"b\"\r\n\r\n", ','));
  EXPECT_FALSE(IsExportLayout("\"a\",\"b\"\r\n\"1\",\"2\"\r\n", ','));
  // Saved again by a spreadsheet: quotes only where needed, the empty line
  // as a row of empty fields.
  EXPECT_TRUE(IsExportLayout("a,b\r\n,\r\n1,2\r\n", ','));
  EXPECT_TRUE(IsExportLayout("a\tb\r\n\t\r\n1\t2\r\n", '\t'));
  EXPECT_TRUE(IsExportLayout("\"a\"\r\n\r\n1\r\n", ','));
  EXPECT_TRUE(IsExportLayout("\"a\"\r\n\"\"\r\n1\r\n", ','));
  for (const std::string text : {
           "Title\r\n\r\na,b\r\n1,2\r\n",                   // a title over a table
           "\"Title\"\r\n\r\na,b\r\n",                      // the same in quotes
           "Title\r\n\r\nx\r\n", "a,b\r\n\r\n1,2\r\n",      // unquoted: items
           "a,b\r\n,,\r\n1,2\r\n", "a,b\r\n,x\r\n1,2\r\n",  // not the empty line
           "a,b\r\n\r\n1,2,3\r\n", "a,b\r\n,\r\n",          // rows unlike the names, or none
       })
    EXPECT_FALSE(IsExportLayout(text, ',')) << text;
  ImportOptions options;
  options.header = true;
  const ImportedTable table = ImportRecords("a,b\r\n,\r\n1,2\r\n,\r\n", options);
  EXPECT_EQ(table.names, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(table.Size(), 2);  // only the row right after the names is no item
}

TEST(TableImport, EmptyRowsNamesSkippedLinesAndStrayQuotes) {
  struct Case {
    std::string text;
    ImportOptions options;
    Rows cells;
    std::vector<std::string> names = {};
    int namesLine = 0;
  };
  const auto with = [](auto set) {
    ImportOptions options;
    set(options);
    return options;
  };
  const auto header = with([](auto& o) { o.header = true; });
  const std::vector<Case> cases = {
      // Empty rows inside the data are items, those at the end are not.
      {"a\r\n\r\n\r\nb\r\n\r\n\r\n", {}, {{"a"}, {""}, {""}, {"b"}}},
      {"\r\na,b\n", {}, {{"", ""}, {"a", "b"}}},
      // Those between the names and the first record are not.
      {"x\r\n\r\n1\r\n\r\n2\r\n", header, {{"1"}, {""}, {"2"}}, {"x"}, 1},
      {"#c\r\nskip\r\n#d\r\nn\r\n1\r\n",
       with([](auto& o) {
         o.header = true;
         o.skip = 2;
         o.comments = true;
       }),
       {{"1"}},
       {"n"},
       4},
      {"\"a,b\tc",
       with([](auto& o) {
         o.quotes = false;
         o.separator = '\t';
       }),
       {{"\"a,b", "c"}}},
      // Quoted line ends and doubled quotes at the ends of pieces.
      {"\"a\r\nb\",c\r\n\"d\"\"\r\n\"\"e\",\"\"\"\"\n", {}, {{"a b", "c"}, {"d\" \"e", "\""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ImportedTable table = ImportBothWays(c.text, c.options);
    ASSERT_EQ(table.status, ImportStatus::kRead);
    ItemTable items;
    table.AppendTo(items);
    EXPECT_EQ(Cells(items, table.widest), c.cells);
    EXPECT_EQ(table.names, c.names);
    EXPECT_EQ(table.namesLine, c.namesLine);
  }

  const ImportedTable stray = ImportBothWays("a,\"b\r\nc,d\r\ne,\"f\"\r\n", {});
  EXPECT_EQ(stray.status, ImportStatus::kStrayQuote);
  EXPECT_EQ(stray.errorLine, 1);
  EXPECT_EQ(stray.closingLine, 3);

  // A name longer than a column holds is cut between characters.
  std::string longName = "a";
  for (int i = 0; i < 60; ++i) longName += Sj("表");
  const ImportedTable cut = ImportRecords(longName + ",b\r\n1,2\r\n", header);
  ASSERT_EQ(cut.names.size(), 2u);
  EXPECT_EQ(cut.names[0], longName.substr(0, kColumnNameSize - 1));
  EXPECT_EQ(cut.cutNames, 1);
}

TEST(TableImport, RecordsBecomeCleanItemsAfterTheTablesRows) {
  using namespace std::string_literals;
  const std::string text =
      "h1,h2,h3\r\n"
      "\"two\r\nlines\",\"nul\0bell\a\",x\r\n"
      "only\r\n"
      "1,2,3,4,5\r\n"s;
  ImportOptions options;
  options.header = true;
  options.columns = 2;
  const ImportedTable table = ImportRecords(text, options);
  EXPECT_EQ(table.status, ImportStatus::kRead);
  EXPECT_EQ(table.names, (std::vector<std::string>{"h1", "h2"}));
  EXPECT_EQ(table.widest, 5);
  EXPECT_EQ(table.leftOut, 3);
  ItemTable items;
  ItemFields first;
  first.columns[0] = "0";
  first.columns[1] = "before";
  items.AppendRow(first);
  table.AppendTo(items);
  EXPECT_EQ(Cells(items, 2),
            (Rows{{"before", ""}, {"two lines", "nul bell "}, {"only", ""}, {"1", "2"}}));
  for (int row = 1; row < items.GetSize(); ++row) {
    EXPECT_EQ(items.IconIndex(row), "0");
    EXPECT_EQ(items.Memo(row), "");
  }
  ColumnDescriptors columns{};
  columns.count = 3;
  SetImportedColumns(table, columns);
  EXPECT_EQ(columns.count, 6);
  EXPECT_EQ(FixedText(columns.names[2]), "h2");
  ImportedTable empty = ImportRecords("", {});
  SetImportedColumns(empty, columns);
  EXPECT_EQ(columns.count, 2);
}

TEST(TableImport, APreviewReadsAFewItemsAndACancelKeepsNothing) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += std::to_string(i) + ",x\n";
  ImportOptions preview;
  preview.maxItems = 20;
  EXPECT_EQ(ImportBothWays(text, preview).Size(), 20);

  ImportOptions options;
  std::vector<std::size_t> seen;
  options.step = [&](std::size_t done, std::size_t total) {
    EXPECT_EQ(total, text.size());
    seen.push_back(done);
    return seen.size() == 2;
  };
  const ImportedTable cancelled = ImportRecords(text, options);
  EXPECT_EQ(cancelled.status, ImportStatus::kCancelled);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_LT(seen[0], seen[1]);

  const ImportedTable open = ImportBothWays("a\r\n\"b\r\n\"\"c\r\n", {});
  EXPECT_EQ(open.status, ImportStatus::kUnterminatedQuote);
  EXPECT_EQ(open.errorLine, 2);
}

// Cell texts of pieces that quote, separate and hold double-byte
// characters, references and half-width katakana; none of their bytes can
// start a UTF-8 character, so the export is never mistaken for UTF-8.
std::string RandomText(std::mt19937& random, std::size_t maxBytes) {
  static const std::vector<std::string> pieces = {"a", "Z",      " ",     "\"",        "\"\"",
                                                  ",", "\t",     "&",     "&#x1F600;", "&#xD55C;",
                                                  ";", Sj("表"), Sj("ｶ"), Sj("あ"),    Sj("ソ")};
  std::string text;
  const int count = std::uniform_int_distribution<int>(0, 6)(random);
  for (int i = 0; i < count; ++i) {
    const std::string& piece = pieces[random() % pieces.size()];
    if (text.size() + piece.size() > maxBytes) break;
    text += piece;
  }
  return text;
}

// Text as typed, of pieces with characters from every plane, references
// typed as text, the two kept as references and the seven stored as their
// look-alikes; stored as text entering a document is.
std::string RandomTypedText(std::mt19937& random, std::size_t maxBytes) {
  static const std::vector<std::string> pieces = {
      "a",         " ", "\"", ",", "\t", "&",          "&#x41;",     "&#x26;",
      "&#x1F600;", "é", "표", "😀", "𠮷", "\U00010000", "\U000E0067", "\U0010FFFD",
      "¥",         "‾", "\\", "~", "〜", "～",         "−",          "‖",
      "—",         "¢", "£",  "¬", "表", "ｶ",          "ソ"};
  std::string typed;
  std::string stored;
  const int count = std::uniform_int_distribution<int>(0, 6)(random);
  for (int i = 0; i < count; ++i) {
    const std::string longer = typed + pieces[random() % pieces.size()];
    std::string form = TextToCp932(longer);
    if (form.size() > maxBytes) break;
    typed = longer;
    stored = std::move(form);
  }
  return stored;
}

using TextMaker = std::string (*)(std::mt19937&, std::size_t);

// Random tables of cells `make` writes, exported as CSV in `encoding` and
// imported as ltbtool imports a file: the same names and cells come back.
void ExpectCsvRoundTrips(TextMaker make, ExportEncoding encoding, TextEncoding detected) {
  std::mt19937 random(22);
  const test::TempDir dir;
  const std::filesystem::path file = dir / "doc.csv";
  for (int round = 0; round < 300; ++round) {
    ColumnDescriptors columns{};
    columns.count = static_cast<std::uint16_t>(std::uniform_int_distribution<int>(2, 11)(random));
    for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(columns, c);
    for (int c = 1; c < columns.count; ++c)
      SetFixedText(columns.names[c], make(random, kColumnNameSize - 1));
    ItemTable items;
    const int rows = std::uniform_int_distribution<int>(0, 8)(random);
    for (int r = 0; r < rows; ++r) {
      ItemFields fields;
      fields.columns[0] = "0";
      for (int c = 1; c < columns.count; ++c) fields.columns[c] = make(random, 60);
      items.AppendRow(fields);
    }

    const std::string bytes = ExportCsv(columns, items, encoding);
    const DecodedText text = DecodeTextFile(bytes, TextEncoding::kAuto);
    ASSERT_EQ(text.encoding, detected);
    ImportOptions options;
    options = ResolveImport(text.cp932, "doc.csv", {});
    ASSERT_EQ(options.separator, ',');
    ASSERT_TRUE(options.header);
    const ImportedTable table = ImportRecords(text.cp932, options);
    ASSERT_EQ(table.status, ImportStatus::kRead);
    // From the file a few bytes at a time, as a large file is read.
    std::ofstream(file, std::ios::binary) << bytes;
    const FileImport fromFile = ImportTextFile(file, TextEncoding::kAuto, {}, kMaxColumns - 1, 3);
    ASSERT_TRUE(fromFile.read);
    EXPECT_EQ(fromFile.text.encoding, detected);
    EXPECT_EQ(Summary(fromFile.table), Summary(table));
    ColumnDescriptors imported{};
    for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(imported, c);
    SetImportedColumns(table, imported);
    ItemTable back;
    table.AppendTo(back);

    ASSERT_EQ(imported.count, columns.count);
    for (int c = 1; c < columns.count; ++c)
      EXPECT_EQ(FixedText(imported.names[c]), FixedText(columns.names[c]));
    EXPECT_EQ(Cells(back, columns.count - 1), Cells(items, columns.count - 1));
  }
}

TEST(TableImport, ExportedCsvImportsAsTheSameTable) {
  ExpectCsvRoundTrips(RandomText, ExportEncoding::kCp932, TextEncoding::kCp932);
}

TEST(TableImport, Utf8CsvImportsAsTheSameCells) {
  ExpectCsvRoundTrips(RandomTypedText, ExportEncoding::kUtf8, TextEncoding::kUtf8);
}

}  // namespace
}  // namespace listora
