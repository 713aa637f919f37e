#pragma once
// Code page 932 (Japanese Shift_JIS as Windows extends it) byte-string helpers.
// All text in the core is held as CP932 bytes exactly as documents store it;
// these helpers never mistake a trail byte (which may equal '\\' or a letter)
// for a character of its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace listora::cp932 {

inline constexpr std::size_t npos = std::string_view::npos;

// True for bytes that start a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character starting at s[i] (1 or 2; 1 for a lead
// byte that ends the text).
std::size_t CharLength(std::string_view s, std::size_t i);

// Position of the first character c at or after `from` (a character
// boundary), or npos. c is a single-byte character.
std::size_t Find(std::string_view s, char c, std::size_t from = 0);
// Position of the first occurrence of `needle` starting on a character
// boundary at or after `from`, or npos. An empty needle matches at `from`.
std::size_t Find(std::string_view s, std::string_view needle, std::size_t from = 0);
// Position of the last character c, or npos.
std::size_t FindLast(std::string_view s, char c);
// Position of the last occurrence of `needle` starting on a character
// boundary and ending at or before `end` (npos = end of text), or npos.
std::size_t FindLast(std::string_view s, std::string_view needle, std::size_t end = npos);

// The runtime's multi-byte comparison: character by character, a
// double-byte character counting as lead * 256 + trail. Returns -1, 0 or 1.
int MbsCompare(std::string_view a, std::string_view b);

// The first eight bytes, as a big-endian number, of an encoding of `s` whose
// byte order is MbsCompare's order: an ASCII character as itself, any other
// single byte after 0x80, a double-byte character as its two bytes (its
// lead byte being above 0x80); zero bytes past the end. Two texts whose
// prefixes differ compare as their prefixes do, so a sort compares most
// pairs as two numbers.
std::uint64_t OrderPrefix(std::string_view s);

// Upper-cases ASCII a-z and full-width ａ-ｚ (0x8281-0x829A to 0x8260-0x8279);
// trail bytes are never touched.
std::string ToUpper(std::string_view s);

// Offset of the first byte that does not belong to a CP932 character (a
// byte no character starts with, or a lead byte without its trail byte),
// or npos.
std::size_t FirstNonCp932(std::string_view s);

// Largest prefix length <= maxBytes that does not split a double-byte
// character.
std::size_t PrefixAtBoundary(std::string_view s, std::size_t maxBytes);

}  // namespace listora::cp932
