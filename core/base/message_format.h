#pragma once
// The one way the core fills numbers and texts into its messages: the texts
// of core/base/messages.h carry printf conversions ("%d", "%u", "%zu",
// "%4d", "%s"), and each is given here a number of its type or a text.

#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

namespace listora {

namespace message_format {

// A text is handed on as a NUL-terminated copy, a number as it is.
template <typename T>
auto Held(const T& value) {
  if constexpr (std::is_convertible_v<const T&, std::string_view>) {
    return std::string(std::string_view(value));
  } else {
    static_assert(std::is_arithmetic_v<T>, "a message takes numbers and texts");
    return value;
  }
}

template <typename T>
auto Passed(const T& held) {
  if constexpr (std::is_same_v<T, std::string>) {
    return held.c_str();
  } else {
    return held;
  }
}

template <typename... Held>
std::string Fill(const std::string& format, const Held&... held) {
  const int size = std::snprintf(nullptr, 0, format.c_str(), Passed(held)...);
  if (size <= 0) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  std::snprintf(text.data(), text.size() + 1, format.c_str(), Passed(held)...);
  return text;
}

}  // namespace message_format

// `format` with its conversions filled from `args`, in order.
template <typename... Args>
std::string FormatMessage(std::string_view format, const Args&... args) {
  return message_format::Fill(std::string(format), message_format::Held(args)...);
}

}  // namespace listora
