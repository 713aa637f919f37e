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

TextReading Refused(TextEncoding encoding, int line) {
  TextReading reading;
  reading.encoding = encoding;
  reading.badLine = line;
  return reading;
}

TextReading Reads(TextEncoding encoding, std::size_t mark = 0, bool bigEndian = false) {
  TextReading reading;
  reading.encoding = encoding;
  reading.mark = mark;
  reading.bigEndian = bigEndian;
  return reading;
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

TextReading AsUtf8(std::string_view bytes, std::size_t mark) {
  const std::string_view text = bytes.substr(mark);
  if (const std::size_t bad = FirstNonUtf8(text); bad != std::string_view::npos)
    return Refused(TextEncoding::kUtf8, LineAt(text, bad));
  return Reads(TextEncoding::kUtf8, mark);
}

// Checking UTF-16 and the legacy encodings converts them: the UTF-8 is left
// in `utf8`.
TextReading AsUtf16(std::string_view bytes, std::size_t mark, bool bigEndian, std::string& utf8) {
  if (Utf16ToUtf8(bytes.substr(mark), bigEndian, utf8) != std::string_view::npos)
    return Refused(TextEncoding::kUtf16, LineAt(utf8, utf8.size()));
  return Reads(TextEncoding::kUtf16, mark, bigEndian);
}

LegacyCharset CharsetOf(TextEncoding encoding) {
  return encoding == TextEncoding::kEucJp ? LegacyCharset::kEucJp : LegacyCharset::kWindows1252;
}

TextReading AsLegacy(std::string_view text, TextEncoding encoding, std::string& utf8) {
  if (const std::size_t bad = LegacyToUtf8(text, CharsetOf(encoding), utf8);
      bad != std::string_view::npos)
    return Refused(encoding, LineAt(text, bad));
  return Reads(encoding);
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

TextReading Automatic(std::string_view text) {
  if (HasZeroByte(text)) return Refused(TextEncoding::kAuto, LineAt(text, text.find('\0')));
  const std::size_t notUtf8 = FirstNonUtf8(text);
  if (notUtf8 == std::string_view::npos)
    return Reads(IsNonAsciiUtf8(text) ? TextEncoding::kUtf8 : TextEncoding::kCp932);
  const Utf8Tally tally = TallyUtf8(text);
  if (tally.multiByte > tally.broken) return Refused(TextEncoding::kUtf8, LineAt(text, notUtf8));
  if (const std::size_t bad = cp932::FirstNonCp932(text); bad != cp932::npos)
    return Refused(TextEncoding::kCp932, LineAt(text, bad));
  if (ReadsAsLatin(text) || ReadsAsEucJp(text))
    return Refused(TextEncoding::kAuto, LineAt(text, FirstNonAscii(text)));
  return Reads(TextEncoding::kCp932);
}

// Without the readers of refused bytes.
TextReading Check(std::string_view text, TextEncoding encoding, std::string& utf8) {
  const bool utf8Mark = text.starts_with(kUtf8Mark);
  const bool leMark = text.starts_with(kUtf16LeMark);
  const bool beMark = text.starts_with(kUtf16BeMark);
  switch (encoding) {
    case TextEncoding::kAuto:
      if (utf8Mark) return AsUtf8(text, kUtf8Mark.size());
      if (leMark || beMark) return AsUtf16(text, 2, beMark, utf8);
      return Automatic(text);
    case TextEncoding::kUtf8: return AsUtf8(text, utf8Mark ? kUtf8Mark.size() : 0);
    case TextEncoding::kUtf16:
      if (leMark || beMark) return AsUtf16(text, 2, beMark, utf8);
      return AsUtf16(text, 0, LooksBigEndian(text), utf8);
    case TextEncoding::kEucJp:
    case TextEncoding::kWindows1252: return AsLegacy(text, encoding, utf8);
    case TextEncoding::kCp932: break;
  }
  if (const std::size_t bad = cp932::FirstNonCp932(text); bad != cp932::npos)
    return Refused(TextEncoding::kCp932, LineAt(text, bad));
  return Reads(TextEncoding::kCp932);
}

// Where the text's last line ends, when none ends before `from`: lines are
// decoded whole, as no character or reference holds a line end. Only the
// text from `from` on is looked at, so a long line is not looked through
// again with every piece.
std::size_t LinesEnd(std::string_view text, std::size_t from) {
  const std::size_t last = text.substr(from).find_last_of("\r\n");
  return last == std::string_view::npos ? 0 : from + last + 1;
}

}  // namespace

TextReading CheckTextFile(std::string_view bytes, TextEncoding encoding) {
  std::string scratch;
  TextReading reading = Check(bytes, encoding, scratch);
  if (reading.badLine != 0) reading.readers = Readers(bytes, reading.encoding);
  return reading;
}

DecodedText DecodeTextFile(std::string bytes, TextEncoding encoding) {
  std::string utf8;
  TextReading reading = Check(bytes, encoding, utf8);
  DecodedText result;
  result.encoding = reading.encoding;
  result.badLine = reading.badLine;
  if (reading.badLine != 0) {
    result.readers = Readers(bytes, reading.encoding);
  } else if (reading.encoding == TextEncoding::kCp932) {
    result.cp932 = std::move(bytes);
  } else if (reading.encoding == TextEncoding::kUtf8) {
    result.cp932 = TextToCp932(std::string_view(bytes).substr(reading.mark));
  } else {
    result.cp932 = TextToCp932(utf8);
  }
  return result;
}

bool TextPieceDecoder::Decode(std::string_view bytes, bool last, std::string& cp932) {
  const std::size_t marked = std::min(mark_, bytes.size());
  bytes.remove_prefix(marked);
  mark_ -= marked;
  const std::size_t known = raw_.size();
  raw_ += bytes;
  if (encoding_ == TextEncoding::kUtf16) {
    // Whole code units, and a pair of surrogates never parted.
    std::size_t take = last ? raw_.size() : raw_.size() & ~std::size_t{1};
    if (!last && take >= 2) {
      const auto high = static_cast<unsigned char>(raw_[take - (bigEndian_ ? 2 : 1)]);
      if (high >= 0xD8 && high <= 0xDB) take -= 2;
    }
    const std::size_t converted = utf8_.size();
    const bool read = Utf16ToUtf8(std::string_view(raw_).substr(0, take), bigEndian_, utf8_) ==
                      std::string_view::npos;
    raw_.erase(0, take);
    const std::size_t lines = last ? utf8_.size() : LinesEnd(utf8_, converted);
    cp932 += TextToCp932(std::string_view(utf8_).substr(0, lines));
    utf8_.erase(0, lines);
    return read;
  }
  const std::size_t lines = last ? raw_.size() : LinesEnd(raw_, known);
  const std::string_view text = std::string_view(raw_).substr(0, lines);
  bool read = true;
  if (encoding_ == TextEncoding::kCp932) {
    cp932 += text;
  } else if (encoding_ == TextEncoding::kUtf8) {
    cp932 += TextToCp932(text);
  } else {
    std::string utf8;
    read = LegacyToUtf8(text, CharsetOf(encoding_), utf8) == std::string_view::npos;
    cp932 += TextToCp932(utf8);
  }
  raw_.erase(0, lines);
  return read;
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
