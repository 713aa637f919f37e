#include "core/text/cp932.h"

#include <algorithm>

namespace listora::cp932 {

namespace {

unsigned char Byte(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// Value of the character at s[i] as the runtime's comparison sees it.
unsigned CharValue(std::string_view s, std::size_t i, std::size_t length) {
  return length == 2 ? Byte(s, i) * 256u + Byte(s, i + 1) : Byte(s, i);
}

}  // namespace

std::size_t CharLength(std::string_view s, std::size_t i) {
  return IsLeadByte(Byte(s, i)) && i + 1 < s.size() ? 2 : 1;
}

std::size_t Find(std::string_view s, char c, std::size_t from) {
  for (std::size_t i = from; i < s.size(); i += CharLength(s, i)) {
    if (s[i] == c) return i;
  }
  return npos;
}

std::size_t Find(std::string_view s, std::string_view needle, std::size_t from) {
  if (from > s.size()) return npos;
  if (needle.empty()) return from;
  for (std::size_t i = from; i + needle.size() <= s.size(); i += CharLength(s, i)) {
    if (s[i] == needle[0] && s.compare(i, needle.size(), needle) == 0) return i;
  }
  return npos;
}

std::size_t FindLast(std::string_view s, char c) {
  // Character boundaries are only known walking forward from the start.
  std::size_t found = npos;
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
    if (s[i] == c) found = i;
  }
  return found;
}

std::size_t FindLast(std::string_view s, std::string_view needle, std::size_t end) {
  const std::size_t limit = std::min(end, s.size());
  if (needle.size() > limit) return npos;
  std::size_t found = npos;
  for (std::size_t i = 0; i + needle.size() <= limit; i += CharLength(s, i)) {
    if (s.compare(i, needle.size(), needle) == 0) found = i;
  }
  return found;
}

int MbsCompare(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const std::size_t la = CharLength(a, i);
    const std::size_t lb = CharLength(b, j);
    const unsigned ca = CharValue(a, i, la);
    const unsigned cb = CharValue(b, j, lb);
    if (ca != cb) return ca > cb ? 1 : -1;
    i += la;
    j += lb;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

std::uint64_t OrderPrefix(std::string_view s) {
  std::uint64_t prefix = 0;
  int bytes = 0;
  const auto put = [&](unsigned char b) {
    if (bytes < 8) prefix |= std::uint64_t{b} << (8 * (7 - bytes++));
  };
  for (std::size_t i = 0; i < s.size() && bytes < 8;) {
    const std::size_t length = CharLength(s, i);
    const unsigned char c = Byte(s, i);
    if (length == 2) {
      put(c);
      put(Byte(s, i + 1));
    } else if (c < 0x80) {
      put(c);
    } else {
      put(0x80);
      put(c);
    }
    i += length;
  }
  return prefix;
}

std::string ToUpper(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t length = CharLength(out, i);
    const unsigned char c = Byte(out, i);
    if (length == 1) {
      if (c >= 'a' && c <= 'z') out[i] = static_cast<char>(c - 'a' + 'A');
    } else if (c == 0x82) {
      const unsigned char trail = Byte(out, i + 1);
      if (trail >= 0x81 && trail <= 0x9A) out[i + 1] = static_cast<char>(trail - 0x21);
    }
    i += length;
  }
  return out;
}

std::size_t FirstNonCp932(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = Byte(s, i);
    if (c < 0x80 || (c >= 0xA1 && c <= 0xDF)) {
      ++i;
      continue;
    }
    if (!IsLeadByte(c) || i + 1 == s.size()) return i;
    const unsigned char trail = Byte(s, i + 1);
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return i;
    i += 2;
  }
  return npos;
}

std::size_t PrefixAtBoundary(std::string_view s, std::size_t maxBytes) {
  if (maxBytes >= s.size()) return s.size();
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t next = i + CharLength(s, i);
    if (next > maxBytes) break;
    i = next;
  }
  return i;
}

}  // namespace listora::cp932
