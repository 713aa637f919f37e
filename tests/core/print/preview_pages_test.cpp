#include "core/print/preview_pages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/base/settings_file.h"
#include "support/test_support.h"

namespace listora {
namespace {

TEST(PreviewPagesTest, KeptOnlyOnceKnownAndOnlyAsAPageCountThePreviewCanShow) {
  test::TempDir dir;
  const auto file = dir / "Listora.ini";
  SettingsFile settingsFile(file);
  EXPECT_EQ(ReadPreviewPages(settingsFile), 0);
  // Not known: the settings file is not even created.
  ASSERT_TRUE(SavePreviewPages(settingsFile, 0));
  EXPECT_FALSE(std::filesystem::exists(file));

  ASSERT_TRUE(SavePreviewPages(settingsFile, kTablePreviewPages));
  EXPECT_EQ(settingsFile.GetString("Settings", "PreviewPages", ""), "1");
  EXPECT_EQ(ReadPreviewPages(settingsFile), 1);

  for (const char* stored : {"2", "0", "-1", "3", "x"}) {
    test::WriteAll(file, std::string("[Settings]\r\nPreviewPages=") + stored + "\r\n");
    EXPECT_EQ(ReadPreviewPages(SettingsFile(file)), stored[0] == '2' ? 2 : 0) << stored;
  }
  // A count read as not known leaves what the file holds.
  ASSERT_TRUE(SavePreviewPages(settingsFile, ReadPreviewPages(settingsFile)));
  EXPECT_EQ(settingsFile.GetString("Settings", "PreviewPages", ""), "x");
}

}  // namespace
}  // namespace listora
