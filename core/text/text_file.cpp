#include "core/text/text_file.h"

#include <algorithm>
#include <limits>

#include "core/text/cp932.h"
#include "core/text/encoding.h"

namespace listora {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

DecodedText Refused(TextEncoding encoding, int line) {
  DecodedText result;
  result.encoding = encoding;
  result.badLine = line;
  return result;
}

DecodedText FromCp932(std::string bytes) {
  if (const std::size_t bad = cp932::FirstNonCp932(bytes); bad != cp932::npos)
    return Refused(TextEncoding::kCp932, LineAt(bytes, bad));
  DecodedText result;
  result.cp932 = std::move(bytes);
  result.encoding = TextEncoding::kCp932;
  return result;
}

DecodedText FromUtf8(std::string_view text) {
  if (const std::size_t bad = FirstNonUtf8(text); bad != std::string_view::npos)
    return Refused(TextEncoding::kUtf8, LineAt(text, bad));
  DecodedText result;
  result.cp932 = TextToCp932(text);
  result.encoding = TextEncoding::kUtf8;
  return result;
}

DecodedText FromUtf16(std::string_view units, bool bigEndian) {
  std::string utf8;
  if (Utf16ToUtf8(units, bigEndian, utf8) != std::string_view::npos)
    return Refused(TextEncoding::kUtf16, LineAt(utf8, utf8.size()));
  DecodedText result;
  result.cp932 = TextToCp932(utf8);
  result.encoding = TextEncoding::kUtf16;
  return result;
}

// Without a mark: ASCII text has its zero bytes first in each unit when
// big-endian, so more zeros at even offsets than odd ones say so.
bool LooksBigEndian(std::string_view units) {
  const std::size_t probe = std::min<std::size_t>(units.size(), 4096) & ~std::size_t{1};
  std::size_t even = 0;
  std::size_t odd = 0;
  for (std::size_t i = 0; i < probe; i += 2) {
    even += units[i] == '\0';
    odd += units[i + 1] == '\0';
  }
  return even > odd;
}

}  // namespace

DecodedText DecodeTextFile(std::string bytes, TextEncoding encoding) {
  const std::string_view text = bytes;
  const bool utf8Mark = text.starts_with(kUtf8Mark);
  const bool leMark = text.starts_with(kUtf16LeMark);
  const bool beMark = text.starts_with(kUtf16BeMark);
  switch (encoding) {
    case TextEncoding::kAuto:
      if (utf8Mark) return FromUtf8(text.substr(kUtf8Mark.size()));
      if (leMark || beMark) return FromUtf16(text.substr(2), beMark);
      if (IsNonAsciiUtf8(text)) return FromUtf8(text);
      return FromCp932(std::move(bytes));
    case TextEncoding::kUtf8: return FromUtf8(utf8Mark ? text.substr(kUtf8Mark.size()) : text);
    case TextEncoding::kUtf16:
      if (leMark || beMark) return FromUtf16(text.substr(2), beMark);
      return FromUtf16(text, LooksBigEndian(text));
    case TextEncoding::kCp932: break;
  }
  return FromCp932(std::move(bytes));
}

int LineAt(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  std::size_t line = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
      ++line;
  }
  return static_cast<int>(std::min<std::size_t>(line, std::numeric_limits<int>::max()));
}

}  // namespace listora
