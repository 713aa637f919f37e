#include "core/doc/document_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/base/settings_file.h"
#include "core/doc/columns.h"
#include "core/print/print_layout.h"
#include "core/tools/auto_insert_settings.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::Sj;

template <typename T, typename Block>
T At(const Block& block, std::size_t offset) {
  T value;
  std::memcpy(&value, reinterpret_cast<const char*>(&block) + offset, sizeof value);
  return value;
}

template <typename Block>
std::string TextAt(const Block& block, std::size_t offset) {
  return reinterpret_cast<const char*>(&block) + offset;
}

TEST(SettingsTest, NoSettingsFileGivesTheDefaults) {
  test::TempDir dir;
  const SettingsFile settingsFile(dir / "Listora.ini");
  DocumentSettings s;
  std::memset(&s, 0xAB, sizeof s);
  ResetDocumentSettings(settingsFile, s);

  EXPECT_EQ(s.layout.showList + s.layout.showTree + s.layout.showText + s.layout.showImage, 4);
  EXPECT_EQ(s.layout.split1, 7000);
  EXPECT_EQ(s.layout.split2, 7000);
  EXPECT_EQ(s.layout.split3, 6000);
  for (const StoredPaneStyle& style : s.styles.pane) {
    EXPECT_EQ(style.background, 0u);
    EXPECT_EQ(style.text, 0x00FF00u);
    EXPECT_EQ(style.fontSize, 90);
    EXPECT_EQ(FixedText(style.fontName), Sj("ＭＳ Ｐゴシック"));
    EXPECT_EQ(style.fontName[sizeof style.fontName - 1], 0);
  }
  EXPECT_EQ(s.display.imageFit, 1);
  EXPECT_EQ(s.display.imagePathMode, 0);
  EXPECT_EQ(FixedText(s.display.imageSubPath), "img\\");

  const AutoInsertSettings& a = s.autoInsert;
  EXPECT_EQ(FixedText(a.folder), "C:\\");
  EXPECT_EQ(FixedText(a.pattern), "*");
  EXPECT_EQ(a.lastColumn, 1);
  EXPECT_EQ(FixedText(a.serialText), "Sample *");
  for (int n = 1; n < kMaxColumns; ++n) EXPECT_EQ(a.kinds[n], n - 1);
  for (const auto& text : a.fixedTexts) EXPECT_EQ(FixedText(text), "");
  EXPECT_EQ(a.patternWasEmpty + a.padding[0] + a.padding[1], 0);

  const ColumnDescriptors& c = s.columns;
  EXPECT_EQ(c.count, 5);
  EXPECT_EQ(c.headerIcons, 1);
  EXPECT_EQ(FixedText(c.names[0]), "");
  EXPECT_EQ(c.widths[0], 30);
  EXPECT_EQ(c.formats[0], kFormatRight);
  for (int n = 1; n < kMaxColumns; ++n) {
    EXPECT_EQ(FixedText(c.names[n]), "No." + std::to_string(n));
    EXPECT_EQ(c.widths[n], 100);
    EXPECT_EQ(c.formats[n], 0);
  }

  const PrintLayout l = ReadPrintLayout(settingsFile);
  EXPECT_EQ(l.fontName, Sj("ＭＳ Ｐゴシック"));
  EXPECT_TRUE(l.header && l.footer);
  EXPECT_EQ(l.footerText, "%Y/%M/%D %P / %T");
  EXPECT_EQ(ReadAttributeSkipMask(settingsFile), kAttrSystem | kAttrHidden);
}

