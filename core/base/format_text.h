#pragma once
// A text composed from a translated format and its values, so a translation
// can reorder and reword around them: printf's directives, the values
// given as the directives ask (a std::string as its c_str()).

#include <cstdio>
#include <string>
#include <string_view>

namespace listora {

template <typename... Values>
std::string FormatText(std::string_view format, Values... values) {
  const std::string pattern(format);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  const int size = std::snprintf(nullptr, 0, pattern.c_str(), values...);
  if (size <= 0) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  std::snprintf(text.data(), text.size() + 1, pattern.c_str(), values...);
#pragma GCC diagnostic pop
  return text;
}

}  // namespace listora
