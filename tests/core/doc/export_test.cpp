#include "core/doc/export.h"

#include <gtest/gtest.h>

#include "core/doc/columns.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::Sj;

struct Table {
  ColumnDescriptors columns{};
  ItemTable items;
  Table(std::vector<std::string> names, std::vector<std::vector<std::string>> rows) {
    columns.count = static_cast<std::uint16_t>(names.size() + 1);
    for (int i = 0; i < kMaxColumns; ++i) SetDefaultColumn(columns, i);
    for (std::size_t i = 0; i < names.size(); ++i) SetFixedText(columns.names[i + 1], names[i]);
    for (const auto& row : rows) {
      ItemFields f;
      f.columns[0] = "0";
      for (std::size_t i = 0; i < row.size(); ++i) f.columns[i + 1] = row[i];
      f.memo = "not exported";
      items.AppendRow(f);
    }
  }
};

TEST(Export, ProposedNames) {
  EXPECT_EQ(ProposeExportName("a.b.ltb", ExportFormat::kText), "a.txt");
  EXPECT_EQ(ProposeExportName("a.b.ltb", ExportFormat::kHtml), "a.htm");
  EXPECT_EQ(ProposeExportName(Sj("無題"), ExportFormat::kCsv), Sj("無題") + ".csv");
  EXPECT_EQ(ProposeExportName("", ExportFormat::kText), ".txt");
}

TEST(Export, TextDropsTrailingSeparatorsOnly) {
  Table t({Sj("名前"), Sj("数")}, {{"x", ""}});
  EXPECT_EQ(ExportText(t.columns, t.items), Sj("名前") + "/" + Sj("数") + "\r\n\r\nx\r\n");
  Table three({"a", "b", "c"}, {{"1", "", "3"}, {"1", "", ""}, {"", "", ""}});
  EXPECT_EQ(ExportText(three.columns, three.items), "a/b/c\r\n\r\n1//3\r\n1\r\n\r\n");
}

TEST(Export, CsvQuotesEveryFieldAndDoublesInnerQuotes) {
  Table t({Sj("名前"), Sj("数")}, {{"x", ""}, {"say \"hi\"", "a,b"}});
  EXPECT_EQ(ExportCsv(t.columns, t.items), "\"" + Sj("名前") + "\",\"" + Sj("数") +
                                               "\"\r\n\r\n\"x\",\"\"\r\n"
                                               "\"say \"\"hi\"\"\",\"a,b\"\r\n");
}

TEST(Export, HtmlPage) {
  Table t({"A&B", "Num"}, {{"<b>bold</b>", "&amp;"}});
  t.columns.formats[2] = kFormatRight | kFormatImage;
  t.columns.widths[1] = 120;
  StoredPaneStyle style{};
  style.background = 0x00800000;  // RGB(0, 0, 128)
  style.text = 0x000000FF;        // pure red
  const std::string page = ExportHtml(t.columns, style, t.items, "doc.ltb");
  EXPECT_EQ(page.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n", 0),
            0u);
  EXPECT_NE(page.find("<title>doc.ltb</title>"), std::string::npos);
  EXPECT_NE(page.find("<body text=\"#FF0000\" bgcolor=\"#ffffff\">"), std::string::npos);
  EXPECT_NE(page.find("<table bgcolor=\"#000080\" border=\"1\" summary=\"" + Sj("データ") + "\">"),
            std::string::npos);
  EXPECT_NE(page.find("<col width=\"120\">\r\n<col width=\"100\" align=\"right\">\r\n"),
            std::string::npos);
  EXPECT_NE(page.find("\t<th abbr=\"" + Sj("カラム名") + "\">A&amp;B</th>\r\n"), std::string::npos);
  EXPECT_NE(page.find("\t<td><b>bold</b></td>\r\n\t<td>&amp;amp;</td>\r\n</tr>\r\n"),
            std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 26), "</table>\r\n</body>\r\n</html>");

  // The image flag alone does not align a column.
  t.columns.formats[2] = kFormatImage;
  const std::string imageOnly = ExportHtml(t.columns, style, t.items, "doc.ltb");
  EXPECT_NE(imageOnly.find("<col width=\"120\">\r\n<col width=\"100\">\r\n"), std::string::npos);
  EXPECT_EQ(imageOnly.find("align=\"right\""), std::string::npos);
}

TEST(Export, KeptCharactersReachTheBrowserAsCharacters) {
  // "한" and "😀" are stored as references; any other "&" stays escaped.
  Table t({Sj("名前")}, {{Sj("한 &#x41; &#xD800; 😀")}});
  EXPECT_EQ(ExportText(t.columns, t.items),
            Sj("名前") + "\r\n\r\n&#xD55C; &#x41; &#xD800; &#x1F600;\r\n");
  EXPECT_NE(ExportCsv(t.columns, t.items).find("\"&#xD55C; &#x41; &#xD800; &#x1F600;\""),
            std::string::npos);
  EXPECT_NE(ExportHtml(t.columns, {}, t.items, Sj("한.ltb"))
                .find("<td>&#xD55C; &amp;#x41; &amp;#xD800; &#x1F600;</td>"),
            std::string::npos);
  EXPECT_NE(ExportHtml(t.columns, {}, t.items, Sj("한.ltb")).find("<title>&#xD55C;.ltb</title>"),
            std::string::npos);
}

TEST(Export, Utf8WritesEveryCharacterAsItself) {
  // Typed: references to characters code page 932 lacks, a typed reference,
  // "¥" and "‾"; stored "\\" and "~" stay what they are.
  Table t({Sj("名前"), "Q"}, {{Sj("한국어😀 ¥100 ‾ \\~"), Sj("&#x41; & \"q\"")}});
  EXPECT_EQ(ExportText(t.columns, t.items, ExportEncoding::kUtf8),
            "名前/Q\r\n\r\n한국어😀 ¥100 ‾ \\~/&#x41; & \"q\"\r\n");
  EXPECT_EQ(ExportCsv(t.columns, t.items, ExportEncoding::kUtf8),
            "\xEF\xBB\xBF\"名前\",\"Q\"\r\n\r\n\"한국어😀 ¥100 ‾ \\~\",\"&#x41; & \"\"q\"\"\"\r\n");
  const std::string page = ExportHtml(t.columns, {}, t.items, Sj("한&.ltb"), ExportEncoding::kUtf8);
  for (const std::string part :
       {"content=\"text/html;charset=UTF-8\"", "<title>한&amp;.ltb</title>", "summary=\"データ\"",
        "<th abbr=\"カラム名\">名前</th>",
        "<td>한국어😀 ¥100 ‾ \\~</td>\r\n\t<td>&amp;#x41; &amp; \"q\"</td>"})
    EXPECT_NE(page.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace listora
