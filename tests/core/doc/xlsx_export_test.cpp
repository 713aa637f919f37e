#include "core/doc/xlsx_export.h"

#include <gtest/gtest.h>

#include <map>

#include "core/doc/columns.h"
#include "support/test_support.h"
#include "support/zip_entry.h"

namespace listora {
namespace {

using test::Sj;

// The text of each cell of a sheet's XML by its reference ("A1"), entities
// resolved.
std::map<std::string, std::string> SheetCells(std::string_view xml) {
  std::map<std::string, std::string> cells;
  for (std::size_t at = xml.find("<c r=\""); at != std::string_view::npos;
       at = xml.find("<c r=\"", at + 1)) {
    const std::size_t ref = at + 6;
    const std::string name(xml.substr(ref, xml.find('"', ref) - ref));
    // A cell without text (a blank one keeps its style) has no content.
    const std::size_t tagEnd = xml.find('>', at);
    if (xml[tagEnd - 1] == '/') continue;
    const std::size_t open = xml.find("<t", at);
    if (open > xml.find("</c>", at)) continue;
    const std::size_t from = xml.find('>', open) + 1;
    const std::string_view raw = xml.substr(from, xml.find("</t>", from) - from);
    std::string& text = cells[name];
    for (std::size_t i = 0; i < raw.size(); ++i) {
      const std::size_t semicolon = raw.find(';', i);
      const std::string_view entity = raw.substr(i, semicolon + 1 - i);
      text += raw[i] != '&'       ? raw[i]
              : entity == "&amp;" ? '&'
              : entity == "&lt;"  ? '<'
              : entity == "&gt;"  ? '>'
                                  : '"';
      if (raw[i] == '&') i = semicolon;
    }
  }
  return cells;
}

TEST(XlsxExport, RowsFitOneSheetWithTheNames) {
  EXPECT_TRUE(FitsSheet(0));
  EXPECT_TRUE(FitsSheet(kSheetRows - 1));
  EXPECT_FALSE(FitsSheet(kSheetRows));
  EXPECT_FALSE(FitsSheet(std::int64_t{1} << 40));
}

TEST(XlsxExport, SheetNamedAfterTheDocument) {
  const std::string longest(31, 'x');
  const struct {
    std::string title, sheet;
  } cases[] = {
      {"list.v2.ltb", "list"},
      {Sj("無題"), "無題"},
      {"a[1]:*?/\\b.ltb", "a_1______b"},
      {"''quoted'.ltb", "quoted"},
      {"", "Sheet1"},
      {"'.ltb", "Sheet1"},
      {longest + "yz.ltb", longest},
      // Counted as the format counts: an emoji is two.
      {Sj("한" + std::string(29, 'a') + "😀"), "한" + std::string(29, 'a')},
      {Sj("¥100"), "¥100"},
  };
  for (const auto& c : cases) EXPECT_EQ(SheetName(c.title), c.sheet) << c.title;
}

TEST(XlsxExport, EveryCellIsTextAsTheListShowsIt) {
  ColumnDescriptors columns{};
  columns.count = 4;
  for (int i = 0; i < kMaxColumns; ++i) SetDefaultColumn(columns, i);
  SetFixedText(columns.names[1], Sj("番号"));
  SetFixedText(columns.names[2], "<Text & more>");
  SetFixedText(columns.names[3], "");
  columns.widths[1] = 64;
  columns.widths[2] = 200;
  ItemTable items;
  const std::vector<std::vector<std::string>> rows = {
      {"007", "1,000", "1e5"},
      {"", Sj("한국어😀 ¥100 ‾ Café"), Sj("&#x41; \"q\" =1+1")},
      {"  lead", "", Sj("表\\~")},
  };
  for (const auto& row : rows) {
    ItemFields fields;
    fields.columns[0] = "0";
    for (std::size_t c = 0; c < row.size(); ++c) fields.columns[c + 1] = row[c];
    items.AppendRow(fields);
  }
  const test::TempDir dir;
  FileError error;
  ASSERT_TRUE(
      ExportXlsx(dir / "out.xlsx", columns, items, Sj("一覧.ltb"), &error, SpecialTarget::kRefuse))
      << error.what;
  const std::optional<std::string> zip = ReadFileBytes(dir / "out.xlsx");
  ASSERT_TRUE(zip);
  const std::optional<std::string> sheet = test::ZipEntry(*zip, "xl/worksheets/sheet1.xml");
  ASSERT_TRUE(sheet);
  const std::map<std::string, std::string> expected = {
      {"A1", "番号"},
      {"B1", "<Text & more>"},
      {"A2", "007"},
      {"B2", "1,000"},
      {"C2", "1e5"},
      {"B3", "한국어😀 ¥100 ‾ Café"},
      {"C3", "&#x41; \"q\" =1+1"},
      {"A4", "  lead"},
      {"C4", "表\\~"},
  };
  EXPECT_EQ(SheetCells(*sheet), expected);
  // No cell is a number or a formula; the names are bold and stay in view.
  EXPECT_EQ(sheet->find("<v>"), std::string::npos);
  EXPECT_EQ(sheet->find("<f>"), std::string::npos);
  EXPECT_NE(sheet->find("<c r=\"A1\" s=\"1\""), std::string::npos);
  EXPECT_NE(sheet->find("ySplit=\"1\""), std::string::npos);
  EXPECT_NE(sheet->find("<col min=\"2\" max=\"2\""), std::string::npos);
  const std::optional<std::string> book = test::ZipEntry(*zip, "xl/workbook.xml");
  ASSERT_TRUE(book);
  EXPECT_NE(book->find("<sheet name=\"一覧\""), std::string::npos);

  // A folder that is not there: reported, nothing left behind.
  EXPECT_FALSE(
      ExportXlsx(dir / "none" / "out.xlsx", columns, items, "x", &error, SpecialTarget::kRefuse));
  EXPECT_FALSE(error.what.empty());
}

}  // namespace
}  // namespace listora
