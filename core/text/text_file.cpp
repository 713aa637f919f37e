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

DecodedText Read(std::string cp932, TextEncoding encoding) {
  DecodedText result;
  result.cp932 = std::move(cp932);
  result.encoding = encoding;
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

DecodedText FromUtf8(std::string_view text) {
  if (const std::size_t bad = FirstNonUtf8(text); bad != std::string_view::npos)
    return Refused(TextEncoding::kUtf8, LineAt(text, bad));
  return Read(TextToCp932(text), TextEncoding::kUtf8);
}

DecodedText FromUtf16(std::string_view units, bool bigEndian) {
  std::string utf8;
  if (Utf16ToUtf8(units, bigEndian, utf8) != std::string_view::npos)
    return Refused(TextEncoding::kUtf16, LineAt(utf8, utf8.size()));
  return Read(TextToCp932(utf8), TextEncoding::kUtf16);
}

DecodedText FromLegacy(std::string_view text, TextEncoding encoding) {
  std::string utf8;
  const LegacyCharset charset =
      encoding == TextEncoding::kEucJp ? LegacyCharset::kEucJp : LegacyCharset::kWindows1252;
  if (const std::size_t bad = LegacyToUtf8(text, charset, utf8); bad != std::string_view::npos)
    return Refused(encoding, LineAt(text, bad));
  return Read(TextToCp932(utf8), encoding);
}

std::size_t FirstNonAscii(std::string_view text) {
  const auto it = std::find_if(text.begin(), text.end(),
                               [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  return static_cast<std::size_t>(it - text.begin());
}

// Valid CP932 that Latin-1 explains better: every double-byte character
// would be an accented small letter (0xE0-0xFC) followed by an ASCII one,
// where Japanese text has kana and most kanji on leads below 0xE0 or trail
// bytes above 0x7F.
bool ReadsAsLatin(std::string_view text) {
  bool doubles = false;
  for (std::size_t i = 0; i < text.size(); i += cp932::CharLength(text, i)) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!cp932::IsLeadByte(c)) continue;
    if (c < 0xE0 || static_cast<unsigned char>(text[i + 1]) >= 0x80) return false;
    doubles = true;
  }
  return doubles;
}

// Whether the bytes are laid out as EUC-JP: ASCII, pairs of 0xA1-0xFE, and
// half-width katakana and JIS X 0212 behind their single shifts; `pairs`
// says whether there is a pair.
bool EucJpShape(std::string_view text, bool& pairs) {
  pairs = false;
  const auto high = [](unsigned char b) { return b >= 0xA1 && b <= 0xFE; };
  for (std::size_t i = 0; i < text.size();) {
    const auto at = [&](std::size_t k) {
      return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
    };
    const unsigned char c = at(0);
    if (c < 0x80) {
      ++i;
    } else if (c == 0x8E && at(1) >= 0xA1 && at(1) <= 0xDF) {
      i += 2;
    } else if (c == 0x8F && high(at(1)) && high(at(2))) {
      i += 3;
    } else if (high(c) && high(at(1))) {
      pairs = true;
      i += 2;
    } else {
      return false;
    }
  }
  return true;
}

// Valid CP932 laid out as EUC-JP too, with a pair of high bytes: none of
// the bytes 0x80-0xA0 that lead most CP932 characters is there, so both
// readings are plausible.
bool ReadsAsEucJp(std::string_view text) {
  bool pairs = false;
  return EucJpShape(text, pairs) && pairs;
}

bool HasZeroByte(std::string_view text) { return text.find('\0') != std::string_view::npos; }

// The encodings that read every byte of `text`, other than `failed`.
std::vector<TextEncoding> Readers(std::string_view text, TextEncoding failed) {
  std::vector<TextEncoding> readers;
  const auto add = [&](TextEncoding encoding, bool reads) {
    if (reads && encoding != failed) readers.push_back(encoding);
  };
  std::string scratch;
  if (HasZeroByte(text)) {
    const bool marked = text.starts_with(kUtf16LeMark) || text.starts_with(kUtf16BeMark);
    const std::string_view units = marked ? text.substr(2) : text;
    add(TextEncoding::kUtf16, Utf16ToUtf8(units, marked ? text[0] == '\xFE' : LooksBigEndian(units),
                                          scratch) == std::string_view::npos);
    return readers;
  }
  add(TextEncoding::kUtf8, FirstNonUtf8(text) == std::string_view::npos);
  add(TextEncoding::kCp932, cp932::FirstNonCp932(text) == cp932::npos);
  // The converter also takes bytes 0x80-0xA0 as controls; only text laid
  // out as EUC-JP is said to be it.
  bool pairs = false;
  add(TextEncoding::kEucJp,
      EucJpShape(text, pairs) &&
          LegacyToUtf8(text, LegacyCharset::kEucJp, scratch) == std::string_view::npos);
  add(TextEncoding::kWindows1252, true);
  return readers;
}

// Takes the bytes over only when it reads them.
DecodedText Automatic(std::string& bytes) {
  const std::string_view text = bytes;
  if (HasZeroByte(text)) return Refused(TextEncoding::kAuto, LineAt(text, text.find('\0')));
  const std::size_t notUtf8 = FirstNonUtf8(text);
  if (notUtf8 == std::string_view::npos) {
    if (IsNonAsciiUtf8(text)) return Read(TextToCp932(text), TextEncoding::kUtf8);
    return Read(std::move(bytes), TextEncoding::kCp932);
  }
  const Utf8Tally tally = TallyUtf8(text);
  if (tally.multiByte > tally.broken) return Refused(TextEncoding::kUtf8, LineAt(text, notUtf8));
  if (const std::size_t bad = cp932::FirstNonCp932(text); bad != cp932::npos)
    return Refused(TextEncoding::kCp932, LineAt(text, bad));
  if (ReadsAsLatin(text) || ReadsAsEucJp(text))
    return Refused(TextEncoding::kAuto, LineAt(text, FirstNonAscii(text)));
  return Read(std::move(bytes), TextEncoding::kCp932);
}

DecodedText Decode(std::string& bytes, TextEncoding encoding) {
  const std::string_view text = bytes;
  const bool utf8Mark = text.starts_with(kUtf8Mark);
  const bool leMark = text.starts_with(kUtf16LeMark);
  const bool beMark = text.starts_with(kUtf16BeMark);
  switch (encoding) {
    case TextEncoding::kAuto:
      if (utf8Mark) return FromUtf8(text.substr(kUtf8Mark.size()));
      if (leMark || beMark) return FromUtf16(text.substr(2), beMark);
      return Automatic(bytes);
    case TextEncoding::kUtf8: return FromUtf8(utf8Mark ? text.substr(kUtf8Mark.size()) : text);
    case TextEncoding::kUtf16:
      if (leMark || beMark) return FromUtf16(text.substr(2), beMark);
      return FromUtf16(text, LooksBigEndian(text));
    case TextEncoding::kEucJp:
    case TextEncoding::kWindows1252: return FromLegacy(text, encoding);
    case TextEncoding::kCp932: break;
  }
  if (const std::size_t bad = cp932::FirstNonCp932(text); bad != cp932::npos)
    return Refused(TextEncoding::kCp932, LineAt(text, bad));
  return Read(std::move(bytes), TextEncoding::kCp932);
}

}  // namespace

DecodedText DecodeTextFile(std::string bytes, TextEncoding encoding) {
  // Refused bytes stay here to name what reads them; read ones may have
  // become the text.
  DecodedText result = Decode(bytes, encoding);
  if (result.badLine != 0) result.readers = Readers(bytes, result.encoding);
  return result;
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
