#pragma once
// The spelling of a character reference in stored text: "&#x", the code
// point in upper-case hex without leading zeros (1 to 6 digits), ";". Only
// this one spelling is read, so each character has exactly one.

#include <cstddef>
#include <string>
#include <string_view>

namespace listora {

// Appends the reference for `codePoint`.
void AppendCharReference(char32_t codePoint, std::string& out);

// Length of the reference starting at text[i] when it is spelled as above and
// names a Unicode scalar value (at most U+10FFFF, not a surrogate), its code
// point going to `codePoint`; 0 otherwise.
std::size_t ParseCharReference(std::string_view text, std::size_t i, char32_t& codePoint);

}  // namespace listora
