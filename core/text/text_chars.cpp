#include "core/text/text_chars.h"

#include <array>

#include "core/text/char_reference.h"
#include "core/text/cp932.h"
#include "core/text/encoding.h"

namespace listora {

namespace {

// Codes of references to characters CP932 cannot hold lie above every CP932
// character's code (at most 0xFCFF).
constexpr std::uint32_t kReferenceBase = 0x1000000;
constexpr std::uint32_t kNoForm = 1;  // no CP932 character's code

// How a stored "&" is written where the way out would otherwise read a
// reference from it, and the escape of a typed "&#x".
constexpr std::string_view kEscapedAmpersand = "&#x26;";
constexpr std::string_view kEscapedOpening = "&#x26;#x";

struct Char {
  std::size_t length;
  std::uint32_t code;
};

// The code of the CP932 form typed text gives the character a reference
// names, when that is one of the six whose form reads back as another sign
// ("～" for "&#x301C;", the spelling a path gives "〜"); 0 for any other.
// Asked of the converter once per character and thread.
std::uint32_t OneWayFormCode(std::string_view reference, char32_t codePoint) {
  if (codePoint > 0xFFFF) return 0;
  thread_local std::array<std::uint32_t, 0x10000> known{};  // 0: not asked yet
  std::uint32_t& code = known[codePoint];
  if (code == 0) {
    const std::string typed = TextToCp932(Cp932ToUtf8(reference));
    const bool form = typed.size() == 2 && typed[0] != '&';
    code = form ? static_cast<unsigned char>(typed[0]) * 256u + static_cast<unsigned char>(typed[1])
                : kNoForm;
  }
  return code == kNoForm ? 0 : code;
}

Char CharAt(std::string_view s, std::size_t i, bool foldCase) {
  if (s[i] == '&') {
    // The stored "&" of a typed "&#x" is that "&"; the "#x" follows as text.
    if (s.substr(i).starts_with(kEscapedOpening)) return {kEscapedAmpersand.size(), '&'};
    if (const std::size_t length = ReferenceLengthAt(s, i)) {
      char32_t codePoint = 0;
      ParseCharReference(s, i, codePoint);
      if (const std::uint32_t form = OneWayFormCode(s.substr(i, length), codePoint))
        return {length, form};
      return {length, kReferenceBase + codePoint};
    }
    return {1, '&'};
  }
  const std::size_t length = cp932::CharLength(s, i);
  const auto lead = static_cast<unsigned char>(s[i]);
  if (length == 1) {
    const bool lower = foldCase && lead >= 'a' && lead <= 'z';
    return {1, lower ? lead - 'a' + 'A' : std::uint32_t{lead}};
  }
  std::uint32_t code = lead * 256u + static_cast<unsigned char>(s[i + 1]);
  if (foldCase && code >= 0x8281 && code <= 0x829A) code -= 0x21;  // ａ-ｚ to Ａ-Ｚ
  return {2, code};
}

}  // namespace

TextChars SplitTextChars(std::string_view cp932, bool foldCase) {
  TextChars chars;
  chars.codes.reserve(cp932.size());
  chars.offsets.reserve(cp932.size() + 1);
  for (std::size_t i = 0; i < cp932.size();) {
    const Char c = CharAt(cp932, i, foldCase);
    chars.codes.push_back(c.code);
    chars.offsets.push_back(i);
    i += c.length;
  }
  chars.offsets.push_back(cp932.size());
  return chars;
}

std::string FoldedTextKey(std::string_view cp932) {
  if (cp932.find('&') == std::string_view::npos) return cp932::ToUpper(cp932);
  // Every "&" of the key begins a reference, so no two texts of different
  // characters share one.
  std::string key;
  key.reserve(cp932.size() + 8);
  for (std::size_t i = 0; i < cp932.size();) {
    const Char c = CharAt(cp932, i, true);
    if (c.code == '&') {
      key += kEscapedAmpersand;
    } else if (c.code >= kReferenceBase) {
      key += cp932.substr(i, c.length);
    } else if (c.code > 0xFF) {
      key.push_back(static_cast<char>(c.code >> 8));
      key.push_back(static_cast<char>(c.code & 0xFF));
    } else {
      key.push_back(static_cast<char>(c.code));
    }
    i += c.length;
  }
  return key;
}

std::string JoinTexts(const std::vector<TextSlice>& slices) {
  struct Ampersand {
    std::size_t at;
    std::size_t length;  // 1, or 6 when escaped
  };
  std::string joined;
  std::vector<Ampersand> ampersands;
  for (const TextSlice& slice : slices) {
    // "&" is never a trail byte, and a slice starts between characters, so
    // each one found begins a character: an "&", escaped or not, or a
    // reference, which stays as it is.
    for (std::size_t p = slice.text.find('&', slice.begin); p < slice.end;
         p = slice.text.find('&', p + 1)) {
      std::size_t length = 1;
      if (slice.text.substr(p).starts_with(kEscapedOpening))
        length = kEscapedAmpersand.size();
      else if (ReferenceLengthAt(slice.text, p) != 0)
        continue;
      ampersands.push_back({joined.size() + p - slice.begin, length});
    }
    joined.append(slice.text.substr(slice.begin, slice.end - slice.begin));
  }
  // Each "&" is written bare unless the text after it would make it begin a
  // reference; escaped it is read as "&" then, that text starting "#x". From
  // the last: how one is written never changes what an earlier one begins,
  // which would end before it.
  for (auto it = ampersands.rbegin(); it != ampersands.rend(); ++it) {
    const std::string probe = "&" + joined.substr(it->at + it->length, 10);
    const bool escape = ReferenceLengthAt(probe, 0) != 0;
    joined.replace(it->at, it->length, escape ? kEscapedAmpersand : std::string_view("&"));
  }
  return joined;
}

}  // namespace listora