TEST(SettingsTest, HandEditedValuesAreHeldToTheirFields) {
  test::TempDir dir;
  // 48 ASCII bytes and a double-byte character on bytes 49 and 50: the
  // 49-byte field cannot take the character's trail byte, so both go.
  const std::string longFont = std::string(48, 'F') + Sj("体");
  test::WriteAll(dir / "Listora.ini", "[List]\nFontName=" + longFont +
                                          "\nFontSize=100000\n"
                                          "[Column]\nCount=1\nICON=0\n"
                                          "[Image]\nRadio=7\n"
                                          "[Auto]\nNo.3=42\nNo.4=10\nSel=0\nSub=2\n"
                                          "[Layout]\nbHead=5\nbFoot=0\n"
                                          "[Attribute]\nread=0\nsys=1\nhide=1\n");
  SettingsFile settingsFile(dir / "Listora.ini");
  DocumentSettings s;
  ResetDocumentSettings(settingsFile, s);
  EXPECT_EQ(FixedText(s.styles.pane[PaneStyles::kList].fontName), std::string(48, 'F'));
  EXPECT_EQ(s.styles.pane[PaneStyles::kList].fontSize, 32767);
  EXPECT_EQ(s.columns.count, 2);
  EXPECT_EQ(s.columns.headerIcons, 0);
  EXPECT_EQ(s.display.imagePathMode, 0);
  EXPECT_EQ(s.autoInsert.kinds[3], 2);
  EXPECT_EQ(s.autoInsert.kinds[4], 10);
  EXPECT_EQ(s.autoInsert.lastColumn, 1);
  EXPECT_EQ(s.autoInsert.subFolders, 1);
  const PrintLayout l = ReadPrintLayout(settingsFile);
  EXPECT_TRUE(l.header);
  EXPECT_FALSE(l.footer);
  EXPECT_EQ(ReadAttributeSkipMask(settingsFile), kAttrReadOnly);

  ASSERT_TRUE(settingsFile.WriteInt("Column", "Count", 40));
  ResetDocumentSettings(settingsFile, s);
  EXPECT_EQ(s.columns.count, kMaxColumns);

  char field[4];
  std::memcpy(field, "ABCD", 4);
  EXPECT_EQ(FixedText(field), "ABCD");  // no NUL: never read past the field
  SetFixedText(field, "xy");
  EXPECT_EQ(std::string(field, 4), std::string("xy\0\0", 4));
  // A column name (99 bytes) of characters kept as references loses whole
  // ones at its end.
  std::string hangul;
  for (int i = 0; i < 13; ++i) hangul += Sj("한");  // 8 bytes each
  char name[100];
  SetFixedText(name, hangul);
  EXPECT_EQ(FixedText(name), hangul.substr(0, 96));
}

TEST(SettingsTest, BlocksHaveTheirStoredByteLayout) {
  test::TempDir dir;
  test::WriteAll(
      dir / "Listora.ini",
      "[View]\r\nSplit2=1234\r\n[Text]\r\nTXCOLOR=1193046\r\nFontName=Mono\r\n"
      "[Column]\r\nCount=7\r\n[Auto]\r\nNo.10=3\r\nRenTxt=Pic *\r\nRenStart=-5\r\nSel=6\r\n"
      "[Image]\r\nRadio=2\r\nEdit=pics\\\r\nCopy=0\r\n");
  DocumentSettings s;
  ResetDocumentSettings(SettingsFile(dir / "Listora.ini"), s);

  EXPECT_EQ(At<std::int32_t>(s.layout, 8), 1234);
  EXPECT_EQ(At<std::uint32_t>(s.styles, 2 * 60 + 4), 0x123456u);
  EXPECT_EQ(TextAt(s.styles, 2 * 60 + 10), "Mono");
  EXPECT_EQ(At<std::int32_t>(s.columns, 44), kFormatRight);
  EXPECT_EQ(TextAt(s.columns, 88 + 3 * 100), "No.3");
  EXPECT_EQ(At<std::uint16_t>(s.columns, 1188), 7);
  EXPECT_EQ(At<std::uint16_t>(s.columns, 1190), 1);
  EXPECT_EQ(At<std::uint8_t>(s.autoInsert, 311 + 10), 3);
  EXPECT_EQ(TextAt(s.autoInsert, 1422), "Pic *");
  EXPECT_EQ(At<std::int32_t>(s.autoInsert, 1524), -5);
  EXPECT_EQ(At<std::uint8_t>(s.autoInsert, 1533), 6);
  EXPECT_EQ(At<std::uint8_t>(s.display, 5), 2);
  EXPECT_EQ(TextAt(s.display, 6), "pics\\");
  EXPECT_EQ(At<std::int32_t>(s.display, 108), 0);
}

TEST(SettingsTest, ShownColumnsFollowTheHeaderIconSwitch) {
  ColumnDescriptors c{};
  SetFixedText(c.names[0], "stray");
  c.count = 4;
  c.headerIcons = 3;
  const std::int32_t formats[] = {0, 0x801, 0x2, 0x800, 0x7};
  std::memcpy(c.formats, formats, sizeof formats);
  NormaliseShownColumns(c);
  EXPECT_EQ(FixedText(c.names[0]), "");
  EXPECT_EQ(c.widths[0], 30);
  EXPECT_EQ(c.formats[0], 0x801);
  EXPECT_EQ(c.formats[1], 0x801);
  EXPECT_EQ(c.formats[2], 0x800);
  EXPECT_EQ(c.formats[3], 0x800);
  EXPECT_EQ(c.formats[4], 0x7);  // beyond the count: untouched
  EXPECT_EQ(c.headerIcons, 1);

  c.headerIcons = 0;
  NormaliseShownColumns(c);
  EXPECT_EQ(c.formats[0], 0x801);
  EXPECT_EQ(c.formats[1], 0x1);
  EXPECT_EQ(c.formats[3], 0x0);
  EXPECT_EQ(c.headerIcons, 0);

  c.count = 0;
  NormaliseShownColumns(c);
  EXPECT_EQ(c.count, kMinColumns);
}

}  // namespace
}  // namespace listora
