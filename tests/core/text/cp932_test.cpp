#include "core/text/cp932.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace listora {
namespace {

using test::Sj;

// "表" and "ソ" end in 0x5C ('\\'); "ア" ends in 0x41 ('A'); "ド" ends in 0x68 ('h').
const std::string kHyo = "\x95\x5C";
const std::string kSo = "\x83\x5C";
const std::string kA = "\x83\x41";
const std::string kDo = "\x83\x68";

TEST(Cp932Test, FindByteNeverStopsOnATrailByte) {
  const std::string path = "C:" + kHyo + kSo + "\\x";
  EXPECT_EQ(cp932::Find(path, '\\'), 6u);
  EXPECT_EQ(cp932::FindLast(path, '\\'), 6u);
  EXPECT_EQ(cp932::Find(kHyo + kSo, '\\'), cp932::npos);
  EXPECT_EQ(cp932::FindLast(kHyo + kSo, '\\'), cp932::npos);
  EXPECT_EQ(cp932::Find(kA, 'A'), cp932::npos);
  EXPECT_EQ(cp932::Find(kA + "A", 'A'), 2u);
  // A lone lead byte at the end is a character of its own.
  EXPECT_EQ(cp932::Find("ab\x83", '\x83'), 2u);
  EXPECT_EQ(cp932::FindLast("\x83"
                            "ab\x83",
                            '\x83'),
            3u);
}

TEST(Cp932Test, FindTextMatchesOnlyOnCharacterBoundaries) {
  const std::string s = kSo + kA + "A" + kSo;  // 0x83 0x5C 0x83 0x41 'A' 0x83 0x5C
  EXPECT_EQ(cp932::Find(s, "\x5C\x83"), cp932::npos);
  EXPECT_EQ(cp932::Find(s, "A"), 4u);
  EXPECT_EQ(cp932::Find(s, kSo), 0u);
  EXPECT_EQ(cp932::Find(s, kSo, 2), 5u);
  EXPECT_EQ(cp932::Find(s, ""), 0u);
  EXPECT_EQ(cp932::Find(s, "", 7), 7u);
  EXPECT_EQ(cp932::Find(s, "", 8), cp932::npos);

  EXPECT_EQ(cp932::FindLast(s, kSo), 5u);
  EXPECT_EQ(cp932::FindLast(s, kSo, 6), 0u);  // the match must end by `end`
  EXPECT_EQ(cp932::FindLast(s, "\x5C"), cp932::npos);
  EXPECT_EQ(cp932::FindLast(s, "A", 4), cp932::npos);
  EXPECT_EQ(cp932::FindLast(s, "A", 5), 4u);
  EXPECT_EQ(cp932::FindLast(s, ""), 7u);
  EXPECT_EQ(cp932::FindLast(s, "", 3), 2u);  // 3 is inside "ア"
}

TEST(Cp932Test, MbsCompareRanksDoubleByteCharactersAsOneValue) {
  EXPECT_EQ(cp932::MbsCompare("", ""), 0);
  EXPECT_EQ(cp932::MbsCompare(Sj("日本"), Sj("日本")), 0);
  EXPECT_EQ(cp932::MbsCompare("ab", "abc"), -1);
  EXPECT_EQ(cp932::MbsCompare("b", "abc"), 1);
  // Half-width "ｱ" (0xB1) is below every double-byte character although its
  // byte is above their lead bytes.
  EXPECT_EQ(cp932::MbsCompare("\xB1", kA), -1);
  EXPECT_EQ(cp932::MbsCompare("\x81\x40", "\xA1"), 1);
  EXPECT_EQ(cp932::MbsCompare(kA, kSo), -1);
  EXPECT_EQ(cp932::MbsCompare(kA + "z", kA + "a"), 1);
  // A lone lead byte at the end counts as its byte value.
  EXPECT_EQ(cp932::MbsCompare("a\x83", "a" + kA), -1);
  EXPECT_EQ(cp932::MbsCompare("\x83", "\x82\xFF"), -1);
}

// The prefix must never order two texts against MbsCompare: checked on
// random texts mixing ASCII, half-width kana, double-byte characters with
// low and high trail bytes and lone lead bytes at the end.
TEST(Cp932Test, OrderPrefixAgreesWithMbsCompare) {
  const std::vector<std::string> pieces = {
      "a",    "z",        "~",        " ",        "\xA0",     "\xDF",    "\x80",
      "\xFD", "\x81\x40", "\x81\xFC", "\x9F\x7E", "\xE0\x80", "\xFC\x40"};
  std::mt19937 random(5);
  std::vector<std::string> texts;
  for (int n = 0; n < 400; ++n) {
    std::string text;
    const int length = static_cast<int>(random() % 8);
    for (int k = 0; k < length; ++k) text += pieces[random() % pieces.size()];
    if (random() % 4 == 0) text += "\x88";  // a lead byte that ends the text
    texts.push_back(text);
  }
  for (const auto& a : texts) {
    for (const auto& b : texts) {
      const int order = cp932::MbsCompare(a, b);
      const std::uint64_t pa = cp932::OrderPrefix(a), pb = cp932::OrderPrefix(b);
      if (pa != pb) ASSERT_EQ(order, pa < pb ? -1 : 1);
      if (order == 0) ASSERT_EQ(pa, pb);
    }
  }
}

TEST(Cp932Test, ToUpperChangesLettersButNeverTrailBytes) {
  EXPECT_EQ(cp932::ToUpper(Sj("abcXYZ ｚａｂ１")), Sj("ABCXYZ ＺＡＢ１"));
  EXPECT_EQ(cp932::ToUpper("a" + kDo + "b" + kSo), "A" + kDo + "B" + kSo);
  // 0x83 0x81 ("ャ") has the trail of full-width "ａ" under another lead.
  EXPECT_EQ(cp932::ToUpper("\x83\x81"), "\x83\x81");
  EXPECT_EQ(cp932::ToUpper(Sj("ｱｲｳ")), Sj("ｱｲｳ"));
  EXPECT_EQ(cp932::ToUpper("a\x82"), "A\x82");
}

TEST(Cp932Test, PrefixAtBoundaryNeverSplitsACharacter) {
  const std::string s = "a" + kHyo + "b";
  EXPECT_EQ(cp932::PrefixAtBoundary(s, 1), 1u);
  EXPECT_EQ(cp932::PrefixAtBoundary(s, 2), 1u);
  EXPECT_EQ(cp932::PrefixAtBoundary(s, 3), 3u);
  EXPECT_EQ(cp932::PrefixAtBoundary(s, 99), 4u);
  EXPECT_EQ(cp932::PrefixAtBoundary("ab\x83", 3), 3u);
}

}  // namespace
}  // namespace listora
