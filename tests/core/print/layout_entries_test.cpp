#include "core/print/layout_entries.h"

#include <gtest/gtest.h>

#include "core/base/settings_file.h"
#include "core/print/print_layout.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::Sj;

TEST(LayoutSettingsTest, WrittenLayoutReadsBackAndKeepsTheRestOfTheFile) {
  test::TempDir dir;
  const auto file = dir / "Listora.ini";
  test::WriteAll(file, "[Main]\r\nPass=1\r\n[Layout]\r\nTop=7\r\n; note\r\n[View]\r\nList=0\r\n");
  SettingsFile settingsFile(file);

  PrintLayout l;
  l.fontName = Sj("ＭＳ 明朝");
  l.fontSize = 120;
  l.top = 100;
  l.left = 1;
  l.bottom = 0;
  l.right = 55;
  l.header = false;
  l.headerText = " %F ";  // blanks at the ends must survive the round trip
  l.headerPos = 2;
  l.footer = true;
  l.footerText = Sj("頁 %P / %T");
  l.footerPos = 0;
  ASSERT_TRUE(WritePrintLayout(settingsFile, l));

  const PrintLayout r = ReadPrintLayout(settingsFile);
  EXPECT_EQ(r.fontName, l.fontName);
  EXPECT_EQ(r.fontSize, 120);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.bottom, 0);
  EXPECT_EQ(r.right, 55);
  EXPECT_FALSE(r.header);
  EXPECT_EQ(r.headerText, " %F ");
  EXPECT_EQ(r.headerPos, 2);
  EXPECT_TRUE(r.footer);
  EXPECT_EQ(r.footerText, l.footerText);
  EXPECT_EQ(r.footerPos, 0);

  EXPECT_EQ(settingsFile.GetInt("Main", "Pass", 0), 1);
  EXPECT_EQ(settingsFile.GetInt("View", "List", 1), 0);
  const std::string bytes = test::ReadAll(file);
  EXPECT_NE(bytes.find("; note"), std::string::npos);
  EXPECT_NE(bytes.find("bHead=0\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("[Layout]"), bytes.rfind("[Layout]"));  // one section, keys added to it
}

TEST(LayoutSettingsTest, UnwritableFileIsReportedAndLeftAlone) {
  test::TempDir dir;
  SettingsFile settingsFile(dir / "missing-folder" / "Listora.ini");
  EXPECT_FALSE(WritePrintLayout(settingsFile, PrintLayout{}));
  EXPECT_FALSE(std::filesystem::exists(dir / "missing-folder"));
}

TEST(LayoutSettingsTest, MarginsAreWholeNumbersFromZeroToHundred) {
  EXPECT_EQ(ParseMargin("0").value, 0);
  EXPECT_EQ(ParseMargin(" 100 ").value, 100);
  EXPECT_TRUE(ParseMargin("100").ok());
  EXPECT_EQ(ParseMargin("101").status, NumberEntry::kOutOfRange);
  EXPECT_EQ(ParseMargin("99999999999999999999999").status, NumberEntry::kOutOfRange);
  for (const char* bad : {"", " ", "-1", "+1", "1e2", "10mm", "５"}) {
    EXPECT_EQ(ParseMargin(bad).status, NumberEntry::kNotNumber) << bad;
  }
  EXPECT_EQ(UnsignedEntryMessage(ParseMargin("101"), kMarginMin, kMarginMax),
            "0 から 100 までの整数を入力してください。");
  EXPECT_EQ(UnsignedEntryMessage(ParseMargin("x"), kMarginMin, kMarginMax),
            "正の整数を入力してください。");
}

TEST(LayoutSettingsTest, FontSizeIsReadLikeAtoiWithoutRange) {
  EXPECT_EQ(ParseFontSize("50"), 50);
  EXPECT_EQ(ParseFontSize("  80pt"), 80);
  EXPECT_EQ(ParseFontSize("1000"), 1000);
  EXPECT_EQ(ParseFontSize(""), 0);
  EXPECT_EQ(ParseFontSize("abc"), 0);
  EXPECT_EQ(ParseFontSize("-5"), -5);
  EXPECT_EQ(ParseFontSize("99999999999999"), 2147483647);
  EXPECT_EQ(ParseFontSize("-99999999999999"), -2147483647 - 1);
}

TEST(LayoutSettingsTest, CodesAreAppendedAtTheEnd) {
  EXPECT_EQ(AppendPageTextCode("%Y/%M", 3), "%Y/%M%F");
  EXPECT_EQ(AppendPageTextCode("", 7), "%H");
  EXPECT_EQ(AppendPageTextCode("x", 8), "x");
  EXPECT_EQ(AppendPageTextCode("x", -1), "x");
}

}  // namespace
}  // namespace listora
