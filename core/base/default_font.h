#pragma once
// The font the panes and printing use until the user chooses another.

#include <string>

namespace listora {

// "ＭＳ Ｐゴシック", in CP932.
std::string DefaultFontName();

}  // namespace listora
