#include "core/print/header_footer.h"

#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "support/test_support.h"

namespace listora {
namespace {

PrintClock March5() { return {2024, 3, 5, "09:07:03"}; }

TEST(HeaderFooterTest, DefaultTemplates) {
  PageTextValues v;
  v.itemCount = 0;
  v.title = "list.ltb";
  v.clock = March5();
  EXPECT_EQ(ExpandPageText("%F %A", v), "list.ltb 0");
  EXPECT_EQ(ExpandPageText("%Y/%M/%D %P / %T", v), "2024/3/5 1 / 1");
  v.page = 2;
  v.pageCount = 3;
  v.itemCount = 25;
  EXPECT_EQ(ExpandPageText("%Y/%M/%D %P / %T", v), "2024/3/5 2 / 3");
  EXPECT_EQ(ExpandPageText("%H %P%P %a %%A", v), "09:07:03 22 %a %25");
}

TEST(HeaderFooterTest, CodesInTheTitle) {
  PageTextValues v;
  v.clock = March5();
  // Later codes brought in by the title are replaced, earlier ones are not.
  v.title = "%A%P%Y%H";
  EXPECT_EQ(ExpandPageText("%F", v), "%A%P202409:07:03");
  // The title's own code is not replaced again (nor looped on).
  v.title = "%F%F";
  EXPECT_EQ(ExpandPageText("[%F]", v), "[%F%F]");
  const std::string title = test::Sj("一覧表");
  v.title = title;
  EXPECT_EQ(ExpandPageText("%F", v), title);
}

TEST(HeaderFooterTest, LocalClock) {
  std::tm local{};
  local.tm_year = 124;
  local.tm_mon = 2;
  local.tm_mday = 5;
  local.tm_hour = 9;
  local.tm_min = 7;
  local.tm_sec = 3;
  local.tm_isdst = -1;
  const PrintClock clock = LocalPrintClock(std::mktime(&local));
  EXPECT_EQ(clock.year, 2024);
  EXPECT_EQ(clock.month, 3);
  EXPECT_EQ(clock.day, 5);
  EXPECT_EQ(clock.time, "09:07:03");

  // A time that local time cannot hold.
  PageTextValues v;
  v.clock = LocalPrintClock(std::numeric_limits<std::time_t>::max());
  EXPECT_EQ(ExpandPageText("%Y/%M/%D[%H]", v), "0/0/0[]");
}

}  // namespace
}  // namespace listora
