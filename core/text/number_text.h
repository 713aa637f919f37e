#pragma once
// Texts shown for file sizes and file times.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace listora {

// 1234567 -> "1,234,567".
std::string GroupedNumberText(std::uint64_t value);

// Local time of `secondsSinceEpoch` as "%04d年%02d月%02d日、%02d:%02d:%02d" in
// CP932. When the conversion fails the date is 0 and the time fields -1.
std::string DateTimeText(std::int64_t secondsSinceEpoch);

// A number typed into a dialog field that takes unsigned numbers: decimal
// digits, blanks around them allowed, at most INT32_MAX (the fields that
// hold it are 32-bit). nullopt otherwise: "正の整数を入力してください。".
std::optional<std::int32_t> ParseUnsignedNumber(std::string_view text);

}  // namespace listora
