#include "core/text/char_reference.h"

namespace listora {

namespace {

constexpr std::string_view kOpen = "&#x";
constexpr std::size_t kMaxDigits = 6;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void AppendCharReference(char32_t codePoint, std::string& out) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char digits[8];
  std::size_t n = 0;
  do {
    digits[n++] = kDigits[codePoint & 0xF];
    codePoint >>= 4;
  } while (codePoint != 0);
  out += kOpen;
  while (n > 0) out.push_back(digits[--n]);
  out.push_back(';');
}

std::size_t ParseCharReference(std::string_view text, std::size_t i, char32_t& codePoint) {
  if (text.substr(i, kOpen.size()) != kOpen) return 0;
  const std::size_t first = i + kOpen.size();
  std::size_t end = first;
  char32_t value = 0;
  while (end < text.size() && end - first < kMaxDigits) {
    const int digit = HexDigit(text[end]);
    if (digit < 0) break;
    value = value * 16 + static_cast<char32_t>(digit);
    ++end;
  }
  if (end == first || text[first] == '0') return 0;  // no digits, or a leading zero
  if (end >= text.size() || text[end] != ';') return 0;
  if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  codePoint = value;
  return end + 1 - i;
}

}  // namespace listora
