#include "core/text/encoding.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace listora {
namespace {

TEST(EncodingTest, RoundTripsJapaneseText) {
  const std::string utf8 = "C:\\表示\\ソース ｱｲｳ ①Ⅱ～ 漢字かなカナ abc";
  const std::string cp932 = Utf8ToCp932(utf8);
  EXPECT_EQ(cp932.substr(0, 5), "C:\\\x95\x5C");
  EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
  EXPECT_EQ(Utf8ToCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(EncodingTest, CharactersCp932CannotHoldBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToCp932("한글"), "??");
  // Broken UTF-8: a stray byte, a cut-off sequence inside and at the end.
  EXPECT_EQ(Utf8ToCp932("a\xFF"
                        "b"),
            "a?b");
  EXPECT_EQ(Utf8ToCp932("a\xE3\x81"
                        "b"),
            "a?b");
  EXPECT_EQ(Utf8ToCp932("a\xE3\x81"), "a?");
}

TEST(EncodingTest, InputMethodCodePointsReachTheirCp932Characters) {
  EXPECT_EQ(Utf8ToCp932("\u301C"), "\x81\x60");
  EXPECT_EQ(Utf8ToCp932("\uFF5E"), "\x81\x60");
  EXPECT_EQ(Utf8ToCp932("\u2016"), "\x81\x61");
  EXPECT_EQ(Utf8ToCp932("\u2212"), "\x81\x7C");
  EXPECT_EQ(Utf8ToCp932("\u00A2\u00A3\u00AC"), "\x81\x91\x81\x92\x81\xCA");
  EXPECT_EQ(Utf8ToCp932("1\u301C"
                        "2\u2212"
                        "3"),
            "1\x81\x60"
            "2\x81\x7C"
            "3");
}

TEST(EncodingTest, InvalidCp932BytesBecomeQuestionMarks) {
  EXPECT_EQ(Cp932ToUtf8("a\x80"
                        "b"),
            "a?b");
  EXPECT_EQ(Cp932ToUtf8("\xA0\xFD\xFF"), "???");
  EXPECT_EQ(Cp932ToUtf8("\x85\x40"
                        "c"),
            "?c");                            // unassigned double-byte code
  EXPECT_EQ(Cp932ToUtf8("a\x81 b"), "a? b");  // a lead byte before a non-trail byte
  EXPECT_EQ(Cp932ToUtf8("a\x83"), "a?");      // a lone lead byte at the end
}

TEST(EncodingTest, LongTextsAndManyInvalidBytesConvertWhole) {
  std::string utf8;
  for (int i = 0; i < 5000; ++i) utf8 += "表a";
  EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(utf8)), utf8);
  const std::string invalid(100000, '\x80');
  EXPECT_EQ(Cp932ToUtf8(invalid), std::string(100000, '?'));
}

TEST(EncodingTest, ConvertsFromManyThreadsAtOnce) {
  const std::string utf8 = "日本語のテキスト〜";
  const std::string cp932 = Utf8ToCp932(utf8);
  std::vector<int> failures(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        if (Utf8ToCp932(utf8) != cp932 || Utf8ToCp932(Cp932ToUtf8(cp932)) != cp932) ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

TEST(EncodingTest, TellsTextThatCanOnlyBeUtf8) {
  EXPECT_TRUE(IsNonAsciiUtf8("caf\xC3\xA9"));
  EXPECT_TRUE(IsNonAsciiUtf8("\xE3\x81\x82\xF0\x9F\x98\x80"));  // あ, an emoji
  EXPECT_FALSE(IsNonAsciiUtf8(""));
  EXPECT_FALSE(IsNonAsciiUtf8("ascii only"));
  EXPECT_FALSE(IsNonAsciiUtf8(Utf8ToCp932("あいう")));
  EXPECT_FALSE(IsNonAsciiUtf8("\xC3"));              // cut off
  EXPECT_FALSE(IsNonAsciiUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(IsNonAsciiUtf8("\xE0\x80\xAF"));      // overlong "/"
  EXPECT_FALSE(IsNonAsciiUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsNonAsciiUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsNonAsciiUtf8("\xE3\x81"));          // cut off
}

}  // namespace
}  // namespace listora
