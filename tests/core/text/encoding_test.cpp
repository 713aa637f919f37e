#include "core/text/encoding.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace listora {
namespace {

TEST(EncodingTest, RepresentableTextIsByteIdenticalBothWays) {
  // Trail bytes equal to "\" (表, ソ) and to letters must pass untouched.
  const std::string utf8 = "C:\\表示\\ソース ｱｲｳ ①Ⅱ～ 漢字かなカナ abc & &amp;";
  for (const std::string& cp932 : {TextToCp932(utf8), PathToCp932(utf8)}) {
    EXPECT_EQ(cp932.substr(0, 5), "C:\\\x95\x5C");
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
  }
  EXPECT_EQ(TextToCp932(utf8), PasswordToCp932(utf8));
  EXPECT_EQ(TextToCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(EncodingTest, CharactersCp932CannotHoldBecomeReferencesAndComeBack) {
  const struct {
    std::string utf8;
    std::string cp932;
  } cases[] = {
      {"한국어.txt", "&#xD55C;&#xAD6D;&#xC5B4;.txt"},
      {"emoji😀.txt", "emoji&#x1F600;.txt"},
      {"Café.mp3", "Caf&#xE9;.mp3"},
      {"ÀÿŒ", "&#xC0;&#xFF;&#x152;"},
      {"\u0800", "&#x800;"},  // the first three-byte character
      // Tag characters (a flag emoji's tail), which the system's converter
      // would drop silently.
      {"\U0001F3F4\U000E0067\U000E007F", "&#x1F3F4;&#xE0067;&#xE007F;"},
      {"表한ソ", "\x95\x5C&#xD55C;\x83\x5C"},
      // The converter's bytes for these are those of "\" and "~".
      {"¥100‾", "&#xA5;100&#x203E;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(TextToCp932(c.utf8), c.cp932);
    EXPECT_EQ(PathToCp932(c.utf8), c.cp932);
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
  }
  // Bytes stored before still read as the signs they are.
  EXPECT_EQ(Cp932ToUtf8("\\100~"), "\\100~");
  // Passwords keep the bytes a Windows peer derives.
  EXPECT_EQ(PasswordToCp932("a😀한b"), "a??b");
  EXPECT_EQ(PasswordToCp932("¥‾"), "\\~");
}

TEST(EncodingTest, OneWayCharactersKeepTheirFormInTextButNotInPaths) {
  const struct {
    std::string utf8;
    std::string textForm;  // reads back as the full-width partner
    std::string partner;
    std::string reference;
  } cases[] = {
      {"\u301C", "\x81\x60", "\uFF5E", "&#x301C;"}, {"\u2016", "\x81\x61", "\u2225", "&#x2016;"},
      {"\u2212", "\x81\x7C", "\uFF0D", "&#x2212;"}, {"\u00A2", "\x81\x91", "\uFFE0", "&#xA2;"},
      {"\u00A3", "\x81\x92", "\uFFE1", "&#xA3;"},   {"\u00AC", "\x81\xCA", "\uFFE2", "&#xAC;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reference);
    EXPECT_EQ(TextToCp932(c.utf8), c.textForm);
    EXPECT_EQ(TextToCp932(c.partner), c.textForm);
    EXPECT_EQ(PasswordToCp932(c.utf8), c.textForm);
    EXPECT_EQ(Cp932ToUtf8(c.textForm), c.partner);
    EXPECT_EQ(PathToCp932("a" + c.utf8 + "b.jpg"), "a" + c.reference + "b.jpg");
    EXPECT_EQ(PathToCp932(c.partner), c.textForm);
    EXPECT_EQ(Cp932ToUtf8(c.reference), c.utf8);
    EXPECT_EQ(OneWayFormsAsReferences("a" + c.textForm + "b" + c.textForm),
              "a" + c.reference + "b" + c.reference);
  }
  // Only whole characters are spelt anew: "ム`" is 83 81 60, "ヂ" 83 61.
  for (const std::string text : {"\x83\x81\x60", "\x83\x61", "a\x81", "&#x301C;", "x"})
    EXPECT_EQ(OneWayFormsAsReferences(text), text);
  // The seventh pair is the system converter's own: "—" U+2014 is "―".
  EXPECT_EQ(TextToCp932("\u2014"), "\x81\x5C");
  EXPECT_EQ(Cp932ToUtf8("\x81\x5C"), "\u2015");
  // In a path, "¥" must not become the byte of "\", which separates.
  EXPECT_EQ(PathToCp932("a\u00A5b"), "a&#xA5;b");
}

TEST(EncodingTest, OnlyReferencesToCharactersCp932CannotHoldAreRead) {
  // Typed by a user or made by another program: shown as it stands.
  for (const std::string text :
       {"&#x41;", "&#x3042;", "&#x;", "&#xZZ;", "&#x110000;", "&#xD800;", "&#xDFFF;", "&#x0;",
        "&#x00E9;", "&#xe9;", "&#XE9;", "&#233;", "&#xE9", "&#x1F6000;", "&#x&#x;", "&"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Cp932ToUtf8(text), text);
    EXPECT_EQ(TextToCp932(text), text);
    EXPECT_EQ(ReferenceLengthAt(text, 0), 0u);
  }
  EXPECT_EQ(Cp932ToUtf8("&&#xE9;;&#x41;&#x10FFFF;"), "&é;&#x41;\U0010FFFF");
  EXPECT_EQ(ReferenceLengthAt("x&#x1F600;", 1), 9u);
  EXPECT_EQ(ReferenceLengthAt("&#x301C;", 0), 8u);
  // A text ending inside a reference: the scan stops at its end, even with
  // the rest of the reference lying in memory right after it.
  const std::string_view whole = "&#x1F600;";
  for (std::size_t size = 0; size < whole.size(); ++size)
    EXPECT_EQ(ReferenceLengthAt(whole.substr(0, size), 0), 0u) << size;
}

// Typed text and paths that spell a reference the way out would read come
// back as typed: their "&" is stored escaped, and only there.
TEST(EncodingTest, TextThatSpellsAReferenceComesBackAsTyped) {
  const struct {
    std::string typed, stored;
  } cases[] = {
      {"&#x1F600;", "&#x26;#x1F600;"},     {"a&#xE9;b", "a&#x26;#xE9;b"},
      {"&#x26;#x41;", "&#x26;#x26;#x41;"},  // the escape itself, typed
      {"&&#x1F600;", "&&#x26;#x1F600;"},   {"😀&#x1F600;", "&#x1F600;&#x26;#x1F600;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(TextToCp932(c.typed), c.stored);
    EXPECT_EQ(PathToCp932(c.typed), c.stored);
    EXPECT_EQ(Cp932ToUtf8(c.stored), c.typed);
  }
  // What was stored before reads as it did: "&#x26;" alone is plain text,
  // and a password's bytes are never escaped.
  for (const std::string text : {"&#x26;", "&#x26;x", "&#x26;#", "&#x26;&#x41;"}) {
    EXPECT_EQ(Cp932ToUtf8(text), text);
    EXPECT_EQ(TextToCp932(text), text);
  }
  EXPECT_EQ(PasswordToCp932("&#x1F600;"), "&#x1F600;");
  // The escape and what it opens are one unit to a cut.
  EXPECT_EQ(TextPrefixLength("ab&#x26;#x1F600;", 9), 2u);
  EXPECT_EQ(TextPrefixLength("ab&#x26;#x1F600;", 10), 10u);
  EXPECT_EQ(Cp932ToUtf8("ab&#x26;#x"), "ab&#x");
}

TEST(EncodingTest, AReferenceSplitAtACellBoundaryStaysText) {
  // Each cell converts on its own: halves of a reference are plain text.
  EXPECT_EQ(Cp932ToUtf8("&#xD5"), "&#xD5");
  EXPECT_EQ(Cp932ToUtf8("5C;"), "5C;");
  // Cutting a text to a field's size never splits a reference or a
  // double-byte character.
  const std::string cp932 = TextToCp932("ab한");  // "ab&#xD55C;"
  for (std::size_t max = 2; max < cp932.size(); ++max) EXPECT_EQ(TextPrefixLength(cp932, max), 2u);
  EXPECT_EQ(TextPrefixLength(cp932, 99), cp932.size());
  EXPECT_EQ(TextPrefixLength(cp932 + "c", cp932.size()), cp932.size());  // cut right after it
  EXPECT_EQ(TextPrefixLength("\x95\x5C&#x41;", 5), 5u);  // not a reference that is read
  EXPECT_EQ(TextPrefixLength("a\x95\x5C", 2), 1u);
}

TEST(EncodingTest, BrokenBytesBecomeQuestionMarks) {
  EXPECT_EQ(TextToCp932("a\xFF"
                        "b"),
            "a?b");
  EXPECT_EQ(PathToCp932("a\xE3\x81"
                        "b"),
            "a?b");
  EXPECT_EQ(TextToCp932("a\xE3\x81"), "a?");
  EXPECT_EQ(TextToCp932("\xED\xA0\x80"), "?");  // an encoded surrogate
  EXPECT_EQ(Cp932ToUtf8("a\x80"
                        "b"),
            "a?b");
  EXPECT_EQ(Cp932ToUtf8("\xA0\xFD\xFF"), "???");
  EXPECT_EQ(Cp932ToUtf8("\x85\x40"
                        "c"),
            "?c");                            // unassigned double-byte code
  EXPECT_EQ(Cp932ToUtf8("a\x81 b"), "a? b");  // a lead byte before a non-trail byte
  EXPECT_EQ(Cp932ToUtf8("a\x83"), "a?");      // a lone lead byte at the end
  EXPECT_EQ(Cp932ToUtf8("\x83&#xE9;"), "?é");
  EXPECT_EQ(Cp932ToUtf8("\x81\x7F"), "?\x7F");  // 0x7F is no trail byte
  EXPECT_EQ(TextToCp932("\xE0\x81\x81"), "?");  // an overlong "A"
  EXPECT_EQ(TextToCp932("\xE0\x83\x80"), "?");  // an overlong U+00C0, above 0x80
}

TEST(EncodingTest, LongTextsConvertWhole) {
  std::string utf8;
  for (int i = 0; i < 5000; ++i) utf8 += "表a한😀";
  EXPECT_EQ(Cp932ToUtf8(TextToCp932(utf8)), utf8);
  const std::string invalid(100000, '\x80');
  EXPECT_EQ(Cp932ToUtf8(invalid), std::string(100000, '?'));
}

TEST(EncodingTest, ConvertsFromManyThreadsAtOnce) {
  const std::string utf8 = "日本語のテキスト한〜";
  const std::string cp932 = TextToCp932(utf8);
  const std::string path = PathToCp932(utf8);
  std::vector<int> failures(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        if (TextToCp932(utf8) != cp932 || TextToCp932(Cp932ToUtf8(cp932)) != cp932 ||
            Cp932ToUtf8(path) != utf8)
          ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

TEST(EncodingTest, TellsTextThatCanOnlyBeUtf8) {
  EXPECT_TRUE(IsNonAsciiUtf8("caf\xC3\xA9"));
  EXPECT_TRUE(IsNonAsciiUtf8("\xE3\x81\x82\xF0\x9F\x98\x80"));  // あ, an emoji
  EXPECT_TRUE(IsNonAsciiUtf8("\xC2\x80"));                      // the first non-ASCII one
  EXPECT_FALSE(IsNonAsciiUtf8(""));
  EXPECT_FALSE(IsNonAsciiUtf8("ascii only"));
  EXPECT_FALSE(IsNonAsciiUtf8(TextToCp932("あいう")));
  EXPECT_FALSE(IsNonAsciiUtf8("\xC3"));              // cut off
  EXPECT_FALSE(IsNonAsciiUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(IsNonAsciiUtf8("\xE0\x80\xAF"));      // overlong "/"
  EXPECT_FALSE(IsNonAsciiUtf8("\xE0\x83\x80"));      // overlong U+00C0
  EXPECT_FALSE(IsNonAsciiUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsNonAsciiUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsNonAsciiUtf8("\xE3\x81"));          // cut off
}

}  // namespace
}  // namespace listora
