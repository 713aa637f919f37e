#include "core/text/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

#include "core/text/char_reference.h"
#include "core/text/cp932.h"

namespace listora {

namespace {

// An iconv handle carries shift state and must not be used by two threads at
// once, so each thread owns its own pair.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (usable()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t handle() const { return cd_; }

 private:
  iconv_t cd_;
};

Converter& FromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

Converter& FromUtf8() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

// Bytes of one UTF-8 character the converter rejected: a well-formed
// sequence whole, a broken one up to its last continuation byte.
std::size_t Utf8RejectLength(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  const std::size_t continuations = (c >= 0xF0 && c <= 0xF4)   ? 3
                                    : (c >= 0xE0 && c <= 0xEF) ? 2
                                    : (c >= 0xC2 && c <= 0xDF) ? 1
                                                               : 0;
  std::size_t n = 1;
  while (n <= continuations && i + n < s.size() &&
         (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) {
    ++n;
  }
  return n;
}

// Bytes of one CP932 character the converter rejected: a lead byte takes its
// trail with it only when that byte can be a trail, so a following ASCII
// character survives.
std::size_t Cp932RejectLength(std::string_view s, std::size_t i) {
  if (!cp932::IsLeadByte(static_cast<unsigned char>(s[i])) || i + 1 >= s.size()) return 1;
  const auto trail = static_cast<unsigned char>(s[i + 1]);
  return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC) ? 2 : 1;
}

// The well-formed UTF-8 character at s[i] (no overlong form, no surrogate,
// at most U+10FFFF): its length, its code point in `codePoint`; 0 if broken.
std::size_t DecodeUtf8At(std::string_view s, std::size_t i, char32_t& codePoint) {
  const auto c = static_cast<unsigned char>(s[i]);
  std::size_t length;
  char32_t value;
  if (c < 0x80) {
    codePoint = c;
    return 1;
  } else if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
    value = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    value = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    value = c & 0x07;
  } else {
    return 0;
  }
  if (s.size() - i < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(s[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  codePoint = value;
  return length;
}

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Appends what stands for the character at in[i] that the converter
// rejected, returning the bytes it covers.
using Rejection = std::size_t (*)(std::string_view in, std::size_t i, std::string& out);

std::size_t RejectCp932(std::string_view in, std::size_t i, std::string& out) {
  out.push_back('?');
  return Cp932RejectLength(in, i);
}

std::size_t RejectUtf8AsQuestionMark(std::string_view in, std::size_t i, std::string& out) {
  out.push_back('?');
  return Utf8RejectLength(in, i);
}

std::size_t RejectUtf8AsReference(std::string_view in, std::size_t i, std::string& out) {
  char32_t codePoint;
  if (const std::size_t length = DecodeUtf8At(in, i, codePoint)) {
    AppendCharReference(codePoint, out);
    return length;
  }
  return RejectUtf8AsQuestionMark(in, i, out);
}

// Steps over the text's non-ASCII characters: `onChar(at, length)` for
// each, length 0 for a byte that starts no UTF-8 character; false stops.
template <typename OnChar>
void WalkNonAscii(std::string_view text, OnChar onChar) {
  char32_t codePoint;
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = DecodeUtf8At(text, i, codePoint);
    if (!onChar(i, length)) return;
    i += std::max<std::size_t>(length, 1);
  }
}

// Appends `in` converted to `out`, each rejected character through
// `reject`, which appends what stands for it and returns the bytes it
// takes, or npos to stop there. Returns where it stopped, npos at the end.
// The system's converter redoes the work since the start of its input at
// each rejected character, so it gets the text in pieces of `piece` bytes;
// a piece converts to at most three times its size, which the buffer holds.
template <typename Reject>
std::size_t ConvertInPieces(Converter& converter, std::string_view in, std::size_t piece,
                            Reject reject, std::string& out) {
  constexpr std::size_t kLargestPiece = 4096;
  piece = std::min(piece, kLargestPiece);
  std::array<char, 3 * kLargestPiece> buffer;
  iconv(converter.handle(), nullptr, nullptr, nullptr, nullptr);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  while (srcLeft > 0) {
    char* dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    const std::size_t take = std::min(srcLeft, piece);
    std::size_t pieceLeft = take;
    const std::size_t result = iconv(converter.handle(), &src, &pieceLeft, &dst, &dstLeft);
    srcLeft -= take - pieceLeft;
    out.append(buffer.data(), buffer.size() - dstLeft);
    if (result != static_cast<std::size_t>(-1)) continue;
    // A character cut off by the end of the piece, not of the text: the
    // next piece starts with it.
    if (errno == EINVAL && pieceLeft < srcLeft) continue;
    // EILSEQ, or EINVAL for a character cut off by the end of the text.
    const std::size_t at = in.size() - srcLeft;
    const std::size_t skip = reject(in, at, out);
    if (skip == std::string_view::npos) return at;
    src += std::min(skip, srcLeft);
    srcLeft -= std::min(skip, srcLeft);
  }
  return std::string_view::npos;
}

// Appends `in` converted to `out`, each rejected character through `reject`.
// When the system has no such converter, ASCII passes and the rest is
// rejected.
void Convert(Converter& converter, std::string_view in, Rejection reject, std::string& out) {
  if (!converter.usable()) {
    for (std::size_t i = 0; i < in.size();) {
      if (static_cast<unsigned char>(in[i]) < 0x80)
        out.push_back(in[i++]);
      else
        i += reject(in, i, out);
    }
    return;
  }
  ConvertInPieces(converter, in, 256, reject, out);
}

// The CP932 form of a character when it reads back as the same character;
// none for a character CP932 cannot hold or holds only as another sign.
std::optional<std::string> ExactCp932Form(char32_t codePoint) {
  std::string utf8;
  AppendUtf8(codePoint, utf8);
  std::string cp932;
  Convert(FromUtf8(), utf8, RejectUtf8AsQuestionMark, cp932);
  std::string back;
  Convert(FromCp932(), cp932, RejectCp932, back);
  if (back != utf8) return std::nullopt;
  return cp932;
}

// Code points that input methods produce for characters whose mapping
// differs between Shift_JIS tables; sent straight to the CP932 bytes so no
// converter variant turns them into "?". Each reads back as its full-width
// partner.
struct Remap {
  std::string_view utf8;
  std::string_view cp932;
};
constexpr std::array<Remap, 6> kRemaps{{
    {"\xE3\x80\x9C", "\x81\x60"},  // U+301C wave dash
    {"\xE2\x80\x96", "\x81\x61"},  // U+2016 double vertical line
    {"\xE2\x88\x92", "\x81\x7C"},  // U+2212 minus sign
    {"\xC2\xA2", "\x81\x91"},      // U+00A2 cent sign
    {"\xC2\xA3", "\x81\x92"},      // U+00A3 pound sign
    {"\xC2\xAC", "\x81\xCA"},      // U+00AC not sign
}};

const Remap* RemapAt(std::string_view s, std::size_t i) {
  // Each remapped sequence starts with one of these bytes, which never occur
  // inside a UTF-8 character.
  const auto c = static_cast<unsigned char>(s[i]);
  if (c != 0xC2 && c != 0xE2 && c != 0xE3) return nullptr;
  for (const Remap& remap : kRemaps) {
    if (s.substr(i).starts_with(remap.utf8)) return &remap;
  }
  return nullptr;
}

// Characters the system's converter writes as the byte of another sign
// ("¥" as the byte of "\\", "‾" as that of "~") without a look-alike of
// their own in CP932: text keeps them as references, so they read back as
// typed while the bytes stored before still read as "\\" and "~".
constexpr std::array<std::string_view, 2> kKeptAsReferences{
    "\xC2\xA5",      // U+00A5 yen sign
    "\xE2\x80\xBE",  // U+203E overline
};

std::size_t KeptAsReferenceAt(std::string_view s, std::size_t i, char32_t& codePoint) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c != 0xC2 && c != 0xE2) return 0;
  for (std::string_view kept : kKeptAsReferences) {
    if (s.substr(i).starts_with(kept)) return DecodeUtf8At(s, i, codePoint);
  }
  return 0;
}

