#include "core/app/window_placement.h"

#include <gtest/gtest.h>

#include "core/app/profile.h"
#include "support/test_support.h"

namespace listora {
namespace {

TEST(WindowPlacement, StartModesAndTheMinimumSize) {
  test::TempDir dir;
  Profile profile(dir / "Listora.ini");
  EXPECT_EQ(ReadWindowPlacement(profile).mode, StartMode::kMaximised);

  profile.WriteInt("Main", "SizeMax", 1);
  WindowPlacement p = ReadWindowPlacement(profile);
  EXPECT_EQ(p.mode, StartMode::kLastExit);
  EXPECT_EQ(p.rect.left, 0);
  EXPECT_EQ(p.rect.width, 860);  // the 800 default is held to the minimum
  EXPECT_EQ(p.rect.height, 600);

  profile.WriteInt("Main", "SizeMax", 2);
  profile.WriteInt("Main", "SizeLeft", 40);
  profile.WriteInt("Main", "SizeWidth", 1200);
  p = ReadWindowPlacement(profile);
  EXPECT_EQ(p.mode, StartMode::kGiven);
  EXPECT_EQ(p.rect.left, 40);
  EXPECT_EQ(p.rect.width, 1200);
}

TEST(WindowPlacement, ExitStoresTheRectangleOnlyInLastExitMode) {
  test::TempDir dir;
  Profile profile(dir / "Listora.ini");
  // A missing SizeMax counts as 1 at exit.
  ASSERT_TRUE(StoreWindowPlacementAtExit(profile, {10, 20, 900, 700}));
  EXPECT_EQ(profile.GetInt("Main", "SizeTop", -1), 20);
  EXPECT_EQ(profile.GetInt("Main", "SizeHeight", -1), 700);

  profile.WriteInt("Main", "SizeMax", 2);
  ASSERT_TRUE(StoreWindowPlacementAtExit(profile, {1, 2, 3, 4}));
  EXPECT_EQ(profile.GetInt("Main", "SizeLeft", -1), 10);
}

}  // namespace
}  // namespace listora
