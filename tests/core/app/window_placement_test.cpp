#include "core/app/window_placement.h"

#include <gtest/gtest.h>

#include "core/base/settings_file.h"
#include "support/test_support.h"

namespace listora {
namespace {

TEST(WindowPlacement, StartModesAndTheMinimumSize) {
  test::TempDir dir;
  SettingsFile settingsFile(dir / "Listora.ini");
  EXPECT_EQ(ReadWindowPlacement(settingsFile).mode, StartMode::kMaximised);

  settingsFile.WriteInt("Main", "SizeMax", 1);
  WindowPlacement p = ReadWindowPlacement(settingsFile);
  EXPECT_EQ(p.mode, StartMode::kLastExit);
  EXPECT_EQ(p.rect.left, 0);
  EXPECT_EQ(p.rect.width, 860);  // the 800 default is held to the minimum
  EXPECT_EQ(p.rect.height, 600);

  settingsFile.WriteInt("Main", "SizeMax", 2);
  settingsFile.WriteInt("Main", "SizeLeft", 40);
  settingsFile.WriteInt("Main", "SizeWidth", 1200);
  p = ReadWindowPlacement(settingsFile);
  EXPECT_EQ(p.mode, StartMode::kGiven);
  EXPECT_EQ(p.rect.left, 40);
  EXPECT_EQ(p.rect.width, 1200);

  // Nothing beyond what the window system can address.
  settingsFile.WriteInt("Main", "SizeLeft", -2147483647);
  settingsFile.WriteInt("Main", "SizeWidth", 2147483647);
  p = ReadWindowPlacement(settingsFile);
  EXPECT_EQ(p.rect.left, -kMaxWindowExtent);
  EXPECT_EQ(p.rect.width, kMaxWindowExtent);
}

// Two screens side by side, the second one lower.
const WindowRect kScreens[] = {{0, 0, 1280, 1024}, {1280, 200, 1024, 768}};

TEST(WindowPlacement, ExitStoresTheRectangleOnlyInLastExitModeAndWhenReachable) {
  test::TempDir dir;
  SettingsFile settingsFile(dir / "Listora.ini");
  // A missing SizeMax counts as 1 at exit.
  ASSERT_TRUE(StoreWindowPlacementAtExit(settingsFile, {10, 20, 900, 700}, kScreens));
  EXPECT_EQ(settingsFile.GetInt("Main", "SizeTop", -1), 20);
  EXPECT_EQ(settingsFile.GetInt("Main", "SizeHeight", -1), 700);
  // A window lost off every screen is not made the next start's place.
  ASSERT_TRUE(StoreWindowPlacementAtExit(settingsFile, {-31072, -31072, 900, 700}, kScreens));
  EXPECT_EQ(settingsFile.GetInt("Main", "SizeLeft", -1), 10);

  settingsFile.WriteInt("Main", "SizeMax", 2);
  ASSERT_TRUE(StoreWindowPlacementAtExit(settingsFile, {1, 2, 3, 4}, kScreens));
  EXPECT_EQ(settingsFile.GetInt("Main", "SizeLeft", -1), 10);
}

TEST(WindowPlacement, AWindowWithoutAReachablePartIsCentredOnThePrimaryScreen) {
  const WindowRect centred{210, 212, 860, 600};
  struct Case {
    WindowRect stored;
    bool reachable;
  } cases[] = {
      {{10, 20, 900, 700}, true},
      {{1300, 300, 900, 700}, true},             // on the second screen only
      {{1240, 100, 900, 700}, true},             // on both
      {{1280 - 64, 1024 - 32, 900, 700}, true},  // just a title bar's worth
      {{1280 - 63, 1024 - 32, 900, 700}, false},
      {{1300, 100, 900, 120}, false},  // beside the first, above the second
      {{100000, 100000, 860, 600}, false},
      {{-31072, -31072, 860, 600}, false},
      {{-2000000000, 0, 2000000000, 600}, false},  // ends short of the screen
      {{2147483000, 0, 2000, 600}, false},         // would end past the int range
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsReachable(c.stored, kScreens), c.reachable) << c.stored.left << "," << c.stored.top;
    const WindowRect placed = ReachableRect(c.stored, kScreens, kScreens[0]);
    const WindowRect& expected = c.reachable ? c.stored : centred;
    EXPECT_EQ(placed.left, expected.left);
    EXPECT_EQ(placed.top, expected.top);
    EXPECT_EQ(placed.width, expected.width);
    EXPECT_EQ(placed.height, expected.height);
  }
  // A primary screen smaller than the default size holds the whole window.
  const WindowRect small{0, 0, 640, 480};
  const WindowRect placed = ReachableRect({5000, 5000, 900, 700}, {&small, 1}, small);
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.width, 640);
  EXPECT_EQ(placed.height, 480);
  EXPECT_FALSE(IsReachable({0, 0, 900, 700}, {}));
}

}  // namespace
}  // namespace listora
