#include "core/app/settings_sets.h"

#include <gtest/gtest.h>

#include "core/base/profile.h"
#include "support/test_support.h"

namespace listora {
namespace {

TEST(SettingsSetsTest, DefaultsRoundTripThroughTheFileUnderTheirKeys) {
  test::TempDir dir;
  Profile profile(dir / "Listora.ini");
  const SettingsSet fresh = ReadDefaultSet(profile);
  EXPECT_EQ(fresh.userColumns, 4);  // Count 5, the icon column included
  EXPECT_EQ(fresh.list.text, 0x00FF00u);
  EXPECT_EQ(fresh.split3, 6000);
  EXPECT_EQ(fresh.imageSubPath, "img\\");

  SettingsSet s = fresh;
  s.list.fontName = test::Sj("IPAゴシック");
  s.list.fontSize = 120;
  s.tree.background = 0x123456;
  s.userColumns = 10;
  s.columnIcons = false;
  s.treeIcons = false;
  s.statusBar = false;
  s.showTree = false;
  s.split1 = 5000;
  s.imagePathMode = 2;
  s.imageSubPath = "pics/";
  s.copyImages = false;
  StartupSettings startup;
  startup.mode = 1;
  startup.left = -20;
  ASSERT_TRUE(WriteDefaults(profile, s, startup, {true, true}));

  const SettingsSet r = ReadDefaultSet(profile);
  EXPECT_EQ(r.list.fontName, s.list.fontName);
  EXPECT_EQ(r.list.fontSize, 120);
  EXPECT_EQ(r.tree.background, 0x123456u);
  EXPECT_EQ(r.userColumns, 10);
  EXPECT_EQ(profile.GetInt("Column", "Count", 0), 11);
  EXPECT_EQ(profile.GetInt("Column", "ICON", 1), 0);
  EXPECT_EQ(profile.GetInt("Other", "ICON", 1), 0);
  // The bar choices go under Main as well, for the frame's creation.
  EXPECT_EQ(profile.GetInt("Main", "MainStat", 1), 0);
  EXPECT_EQ(profile.GetInt("Other", "Status", 1), 0);
  EXPECT_FALSE(r.showTree);
  EXPECT_EQ(r.split1, 5000);
  EXPECT_EQ(r.imagePathMode, 2);
  EXPECT_EQ(r.imageSubPath, "pics/");
  EXPECT_FALSE(r.copyImages);
  EXPECT_TRUE(ReadProtectionSettings(profile).password);
  // The position and size are written only for the "given" mode.
  EXPECT_EQ(ReadStartupSettings(profile).mode, 1);
  EXPECT_EQ(profile.GetString("Main", "SizeLeft", "none"), "none");
  startup.mode = 2;
  ASSERT_TRUE(WriteDefaults(profile, s, startup, {}));
  EXPECT_EQ(ReadStartupSettings(profile).left, -20);
}

TEST(SettingsSetsTest, DocumentSetCopiesBackIntoTheRecordAndOnlyItsFields) {
  test::TempDir dir;
  DocumentSettings d;
  ResetDocumentSettings(Profile(dir / "none.ini"), d);
  SetFixedText(d.autoInsert.folder, "/keep");
  SettingsSet s = DocumentSet(d);
  EXPECT_EQ(s.userColumns, 4);
  s.text.fontSize = 140;
  s.text.fontName = std::string(80, 'x');  // longer than the field: cut, never overflowing
  s.userColumns = 0;                       // below the range: one column
  s.imageFit = 0;
  s.imageBackground = 0xFFFFFF;
  ApplyDocumentSet(s, d);
  EXPECT_EQ(d.styles.pane[ViewStyles::kText].fontSize, 140);
  EXPECT_EQ(FixedText(d.styles.pane[ViewStyles::kText].fontName).size(), 49u);
  EXPECT_EQ(d.columns.count, 2);
  EXPECT_EQ(d.display.imageFit, 0);
  EXPECT_EQ(d.styles.pane[ViewStyles::kImage].background, 0xFFFFFFu);
  EXPECT_EQ(FixedText(d.autoInsert.folder), "/keep");
}

TEST(SettingsSetsTest, PasswordAlwaysComesWithEncryption) {
  EXPECT_TRUE(AfterProtectionClick({true, false}).encrypt);
  EXPECT_TRUE(AfterProtectionClick({true, false}).password);
  EXPECT_FALSE(AfterProtectionClick({false, false}).encrypt);
  EXPECT_TRUE(AfterProtectionClick({false, true}).encrypt);
}

}  // namespace
}  // namespace listora
