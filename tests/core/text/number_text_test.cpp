#include "core/text/number_text.h"

#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "support/test_support.h"

namespace listora {
namespace {

TEST(NumberTextTest, GroupsDigitsByThree) {
  EXPECT_EQ(GroupedNumberText(0), "0");
  EXPECT_EQ(GroupedNumberText(999), "999");
  EXPECT_EQ(GroupedNumberText(1000), "1,000");
  EXPECT_EQ(GroupedNumberText(1234567), "1,234,567");
  EXPECT_EQ(GroupedNumberText(std::numeric_limits<std::uint64_t>::max()),
            "18,446,744,073,709,551,615");
}

TEST(NumberTextTest, DateTimeTextIsLocalTimeInCp932OrMarksFailure) {
  {
    test::ScopedEnv tz("TZ", "JST-9");
    tzset();
    EXPECT_EQ(DateTimeText(0), test::Sj("1970年01月01日、09:00:00"));
    EXPECT_EQ(DateTimeText(1700000000), test::Sj("2023年11月15日、07:13:20"));
    // Beyond any calendar year the system can hold.
    EXPECT_EQ(DateTimeText(std::numeric_limits<std::int64_t>::max()),
              test::Sj("0000年00月00日、-1:-1:-1"));
  }
  tzset();
}

}  // namespace
}  // namespace listora
