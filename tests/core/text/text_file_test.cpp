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
    std::vector<TextEncoding> readers = {};  // when refused
  };
  using enum TextEncoding;
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
      {"a lead byte without its trail",
       "a\r\nb\rc\n\x82",
       TextEncoding::kAuto,
       TextEncoding::kCp932,
       "",
       4,
       {TextEncoding::kWindows1252}},
      {"a byte no CP932 character starts with",
       "\x80",
       TextEncoding::kCp932,
       TextEncoding::kCp932,
       "",
       1,
       {TextEncoding::kWindows1252}},
      {"CP932 asked as UTF-8",
       Sj("\r\nあ"),
       TextEncoding::kUtf8,
       TextEncoding::kUtf8,
       "",
       2,
       {TextEncoding::kCp932, TextEncoding::kWindows1252}},
      {"an odd last byte of UTF-16",
       std::string("\xFF\xFE"
                   "a\0\n\0b",
                   7),
       TextEncoding::kAuto, TextEncoding::kUtf16, "", 2},
      {"a low surrogate alone", std::string("\xFF\xFE\x00\xDC", 4), TextEncoding::kAuto,
       TextEncoding::kUtf16, "", 1},
      {"a high surrogate without its low one", std::string("\xFE\xFF\0a\0\r\xD8\x3D\0b", 10),
       TextEncoding::kAuto, TextEncoding::kUtf16, "", 2},
      // Automatic reading never guesses: what could be read two ways, or
      // as nothing, is refused with the line that shows it.
      {"mostly UTF-8 with one Latin-1 byte",
       "\xE5\x90\x8D\xE5\x89\x8D\r\nCaf\xE9s\r\n",
       kAuto,
       kUtf8,
       "",
       2,
       {kCp932, kWindows1252}},
      {"UTF-16 without a mark",
       std::string("a\0,\0b\0\r\0\n\0", 10),
       kAuto,
       kAuto,
       "",
       1,
       {kUtf16}},
      {"a zero byte in ASCII", std::string("a\r\nb\0", 5), kAuto, kAuto, "", 2, {}},
      {"Latin-1 that would read as kanji",
       "x\nCaf\xE9s",
       kAuto,
       kAuto,
       "",
       2,
       {kCp932, kWindows1252}},
      {"EUC-JP that would read as half-width katakana",
       "\xA4\xA2",
       kAuto,
       kAuto,
       "",
       1,
       {kCp932, kEucJp, kWindows1252}},
      {"katakana with ASCII trail bytes stays CP932", Sj("テスト"), kAuto, kCp932, Sj("テスト")},
      {"valid in neither", "\xE3\x81\r\n\x82\r\n", kAuto, kCp932, "", 2, {kWindows1252}},
      {"EUC-JP asked", "\xA4\xA2\x8E\xB1", kEucJp, kEucJp, Sj("あｱ")},
      {"EUC-JP asked, a lead byte alone", "a\n\xA4", kEucJp, kEucJp, "", 2, {kCp932, kWindows1252}},
      {"Windows-1252 asked: Latin-1's controls too", "Caf\xE9 \x80\x81", kWindows1252, kWindows1252,
       "Caf&#xE9; &#x20AC;&#x81;"},
      // Lines of characters that pieces of the file cut anywhere.
      {"UTF-8 lines", "\xE3\x81\x82\r\n\xF0\x9F\x98\x80\n\xE3\x81\x84", kAuto, kUtf8,
       Sj("あ") + "\r\n&#x1F600;\n" + Sj("い")},
      {"UTF-16 lines", std::string("\xFE\xFF\0a\0\n\xD8\x3D\xDE\x00\0\r\0\n\x30\x42", 16), kAuto,
       kUtf16, "a\n&#x1F600;\r\n" + Sj("あ")},
      {"EUC-JP lines", "\xA4\xA2\n\x8E\xB1\r\n\xA4\xA4", kEucJp, kEucJp,
       Sj("あ") + "\n" + Sj("ｱ") + "\r\n" + Sj("い")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedText decoded = DecodeTextFile(c.bytes, c.asked);
    EXPECT_EQ(decoded.encoding, c.found);
    EXPECT_EQ(decoded.badLine, c.badLine);
    EXPECT_EQ(decoded.cp932, c.cp932);
    EXPECT_EQ(decoded.readers, c.readers);
    const TextReading reading = CheckTextFile(c.bytes, c.asked);
    EXPECT_EQ(reading.encoding, c.found);
    EXPECT_EQ(reading.badLine, c.badLine);
    EXPECT_EQ(reading.readers, c.readers);
    if (c.badLine != 0) continue;
    // A byte at a time, as the pieces of a file may cut it.
    TextPieceDecoder decoder(reading);
    std::string pieces;
    for (const char& byte : c.bytes) EXPECT_TRUE(decoder.Decode({&byte, 1}, false, pieces));
    EXPECT_TRUE(decoder.Decode({}, true, pieces));
    EXPECT_EQ(pieces, c.cp932);
  }
}

}  // namespace
}  // namespace listora
