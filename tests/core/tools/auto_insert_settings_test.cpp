#include "core/tools/auto_insert_settings.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace listora {
namespace {

TEST(AutoInsertSettingsTest, DialogStoresAndWritesDefaults) {
  AutoInsertSettings dialog{};
  AutoInsertSettings document{};
  document.kinds[4] = 7;
  EXPECT_FALSE(StoreInsertDialog(dialog, 3, document));  // empty folder: refused

  SetFixedText(dialog.folder, "/data");
  SetInsertPattern(dialog, "");
  dialog.subFolders = 1;
  dialog.lastColumn = 2;
  for (int c = 1; c < kMaxColumns; ++c) dialog.kinds[c] = 10;
  SetFixedText(dialog.fixedTexts[1], test::Sj("固定"));
  SetFixedText(dialog.serialText, "No.*");
  dialog.serialStart = 8;
  dialog.serialDigits = 3;
  ASSERT_TRUE(StoreInsertDialog(dialog, 3, document));
  EXPECT_EQ(FixedText(document.folder), "/data");
  EXPECT_EQ(document.patternWasEmpty, 1);
  EXPECT_EQ(document.kinds[2], 10);
  EXPECT_EQ(document.kinds[4], 7);  // beyond the document's columns
  EXPECT_EQ(FixedText(document.fixedTexts[1]), test::Sj("固定"));
  SetInsertPattern(document, "jpg");
  EXPECT_EQ(document.patternWasEmpty, 0);

  test::TempDir dir;
  SettingsFile settingsFile(dir / "Listora.ini");
  SetInsertPattern(dialog, "jpg -tmp");
  ASSERT_TRUE(WriteAutoInsertDefaults(settingsFile, dialog));
  DocumentSettings fresh{};
  ResetDocumentSettings(settingsFile, fresh);
  const AutoInsertSettings& a = fresh.autoInsert;
  EXPECT_EQ(FixedText(a.folder), "/data");
  EXPECT_EQ(FixedText(a.pattern), "jpg -tmp");
  EXPECT_EQ(FixedText(a.serialText), "No.*");
  EXPECT_EQ(a.serialStart, 8);
  EXPECT_EQ(a.serialDigits, 3);
  EXPECT_EQ(a.subFolders, 1);
  EXPECT_EQ(a.lastColumn, 2);
  EXPECT_EQ(a.kinds[10], 10);
  EXPECT_EQ(FixedText(a.fixedTexts[1]), "");  // input texts stay with the document

  EXPECT_TRUE(WriteAttributeChoices(settingsFile, {false, true, true}));
  const AttributeChoices back = ReadAttributeChoices(settingsFile);
  EXPECT_FALSE(back.readOnly);
  EXPECT_TRUE(back.system && back.hidden);
  EXPECT_EQ(ReadAttributeSkipMask(settingsFile), kAttrReadOnly);
}

// Values from a document made elsewhere or edited by hand: the dialog starts
// from what its controls can show, in a folder that can exist here.
TEST(AutoInsertSettingsTest, DialogStartHoldsValuesToTheControls) {
  AutoInsertSettings document{};
  SetFixedText(document.folder, "C:\\");
  document.lastColumn = 9;
  document.kinds[2] = 200;
  document.kinds[3] = 10;
  document.serialDigits = 0;
  document.serialStart = -5;
  AutoInsertSettings start = InsertDialogStart(document, 4, "/home/u");
  EXPECT_EQ(FixedText(start.folder), "/home/u");
  EXPECT_EQ(start.lastColumn, 3);
  EXPECT_EQ(start.kinds[2], 10);
  EXPECT_EQ(start.kinds[3], 10);
  EXPECT_EQ(start.serialDigits, 1);
  EXPECT_EQ(start.serialStart, 0);
  document.serialDigits = 40;
  document.lastColumn = 0;
  SetFixedText(document.folder, "/data/photos");
  start = InsertDialogStart(document, 4, "/home/u");
  EXPECT_EQ(start.serialDigits, 9);
  EXPECT_EQ(start.lastColumn, 1);
  EXPECT_EQ(FixedText(start.folder), "/data/photos");
  SetFixedText(document.folder, "d:/pics");
  EXPECT_EQ(FixedText(InsertDialogStart(document, 4, "/h").folder), "/h");
}

}  // namespace
}  // namespace listora
