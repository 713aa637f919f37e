#include "core/text/fixed_text.h"

#include <cstring>

#include "core/text/encoding.h"

namespace listora {

void SetFixedText(char* field, std::size_t fieldSize, std::string_view text) {
  if (fieldSize == 0) return;
  const std::size_t n = TextPrefixLength(text, fieldSize - 1);
  std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, fieldSize - n);
}

std::string_view FixedText(const char* field, std::size_t fieldSize) {
  const void* nul = std::memchr(field, '\0', fieldSize);
  return {field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : fieldSize};
}

}  // namespace listora
