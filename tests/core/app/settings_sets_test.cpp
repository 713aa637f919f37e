#include "core/app/settings_sets.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/base/settings_file.h"
#include "core/doc/columns.h"
#include "core/doc/document_settings.h"
#include "support/test_support.h"

namespace listora {
namespace {

TEST(SettingsSetsTest, DefaultsRoundTripThroughTheFileUnderTheirKeys) {
  test::TempDir dir;
  SettingsFile settingsFile(dir / "Listora.ini");
  const SettingsSet fresh = ReadDefaultSet(settingsFile);
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
  ASSERT_TRUE(WriteDefaults(settingsFile, s, startup, {true, true}));

  const SettingsSet r = ReadDefaultSet(settingsFile);
  EXPECT_EQ(r.list.fontName, s.list.fontName);
  EXPECT_EQ(r.list.fontSize, 120);
  EXPECT_EQ(r.tree.background, 0x123456u);
  EXPECT_EQ(r.userColumns, 10);
  EXPECT_EQ(settingsFile.GetInt("Column", "Count", 0), 11);
  EXPECT_EQ(settingsFile.GetInt("Column", "ICON", 1), 0);
  EXPECT_EQ(settingsFile.GetInt("Other", "ICON", 1), 0);
  // The bar choices go under Main as well, for the frame's creation.
  EXPECT_EQ(settingsFile.GetInt("Main", "MainStat", 1), 0);
  EXPECT_EQ(settingsFile.GetInt("Other", "Status", 1), 0);
  EXPECT_FALSE(r.showTree);
  EXPECT_EQ(r.split1, 5000);
  EXPECT_EQ(r.imagePathMode, 2);
  EXPECT_EQ(r.imageSubPath, "pics/");
  EXPECT_FALSE(r.copyImages);
  EXPECT_TRUE(ReadProtectionSettings(settingsFile).password);
  // The position and size are written only for the "given" mode.
  EXPECT_EQ(ReadStartupSettings(settingsFile).mode, 1);
  EXPECT_EQ(settingsFile.GetString("Main", "SizeLeft", "none"), "none");
  startup.mode = 2;
  ASSERT_TRUE(WriteDefaults(settingsFile, s, startup, {}));
  EXPECT_EQ(ReadStartupSettings(settingsFile).left, -20);
  // The start-up, bar and protection keys share the `Main` section, in the
  // order stored files hold them in.
  const std::string main =
      "[Main]\r\nSizeMax=2\r\nMainTool=1\r\nMainStat=0\r\nTreeTool=1\r\nPass=0\r\n"
      "Ango=0\r\nSizeLeft=-20\r\nSizeTop=0\r\nSizeWidth=800\r\nSizeHeight=600\r\n";
  EXPECT_EQ(test::ReadAll(settingsFile.File()).substr(0, main.size()), main);
}

TEST(SettingsSetsTest, DocumentSetCopiesBackIntoTheRecordAndOnlyItsFields) {
  test::TempDir dir;
  DocumentSettings d;
  ResetDocumentSettings(SettingsFile(dir / "none.ini"), d);
  SetFixedText(d.autoInsert.folder, "/keep");
  SettingsSet s = DocumentSet(d);
  EXPECT_EQ(s.userColumns, 4);
  s.text.fontSize = 140;
  s.text.fontName = std::string(80, 'x');  // longer than the field: cut, never overflowing
  s.userColumns = 0;                       // below the range: one column
  s.imageFit = 0;
  s.imageBackground = 0xFFFFFF;
  ApplyDocumentSet(s, d);
  EXPECT_EQ(d.styles.pane[PaneStyles::kText].fontSize, 140);
  EXPECT_EQ(FixedText(d.styles.pane[PaneStyles::kText].fontName).size(), 49u);
  EXPECT_EQ(d.columns.count, 2);
  EXPECT_EQ(d.display.imageFit, 0);
  EXPECT_EQ(d.styles.pane[PaneStyles::kImage].background, 0xFFFFFFu);
  EXPECT_EQ(FixedText(d.autoInsert.folder), "/keep");
}

bool operator==(const PaneStyle& a, const PaneStyle& b) {
  return a.background == b.background && a.text == b.text && a.fontSize == b.fontSize &&
         a.fontName == b.fontName;
}

bool operator==(const SettingsSet& a, const SettingsSet& b) {
  return a.list == b.list && a.tree == b.tree && a.text == b.text &&
         a.userColumns == b.userColumns && a.imageBackground == b.imageBackground &&
         a.imageFit == b.imageFit && a.mainToolBar == b.mainToolBar && a.statusBar == b.statusBar &&
         a.treeToolBar == b.treeToolBar && a.columnIcons == b.columnIcons &&
         a.treeIcons == b.treeIcons && a.showList == b.showList && a.showTree == b.showTree &&
         a.showText == b.showText && a.showImage == b.showImage && a.split1 == b.split1 &&
         a.split2 == b.split2 && a.split3 == b.split3 && a.imagePathMode == b.imagePathMode &&
         a.imageSubPath == b.imageSubPath && a.copyImages == b.copyImages;
}

// Random sets the dialog can produce, written as the defaults: the dialog
// reads each back as it was, and a new document is given exactly it.
TEST(SettingsSetsTest, DefaultSetAndNewDocumentAgreeOnEveryKey) {
  test::TempDir dir;
  SettingsFile settingsFile(dir / "Listora.ini");
  std::mt19937 random(20);
  const auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const auto style = [&] {
    return PaneStyle{static_cast<std::uint32_t>(pick(0, 0xFFFFFF)),
                     static_cast<std::uint32_t>(pick(0, 0xFFFFFF)), pick(1, 32767),
                     "font" + std::to_string(pick(0, 99))};
  };
  for (int round = 0; round < 50; ++round) {
    SettingsSet s;
    s.list = style();
    s.tree = style();
    s.text = style();
    s.userColumns = pick(1, kMaxColumns - 1);
    s.imageBackground = static_cast<std::uint32_t>(pick(0, 0xFFFFFF));
    s.imageFit = pick(0, 1);
    s.mainToolBar = pick(0, 1) != 0;
    s.statusBar = pick(0, 1) != 0;
    s.treeToolBar = pick(0, 1) != 0;
    s.columnIcons = pick(0, 1) != 0;
    s.treeIcons = pick(0, 1) != 0;
    s.showList = pick(0, 1) != 0;
    s.showTree = pick(0, 1) != 0;
    s.showText = pick(0, 1) != 0;
    s.showImage = pick(0, 1) != 0;
    s.split1 = pick(0, 10000);
    s.split2 = pick(0, 10000);
    s.split3 = pick(0, 10000);
    s.imagePathMode = pick(0, 2);
    s.imageSubPath = "img" + std::to_string(pick(0, 99)) + "\\";
    s.copyImages = pick(0, 1) != 0;
    ASSERT_TRUE(WriteDefaults(settingsFile, s, StartupSettings{}, ProtectionSettings{}));

    EXPECT_TRUE(ReadDefaultSet(settingsFile) == s) << round;
    DocumentSettings fresh;
    ResetDocumentSettings(settingsFile, fresh);
    EXPECT_TRUE(DocumentSet(fresh) == s) << round;
    EXPECT_EQ(ReadStartBars(settingsFile).statusBar, s.statusBar) << round;
  }
}

TEST(SettingsSetsTest, PasswordAlwaysComesWithEncryption) {
  EXPECT_TRUE(AfterProtectionClick({true, false}).encrypt);
  EXPECT_TRUE(AfterProtectionClick({true, false}).password);
  EXPECT_FALSE(AfterProtectionClick({false, false}).encrypt);
  EXPECT_TRUE(AfterProtectionClick({false, true}).encrypt);
}

}  // namespace
}  // namespace listora
