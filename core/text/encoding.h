#pragma once
// The one converter between the core's CP932 text and UTF-8, used at the
// edges only (widgets, file-system paths, JSON output). Characters the
// target cannot hold become "?"; conversion never fails or throws.

#include <string>
#include <string_view>

namespace listora {

std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

}  // namespace listora
