#pragma once
// Fixed-size, NUL-terminated CP932 text fields, as the document's settings
// blocks store names, folders and patterns.

#include <cstddef>
#include <string_view>

namespace listora {

// Copies `text` into a fixed NUL-terminated field, cut at a character
// boundary so it never overflows; the rest of the field is zeroed.
void SetFixedText(char* field, std::size_t fieldSize, std::string_view text);
// The text of a fixed field up to its first NUL (never past the field).
std::string_view FixedText(const char* field, std::size_t fieldSize);

template <std::size_t N>
void SetFixedText(char (&field)[N], std::string_view text) {
  SetFixedText(field, N, text);
}
template <std::size_t N>
std::string_view FixedText(const char (&field)[N]) {
  return FixedText(field, N);
}

}  // namespace listora
