#include "core/print/layout_entries.h"

#include <algorithm>
#include <limits>

#include "core/print/header_footer.h"

namespace listora {

NumberEntry ParseMargin(std::string_view text) {
  return ParseUnsignedEntry(text, kMarginMin, kMarginMax);
}

std::int32_t ParseFontSize(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(value * 10 + (text[i] - '0'), kLimit + 1);
  }
  if (negative) return static_cast<std::int32_t>(std::max(-value, -kLimit - 1));
  return static_cast<std::int32_t>(std::min(value, kLimit));
}

std::string AppendPageTextCode(std::string_view text, int index) {
  std::string out(text);
  if (index >= 0 && index < static_cast<int>(kPageTextCodes.size())) {
    out.append(kPageTextCodes[static_cast<std::size_t>(index)]);
  }
  return out;
}

}  // namespace listora
