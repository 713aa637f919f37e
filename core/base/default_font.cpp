#include "core/base/default_font.h"

#include "core/text/encoding.h"

namespace listora {

std::string DefaultFontName() { return TextToCp932("ＭＳ Ｐゴシック"); }

}  // namespace listora
