// The image pane's rules: fitted and actual-size drawing, panning limits,
// the information text and which dropped files it takes.

#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "core/panes/image_files.h"
#include "core/panes/image_fit.h"
#include "core/panes/image_info.h"
#include "support/test_support.h"

namespace listora {
namespace {

TEST(ImageFit, ScalesToTheLongerSideAndCentres) {
  EXPECT_EQ(FitPictureRect(400, 300, 200, 200), (PixelRect{0, 25, 200, 150}));
  EXPECT_EQ(FitPictureRect(100, 400, 200, 200), (PixelRect{75, 0, 50, 200}));
  // Smaller pictures are enlarged as well.
  EXPECT_EQ(FitPictureRect(50, 50, 200, 200), (PixelRect{0, 0, 200, 200}));
  // Truncating integer arithmetic: 333 * 100 / 1000 = 33, (100 - 33) / 2 = 33.
  EXPECT_EQ(FitPictureRect(333, 1000, 100, 100), (PixelRect{33, 0, 33, 100}));
  // Cross products beyond 32 bits.
  EXPECT_EQ(FitPictureRect(60000, 30000, 60000, 60000), (PixelRect{0, 15000, 60000, 30000}));
  // Nothing to draw, and no division by zero.
  EXPECT_EQ(FitPictureRect(0, 10, 200, 200), PixelRect{});
  EXPECT_EQ(FitPictureRect(10, 10, 0, 200), PixelRect{});
}

TEST(ImageFit, ActualSizeCoversAtMostThePane) {
  EXPECT_EQ(ActualSizeRect(1000, 800, 400, 300), (PixelRect{0, 0, 400, 300}));
  EXPECT_EQ(ActualSizeRect(100, 80, 400, 300), (PixelRect{0, 0, 100, 80}));
  EXPECT_EQ(ActualSizeRect(100, 80, -5, 300), (PixelRect{0, 0, 0, 80}));
}

TEST(ImageFit, PanStopsWhereTheFarEdgesMeet) {
  // 1000 x 800 picture in a 400 x 300 pane.
  EXPECT_EQ(ClampPanOffset(-250, 400, 1000), -250);
  EXPECT_EQ(ClampPanOffset(-900, 400, 1000), -600);
  EXPECT_EQ(ClampPanOffset(-900, 300, 800), -500);
  EXPECT_EQ(ClampPanOffset(40, 400, 1000), 0);
  // A picture smaller than the pane cannot move.
  EXPECT_EQ(ClampPanOffset(-30, 400, 100), 0);
  EXPECT_EQ(ClampPanOffset(std::numeric_limits<long long>::min(), 400, 1000), -600);
}

TEST(ImageInfo, TextHasTheLabelsSizesAndTimes) {
  test::ScopedEnv tz("TZ", "JST-9");
  tzset();
  ImageFileInfo info;
  info.fileName = test::Sj("写真.jpg");
  info.size = 1234567;
  info.width = 1024;
  info.height = 768;
  info.created = 0;
  info.written = 1700000000;
  info.accessed = 1700000001;
  EXPECT_EQ(ImageInfoText(info),
            test::Sj(" ﾌｧｲﾙ名\t写真.jpg\n ﾌｧｲﾙｻｲｽﾞ\t1,234,567 ﾊﾞｲﾄ\n 画像ｻｲｽﾞ\t1,024 x 768 ﾋﾟｸｾﾙ\n"
                     "----------------------------------\n"
                     " 作成日時\t1970年01月01日、09:00:00\n"
                     " 更新日時\t2023年11月15日、07:13:20\n"
                     " ｱｸｾｽ日時\t2023年11月15日、07:13:21"));
  // The labels are single-byte katakana.
  EXPECT_EQ(ImageInfoText(info).substr(0, 7), "\x20\xcc\xa7\xb2\xd9\x96\xbc");
}

TEST(ImageInfo, DescribesTheFileOrLeavesZerosWhenItHasGone) {
  test::TempDir dir;
  test::WriteAll(dir / "pic.bmp", std::string(1500, 'x'));
  const std::time_t before = std::time(nullptr);
  ImageFileInfo info = DescribeImageFile(dir / "pic.bmp", 20, 10);
  EXPECT_EQ(info.fileName, "pic.bmp");
  EXPECT_EQ(info.size, 1500u);
  EXPECT_EQ(info.width, 20);
  EXPECT_EQ(info.height, 10);
  EXPECT_NEAR(static_cast<double>(info.written), static_cast<double>(before), 5.0);
  EXPECT_NEAR(static_cast<double>(info.accessed), static_cast<double>(before), 5.0);
  EXPECT_NEAR(static_cast<double>(info.created), static_cast<double>(before), 5.0);

  info = DescribeImageFile(dir / "gone.bmp", 20, 10);
  EXPECT_EQ(info.fileName, "gone.bmp");
  EXPECT_EQ(info.size, 0u);
  EXPECT_EQ(info.written, 0);
}

TEST(ImageFiles, OnlyJpegBmpAndGifByExtension) {
  EXPECT_TRUE(IsDroppableImageName("/p/a.jpg"));
  EXPECT_TRUE(IsDroppableImageName("/p/a.JPEG"));
  EXPECT_TRUE(IsDroppableImageName("/p/a.b.Bmp"));
  EXPECT_TRUE(IsDroppableImageName("C:\\p\\a.gif"));
  EXPECT_FALSE(IsDroppableImageName("/p/a.png"));
  EXPECT_FALSE(IsDroppableImageName("/p/a.jpg.txt"));
  EXPECT_FALSE(IsDroppableImageName("/p/jpg"));
  EXPECT_FALSE(IsDroppableImageName("/p.jpg/readme"));
  EXPECT_FALSE(IsDroppableImageName(""));
}

}  // namespace
}  // namespace listora
