#include "core/text/text_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace listora {
namespace {

using test::Sj;

TEST(TextFileTest, FindsTheEncodingAndRefusesBytesNotInIt) {
  struct Case {
    const char* what;
    std::string bytes;
    TextEncoding asked;
    TextEncoding found;
    std::string cp932;  // expected text, or the bad line's number as text
    int badLine = 0;
  };
  const std::vector<Case> cases = {
      {"ASCII is read as CP932", "a,b\r\n", TextEncoding::kAuto, TextEncoding::kCp932, "a,b\r\n"},
      {"UTF-8 without a mark", "\xE3\x81\x82", TextEncoding::kAuto, TextEncoding::kUtf8, Sj("あ")},
      {"a UTF-8 mark on ASCII",
       "\xEF\xBB\xBF"
       "a",
       TextEncoding::kAuto, TextEncoding::kUtf8, "a"},
      {"CP932", Sj("あｱ"), TextEncoding::kAuto, TextEncoding::kCp932, Sj("あｱ")},
      {"UTF-16 LE mark",
       std::string("\xFF\xFE"
                   "a\0\x3D\xD8\x00\xDE",
                   8),
       TextEncoding::kAuto, TextEncoding::kUtf16, "a&#x1F600;"},
      {"UTF-16 BE mark", std::string("\xFE\xFF\0a", 4), TextEncoding::kAuto, TextEncoding::kUtf16,
       "a"},
      {"UTF-16 asked, no mark, big-endian by its zeros", std::string("\0a\0b", 4),
       TextEncoding::kUtf16, TextEncoding::kUtf16, "ab"},
      {"UTF-16 asked, no mark, little-endian", std::string("a\0b\0", 4), TextEncoding::kUtf16,
       TextEncoding::kUtf16, "ab"},
      {"UTF-16 asked, no mark, no zeros: little-endian", "\xE5\x65\x2C\x67\x9E\x8A",
       TextEncoding::kUtf16, TextEncoding::kUtf16, Sj("日本語")},
      {"UTF-8 asked skips its mark",
       "\xEF\xBB\xBF"
       "b",
       TextEncoding::kUtf8, TextEncoding::kUtf8, "b"},
      {"CP932 asked takes valid UTF-8 as CP932", "\xE6\x97\xA5", TextEncoding::kCp932,
       TextEncoding::kCp932, "\xE6\x97\xA5"},
      {"a lead byte without its trail", "a\r\nb\rc\n\x82", TextEncoding::kAuto,
       TextEncoding::kCp932, "", 4},
      {"a byte no CP932 character starts with", "\x80", TextEncoding::kCp932, TextEncoding::kCp932,
       "", 1},
      {"CP932 asked as UTF-8", Sj("\r\nあ"), TextEncoding::kUtf8, TextEncoding::kUtf8, "", 2},
      {"an odd last byte of UTF-16",
       std::string("\xFF\xFE"
                   "a\0\n\0b",
                   7),
       TextEncoding::kAuto, TextEncoding::kUtf16, "", 2},
      {"a low surrogate alone", std::string("\xFF\xFE\x00\xDC", 4), TextEncoding::kAuto,
       TextEncoding::kUtf16, "", 1},
      {"a high surrogate without its low one", std::string("\xFE\xFF\0a\0\r\xD8\x3D\0b", 10),
       TextEncoding::kAuto, TextEncoding::kUtf16, "", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedText decoded = DecodeTextFile(c.bytes, c.asked);
    EXPECT_EQ(decoded.encoding, c.found);
    EXPECT_EQ(decoded.badLine, c.badLine);
    EXPECT_EQ(decoded.cp932, c.cp932);
  }
}

}  // namespace
}  // namespace listora