// Tag characters (U+E0000-U+E007F, as in flag emoji) are dropped by the
// system's converter without an error, so they are caught before it.
std::size_t TagLengthAt(std::string_view s, std::size_t i, char32_t& codePoint) {
  if (static_cast<unsigned char>(s[i]) != 0xF3) return 0;
  const std::size_t length = DecodeUtf8At(s, i, codePoint);
  return length != 0 && codePoint >= 0xE0000 && codePoint <= 0xE007F ? length : 0;
}

// An "&" typed where the way out would read a reference (or this escape)
// from it is stored as the reference to "&" itself, which alone is left as
// it stands; "&#x26;#x" reads back as "&#x". So typed text that spells a
// reference comes back as typed, and text stored before keeps its reading.
constexpr std::string_view kEscapedAmpersand = "&#x26;";
constexpr std::string_view kEscapedOpening = "&#x26;#x";

bool MustEscapeAt(std::string_view utf8, std::size_t i) {
  return utf8[i] == '&' && ReferenceLengthAt(utf8, i) != 0;
}

// UTF-8 -> CP932 with the six remaps and rejected characters through
// `reject`; for text to be stored (`stored`), tag characters and those kept
// as references as references, and the "&" of a spelled reference escaped.
std::string ConvertFromUtf8(std::string_view utf8, Rejection reject, bool stored) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t start = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const Remap* remap = RemapAt(utf8, i);
    char32_t referenced = 0;
    std::size_t referenceLength = 0;
    if (stored && !remap) {
      referenceLength = TagLengthAt(utf8, i, referenced);
      if (referenceLength == 0) referenceLength = KeptAsReferenceAt(utf8, i, referenced);
    }
    const bool escape = stored && MustEscapeAt(utf8, i);
    if (!remap && referenceLength == 0 && !escape) continue;
    Convert(FromUtf8(), utf8.substr(start, i - start), reject, out);
    if (remap) {
      out += remap->cp932;
      i += remap->utf8.size() - 1;
    } else if (escape) {
      out += kEscapedAmpersand;
    } else {
      AppendCharReference(referenced, out);
      i += referenceLength - 1;
    }
    start = i + 1;
  }
  Convert(FromUtf8(), utf8.substr(start), reject, out);
  return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string utf8;
  utf8.reserve(cp932.size() + cp932.size() / 2);
  Convert(FromCp932(), cp932, RejectCp932, utf8);
  std::size_t amp = utf8.find("&#x");
  if (amp == std::string::npos) return utf8;

  std::string out;
  out.reserve(utf8.size());
  std::size_t done = 0;
  for (; amp != std::string::npos; amp = utf8.find("&#x", amp + 1)) {
    if (amp < done) continue;
    if (utf8.compare(amp, kEscapedOpening.size(), kEscapedOpening) == 0) {
      out.append(utf8, done, amp - done);
      out += "&#x";
      done = amp + kEscapedOpening.size();
      continue;
    }
    char32_t codePoint;
    const std::size_t length = ParseCharReference(utf8, amp, codePoint);
    if (length == 0 || ExactCp932Form(codePoint)) continue;
    out.append(utf8, done, amp - done);
    AppendUtf8(codePoint, out);
    done = amp + length;
  }
  out.append(utf8, done);
  return out;
}

