#include "core/text/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

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

Converter& ToUtf8() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

Converter& ToCp932() {
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

using RejectLength = std::size_t (*)(std::string_view, std::size_t);

// Appends `in` converted to `out`; each rejected character becomes "?". When
// the system has no such converter, ASCII passes and the rest becomes "?".
void Convert(Converter& converter, std::string_view in, RejectLength rejectLength,
             std::string& out) {
  if (!converter.usable()) {
    for (std::size_t i = 0; i < in.size();) {
      if (static_cast<unsigned char>(in[i]) < 0x80) {
        out.push_back(in[i++]);
      } else {
        out.push_back('?');
        i += rejectLength(in, i);
      }
    }
    return;
  }
  iconv(converter.handle(), nullptr, nullptr, nullptr, nullptr);
  std::array<char, 4096> buffer;
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  while (srcLeft > 0) {
    char* dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    const std::size_t result = iconv(converter.handle(), &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer.data(), buffer.size() - dstLeft);
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // EILSEQ, or EINVAL for a character cut off by the end of the text.
    out.push_back('?');
    const std::size_t skip = std::min(rejectLength(in, in.size() - srcLeft), srcLeft);
    src += skip;
    srcLeft -= skip;
  }
}

// Code points that input methods produce for characters whose mapping
// differs between Shift_JIS tables; sent straight to the CP932 bytes so no
// converter variant turns them into "?".
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

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() + cp932.size() / 2);
  Convert(ToUtf8(), cp932, Cp932RejectLength, out);
  return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t start = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const Remap* remap = RemapAt(utf8, i);
    if (!remap) continue;
    Convert(ToCp932(), utf8.substr(start, i - start), Utf8RejectLength, out);
    out += remap->cp932;
    i += remap->utf8.size() - 1;
    start = i + 1;
  }
  Convert(ToCp932(), utf8.substr(start), Utf8RejectLength, out);
  return out;
}

bool IsNonAsciiUtf8(std::string_view text) {
  bool nonAscii = false;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    nonAscii = true;
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;   // overlong
      if (c == 0xED) high = 0x9F;  // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;   // overlong
      if (c == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second < low || second > high) return false;
    for (std::size_t k = 2; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return nonAscii;
}

}  // namespace listora
