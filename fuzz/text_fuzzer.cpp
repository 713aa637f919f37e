// The one converter between code page 932 and UTF-8, on any bytes: read as
// CP932 they give well-formed UTF-8; the prefix a field keeps splits
// neither a double-byte character nor a reference the way out turns into a
// character; and read as UTF-8, a path and typed text come back as they
// went in, also where the text spells a reference itself.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/text/cp932.h"
#include "core/text/encoding.h"

using namespace listora;

namespace {

// Well-formed UTF-8 as the standard defines it, checked byte by byte.
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    unsigned char low = 0x80, high = 0xBF;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

// The converter's characters: a lead byte with a trail byte after it is
// one, any other byte is one of its own (a lone lead byte reads as "?").
std::size_t CharacterAt(std::string_view cp932, std::size_t i) {
  if (i + 1 >= cp932.size() || !cp932::IsLeadByte(static_cast<unsigned char>(cp932[i]))) return 1;
  const unsigned char trail = static_cast<unsigned char>(cp932[i + 1]);
  return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC) ? 2 : 1;
}

// Whether a CP932 text may be cut at `at`: between two characters and not
// inside a reference the way out reads. The straightforward walk from the
// start.
bool MayCutAt(std::string_view cp932, std::size_t at) {
  std::size_t i = 0;
  while (i < at) {
    const std::size_t reference = ReferenceLengthAt(cp932, i);
    if (reference > 0 && i + reference > at) return false;
    i += CharacterAt(cp932, i);
  }
  return i == at;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  if (!IsUtf8(Cp932ToUtf8(bytes))) std::abort();

  // Cuts to a few limits (on a bounded stretch, the walk being quadratic):
  // allowed, at most a reference's length short, and what is kept reads as
  // the start of what the whole reads as.
  const std::string_view head = bytes.substr(0, 512);
  const std::string whole = Cp932ToUtf8(head);
  const std::size_t first = head.empty() ? 0 : static_cast<unsigned char>(head[0]);
  for (const std::size_t limit : {head.size(), head.size() / 2, first}) {
    const std::size_t cut = TextPrefixLength(head, limit);
    if (cut > limit || !MayCutAt(head, cut) || cut + 11 < std::min(limit, head.size()))
      std::abort();
    if (!whole.starts_with(Cp932ToUtf8(head.substr(0, cut)))) std::abort();
  }

  if (IsUtf8(bytes)) {
    if (Cp932ToUtf8(PathToCp932(bytes)) != bytes) std::abort();
    // Typed text comes back as each of its characters would alone: the few
    // whose CP932 form is another sign's (such as "¥", stored as the byte
    // of "\") take that sign, and nothing else changes, whatever
    // references the text spells. Checked on a bounded stretch, character
    // by character.
    std::string_view text = bytes.substr(0, 1024);
    while (text.size() < bytes.size() &&
           (static_cast<unsigned char>(bytes[text.size()]) & 0xC0) == 0x80)
      text.remove_suffix(1);
    const std::string typed = TextToCp932(text);
    const std::string back = Cp932ToUtf8(typed);
    if (TextToCp932(back) != typed) std::abort();
    std::string alone;
    for (std::size_t i = 0; i < text.size();) {
      std::size_t length = 1;
      while (i + length < text.size() &&
             (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
        ++length;
      alone += Cp932ToUtf8(TextToCp932(text.substr(i, length)));
      i += length;
    }
    if (back != alone) std::abort();
  }
  return 0;
}