std::string TextToCp932(std::string_view utf8) {
  return ConvertFromUtf8(utf8, RejectUtf8AsReference, true);
}

std::string PasswordToCp932(std::string_view utf8) {
  // The key bytes are the plain conversion's, tags dropped by the system's
  // converter included.
  return ConvertFromUtf8(utf8, RejectUtf8AsQuestionMark, false);
}

std::string PathToCp932(std::string_view utf8) {
  // Paths are short and mostly ASCII, so the rest goes one character at a
  // time, each checked to read back as itself.
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t codePoint;
    const std::size_t length = DecodeUtf8At(utf8, i, codePoint);
    if (length == 0) {
      i += RejectUtf8AsQuestionMark(utf8, i, out);
      continue;
    }
    if (MustEscapeAt(utf8, i)) {
      out += kEscapedAmpersand;
    } else if (codePoint < 0x80) {
      out.push_back(static_cast<char>(codePoint));
    } else if (const std::optional<std::string> exact = ExactCp932Form(codePoint)) {
      out += *exact;
    } else {
      AppendCharReference(codePoint, out);
    }
    i += length;
  }
  return out;
}

std::string OneWayFormsAsReferences(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size());
  for (std::size_t i = 0; i < cp932.size();) {
    const std::size_t length = cp932::CharLength(cp932, i);
    const std::string_view ch = cp932.substr(i, length);
    const auto remap = std::find_if(kRemaps.begin(), kRemaps.end(),
                                    [ch](const Remap& r) { return r.cp932 == ch; });
    char32_t codePoint;
    if (remap != kRemaps.end() && DecodeUtf8At(remap->utf8, 0, codePoint) != 0)
      AppendCharReference(codePoint, out);
    else
      out += ch;
    i += length;
  }
  return out;
}

