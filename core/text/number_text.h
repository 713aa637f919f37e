#pragma once
// Texts shown for file sizes and file times.

#include <cstdint>
#include <string>

namespace listora {

// 1234567 -> "1,234,567".
std::string GroupedNumberText(std::uint64_t value);

// Local time of `secondsSinceEpoch` as "%04d年%02d月%02d日、%02d:%02d:%02d" in
// CP932. When the conversion fails the date is 0 and the time fields -1.
std::string DateTimeText(std::int64_t secondsSinceEpoch);

}  // namespace listora
