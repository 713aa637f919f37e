#pragma once
// The one converter between the core's CP932 text and UTF-8, used at the
// edges only (widgets, file-system paths, JSON output). Characters the
// target cannot hold become "?"; conversion never fails or throws.

#include <string>
#include <string_view>

namespace listora {

std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or code
// points above U+10FFFF) and holds at least one non-ASCII character: text
// that can only have been written as UTF-8.
bool IsNonAsciiUtf8(std::string_view text);

}  // namespace listora