std::size_t ReferenceLengthAt(std::string_view text, std::size_t i) {
  if (text.compare(i, kEscapedOpening.size(), kEscapedOpening) == 0) return kEscapedOpening.size();
  char32_t codePoint;
  const std::size_t length = ParseCharReference(text, i, codePoint);
  return length != 0 && !ExactCp932Form(codePoint) ? length : 0;
}

std::size_t TextPrefixLength(std::string_view cp932, std::size_t maxBytes) {
  const std::size_t n = cp932::PrefixAtBoundary(cp932, maxBytes);
  if (n == cp932.size()) return n;
  // A reference is at most "&#x10FFFF;"; "&" is never a trail byte, so each
  // one found is a character of its own.
  constexpr std::size_t kLongest = 10;
  for (std::size_t p = n > kLongest ? n - kLongest : 0; p < n; ++p) {
    if (cp932[p] == '&' && p + ReferenceLengthAt(cp932, p) > n) return p;
  }
  return n;
}

Utf8Tally TallyUtf8(std::string_view text) {
  Utf8Tally tally;
  WalkNonAscii(text, [&tally](std::size_t, std::size_t length) {
    ++(length == 0 ? tally.broken : tally.multiByte);
    return true;
  });
  return tally;
}

std::size_t LegacyToUtf8(std::string_view text, LegacyCharset charset, std::string& utf8) {
  const bool eucJp = charset == LegacyCharset::kEucJp;
  Converter converter("UTF-8", eucJp ? "EUC-JP" : "WINDOWS-1252");
  if (!converter.usable()) return text.empty() ? std::string_view::npos : 0;
  // Windows-1252 leaves five bytes undefined, which Latin-1 reads as its
  // control characters; any other rejected byte ends the text read.
  const auto reject = [eucJp](std::string_view in, std::size_t at, std::string& out) {
    const auto c = static_cast<unsigned char>(in[at]);
    if (eucJp || !(c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D))
      return std::string_view::npos;
    AppendUtf8(c, out);
    return std::size_t{1};
  };
  return ConvertInPieces(converter, text, 4096, reject, utf8);
}

std::size_t FirstNonUtf8(std::string_view text) {
  std::size_t first = std::string_view::npos;
  WalkNonAscii(text, [&first](std::size_t at, std::size_t length) {
    if (length == 0) first = at;
    return length != 0;
  });
  return first;
}

std::size_t Utf16ToUtf8(std::string_view utf16, bool bigEndian, std::string& utf8) {
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(utf16[i]);
    const auto b = static_cast<unsigned char>(utf16[i + 1]);
    return bigEndian ? (a << 8) | b : (b << 8) | a;
  };
  utf8.reserve(utf8.size() + utf16.size() / 2 * 3);
  std::size_t i = 0;
  for (; i + 1 < utf16.size(); i += 2) {
    const char32_t first = unit(i);
    if (first < 0xD800 || first > 0xDFFF) {
      AppendUtf8(first, utf8);
      continue;
    }
    if (first > 0xDBFF || i + 3 >= utf16.size()) return i;
    const char32_t second = unit(i + 2);
    if (second < 0xDC00 || second > 0xDFFF) return i;
    AppendUtf8(0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00), utf8);
    i += 2;
  }
  return i < utf16.size() ? i : std::string_view::npos;
}

bool IsNonAsciiUtf8(std::string_view text) {
  bool nonAscii = false;
  for (std::size_t i = 0; i < text.size();) {
    char32_t codePoint;
    const std::size_t length = DecodeUtf8At(text, i, codePoint);
    if (length == 0) return false;
    nonAscii = nonAscii || codePoint >= 0x80;
    i += length;
  }
  return nonAscii;
}

}  // namespace listora
