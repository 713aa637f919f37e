#include "core/base/number_entry.h"

#include <gtest/gtest.h>

namespace listora {
namespace {

TEST(NumberEntryTest, SignedFieldsTakeASignAndKeepTheirRange) {
  EXPECT_EQ(ParseSignedEntry("-20", -32000, 32000).value, -20);
  EXPECT_EQ(ParseSignedEntry(" +7 ", -32000, 32000).value, 7);
  EXPECT_EQ(ParseSignedEntry("-", -32000, 32000).status, NumberEntry::kNotNumber);
  EXPECT_EQ(ParseSignedEntry("1 2", -32000, 32000).status, NumberEntry::kNotNumber);
  EXPECT_EQ(ParseSignedEntry("-32001", -32000, 32000).status, NumberEntry::kOutOfRange);
  EXPECT_EQ(ParseSignedEntry("-99999999999999999999", -32000, 32000).status,
            NumberEntry::kOutOfRange);
  EXPECT_EQ(SignedEntryMessage(ParseSignedEntry("a", 0, 1), 0, 1), "整数を入力してください。");
  // Unsigned fields refuse a sign even for a value in range.
  EXPECT_EQ(ParseUnsignedEntry("+5", 0, 10).status, NumberEntry::kNotNumber);
  EXPECT_EQ(ParseUnsignedEntry("10000", 0, 10000).value, 10000);
}

}  // namespace
}  // namespace listora
