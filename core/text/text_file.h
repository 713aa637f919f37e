#pragma once
// Text files from other programs (spreadsheets' CSV and tab-separated
// text) read as the core's CP932 text. A byte order mark decides the
// encoding (UTF-8, UTF-16 LE or BE); without one, text that is valid UTF-8
// and not pure ASCII is UTF-8, anything else CP932. Characters CP932 cannot
// hold become references through the one converter (encoding.h).

#include <cstddef>
#include <string>
#include <string_view>

namespace listora {

enum class TextEncoding { kAuto, kCp932, kUtf8, kUtf16 };

struct DecodedText {
  std::string cp932;
  TextEncoding encoding = TextEncoding::kCp932;  // what the bytes were read as, never kAuto
  // The line (from 1) holding the first bytes that are not text in that
  // encoding; 0 when there are none. `cp932` is then empty.
  int badLine = 0;
};

// `encoding` names what the bytes are, or kAuto to find it as above. A
// named encoding skips its own byte order mark; UTF-16 without one is
// little-endian unless its zero bytes say big-endian.
DecodedText DecodeTextFile(std::string bytes, TextEncoding encoding);

// The line (from 1) on which the byte at `offset` lies; CR LF, LF and a
// lone CR each end a line.
int LineAt(std::string_view text, std::size_t offset);

}  // namespace listora
